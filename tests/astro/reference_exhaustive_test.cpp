// The library's routines against their reference evaluation (astro/reference.h: the series term by term in
// extended precision with the x87 functions) over the years 999 to 2399: Sun positions within 1e-9 degree,
// Moon positions within 1e-8 degree, event instants within 1 ms, Hebrew dates identical. Each sweep counts
// its cases, so that a skipped range cannot pass, and prints the largest differences it saw.
#include "astro/angles.h"
#include "astro/calendar.h"
#include "astro/errors.h"
#include "astro/hebrew.h"
#include "astro/moon_phases.h"
#include "astro/moon_position.h"
#include "astro/prayer.h"
#include "astro/reference.h"
#include "astro/riseset.h"
#include "astro/seasons.h"
#include "astro/sun.h"
#include "astro/vsop.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <gtest/gtest.h>
#include <optional>
#include <string>

using namespace astro;

namespace {

constexpr double kMillisecond = 1.0 / 86400000.0;
constexpr int kShards = 4;

const TDateTime first_day = gregorian_datetime(999, 1, 1);
const TDateTime end_day = gregorian_datetime(2400, 1, 1);

// The largest difference seen of one quantity, and where.
struct TWorst {
    const char* name;
    double limit;
    double value = 0;
    double at = 0;

    void see(long double difference, double where) {
        const double d = std::fabs(static_cast<double>(difference));
        if (!(d <= value)) { // a NaN is kept as the worst
            value = d;
            at = where;
        }
    }
    void report(int shard) const {
        std::printf("shard %d: largest %s difference %.3g (at %.6f), limit %.3g\n", shard, name, value, at,
                    limit);
    }
};

// Angles are compared as angles: 359.9999999 and 0.0000001 degrees are 2e-7 apart.
long double angle_gap(long double a, long double b) {
    return angle_difference(a, b);
}

// The largest differences of the five fields of the positions `fast` and `slow` give at every `step` days
// from 999 to 2399 (shard `shard` of kShards), and the count of instants compared.
template <class Fast, class Slow>
long long compare_positions(int shard, double step, std::array<TWorst, 5>& worst, Fast&& fast, Slow&& slow) {
    long long count = 0;
    for (TDateTime t = first_day + step * shard; t < end_day; t += step * kShards, ++count) {
        const TSkyPosition a = fast(t), b = slow(t);
        worst[0].see(angle_gap(a.longitude, b.longitude), t);
        worst[1].see(a.latitude - b.latitude, t);
        worst[2].see(angle_gap(a.right_ascension, b.right_ascension), t);
        worst[3].see(a.declination - b.declination, t);
        worst[4].see(a.radius - b.radius, t);
    }
    EXPECT_GE(count, static_cast<long long>((end_day - first_day) / (step * kShards)));
    return count;
}

void expect_within(int shard, const TWorst& worst) {
    worst.report(shard);
    EXPECT_LE(worst.value, worst.limit) << worst.name << " at " << worst.at;
}

class ReferenceSweep : public ::testing::TestWithParam<int> {};

// Every 17.3 days (no simple ratio to the year or the month) from 999 to 2399: longitude and latitude within
// 1e-9 degree; right ascension and declination as well, and the Earth's heliocentric longitude every 173
// days.
TEST_P(ReferenceSweep, SunPositions) {
    std::array<TWorst, 5> worst{TWorst{"Sun longitude (deg)", 1e-9}, TWorst{"Sun latitude (deg)", 1e-9},
                                TWorst{"Sun right ascension (deg)", 1e-9},
                                TWorst{"Sun declination (deg)", 1e-9}, TWorst{"Sun distance (km)", 1e-4}};
    compare_positions(
        GetParam(), 17.3, worst, [](TDateTime t) { return sun_position(t); },
        [](TDateTime t) {
            TSkyPosition pos;
            reference::sun_position(t, pos);
            return pos;
        });
    for (const TWorst& w : worst) expect_within(GetParam(), w);

    TWorst helio{"Earth L (deg)", 1e-9};
    for (TDateTime t = first_day + 173 * GetParam(); t < end_day; t += 173 * kShards) {
        extended L1, B1, R1, L2, B2, R2;
        earth_heliocentric(t, L1, B1, R1);
        reference::earth_heliocentric(t, L2, B2, R2);
        helio.see(angle_gap(L1, L2), t);
    }
    expect_within(GetParam(), helio);
}

// Every 5.3 days: the Moon within 1e-8 degree in all four angles, the distance within a metre.
TEST_P(ReferenceSweep, MoonPositions) {
    std::array<TWorst, 5> worst{TWorst{"Moon longitude (deg)", 1e-8}, TWorst{"Moon latitude (deg)", 1e-8},
                                TWorst{"Moon right ascension (deg)", 1e-8},
                                TWorst{"Moon declination (deg)", 1e-8}, TWorst{"Moon distance (km)", 1e-3}};
    compare_positions(
        GetParam(), 3.1, worst, [](TDateTime t) { return moon_position(t); },
        [](TDateTime t) {
            TSkyPosition pos;
            reference::moon_position(pos, t);
            return pos;
        });
    for (const TWorst& w : worst) expect_within(GetParam(), w);
}

// Every new moon and full moon: the searches from instants a lunation apart, both directions, within 1 ms.
TEST_P(ReferenceSweep, NewAndFullMoons) {
    TWorst next{"next new moon (days)", kMillisecond}, last{"last full moon (days)", kMillisecond};
    long long count = 0;
    for (TDateTime t = first_day + 29.5 * GetParam(); t < end_day; t += 29.5 * kShards, ++count) {
        next.see(next_phase(mpNewMoon, t) - reference::next_phase(mpNewMoon, t), t);
        last.see(last_phase(mpFullMoon, t) - reference::last_phase(mpFullMoon, t), t);
    }
    EXPECT_GE(count, static_cast<long long>((end_day - first_day) / (29.5 * kShards)));
    expect_within(GetParam(), next);
    expect_within(GetParam(), last);
}

// The 24 solar terms of every eighth year (the shards take the years in turn): within 1 ms of the reference
// search, whose tolerance is 3e-10 degree.
TEST_P(ReferenceSweep, SolarTerms) {
    TWorst worst{"solar term (days)", kMillisecond};
    long long count = 0;
    for (int year = 999 + 8 * GetParam(); year <= 2399; year += 8 * kShards)
        for (std::uint8_t k = 0; k < 24; ++k, ++count)
            worst.see(sun_longitude_instant(year, k) - reference::sun_longitude_instant(year, k),
                      year + k / 24.0);
    EXPECT_GE(count, 43 * 24); // 43 or 44 years each
    expect_within(GetParam(), worst);
}

// The six prayer times of 300 place-days per shard, the places from 65 S to 65 N around the globe, the days
// spread over the whole range: within 1 ms, and a failure wherever the reference fails, with the same
// message.
TEST_P(ReferenceSweep, PrayerTimes) {
    TWorst worst{"prayer time (days)", kMillisecond};
    int compared = 0, failed = 0;
    const auto outcome = [](auto&& f) -> std::pair<std::optional<double>, std::string> {
        try {
            return {f(), ""};
        } catch (const E_NoRiseSet& e) {
            return {std::nullopt, e.what()};
        }
    };
    constexpr int kPlaceDays = 300;
    for (int i = GetParam(); i < kPlaceDays * kShards; i += kShards) {
        const long double lat = -65 + 130 * (i + 0.5L) / (kPlaceDays * kShards);
        const long double lon = normalize_degrees(i * 137.50776405L) - 180;
        const TDateTime day =
            first_day + std::floor((end_day - first_day) * i / (kPlaceDays * kShards)) + 0.4;
        const TPrayerTimes times = prayer_times(day, lat, lon);
        const std::array<std::pair<std::optional<double>, std::string>, prayer_count> expected{
            outcome([&] { return reference::fedjr_time(day, lat, lon); }),
            outcome([&] { return reference::sun_rise(day, lat, lon); }),
            outcome([&] { return reference::sun_transit(day, lat, lon); }),
            outcome([&] { return reference::assr_time(true, day, lat, lon); }),
            outcome([&] { return reference::sun_set(day, lat, lon); }),
            outcome([&] { return reference::ishaa_time(day, lat, lon); })};
        for (int p = 0; p < prayer_count; ++p) {
            if (!expected[p].first) {
                ++failed;
                EXPECT_EQ(times.error[p] ? std::string(times.error[p]) : "a time", expected[p].second)
                    << lat << " " << lon << " " << day << " " << p;
                continue;
            }
            ++compared;
            ASSERT_EQ(times.error[p], nullptr) << lat << " " << lon << " " << day << " " << p;
            worst.see(times.time[p] - *expected[p].first, day);
        }
    }
    EXPECT_EQ(compared + failed, kPlaceDays * prayer_count);
    EXPECT_GT(compared, kPlaceDays * prayer_count * 9 / 10);
    std::printf("shard %d: %d prayer times compared, %d failing in both\n", GetParam(), compared, failed);
    expect_within(GetParam(), worst);
}

INSTANTIATE_TEST_SUITE_P(Years999To2399, ReferenceSweep, ::testing::Range(0, kShards));

// Every day of 999 to 2399 gives the Hebrew date of the walk through the months.
TEST(ReferenceHebrew, EveryDayOf999To2399) {
    long long days = 0;
    for (auto day = static_cast<long long>(encode_calendar_date(999, 1, 1));
         day <= static_cast<long long>(encode_calendar_date(2399, 12, 31)); ++day, ++days) {
        const auto t = static_cast<TDateTime>(day) + 0.25;
        std::uint16_t y, m, d;
        reference::date_to_hebrew(t, y, m, d);
        const THebrewDate h = date_to_hebrew(t);
        ASSERT_EQ(h, (THebrewDate{y, m, d})) << day;
    }
    EXPECT_EQ(days, 511699);
}

} // namespace
