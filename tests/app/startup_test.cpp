// The program's start: the windows created in order and hidden, the start-up window's count of three ticks
// that shows the main window and then the tip of the day, and the about window.
#include "app/info_form.h"
#include "app/intro_form.h"
#include "controls/spin_edit.h"
#include "controls/tip_dialog.h"
#include "controls/url_label.h"
#include "tests/support/app_test.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>

using namespace almadex;

namespace {

/// The windows as the program creates them, not the fixture's own main window.
class Startup : public almadex::testing::AppTest {
protected:
    int tips_shown = 0;
    QTemporaryDir program; // the windows keep "gl.dat" and "dates.dat" here, not beside the test

    Startup() : AppTest(QDateTime(QDate(2024, 10, 3), QTime(9, 0))) {}

    void SetUp() override {
        AppTest::SetUp();
        start_program();
    }
    /// Starts the program as main() does: every window made.
    void start_program() {
        start(program.path());
        core->create_windows();
        main_form()->ShowIntroFormTimer().stop(); // the tests drive the start-up themselves
        // The tip of the day closes itself as soon as it is up.
        main_form()->TipsDialog()->OnExecute = [this](QObject*, bool&) {
            ++tips_shown;
            QTimer::singleShot(0, [this] { main_form()->TipsDialog()->Form().accept(); });
        };
    }

    TMainForm* main_form() const { return &core->main_form(); }
    TIntroForm* intro() const { return &core->intro_form(); }
    TInfoForm* info() const { return &core->info_form(); }
};

TEST_F(Startup, WindowsAreCreatedInOrderNoneShownAndDestroyedAgain) {
    const QPointer<QWidget> made[] = {core->existing_window(TWindow::main),
                                      core->existing_window(TWindow::intro),
                                      core->existing_window(TWindow::info)};
    ASSERT_FALSE(made[0].isNull());
    ASSERT_FALSE(made[1].isNull());
    ASSERT_FALSE(made[2].isNull());
    EXPECT_FALSE(main_form()->isVisible());
    EXPECT_FALSE(intro()->isVisible());
    EXPECT_FALSE(info()->isVisible());
    // The main window did its start-up work while it was created.
    EXPECT_EQ(main_form()->GYear()->value(), 2024);
    EXPECT_FALSE(core->program_folder().isEmpty());
    stop();
    EXPECT_TRUE(made[0].isNull());
    EXPECT_TRUE(made[1].isNull());
    EXPECT_TRUE(made[2].isNull());
    // Ending the program keeps the prayer place and the named dates.
    EXPECT_TRUE(QFile::exists(program.filePath(QStringLiteral("gl.dat"))));
    EXPECT_TRUE(QFile::exists(program.filePath(QStringLiteral("dates.dat"))));
}

TEST_F(Startup, IntroWindowIsBorderlessModalAndShowsLogoAndVersion) {
    EXPECT_TRUE(intro()->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(intro()->isModal());
    EXPECT_EQ(intro()->size(), QSize(376, 122));
    const QLabel* logo = intro()->findChild<QLabel*>(QStringLiteral("logo"));
    ASSERT_NE(logo, nullptr);
    EXPECT_EQ(logo->size(), QSize(166, 32));
    EXPECT_FALSE(logo->pixmap().isNull());
    const QLabel* version = intro()->findChild<QLabel*>(QStringLiteral("Label1"));
    ASSERT_NE(version, nullptr);
    EXPECT_TRUE(version->text().contains(QStringLiteral(ALMADEX_VERSION)));
    EXPECT_EQ(intro()->WaitingTimer().interval(), 1000);
    EXPECT_FALSE(intro()->WaitingTimer().isActive());
}

TEST_F(Startup, ThreeTicksShowTheMainWindowThenTheTipOfTheDay) {
    intro()->show(); // non-modal here, so that the test drives the ticks
    EXPECT_EQ(main_form()->windowTitle(), QStringLiteral("Almadex "));
    EXPECT_EQ(intro()->Tag(), 2);
    EXPECT_TRUE(intro()->WaitingTimer().isActive());

    intro()->WaitingTimerTimer();
    EXPECT_EQ(intro()->Tag(), 1);
    intro()->WaitingTimerTimer();
    EXPECT_EQ(intro()->Tag(), 0);
    EXPECT_FALSE(main_form()->isVisible());
    EXPECT_EQ(tips_shown, 0);

    intro()->WaitingTimerTimer(); // the third tick
    EXPECT_FALSE(intro()->WaitingTimer().isActive());
    EXPECT_FALSE(intro()->isVisible());
    EXPECT_EQ(intro()->result(), 1);
    EXPECT_TRUE(main_form()->isVisible());
    EXPECT_EQ(tips_shown, 1);
}

TEST_F(Startup, ActivatingTheIntroAgainRestartsTheCount) {
    intro()->show();
    intro()->WaitingTimerTimer();
    intro()->WaitingTimerTimer();
    EXPECT_EQ(intro()->Tag(), 0);
    intro()->FormActivate();
    EXPECT_EQ(intro()->Tag(), 2);
    intro()->WaitingTimerTimer();
    EXPECT_FALSE(main_form()->isVisible());
    // Escape does not end it early.
    intro()->reject();
    EXPECT_TRUE(intro()->isVisible());
    intro()->WaitingTimerTimer();
    intro()->WaitingTimerTimer();
    EXPECT_TRUE(main_form()->isVisible());
}

TEST_F(Startup, WithTipsOffTheMainWindowComesAlone) {
    main_form()->TipsDialog()->SetStartupState(false);
    intro()->show();
    for (int tick = 0; tick < 3; ++tick) intro()->WaitingTimerTimer();
    EXPECT_TRUE(main_form()->isVisible());
    EXPECT_EQ(tips_shown, 0);
}

TEST_F(Startup, TheStartUpTimerRunsTheModalIntroUntilItEnds) {
    // Inside the intro's modal loop: three ticks, as the timer would give them.
    int ticks = 0;
    QTimer::singleShot(0, [&] {
        EXPECT_TRUE(intro()->isVisible());
        EXPECT_EQ(QApplication::activeModalWidget(), intro());
        for (; ticks < 3; ++ticks) intro()->WaitingTimerTimer();
    });
    main_form()->ShowIntroFormTimer().start();
    main_form()->ShowIntroFormTimerTimer();
    EXPECT_EQ(ticks, 3);
    EXPECT_FALSE(main_form()->ShowIntroFormTimer().isActive());
    EXPECT_FALSE(intro()->isVisible());
    EXPECT_TRUE(main_form()->isVisible());
    EXPECT_EQ(tips_shown, 1);
    EXPECT_TRUE(messages.empty());
}

// A place saved in the prayer window where today's times cannot be computed: the message says that it is
// about that place, and it comes once the start-up window has gone, over the main window, before the tip.
TEST_F(Startup, ThePrayerPlacesTroubleIsToldAfterTheStartUpWindow) {
    stop();
    almadex::testing::write_all(QDir(program.path()).filePath(QStringLiteral("gl.dat")),
                                "[Latitude]\nDegrees=89\n");
    messages.clear();
    start_program();
    EXPECT_TRUE(messages.empty()) << "nothing while the windows are created";
    bool main_shown_first = false;
    int tips_before = -1;
    core->seams().message_box = [&](QWidget*, const TMessage& m) {
        messages.push_back(m);
        main_shown_first = main_form()->isVisible() && !intro()->isVisible();
        tips_before = tips_shown;
        return QMessageBox::Ok;
    };
    intro()->show();
    EXPECT_TRUE(messages.empty());
    for (int tick = 0; tick < 3; ++tick) intro()->WaitingTimerTimer();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].text.contains(QStringLiteral("prayer window"))) << messages[0].text.toStdString();
    EXPECT_TRUE(messages[0].text.contains(QStringLiteral("89\u00b0 0' 0\" North")));
    EXPECT_TRUE(messages[0].text.contains(QStringLiteral("Dawn is not calculable"))); // as the list names it
    EXPECT_TRUE(main_shown_first);
    EXPECT_EQ(tips_before, 0);
    EXPECT_EQ(tips_shown, 1);
}

TEST_F(Startup, UntickingShowTipsAtStartupIsKeptByTheDialog) {
    main_form()->TipsDialog()->OnExecute = {};
    bool seen_state = true;
    main_form()->TipsDialog()->OnClose = [&](QObject*, bool state) { seen_state = state; };
    QTimer::singleShot(0, [this] {
        TTipDialog* tips = main_form()->TipsDialog();
        tips->SetStartupState(false); // as the user unticks the box
        tips->Form().accept();
    });
    main_form()->AppTipShowExecute();
    EXPECT_FALSE(seen_state);
    EXPECT_FALSE(main_form()->TipsDialog()->StartupState());
}

TEST_F(Startup, AboutShowsTheInformationWindowModallyOnItsFirstPage) {
    QTabWidget* pages = info()->PageControl1();
    ASSERT_NE(pages, nullptr);
    EXPECT_EQ(pages->tabText(0), QStringLiteral("About"));
    EXPECT_EQ(info()->windowTitle(), QStringLiteral("Information"));
    const auto* web = info()->findChild<TURLLabel*>(QStringLiteral("URLLabel1"));
    ASSERT_NE(web, nullptr);
    // No invented address: the link is the installed guide's, and no mail link is shown.
    EXPECT_EQ(web->Caption(), QStringLiteral("The user's guide"));
    EXPECT_EQ(info()->findChild<TURLLabel*>(QStringLiteral("URLLabel2")), nullptr);
    for (const QLabel* label : info()->findChildren<QLabel*>())
        EXPECT_FALSE(label->text().contains(QStringLiteral("example"))) << label->objectName().toStdString();
    EXPECT_FALSE(info()->findChild<QLabel*>(QStringLiteral("Image1"))->pixmap().isNull());
    EXPECT_TRUE(
        info()->findChild<QLabel*>(QStringLiteral("Label7"))->text().contains(QStringLiteral("Almadex")));

    bool inside = false;
    QTimer::singleShot(0, [&] {
        inside = info()->isVisible() && info()->isModal();
        EXPECT_EQ(info()->PageControl1()->currentIndex(), 0);
        info()->findChild<QPushButton*>(QStringLiteral("BitBtn3"))->click();
    });
    main_form()->About1Click();
    EXPECT_TRUE(inside);
    EXPECT_FALSE(info()->isVisible());
    EXPECT_EQ(info()->result(), 1);
}

TEST_F(Startup, AboutLinksTheDesktopCannotOpenAreNamedInAMessage) {
    core->seams().open_url = [](const QUrl&) { return false; };
    auto* link = info()->findChild<TURLLabel*>(QStringLiteral("URLLabel1"));
    ASSERT_NE(link, nullptr);
    link->Click(); // no guide beside this program: its path is named
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].text.contains(QStringLiteral("index.html"))) << messages[0].text.toStdString();
}

TEST_F(Startup, ExitClosesTheMainWindowWhichEndsTheProgramWhateverElseIsOpen) {
    main_form()->show();
    QWidget tool_window; // a tool window left open must not keep the program alive
    tool_window.show();
    QTimer::singleShot(0, [this] { main_form()->findChild<QAction*>(QStringLiteral("ExitApp"))->trigger(); });
    QTimer hang_guard; // only ends a loop that failed to end
    hang_guard.setSingleShot(true);
    QObject::connect(&hang_guard, &QTimer::timeout, [] { QCoreApplication::exit(2); });
    hang_guard.start(10000);
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_FALSE(main_form()->isVisible());
}

// Renders the start-up and about windows: run with --gtest_also_run_disabled_tests; ALMADEX_SCREENSHOT_DIR
// names the output folder.
TEST_F(Startup, DISABLED_Screenshots) {
    const QString dir = qEnvironmentVariable("ALMADEX_SCREENSHOT_DIR", QStringLiteral("."));
    intro()->show();
    info()->show();
    QCoreApplication::processEvents();
    EXPECT_TRUE(intro()->grab().save(dir + QStringLiteral("/intro_window.png")));
    EXPECT_TRUE(info()->grab().save(dir + QStringLiteral("/about_window.png")));
    info()->hide();
}

} // namespace
