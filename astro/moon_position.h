// Geocentric position of the Moon: ELP-2000/82 truncated to its principal periodic terms (Meeus, Astronomical
// Algorithms, chapter 47), nutation in longitude added; degrees and km. The date-time value serves as
// dynamical time (no Delta T).
#pragma once

#include "astro/earth.h"

namespace astro {

/// Fills longitude (apparent, [0, 360)), latitude, radius (km), right_ascension and declination; leaves
/// parallax. The fundamental arguments in extended precision, reduced, then the terms in double precision:
/// within 1e-8 degree of the extended-precision reference (astro/reference.h) over the years 999 to 2399.
void moon_position(TSkyPosition& pos, TDateTime date);

inline TSkyPosition moon_position(TDateTime date) {
    TSkyPosition pos;
    moon_position(pos, date);
    return pos;
}

} // namespace astro
