// The program's pictures: the logo, the about picture, the program icon (resources/app, drawn by
// tools/make_logo.py) and the toolbar glyphs, taken from the desktop's icon theme where it has a fitting one
// and otherwise painted here.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace almadex {

/// The logo of the start-up window, 166 x 32.
QPixmap logo_picture();
/// The picture of the about window, 48 x 48.
QPixmap about_picture();
/// The program's window icon: a crescent and a star.
QIcon program_icon();

/// A calendar leaf with a short mark (a day number or a letter) under a coloured band: the feast commands.
QIcon leaf_icon(const QString& mark, const QColor& band);
/// Two overlapping pages: copy all calendars.
QIcon copy_icon();
/// A leaf with today's cell marked: current date.
QIcon today_icon();
/// A month grid: the calendar window.
QIcon calendar_icon();
/// A crescent: the Moon window.
QIcon moon_icon();

/// A compass rose `size` pixels wide (at the device pixel ratio `ratio`) with the Qibla's direction: north
/// up, the needle turned `direction` degrees clockwise, toward the Kaaba.
QPixmap qibla_picture(double direction, int size, qreal ratio);

} // namespace almadex
