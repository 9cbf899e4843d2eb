// Easter Sunday of a year: the Gregorian computus (Gauss's method with its two exceptions) from 1583 to 2399,
// the Julian computus up to 1582.
#pragma once

#include "astro/types.h"

#include <cstdint>

namespace astro {

/// Easter Sunday at 00:00: Julian computus (a Julian calendar date) before 1583, Gregorian from 1583 on.
/// Raises E_OutOfAlgorithmRange "Out of range of the algorithm" from 2400 on.
TDateTime easter_date(std::int32_t year);

/// Gregorian Easter by Gauss's method, years 1583 to 2399; any other year raises E_OutOfAlgorithmRange
/// "Out of range of the algorithm".
TDateTime easter_gregorian(std::int32_t year);

/// Julian Easter (a date of the Julian calendar); no range of its own, but the date encoder rejects years
/// outside 1..9999 with EConvertError "Invalid year".
TDateTime easter_julian(std::int32_t year);

} // namespace astro
