// What the program keeps between runs: the converter window's position, two options and the Islamic calendar
// the user follows, in the group "Setup" of the settings of the current user (user_settings(): organisation
// "Kelvane", application "Stellox", the registry key HKEY_CURRENT_USER\Software\Kelvane\Stellox\Setup on
// Windows, ~/.config/Kelvane/Stellox.conf elsewhere). The application core holds the settings object.
#pragma once

#include "almanac/islamic.h"
#include "app/language.h"

#include <memory>
#include <optional>

class QSettings;

namespace almadex {

/// The stored values, each absent until read.
struct TSetupValues {
    std::optional<int> Top;    ///< top edge of the main window, pixels
    std::optional<int> Left;   ///< left edge of the main window, pixels
    std::optional<bool> Run;   ///< the check mark of "Auto Run"
    std::optional<bool> TipOn; ///< the tip of the day at start-up
};

/// The settings of the current user, as the program keeps them.
std::unique_ptr<QSettings> user_settings();

/// Reads "Top", "Left", "Run" and "TipOn" in this order without creating anything. The first value that is
/// missing or does not read as an integer (booleans are stored as the numbers 0 and 1) ends the reading:
/// it and the values after it stay absent.
TSetupValues read_setup(QSettings& settings);

/// Writes the four values (the booleans as 0 or 1). Errors are ignored.
void write_setup(QSettings& settings, int top, int left, bool run, bool tip_on);

/// Writes "Top" and "Left" only.
void write_setup_position(QSettings& settings, int top, int left);

/// "IslamicCalendar" (moon, umm-al-qura or civil) and "HijriAdjust" (-2..+2), each read on its own: a value
/// that is missing, unknown or out of range leaves the default (moon, 0). Creates nothing.
almanac::TIslamicChoice read_islamic_choice(QSettings& settings);

/// Writes "IslamicCalendar" and "HijriAdjust".
void write_islamic_choice(QSettings& settings, const almanac::TIslamicChoice& choice);

/// "Language" (system, en, fr, ar) and "ArabicDigits" (0 or 1), each read on its own: a value that is missing
/// or unknown leaves the default (the system's language, Latin digits). Creates nothing.
TLanguageChoice read_language_choice(QSettings& settings);

/// Writes "Language" and "ArabicDigits".
void write_language_choice(QSettings& settings, const TLanguageChoice& choice);

} // namespace almadex
