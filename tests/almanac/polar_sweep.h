// The sweep of every angle method, high-latitude rule and polar rule over 500 places from 65 to 90 degrees
// north and south and the 366 days of 2024, shared by the exhaustive test and the small shard of the normal
// run. Without a polar rule the times a day has are in order, and a time is missing only where the Sun does
// not pass its altitude that day, with the message that says why; the Sun's altitudes at its upper and lower
// transits come from an independent computation (the U.S. Naval Observatory's approximate solar
// coordinates). With a polar rule every day has every time, in order, around the day's own transit, and a day
// that has them all keeps them.
#pragma once

#include "almanac/datetime_parts.h"
#include "almanac/prayer_methods.h"
#include "astro/prayer_methods.h"

#include <cmath>
#include <cstdio>
#include <gtest/gtest.h>
#include <string>

namespace polar_sweep {

constexpr int kPlaces = 500;
constexpr int kDays = 366;

struct TCounts {
    long place_days = 0;   ///< (place, day, method, high-latitude rule) computed with each polar rule
    long missing = 0;      ///< times missing without a polar rule (each justified, or counted below)
    long unjustified = 0;  ///< missing although the Sun passes the altitude, or with the wrong message
    long out_of_order = 0; ///< days whose times are not in order
    long incomplete = 0;   ///< days lacking a time with a polar rule
    long changed = 0; ///< complete days changed, placed days not saying so, or a transit not the day's own
};

/// Place p of 500: north for even p, south for odd, 65 to 90 degrees by steps of about 0.1; longitudes spread
/// by the golden angle; the Asr schools alternate.
inline double latitude_of(int p) {
    return (p % 2 ? -1 : 1) * (65 + 25.0 * (p / 2) / (kPlaces / 2 - 1));
}

// The Sun's declination (degrees) at a date-time value t (UT), U.S. Naval Observatory, "Approximate Solar
// Coordinates".
inline double usno_declination(double t) {
    constexpr double rad = 3.14159265358979323846 / 180;
    const double d = t + 2415018.5 - 2451545.0;
    const double g = (357.529 + 0.98560028 * d) * rad;
    const double q = 280.459 + 0.98564736 * d;
    const double l = (q + 1.915 * std::sin(g) + 0.020 * std::sin(2 * g)) * rad;
    const double e = (23.439 - 0.00000036 * d) * rad;
    return std::asin(std::sin(e) * std::sin(l)) / rad;
}

// The Sun's altitudes (degrees) at its upper and lower transits on the day of `transit`, and the altitude of
// Asr's shadow (NaN where the Sun stays below the horizon at noon).
struct TAltitudes {
    double highest, lowest, asr;
};
inline TAltitudes altitudes(double transit, double lat, double shadow) {
    constexpr double rad = 3.14159265358979323846 / 180;
    const double dec = usno_declination(transit);
    TAltitudes a{90 - std::fabs(lat - dec), std::fabs(lat + dec) - 90, std::nan("")};
    if (a.highest > 0) a.asr = std::atan(1 / (shadow + std::tan((90 - a.highest) * rad))) / rad;
    return a;
}

// Whether the Sun does not pass altitude h (degrees) that day, give or take `tol` degrees (the Sun's
// declination moves by up to 0.2 degrees within half a day of its transit).
inline bool not_passed(double h, const TAltitudes& a) {
    constexpr double tol = 0.3;
    return !(h < a.highest - tol && h > a.lowest + tol);
}

// Whether a time's message names why it is missing.
inline bool justified(int i, const char* message, const astro::TAngleMethod& m, const TAltitudes& a) {
    const std::string e = message;
    if (e == astro::no_sunrise_message) return not_passed(-0.8333, a);
    if (i == astro::prAssr)
        return e == astro::asr_shadow_message && (std::isnan(a.asr) || not_passed(a.asr, a));
    if (m.high_latitude != astro::THighLatitudeRule::none) return false; // the rule places the rest
    switch (i) {
    case astro::prFedjr:
        return e == astro::fajr_angle_message && not_passed(-m.fajr_angle, a);
    case astro::prSunset:
        return e == astro::maghrib_angle_message && not_passed(-m.maghrib_angle, a);
    case astro::prIshaa:
        return e == astro::isha_angle_message && not_passed(-m.isha_angle, a);
    default:
        return false;
    }
}

inline bool in_order(const astro::TMethodTimes& t) {
    double last = -1e300;
    for (int i = 0; i < astro::prayer_count; ++i) {
        if (t.error[i] != nullptr) continue;
        if (!(t.time[i] > last)) return false;
        last = t.time[i];
    }
    return true;
}

inline bool complete(const astro::TMethodTimes& t) {
    for (const char* e : t.error)
        if (e != nullptr) return false;
    return true;
}

/// Places `first`, first + step, ... below kPlaces, over every day (or every `day_step`-th day) of 2024.
inline TCounts sweep(int first, int step, int day_step = 1) {
    using namespace astro;
    TCounts c;
    const double start = almanac::datetime_from_parts(2024, 1, 1);
    // The first three faults of each kind are told, named by `what` (a function: the text costs more than the
    // check).
    const auto fail = [](long& counter, const auto& what) {
        if (++counter <= 3) ADD_FAILURE() << what();
    };
    for (int p = first; p < kPlaces; p += step) {
        const double lat = latitude_of(p);
        const double lon_west = std::fmod(p * 137.50776, 360.0) - 180;
        for (const almanac::TPrayerMethod& method : almanac::prayer_methods) {
            if (method.id == almanac::TMethodId::almadex) continue;
            for (const auto rule :
                 {almanac::THighLatitudeChoice::none, almanac::THighLatitudeChoice::middle_of_night,
                  almanac::THighLatitudeChoice::seventh_of_night,
                  almanac::THighLatitudeChoice::twilight_angle}) {
                almanac::TMethodChoice choice;
                choice.method = method.id;
                choice.high_latitude = rule;
                choice.asr = (p / 2) % 2 ? almanac::TAsrSchool::hanafi : almanac::TAsrSchool::standard;
                for (int k = 0; k < kDays; k += day_step) {
                    const double day = start + k;
                    TAngleMethod m = almanac::angle_method(choice, lat, day);
                    const auto where = [&] {
                        return std::string(method.key) + " rule " + std::to_string(static_cast<int>(rule)) +
                               " lat " + std::to_string(lat) + " day " + std::to_string(k);
                    };
                    const TMethodTimes none = method_prayer_times(day, lat, lon_west, m);
                    ++c.place_days;
                    if (!in_order(none)) fail(c.out_of_order, [&] { return where() + ": out of order"; });
                    const TAltitudes a = altitudes(none.time[prTransit], lat, m.asr_shadow);
                    for (int i = 0; i < prayer_count; ++i) {
                        if (none.error[i] == nullptr) continue;
                        ++c.missing;
                        if (!justified(i, none.error[i], m, a))
                            fail(c.unjustified, [&] {
                                return where() + " time " + std::to_string(i) + ": " + none.error[i];
                            });
                    }
                    for (const auto polar : {TPolarRule::nearest_day, TPolarRule::nearest_latitude}) {
                        m.polar = polar;
                        const TMethodTimes t = method_prayer_times(day, lat, lon_west, m);
                        const auto with = [&](const char* fault) {
                            return [&, fault] {
                                return where() + " polar " + std::to_string(static_cast<int>(polar)) + fault;
                            };
                        };
                        if (!complete(t)) fail(c.incomplete, with(": a time is missing"));
                        if (!in_order(t)) fail(c.out_of_order, with(": out of order"));
                        bool same = t.time[prTransit] == none.time[prTransit];
                        if (complete(none))
                            for (int i = 0; i < prayer_count; ++i)
                                same = same && t.time[i] == none.time[i] && t.by_rule[i] == none.by_rule[i];
                        // A day the rule placed says so at every time but its own transit.
                        for (int i = 0; i < prayer_count && !complete(none); ++i)
                            same =
                                same && (t.by_rule[i] == TTimeRule::sun) == (i == prTransit) &&
                                (t.by_rule[i] != TTimeRule::nearest_day || polar == TPolarRule::nearest_day);
                        if (!same) fail(c.changed, with(": a complete day changed, or the rule not said"));
                    }
                }
            }
        }
    }
    std::printf(
        "places %d + %d n: %ld place-days with each rule, %ld times missing without a polar rule (%ld "
        "unjustified); %ld out of order, %ld incomplete with a polar rule, %ld changed\n",
        first, step, c.place_days, c.missing, c.unjustified, c.out_of_order, c.incomplete, c.changed);
    return c;
}

} // namespace polar_sweep
