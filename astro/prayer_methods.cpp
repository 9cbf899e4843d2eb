#include "astro/prayer_methods.h"

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
constexpr double degrees_per_radian = 180 / 3.14159265358979323846;

// One day at one place: the Sun's working values, with what every crossing shares computed once (the sines
// and cosines of the latitude and of the middle declination, the differences of the three-point
// interpolation).
struct TPlaceDay {
    TRiseSetWorkOf<double> w;
    double sin_lat, cos_lat, sin_dec, cos_dec;
    double alpha_ab, alpha_c, delta_ab, delta_c; // Meeus 3.3: a + b and c of the right ascension, declination
    double m0;      // first estimate of the transit, the one nearest the local mean noon
    double transit; // its corrected day fraction

    TPlaceDay(const TSunDay& day, double latitude, double longitude) : w(day.work(0, latitude, longitude)) {
        sin_cos_turns(latitude / 360, sin_lat, cos_lat);
        sin_cos_turns(day.delta2 / 360, sin_dec, cos_dec);
        const auto differences = [](double y1, double y2, double y3, double& ab, double& c) {
            double a = y2 - y1, b = y3 - y2;
            if (a > 100) a -= 360;
            if (a < -100) a += 360;
            if (b > 100) b -= 360;
            if (b < -100) b += 360;
            ab = a + b;
            c = b - a;
        };
        differences(w.alpha1, w.alpha2, w.alpha3, alpha_ab, alpha_c);
        differences(w.delta1, w.delta2, w.delta3, delta_ab, delta_c);
        const double estimate = transit_estimate(w);
        m0 = estimate + std::round(0.5 + longitude / 360 - estimate);
        transit = m0 - local_hour_angle(m0) / 360;
    }

    double alpha_at(double n) const { return w.alpha2 + (n / 2) * (alpha_ab + n * alpha_c); }
    double delta_at(double n) const { return w.delta2 + (n / 2) * (delta_ab + n * delta_c); }

    // The Sun's local hour angle at the day fraction m, -180 to 180 degrees (Meeus 15.2, no Delta T).
    double local_hour_angle(double m) const {
        const double theta = w.theta0 + static_cast<double>(sidereal_degrees_per_day) * m;
        double h = TDoubleMath::normalize_degrees(theta - w.longitude - alpha_at(m));
        if (h > 180) h -= 360;
        return h;
    }

    // The day fractions of the crossings of the altitudes h[k] (degrees) before (rising[k]) or after the
    // transit, one correction step (Meeus 15.2) each from the estimate m0 -+ H / 360, not reduced into the UT
    // day, so that a place far from Greenwich gets its own evening, not the one of the day before; NaN where
    // the Sun does not cross h[k]. The step is Meeus's (h' - h) / (360 cos delta cos phi sin H) with the
    // difference of the altitudes taken from that of their sines, (sin h' - sin h) / cos h: the same to the
    // second order, without an arcsine. The sines and cosines of all of them are taken together; the
    // altitude h[given] (NaN) comes as its sine and cosine.
    static constexpr int most = 6;
    void crossings(const double* h, const bool* rising, double* out, int n, int given, double sin_given,
                   double cos_given) const {
        double sin_h[most], cos_h[most], m[most], delta[most], hour[most];
        double sin_d[most], cos_d[most], sin_hour[most], cos_hour[most];
        sin_cos_degrees(h, sin_h, cos_h, n);
        sin_h[given] = sin_given;
        cos_h[given] = cos_given;
        double angles[most];
        for (int k = 0; k < n; ++k) {
            // Sunrise and sunset, and Fajr and Isha of the methods with one angle for both, share theirs.
            int same = 0;
            while (same < k && h[same] != h[k]) ++same;
            const double c = (sin_h[k] - sin_lat * sin_dec) / (cos_lat * cos_dec);
            const double angle = same < k            ? angles[same]
                                 : c >= -1 && c <= 1 ? std::acos(c) * degrees_per_radian
                                                     : nan_time;
            angles[k] = angle;
            m[k] = rising[k] ? m0 - angle / 360 : m0 + angle / 360;
            delta[k] = std::isnan(angle) ? 0 : delta_at(m[k]);
            hour[k] = std::isnan(angle) ? 0 : local_hour_angle(m[k]);
        }
        sin_cos_degrees(delta, sin_d, cos_d, n);
        sin_cos_degrees(hour, sin_hour, cos_hour, n);
        for (int k = 0; k < n; ++k) {
            const double sin_alt = sin_lat * sin_d[k] + cos_lat * cos_d[k] * cos_hour[k];
            const double step = (sin_alt - sin_h[k]) * degrees_per_radian /
                                (cos_h[k] * 360 * cos_d[k] * cos_lat * sin_hour[k]);
            // Where the Sun only just reaches h (H near 0 or 180 degrees) the step divides by almost nothing:
            // a step beyond an hour means the crossing is not determined, and the time is taken as not
            // calculable.
            out[k] = std::fabs(step) <= 1.0 / 24 ? m[k] + step : nan_time;
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
    // Asr: the altitude at which the shadow is asr_shadow lengths plus the noon shadow (cot A = s + tan|phi -
    // delta|), with the declination at the transit.
    double sin_noon, cos_noon; // of the Sun's zenith distance at the transit
    sin_cos_turns(std::fabs(latitude - p.delta_at(p.transit)) / 360, sin_noon, cos_noon);
    const double cot = m.asr_shadow + sin_noon / cos_noon;
    const double hypotenuse = std::sqrt(1 + cot * cot); // sin A = 1 / hypotenuse, cos A = cot / hypotenuse
    const bool isha_by_angle = !(m.isha_minutes > 0);
    // Sunrise, sunset, Fajr, Asr, then Isha and Maghrib where they are at angles: all crossings at once.
    double h[TPlaceDay::most] = {static_cast<double>(sun_standard_altitude),
                                 static_cast<double>(sun_standard_altitude), -m.fajr_angle, nan_time};
    bool rising[TPlaceDay::most] = {true, false, true, false, false, false};
    int n = 4;
    const int isha_k = isha_by_angle ? n++ : -1;
    if (isha_by_angle) h[isha_k] = -m.isha_angle;
    const int maghrib_k = m.maghrib_angle > 0 ? n++ : -1;
    if (maghrib_k >= 0) h[maghrib_k] = -m.maghrib_angle;
    double x[TPlaceDay::most];
    p.crossings(h, rising, x, n, 3, 1 / hypotenuse, cot / hypotenuse);
    const double rise = x[0], set = x[1];
    f[prSunrise] = rise;
    f[prFedjr] = x[2];
    f[prAssr] = x[3];
    const bool has_night = !std::isnan(rise) && !std::isnan(set);
    const double night = rise + 1 - set; // sunset to the next sunrise, taken as this sunrise a day later
    // Fajr (or Isha, or Maghrib at an angle) no further into the night than the rule's portion of it, and
    // where the Sun does not reach the angle, at that portion.
    const auto bound = [&](int i, double angle, double from, double sign) {
        const double portion = portion_of_night(m.high_latitude, angle);
        if (!has_night || std::isnan(portion)) return;
        const double limit = from + sign * portion * night;
        if (std::isnan(f[i]) || sign * (f[i] - limit) > 0) {
            f[i] = limit;
            r.by_rule[i] = TTimeRule::night;
        }
    };
    f[prSunset] = set;
    if (maghrib_k >= 0) {
        f[prSunset] = x[maghrib_k];
        bound(prSunset, m.maghrib_angle, set, 1);
    }
    f[prIshaa] = isha_by_angle ? x[isha_k] : f[prSunset] + m.isha_minutes / minutes_per_day;
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
    bound(prFedjr, m.fajr_angle, rise, -1);
    if (isha_by_angle) bound(prIshaa, m.isha_angle, set, 1);
    static constexpr std::array<const char*, prayer_count> messages{
        fajr_angle_message, no_sunrise_message,    no_sunrise_message,
        asr_shadow_message, maghrib_angle_message, isha_angle_message};
    const bool polar = std::isnan(rise) || std::isnan(set);
    for (int i = 0; i < prayer_count; ++i) {
        const double t = at_fraction(day, f[i]);
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

bool has_sunrise_and_sunset(const TMethodTimes& t) {
    return t.error[prSunrise] == nullptr && t.error[prSunset] == nullptr;
}

} // namespace

TMethodTimes method_prayer_times(TDateTime date, double latitude, double longitude,
                                 const TAngleMethod& method) {
    TMethodTimes r;
    if (!std::isfinite(date) || !std::isfinite(latitude) || !std::isfinite(longitude) ||
        std::fabs(latitude) > 90) {
        r.error.fill(no_sunrise_message);
        return r;
    }
    const TDateTime day = rise_set_day(date);
    r = times_of(TPlaceDay(sun_day(day), latitude, longitude), day, latitude, method);
    if (has_sunrise_and_sunset(r) || method.polar == TPolarRule::none) return r;
    if (method.polar == TPolarRule::nearest_latitude) {
        // Toward the equator in steps of a tenth of a degree, on the same day's Sun.
        const TSunDay sun = sun_day(day);
        const double sign = latitude < 0 ? -1 : 1;
        for (int tenth = static_cast<int>(std::fabs(latitude) * 10) - 1; tenth >= 0; --tenth) {
            const double nearer = sign * tenth / 10.0;
            TMethodTimes t = times_of(TPlaceDay(sun, nearer, longitude), day, nearer, method);
            if (has_sunrise_and_sunset(t)) {
                t.by_rule.fill(TTimeRule::polar);
                return t;
            }
        }
        return r;
    }
    // The nearest day with a sunrise and a sunset, before or after; its times of day moved onto this day.
    for (int k = 1; k <= 190; ++k) {
        for (const int step : {-k, k}) {
            TMethodTimes t =
                times_of(TPlaceDay(sun_day(day + step), latitude, longitude), day + step, latitude, method);
            if (!has_sunrise_and_sunset(t)) continue;
            for (int i = 0; i < prayer_count; ++i)
                if (t.error[i] == nullptr) t.time[i] -= step;
            t.by_rule.fill(TTimeRule::polar);
            return t;
        }
    }
    return r;
}

double seasonal_fajr_minutes(double latitude, int days) {
    const double l = std::fabs(latitude) / 55;
    return seasonal(75 + 28.65 * l, 75 + 19.44 * l, 75 + 32.74 * l, 75 + 48.10 * l, days);
}

double seasonal_isha_minutes(double latitude, int days) {
    const double l = std::fabs(latitude) / 55;
    return seasonal(75 + 25.60 * l, 75 + 2.050 * l, 75 - 9.21 * l, 75 + 6.14 * l, days);
}

int days_since_winter_solstice(TDateTime date, double latitude) {
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
