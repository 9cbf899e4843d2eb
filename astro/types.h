// Scalar types shared by the whole library.
#pragma once

namespace astro {

/// Extended precision: 80-bit on x86-64.
using extended = long double;

/// The date-time value: days since 1899-12-30 00:00, the fraction being the time of day. One continuous,
/// linear count in both directions; the day of an instant is its value rounded down.
/// Every routine taking an instant refuses one that is not a finite number or lies more than 10,000,000 days
/// from the epoch with E_OutOfAlgorithmRange "Out of range of the algorithm" (astro/errors.h,
/// check_instant), before any work. Two kinds keep errors of their own that come first: the civil calendars
/// (astro/calendar.h) raise EConvertError for days outside the years 1..9999, and rising, setting and the
/// prayer times raise their E_NoRiseSet message for an input that is not a finite number.
using TDateTime = double;

} // namespace astro
