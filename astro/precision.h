// The two evaluation paths of the library. The reference path computes in extended precision with the x87
// functions of astro/angles.h; the fast path computes in double precision with the kernels of astro/turns.h,
// after reducing large angles into [0, 360) in extended precision. A routine written once as a template over
// one of these two structs gives both: the public functions take the fast path, and the reference stays
// callable (astro/reference.h) so that a test can bound the difference.
#pragma once

#include "astro/angles.h"
#include "astro/turns.h"
#include "astro/types.h"

#include <cmath>

namespace astro {

/// Extended precision and the x87 functions: the library's reference arithmetic.
struct TExtendedMath {
    using real = extended;

    /// An angle in degrees as this path takes it: unchanged (the functions below reduce it).
    static real angle(extended x) { return x; }
    static real sin_deg(real x) { return astro::sin_deg(x); }
    static real cos_deg(real x) { return astro::cos_deg(x); }
    static real tan_deg(real x) { return astro::tan_deg(x); }
    static real asin_deg(real x) { return astro::asin_deg(x); }
    static real acos_deg(real x) { return astro::acos_deg(x); }
    static real atan_deg(real x) { return astro::atan_deg(x); }
    static real atan2_deg(real y, real x) { return astro::atan2_deg(y, x); }
    static real normalize_degrees(real x) { return astro::normalize_degrees(x); }
    static real sin_rad(real x) { return std::sin(x); }
    static real cos_rad(real x) { return std::cos(x); }
    static real tan_rad(real x) { return astro::tan_rad(x); }
    static real degrees_to_radians(real x) { return astro::degrees_to_radians(x); }
    /// Sines (and cosines) of n angles in degrees, one after the other.
    static void sin_cos_deg(const real* x, real* s, real* c, int n) {
        for (int i = 0; i < n; ++i) {
            s[i] = astro::sin_deg(x[i]);
            c[i] = astro::cos_deg(x[i]);
        }
    }
    static void sin_deg(const real* x, real* s, int n) {
        for (int i = 0; i < n; ++i) s[i] = astro::sin_deg(x[i]);
    }
};

/// Double precision and the turns kernels: the fast arithmetic.
struct TDoubleMath {
    using real = double;

    static constexpr double pi = 3.14159265358979323846;

    /// An angle in degrees reduced into [0, 360) in extended precision, then rounded to double: the angles
    /// of the series grow to millions of degrees, whose last double digit would be a millionth of a degree.
    static real angle(extended x) { return static_cast<double>(astro::normalize_degrees(x)); }
    static double sin_deg(double x) { return sin_turns(x / 360); }
    static double cos_deg(double x) { return cos_turns(x / 360); }
    static double tan_deg(double x) { return sin_turns(x / 360) / cos_turns(x / 360); }
    /// The conventions of astro/angles.h: asin through the arctangent, the limits at exactly -1 and 1.
    static double asin_deg(double x) {
        if (x == 1) return 90;
        if (x == -1) return -90;
        return std::atan(x / std::sqrt(1.0 - x * x)) * 180.0 / pi;
    }
    static double acos_deg(double x) { return 90.0 - asin_deg(x); }
    static double atan_deg(double x) { return std::atan(x) * 180.0 / pi; }
    /// Degrees in (-90, 270), as atan2_deg.
    static double atan2_deg(double y, double x) {
        if (x == 0) return y > 0 ? 90.0 : (y < 0 ? -90.0 : 0.0);
        const double a = std::atan(y / x);
        return (x >= 0 ? a : a + pi) * 180.0 / pi;
    }
    static double sin_rad(double x) { return sin_turns(x / (2 * pi)); }
    static double cos_rad(double x) { return cos_turns(x / (2 * pi)); }
    static double tan_rad(double x) { return sin_rad(x) / cos_rad(x); }
    static double degrees_to_radians(double x) { return x / 180.0 * pi; }
    /// Sines (and cosines) of n angles in degrees below a few thousand, in vectorised loops.
    static void sin_cos_deg(const double* x, double* s, double* c, int n) { sin_cos_degrees(x, s, c, n); }
    static void sin_deg(const double* x, double* s, int n) { sin_degrees(x, s, n); }
    /// As astro::normalize_degrees: in double precision below 2^50 turns, in extended precision beyond; one
    /// step either way (a NaN or an infinite x gives NaN).
    static double normalize_degrees(double x) {
        if (!(std::fabs(x) < 0x1p50 * 360.0)) return static_cast<double>(astro::normalize_degrees(x));
        const double q = nearest_integer(x / 360.0);
        double r = x - 360.0 * q;
        if (r < 0) r += 360.0;
        return r;
    }
};

} // namespace astro
