// Apparent geocentric position of the Sun: VSOP87 D, FK5, aberration and nutation; degrees and km.
// The date-time value serves as dynamical time (no Delta T).
#pragma once

#include "astro/earth.h"

namespace astro {

/// Fills longitude, latitude, radius (km), right_ascension and declination of pos; parallax is not written.
/// The series in double precision (earth_heliocentric): within 1e-9 degree of the extended-precision
/// reference (astro/reference.h) over the years 999 to 2399.
void sun_position(TDateTime t, TSkyPosition& pos);

inline TSkyPosition sun_position(TDateTime t) {
    TSkyPosition pos;
    sun_position(t, pos);
    return pos;
}

} // namespace astro
