// The tool windows open against the right edge of the converter window, where that window is when they are
// shown, and stay on the screen.
#include "tests/xvfb/x_session.h"

using namespace almadex::xvfb;

namespace {

class SideWindows : public TWindowTest {
protected:
    void SetUp() override {
        TWindowTest::SetUp();
        if (IsSkipped()) return;
        start_program_at(60, 40);
    }
    /// Closes a window as its close box does.
    void close(const QString& window, const QString& title) {
        activate(window);
        key({QStringLiteral("alt+F4")});
        EXPECT_TRUE(window_gone(title)) << title.toStdString();
    }
};

TEST_F(SideWindows, OpenAgainstTheMainWindowWhereItIsNow) {
    struct Case {
        const char* shortcut;
        const char* title;
        bool bottoms_aligned;
    };
    const Case cases[] = {
        {"ctrl+n", "^Calendar$", false},
        {"ctrl+o", "^Moon/Seasons\\.\\.\\.$", false},
        {"ctrl+alt+b", "^In Between dates$", true},
    };
    // The main window moved since the start: the tool windows follow it.
    const QPoint places[] = {QPoint(200, 120), QPoint(20, 300)};
    for (const QPoint& place : places) {
        ASSERT_TRUE(move_frame(program.main_window(), place.x(), place.y()));
        const QRect main = window_geometry(program.main_window()).frame;
        ASSERT_EQ(main.topLeft(), place);
        for (const Case& c : cases) {
            const QString title = QString::fromLatin1(c.title);
            const QString window = open_window(QString::fromLatin1(c.shortcut), title);
            ASSERT_FALSE(window.isEmpty()) << c.title;
            const QRect side = window_geometry(window).frame;
            EXPECT_EQ(side.left(), main.right() + 1)
                << c.title << " beside " << ::testing::PrintToString(main);
            if (c.bottoms_aligned)
                EXPECT_EQ(side.bottom(), main.bottom()) << c.title;
            else
                EXPECT_EQ(side.top(), main.top()) << c.title;
            close(window, title);
        }
    }
}

TEST_F(SideWindows, StayOnTheScreenBesideAMainWindowAtItsEdge) {
    const QRect screen(0, 0, TXSession::kScreenWidth, TXSession::kScreenHeight);
    ASSERT_TRUE(move_frame(program.main_window(), TXSession::kScreenWidth - 250, 500));
    const QString calendar = open_window(QStringLiteral("ctrl+n"), QStringLiteral("^Calendar$"));
    ASSERT_FALSE(calendar.isEmpty());
    const QRect frame = window_geometry(calendar).frame;
    EXPECT_TRUE(screen.contains(frame)) << ::testing::PrintToString(frame);
}

} // namespace
