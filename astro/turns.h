// Sines and cosines of angles in turns (1 turn = 360 degrees = 2 pi radians) in double precision, written in
// plain arithmetic so that loops over arrays of angles vectorise (no call, no table, no branch). They serve
// the fast evaluations of the series; the extended-precision helpers of astro/angles.h remain the reference.
//
// Method: u is reduced exactly to f = u - nearest integer in [-1/2, 1/2]; the cosine is even, and for |f| >
// 1/4 cos(2 pi f) = -cos(2 pi (1/2 - |f|)), so the angle 2 pi a lies in [0, pi/2]; there the Taylor series of
// the cosine to the power 20 is exact to 2e-17. Absolute error below 4e-16 for every |u| < 2^51.
#pragma once

#include <cmath>

namespace astro {

namespace turns_detail {

// 1.5 * 2^52: adding and subtracting it rounds a double of magnitude below 2^51 to the nearest integer in the
// default rounding mode (ties to even), without a call.
inline constexpr double round_shift = 6755399441055744.0;

constexpr long double factorial(int n) {
    return n <= 1 ? 1.0L : n * factorial(n - 1);
}

// (-1)^k (2 pi)^(2k) / (2k)!: the coefficient of a^(2k) in the series of cos(2 pi a).
constexpr double cosine_coefficient(int k) {
    long double p = 1;
    for (int i = 0; i < 2 * k; ++i) p *= 6.283185307179586476925286766559L;
    return static_cast<double>((k % 2 == 0 ? p : -p) / factorial(2 * k));
}

inline constexpr double c0 = cosine_coefficient(0), c1 = cosine_coefficient(1), c2 = cosine_coefficient(2),
                        c3 = cosine_coefficient(3), c4 = cosine_coefficient(4), c5 = cosine_coefficient(5),
                        c6 = cosine_coefficient(6), c7 = cosine_coefficient(7), c8 = cosine_coefficient(8),
                        c9 = cosine_coefficient(9), c10 = cosine_coefficient(10);

// cos(2 pi a) for a in [0, 1/4], the polynomial in z = a^2 by Estrin's scheme: pairs of coefficients, then
// pairs of pairs, so that the additions do not wait on one another as in Horner's rule.
inline double cos_quarter(double a) {
    const double z = a * a;
    const double z2 = z * z;
    const double z4 = z2 * z2;
    const double z8 = z4 * z4;
    const double p01 = c0 + c1 * z, p23 = c2 + c3 * z, p45 = c4 + c5 * z, p67 = c6 + c7 * z,
                 p89 = c8 + c9 * z;
    const double p0123 = p01 + p23 * z2, p4567 = p45 + p67 * z2, p8910 = p89 + c10 * z2;
    return (p0123 + p4567 * z4) + p8910 * z8;
}

} // namespace turns_detail

/// The integer nearest to u, ties to even (std::nearbyint in the default rounding mode, without a call). For
/// |u| < 2^51.
inline double nearest_integer(double u) {
    using namespace turns_detail;
    return (u + round_shift) - round_shift;
}

/// u minus the nearest integer: [-1/2, 1/2], exact. For |u| < 2^51.
inline double reduce_turns(double u) {
    return u - nearest_integer(u);
}

/// cos(2 pi u).
inline double cos_turns(double u) {
    using namespace turns_detail;
    const double a = std::fabs(reduce_turns(u));
    const double b = 0.5 - a; // exact for a >= 1/4, the only case in which it is taken
    // The smaller of a and b, and the sign from the side of 1/4: written as a comparison and copysign, which
    // compile to vector instructions (a branch would keep the loops scalar).
    return std::copysign(cos_quarter(a < b ? a : b), 0.25 - a);
}

/// sin(2 pi u): with a = |f| for the reduced f, the sign of f times cos(2 pi (a - 1/4)), where |a - 1/4| lies
/// in [0, 1/4] (the difference is exact for a >= 1/8, within 3e-17 below).
inline double sin_turns(double u) {
    using namespace turns_detail;
    const double f = reduce_turns(u);
    return std::copysign(cos_quarter(std::fabs(std::fabs(f) - 0.25)), f);
}

/// sin_turns(u) and cos_turns(u), from one reduction.
inline void sin_cos_turns(double u, double& s, double& c) {
    using namespace turns_detail;
    const double f = reduce_turns(u);
    const double a = std::fabs(f);
    const double b = 0.5 - a;
    c = std::copysign(cos_quarter(a < b ? a : b), 0.25 - a);
    s = std::copysign(cos_quarter(std::fabs(a - 0.25)), f);
}

/// The same over arrays of n angles in degrees, in vectorised loops: s[i] = sin x[i], c[i] = cos x[i]. Each
/// angle is divided by 360 before its reduction, so an angle of m degrees is off by about m * 1e-16 degrees:
/// reduce large angles first.
void sin_cos_degrees(const double* x, double* s, double* c, int n);
void sin_degrees(const double* x, double* s, int n);

} // namespace astro
