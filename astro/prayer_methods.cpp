#include "astro/prayer_methods.h"

#include "astro/calendar.h"
#include "astro/riseset.h"
#include "astro/riseset_method.h"

#include <cmath>
#include <limits>

namespace astro {

using namespace riseset_method;

namespace {

constexpr double nan_time = std::numeric_limits<double>::quiet_NaN();
constexpr double minutes_per_day = 1440;

// One day at one place: the Sun's working values and the sines and cosines that every hour angle shares.
struct TPlaceDay {
    TRiseSetWorkOf<double> w;
    double sin_lat, cos_lat, sin_dec, cos_dec;
    double m0;      // first estimate of the transit, the one nearest the local mean noon
    double transit; // its corrected day fraction

    TPlaceDay(const TSunDay& day, double latitude, double longitude)
        : w(day.work(0, latitude, longitude)), sin_lat(TDoubleMath::sin_deg(latitude)),
          cos_lat(TDoubleMath::cos_deg(latitude)), sin_dec(TDoubleMath::sin_deg(day.delta2)),
          cos_dec(TDoubleMath::cos_deg(day.delta2)) {
        const double estimate = transit_estimate(w);
        m0 = estimate + std::round(0.5 + longitude / 360 - estimate);
        transit = m0 + correction<TDoubleMath>(w, 0, m0);
    }

    // Hour angle (degrees) at which the Sun's centre crosses altitude h (degrees); NaN when it does not.
    double hour_angle_at(double h) const {
        const double c = (TDoubleMath::sin_deg(h) - sin_lat * sin_dec) / (cos_lat * cos_dec);
        if (!(c >= -1 && c <= 1)) return nan_time;
        return TDoubleMath::acos_deg(c);
    }

    // The day fraction of the crossing of altitude h before (rising) or after (setting) the transit, one
    // correction step (Meeus 15.2) from the estimate m0 -+ H / 360, not reduced into the UT day, so that a
    // place far from Greenwich gets its own evening, not the one of the day before; NaN when the Sun does not
    // cross h.
    double crossing(double h, bool rising) const {
        const double angle = hour_angle_at(h);
        if (std::isnan(angle)) return nan_time;
        TRiseSetWorkOf<double> at = w;
        at.h0 = h;
        const double m = rising ? m0 - angle / 360 : m0 + angle / 360;
        const double step = correction<TDoubleMath>(at, rising ? 1 : 2, m);
        // Where the Sun only just reaches h (H near 0 or 180 degrees) the step divides by almost nothing: a
        // step beyond an hour means the crossing is not determined, and the time is taken as not calculable.
        if (!(std::fabs(step) <= 1.0 / 24)) return nan_time;
        return m + step;
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
    const double rise = p.crossing(static_cast<double>(sun_standard_altitude), true);
    const double set = p.crossing(static_cast<double>(sun_standard_altitude), false);
    f[prSunrise] = rise;
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
    if (m.maghrib_angle > 0) {
        f[prSunset] = p.crossing(-m.maghrib_angle, false);
        bound(prSunset, m.maghrib_angle, set, 1);
    }
    // Asr: the altitude at which the shadow is asr_shadow lengths plus the noon shadow (cot A = s + tan|phi -
    // delta|), with the declination at the transit.
    const double delta = interpolate(p.w.delta1, p.w.delta2, p.w.delta3, p.transit);
    const double cot = m.asr_shadow + std::tan(std::fabs(latitude - delta) * TDoubleMath::pi / 180);
    f[prAssr] = p.crossing(std::atan(1 / cot) * 180 / TDoubleMath::pi, false);
    f[prFedjr] = p.crossing(-m.fajr_angle, true);
    const bool isha_by_angle = !(m.isha_minutes > 0);
    f[prIshaa] =
        isha_by_angle ? p.crossing(-m.isha_angle, false) : f[prSunset] + m.isha_minutes / minutes_per_day;
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
    const TCalendarDate d = gregorian_date_of(date);
    const std::uint16_t month = latitude >= 0 ? 12 : 6;
    const TDateTime day = std::floor(date);
    TDateTime solstice = gregorian_datetime(d.year, month, 21);
    if (solstice > day) solstice = gregorian_datetime(static_cast<std::uint16_t>(d.year - 1), month, 21);
    return static_cast<int>(day - solstice);
}

THighLatitudeRule recommended_high_latitude_rule(double latitude) {
    return std::fabs(latitude) < 45 ? THighLatitudeRule::none : THighLatitudeRule::twilight_angle;
}

} // namespace astro
