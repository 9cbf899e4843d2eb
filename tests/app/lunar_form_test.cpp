// The Moon and seasons window: its controls and hints, the update for the main window's day and a typed time
// (eclipse, blue moon, seasons and their formats), the wrong-date message, the picture's turns and the link
// with the main window's Moon/Seasons command and toolbar toggle.
#include "app/lunar_form.h"
#include "astro/moon_phases.h"
#include "controls/moon.h"
#include "controls/spin_edit.h"
#include "tests/support/app_test.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <cmath>

using namespace almadex;

namespace {

using almadex::testing::kNow;
constexpr QRgb black = 0xff000000u;
constexpr QRgb red = 0xffff0000u;

class LunarForm : public almadex::testing::AppTest {
protected:
    TLunarForm* form = nullptr;

    void SetUp() override {
        AppTest::SetUp();
        create_main();
        main->move(100, 50);
        form = &core->lunar_form();
    }

    QLineEdit* edit(const char* name) const {
        auto* w = form->findChild<QLineEdit*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QString text(const char* name) const { return edit(name)->text(); }
    QPushButton* button(const char* name) const {
        return form->findChild<QPushButton*>(QString::fromLatin1(name));
    }

    /// The main window's day and the time typed here, then "Update".
    void update(int year, int month, int day, const char* time) {
        main->GYear()->setValue(year);
        main->GMonth()->setValue(month);
        main->GDay()->setValue(day);
        QLineEdit* time_edit = edit("TimeEdit");
        time_edit->clear();
        time_edit->setCursorPosition(0);
        QTest::keyClicks(time_edit, QString::fromLatin1(time));
        QTest::mouseClick(button("SetBtn"), Qt::LeftButton);
    }
    void click_picture() { QTest::mouseClick(form->MoonPhaser(), Qt::LeftButton, {}, QPoint(30, 30)); }
};

// --- the window ---

TEST_F(LunarForm, SmallToolWindowRightOfTheMainWindowWithAColourPicture) {
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Moon/Seasons..."));
    EXPECT_EQ(form->height(), 401);
    EXPECT_GE(form->width(), 191); // wider where the default font needs it (see TextFit)
    EXPECT_EQ(form->minimumSize(), form->maximumSize());
    EXPECT_EQ(form->windowType(), Qt::Tool);
    EXPECT_FALSE(form->isVisible());
    main->show();
    main->move(140, 50); // showing places it against the main window where that window is now
    core->show_window(TWindow::lunar);
    EXPECT_EQ(form->pos(), QPoint(main->x() + main->frameGeometry().width(), main->y()));
    form->hide();
    QStringList groups;
    for (const QGroupBox* g : form->findChildren<QGroupBox*>()) groups << g->title();
    EXPECT_EQ(groups, QStringList({QStringLiteral("Time : "), QStringLiteral("Moon : "),
                                   QStringLiteral("Seasons : ")}));
    // The picture: a colour Moon of 64 pixels without the landing site.
    const TMoon* moon = form->MoonPhaser();
    ASSERT_EQ(moon, form->findChild<TMoon*>(QStringLiteral("MoonPhaser")));
    EXPECT_EQ(moon->MoonSize(), TMoon::ms64);
    EXPECT_EQ(moon->size(), QSize(64, 64));
    EXPECT_EQ(moon->Rotation(), TMoon::rot_none);
    EXPECT_FALSE(moon->ShowApollo11());
    EXPECT_EQ(moon->MoonStyle(), TMoon::msColor);
    EXPECT_EQ(moon->toolTip(), QStringLiteral("Moon phase viewer: click to change location"));
}

TEST_F(LunarForm, FieldsWithTheirLabelsOnTheLeftAndHints) {
    struct Case {
        const char* name;
        const char* label;
        const char* hint;
    };
    const Case cases[] = {
        {"PhaseEdit", "Phase", "percentage of the moon surface illuminated"},
        {"AgeMoonEdit", "Moon's age", "in days"},
        {"LunationEdit", "Lunation n\u00b0", "count of the new moons since January 1st, 1923"},
        {"DiameterEdit", "Diameter", "in angular seconds (1/3600 degrees)"},
        {"DistanceEdit", "Distance", "in kilometers"},
        {"EclipseEdit", "Next eclipse ", "date and time of the next lunar eclipse"},
        {"BlueMoonEdit", "Blue moon ", "the second full moon in one month"},
        {"WinterEdit", "Winter", "Starting dates"},
        {"SpringEdit", "Spring", "Starting dates"},
        {"SummerEdit", "Summer", "Starting dates"},
        {"AutomnEdit", "Autumn", "Starting dates"},
    };
    for (const auto& c : cases) {
        QLineEdit* e = edit(c.name);
        EXPECT_EQ(e->toolTip(), QString::fromUtf8(c.hint)) << c.name;
        EXPECT_TRUE(e->isReadOnly()) << c.name;
        const QLabel* label = nullptr;
        for (const QLabel* l : form->findChildren<QLabel*>())
            if (l->buddy() == e) label = l;
        ASSERT_NE(label, nullptr) << c.name;
        EXPECT_EQ(label->text(), QString::fromUtf8(c.label)) << c.name;
        EXPECT_EQ(label->parentWidget(), e->parentWidget()) << c.name;
        EXPECT_LT(label->geometry().right(), e->geometry().left()) << c.name;
    }
    EXPECT_EQ(edit("TimeEdit")->toolTip(), QStringLiteral("hh:mm"));
    EXPECT_EQ(button("NowBtn")->text(), QStringLiteral("Now"));
    EXPECT_EQ(button("NowBtn")->toolTip(), QStringLiteral("<<< Paste current time"));
    EXPECT_EQ(button("SetBtn")->text(), QStringLiteral("Update"));
    EXPECT_EQ(button("SetBtn")->toolTip(), QStringLiteral("Update astronomical data"));
    EXPECT_FALSE(button("NowBtn")->icon().isNull());
    EXPECT_FALSE(button("SetBtn")->icon().isNull());
}

// --- start and update ---

TEST_F(LunarForm, CreationPastesTheTimeAndUpdatesForThatMomentQuietly) {
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(form->TimeText(), QStringLiteral("15:30"));
    EXPECT_DOUBLE_EQ(form->MoonPhaser()->Date(), from_qdatetime(kNow));
    // 3 October 2024, the day after a new moon and an annular solar eclipse.
    EXPECT_EQ(text("LunationEdit"), QStringLiteral("1259"));
    EXPECT_EQ(text("EclipseEdit"), QStringLiteral("Mar 14 2025 07:00:39 (Total)"));
    for (const char* name : {"PhaseEdit", "AgeMoonEdit", "DiameterEdit", "DistanceEdit", "BlueMoonEdit",
                             "WinterEdit", "SpringEdit", "SummerEdit", "AutomnEdit"})
        EXPECT_FALSE(text(name).isEmpty()) << name;
    EXPECT_TRUE(text("SpringEdit").startsWith(QStringLiteral("Mar 20 2024 ")));
}

TEST_F(LunarForm, NowPastesTheCurrentTimeWithTwoDigitFields) {
    core->seams().clock = [] { return QDateTime(QDate(2024, 1, 2), QTime(7, 5, 59)); };
    edit("TimeEdit")->clear();
    QTest::mouseClick(button("NowBtn"), Qt::LeftButton);
    EXPECT_EQ(form->TimeText(), QStringLiteral("07:05"));
}

struct EclipseCase {
    int year, month, day;
    const char* time;
    const char* eclipse;
};

TEST_F(LunarForm, NextLunarEclipseWithItsKind) {
    const EclipseCase cases[] = {
        {2025, 3, 14, "00:00", "Mar 14 2025 07:00:39 (Total)"},
        {2025, 3, 14, "07:00", "Mar 14 2025 07:00:39 (Total)"},      // greatest eclipse still ahead
        {2024, 1, 1, "12:00", "Mar 25 2024 07:14:27 (Half Shadow)"}, // penumbral
        {2025, 3, 14, "07:01", "Sep 7 2025 18:13:08 (Total)"},       // passed: the next one
    };
    for (const auto& c : cases) {
        update(c.year, c.month, c.day, c.time);
        EXPECT_EQ(text("EclipseEdit"), QString::fromLatin1(c.eclipse));
    }
    EXPECT_TRUE(messages.empty());
}

TEST_F(LunarForm, BlueMoonAndSeasonsOfTheMainWindowsYear) {
    update(2018, 1, 1, "12:00");
    EXPECT_EQ(text("BlueMoonEdit"), QStringLiteral("Jan 31 2018 13:27")); // 13:27:46, cut to the minute
    // The seasons in the library's single time scale, about a minute after the civil (UT) instants; the
    // winter entry is the December solstice of the same year. Hours and minutes with two digits each.
    struct Case {
        int year;
        const char* winter;
        const char* spring;
        const char* summer;
        const char* autumn;
    };
    const Case cases[] = {
        {2025, "Dec 21 2025 15:04", "Mar 20 2025 09:02", "Jun 21 2025 02:43", "Sep 22 2025 18:20"},
        {2024, "Dec 21 2024 09:21", "Mar 20 2024 03:07", "Jun 20 2024 20:52", "Sep 22 2024 12:44"},
    };
    for (const auto& c : cases) {
        update(c.year, 3, 14, "00:00");
        EXPECT_EQ(text("WinterEdit"), QString::fromLatin1(c.winter));
        EXPECT_EQ(text("SpringEdit"), QString::fromLatin1(c.spring));
        EXPECT_EQ(text("SummerEdit"), QString::fromLatin1(c.summer));
        EXPECT_EQ(text("AutomnEdit"), QString::fromLatin1(c.autumn));
    }
    EXPECT_EQ(text("BlueMoonEdit"), QStringLiteral("May 31 2026 08:46"));
    update(2026, 3, 14, "00:00");
    EXPECT_EQ(text("AutomnEdit"), QStringLiteral("Sep 23 2026 00:06")); // "0:6" once
}

TEST_F(LunarForm, MoonDataInTheirNumberFormats) {
    struct Case {
        int year, month, day;
        const char* time;
        const char* phase;    // "##0.0" and "%"
        const char* age;      // "#0.##"
        const char* lunation; // an integer
        const char* diameter; // "#########.#####" and the arc-second sign
        const char* distance; // "#########.###" and " km"
    };
    const Case cases[] = {
        {2025, 3, 14, "06:55", "100.0%", "14.76", "1264", "1785.67212″",
         "401499.688 km"},                                                                // full, near apogee
        {2025, 3, 29, "10:58", "0.0%", "29.53", "1264", "1998.77061″", "358693.887 km"},  // new, near perigee
        {2025, 3, 10, "20:00", "88.7%", "11.54", "1264", "1831.26435″", "391503.717 km"}, // waxing gibbous
        {2024, 10, 3, "15:30", "0.7%", "0.76", "1259", "1764.60704″", "406292.61 km"},    // a day after new
    };
    for (const auto& c : cases) {
        update(c.year, c.month, c.day, c.time);
        EXPECT_EQ(text("PhaseEdit"), QString::fromLatin1(c.phase)) << c.time;
        EXPECT_EQ(text("AgeMoonEdit"), QString::fromLatin1(c.age)) << c.time;
        EXPECT_EQ(text("LunationEdit"), QString::fromLatin1(c.lunation)) << c.time;
        EXPECT_EQ(text("DiameterEdit"), QString::fromUtf8(c.diameter)) << c.time;
        EXPECT_EQ(text("DistanceEdit"), QString::fromUtf8(c.distance)) << c.time;
        // Diameter and distance describe the same Moon: 2 atan(1737.4 / d), in arc seconds.
        const double d = text("DistanceEdit").chopped(3).toDouble();
        EXPECT_NEAR(text("DiameterEdit").chopped(1).toDouble(), 2 * std::atan(1737.4 / d) * 180 / M_PI * 3600,
                    2)
            << c.time;
    }
    EXPECT_TRUE(messages.empty());
    // The update leaves a blank separator and the month-name format.
    EXPECT_EQ(core->date_format().DateSeparator, QChar(u' '));
    EXPECT_EQ(core->date_format().ShortDateFormat, QStringLiteral("mmm d yyyy"));
}

TEST_F(LunarForm, FormattedInstantsCutTheSecondsAndDropMidnight) {
    core->date_format().ShortDateFormat = QStringLiteral("mmm d yyyy");
    const double day = from_qdate(QDate(2025, 3, 14));
    struct Case {
        double t;
        const char* pattern;
        const char* text;
    };
    const Case cases[] = {
        {day, "hh:mm:ss", "Mar 14 2025"},
        {day + (7 * 3600 + 39.17) / 86400, "hh:mm:ss", "Mar 14 2025 07:00:39"},
        {day + (7 * 3600 + 39.9) / 86400, "hh:mm:ss", "Mar 14 2025 07:00:39"},
        {day + (13 * 3600 + 27 * 60 + 59.9) / 86400, "hh:mm", "Mar 14 2025 13:27"},
        {day + (9 * 3600 + 60 + 5) / 86400.0, "h:m", "Mar 14 2025 9:1"},
        {day + 1 - 0.0002 / 86400, "hh:mm:ss", "Mar 15 2025"},       // rounds to the next midnight
        {day + 0.5 / 86400, "hh:mm:ss", "Mar 14 2025 00:00:00"},     // not exactly midnight
        {day + 1 - 0.9 / 86400, "hh:mm:ss", "Mar 14 2025 23:59:59"}, // cut, not rounded up
    };
    for (const auto& c : cases)
        EXPECT_EQ(date_time_text(c.t, QString::fromLatin1(c.pattern), core->date_format()),
                  QString::fromLatin1(c.text))
            << c.text;
}

TEST_F(LunarForm, WrongDateIsReportedAndTheCurrentMomentTaken) {
    struct Case {
        int year, month, day;
        const char* time;
        const char* shown;
    };
    // The date day first, as the converter shows it.
    const Case cases[] = {
        {2025, 2, 30, "12:00", "30/2/2025 12:00"}, // no such day
        {2025, 3, 14, "12", "14/3/2025 12:  "},    // empty minute part
        {2025, 3, 14, "", "14/3/2025   :  "},
        {2025, 3, 14, "25:00", "14/3/2025 25:00"},
        {2026, 12, 7, "25:99", "7/12/2026 25:99"},
        {1700, 2, 29, "12:00", "29/2/1700 12:00"},   // no leap day in the Gregorian 1700
        {1582, 10, 10, "12:00", "10/10/1582 12:00"}, // one of the ten days left out
    };
    for (const auto& c : cases) {
        messages.clear();
        update(c.year, c.month, c.day, c.time);
        ASSERT_EQ(messages.size(), 1u) << c.shown;
        EXPECT_EQ(messages[0].caption, QStringLiteral("Wrong date !"));
        EXPECT_EQ(
            messages[0].text,
            QStringLiteral("Please, note that %1 is an invalid date.").arg(QString::fromLatin1(c.shown)));
        EXPECT_EQ(messages[0].icon, QMessageBox::Information);
        EXPECT_DOUBLE_EQ(form->MoonPhaser()->Date(), from_qdatetime(kNow)) << c.shown;
        // The seasons still follow the main window's year.
        if (c.year == 2025) {
            EXPECT_TRUE(text("SpringEdit").startsWith(QStringLiteral("Mar 20 2025 "))) << c.shown;
        }
    }
    EXPECT_EQ(core->date_format().ShortDateFormat, QStringLiteral("mmm d yyyy"));
}

TEST_F(LunarForm, EnterInTheTimeFieldUpdatesAndDatesAreCivil) {
    const struct {
        int year, month, day;
        Qt::Key key;
        double moment; // the instant shown
    } cases[] = {
        {2025, 3, 14, Qt::Key_Return, from_qdate(QDate(2025, 3, 14)) + 0.25},
        {2025, 3, 29, Qt::Key_Enter, from_qdate(QDate(2025, 3, 29)) + 0.25},  // the keypad's
        {1500, 2, 29, Qt::Key_Return, from_qdate(QDate(1500, 3, 10)) + 0.25}, // Julian: a leap day
        {1582, 10, 15, Qt::Key_Enter, from_qdate(QDate(1582, 10, 15)) + 0.25},
    };
    for (const auto& c : cases) {
        main->GYear()->setValue(c.year);
        main->GMonth()->setValue(c.month);
        main->GDay()->setValue(c.day);
        QLineEdit* time_edit = edit("TimeEdit");
        time_edit->clear();
        time_edit->setCursorPosition(0);
        QTest::keyClicks(time_edit, QStringLiteral("06:00"));
        QTest::keyClick(time_edit, c.key, c.key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        EXPECT_DOUBLE_EQ(form->MoonPhaser()->Date(), c.moment) << c.year;
    }
    EXPECT_TRUE(messages.empty());
}

// --- the picture ---

TEST_F(LunarForm, FullMoonLeavesTheDiskNewMoonCoversIt) {
    update(2025, 3, 14, "06:55");
    EXPECT_EQ(form->MoonPhaser()->picture(), TMoon::load_bitmap(6).convertToFormat(QImage::Format_RGB32));
    update(2025, 3, 29, "10:58");
    for (int x = 3; x <= 59; ++x) EXPECT_EQ(form->MoonPhaser()->picture().pixel(x, 28), black) << x;
}

TEST_F(LunarForm, ClicksTurnThePictureAndNameTheHemisphere) {
    TMoon* moon = form->MoonPhaser();
    moon->SetShowApollo11(true);
    update(2025, 3, 10, "20:00"); // waxing gibbous: the dark edge on the left
    const QImage unturned = moon->picture();
    EXPECT_EQ(unturned.pixel(41, 29), red);
    EXPECT_EQ(unturned.pixel(5, 28), black);
    EXPECT_NE(unturned.pixel(57, 28), black);

    struct Step {
        TMoon::TRotate rotation;
        const char* hint;
        QPoint dot;
    };
    const Step steps[] = {
        {TMoon::rot_90, "Moon as seen near the equator", {29, 22}},
        {TMoon::rot_180, "Moon as seen on the southern hemisphere", {22, 34}},
        {TMoon::rot_270, "Moon as seen near the equator", {34, 41}},
        {TMoon::rot_none, "Moon as seen on the northern hemisphere", {41, 29}},
    };
    for (const auto& s : steps) {
        click_picture();
        EXPECT_EQ(moon->Rotation(), s.rotation);
        EXPECT_EQ(moon->toolTip(), QString::fromLatin1(s.hint));
        EXPECT_EQ(moon->picture().pixel(s.dot), red) << s.hint;
        QImage expected = unturned;
        TMoon::rotate_graphic(expected, s.rotation);
        EXPECT_EQ(moon->picture(), expected) << s.hint;
    }
    // A right click does not turn it.
    QTest::mouseClick(moon, Qt::RightButton, {}, QPoint(30, 30));
    EXPECT_EQ(moon->Rotation(), TMoon::rot_none);
    // The turn survives an update.
    click_picture();
    click_picture();
    update(2024, 6, 1, "12:00");
    EXPECT_EQ(moon->Rotation(), TMoon::rot_180);
    EXPECT_EQ(moon->toolTip(), QStringLiteral("Moon as seen on the southern hemisphere"));
}

// --- with the main window ---

TEST_F(LunarForm, MoonCommandUpdatesAndShowsTheWindow) {
    QAction* tool_moon = main->findChild<QAction*>(QStringLiteral("ToolMoon"));
    ASSERT_NE(tool_moon, nullptr);
    EXPECT_TRUE(tool_moon->isEnabled());
    EXPECT_TRUE(main->AstroBtn()->isEnabled());
    main->GYear()->setValue(2018);
    main->GMonth()->setValue(1);
    main->GDay()->setValue(1);
    edit("TimeEdit")->setText(QStringLiteral("12:00"));
    tool_moon->trigger();
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(main->AstroBtn()->isChecked()); // the toolbar's toggle shows it open
    EXPECT_EQ(text("BlueMoonEdit"), QStringLiteral("Jan 31 2018 13:27"));
    form->close(); // hidden, not destroyed: the values stay
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(text("BlueMoonEdit"), QStringLiteral("Jan 31 2018 13:27"));
}

TEST_F(LunarForm, ToolbarToggleShowsAndHidesAndTheCloseBoxReleasesIt) {
    QAction* astro = main->AstroBtn();
    main->GYear()->setValue(2025);
    main->GMonth()->setValue(3);
    main->GDay()->setValue(14);
    edit("TimeEdit")->setText(QStringLiteral("00:00"));
    astro->trigger(); // pressed
    EXPECT_TRUE(astro->isChecked());
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(text("EclipseEdit"), QStringLiteral("Mar 14 2025 07:00:39 (Total)"));
    astro->trigger(); // released
    EXPECT_FALSE(astro->isChecked());
    EXPECT_FALSE(form->isVisible());

    astro->trigger();
    ASSERT_TRUE(form->isVisible());
    EXPECT_TRUE(form->close()); // the window's close box
    EXPECT_FALSE(astro->isChecked());
    EXPECT_TRUE(messages.empty());
}

// Renders the window for the documentation: run with --gtest_also_run_disabled_tests and ALMADEX_SCREENSHOT
// set to the output file.
TEST_F(LunarForm, DISABLED_Screenshot) {
    update(2025, 3, 10, "20:00"); // a waxing gibbous Moon
    form->show();
    button("SetBtn")->setFocus();
    QCoreApplication::processEvents();
    const QString path = qEnvironmentVariable("ALMADEX_SCREENSHOT", QStringLiteral("moon_window.png"));
    ASSERT_TRUE(form->grab().save(path));
}

} // namespace
