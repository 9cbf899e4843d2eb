// The days-between window: the count of whole days between the two pickers, in either order.
#include "app/between_form.h"
#include "tests/support/app_test.h"

#include <QAction>
#include <QCoreApplication>
#include <QDateEdit>
#include <QStatusBar>
#include <QTest>

using namespace almadex;

namespace {

class BetweenForm : public almadex::testing::AppTest {
protected:
    TBetweenForm* between = nullptr;

    void SetUp() override {
        AppTest::SetUp();
        create_main();
        between = &core->between_form();
    }

    QString count(QDate first, QDate second) {
        between->DateTimePicker1()->setDate(first);
        between->DateTimePicker2()->setDate(second);
        return between->StatusText();
    }
};

TEST_F(BetweenForm, StartsOnTodayAndAsksForTwoDates) {
    EXPECT_EQ(between->StatusText(), QStringLiteral("Please, select two dates..."));
    EXPECT_EQ(between->DateTimePicker1()->date(), QDate(2024, 10, 3));
    EXPECT_EQ(between->DateTimePicker2()->date(), QDate(2024, 10, 3));
    EXPECT_FALSE(between->isVisible());
    main->findChild<QAction*>(QStringLiteral("ToolInBetweenAction"))->trigger();
    EXPECT_TRUE(between->isVisible());
    EXPECT_EQ(between->StatusText(),
              QStringLiteral("Please, select two dates...")); // showing changes nothing
}

TEST_F(BetweenForm, CountsTheWholeDaysInEitherOrder) {
    const struct {
        QDate first, second;
        const char* days;
    } cases[] = {
        {{2000, 1, 1}, {2000, 3, 1}, "60 Day(s)"},        {{1999, 12, 31}, {2000, 1, 1}, "1 Day(s)"},
        {{2000, 1, 1}, {2001, 1, 1}, "366 Day(s)"},       {{1900, 1, 1}, {2000, 1, 1}, "36524 Day(s)"},
        {{1899, 12, 29}, {1899, 12, 31}, "2 Day(s)"},     {{1899, 12, 30}, {1900, 3, 1}, "61 Day(s)"},
        {{1582, 10, 4}, {1582, 10, 15}, "11 Day(s)"},     {{2023, 2, 28}, {2023, 3, 1}, "1 Day(s)"},
        {{1000, 1, 1}, {9999, 12, 31}, "3287181 Day(s)"}, {{2024, 10, 3}, {2024, 10, 3}, "0 Day(s)"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(count(c.first, c.second), QString::fromLatin1(c.days))
            << c.first.toString(Qt::ISODate).toStdString() << " "
            << c.second.toString(Qt::ISODate).toStdString();
        EXPECT_EQ(count(c.second, c.first), QString::fromLatin1(c.days)) << "swapped";
    }
}

TEST_F(BetweenForm, EqualDatesAfterAChangeGiveZero) {
    between->DateTimePicker1()->setDate(QDate(2024, 10, 4));
    EXPECT_EQ(between->StatusText(), QStringLiteral("1 Day(s)")); // measured from today
    between->DateTimePicker2()->setDate(QDate(2024, 10, 4));
    EXPECT_EQ(between->StatusText(), QStringLiteral("0 Day(s)"));
}

TEST_F(BetweenForm, TypingADayCounts) {
    between->show();
    QDateEdit* picker = between->DateTimePicker2();
    picker->setFocus();
    picker->setCurrentSection(QDateTimeEdit::DaySection);
    QTest::keyClick(picker, Qt::Key_Up); // one day on
    EXPECT_EQ(picker->date(), QDate(2024, 10, 4));
    EXPECT_EQ(between->StatusText(), QStringLiteral("1 Day(s)"));
}

TEST_F(BetweenForm, SitsAgainstTheMainWindowBottomsAligned) {
    main->show();
    main->move(120, 40); // showing places it against the main window where that window is now
    core->show_window(TWindow::between);
    const QRect frame = main->frameGeometry();
    EXPECT_EQ(between->pos().x(), frame.right() + 1);
    EXPECT_EQ(between->frameGeometry().bottom(), frame.bottom());
    EXPECT_GE(between->width(), 208);
    EXPECT_GE(between->height(), 104);
}

TEST_F(BetweenForm, DISABLED_Screenshot) {
    between->DateTimePicker1()->setDate(QDate(2000, 1, 1));
    between->DateTimePicker2()->setDate(QDate(2000, 3, 1));
    between->show();
    QCoreApplication::processEvents();
    const QString path = qEnvironmentVariable("ALMADEX_SCREENSHOT", QStringLiteral("between_window.png"));
    ASSERT_TRUE(between->grab().save(path));
}

} // namespace
