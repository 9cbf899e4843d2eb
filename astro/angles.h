// Angle and arithmetic helpers: degrees between routines, radians inside these helpers.
// All of them are pure and inline; they sit in the innermost loops of the series.
#pragma once

#include "astro/types.h"

#include <cmath>
#include <cstdint>

namespace astro {

inline constexpr extended pi = 3.1415926535897932385L;
inline constexpr extended half_pi = 1.5707963267948966193L;

/// x / 180 * pi (divide first, then multiply).
inline extended degrees_to_radians(extended x) {
    return x / 180.0L * pi;
}

/// x * 180 / pi (multiply first, then divide).
inline extended radians_to_degrees(extended x) {
    return x * 180.0L / pi;
}

/// x rounded to the nearest integer, ties to even: std::nearbyint in the default rounding mode, without its
/// costly save and restore of the floating-point environment. Adding and subtracting 1.5 * 2^63 leaves x's
/// integer part in the 64-bit significand (the sign of a zero result is x's, as nearbyint gives it); larger
/// magnitudes (already integers) and NaN take std::nearbyint.
inline extended round_half_even(extended x) {
    constexpr extended shift = 0x1.8p63L;
    if (!(std::fabs(x) < 0x1p62L)) return std::nearbyint(x);
    return std::copysign((x + shift) - shift, x);
}

/// Angle congruent to x in [0, 360): x - 360 * round_half_even(x / 360), then +360 when negative.
/// A negative x smaller in magnitude than the precision of 360 gives exactly 360. From |x| = 2^60 on, where
/// 360 * q would no longer be exact, the exact remainder of fmod takes its place; so no x needs more than one
/// step, and a NaN or an infinite x gives NaN.
inline extended normalize_degrees(extended x) {
    if (!(std::fabs(x) < 0x1p60L)) {
        const extended r = std::fmod(x, 360.0L);
        return r < 0 ? r + 360.0L : r;
    }
    const extended q = round_half_even(x / 360.0L);
    extended r = x - 360.0L * q;
    if (r < 0) r += 360.0L;
    return r;
}

inline extended tan_rad(extended x) {
    return std::sin(x) / std::cos(x);
}

/// arctan(y / x), plus pi when x < 0: radians in (-pi/2, 3pi/2), not reduced into [0, 2pi).
/// For x = 0 the limit: pi/2 for y > 0, -pi/2 for y < 0, 0 for y = 0.
inline extended atan2_rad(extended y, extended x) {
    if (x == 0) return y > 0 ? half_pi : (y < 0 ? -half_pi : 0.0L);
    const extended a = std::atan(y / x);
    return x >= 0 ? a : a + pi;
}

/// arctan(x / sqrt(1 - x^2)): radians in [-pi/2, pi/2]; the limits at exactly -1 and 1. NaN outside [-1, 1].
inline extended asin_rad(extended x) {
    if (x == 1) return half_pi;
    if (x == -1) return -half_pi;
    return std::atan(x / std::sqrt(1.0L - x * x));
}

/// pi/2 - asin_rad(x): radians in [0, pi].
inline extended acos_rad(extended x) {
    return half_pi - asin_rad(x);
}

inline extended sin_deg(extended x) {
    return std::sin(degrees_to_radians(normalize_degrees(x)));
}
inline extended cos_deg(extended x) {
    return std::cos(degrees_to_radians(normalize_degrees(x)));
}
inline extended tan_deg(extended x) {
    return tan_rad(degrees_to_radians(normalize_degrees(x)));
}

/// Degrees in (-90, 270), not reduced further (atan2_deg(-1, 1) is -45).
inline extended atan2_deg(extended y, extended x) {
    return radians_to_degrees(atan2_rad(y, x));
}
inline extended asin_deg(extended x) {
    return radians_to_degrees(asin_rad(x));
}
inline extended acos_deg(extended x) {
    return radians_to_degrees(acos_rad(x));
}
inline extended atan_deg(extended x) {
    return radians_to_degrees(std::atan(x));
}

/// Signed difference a - b in (-180, 180]; the half turn is always +180.
inline extended angle_difference(extended a, extended b) {
    extended d = normalize_degrees(a - b);
    if (d > 180) d -= 360;
    return d;
}

/// a mod n counted from 1: 1..n (months 1..12, the 60-year cycle 1..60). n must be positive; for n <= 0
/// there is no such residue and the result is 0.
inline std::int32_t mod_one_based(std::int32_t a, std::int32_t n) {
    if (n <= 0) return 0;
    std::int32_t r = a % n;
    while (r < 1) r += n;
    return r;
}

} // namespace astro
