#include "astro/prayer_methods.h"

#include "astro/errors.h"
#include "astro/riseset.h"
#include "astro/riseset_method.h"
#include "astro/turns.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <limits>

namespace astro {

using namespace riseset_method;

namespace {

constexpr double nan_time = std::numeric_limits<double>::quiet_NaN();
constexpr double minutes_per_day = 1440;
constexpr double pi = 3.14159265358979323846;
constexpr double degrees_per_radian = 180 / pi;
constexpr double turns_per_radian = 1 / (2 * pi);

// sin x and cos x for |x| <= 0.36 radians (20.6 degrees) by their Taylor series to x^11 and x^12, within
// 3e-16 there: the Sun's standard altitude and the methods' twilight angles, for which a polynomial costs a
// fraction of a full reduction. The coefficients are products of reciprocals formed at compile time: a
// division in the chain would cost more than the whole polynomial.
constexpr double small_angle_limit = 0.36;
constexpr double s3 = -1.0 / 6, s5 = s3 * (-1.0 / 20), s7 = s5 * (-1.0 / 42), s9 = s7 * (-1.0 / 72),
                 s11 = s9 * (-1.0 / 110);
constexpr double c2 = -1.0 / 2, c4 = c2 * (-1.0 / 12), c6 = c4 * (-1.0 / 30), c8 = c6 * (-1.0 / 56),
                 c10 = c8 * (-1.0 / 90), c12 = c10 * (-1.0 / 132);
constexpr double sin_small(double x) {
    const double z = x * x;
    return x + x * z * (s3 + z * (s5 + z * (s7 + z * (s9 + z * s11))));
}
constexpr double cos_small(double x) {
    const double z = x * x;
    return 1 + z * (c2 + z * (c4 + z * (c6 + z * (c8 + z * (c10 + z * c12)))));
}
// sin and cos of an angle in turns of up to small_angle_limit radians, else by the full reduction.
inline void sin_cos_small(double turns, double& s, double& c) {
    const double x = turns * (2 * pi); // radians
    if (std::fabs(x) <= small_angle_limit) {
        s = sin_small(x);
        c = cos_small(x);
    } else {
        sin_cos_turns(turns, s, c);
    }
}
// The same for the changes of the declination and of the hour angle over a correction step, a few degrees:
// to x^7 and x^8 up to 0.1 radians (5.7 degrees), within 3e-15.
constexpr double tiny_angle_limit = 0.1;
inline void sin_cos_tiny(double turns, double& s, double& c) {
    const double x = turns * (2 * pi);
    if (std::fabs(x) <= tiny_angle_limit) {
        const double z = x * x;
        s = x + x * z * (s3 + z * (s5 + z * s7));
        c = 1 + z * (c2 + z * (c4 + z * (c6 + z * c8)));
    } else {
        sin_cos_turns(turns, s, c);
    }
}

constexpr double standard_altitude_radians = static_cast<double>(sun_standard_altitude) / degrees_per_radian;
constexpr double sin_standard = sin_small(standard_altitude_radians);
constexpr double cos_standard = cos_small(standard_altitude_radians);

constexpr double sidereal_turns_per_day = static_cast<double>(sidereal_degrees_per_day / 360);

// The Sun's passages through an altitude that the times of a day are made of, by name: a new time at an
// altitude is one more name here and one more row where times_of fills the table.
enum TCrossing : std::uint8_t { crSunrise, crSunset, crFajr, crAsr, crIsha, crMaghrib, crossing_count };

// One crossing: altitude h (degrees; NaN where no other crossing may share its hour angle) with its sine and
// cosine, before the transit (rising) or after it; only the wanted ones are computed.
struct TAltitudeCrossing {
    double h = nan_time;
    double sin_h = 0, cos_h = 1;
    bool rising = false;
    bool wanted = false;
};
using TCrossings = std::array<TAltitudeCrossing, crossing_count>;
using TCrossingTimes = std::array<double, crossing_count>;

// One day at one place: the Sun's working values in turns, with what every crossing shares computed once
// (the sines and cosines of the latitude and of the middle declination, the differences of the three-point
// interpolation, the hour angle at 0 h UT).
struct TPlaceDay {
    double sin_lat, cos_lat, sin_dec, cos_dec;
    double inverse_cos_lat_dec;                  // 1 / (cos phi cos delta)
    double alpha_ab, alpha_c, delta_ab, delta_c; // Meeus 3.3: a + b and c of the right ascension, declination
    double hour0;   // the local hour angle at 0 h UT, from the middle right ascension
    double m0;      // first estimate of the transit, the one nearest the local mean noon
    double transit; // its corrected day fraction

    TPlaceDay(const TSunDay& day, double latitude, double longitude) {
        sin_cos_turns(latitude / 360, sin_lat, cos_lat);
        sin_cos_turns(day.delta2 / 360, sin_dec, cos_dec);
        inverse_cos_lat_dec = 1 / (cos_lat * cos_dec);
        // Meeus 3.3's a + b and c = b - a, in turns.
        const auto in_turns = [](double y1, double y2, double y3, double& ab, double& c) {
            double a, b;
            differences(y1, y2, y3, a, b);
            ab = (a + b) / 360;
            c = (b - a) / 360;
        };
        in_turns(day.alpha1, day.alpha2, day.alpha3, alpha_ab, alpha_c);
        in_turns(day.delta1, day.delta2, day.delta3, delta_ab, delta_c);
        const double estimate = (day.alpha2 + longitude - day.theta0) / 360;
        m0 = estimate + nearest_integer(0.5 + longitude / 360 - estimate);
        hour0 = reduce_turns((day.theta0 - longitude - day.alpha2) / 360);
        transit = m0 - local_hour_turns(m0, 0);
    }

    // The Sun's local hour angle at the day fraction m less `from`, in turns, -1/2 to 1/2 (Meeus 15.2, no
    // Delta T).
    double local_hour_turns(double m, double from) const {
        return reduce_turns(hour0 + sidereal_turns_per_day * m - (m / 2) * (alpha_ab + m * alpha_c) - from);
    }

    // The sine and cosine of the declination at the day fraction n, from those of the middle declination
    // and its small change.
    void sin_cos_delta(double n, double& s, double& c) const {
        double sin_change, cos_change;
        sin_cos_tiny((n / 2) * (delta_ab + n * delta_c), sin_change, cos_change);
        s = sin_dec * cos_change + cos_dec * sin_change;
        c = cos_dec * cos_change - sin_dec * sin_change;
    }

    // The sine of the Sun's altitude at the day fraction m.
    double sin_altitude(double m) const {
        double sin_d, cos_d, sin_h, cos_h;
        sin_cos_delta(m, sin_d, cos_d);
        sin_cos_turns(local_hour_turns(m, 0), sin_h, cos_h);
        return sin_lat * sin_d + cos_lat * cos_d * cos_h;
    }

    // The day fraction between lo and hi at which the Sun rises (or sets) through the altitude whose sine is
    // sin_h, to a tenth of a millisecond, by regula falsi with the Illinois step (the crossing stays within
    // the interval that holds it); NaN when the Sun is not below that altitude at one end and above it at the
    // other. For the days where the one step cannot place a crossing: the Sun grazing the altitude.
    double crossing_between(double lo, double hi, double sin_h, bool rising) const {
        const double sign = rising ? 1 : -1;
        double f_lo = sign * (sin_altitude(lo) - sin_h), f_hi = sign * (sin_altitude(hi) - sin_h);
        if (!(f_lo < 0 && f_hi > 0)) return nan_time;
        int side = 0;
        for (int i = 0; i < 100 && hi - lo > 1e-9; ++i) {
            double m = (lo * f_hi - hi * f_lo) / (f_hi - f_lo);
            if (!(m > lo && m < hi)) m = (lo + hi) / 2;
            const double f = sign * (sin_altitude(m) - sin_h);
            if (f == 0) return m;
            if (f < 0) {
                lo = m;
                f_lo = f;
                if (side == -1) f_hi /= 2;
                side = -1;
            } else {
                hi = m;
                f_hi = f;
                if (side == 1) f_lo /= 2;
                side = 1;
            }
        }
        return (lo + hi) / 2;
    }

    // The day fractions of the wanted crossings of `c` (equal altitudes sharing their hour angle), one
    // correction step (Meeus 15.2) each from the estimate m0 -+ H, not reduced into the UT day, so that a
    // place far from Greenwich gets its own evening, not the one of the day before; NaN where the Sun does
    // not cross the altitude (at the middle declination), or is not wanted. The step is Meeus's (h' - h) /
    // (360 cos delta cos phi sin H) with the difference of the altitudes taken from that of their sines, (sin
    // h' - sin h) / cos h: the same to the second order, without an arcsine. The declination and the hour
    // angle at the estimate differ from the middle declination and from -+H by a degree or two, so their
    // sines and cosines follow from the angle-sum formulas with the short series of the small differences.
    void crossings(const TCrossings& c, TCrossingTimes& out) const {
        double angles[crossing_count], cos_angles[crossing_count], sin_angles[crossing_count];
        for (int k = 0; k < crossing_count; ++k) {
            if (!c[k].wanted) continue;
            // Sunrise and sunset, and Fajr and Isha of the methods with one angle for both, share theirs.
            int same = 0;
            while (same < k && !(c[same].wanted && c[same].h == c[k].h)) ++same;
            if (same < k) {
                angles[k] = angles[same];
                cos_angles[k] = cos_angles[same];
                sin_angles[k] = sin_angles[same];
            } else {
                const double x = (c[k].sin_h - sin_lat * sin_dec) * inverse_cos_lat_dec;
                const bool crossed = x >= -1 && x <= 1;
                angles[k] = crossed ? std::acos(x) * turns_per_radian : nan_time;
                cos_angles[k] = x;
                sin_angles[k] = crossed ? std::sqrt(1 - x * x) : nan_time;
            }
        }
        for (int k = 0; k < crossing_count; ++k) {
            out[k] = nan_time;
            if (!c[k].wanted) continue;
            const double sign = c[k].rising ? -1 : 1; // the hour angle's sign at the crossing
            const double angle = sign * angles[k];    // turns
            const double m = m0 + angle;
            double sin_d, cos_d;
            sin_cos_delta(m, sin_d, cos_d);
            // H = angle + e at the estimate.
            double sin_e, cos_e;
            sin_cos_tiny(local_hour_turns(m, angle), sin_e, cos_e);
            const double x = cos_angles[k];
            const double s = sign * sin_angles[k];
            const double cos_hour = x * cos_e - s * sin_e;
            const double sin_hour = s * cos_e + x * sin_e;
            const double sin_alt = sin_lat * sin_d + cos_lat * cos_d * cos_hour;
            const double step =
                (sin_alt - c[k].sin_h) * turns_per_radian / (c[k].cos_h * cos_d * cos_lat * sin_hour);
            // Where the Sun only just reaches h (H near 0 or 180 degrees) the step divides by almost nothing:
            // a step beyond an hour does not place the crossing (infinity: to be sought otherwise).
            out[k] = std::fabs(step) <= 1.0 / 24 ? m + step
                     : std::isnan(step)          ? nan_time
                                                 : std::numeric_limits<double>::infinity();
        }
    }
};

double portion_of_night(THighLatitudeRule rule, double angle) {
    switch (rule) {
    case THighLatitudeRule::middle_of_night:
        return 0.5;
    case THighLatitudeRule::seventh_of_night:
        return 1.0 / 7;
    case THighLatitudeRule::twilight_angle:
        return angle / 60;
    case THighLatitudeRule::none:
        break;
    }
    return nan_time;
}

// Straight lines between a (day 0), b (91), c (137), d (183) and back (Shaukat's tables).
double seasonal(double a, double b, double c, double d, int days) {
    if (days < 91) return a + (b - a) / 91 * days;
    if (days < 137) return b + (c - b) / 46 * (days - 91);
    if (days < 183) return c + (d - c) / 46 * (days - 137);
    if (days < 229) return d + (c - d) / 46 * (days - 183);
    if (days < 275) return c + (b - c) / 46 * (days - 229);
    return b + (a - b) / 91 * (days - 275);
}

// The times of one day from its place-day, as fractions of that UT day; no polar rule.
TMethodTimes times_of(const TPlaceDay& p, TDateTime day, double latitude, const TAngleMethod& m) {
    std::array<double, prayer_count> f;
    f.fill(nan_time);
    TMethodTimes r;
    f[prTransit] = p.transit;
    // Asr: the altitude A at which the shadow is asr_shadow lengths plus the noon shadow, cot A = s + tan z
    // with z = |phi - delta| the Sun's zenith distance at the transit, delta there.
    double sin_d, cos_d;
    p.sin_cos_delta(p.transit, sin_d, cos_d);
    const double sin_z = std::fabs(p.sin_lat * cos_d - p.cos_lat * sin_d);
    const double cos_z = p.cos_lat * cos_d + p.sin_lat * sin_d;
    const double cot = m.asr_shadow + sin_z / cos_z;
    const double hypotenuse = std::sqrt(1 + cot * cot); // sin A = 1 / hypotenuse, cos A = cot / hypotenuse
    const bool isha_by_angle = !(m.isha_minutes > 0);
    // Every crossing of the day at once: sunrise, sunset, Fajr, Asr, then Isha and Maghrib where they are at
    // angles.
    TCrossings c;
    const auto standard = [&](TCrossing k, bool rising) {
        c[k] = {static_cast<double>(sun_standard_altitude), sin_standard, cos_standard, rising, true};
    };
    const auto below = [&](TCrossing k, double depression, bool rising) {
        c[k] = {-depression, 0, 0, rising, true};
        sin_cos_small(c[k].h / 360, c[k].sin_h, c[k].cos_h);
    };
    standard(crSunrise, true);
    standard(crSunset, false);
    below(crFajr, m.fajr_angle, true);
    c[crAsr] = {nan_time, 1 / hypotenuse, cot / hypotenuse, false, true};
    if (isha_by_angle) below(crIsha, m.isha_angle, false);
    if (m.maghrib_angle > 0) below(crMaghrib, m.maghrib_angle, false);
    TCrossingTimes x;
    p.crossings(c, x);
    // Each crossing in its part of the day and in the day's order: sunrise within half a day before the
    // transit, sunset within half a day after it, Fajr before sunrise, Asr before sunset, Maghrib after
    // sunset, Isha after Maghrib. Where the one step does not place a crossing there (the Sun grazing the
    // altitude, or not reaching it at the day's middle declination), it is sought there by regula falsi, and
    // is not calculable where the Sun does not pass the altitude between the two ends.
    const double transit = p.transit;
    const auto place = [&](TCrossing k, double lo, double hi) {
        if (c[k].wanted && !(x[k] > lo && x[k] < hi))
            x[k] = p.crossing_between(lo, hi, c[k].sin_h, c[k].rising);
    };
    const auto or_else = [](double t, double otherwise) { return std::isnan(t) ? otherwise : t; };
    place(crSunrise, transit - 0.5, transit);
    place(crSunset, transit, transit + 0.5);
    place(crFajr, transit - 0.5, or_else(x[crSunrise], transit));
    place(crAsr, transit, or_else(x[crSunset], transit + 0.5));
    place(crMaghrib, or_else(x[crSunset], transit), transit + 0.5);
    place(crIsha, or_else(x[crMaghrib], or_else(x[crSunset], transit)), transit + 0.5);
    const double rise = x[crSunrise], set = x[crSunset];
    f[prSunrise] = rise;
    f[prFedjr] = x[crFajr];
    f[prAssr] = x[crAsr];
    const bool has_night = !std::isnan(rise) && !std::isnan(set);
    const double night = rise + 1 - set; // sunset to the next sunrise, taken as this sunrise a day later
    // Fajr (or Isha, or Maghrib at an angle) no further into the night than the rule's portion of it, and
    // where the Sun does not reach the angle, at that portion. Maghrib's few degrees take the twilight
    // angle's portion under every rule, so that it stays before Isha.
    const auto bound = [&](int i, double portion, double from, double sign) {
        if (!has_night || std::isnan(portion)) return;
        const double limit = from + sign * portion * night;
        if (std::isnan(f[i]) || sign * (f[i] - limit) > 0) {
            f[i] = limit;
            r.by_rule[i] = TTimeRule::night;
        }
    };
    f[prSunset] = set;
    if (c[crMaghrib].wanted) {
        f[prSunset] = x[crMaghrib];
        if (m.high_latitude != THighLatitudeRule::none)
            bound(prSunset, portion_of_night(THighLatitudeRule::twilight_angle, m.maghrib_angle), set, 1);
    }
    f[prIshaa] = isha_by_angle ? x[crIsha] : f[prSunset] + m.isha_minutes / minutes_per_day;
    // The Moonsighting Committee's seasonal bound.
    if (m.seasonal && has_night) {
        const int days = days_since_winter_solstice(day, latitude);
        const double fajr = rise - seasonal_fajr_minutes(latitude, days) / minutes_per_day;
        if (std::isnan(f[prFedjr]) || f[prFedjr] < fajr) {
            f[prFedjr] = fajr;
            r.by_rule[prFedjr] = TTimeRule::seasonal;
        }
        const double isha = set + seasonal_isha_minutes(latitude, days) / minutes_per_day;
        if (isha_by_angle && (std::isnan(f[prIshaa]) || f[prIshaa] > isha)) {
            f[prIshaa] = isha;
            r.by_rule[prIshaa] = TTimeRule::seasonal;
        }
    }
    bound(prFedjr, portion_of_night(m.high_latitude, m.fajr_angle), rise, -1);
    if (isha_by_angle) bound(prIshaa, portion_of_night(m.high_latitude, m.isha_angle), set, 1);
    // The day's order, whatever the method's parameters: a time not after the one before it (not before
    // the transit, in the morning) is not calculable.
    for (int i = prTransit - 1, next = prTransit; i >= 0; --i) {
        if (!(f[i] < f[next])) f[i] = nan_time;
        if (!std::isnan(f[i])) next = i;
    }
    for (int i = prTransit + 1, last = prTransit; i < prayer_count; ++i) {
        if (!(f[i] > f[last])) f[i] = nan_time;
        if (!std::isnan(f[i])) last = i;
    }
    static constexpr std::array<const char*, prayer_count> messages{
        fajr_angle_message, no_sunrise_message,    no_sunrise_message,
        asr_shadow_message, maghrib_angle_message, isha_angle_message};
    const bool polar = std::isnan(rise) || std::isnan(set);
    if (std::isnan(set))
        r.sunset_error = no_sunrise_message;
    else
        r.sunset = day + set;
    for (int i = 0; i < prayer_count; ++i) {
        const double t = day + f[i];
        if (std::isnan(t)) {
            // On a day without sunrise or sunset every time says so; else the time's own reason.
            r.error[i] = polar ? no_sunrise_message : messages[i];
            r.time[i] = 0;
        } else {
            r.time[i] = t;
        }
    }
    return r;
}

// The parameters a method can have: finite numbers, angles within 90 degrees of the horizon, Isha at most a
// day after Maghrib, a shadow factor above 0.
void check_method(const TAngleMethod& m) {
    const auto angle = [](double a) { return std::fabs(a) <= 90; }; // false for NaN
    if (!angle(m.fajr_angle) || !angle(m.isha_angle) || !angle(m.maghrib_angle) ||
        !std::isfinite(m.isha_minutes) || m.isha_minutes > minutes_per_day || !std::isfinite(m.asr_shadow) ||
        m.asr_shadow <= 0)
        throw E_OutOfAlgorithmRange(out_of_range_message);
}

// A latitude and the days since the winter solstice that the seasonal intervals are given for.
void check_seasonal(double latitude, int days) {
    if (!(std::fabs(latitude) <= 90) || days < 0 || days > 365)
        throw E_OutOfAlgorithmRange(out_of_range_message);
}

bool complete(const TMethodTimes& t) {
    return std::all_of(t.error.begin(), t.error.end(), [](const char* e) { return e == nullptr; });
}

// Where a day can have every time of the method, with phi the latitude's distance from the equator and
// delta the Sun's declination toward the place's pole (degrees): the Sun above the horizon at its upper
// transit (phi < 90 + delta there: Asr's shadow, and sunrise), below -0.8333 degrees at its lower transits
// half a day before and after (phi < 89.1667 - delta there: sunrise and sunset), and below Fajr's and
// Isha's angles there where no rule places them (phi < 90 - angle - delta).
struct TPossibleDays {
    double sign;                           // 1 north of the equator, -1 south
    double phi;                            // degrees
    double morning, evening;               // phi + delta below these at the lower transits
    static constexpr double margin = 0.05; // the lower transit is not exactly half a day from the upper

    TPossibleDays(double latitude, const TAngleMethod& m)
        : sign(latitude < 0 ? -1 : 1), phi(std::fabs(latitude)), morning(89.1667), evening(89.1667) {
        if (m.high_latitude != THighLatitudeRule::none || m.seasonal) return;
        morning = std::min(morning, 90 - m.fajr_angle);
        if (!(m.isha_minutes > 0)) evening = std::min(evening, 90 - m.isha_angle);
    }
    // How far (degrees) the declination at a day's transit lies outside those of such days (which change by
    // up to 0.2 degrees in half a day).
    double gap(double declination) const {
        const double delta = sign * declination, change = 0.25;
        return std::max(
            {0.0, phi - 90 - delta - change, delta - (std::min(morning, evening) - phi) - change});
    }
    bool any() const { return phi - 90 < std::min(morning, evening) - phi + 0.5; }
    // The largest distance from the equator (degrees) that can have them all on the day whose Sun has these
    // declinations half a day before its transit, at it and half a day after.
    double latitude_limit(double before, double at, double after) const {
        return std::min({90 + sign * at, morning - sign * before, evening - sign * after}) + margin;
    }
};

// The day's times at the nearest latitude toward the equator, in tenths of a degree, that has them all (the
// equator has them every day), on the same day's Sun; the transit is the place's own. The latitudes that
// cannot have them all are passed over.
TMethodTimes nearest_latitude(const TSunDay& sun, TDateTime day, double latitude, double longitude,
                              const TAngleMethod& m) {
    const TPossibleDays possible(latitude, m);
    const double transit = TPlaceDay(sun, latitude, longitude).transit; // the same at every latitude
    const double limit = possible.latitude_limit(
        sun.declination_at(transit - 0.5), sun.declination_at(transit), sun.declination_at(transit + 0.5));
    const double from = std::min(possible.phi * 10 - 1, std::floor(limit * 10));
    for (int tenth = static_cast<int>(std::max(from, 0.0)); tenth >= 0; --tenth) {
        const double nearer = possible.sign * tenth / 10.0;
        TMethodTimes t = times_of(TPlaceDay(sun, nearer, longitude), day, nearer, m);
        if (!complete(t)) continue;
        t.by_rule.fill(TTimeRule::nearest_latitude);
        t.by_rule[prTransit] = TTimeRule::sun;
        return t;
    }
    return {};
}

// The times of the nearest day, before or after (the day before first), within half a year, that has them
// all: counted from its transit, around this day's own transit `transit`. Days whose declination cannot give
// them are passed over, as many as the declination needs to reach those that can; false where none has
// them.
bool nearest_day(TDateTime day, double transit, double latitude, double longitude, const TAngleMethod& m,
                 TMethodTimes& out) {
    const TPossibleDays possible(latitude, m);
    if (!possible.any()) return false;
    constexpr double fastest = 0.42; // degrees a day: the declination's change at the equinoxes, and more
    int before = 1, after = 1;       // the next days to look at, counted from `day`
    while (std::min(before, after) <= 183) {
        const bool back = before <= after;
        int& k = back ? before : after;
        const TDateTime other = day + (back ? -k : k);
        const TSunDay sun = sun_day(other);
        const double gap = possible.gap(sun.declination_at(transit - day));
        if (gap > 0) {
            k += std::max(1, static_cast<int>(std::ceil(gap / fastest)));
            continue;
        }
        ++k;
        TMethodTimes t = times_of(TPlaceDay(sun, latitude, longitude), other, latitude, m);
        if (!complete(t)) continue;
        const double shift = transit - t.time[prTransit];
        for (double& time : t.time) time += shift;
        t.sunset += shift;
        t.by_rule.fill(TTimeRule::nearest_day);
        t.by_rule[prTransit] = TTimeRule::sun;
        out = t;
        return true;
    }
    return false;
}

} // namespace

TMethodTimes method_prayer_times(TDateTime date, double latitude, double longitude,
                                 const TAngleMethod& method) {
    check_method(method);
    TMethodTimes r;
    if (!std::isfinite(date) || !std::isfinite(latitude) || !std::isfinite(longitude) ||
        std::fabs(latitude) > 90) {
        r.error.fill(no_sunrise_message);
        r.sunset_error = no_sunrise_message;
        return r;
    }
    const TDateTime day = rise_set_day(date);
    const TSunDay sun = sun_day(day);
    r = times_of(TPlaceDay(sun, latitude, longitude), day, latitude, method);
    if (complete(r) || method.polar == TPolarRule::none) return r;
    // Nearest day, or where no day of the year has them all (near the poles, or where twilight never reaches
    // the method's angle and no high-latitude rule places it), the nearest latitude.
    TMethodTimes t;
    if (method.polar == TPolarRule::nearest_day &&
        nearest_day(day, r.time[prTransit], latitude, longitude, method, t))
        return t;
    t = nearest_latitude(sun, day, latitude, longitude, method);
    return complete(t) ? t : r;
}

double seasonal_fajr_minutes(double latitude, int days) {
    check_seasonal(latitude, days);
    const double l = std::fabs(latitude) / 55;
    return seasonal(75 + 28.65 * l, 75 + 19.44 * l, 75 + 32.74 * l, 75 + 48.10 * l, days);
}

double seasonal_isha_minutes(double latitude, int days) {
    check_seasonal(latitude, days);
    const double l = std::fabs(latitude) / 55;
    return seasonal(75 + 25.60 * l, 75 + 2.050 * l, 75 - 9.21 * l, 75 + 6.14 * l, days);
}

int days_since_winter_solstice(TDateTime date, double latitude) {
    check_instant(date);
    if (!(std::fabs(latitude) <= 90)) throw E_OutOfAlgorithmRange(out_of_range_message);
    // The proleptic Gregorian calendar of <chrono>; the date-time value counts days from 1899-12-30.
    using namespace std::chrono;
    const sys_days day{days{static_cast<long>(std::floor(date)) - 25569}};
    const year y = year_month_day{day}.year();
    const month m = latitude >= 0 ? December : June;
    sys_days solstice{y / m / 21};
    if (solstice > day) solstice = sys_days{(y - years{1}) / m / 21};
    return static_cast<int>((day - solstice).count());
}

THighLatitudeRule recommended_high_latitude_rule(double latitude) {
    return std::fabs(latitude) < 45 ? THighLatitudeRule::none : THighLatitudeRule::twilight_angle;
}

} // namespace astro
