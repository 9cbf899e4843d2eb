// Orientation of the Earth: nutation (IAU 1980, 31 largest terms), true obliquity, apparent sidereal time,
// and apparent ecliptic to equatorial coordinates. Meeus, Astronomical Algorithms, chapters 12, 13 and 22.
// The date-time value serves as universal time for the sidereal time and as dynamical time for the series
// alike.
#pragma once

#include "astro/types.h"

#include <cstdint>

namespace astro {

/// One periodic term of the nutation: multiples of D, M, M', F and Omega; the sine amplitude of the nutation
/// in longitude and its rate, the cosine amplitude of the nutation in obliquity and its rate. Amplitudes in
/// units of 0.0001 arc second, rates in 0.00001 arc second per Julian century.
struct TNutationTerm {
    std::int8_t d, m, m_prime, f, omega;
    std::int32_t psi_amplitude, psi_rate, eps_amplitude, eps_rate;
};

inline constexpr int nutation_term_count = 31;
/// The 31 largest terms of the IAU 1980 nutation, by decreasing longitude amplitude (the order of summation).
/// Generated from astro/data/nutation_iau1980.tsv by tools/gen_nutation_tables.py.
extern const TNutationTerm nutation_terms[nutation_term_count];

/// Position of the Sun or the Moon; angles in degrees, radius in km.
struct TSkyPosition {
    extended longitude =
        0;                 ///< geocentric ecliptic longitude, [0, 360); apparent after ecliptic_to_equatorial
    extended latitude = 0; ///< geocentric ecliptic latitude
    extended radius = 0;   ///< distance between the centres of the Earth and the body, km
    extended right_ascension = 0; ///< apparent right ascension, (-90, 270): not reduced into [0, 360)
    extended declination = 0;     ///< apparent declination
    extended parallax = 0;        ///< equatorial horizontal parallax; set only by the topocentric correction
};

/// Nutation in longitude dpsi and true obliquity eps at instant t, both in degrees. The fundamental arguments
/// in extended precision, the 31 terms in double precision (within 1e-15 degree of the extended reference).
void nutation_obliquity(TDateTime t, extended& dpsi, extended& eps);

/// Apparent sidereal time at Greenwich at instant t (not at 00:00 of its day), degrees in [0, 360).
extended apparent_sidereal_time(TDateTime t);

/// Adds the nutation in longitude to pos.longitude (reduced into [0, 360)) and fills pos.right_ascension and
/// pos.declination with the true obliquity of instant t; the rotation in double precision.
void ecliptic_to_equatorial(TSkyPosition& pos, TDateTime t);

} // namespace astro
