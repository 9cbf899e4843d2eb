#include "app/window_place.h"

#include <QGuiApplication>
#include <QMargins>
#include <QScreen>
#include <QStyle>
#include <QWidget>
#include <algorithm>
#include <cstdlib>

namespace almadex {
namespace {

/// Coordinates beyond this are no place on any desktop (and keep the arithmetic below far from overflow).
constexpr int kFarthest = 1000000;

bool absurd(QRect r) {
    const auto far = [](int v) { return std::abs(static_cast<long long>(v)) > kFarthest; };
    return far(r.x()) || far(r.y()) || far(r.width()) || far(r.height());
}

/// One coordinate of a span [start, start + length) moved the shortest way into [low, low + room).
int inside(int start, int length, int low, int room) {
    if (length >= room) return low;
    return std::clamp(start, low, low + room - length);
}

} // namespace

QPoint frame_inside(QRect frame, QRect area) {
    if (area.isEmpty()) return frame.topLeft();
    if (absurd(frame)) frame.moveTopLeft(area.topLeft());
    return {inside(frame.x(), frame.width(), area.x(), area.width()),
            inside(frame.y(), frame.height(), area.y(), area.height())};
}

QPoint reachable_frame_position(QRect frame, int title_height, const QList<QRect>& screens, QRect primary) {
    if (!absurd(frame)) {
        const QRect title(frame.x(), frame.y(), frame.width(), std::max(title_height, 1));
        const int grip = std::min(kTitleGrip, title.width());
        for (const QRect& screen : screens) {
            const QRect on = title.intersected(screen);
            if (on.height() == title.height() && on.width() >= grip) return frame.topLeft();
        }
    }
    return frame_inside(frame, primary);
}

QPoint beside_position(QRect anchor, QSize frame_size, TBesideAlign align, int down, QRect area) {
    const int x = anchor.x() + anchor.width();
    const int y =
        align == TBesideAlign::Top ? anchor.y() + down : anchor.y() + anchor.height() - frame_size.height();
    return frame_inside(QRect(QPoint(x, y), frame_size), area);
}

QPoint side_position(QRect anchor, QSize frame_size, TBesideAlign align, int down, QRect area,
                     const QList<QRect>& taken, int step) {
    const QPoint preferred = beside_position(anchor, frame_size, align, down, area);
    const auto free = [&](QRect frame) {
        if (area.isValid() && !area.contains(frame)) return false;
        if (frame.intersects(anchor)) return false;
        for (const QRect& other : taken)
            if (frame.intersects(other)) return false;
        return true;
    };
    // Columns: against the anchor's right edge, its left edge, then beside the windows already there,
    // nearest first.
    // A frame not yet drawn is estimated (app/window_place.h): to the left, a little room is kept for a
    // frame the window manager draws wider.
    constexpr int spare = 2;
    const int right = anchor.x() + anchor.width();
    const int left = anchor.x() - frame_size.width() - spare;
    QList<int> columns;
    for (const QRect& other : taken)
        columns << other.x() + other.width() << other.x() - frame_size.width() - spare;
    std::sort(columns.begin(), columns.end(), [&](int a, int b) {
        return std::abs(a - anchor.center().x()) < std::abs(b - anchor.center().x());
    });
    columns.prepend(left);
    columns.prepend(right);
    // Tops: the wanted one, then the anchor's top and right under each window there.
    QList<int> tops;
    for (const QRect& other : taken) tops << other.y() + other.height();
    std::sort(tops.begin(), tops.end());
    tops.prepend(anchor.y());
    tops.prepend(preferred.y());
    for (const int x : columns)
        for (const int y : tops)
            if (free(QRect(QPoint(x, y), frame_size))) return {x, y};
    // Nowhere free: at least never at the very place of another.
    QPoint at = preferred;
    for (int i = 0; i < 64 && std::any_of(taken.begin(), taken.end(),
                                          [&](const QRect& other) { return other.topLeft() == at; });
         ++i)
        at += QPoint(step, step);
    return at;
}

QSize frame_size(const QWidget* window, const QWidget* like) {
    if (window->frameGeometry() != window->geometry() || !like) return window->frameGeometry().size();
    const QRect frame = like->frameGeometry();
    const QRect client = like->geometry();
    return window->size().grownBy(QMargins(client.left() - frame.left(), client.top() - frame.top(),
                                           frame.right() - client.right(), frame.bottom() - client.bottom()));
}

void place_beside(QWidget* window, const QWidget* anchor, TBesideAlign align, int down,
                  const QList<QRect>& taken) {
    if (!window || !anchor) return;
    window->ensurePolished(); // a window whose size changes after it is created loses its frame position
    const QScreen* screen = anchor->screen() ? anchor->screen() : QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect();
    window->move(
        side_position(anchor->frameGeometry(), frame_size(window, anchor), align, down, area, taken));
}

void place_reachable(QWidget* window, QPoint wanted) {
    if (!window) return;
    // The frame is not known before the window manager has framed the window: its title bar is taken to be
    // as high as the style draws one, and its borders as wide as the style's window frames.
    const QStyle* style = window->style();
    const int title = style->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, window);
    const int border = style->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, window);
    QList<QRect> screens;
    for (const QScreen* s : QGuiApplication::screens()) screens << s->availableGeometry();
    const QScreen* primary = QGuiApplication::primaryScreen();
    const QRect frame(wanted, window->size() + QSize(2 * border, title + border));
    window->move(
        reachable_frame_position(frame, title, screens, primary ? primary->availableGeometry() : QRect()));
}

} // namespace almadex
