// Where windows open: the converter window at its stored frame position, kept where its title bar can be
// reached, and the tool windows against the right edge of the window they belong to, kept on its screen.
// Positions are those of frames (the window manager's decorations included), as they are stored.
#pragma once

#include <QList>
#include <QPoint>
#include <QRect>

class QWidget;

namespace almadex {

/// The frame position that keeps a window reachable. `frame` is the window's frame at its wanted place,
/// `title_height` the height of its title bar (the top of the frame). The place stands when at least
/// kTitleGrip pixels of the title bar's width (or the whole of a narrower one) lie on one of `screens` over
/// the bar's whole height; otherwise the frame moves the shortest way into `primary`. Absurd coordinates
/// (beyond a million pixels) count as off every screen.
QPoint reachable_frame_position(QRect frame, int title_height, const QList<QRect>& screens, QRect primary);
constexpr int kTitleGrip = 100;

/// The frame moved the shortest way inside `area` (its top-left corner inside when it is larger).
QPoint frame_inside(QRect frame, QRect area);

/// Which edge of the anchor's frame a tool window's top or bottom meets.
enum class TBesideAlign { Top, Bottom };

/// The frame position of a window placed against the right edge of `anchor` (the anchor's frame): its top at
/// the anchor's top plus `down`, or its bottom at the anchor's bottom; kept inside `area`.
QPoint beside_position(QRect anchor, QSize frame_size, TBesideAlign align, int down, QRect area);

/// The frame position of a side window of `anchor` that covers neither the anchor nor the frames `taken`
/// (the other side windows shown), inside `area`: against the anchor's right edge where there is room, else
/// its left edge, else beside one of the taken frames (nearest the anchor first); in each column at the top
/// beside_position gives, else the anchor's top, else right under a taken frame. Where nothing is free,
/// beside_position's place moved down and right by `step` until no taken frame starts at the same point.
QPoint side_position(QRect anchor, QSize frame_size, TBesideAlign align, int down, QRect area,
                     const QList<QRect>& taken, int step = 24);

/// The size of `window`'s frame; before the window manager has framed it, its size with the decorations
/// that `like` (a framed window) has.
QSize frame_size(const QWidget* window, const QWidget* like);

/// Moves `window` (about to be shown) beside `anchor`'s frame as side_position does, on the anchor's
/// screen, clear of the frames `taken`. A window whose frame is not known yet is taken to have the anchor's
/// decorations.
void place_beside(QWidget* window, const QWidget* anchor, TBesideAlign align = TBesideAlign::Top,
                  int down = 0, const QList<QRect>& taken = {});

/// Moves the converter window (about to be shown for the first time) to its frame position `wanted`, kept
/// reachable on the screens there are now.
void place_reachable(QWidget* window, QPoint wanted);

} // namespace almadex
