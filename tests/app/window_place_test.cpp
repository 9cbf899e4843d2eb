// Where windows open: a stored frame position kept reachable on the screens there are, and tool windows
// against the right edge of their window, kept inside the screen.
#include "app/window_place.h"

#include <gtest/gtest.h>
#include <ostream>

QT_BEGIN_NAMESPACE
inline void PrintTo(const QPoint& p, std::ostream* os) {
    *os << '(' << p.x() << ", " << p.y() << ')';
}
QT_END_NAMESPACE

using namespace almadex;

namespace {

const QRect kPrimary(0, 0, 1280, 800);
const QRect kRightScreen(1280, 0, 1920, 1080);
constexpr int kTitle = 20;

TEST(WindowPlace, AStoredFrameStandsWhileItsTitleBarCanBeGrabbed) {
    struct Case {
        const char* what;
        QRect frame;
        QList<QRect> screens;
        QPoint expected;
    };
    const Case cases[] = {
        {"wholly on the screen", {300, 200, 312, 452}, {kPrimary}, {300, 200}},
        {"partly below the screen: the title bar is on it", {300, 700, 312, 452}, {kPrimary}, {300, 700}},
        {"100 px of the title bar at the left edge", {-212, 100, 312, 452}, {kPrimary}, {-212, 100}},
        {"99 px at the left edge: moved in", {-213, 100, 312, 452}, {kPrimary}, {0, 100}},
        {"title bar one pixel above the screen", {300, -1, 312, 452}, {kPrimary}, {300, 0}},
        {"twenty starts' creep above the screen", {300, -400, 312, 452}, {kPrimary}, {300, 0}},
        {"on a second screen", {1500, 100, 312, 452}, {kPrimary, kRightScreen}, {1500, 100}},
        {"on a second screen that is gone", {1500, 100, 312, 452}, {kPrimary}, {968, 100}},
        {"across two screens, the title bar on both",
         {1100, 100, 312, 452},
         {kPrimary, kRightScreen},
         {1100, 100}},
        {"an absurd top", {100, 99999999, 312, 452}, {kPrimary}, {0, 0}},
        {"an absurd left", {-2147483000, 100, 312, 452}, {kPrimary}, {0, 0}},
        {"no screen at all", {300, 200, 312, 452}, {}, {300, 200}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(
            reachable_frame_position(c.frame, kTitle, c.screens, c.screens.isEmpty() ? QRect() : kPrimary),
            c.expected)
            << c.what;
}

TEST(WindowPlace, AFrameLargerThanTheScreenKeepsItsTitleBarOnIt) {
    EXPECT_EQ(frame_inside(QRect(500, 300, 2000, 1000), kPrimary), QPoint(0, 0));
    EXPECT_EQ(frame_inside(QRect(-50, 300, 200, 1000), kPrimary), QPoint(0, 0));
}

TEST(WindowPlace, ToolWindowsSitAgainstTheRightEdgeOfTheirWindow) {
    struct Case {
        const char* what;
        QRect anchor;
        QSize size;
        TBesideAlign align;
        int down;
        QPoint expected;
    };
    const Case cases[] = {
        {"tops aligned", {100, 50, 312, 452}, {193, 426}, TBesideAlign::Top, 0, {412, 50}},
        {"bottoms aligned", {100, 50, 312, 452}, {250, 150}, TBesideAlign::Bottom, 0, {412, 352}},
        {"under another window", {100, 50, 312, 452}, {307, 240}, TBesideAlign::Top, 260, {412, 310}},
        {"at the screen's right edge: kept inside",
         {1000, 50, 312, 452},
         {193, 426},
         TBesideAlign::Top,
         0,
         {1087, 50}},
        {"at the screen's bottom: kept inside",
         {100, 600, 312, 452},
         {193, 426},
         TBesideAlign::Top,
         0,
         {412, 374}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(beside_position(c.anchor, c.size, c.align, c.down, kPrimary), c.expected) << c.what;
}

} // namespace

namespace {

TEST(WindowPlace, SideWindowsCoverNoOtherSideWindowRightThenLeft) {
    const QRect main(100, 100, 300, 450); // frames: its right edge at x 399
    const QRect at_right_edge(1000, 100, 280, 450);
    const QSize side(200, 300);
    struct Case {
        const char* what;
        QRect anchor;
        TBesideAlign align;
        QList<QRect> taken;
        QPoint expected;
        QRect area = kPrimary;
    };
    const Case cases[] = {
        {"alone: to the right, tops aligned", main, TBesideAlign::Top, {}, {400, 100}},
        {"alone, bottoms aligned", main, TBesideAlign::Bottom, {}, {400, 250}},
        {"under the one already there", main, TBesideAlign::Top, {{400, 100, 200, 300}}, {400, 400}},
        {"bottoms aligned over one at the top: under it",
         main,
         TBesideAlign::Bottom,
         {{400, 100, 200, 300}},
         {400, 400}},
        {"no room at the right of a window at the screen's edge: to the left",
         at_right_edge,
         TBesideAlign::Top,
         {},
         {798, 100}},
        {"the left side's first free place",
         at_right_edge,
         TBesideAlign::Top,
         {{798, 100, 200, 300}},
         {798, 400}},
        {"the right side full: a column further out",
         main,
         TBesideAlign::Top,
         {{400, 100, 200, 300}, {400, 400, 200, 300}},
         {600, 100}},
        {"no room anywhere: never at another's place",
         main,
         TBesideAlign::Top,
         {{400, 100, 200, 300}, {400, 400, 200, 300}},
         {424, 124},
         QRect(0, 0, 700, 800)},
    };
    for (const Case& c : cases) {
        const QPoint at = side_position(c.anchor, side, c.align, 0, c.area, c.taken);
        EXPECT_EQ(at, c.expected) << c.what;
        if (c.area == kPrimary) {
            EXPECT_FALSE(QRect(at, side).intersects(c.anchor)) << c.what; // the converter stays uncovered
        }
    }
}

} // namespace
