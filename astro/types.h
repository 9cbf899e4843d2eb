// Scalar types shared by the whole library.
#pragma once

namespace astro {

/// Extended precision: 80-bit on x86-64.
using extended = long double;

/// The date-time value: days since 1899-12-30 00:00, the fraction being the time of day. One continuous,
/// linear count in both directions; the day of an instant is its value rounded down.
using TDateTime = double;

} // namespace astro
