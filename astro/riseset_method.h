// The steps of the rise, transit and set method (Meeus, Astronomical Algorithms, chapter 15, one correction,
// no Delta T), written once for both evaluation paths of astro/precision.h: the public routines of
// astro/riseset.h and astro/prayer.h are built from them. Internal to those two units and their tests.
#pragma once

#include "astro/precision.h"
#include "astro/riseset.h"

#include <cmath>
#include <limits>

namespace astro::riseset_method {

// Sidereal degrees per solar day, for the sidereal time at a fraction m of the day.
inline constexpr long double sidereal_degrees_per_day = 360.985647L;

/// x minus its integer part (toward zero), plus 1 when negative: [0, 1).
template <class R>
R reduce_fraction(R x) {
    R r = x - std::trunc(x);
    if (r < 0) r += R(1);
    // A negative x of a few ulps rounds to exactly 1 above; the fraction is then 0.
    if (r >= R(1)) r = 0;
    return r;
}

/// The first differences a = y2 - y1 and b = y3 - y2 of Meeus's formula 3.3, a difference beyond 100 degrees
/// between neighbours taken as a full-turn wrap.
template <class R>
void differences(R y1, R y2, R y3, R& a, R& b) {
    a = y2 - y1;
    b = y3 - y2;
    if (a > 100) a -= 360;
    if (a < -100) a += 360;
    if (b > 100) b -= 360;
    if (b < -100) b += 360;
}

/// Meeus, formula 3.3, with the wrapped differences above.
template <class R>
R interpolate(R y1, R y2, R y3, R n) {
    R a, b;
    differences(y1, y2, y3, a, b);
    const R c = b - a;
    return y2 + (n / 2) * (a + b + n * c);
}

/// The correction (days) of a first estimate m: which = 0 transit, 1 rising, 2 setting, anything else 0.
template <class M>
typename M::real correction(const TRiseSetWorkOf<typename M::real>& w, int which, typename M::real m) {
    using R = typename M::real;
    const R n = m; // universal time throughout: no Delta T
    const R alpha = interpolate(w.alpha1, w.alpha2, w.alpha3, n);
    const R delta = interpolate(w.delta1, w.delta2, w.delta3, n);
    const R theta = w.theta0 + R(sidereal_degrees_per_day) * m;
    R hour_angle = M::normalize_degrees(theta - w.longitude - alpha);
    if (hour_angle > 180) hour_angle -= 360;
    switch (which) {
    case 0:
        return -hour_angle / 360;
    case 1:
    case 2: {
        R sin_h = M::sin_deg(w.latitude) * M::sin_deg(delta) +
                  M::cos_deg(w.latitude) * M::cos_deg(delta) * M::cos_deg(hour_angle);
        // Rounding may carry a zenith passage a hair beyond 1.
        if (sin_h > 1) sin_h = 1;
        if (sin_h < -1) sin_h = -1;
        const R h = M::asin_deg(sin_h);
        return (h - w.h0) / (360 * M::cos_deg(delta) * M::cos_deg(w.latitude) * M::sin_deg(hour_angle));
    }
    default:
        return 0;
    }
}

/// Hour angle H0 (degrees, 0 to 180) at which the body crosses w.h0, from the middle declination; NaN when
/// the cosine lies outside [-1, 1] or is not a number.
template <class M>
typename M::real hour_angle(const TRiseSetWorkOf<typename M::real>& w) {
    using R = typename M::real;
    const R cos_h0 = (M::sin_deg(w.h0) - M::sin_deg(w.latitude) * M::sin_deg(w.delta2)) /
                     (M::cos_deg(w.latitude) * M::cos_deg(w.delta2));
    // Written so that a NaN (a latitude that is not a number, say) fails the test as well.
    if (!(cos_h0 >= -1 && cos_h0 <= 1)) return std::numeric_limits<R>::quiet_NaN();
    return M::acos_deg(cos_h0);
}

/// The first estimate of the transit, a day fraction not yet reduced.
template <class R>
R transit_estimate(const TRiseSetWorkOf<R>& w) {
    return (w.alpha2 + w.longitude - w.theta0) / 360;
}

/// The corrected day fractions of the transit, and of the rising and setting at hour angle h0_angle.
template <class M>
typename M::real transit_fraction(const TRiseSetWorkOf<typename M::real>& w) {
    const auto m0 = reduce_fraction(transit_estimate(w));
    return m0 + correction<M>(w, 0, m0);
}
template <class M>
typename M::real rising_fraction(const TRiseSetWorkOf<typename M::real>& w, typename M::real h0_angle) {
    const auto m1 = reduce_fraction(transit_estimate(w) - h0_angle / 360);
    return m1 + correction<M>(w, 1, m1);
}
template <class M>
typename M::real setting_fraction(const TRiseSetWorkOf<typename M::real>& w, typename M::real h0_angle) {
    const auto m2 = reduce_fraction(transit_estimate(w) + h0_angle / 360);
    return m2 + correction<M>(w, 2, m2);
}

/// The instant at `fraction` of the day of `date` (the fraction not reduced); NaN when it is not finite (a
/// cosine of H0 of exactly -1 or 1 leaves sin H = 0 in the correction).
template <class R>
double at_fraction(TDateTime date, R fraction) {
    const extended result = rise_set_day(date) + static_cast<extended>(fraction);
    if (!std::isfinite(result)) return std::numeric_limits<double>::quiet_NaN();
    return static_cast<double>(result);
}

/// The same for a fraction in [0, 1) that must stay within the day: a fraction a few ulps below 1 would round
/// onto the next day, and gives the last double of the day instead.
template <class R>
double within_day(TDateTime date, R fraction) {
    const double t = at_fraction(date, fraction);
    const TDateTime d = rise_set_day(date);
    return !(t >= d + 1) ? t : std::nextafter(d + 1, d);
}

} // namespace astro::riseset_method
