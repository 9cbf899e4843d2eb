// What the converter window keeps between runs: its position, two options and the Islamic calendar the user
// follows, in the settings of the current user (organisation "Kelvane", application "Stellox", group "Setup":
// the registry key HKEY_CURRENT_USER\Software\Kelvane\Stellox\Setup on Windows,
// ~/.config/Kelvane/Stellox.conf elsewhere).
#pragma once

#include "almanac/islamic.h"

#include <optional>

namespace almadex {

/// The stored values, each absent until read.
struct TSetupValues {
    std::optional<int> Top;    ///< top edge of the main window, pixels
    std::optional<int> Left;   ///< left edge of the main window, pixels
    std::optional<bool> Run;   ///< the check mark of "Auto Run"
    std::optional<bool> TipOn; ///< the tip of the day at start-up
};

/// Reads "Top", "Left", "Run" and "TipOn" in this order without creating anything. The first value that is
/// missing or does not read as an integer (booleans are stored as the numbers 0 and 1) ends the reading:
/// it and the values after it stay absent.
TSetupValues read_setup();

/// Writes the four values (the booleans as 0 or 1). Errors are ignored.
void write_setup(int top, int left, bool run, bool tip_on);

/// Writes "Top" and "Left" only.
void write_setup_position(int top, int left);

/// "IslamicCalendar" (moon, umm-al-qura or civil) and "HijriAdjust" (-2..+2), each read on its own: a value
/// that is missing, unknown or out of range leaves the default (moon, 0). Creates nothing.
almanac::TIslamicChoice read_islamic_choice();

/// Writes "IslamicCalendar" and "HijriAdjust".
void write_islamic_choice(const almanac::TIslamicChoice& choice);

} // namespace almadex
