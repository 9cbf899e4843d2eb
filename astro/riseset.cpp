#include "astro/riseset.h"

#include "astro/angles.h"
#include "astro/errors.h"
#include "astro/lunar_data.h"
#include "astro/moon_position.h"
#include "astro/sun.h"

#include <cmath>

namespace astro {

namespace {

// The Moon's standard altitude: 0.7275 times its horizontal parallax, less 34' of refraction.
constexpr extended moon_parallax_factor = 0.7275L;
constexpr extended horizon_refraction = 0.5666666666666667L;

// Sidereal degrees per solar day, for the sidereal time at a fraction m of the day.
constexpr extended sidereal_degrees_per_day = 360.985647L;

// The Earth's figure for the observer's geocentric position: (b/a)^2, b/a and the equatorial radius in
// metres.
constexpr extended earth_axis_ratio_squared = 0.99330562133489609997L;
constexpr extended earth_axis_ratio = 0.99664719L;
constexpr extended earth_radius_m = 6378140.0L;

// Horizontal parallax of the Sun at one astronomical unit (8.794 arc seconds, in degrees) and the unit in km.
constexpr extended solar_parallax = 0.00244277777777777766L;
constexpr extended km_per_au = 149597869.0L;

extended standard_altitude(bool sun, RiseSetEvent kind) {
    switch (kind) {
    case Rise:
    case Set:
        return sun ? sun_standard_altitude : 0.0L; // the Moon's depends on its parallax
    case CivilDawn:
    case CivilDusk:
        return -6.0L;
    case NauticalDawn:
    case NauticalDusk:
        return -12.0L;
    case AstronomicalDawn:
    case AstronomicalDusk:
        return -18.0L;
    default:
        return 0.0L; // Transit, and kinds outside the table
    }
}

void require_finite(TDateTime date, extended latitude, extended longitude, const char* message) {
    if (!std::isfinite(date) || !std::isfinite(latitude) || !std::isfinite(longitude))
        throw E_NoRiseSet(message);
}

} // namespace

TDateTime rise_set_day(TDateTime date) {
    return std::floor(date);
}

extended reduce_day_fraction(extended x) {
    extended r = x - std::trunc(x);
    if (r < 0) r += 1.0L;
    // A negative x of a few ulps rounds to exactly 1 above; the fraction is then 0.
    if (r >= 1.0L) r = 0.0L;
    return r;
}

extended interpolate3(extended y1, extended y2, extended y3, extended n) {
    extended a = y2 - y1;
    extended b = y3 - y2;
    if (a > 100) a -= 360;
    if (a < -100) a += 360;
    if (b > 100) b -= 360;
    if (b < -100) b += 360;
    const extended c = b - a;
    return y2 + (n / 2) * (a + b + n * c);
}

extended rise_set_correction(const TRiseSetWork& w, int which, extended m) {
    const extended n = m; // universal time throughout: no Delta T
    const extended alpha = interpolate3(w.alpha1, w.alpha2, w.alpha3, n);
    const extended delta = interpolate3(w.delta1, w.delta2, w.delta3, n);
    const extended theta = w.theta0 + sidereal_degrees_per_day * m;
    extended hour_angle = normalize_degrees(theta - w.longitude - alpha);
    if (hour_angle > 180) hour_angle -= 360;
    switch (which) {
    case 0:
        return -hour_angle / 360;
    case 1:
    case 2: {
        extended sin_h =
            sin_deg(w.latitude) * sin_deg(delta) + cos_deg(w.latitude) * cos_deg(delta) * cos_deg(hour_angle);
        // Rounding may carry a zenith passage a hair beyond 1.
        if (sin_h > 1) sin_h = 1;
        if (sin_h < -1) sin_h = -1;
        const extended h = asin_deg(sin_h);
        return (h - w.h0) / (360 * cos_deg(delta) * cos_deg(w.latitude) * sin_deg(hour_angle));
    }
    default:
        return 0;
    }
}

void topocentric_correction(TSkyPosition& pos, extended height, extended longitude, extended latitude,
                            TDateTime date) {
    const extended u = atan_deg(earth_axis_ratio_squared * tan_deg(latitude));
    const extended rho_sin_phi =
        earth_axis_ratio * sin_deg(u) + (height / earth_radius_m) * sin_deg(latitude);
    const extended rho_cos_phi = cos_deg(u) + (height / earth_radius_m) * cos_deg(latitude);

    const extended dist_km = moon_distance(date);
    const extended sin_par = sin_deg(solar_parallax) / (dist_km / km_per_au);
    pos.parallax = asin_deg(sin_par);

    const extended alpha = pos.right_ascension;
    const extended delta = pos.declination;
    const extended hour_angle = apparent_sidereal_time(date) - longitude - alpha;
    const extended denom = cos_deg(delta) - rho_cos_phi * sin_par * cos_deg(hour_angle);
    const extended d_alpha = atan_deg(-rho_cos_phi * sin_par * sin_deg(hour_angle) / denom);
    pos.right_ascension = alpha + d_alpha;
    pos.declination = atan_deg((sin_deg(delta) - rho_sin_phi * sin_par) * cos_deg(d_alpha) / denom);
}

TRiseSetWork rise_set_work(bool sun, TDateTime date, extended h0, extended latitude, extended longitude,
                           const char* message) {
    require_finite(date, latitude, longitude, message);
    const TDateTime d = rise_set_day(date);
    TRiseSetWork w;
    w.h0 = h0;
    w.latitude = latitude;
    w.longitude = longitude;
    w.theta0 = apparent_sidereal_time(d);
    TSkyPosition pos[3];
    for (int i = 0; i < 3; ++i) {
        const TDateTime t = d + (i - 1);
        if (sun) {
            sun_position(t, pos[i]);
        } else {
            moon_position(pos[i], t);
            topocentric_correction(pos[i], 0, longitude, latitude, t);
        }
    }
    w.alpha1 = pos[0].right_ascension;
    w.alpha2 = pos[1].right_ascension;
    w.alpha3 = pos[2].right_ascension;
    w.delta1 = pos[0].declination;
    w.delta2 = pos[1].declination;
    w.delta3 = pos[2].declination;
    return w;
}

extended horizon_hour_angle(const TRiseSetWork& w, const char* message) {
    const extended cos_h0 =
        (sin_deg(w.h0) - sin_deg(w.latitude) * sin_deg(w.delta2)) / (cos_deg(w.latitude) * cos_deg(w.delta2));
    // Written so that a NaN (a latitude that is not a number, say) fails the test as well.
    if (!(cos_h0 >= -1 && cos_h0 <= 1)) throw E_NoRiseSet(message);
    return acos_deg(cos_h0);
}

double rise_transit_set(bool sun, RiseSetEvent kind, TDateTime date, extended latitude, extended longitude) {
    require_finite(date, latitude, longitude, no_rise_set_message);
    extended h0 = standard_altitude(sun, kind);
    if (!sun && (kind == Rise || kind == Set)) {
        TSkyPosition moon = moon_position(date);
        topocentric_correction(moon, 0, longitude, latitude, date);
        h0 = moon_parallax_factor * moon.parallax - horizon_refraction;
    }
    const TRiseSetWork w = rise_set_work(sun, date, h0, latitude, longitude, no_rise_set_message);
    const extended h0_angle = horizon_hour_angle(w, no_rise_set_message);

    const extended m = (w.alpha2 + w.longitude - w.theta0) / 360;
    extended m0 = reduce_day_fraction(m);
    extended m1 = reduce_day_fraction(m - h0_angle / 360);
    extended m2 = reduce_day_fraction(m + h0_angle / 360);
    m0 += rise_set_correction(w, 0, m0);
    m1 += rise_set_correction(w, 1, m1);
    m2 += rise_set_correction(w, 2, m2);

    extended fraction;
    switch (kind) {
    case Rise:
    case CivilDawn:
    case NauticalDawn:
    case AstronomicalDawn:
        fraction = m1;
        break;
    case Set:
    case CivilDusk:
    case NauticalDusk:
    case AstronomicalDusk:
        fraction = m2;
        break;
    case Transit:
        fraction = m0;
        break;
    default:
        return 0;
    }
    const extended result = rise_set_day(date) + fraction;
    // A cosine of H0 of exactly -1 or 1 leaves sin H = 0 in the correction: no usable instant.
    if (!std::isfinite(result)) throw E_NoRiseSet(no_rise_set_message);
    return static_cast<double>(result);
}

double sun_rise(TDateTime date, extended latitude, extended longitude) {
    return rise_transit_set(true, Rise, date, latitude, longitude);
}

double sun_set(TDateTime date, extended latitude, extended longitude) {
    return rise_transit_set(true, Set, date, latitude, longitude);
}

double sun_transit(TDateTime date, extended latitude, extended longitude) {
    return rise_transit_set(true, Transit, date, latitude, longitude);
}

} // namespace astro
