#include "astro/riseset.h"

#include "astro/angles.h"
#include "astro/errors.h"
#include "astro/lunar_data.h"
#include "astro/memo.h"
#include "astro/moon_position.h"
#include "astro/reference.h"
#include "astro/riseset_method.h"
#include "astro/sun.h"

#include <cmath>

namespace astro {

using namespace riseset_method;

namespace {

// The Moon's standard altitude: 0.7275 times its horizontal parallax, less 34' of refraction.
constexpr extended moon_parallax_factor = 0.7275L;
constexpr extended horizon_refraction = 0.5666666666666667L;

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

// Inputs that are not finite numbers have no rise or set (the routine's own error); a finite instant farther
// than check_instant allows is out of the algorithm's range.
void require_finite(TDateTime date, extended latitude, extended longitude, const char* message) {
    if (!std::isfinite(date) || !std::isfinite(latitude) || !std::isfinite(longitude))
        throw E_NoRiseSet(message);
    check_instant(date);
}

// The event `kind` from the working values of its day, by the path M.
template <class M>
double event(RiseSetEvent kind, TDateTime date, const TRiseSetWorkOf<typename M::real>& w) {
    const auto h0_angle = hour_angle<M>(w);
    if (std::isnan(h0_angle)) throw E_NoRiseSet(no_rise_set_message);
    double result;
    switch (kind) {
    case Rise:
    case CivilDawn:
    case NauticalDawn:
    case AstronomicalDawn:
        result = at_fraction(date, rising_fraction<M>(w, h0_angle));
        break;
    case Set:
    case CivilDusk:
    case NauticalDusk:
    case AstronomicalDusk:
        result = at_fraction(date, setting_fraction<M>(w, h0_angle));
        break;
    case Transit:
        result = at_fraction(date, transit_fraction<M>(w));
        break;
    default:
        return 0;
    }
    if (std::isnan(result)) throw E_NoRiseSet(no_rise_set_message);
    return result;
}

// The working values from the positions at 0 h UT of days d-1, d and d+1 that `position(t, pos)` gives and
// the sidereal time `sidereal(d)`.
template <class Position, class Sidereal>
TRiseSetWork work_from(TDateTime date, extended h0, extended latitude, extended longitude,
                       const char* message, Position&& position, Sidereal&& sidereal) {
    require_finite(date, latitude, longitude, message);
    const TDateTime d = rise_set_day(date);
    TRiseSetWork w;
    w.h0 = h0;
    w.latitude = latitude;
    w.longitude = longitude;
    w.theta0 = sidereal(d);
    TSkyPosition pos[3];
    for (int i = 0; i < 3; ++i) position(d + (i - 1), pos[i]);
    w.alpha1 = pos[0].right_ascension;
    w.alpha2 = pos[1].right_ascension;
    w.alpha3 = pos[2].right_ascension;
    w.delta1 = pos[0].declination;
    w.delta2 = pos[1].declination;
    w.delta3 = pos[2].declination;
    return w;
}

// The Sun at 0 h UT of one day: apparent right ascension and declination, and the apparent sidereal time.
struct TSunSample {
    double alpha = 0, delta = 0, theta = 0;
};

TSunSample sun_sample(TDateTime day) {
    TSkyPosition pos;
    sun_position(day, pos);
    return {static_cast<double>(pos.right_ascension), static_cast<double>(pos.declination),
            static_cast<double>(apparent_sidereal_time(day))};
}

// Samples keyed by their day number: 1024 consecutive days (almost three years) fit at once.
TMemo<TSunSample, 1024> sun_sample_memo;

TSunSample memo_sun_sample(TDateTime day) {
    return sun_sample_memo.get_by_day(day, [&] { return sun_sample(day); });
}

} // namespace

TDateTime rise_set_day(TDateTime date) {
    check_instant(date);
    return std::floor(date);
}

extended reduce_day_fraction(extended x) {
    return reduce_fraction(x);
}

extended interpolate3(extended y1, extended y2, extended y3, extended n) {
    return interpolate(y1, y2, y3, n);
}

extended rise_set_correction(const TRiseSetWork& w, int which, extended m) {
    return correction<TExtendedMath>(w, which, m);
}

void topocentric_correction(TSkyPosition& pos, extended height, extended longitude, extended latitude,
                            TDateTime date) {
    check_instant(date);
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
    const auto position = [&](TDateTime t, TSkyPosition& pos) {
        if (sun) {
            sun_position(t, pos);
        } else {
            moon_position(pos, t);
            topocentric_correction(pos, 0, longitude, latitude, t);
        }
    };
    return work_from(date, h0, latitude, longitude, message, position,
                     [](TDateTime d) { return apparent_sidereal_time(d); });
}

extended horizon_hour_angle(const TRiseSetWork& w, const char* message) {
    const extended h0_angle = hour_angle<TExtendedMath>(w);
    if (std::isnan(h0_angle)) throw E_NoRiseSet(message);
    return h0_angle;
}

TRiseSetWorkOf<double> TSunDay::work(double h0, double latitude, double longitude) const {
    TRiseSetWorkOf<double> w;
    w.alpha1 = alpha1;
    w.alpha2 = alpha2;
    w.alpha3 = alpha3;
    w.delta1 = delta1;
    w.delta2 = delta2;
    w.delta3 = delta3;
    w.theta0 = theta0;
    w.h0 = h0;
    w.latitude = latitude;
    w.longitude = longitude;
    return w;
}

double TSunDay::hour_angle(double h0, double latitude) const {
    return riseset_method::hour_angle<TDoubleMath>(work(h0, latitude, 0));
}

double TSunDay::transit(double longitude) const {
    return transit_fraction<TDoubleMath>(work(0, 0, longitude));
}

double TSunDay::rising(double h0, double h0_angle, double latitude, double longitude) const {
    return rising_fraction<TDoubleMath>(work(h0, latitude, longitude), h0_angle);
}

double TSunDay::setting(double h0, double h0_angle, double latitude, double longitude) const {
    return setting_fraction<TDoubleMath>(work(h0, latitude, longitude), h0_angle);
}

double TSunDay::declination_at(double m) const {
    return interpolate(delta1, delta2, delta3, m);
}

TSunDay sun_day(TDateTime date) {
    TSunDay day;
    day.day = rise_set_day(date);
    const TSunSample before = memo_sun_sample(day.day - 1);
    const TSunSample middle = memo_sun_sample(day.day);
    const TSunSample after = memo_sun_sample(day.day + 1);
    day.alpha1 = before.alpha;
    day.alpha2 = middle.alpha;
    day.alpha3 = after.alpha;
    day.delta1 = before.delta;
    day.delta2 = middle.delta;
    day.delta3 = after.delta;
    day.theta0 = middle.theta;
    return day;
}

void clear_sun_day_memo() {
    sun_sample_memo.clear();
}

double rise_transit_set(bool sun, RiseSetEvent kind, TDateTime date, extended latitude, extended longitude) {
    require_finite(date, latitude, longitude, no_rise_set_message);
    if (sun) {
        const TSunDay day = sun_day(date);
        const auto w = day.work(static_cast<double>(standard_altitude(true, kind)),
                                static_cast<double>(latitude), static_cast<double>(longitude));
        return event<TDoubleMath>(kind, date, w);
    }
    extended h0 = standard_altitude(false, kind);
    if (kind == Rise || kind == Set) {
        TSkyPosition moon = moon_position(date);
        topocentric_correction(moon, 0, longitude, latitude, date);
        h0 = moon_parallax_factor * moon.parallax - horizon_refraction;
    }
    return event<TExtendedMath>(kind, date,
                                rise_set_work(false, date, h0, latitude, longitude, no_rise_set_message));
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

namespace reference {

// The working values of the Sun from reference positions, as rise_set_work computed them.
TRiseSetWork sun_work(TDateTime date, extended h0, extended latitude, extended longitude,
                      const char* message) {
    return work_from(
        date, h0, latitude, longitude, message,
        [](TDateTime t, TSkyPosition& pos) { reference::sun_position(t, pos); },
        [](TDateTime d) { return reference::apparent_sidereal_time(d); });
}

namespace {

double sun_event(RiseSetEvent kind, TDateTime date, extended latitude, extended longitude) {
    require_finite(date, latitude, longitude, no_rise_set_message);
    return event<TExtendedMath>(
        kind, date, sun_work(date, standard_altitude(true, kind), latitude, longitude, no_rise_set_message));
}

} // namespace

double sun_rise(TDateTime date, extended latitude, extended longitude) {
    return sun_event(Rise, date, latitude, longitude);
}

double sun_set(TDateTime date, extended latitude, extended longitude) {
    return sun_event(Set, date, latitude, longitude);
}

double sun_transit(TDateTime date, extended latitude, extended longitude) {
    return sun_event(Transit, date, latitude, longitude);
}

} // namespace reference
} // namespace astro
