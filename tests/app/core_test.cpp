// The application core: its clock, the windows it makes when first asked for and destroys in reverse start-up
// order, showing and hiding them, the Islamic calendar followed, the prayer place kept without any window,
// the date conventions that every window shares, and the prayer window telling it what is typed.
#include "app/calendar_form.h"
#include "app/lunar_form.h"
#include "app/month_form.h"
#include "app/prayer_form.h"
#include "app/settings.h"
#include "astro/errors.h"
#include "controls/spin_edit.h"
#include "tests/support/app_test.h"

#include <QAction>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <stdexcept>
#include <utility>
#include <vector>

using namespace almadex;

namespace {

class Core : public almadex::testing::AppTest {
protected:
    QTemporaryDir folder;

    void SetUp() override {
        AppTest::SetUp();
        start(folder.path());
    }
    QString gl() const { return folder.filePath(QStringLiteral("gl.dat")); }
};

TEST_F(Core, TheClockCanBeReplaced) {
    core->seams().clock = [] { return QDateTime(QDate(2024, 10, 3), QTime(12, 0)); };
    EXPECT_EQ(core->now(), 45568.5);
    core->seams().clock = real_seams().clock;
    EXPECT_GT(core->now(), 45568.5);
}

// --- the windows ---

TEST_F(Core, EachWindowIsMadeOnceWhenFirstAskedForAndTheRestInStartUpOrder) {
    for (std::size_t i = 0; i < window_count; ++i)
        EXPECT_EQ(core->existing_window(static_cast<TWindow>(i)), nullptr) << i;
    TPrayerForm* prayer = &core->prayer_form();
    EXPECT_EQ(&core->prayer_form(), prayer);
    EXPECT_EQ(core->existing_window(TWindow::prayer), prayer);
    EXPECT_EQ(core->existing_window(TWindow::main), nullptr) << "the prayer window needs no other";
    EXPECT_EQ(core->dialog_parent(), nullptr);

    std::vector<TWindow> made;
    core->create_windows();
    for (std::size_t i = 0; i < window_count; ++i) {
        QWidget* window = core->existing_window(static_cast<TWindow>(i));
        ASSERT_NE(window, nullptr) << i;
        EXPECT_FALSE(window->isVisible()) << i;
        QObject::connect(window, &QObject::destroyed,
                         [&made, i] { made.push_back(static_cast<TWindow>(i)); });
    }
    EXPECT_EQ(core->existing_window(TWindow::prayer), prayer) << "not made twice";
    EXPECT_EQ(core->dialog_parent(), core->existing_window(TWindow::main));
    stop();
    // Destroyed in reverse start-up order: the repository first, the main window last.
    ASSERT_EQ(made.size(), window_count);
    for (std::size_t i = 0; i < window_count; ++i)
        EXPECT_EQ(made[i], static_cast<TWindow>(window_count - 1 - i)) << i;
}

TEST_F(Core, ShowingTellsTheWindowFirstAndHidingMakesNoWindow) {
    create_main();
    std::vector<std::pair<TWindow, int>> said; // 0 opening, 1 shown, 2 hidden
    QObject::connect(core.get(), &TAppCore::window_opening, [&](TWindow w) { said.emplace_back(w, 0); });
    QObject::connect(core.get(), &TAppCore::window_shown,
                     [&](TWindow w, bool shown) { said.emplace_back(w, shown ? 1 : 2); });
    core->show_window(TWindow::between);
    EXPECT_TRUE(core->existing_window(TWindow::between)->isVisible());
    core->show_window(TWindow::between, false);
    EXPECT_FALSE(core->existing_window(TWindow::between)->isVisible());
    EXPECT_EQ(said, (std::vector<std::pair<TWindow, int>>{
                        {TWindow::between, 0}, {TWindow::between, 1}, {TWindow::between, 2}}));
    core->show_window(TWindow::month, false);
    EXPECT_EQ(core->existing_window(TWindow::month), nullptr);
    EXPECT_EQ(said.size(), 3u);
}

// --- the user's choices ---

TEST_F(Core, TheIslamicCalendarChosenIsStoredAtOnceAndAnnounced) {
    std::vector<almanac::TIslamicChoice> changed;
    QObject::connect(core.get(), &TAppCore::islamic_choice_changed,
                     [&](const almanac::TIslamicChoice& c) { changed.push_back(c); });
    const almanac::TIslamicChoice civil{almanac::TIslamicCalendar::civil, -2};
    core->set_islamic_choice(civil);
    EXPECT_EQ(core->islamic_choice(), civil);
    EXPECT_EQ(changed, std::vector{civil});
    QSettings stored(QStringLiteral("Kelvane"), QStringLiteral("Stellox"));
    EXPECT_EQ(read_islamic_choice(stored), civil);

    // An adjustment beyond the limit changes nothing.
    EXPECT_THROW(core->set_islamic_choice({almanac::TIslamicCalendar::moon, 3}), std::invalid_argument);
    EXPECT_EQ(core->islamic_choice(), civil);
    EXPECT_EQ(changed.size(), 1u);
    EXPECT_EQ(read_islamic_choice(stored), civil);
}

// A program without windows reads the place, the method and the zone, computes with them and keeps a change.
TEST_F(Core, ThePrayerPlaceLivesWithoutTheWindow) {
    almadex::testing::write_all(gl(), "[Latitude]\nDegrees=36\nMinutes=45\n[Longitude]\nDegrees=3\nGreen=1\n"
                                      "[Time zone]\nSig=1\nDec=05:30\n[Prayer zone]\nName=Europe/Paris\n");
    int changed = 0;
    QObject::connect(core.get(), &TAppCore::place_changed, [&] { ++changed; });
    core->load_prayer_choice(nullptr);
    EXPECT_EQ(changed, 1);
    EXPECT_DOUBLE_EQ(core->prayer_place().latitude, 36.75);
    EXPECT_DOUBLE_EQ(core->prayer_place().longitude_west, -3); // east
    core->set_islamic_choice({almanac::TIslamicCalendar::umm_al_qura, 1});
    const almanac::TPrayerOptions options = core->prayer_options();
    EXPECT_EQ(options.utc_offset_seconds, -(5 * 3600 + 30 * 60));
    EXPECT_EQ(options.zone, "Europe/Paris");
    EXPECT_TRUE(options.sunrise);
    EXPECT_EQ(options.method.islamic, core->islamic_choice()); // Ramadan in the calendar followed

    TPrayerChoice choice = core->prayer_choice();
    choice.location.dec = "7";
    core->set_prayer_choice(choice);
    EXPECT_EQ(changed, 2);
    core->set_prayer_choice(choice);
    EXPECT_EQ(changed, 2) << "nothing changed, nothing said";
    EXPECT_THROW(core->prayer_options(), astro::EConvertError);
    EXPECT_EQ(core->existing_window(TWindow::prayer), nullptr);
    stop();
    // An offset that is no time of day is kept in memory, not in the file: the last good one is.
    EXPECT_TRUE(almadex::testing::read_all(gl()).contains("[Time zone]\nSig=1\nDec=05:30\n"));
    EXPECT_TRUE(messages.empty());
}

TEST_F(Core, AProgramThatNeverReadTheLocationFileDoesNotWriteIt) {
    create_main();
    core->show_window(TWindow::calendar);
    stop();
    EXPECT_FALSE(QFile::exists(gl()));
}

// The date conventions are one value: what one window leaves, the next one formats with.
TEST_F(Core, TheDateConventionsOneWindowLeavesAreThoseTheNextFormatsWith) {
    create_main();
    TPrayerForm& prayer = core->prayer_form();
    prayer.Cal()->setDate(QDate(2024, 3, 15));
    const auto first_date_line = [this, &prayer] {
        prayer.findChild<QAction*>(QStringLiteral("Nextmonth1"))->trigger();
        return core->month_form().report_lines().filter(QStringLiteral("Date: ")).value(0);
    };
    const auto in_force = [this] { return date_to_str(from_qdate(QDate(2024, 3, 15)), core->date_format()); };
    EXPECT_EQ(in_force(), QStringLiteral("15/03/2024"));
    core->lunar_form().SetBtn()->click(); // leaves a blank and "mmm d yyyy"
    EXPECT_EQ(in_force(), QStringLiteral("Mar 15 2024"));
    // The schedule's report keeps its one form whatever the conventions in force.
    EXPECT_EQ(first_date_line(), QStringLiteral("Date: 15/03/2024"));
    main->GConvertClick(); // "/" and, after the Islamic steps, day first
    EXPECT_EQ(in_force(), QStringLiteral("15/03/2024"));
    EXPECT_EQ(first_date_line(), QStringLiteral("Date: 15/03/2024"));
    EXPECT_TRUE(messages.empty());
}

// --- the prayer window tells the core ---

TEST_F(Core, WhatIsTypedIntoThePrayerWindowReachesTheCoreAndStaysAsTyped) {
    TPrayerForm& prayer = core->prayer_form();
    prayer.show();
    TSpinEdit* degrees = prayer.LonEdit(1); // 0..180
    degrees->setFocus();
    degrees->selectAll();
    QTest::keyClick(degrees, Qt::Key_Backspace);
    QTest::keyClicks(degrees, QStringLiteral("19"));
    EXPECT_EQ(degrees->text(), QStringLiteral("19"));
    EXPECT_EQ(core->prayer_choice().location.longitude_degrees, 19);
    QTest::keyClicks(degrees, QStringLiteral("9")); // 199: the bound until the focus leaves
    EXPECT_EQ(degrees->text(), QStringLiteral("199"));
    EXPECT_EQ(core->prayer_choice().location.longitude_degrees, 180);

    prayer.LonEdit4()->setCurrentIndex(1);
    prayer.TZValue()->setText(QStringLiteral("03:00"));
    prayer.findChild<QAction*>(QStringLiteral("Usearabiannames"))->trigger();
    prayer.findChild<QAction*>(QStringLiteral("includesunrise"))->trigger();
    const TPrayerChoice& choice = core->prayer_choice();
    EXPECT_EQ(choice.location.green, 1);
    EXPECT_EQ(choice.location.dec, "03:00");
    EXPECT_EQ(choice.names, almanac::TPrayerNames::transliterated);
    EXPECT_FALSE(choice.sunrise);

    // A change the core reports shows in the window.
    TPrayerChoice moved = choice;
    moved.location.longitude_degrees = 21;
    moved.names = almanac::TPrayerNames::english;
    core->set_prayer_choice(moved);
    EXPECT_EQ(degrees->value(), 21);
    EXPECT_TRUE(prayer.findChild<QAction*>(QStringLiteral("Useenglishnames"))->isChecked());
}

} // namespace
