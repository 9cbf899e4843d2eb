// The converter window's stored position, through real restarts under a window manager: the frame comes
// back where it was, and a position no screen shows any more brings the window back onto the screen.
#include "tests/xvfb/x_session.h"

using namespace almadex::xvfb;

namespace {

class MainWindowPosition : public TWindowTest {};

TEST_F(MainWindowPosition, ThreeRestartsFindTheFrameAtTheSamePlace) {
    program.write_settings(settings_at(QStringLiteral("300"), QStringLiteral("200")));
    for (int run = 1; run <= 3; ++run) {
        start_program();
        const TWindowGeometry g = window_geometry(program.main_window());
        EXPECT_EQ(g.frame.topLeft(), QPoint(300, 200))
            << "run " << run << ", client area " << ::testing::PrintToString(g.client);
        ASSERT_TRUE(program.exit());
        EXPECT_EQ(program.setting(QStringLiteral("Left")), QStringLiteral("300")) << "run " << run;
        EXPECT_EQ(program.setting(QStringLiteral("Top")), QStringLiteral("200")) << "run " << run;
    }
}

// A position that leaves the title bar where no screen shows it (a screen since removed, a stored value
// gone wrong): the window opens on the screen, whole, as near as it can to the stored place.
TEST_F(MainWindowPosition, AFrameOffEveryScreenComesBackWhole) {
    struct Case {
        const char* what;
        QString top, left;
    };
    const Case cases[] = {
        {"above the screen", QStringLiteral("-300"), QStringLiteral("400")},
        {"on a screen to the right that is gone", QStringLiteral("100"), QStringLiteral("1900")},
        {"an absurd top", QStringLiteral("99999999"), QStringLiteral("100")},
    };
    const QRect screen(0, 0, TXSession::kScreenWidth, TXSession::kScreenHeight);
    for (const Case& c : cases) {
        program.write_settings(settings_at(c.left, c.top));
        start_program();
        const TWindowGeometry g = window_geometry(program.main_window());
        EXPECT_TRUE(screen.contains(g.frame)) << c.what << ": frame " << ::testing::PrintToString(g.frame);
        ASSERT_TRUE(program.exit()) << c.what;
        EXPECT_EQ(program.setting(QStringLiteral("Top")).toInt(), g.frame.top()) << c.what;
        EXPECT_EQ(program.setting(QStringLiteral("Left")).toInt(), g.frame.left()) << c.what;
    }
}

} // namespace
