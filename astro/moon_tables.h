// Coefficient tables of the Moon, generated from astro/data by the scripts in tools/
// (moon_position_tables.cpp, moon_phase_tables.cpp). Internal to the library's Moon units and their tests.
#pragma once

#include "astro/types.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace astro::moon_tables {

/// Multipliers of the arguments D, M, M', F of one periodic term of the Moon's position.
struct TArgumentRow {
    std::int8_t d;
    std::int8_t m;
    std::int8_t m_prime;
    std::int8_t f;
};

/// Rows of each table of the Moon's position (Meeus, Astronomical Algorithms, tables 47.A and 47.B).
inline constexpr std::size_t term_count = 60;

/// Table A (longitude and distance) and table B (latitude), in the book's row order.
extern const std::array<TArgumentRow, term_count> longitude_distance_arguments;
extern const std::array<TArgumentRow, term_count> latitude_arguments;
/// Cosine terms of the distance, units of 0.001 km (table A).
extern const std::array<std::int32_t, term_count> distance_coefficients;
/// Sine terms of the longitude, units of 0.000001 degree (table A).
extern const std::array<std::int32_t, term_count> longitude_coefficients;
/// Sine terms of the latitude, units of 0.000001 degree (table B).
extern const std::array<std::int32_t, term_count> latitude_coefficients;

/// One periodic correction of a mean phase: coefficient * E^e_power * sin(m M + m' M' + f F + omega Omega).
struct TPhaseTerm {
    extended coefficient; ///< days
    std::int8_t e_power;
    std::int8_t m;
    std::int8_t m_prime;
    std::int8_t f;
    std::int8_t omega;
};

/// Terms of each phase correction (Meeus, Astronomical Algorithms, chapter 49).
inline constexpr std::size_t phase_term_count = 25;

extern const std::array<TPhaseTerm, phase_term_count> new_moon_terms;
extern const std::array<TPhaseTerm, phase_term_count> full_moon_terms;
/// First and last quarter; the correction W is added or subtracted besides.
extern const std::array<TPhaseTerm, phase_term_count> quarter_terms;

} // namespace astro::moon_tables
