// The converter window: start-up fill, the four conversions and their messages, the month-name lists, the
// Convert buttons, the feast commands, the menus and toolbar, help and home page.
#include "almanac/civil_calendar.h"
#include "almanac/day.h"
#include "app/info_form.h"
#include "astro/hebrew.h"
#include "controls/spin_edit.h"
#include "controls/tip_dialog.h"
#include "controls/url_label.h"
#include "tests/support/app_test.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QKeySequence>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <cmath>

using namespace almadex;

namespace {

using almadex::testing::kNow;

class MainForm : public almadex::testing::AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        create_main();
    }

    template <typename T>
    T* child(const char* name) const {
        return almadex::testing::find_child<T>(main, name);
    }
    TSpinEdit* spin(const char* name) const { return child<TSpinEdit>(name); }
    QComboBox* combo(const char* name) const { return child<QComboBox>(name); }
    QAction* action(const char* name) const { return child<QAction>(name); }
    QString julian() const { return child<QLineEdit>("JuDay")->text(); }

    /// Day, month and year of a panel as "d/m/y".
    QString panel(const char* day, const char* month, const char* year) const {
        return QStringLiteral("%1/%2/%3")
            .arg(spin(day)->value())
            .arg(spin(month)->value())
            .arg(spin(year)->value());
    }
    QString gregorian() const { return panel("GDay", "GMonth", "GYear"); }
    QString hebrew() const { return panel("JeDay", "JeMonth", "JeYear"); }
    QString islamic() const { return panel("IDay", "IMonth", "IYear"); }
    QString chinese() const {
        return panel("CDay", "CMonth", "CYear") + QStringLiteral(" cycle %1").arg(spin("CCycles")->value());
    }

    void set_panel(const char* day, int d, const char* month, int m, const char* year, int y) {
        spin(day)->setValue(d);
        spin(month)->setValue(m);
        spin(year)->setValue(y);
    }
    void move_mouse_over(const char* panel_name) {
        QGroupBox* panel = child<QGroupBox>(panel_name);
        QMouseEvent move(QEvent::MouseMove, QPointF(3, 3), panel->mapToGlobal(QPointF(3, 3)), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(panel, &move);
    }
    bool enabled(const char* button) const { return child<QPushButton>(button)->isEnabled(); }
};

// --- start-up ---

TEST_F(MainForm, StartsWithTodayInEveryPanelAndTheCurrentMomentAsJulianDay) {
    EXPECT_EQ(gregorian(), QStringLiteral("3/10/2024"));
    EXPECT_EQ(hebrew(), QStringLiteral("1/7/5785"));
    EXPECT_EQ(combo("JeMonthName")->currentText(), QStringLiteral("Tishri"));
    // 2024-10-03 15:30 is JD 2460587.1458333...: fifteen significant digits.
    EXPECT_EQ(julian(), QStringLiteral("2460587.14583333"));
    EXPECT_DOUBLE_EQ(main->FDate(), from_qdatetime(kNow));
    // 1 day of the 9th month of year 41 (Jia Chen, the Dragon) of cycle 78.
    EXPECT_EQ(chinese(), QStringLiteral("1/9/41 cycle 78"));
    EXPECT_EQ(combo("CStem")->currentText(), QStringLiteral("Jia"));
    EXPECT_EQ(combo("CZodiac")->currentText(), QStringLiteral("Dragon"));
    EXPECT_FALSE(child<QCheckBox>("CLeapMonth")->isChecked());
    EXPECT_EQ(spin("IYear")->value(), 1446);
    EXPECT_EQ(combo("IsMonthName")->currentIndex(), spin("IMonth")->value() - 1);
    // Only the Gregorian button is enabled; the Islamic steps left the short date format day first.
    EXPECT_TRUE(enabled("GConvert"));
    EXPECT_FALSE(enabled("IConvert"));
    EXPECT_FALSE(enabled("CConvert"));
    EXPECT_FALSE(enabled("JeConvert"));
    EXPECT_EQ(core->date_format().ShortDateFormat, QStringLiteral("dd/mm/yyyy"));
    EXPECT_EQ(core->date_format().DateSeparator, QChar(u'/'));
    EXPECT_EQ(core->date_format().ShortTimeFormat, QStringLiteral("hh:mm"));
    EXPECT_TRUE(messages.empty());
}

TEST_F(MainForm, StartUpArmsTheIntroTimerAndRecordsTheProgramFolder) {
    TMainForm fresh(*core);
    EXPECT_TRUE(fresh.ShowIntroFormTimer().isActive());
    EXPECT_EQ(fresh.ShowIntroFormTimer().interval(), 500);
    fresh.ShowIntroFormTimer().stop();
    EXPECT_FALSE(fresh.isVisible());
    EXPECT_FALSE(fresh.windowIcon().isNull()); // today's Moon
    EXPECT_TRUE(core->program_folder().endsWith(QDir::separator()));
    EXPECT_EQ(QDir(core->program_folder()).absolutePath(),
              QDir(QCoreApplication::applicationDirPath()).absolutePath());
    // Without a start-up window the timer shows the main window itself.
    fresh.ShowIntroFormTimerTimer();
    EXPECT_TRUE(fresh.isVisible());
    EXPECT_FALSE(fresh.ShowIntroFormTimer().isActive());
}

TEST_F(MainForm, WindowIsTheFixedConverterWithItsFivePanelsInOrder) {
    EXPECT_EQ(main->windowTitle(), QStringLiteral("Almadex"));
    EXPECT_EQ(main->centralWidget()->size(), QSize(304, 382));
    const char* panels[] = {"GregorianPanel", "IslamicGroupBox", "ChinesePanel", "JewishPanel",
                            "JulianPanel"};
    const char* titles[] = {" Gregorian: ", " Islamic: ", " Chinese: ", " Hebrew: ", " Julian: "};
    int last_y = -1;
    for (int i = 0; i < 5; ++i) {
        QGroupBox* box = child<QGroupBox>(panels[i]);
        EXPECT_EQ(box->title(), QString::fromLatin1(titles[i]));
        EXPECT_GT(box->y(), last_y) << panels[i];
        last_y = box->y();
    }
    const struct {
        const char* name;
        int min, max, initial_or_minus_one;
        const char* hint;
    } fields[] = {
        {"GDay", 1, 31, -1, ""},
        {"GMonth", 1, 12, -1, ""},
        {"GYear", 999, 2399, -1, "between 999 and 2399"},
        {"IDay", 1, 30, -1, ""},
        {"IMonth", 1, 12, -1, ""},
        {"IYear", 389, 1833, -1, "between 389 and 1833"},
        {"CDay", 1, 30, -1, ""},
        {"CMonth", 1, 50, -1, ""},
        {"CYear", 1, 60, -1, "between 1 and 60"},
        {"CCycles", 61, 84, -1, "between 61 and 84"},
        {"JeDay", 1, 30, -1, ""},
        {"JeMonth", 1, 13, -1, ""},
        {"JeYear", 4759, 6160, -1, "between 4759 and 6160"},
    };
    for (const auto& f : fields) {
        TSpinEdit* s = spin(f.name);
        EXPECT_EQ(s->minimum(), f.min) << f.name;
        EXPECT_EQ(s->maximum(), f.max) << f.name;
        EXPECT_EQ(s->toolTip(), QString::fromLatin1(f.hint)) << f.name;
    }
    EXPECT_EQ(combo("IsMonthName")->count(), 12);
    EXPECT_EQ(combo("IsMonthName")->itemText(10), QStringLiteral("Dhu al-Q'adah"));
    EXPECT_EQ(combo("JeMonthName")->count(), 13);
    EXPECT_EQ(combo("JeMonthName")->itemText(12), QStringLiteral("Adar 2"));
    EXPECT_EQ(combo("CStem")->count(), 10);
    EXPECT_EQ(combo("CZodiac")->count(), 12);
    EXPECT_EQ(combo("CZodiac")->itemText(9), QStringLiteral("Chicken"));
    EXPECT_EQ(child<QCheckBox>("CLeapMonth")->text(), QStringLiteral("Is a leap month ?"));
    EXPECT_TRUE(child<QLineEdit>("JuDay")->isReadOnly());
    EXPECT_EQ(child<QLineEdit>("JuDay")->toolTip(),
              QStringLiteral("number of day elapsed since January 1st, 4712 b.c."));
    EXPECT_EQ(child<QPushButton>("JeConvert")->toolTip(), QStringLiteral("Convert this Hebrew date"));
}

// The year fields admit exactly the years the use cases and almadex-cli accept (the ranges stand in the
// window's layout and in the almanac: they must not drift apart).
TEST_F(MainForm, YearFieldsAdmitTheYearsOfTheUseCases) {
    const struct {
        const char* field;
        almanac::TYearRange years;
    } cases[] = {{"GYear", almanac::gregorian_years},
                 {"IYear", almanac::islamic_years},
                 {"JeYear", almanac::hebrew_years}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.field);
        EXPECT_EQ(spin(c.field)->minimum(), c.years.first);
        EXPECT_EQ(spin(c.field)->maximum(), c.years.last);
    }
}

TEST_F(MainForm, JulianDayUsesTheLocaleDecimalSeparatorWithoutGrouping) {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    TMainForm german(*core);
    german.ShowIntroFormTimer().stop();
    QLocale::setDefault(QLocale::c());
    EXPECT_EQ(german.findChild<QLineEdit*>(QStringLiteral("JuDay"))->text(),
              QStringLiteral("2460587,14583333"));
}

// --- conversions ---

TEST_F(MainForm, GregorianConversionFillsEveryOtherPanelForNoonOfTheDay) {
    set_panel("GDay", 23, "GMonth", 4, "GYear", 2024);
    main->GConvertClick();
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(hebrew(), QStringLiteral("15/1/5784")); // Pesach 5784
    EXPECT_EQ(combo("JeMonthName")->currentText(), QStringLiteral("Nisan"));
    EXPECT_EQ(julian(), QStringLiteral("2460424"));
    EXPECT_DOUBLE_EQ(main->FDate(), from_qdate(QDate(2024, 4, 23)) + 0.5);

    set_panel("GDay", 3, "GMonth", 10, "GYear", 2024);
    child<QPushButton>("GConvert")->click();
    EXPECT_EQ(hebrew(), QStringLiteral("1/7/5785"));
    EXPECT_EQ(combo("JeMonthName")->currentText(), QStringLiteral("Tishri"));
    EXPECT_EQ(julian(), QStringLiteral("2460587"));
    EXPECT_EQ(chinese(), QStringLiteral("1/9/41 cycle 78"));
    EXPECT_EQ(gregorian(), QStringLiteral("3/10/2024"));
    // The conversion set "/" and month first; the Islamic step left day first.
    EXPECT_EQ(core->date_format().ShortDateFormat, QStringLiteral("dd/mm/yyyy"));
    EXPECT_EQ(core->date_format().DateSeparator, QChar(u'/'));
}

TEST_F(MainForm, DaysBeforeTheEpochShowNoonOfTheSameDayInEveryPanel) {
    const struct {
        int d, m, y;
        const char* jd;
    } cases[] = {{1, 3, 1500, "2268993"},   {29, 2, 1500, "2268992"},  {4, 10, 1582, "2299160"},
                 {15, 10, 1582, "2299161"}, {29, 12, 1899, "2415018"}, {31, 12, 999, "2086307"}};
    for (const auto& c : cases) {
        set_panel("GDay", c.d, "GMonth", c.m, "GYear", c.y);
        main->GConvertClick();
        // Dates of the civil calendar: Julian up to 4 October 1582.
        const double day = almanac::noon_of_civil_date(c.y, c.m, c.d) - 0.5;
        EXPECT_DOUBLE_EQ(main->FDate(), day + 0.5) << c.y;
        EXPECT_EQ(julian(), QString::fromLatin1(c.jd)) << c.y;
        // The Hebrew panel names that very day.
        const auto y = static_cast<std::uint16_t>(spin("JeYear")->value());
        const auto m = static_cast<std::uint16_t>(spin("JeMonth")->value());
        const auto d = static_cast<std::uint16_t>(spin("JeDay")->value());
        EXPECT_DOUBLE_EQ(astro::hebrew_to_date(y, m, d), day) << c.y;
        // And so does the Chinese panel.
        main->CConvertClick();
        EXPECT_EQ(gregorian(), QStringLiteral("%1/%2/%3").arg(c.d).arg(c.m).arg(c.y)) << c.y;
    }
    EXPECT_TRUE(messages.empty());
}

TEST_F(MainForm, InvalidGregorianDatesGiveTheMessageAndTodayElsewhere) {
    const struct {
        int d, m, y;
    } invalid[] = {{30, 2, 2024}, {29, 2, 2023},  {29, 2, 1900}, {29, 2, 1700},
                   {5, 10, 1582}, {14, 10, 1582}, {31, 4, 2024}, {31, 11, 999}};
    for (const auto& c : invalid) {
        messages.clear();
        set_panel("GDay", c.d, "GMonth", c.m, "GYear", c.y);
        main->GConvertClick();
        ASSERT_EQ(messages.size(), 1u) << c.d << "/" << c.m << "/" << c.y;
        EXPECT_EQ(messages[0].caption, QStringLiteral("Wrong date !"));
        EXPECT_EQ(messages[0].text,
                  QStringLiteral("Please, note that Gregorian date is invalid.\nPlease, check this out."));
        EXPECT_EQ(messages[0].icon, QMessageBox::Information);
        EXPECT_EQ(messages[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        // The fields stay as entered; the rest is today at noon.
        EXPECT_EQ(gregorian(), QStringLiteral("%1/%2/%3").arg(c.d).arg(c.m).arg(c.y));
        EXPECT_EQ(hebrew(), QStringLiteral("1/7/5785"));
        EXPECT_EQ(julian(), QStringLiteral("2460587"));
        EXPECT_DOUBLE_EQ(main->FDate(), from_qdate(kNow.date()) + 0.5);
    }
    // Leap days that exist (1500 and 1000 by the Julian rule), not a message.
    messages.clear();
    for (int y : {2000, 2024, 1600, 1500, 1000}) {
        set_panel("GDay", 29, "GMonth", 2, "GYear", y);
        main->GConvertClick();
    }
    EXPECT_TRUE(messages.empty());
}

TEST_F(MainForm, HebrewConversionAndItsMessage) {
    set_panel("JeDay", 15, "JeMonth", 1, "JeYear", 5784);
    main->JeConvertClick();
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(gregorian(), QStringLiteral("23/4/2024"));
    EXPECT_EQ(julian(), QStringLiteral("2460424"));

    // Adar 2 in 5785, a common year.
    set_panel("JeDay", 1, "JeMonth", 13, "JeYear", 5785);
    main->JeConvertClick();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].caption, QStringLiteral("Wrong date !"));
    EXPECT_EQ(messages[0].text,
              QStringLiteral("Please, note this Hebrew date is invalid.\nPlease, check this out."));
    EXPECT_EQ(gregorian(), QStringLiteral("3/10/2024")); // today
    EXPECT_EQ(julian(), QStringLiteral("2460587"));
    EXPECT_EQ(combo("JeMonthName")->currentText(), QStringLiteral("Adar 2"));

    // Adar 2 of 5784, a leap year, exists.
    messages.clear();
    set_panel("JeDay", 1, "JeMonth", 13, "JeYear", 5784);
    main->JeConvertClick();
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(gregorian(), QStringLiteral("11/3/2024"));
}

// The first days of the Gregorian range lie in Hebrew year 4759, which the field shows as it is.
TEST_F(MainForm, TheFirstDaysOfTheRangeAreInHebrewYear4759BothWays) {
    struct Case {
        int day, month, year;
        const char* hebrew;
    };
    // The panel reads its dates in the civil calendar, Julian in 999: 1 Tishri 4760 is 14 September.
    const Case cases[] = {{1, 1, 999, "10/10/4759"}, {13, 9, 999, "29/6/4759"}, {14, 9, 999, "1/7/4760"}};
    for (const Case& c : cases) {
        set_panel("GDay", c.day, "GMonth", c.month, "GYear", c.year);
        main->GConvertClick();
        EXPECT_EQ(hebrew(), QString::fromLatin1(c.hebrew)) << c.day << "/" << c.month;
        main->JeConvertClick();
        EXPECT_EQ(gregorian(), QStringLiteral("%1/%2/%3").arg(c.day).arg(c.month).arg(c.year));
    }
    EXPECT_TRUE(messages.empty());
}

TEST_F(MainForm, IslamicConversionAndItsMessageThatChangesNothingElse) {
    set_panel("GDay", 23, "GMonth", 4, "GYear", 2024);
    main->GConvertClick();
    const QString g = gregorian(), h = hebrew(), j = julian(), c = chinese();

    set_panel("IDay", 30, "IMonth", 3, "IYear", 1446); // the Moon's Rabi'a I 1446 had 29 days
    main->IConvertClick();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].caption, QStringLiteral("Wrong date !"));
    EXPECT_EQ(messages[0].text,
              QStringLiteral("Please, note this Islamic date is invalid.\nPlease, check this out."));
    EXPECT_EQ(gregorian(), g);
    EXPECT_EQ(hebrew(), h);
    EXPECT_EQ(julian(), j);
    EXPECT_EQ(chinese(), c);
    EXPECT_EQ(islamic(), QStringLiteral("30/3/1446"));
    EXPECT_EQ(combo("IsMonthName")->currentText(), QStringLiteral("Rabi'a I"));
    EXPECT_DOUBLE_EQ(main->FDate(), from_qdatetime(kNow)); // the current moment, not noon
    EXPECT_EQ(core->date_format().ShortDateFormat, QStringLiteral("dd/mm/yyyy"));
}

TEST_F(MainForm, IslamicDatesBeyondTheGregorianRangeShowTheFieldsBound) {
    set_panel("IDay", 29, "IMonth", 12, "IYear", 1833);
    main->IConvertClick();
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(spin("GYear")->value(), 2399); // the day lies in 2400
    EXPECT_GT(main->FDate(), from_qdate(QDate(2400, 1, 1)));
}

TEST_F(MainForm, ChineseConversionAndItsMessage) {
    spin("CDay")->setValue(1);
    spin("CMonth")->setValue(1);
    spin("CYear")->setValue(41);
    spin("CCycles")->setValue(78);
    combo("CZodiac")->setCurrentIndex(0);
    main->CConvertClick();
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(gregorian(), QStringLiteral("10/2/2024")); // the Chinese New Year of 2024
    EXPECT_EQ(combo("CZodiac")->currentText(), QStringLiteral("Dragon"));
    EXPECT_EQ(combo("CStem")->currentText(), QStringLiteral("Jia"));

    // Month 13 of year 40 (a Gui Rabbit year): the panel shows today like the others, with today's stem
    // and animal, never year 40 beside the signs of another year.
    spin("CMonth")->setValue(13);
    spin("CYear")->setValue(40);
    main->CConvertClick();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text,
              QStringLiteral("Please, note this Chinese date is invalid.\nPlease, check this out."));
    EXPECT_EQ(messages[0].caption, QStringLiteral("Wrong date !"));
    EXPECT_EQ(chinese(), QStringLiteral("1/9/41 cycle 78")); // today
    EXPECT_EQ(combo("CStem")->currentText(), QStringLiteral("Jia"));
    EXPECT_EQ(combo("CZodiac")->currentText(), QStringLiteral("Dragon"));
    EXPECT_EQ(gregorian(), QStringLiteral("3/10/2024")); // today
    EXPECT_EQ(hebrew(), QStringLiteral("1/7/5785"));

    // A leap flag on a month of a year without a leap month.
    messages.clear();
    spin("CMonth")->setValue(5);
    child<QCheckBox>("CLeapMonth")->setChecked(true);
    main->CConvertClick();
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_FALSE(child<QCheckBox>("CLeapMonth")->isChecked()); // taken from today
}

// --- the Islamic calendar followed ---

TEST_F(MainForm, TheIslamicCalendarChosenShowsItsDateAndSaysSoInTheCaption) {
    const struct {
        const char* calendar; // Options > Islamic calendar
        const char* adjust;   // Options > Islamic date adjustment
        int d, m, y;          // Gregorian
        const char* islamic;
        const char* month_name;
        const char* title;
    } cases[] = {
        // The Moon's months: the day whose rounded age is 0 ends Ramadan (it showed as day 1, the field's
        // lower bound), and a year's first days are its Muharram (it showed as month 0, no name).
        {"islamic_calendar_moon", "hijri_adjust_0", 29, 3, 2025, "30/9/1446", "Ramadan", " Islamic: "},
        {"islamic_calendar_moon", "hijri_adjust_0", 6, 7, 2024, "1/1/1446", "Muharram", " Islamic: "},
        {"islamic_calendar_moon", "hijri_adjust_minus_1", 30, 3, 2025, "30/9/1446", "Ramadan",
         " Islamic (-1 day): "},
        {"islamic_calendar_umm_al_qura", "hijri_adjust_0", 30, 3, 2025, "1/10/1446", "Shawwal",
         " Islamic (Umm al-Qura): "},
        {"islamic_calendar_civil", "hijri_adjust_0", 30, 3, 2025, "30/9/1446", "Ramadan",
         " Islamic (civil): "},
        {"islamic_calendar_civil", "hijri_adjust_1", 30, 3, 2025, "1/10/1446", "Shawwal",
         " Islamic (civil, +1 day): "},
        {"islamic_calendar_umm_al_qura", "hijri_adjust_minus_2", 15, 6, 1834, "5/2/1250", "Safar",
         " Islamic (Umm al-Qura off its table, -2 days): "},
    };
    for (const auto& c : cases) {
        action(c.calendar)->trigger();
        action(c.adjust)->trigger();
        set_panel("GDay", c.d, "GMonth", c.m, "GYear", c.y);
        main->GConvertClick();
        EXPECT_EQ(islamic(), QString::fromLatin1(c.islamic)) << c.title;
        EXPECT_EQ(combo("IsMonthName")->currentText(), QString::fromLatin1(c.month_name)) << c.title;
        QGroupBox* box = child<QGroupBox>("IslamicGroupBox");
        EXPECT_EQ(box->title(), QString::fromLatin1(c.title));
        // The caption fits the panel; beyond the table the hint says what ICU computes (for 1250 AH, the
        // civil calendar: 15 June 1834 is 7 Safar, 5 Safar two days earlier).
        EXPECT_LT(box->fontMetrics().horizontalAdvance(box->title()), box->width() - 8) << c.title;
        EXPECT_EQ(box->toolTip().contains(QStringLiteral("1300 to 1600 AH")), c.y == 1834) << c.title;
        EXPECT_TRUE(action(c.calendar)->isChecked());
        EXPECT_TRUE(action(c.adjust)->isChecked());
    }
    EXPECT_TRUE(messages.empty());
}

TEST_F(MainForm, ChoosingACalendarShowsTheSameDayInItAtOnce) {
    set_panel("GDay", 30, "GMonth", 3, "GYear", 2025);
    main->GConvertClick();
    EXPECT_EQ(islamic(), QStringLiteral("1/10/1446")); // the Moon's Shawwal began that day
    const double day = main->FDate();
    action("islamic_calendar_civil")->trigger();
    EXPECT_EQ(islamic(), QStringLiteral("30/9/1446"));
    action("hijri_adjust_2")->trigger();
    EXPECT_EQ(islamic(), QStringLiteral("2/10/1446"));
    EXPECT_EQ(main->FDate(), day);
    EXPECT_EQ(gregorian(), QStringLiteral("30/3/2025"));
    EXPECT_EQ(core->islamic_choice(), (almanac::TIslamicChoice{almanac::TIslamicCalendar::civil, 2}));
}

TEST_F(MainForm, TheFeastsAndTheIslamicPanelFollowTheCalendarChosen) {
    const struct {
        const char* calendar;
        const char* adjust;
        const char* feast;
        const char* gregorian;
    } cases[] = {
        {"islamic_calendar_moon", "hijri_adjust_0", "FillMuslimRamadan", "28/2/2025"},
        {"islamic_calendar_umm_al_qura", "hijri_adjust_0", "FillMuslimRamadan", "1/3/2025"},
        {"islamic_calendar_umm_al_qura", "hijri_adjust_0", "FillMuslimLittleAid", "30/3/2025"},
        {"islamic_calendar_civil", "hijri_adjust_0", "FillMuslimLittleAid", "31/3/2025"},
        {"islamic_calendar_civil", "hijri_adjust_minus_1", "FillMuslimLittleAid", "1/4/2025"},
        {"islamic_calendar_umm_al_qura", "hijri_adjust_2", "FillMuslimBigAid", "4/6/2025"},
    };
    for (const auto& c : cases) {
        action(c.calendar)->trigger();
        action(c.adjust)->trigger();
        spin("IYear")->setValue(1446);
        action(c.feast)->trigger();
        EXPECT_EQ(gregorian(), QString::fromLatin1(c.gregorian))
            << c.calendar << " " << c.adjust << " " << c.feast;
    }
    EXPECT_TRUE(messages.empty());

    // 30 Ramadan 1446 is no date of Umm al-Qura (that Ramadan had 29 days); the Moon's Ramadan had 30.
    action("hijri_adjust_0")->trigger();
    set_panel("IDay", 30, "IMonth", 9, "IYear", 1446);
    main->IConvertClick();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text,
              QStringLiteral("Please, note this Islamic date is invalid.\nPlease, check this out."));
    action("islamic_calendar_moon")->trigger();
    set_panel("IDay", 30, "IMonth", 9, "IYear", 1446);
    main->IConvertClick();
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_EQ(gregorian(), QStringLiteral("29/3/2025"));
    EXPECT_EQ(islamic(), QStringLiteral("30/9/1446"));
}

// --- month names, buttons ---

TEST_F(MainForm, MonthNameListsFollowTheMonthFieldsBothWays) {
    QComboBox* je = combo("JeMonthName");
    je->setCurrentIndex(12);
    EXPECT_EQ(spin("JeMonth")->value(), 13);
    spin("JeMonth")->setValue(7);
    EXPECT_EQ(je->currentText(), QStringLiteral("Tishri"));
    je->setCurrentIndex(-1); // no selection writes 0, which the field reads as 1
    EXPECT_EQ(spin("JeMonth")->value(), 1);
    spin("JeMonth")->setValue(40);
    EXPECT_EQ(je->currentText(), QStringLiteral("Adar 2"));

    QComboBox* is = combo("IsMonthName");
    is->setCurrentIndex(8);
    EXPECT_EQ(spin("IMonth")->value(), 9);
    spin("IMonth")->setValue(12);
    EXPECT_EQ(is->currentText(), QStringLiteral("Dhu al-Hijjah"));
    spin("IMonth")->setValue(3);
    EXPECT_EQ(is->currentText(), QStringLiteral("Rabi'a I"));
}

TEST_F(MainForm, MovingTheMouseOverAPanelEnablesOnlyItsButton) {
    const struct {
        const char* panel;
        const char* button;
    } cases[] = {{"ChinesePanel", "CConvert"},
                 {"GregorianPanel", "GConvert"},
                 {"IslamicGroupBox", "IConvert"},
                 {"JewishPanel", "JeConvert"}};
    for (const auto& c : cases) {
        move_mouse_over(c.panel);
        for (const char* b : {"GConvert", "IConvert", "CConvert", "JeConvert"})
            EXPECT_EQ(enabled(b), std::string(b) == c.button) << c.panel << " " << b;
    }
    // The Julian panel changes nothing.
    move_mouse_over("JulianPanel");
    EXPECT_TRUE(enabled("JeConvert"));
}

TEST_F(MainForm, CurrentDateWritesTodayAndConverts) {
    set_panel("GDay", 1, "GMonth", 1, "GYear", 1999);
    move_mouse_over("ChinesePanel"); // the command converts whatever button is enabled
    action("CurrentDate")->trigger();
    EXPECT_EQ(gregorian(), QStringLiteral("3/10/2024"));
    EXPECT_EQ(julian(), QStringLiteral("2460587"));
    EXPECT_EQ(hebrew(), QStringLiteral("1/7/5785"));
    EXPECT_TRUE(messages.empty());
}

// --- feasts ---

TEST_F(MainForm, ChristianFeastsOfTheGregorianYear) {
    const struct {
        const char* action;
        int year;
        const char* gregorian;
    } cases[] = {
        {"FillEaster", 2024, "31/3/2024"}, {"PalmSunday", 2024, "24/3/2024"},
        {"Whitsun", 2024, "19/5/2024"},    {"FillEaster", 1500, "19/4/1500"},
        {"FillGnuYear", 2024, "1/1/2024"}, {"AllSaintsDay", 2024, "1/11/2024"},
        {"FillXmas", 999, "25/12/999"},    {"FillEaster", 2399, "28/3/2399"},
        {"PalmSunday", 1583, "3/4/1583"},
    };
    for (const auto& c : cases) {
        spin("GYear")->setValue(c.year);
        move_mouse_over("JewishPanel");
        action(c.action)->trigger();
        EXPECT_EQ(gregorian(), QString::fromLatin1(c.gregorian)) << c.action << " " << c.year;
        EXPECT_DOUBLE_EQ(main->FDate(), std::floor(main->FDate()) + 0.5);
    }
    EXPECT_TRUE(messages.empty());
}

TEST_F(MainForm, JewishFeastsOfTheHebrewYear) {
    spin("JeYear")->setValue(5784);
    combo("JeMonthName")->setCurrentIndex(5);
    action("FillPesach")->trigger();
    EXPECT_EQ(hebrew(), QStringLiteral("15/1/5784"));
    EXPECT_EQ(combo("JeMonthName")->currentText(), QStringLiteral("Nisan"));
    EXPECT_EQ(gregorian(), QStringLiteral("23/4/2024"));

    spin("JeYear")->setValue(5785);
    action("FillJeNuYear")->trigger();
    EXPECT_EQ(hebrew(), QStringLiteral("1/7/5785"));
    EXPECT_EQ(combo("JeMonthName")->currentText(), QStringLiteral("Tishri"));
    EXPECT_EQ(gregorian(), QStringLiteral("3/10/2024"));
    EXPECT_TRUE(messages.empty());
}

TEST_F(MainForm, MuslimFeastsOfTheIslamicYear) {
    const struct {
        const char* action;
        const char* islamic;
        const char* month_name;
        const char* gregorian; // empty: not checked
    } cases[] = {
        {"FillMuslimRamadan", "1/9/1446", "Ramadan", "28/2/2025"},
        {"FillMuslimLittleAid", "1/10/1446", "Shawwal", "30/3/2025"},
        {"FillMuslimBigAid", "10/12/1446", "Dhu al-Hijjah", "6/6/2025"},
        {"FillMuslimNuYear", "1/1/1446", "Muharram", ""},
        {"FillMuslimAchoura", "10/1/1446", "Muharram", ""},
        {"FillMuslimMaoulid", "12/3/1446", "Rabi'a I", ""},
    };
    for (const auto& c : cases) {
        spin("IYear")->setValue(1446);
        action(c.action)->trigger();
        EXPECT_EQ(islamic(), QString::fromLatin1(c.islamic)) << c.action;
        EXPECT_EQ(combo("IsMonthName")->currentText(), QString::fromLatin1(c.month_name)) << c.action;
        if (*c.gregorian) {
            EXPECT_EQ(gregorian(), QString::fromLatin1(c.gregorian)) << c.action;
        }
    }
    EXPECT_TRUE(messages.empty());
}

TEST_F(MainForm, FeastActionsCarryTheirCaptionsShortcutsHintsAndCategory) {
    const struct {
        const char* name;
        const char* caption;
        const char* shortcut;
        const char* hint;
    } cases[] = {
        {"FillGnuYear", "New &Year", "", "Christian New Year"},
        {"FillEaster", "&Easter date", "Ctrl+E", "Easter date"},
        {"PalmSunday", "Palm Sunday", "", "Palm Sunday"},
        {"Whitsun", "Whitsun", "", "Whitsun"},
        {"AllSaintsDay", "All Saints' Day", "", "All Saints' Day"},
        {"FillXmas", "Christ&mas", "Ctrl+M", "Xmas"},
        {"FillMuslimNuYear", "Muslims' New Year", "", ""},
        {"FillMuslimAchoura", "Achoura", "Ctrl+H", ""},
        {"FillMuslimRamadan", "Fasting month", "Ctrl+F", ""},
        {"FillMuslimLittleAid", "Minor fair", "Ctrl+L", ""},
        {"FillMuslimBigAid", "Major fair", "Ctrl+B", ""},
        {"FillMuslimMaoulid", "El Maoulid", "Ctrl+U", ""},
        {"FillJeNuYear", "Ne&w Year", "Ctrl+W", "Jewish New Year"},
        {"FillPesach", "&Pesach date", "Ctrl+P", "Pesach date"},
    };
    for (const auto& c : cases) {
        QAction* a = action(c.name);
        EXPECT_EQ(a->text(), QString::fromLatin1(c.caption)) << c.name;
        EXPECT_EQ(a->shortcut(), QKeySequence(QString::fromLatin1(c.shortcut))) << c.name;
        if (*c.hint) {
            EXPECT_EQ(a->toolTip(), QString::fromLatin1(c.hint)) << c.name;
            EXPECT_EQ(a->statusTip(), QString::fromLatin1(c.hint)) << c.name;
        }
        EXPECT_EQ(a->property("category").toString(), QStringLiteral("Dates")) << c.name;
        EXPECT_TRUE(a->isEnabled()) << c.name;
    }
}

TEST_F(MainForm, ShortcutsRunTheirCommands) {
    main->show();
    main->activateWindow();
    if (!QTest::qWaitForWindowActive(main)) GTEST_SKIP() << "no active window on this platform";
    child<QPushButton>("GConvert")->setFocus();
    spin("GYear")->setValue(2024);
    QTest::keyClick(main, Qt::Key_E, Qt::ControlModifier);
    EXPECT_EQ(gregorian(), QStringLiteral("31/3/2024"));
    spin("JeYear")->setValue(5784);
    QTest::keyClick(main, Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(gregorian(), QStringLiteral("23/4/2024"));
    spin("IYear")->setValue(1446);
    QTest::keyClick(main, Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(gregorian(), QStringLiteral("28/2/2025"));
}

// --- menus and toolbar ---

QStringList entries(const QList<QAction*>& actions) {
    QStringList out;
    for (QAction* a : actions) out << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return out;
}

TEST_F(MainForm, MenusHoldTheirCommandsInOrder) {
    const QList<QAction*> bar = main->menuBar()->actions();
    EXPECT_EQ(entries(bar),
              (QStringList{QStringLiteral("&File"), QStringLiteral("&Edit"), QStringLiteral("&Fill in..."),
                           QStringLiteral("&Tools"), QStringLiteral("Options"), QStringLiteral("&Help")}));
    const auto menu = [&](int i) { return entries(bar[i]->menu()->actions()); };
    EXPECT_EQ(menu(0).join(u'|'), QStringLiteral("&Print calendars...|P&rint Setup...|-|E&xit"));
    EXPECT_EQ(menu(1).join(u'|'), QStringLiteral("Cu&t|&Copy|&Paste|-|Cop&y all calendars"));
    EXPECT_EQ(menu(2).join(u'|'),
              QStringLiteral("Current &date|-|&Gregorian calendar|Islamic calendar|&Hebrew calendar"));
    EXPECT_EQ(menu(3).join(u'|'),
              QStringLiteral("Cale&ndar...|Moon/Seasons...|Muslim Prayer|In between dates|Dates Repository"));
    EXPECT_EQ(menu(4).join(u'|'), QStringLiteral("Auto Run|Keep running in the &tray|-|&Islamic calendar|"
                                                 "Islamic date &adjustment|&Language"));
    const QList<QAction*> options = bar[4]->menu()->actions();
    EXPECT_EQ(entries(options[3]->menu()->actions()).join(u'|'),
              QStringLiteral("By the Moon|Umm al-Qura|Civil (tabular)"));
    EXPECT_EQ(entries(options[4]->menu()->actions()).join(u'|'),
              QStringLiteral("-2 days|-1 day|None|+1 day|+2 days"));
    EXPECT_EQ(menu(5).join(u'|'), QStringLiteral("Con&tents...|Tips...|&About...|Almadex &home page..."));
    const QList<QAction*> fill = bar[2]->menu()->actions();
    EXPECT_EQ(entries(fill[2]->menu()->actions()).join(u'|'),
              QStringLiteral("New &Year|&Easter date|Palm Sunday|Whitsun|All Saints' Day|Christ&mas"));
    EXPECT_EQ(entries(fill[3]->menu()->actions()).join(u'|'),
              QStringLiteral("Muslims' New Year|Achoura|Fasting month|Minor fair|Major fair|El Maoulid"));
    EXPECT_EQ(entries(fill[4]->menu()->actions()).join(u'|'), QStringLiteral("Ne&w Year|&Pesach date"));

    const struct {
        const char* name;
        const char* shortcut;
    } keys[] = {{"CurrentDate", "Ctrl+D"},
                {"ExitApp", "Ctrl+Alt+X"},
                {"HelpContent", "F1"},
                {"CopyAll", "Ctrl+Y"},
                {"ToolCalendar", "Ctrl+N"},
                {"ToolMoon", "Ctrl+O"},
                {"Cut1", "Ctrl+X"},
                {"Copy1", "Ctrl+C"},
                {"Paste1", "Ctrl+V"},
                {"ToolMuslimPrayerAction", "Ctrl+Alt+P"},
                {"ToolInBetweenAction", "Ctrl+Alt+B"},
                {"ToolRepositoryAction", "Ctrl+Alt+R"}};
    for (const auto& k : keys)
        EXPECT_EQ(action(k.name)->shortcut(), QKeySequence(QString::fromLatin1(k.shortcut))) << k.name;
    EXPECT_EQ(action("ExitApp")->toolTip(), QStringLiteral("Exit Almadex"));
    EXPECT_EQ(action("CurrentDate")->toolTip(), QStringLiteral("Current date"));
    EXPECT_TRUE(action("AutoRunAction")->isCheckable());
}

TEST_F(MainForm, ToolbarHoldsItsButtonsLeftToRight) {
    QToolBar* bar = child<QToolBar>("ToolBar");
    QStringList names;
    for (QAction* a : bar->actions()) names << (a->isSeparator() ? QStringLiteral("-") : a->objectName());
    EXPECT_EQ(names.join(u' '),
              QStringLiteral("CopyAll - CurrentDate - FillGnuYear FillEaster PalmSunday Whitsun "
                             "FillXmas - FillPesach FillJeNuYear - CalBtn AstroBtn"));
    EXPECT_TRUE(main->CalBtn()->isCheckable());
    EXPECT_TRUE(main->AstroBtn()->isCheckable());
    EXPECT_EQ(main->CalBtn()->toolTip(), QStringLiteral("View/Hide the calendar"));
    EXPECT_EQ(main->AstroBtn()->toolTip(), QStringLiteral("Moon/Seasons info"));
    for (QAction* a : bar->actions())
        if (!a->isSeparator()) {
            EXPECT_FALSE(a->icon().isNull()) << a->objectName().toStdString();
        }
}

// --- help, home page, tips ---

TEST_F(MainForm, HelpOpensTheCompiledHelpBesideTheProgramElseTheHtmlPage) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    core->set_program_folder(dir.path());
    std::vector<QUrl> opened;
    core->seams().open_url = [&](const QUrl& url) {
        opened.push_back(url);
        return true;
    };

    action("HelpContent")->trigger(); // neither file: a message, nothing opened
    EXPECT_TRUE(opened.empty());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].text.contains(QStringLiteral("index.html")));

    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("help")));
    QFile html(dir.filePath(QStringLiteral("help/index.html")));
    ASSERT_TRUE(html.open(QIODevice::WriteOnly));
    html.close();
    action("HelpContent")->trigger();
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], QUrl::fromLocalFile(dir.filePath(QStringLiteral("help/index.html"))));

    QFile chm(dir.filePath(QStringLiteral("help.chm")));
    ASSERT_TRUE(chm.open(QIODevice::WriteOnly));
    chm.close();
    action("HelpContent")->trigger();
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_EQ(opened[1], QUrl::fromLocalFile(dir.filePath(QStringLiteral("help.chm"))));

    // The program's home is its guide: no address on the web.
    action("Almadexhomepage1")->trigger();
    ASSERT_EQ(opened.size(), 3u);
    EXPECT_EQ(opened[2], QUrl::fromLocalFile(dir.filePath(QStringLiteral("help/index.html"))));
}

// A desktop with no program to open the guide or a web address: the message names the file or the address.
TEST_F(MainForm, HelpAndHomePageThatTheDesktopCannotOpenAreNamedInAMessage) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("help")));
    QFile html(dir.filePath(QStringLiteral("help/index.html")));
    ASSERT_TRUE(html.open(QIODevice::WriteOnly));
    html.close();
    core->set_program_folder(dir.path());
    core->seams().open_url = [](const QUrl&) { return false; };
    struct Case {
        const char* action;
        QString named;
    };
    const Case cases[] = {
        {"HelpContent", QDir::toNativeSeparators(dir.filePath(QStringLiteral("help/index.html")))},
        {"Almadexhomepage1", QDir::toNativeSeparators(dir.filePath(QStringLiteral("help/index.html")))},
    };
    for (const Case& c : cases) {
        messages.clear();
        action(c.action)->trigger();
        ASSERT_EQ(messages.size(), 1u) << c.action;
        EXPECT_TRUE(messages[0].text.contains(c.named)) << messages[0].text.toStdString();
        EXPECT_TRUE(messages[0].text.contains(QStringLiteral("cannot be opened"))) << c.action;
    }
}

// The about window's links, on the same desktop: the message names the address.
TEST_F(MainForm, AboutLinksThatTheDesktopCannotOpenAreNamedInAMessage) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("help")));
    almadex::testing::write_all(dir.filePath(QStringLiteral("help/index.html")), QByteArray());
    core->set_program_folder(dir.path());
    TInfoForm& info = core->info_form();
    core->seams().open_url = [](const QUrl&) { return false; };
    TURLLabel* link = almadex::testing::find_child<TURLLabel>(&info, "URLLabel1");
    ASSERT_NE(link, nullptr);
    link->Click();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(
        messages[0].text.contains(QDir::toNativeSeparators(dir.filePath(QStringLiteral("help/index.html")))))
        << messages[0].text.toStdString();
    EXPECT_TRUE(messages[0].text.contains(QStringLiteral("cannot be opened")));
}

TEST_F(MainForm, AnInstalledProgramFindsItsHelpInTheSharedDataFolder) {
    QTemporaryDir prefix;
    ASSERT_TRUE(QDir(prefix.path()).mkpath(QStringLiteral("bin")));
    ASSERT_TRUE(QDir(prefix.path()).mkpath(QStringLiteral("share/almadex/help")));
    QFile html(prefix.filePath(QStringLiteral("share/almadex/help/index.html")));
    ASSERT_TRUE(html.open(QIODevice::WriteOnly));
    html.close();
    core->set_program_folder(prefix.filePath(QStringLiteral("bin")));
    std::vector<QUrl> opened;
    core->seams().open_url = [&](const QUrl& url) {
        opened.push_back(url);
        return true;
    };
    action("HelpContent")->trigger();
    action("Almadexhomepage1")->trigger();
    core->info_form().findChild<TURLLabel*>(QStringLiteral("URLLabel1"))->Click(); // the about window's link
    ASSERT_EQ(opened.size(), 3u);
    for (const QUrl& url : opened)
        EXPECT_EQ(url, QUrl::fromLocalFile(prefix.filePath(QStringLiteral("share/almadex/help/index.html"))));
    EXPECT_TRUE(messages.empty());
}

TEST_F(MainForm, TheShippedHelpPageLiesBesideTheProgram) {
    // The build copies resources/help beside the program; the test binaries live in a sibling folder.
    const QString page = QCoreApplication::applicationDirPath() + QStringLiteral("/../app/help/index.html");
    if (!QFile::exists(page)) GTEST_SKIP() << "the program is not built in this tree";
    QFile f(page);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(f.readAll());
    EXPECT_TRUE(text.contains(QStringLiteral("999 to 2399")));
    EXPECT_TRUE(text.contains(QStringLiteral("Pesach")));
}

// A tip that names a shortcut names one the converter's commands answer to.
TEST_F(MainForm, EveryShortcutTheTipsNameBelongsToACommand) {
    QStringList named;
    const QRegularExpression shortcut(QStringLiteral("Ctrl\\+[A-Z]"));
    for (const QString& tip : main->TipsDialog()->Tips()) {
        for (auto it = shortcut.globalMatch(tip); it.hasNext();) {
            const QKeySequence keys(it.next().captured());
            named << keys.toString();
            bool found = false;
            for (const QAction* a : main->findChildren<QAction*>())
                found = found || (a->isEnabled() && a->shortcuts().contains(keys));
            EXPECT_TRUE(found) << keys.toString().toStdString() << " in \"" << tip.toStdString() << '"';
        }
    }
    EXPECT_EQ(named.size(), 5); // E, P, O, N, Y
}

TEST_F(MainForm, TipsDialogIsConfiguredWithTheSixTips) {
    TTipDialog* tips = main->TipsDialog();
    ASSERT_NE(tips, nullptr);
    EXPECT_EQ(tips->Caption(), QStringLiteral("Tip of the Day"));
    EXPECT_EQ(tips->Header(), QStringLiteral("Did you know..."));
    EXPECT_EQ(tips->CloseButton(), QStringLiteral("&Close"));
    EXPECT_EQ(tips->NextButton(), QStringLiteral("&Next"));
    EXPECT_EQ(tips->StartupCaption(), QStringLiteral("&Show tips at startup"));
    EXPECT_TRUE(tips->StartupState());
    EXPECT_EQ(tips->Tips().size(), 6);
    EXPECT_EQ(tips->Image().size(), QSize(32, 32));

    bool shown = false;
    QTimer::singleShot(0, [&] {
        shown = tips->Form().isVisible();
        tips->Form().accept();
    });
    action("AppTipShow")->trigger();
    EXPECT_TRUE(shown);
}

// Renders the window for the documentation: run with --gtest_also_run_disabled_tests and ALMADEX_SCREENSHOT
// set to the output file.
TEST_F(MainForm, DISABLED_Screenshot) {
    set_panel("GDay", 3, "GMonth", 10, "GYear", 2024);
    main->GConvertClick();
    main->show();
    main->GConvert()->setFocus();
    QCoreApplication::processEvents();
    const QString path = qEnvironmentVariable("ALMADEX_SCREENSHOT", QStringLiteral("main_window.png"));
    ASSERT_TRUE(main->grab().save(path));
}

} // namespace
