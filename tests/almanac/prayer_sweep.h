// The sweep of every calculation method and both Asr schools over places from 65 S to 65 N and the
// consecutive days of a year, shared by the exhaustive test and the small shard of the normal run: the six
// times in order, and no jumps (the day-to-day step of each time differs from the day before's by at most two
// minutes) except on the days where the recommended high-latitude rule (or Ramadan's interval of Umm
// al-Qura's Isha) starts or stops applying, which are counted.
#pragma once

#include "almanac/datetime_parts.h"
#include "almanac/prayer_methods.h"
#include "astro/prayer.h"
#include "astro/prayer_methods.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <gtest/gtest.h>
#include <vector>

namespace prayer_sweep {

struct TCounts {
    long place_days = 0;   ///< computed
    long exceptions = 0;   ///< steps where a rule starts or stops applying
    long jumps = 0;        ///< steps beyond the bound elsewhere (must stay 0)
    long out_of_order = 0; ///< days whose times are not in order (must stay 0)
    long failures = 0;     ///< times not computed (must stay 0 up to 65 degrees)
    double largest = 0;    ///< the largest change of a step outside the exceptions, minutes
};

struct TDay {
    std::array<double, 6> t{}; // instants, unwrapped around the transit
    std::array<int, 6> rule{}; // what placed each time (0: the Sun)
    bool sticky = false;       // a rule that excuses every day it marks, not only its changes
    bool ok = true;
};

inline TDay day_times(const almanac::TMethodChoice& choice, double day, double lat, double lon_west) {
    TDay d;
    if (choice.method == almanac::TMethodId::almadex) {
        const astro::TPrayerTimes p = astro::prayer_times(day, lat, lon_west, true);
        for (int i = 0; i < 6; ++i) d.ok = d.ok && p.error[i] == nullptr;
        d.t = p.time;
        // The day-arc times are reduced into the UT day: put them around the transit (itself near local
        // noon). Where one of them comes near 0 h UT, the method's single correction step is taken from the
        // Sun of the other end of the day, a step of a few minutes in the method itself: such days count with
        // the rules' changes.
        d.t[2] += std::round(day + 0.5 + lon_west / 360 - d.t[2]);
        bool near_midnight = false;
        for (int i = 0; i < 6; ++i) {
            const double fraction = p.time[i] - std::floor(p.time[i]);
            near_midnight = near_midnight || fraction < 0.03 || fraction > 0.97;
            const double off = d.t[i] - d.t[2];
            if (i < 2 && off > 0) d.t[i] -= 1;
            if (i > 2 && off < 0) d.t[i] += 1;
        }
        d.rule.fill(near_midnight ? 1 : 0);
        d.sticky = true;
        return d;
    }
    const astro::TAngleMethod m = almanac::angle_method(choice, lat, day);
    const astro::TMethodTimes p = astro::method_prayer_times(day, lat, lon_west, m);
    for (int i = 0; i < 6; ++i) d.ok = d.ok && p.error[i] == nullptr;
    d.t = p.time;
    for (int i = 0; i < 6; ++i) d.rule[i] = static_cast<int>(p.by_rule[i]);
    // Umm al-Qura's Isha changes its interval with Ramadan: a change of rule as well.
    if (m.isha_minutes > 0 && almanac::prayer_method(choice.method).isha_minutes_ramadan > 0)
        d.rule[5] = m.isha_minutes != almanac::prayer_method(choice.method).isha_minutes ? 9 : 0;
    return d;
}

/// Sweeps places `first` to `last` (of 500 spread evenly from 65 S to 65 N, longitudes by the golden angle)
/// over the 365 days of 2026 and every method and Asr school.
inline TCounts sweep(int first, int last) {
    TCounts c;
    const double start = almanac::datetime_from_parts(2026, 1, 1);
    constexpr double minute = 1.0 / 1440;
    for (int place = first; place <= last; ++place) {
        const double lat = -65 + 130.0 * place / 499;
        const double lon_west = std::fmod(place * 137.50776, 360.0) - 180;
        for (const auto& method : almanac::prayer_methods) {
            for (const auto school : {almanac::TAsrSchool::standard, almanac::TAsrSchool::hanafi}) {
                if (method.id == almanac::TMethodId::almadex && school == almanac::TAsrSchool::hanafi)
                    continue;
                almanac::TMethodChoice choice;
                choice.method = method.id;
                choice.asr = school;
                std::vector<TDay> days;
                days.reserve(365);
                for (int k = 0; k < 365; ++k) {
                    TDay d = day_times(choice, start + k, lat, lon_west);
                    ++c.place_days;
                    if (!d.ok) {
                        ++c.failures;
                        ADD_FAILURE() << method.key << " lat " << lat << " day " << k << ": a time failed";
                    }
                    for (int i = 1; i < 6; ++i)
                        if (!(d.t[i - 1] < d.t[i])) {
                            ++c.out_of_order;
                            if (c.out_of_order < 5)
                                ADD_FAILURE() << method.key << " lat " << lat << " lon " << lon_west
                                              << " day " << k << ": time " << i << " before time " << i - 1;
                            break;
                        }
                    days.push_back(d);
                }
                for (int k = 2; k < 365; ++k)
                    for (int i = 0; i < 6; ++i) {
                        const double step = days[k].t[i] - days[k - 1].t[i] - 1;
                        const double before = days[k - 1].t[i] - days[k - 2].t[i] - 1;
                        const double change = std::fabs(step - before) / minute;
                        const bool rule_changes = days[k].rule[i] != days[k - 1].rule[i] ||
                                                  days[k - 1].rule[i] != days[k - 2].rule[i] ||
                                                  (days[k].sticky && (days[k].rule[i] + days[k - 1].rule[i] +
                                                                      days[k - 2].rule[i]) > 0);
                        if (change <= 2) continue;
                        if (rule_changes) {
                            ++c.exceptions;
                            continue;
                        }
                        ++c.jumps;
                        c.largest = std::max(c.largest, change);
                        if (c.jumps < 5)
                            ADD_FAILURE()
                                << method.key << " school " << static_cast<int>(school) << " lat " << lat
                                << " lon " << lon_west << " day " << k << " time " << i << ": step "
                                << step / minute << " after " << before / minute << " min";
                    }
            }
        }
    }
    std::printf(
        "places %d..%d: %ld place-days, %ld steps where a rule starts or stops, %ld jumps, %ld out of "
        "order, %ld failures\n",
        first, last, c.place_days, c.exceptions, c.jumps, c.out_of_order, c.failures);
    return c;
}

/// Beyond 65 degrees: every time of every method either is computed or carries its reason.
inline long polar_check(int places) {
    long days_checked = 0;
    const double start = almanac::datetime_from_parts(2026, 1, 1);
    for (int place = 0; place < places; ++place) {
        const double lat = (place % 2 ? -1 : 1) * (65.5 + 24.0 * place / places);
        for (const auto& method : almanac::prayer_methods) {
            if (method.id == almanac::TMethodId::almadex) continue;
            almanac::TMethodChoice choice;
            choice.method = method.id;
            for (int k = 0; k < 365; k += 3) {
                const astro::TMethodTimes p = astro::method_prayer_times(
                    start + k, lat, 10, almanac::angle_method(choice, lat, start + k));
                ++days_checked;
                for (int i = 0; i < 6; ++i) {
                    if (p.error[i] == nullptr)
                        EXPECT_TRUE(std::isfinite(p.time[i]) && p.time[i] != 0) << method.key << " " << lat;
                    else
                        EXPECT_GT(std::string(p.error[i]).size(), 20u) << method.key << " " << lat;
                }
            }
        }
    }
    return days_checked;
}

} // namespace prayer_sweep
