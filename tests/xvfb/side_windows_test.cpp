// The tool windows open against the right edge of the converter window, where that window is when they are
// shown, and stay on the screen.
#include "tests/xvfb/x_session.h"

#include <utility>
#include <vector>

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

// Open together they cover neither one another nor the converter: to its right while there is room, then
// to its left.
TEST_F(SideWindows, OpenTogetherNoneCoversAnotherNorTheConverter) {
    const struct {
        const char* shortcut;
        const char* title;
    } windows[] = {{"ctrl+n", "^Calendar$"},
                   {"ctrl+o", "^Moon/Seasons\\.\\.\\.$"},
                   {"ctrl+alt+b", "^In Between dates$"},
                   {"ctrl+alt+r", "^Dates Repository$"}};
    for (const int left : {60, TXSession::kScreenWidth - 330}) {
        ASSERT_TRUE(move_frame(program.main_window(), left, 40));
        const QRect main = window_geometry(program.main_window()).frame;
        std::vector<std::pair<QString, QString>> opened;
        std::vector<QRect> frames{main};
        for (const auto& w : windows) {
            const QString title = QString::fromLatin1(w.title);
            const QString id = open_window(QString::fromLatin1(w.shortcut), title);
            if (id.isEmpty()) continue; // a window this desktop's keys do not reach
            opened.emplace_back(id, title);
            const QRect frame = window_geometry(id).frame;
            for (const QRect& other : frames)
                EXPECT_FALSE(frame.intersects(other))
                    << w.title << " " << ::testing::PrintToString(frame) << " over "
                    << ::testing::PrintToString(other) << " (converter at " << left << ")";
            frames.push_back(frame);
        }
        EXPECT_GE(opened.size(), 2u);
        for (const auto& [id, title] : opened) close(id, title);
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
