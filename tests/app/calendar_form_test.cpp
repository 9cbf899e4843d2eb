// The calendar window: the leap-year line from the converter's year and from clicked days, the months of the
// civil calendar (Julian up to September 1582), the month of the converter's moment, the smallest size, and
// the toolbar toggle kept in step.
#include "app/calendar_form.h"
#include "controls/civil_calendar_widget.h"
#include "controls/spin_edit.h"
#include "tests/support/app_test.h"

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTest>

using namespace almadex;

namespace {

class CalendarForm : public almadex::testing::AppTest {
protected:
    TCalendarForm* calendar = nullptr;

    void SetUp() override {
        AppTest::SetUp();
        create_main();
        calendar = &core->calendar_form();
    }

    QAction* action(const char* name) const { return main->findChild<QAction*>(QString::fromLatin1(name)); }
    QString leap_line() const { return calendar->LeapYinfo()->text(); }
    void convert(int day, int month, int year) {
        main->GDay()->setValue(day);
        main->GMonth()->setValue(month);
        main->GYear()->setValue(year);
        main->GConvertClick();
    }

    /// Clicks, with the mouse, the day `day` of the month the calendar shows.
    void click_day(int day) {
        auto* view = calendar->Calendar()->findChild<QTableView*>(QStringLiteral("qt_calendar_calendarview"));
        ASSERT_NE(view, nullptr);
        const QAbstractItemModel* model = view->model();
        // Days of the neighbouring months show 1..14 before this month's or 23..31 after them: a late day is
        // the last cell that shows its number, an early one the first.
        QModelIndex found;
        for (int row = 0; row < model->rowCount(); ++row)
            for (int column = 0; column < model->columnCount(); ++column) {
                const QModelIndex index = model->index(row, column);
                if (model->data(index).toString() != QString::number(day)) continue;
                if (!found.isValid() || day >= 23) found = index;
            }
        ASSERT_TRUE(found.isValid()) << "day " << day << " not shown";
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(found).center());
    }
};

TEST_F(CalendarForm, ClickingADayWritesTheLeapYearLineOfItsYear) {
    calendar->show();
    const struct {
        int year;
        const char* line;
    } cases[] = {
        {2000, "2000 is a leap year"},     {1900, "1900 is not a leap year"}, {2024, "2024 is a leap year"},
        {2023, "2023 is not a leap year"}, {2100, "2100 is not a leap year"}, {1500, "1500 is a leap year"},
        {1582, "1582 is not a leap year"}, {1000, "1000 is a leap year"},     {2400, "2400 is a leap year"},
    };
    for (const auto& c : cases) {
        calendar->Calendar()->show_civil_month(c.year, 6);
        click_day(15);
        const astro::TCalendarDate civil{static_cast<std::uint16_t>(c.year), 6, 15};
        EXPECT_EQ(calendar->Calendar()->selected_civil_date(), civil) << c.year;
        EXPECT_EQ(leap_line(), QString::fromLatin1(c.line));
    }
}

TEST_F(CalendarForm, MonthsAreThoseOfTheCivilCalendar) {
    calendar->show();
    TCivilCalendarWidget* grid = calendar->Calendar();
    const struct {
        int year, month, length;
        std::vector<int> days; // the day numbers of the page's own days, in order, when not 1..length
    } cases[] = {
        {1500, 2, 29, {}},
        {1700, 2, 28, {}},
        {1582, 9, 30, {}},
        {1582, 10, 21, {1, 2, 3, 4, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31}},
        {1000, 2, 29, {}},
        {2024, 2, 29, {}},
        {1900, 2, 28, {}},
    };
    for (const auto& c : cases) {
        grid->show_civil_month(c.year, c.month);
        EXPECT_EQ(grid->yearShown(), c.year);
        EXPECT_EQ(grid->monthShown(), c.month);
        // Every day of six weeks around the month: those of the page, with the number they show.
        std::vector<int> shown;
        const QDate first = TCivilCalendarWidget::day_of(c.year, c.month, 1);
        ASSERT_TRUE(first.isValid()) << c.year;
        for (QDate d = first.addDays(-14); d < first.addDays(45); d = d.addDays(1))
            if (grid->in_page(d)) shown.push_back(TCivilCalendarWidget::day_text(d).toInt());
        std::vector<int> expected = c.days;
        if (expected.empty())
            for (int d = 1; d <= c.length; ++d) expected.push_back(d);
        EXPECT_EQ(static_cast<int>(shown.size()), c.length) << c.year << "-" << c.month;
        EXPECT_EQ(shown, expected) << c.year << "-" << c.month;
    }
    // Thursday 4 October 1582 is followed by Friday 15 October.
    const QDate fourth = TCivilCalendarWidget::day_of(1582, 10, 4);
    EXPECT_EQ(fourth.dayOfWeek(), 4);
    EXPECT_EQ(TCivilCalendarWidget::day_text(fourth.addDays(1)), QStringLiteral("15"));
    EXPECT_FALSE(TCivilCalendarWidget::day_of(1582, 10, 10).isValid());
    EXPECT_FALSE(TCivilCalendarWidget::day_of(1700, 2, 29).isValid());
}

TEST_F(CalendarForm, StepsAcrossTheReformKeepTheMonths) {
    calendar->show();
    TCivilCalendarWidget* grid = calendar->Calendar();
    grid->show_civil_month(1582, 9);
    grid->showNextMonth();
    EXPECT_EQ(grid->monthShown(), 10);
    EXPECT_FALSE(grid->in_page(TCivilCalendarWidget::day_of(1582, 9, 30)));
    EXPECT_TRUE(grid->in_page(TCivilCalendarWidget::day_of(1582, 10, 15)));
    grid->showPreviousMonth();
    EXPECT_EQ(grid->monthShown(), 9);
    EXPECT_TRUE(grid->in_page(TCivilCalendarWidget::day_of(1582, 9, 30)));
    EXPECT_FALSE(grid->in_page(TCivilCalendarWidget::day_of(1582, 10, 1)));
    // 29 February 1500 is a day one can click.
    grid->show_civil_month(1500, 2);
    click_day(29);
    const astro::TCalendarDate leap_day{1500, 2, 29};
    EXPECT_EQ(grid->selected_civil_date(), leap_day);
    EXPECT_EQ(leap_line(), QStringLiteral("1500 is a leap year"));
}

TEST_F(CalendarForm, TheCalendarCommandWritesTheLineForTheConverterYearAndShowsItsMoment) {
    core->date_format().ShortDateFormat = QStringLiteral("mm/dd/yyyy");
    main->GYear()->setValue(1900); // the line follows the field, not the moment
    action("ToolCalendar")->trigger();
    EXPECT_TRUE(calendar->isVisible());
    EXPECT_EQ(leap_line(), QStringLiteral("1900 is not a leap year"));
    EXPECT_EQ(core->date_format().ShortDateFormat, QStringLiteral("dd/mm/yyyy"));
    EXPECT_EQ(calendar->Calendar()->selectedDate(), QDate(2024, 10, 3)); // the start-up moment
    EXPECT_TRUE(action("CalBtn")->isChecked());

    // Browsing does not touch the converter; the next showing returns to its moment.
    calendar->Calendar()->setCurrentPage(1950, 2);
    calendar->BitBtn1()->click();
    convert(25, 12, 2003);
    action("ToolCalendar")->trigger();
    EXPECT_EQ(calendar->Calendar()->selectedDate(), QDate(2003, 12, 25));
    EXPECT_EQ(calendar->Calendar()->yearShown(), 2003);
    EXPECT_EQ(calendar->Calendar()->monthShown(), 12);
    EXPECT_EQ(leap_line(), QStringLiteral("2003 is not a leap year"));
    EXPECT_EQ(main->FDate(), from_qdate(QDate(2003, 12, 25)) + 0.5);
}

TEST_F(CalendarForm, TheEarliestYearsOfTheConverterAreShown) {
    convert(1, 1, 999);
    action("ToolCalendar")->trigger();
    const astro::TCalendarDate first{999, 1, 1};
    EXPECT_EQ(calendar->Calendar()->selected_civil_date(), first);
    EXPECT_EQ(leap_line(), QStringLiteral("999 is not a leap year"));
    calendar->hide();
    convert(31, 12, 2399);
    action("ToolCalendar")->trigger();
    EXPECT_EQ(calendar->Calendar()->selectedDate(), QDate(2399, 12, 31));
}

TEST_F(CalendarForm, TheToggleOpensAndClosesTheWindowAndFollowsIt) {
    QAction* toggle = action("CalBtn");
    toggle->trigger(); // pressed
    EXPECT_TRUE(toggle->isChecked());
    EXPECT_TRUE(calendar->isVisible());
    toggle->trigger(); // released
    EXPECT_FALSE(calendar->isVisible());

    toggle->trigger();
    calendar->BitBtn1()->click(); // "Close"
    EXPECT_FALSE(calendar->isVisible());
    EXPECT_FALSE(toggle->isChecked());

    toggle->trigger();
    calendar->close(); // the system menu
    EXPECT_FALSE(calendar->isVisible());
    EXPECT_FALSE(toggle->isChecked());
}

TEST_F(CalendarForm, TheWindowKeepsItsSmallestSize) {
    EXPECT_GE(calendar->height(), 220); // the design height 212 lies below the minimum
    EXPECT_GE(calendar->width(), 205);
    calendar->show();
    const struct {
        QSize asked, got;
    } cases[] = {{{100, 100}, {205, 220}},
                 {{150, 300}, {205, 300}},
                 {{400, 200}, {400, 220}},
                 {{300, 260}, {300, 260}}};
    for (const auto& c : cases) {
        calendar->resize(c.asked);
        EXPECT_EQ(calendar->size(), c.got) << c.asked.width() << "x" << c.asked.height();
    }
}

TEST_F(CalendarForm, ShowsWeekNumbersBesideTheMainWindowWhereItIsWhenShown) {
    EXPECT_EQ(calendar->Calendar()->verticalHeaderFormat(), QCalendarWidget::ISOWeekNumbers);
    // Against the right edge of the main window, wherever that window has gone since the start.
    main->show();
    for (const QPoint main_at : {QPoint(150, 60), QPoint(20, 30)}) {
        main->move(main_at);
        core->show_window(TWindow::calendar);
        const QRect frame = main->frameGeometry();
        EXPECT_EQ(calendar->pos(), QPoint(frame.right() + 1, frame.top()));
        calendar->hide();
    }
}

// Renders the window for the documentation: run with --gtest_also_run_disabled_tests and ALMADEX_SCREENSHOT
// set to the output file.
TEST_F(CalendarForm, DISABLED_Screenshot) {
    convert(3, 10, 2024);
    action("ToolCalendar")->trigger();
    QCoreApplication::processEvents();
    const QString path = qEnvironmentVariable("ALMADEX_SCREENSHOT", QStringLiteral("calendar_window.png"));
    ASSERT_TRUE(calendar->grab().save(path));
}

} // namespace
