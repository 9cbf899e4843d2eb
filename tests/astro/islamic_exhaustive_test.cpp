#include "astro/calendar.h"
#include "astro/islamic.h"
#include "astro/lunar_data.h"
#include "tests/astro/islamic_step.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <map>
#include <utility>

using namespace astro;

namespace {

// Every day from December 998 to January 2401 (beyond the civil years 999..2399 so that the Islamic years 389
// to 1833 are whole): the year and month never go backwards, and the first day shown in each month lies
// within 3 days of the day that islamic_to_date gives for day 1 of that month.
TEST(IslamicExhaustive, MonthsAdvanceAndStartNearTheArithmeticMonth) {
    const auto first = static_cast<long long>(encode_calendar_date(998, 12, 1));
    const auto last = static_cast<long long>(gregorian_datetime(2401, 1, 31));
    std::map<std::pair<int, int>, long long> first_days;
    std::pair<int, int> previous{0, 0};
    for (long long day = first; day <= last; ++day) {
        std::uint16_t year = 0, month = 0;
        islamic_year_month(true, static_cast<TDateTime>(day) + 0.5, year, month);
        ASSERT_GE(month, 1) << day;
        ASSERT_LE(month, 12) << day;
        const std::pair<int, int> current{year, month};
        ASSERT_GE(current, previous) << day;
        if (current != previous) {
            // One month at a time, Dhu al-Hijjah to Muharram of the next year.
            if (previous.first != 0) {
                const bool next_month =
                    current.first == previous.first && current.second == previous.second + 1;
                const bool next_year =
                    current.first == previous.first + 1 && current.second == 1 && previous.second == 12;
                ASSERT_TRUE(next_month || next_year) << day;
            }
            first_days.emplace(current, day);
        }
        previous = current;
    }

    long long largest_gap = 0;
    int months = 0;
    for (std::uint16_t year = 389; year <= 1833; ++year) {
        for (std::uint16_t month = 1; month <= 12; ++month, ++months) {
            const auto it = first_days.find({year, month});
            ASSERT_NE(it, first_days.end()) << year << "/" << month;
            const auto start = static_cast<long long>(std::floor(islamic_to_date({1, month, year}, true)));
            const long long gap = std::llabs(start - it->second);
            largest_gap = std::max(largest_gap, gap);
            EXPECT_LE(gap, 3) << year << "/" << month;
        }
    }
    EXPECT_EQ(months, 1445 * 12);
    std::printf("largest gap between the arithmetic and the shown start of a month: %lld days\n",
                largest_gap);
}

// The Islamic date of every day of the years 999 to 2399 as the converter's Gregorian field reads them
// (proleptic Gregorian, 511,704 days), in shards of about two centuries so that the
// sweep runs in parallel (each shard begins a day early to check the step into its first day):
// - the days count one at a time: the day after day n is day n + 1 of the same month, or day 1 of the next
//   month (month 12 followed by month 1 of the next year) after day 29 or 30; there is no day 0;
// - a month begins exactly on the days that the Moon's age at noon gives: the first day after a new moon
//   whose age rounds to 1 or more (the age falling below half a lunation marks the new moon);
// - against the day that the rounded age alone gives (0 read as the last day of the month before), each shard
//   reports the share of days that differ (a little over a third) and the largest difference (one day).
class IslamicMoonSweep : public ::testing::TestWithParam<std::pair<int, int>> {};

TEST_P(IslamicMoonSweep, DaysCountOneAtATimeFromTheMoonsMonthStart) {
    const auto [first_year, last_year] = GetParam();
    const auto first =
        static_cast<long long>(gregorian_datetime(static_cast<std::uint16_t>(first_year), 1, 1));
    const auto last =
        static_cast<long long>(gregorian_datetime(static_cast<std::uint16_t>(last_year), 12, 31));
    constexpr extended half_lunation = 29.530589L / 2;

    TIslamicDate before = date_to_islamic(true, static_cast<TDateTime>(first - 1) + 0.5);
    extended age_before = moon_age(static_cast<TDateTime>(first - 1) + 0.5);
    long long days = 0, differing = 0, months = 0;
    int largest = 0;
    for (long long day = first; day <= last; ++day, ++days) {
        const TDateTime noon = static_cast<TDateTime>(day) + 0.5;
        const TIslamicDate date = date_to_islamic(true, noon);
        const extended age = moon_age(noon);
        const int rounded = static_cast<int>(std::nearbyint(age));

        const bool age_begins_month = age < half_lunation && rounded >= 1 &&
                                      (age_before >= half_lunation || std::nearbyint(age_before) == 0);
        ASSERT_EQ(date.day == 1, age_begins_month) << day << ": age " << static_cast<double>(age);
        ASSERT_TRUE(astro::testing::is_next_day(before, date)) << day;
        if (date.day == 1) ++months;
        ASSERT_GE(date.month, 1) << day;
        ASSERT_LE(date.month, 12) << day;

        // A rounded age of 0 falls on the last day of a month (the next day begins one), as it is read here.
        const int difference = rounded == 0 ? 0 : std::abs(date.day - rounded);
        if (difference != 0) ++differing;
        largest = std::max(largest, difference);
        before = date;
        age_before = age;
    }
    EXPECT_EQ(days, last - first + 1);
    // 12 months of 29.53 days in 354.37: about 33.9 months in 1000 days.
    EXPECT_NEAR(static_cast<double>(months) / static_cast<double>(days) * 1000, 33.86, 0.1);
    const double share = static_cast<double>(differing) / static_cast<double>(days);
    EXPECT_GT(share, 0.30);
    EXPECT_LT(share, 0.45);
    EXPECT_LE(largest, 1);
    std::printf("%d..%d: %lld days, %lld months; day differs from the rounded age on %lld days (%.2f%%), "
                "by at most %d\n",
                first_year, last_year, days, months, differing, 100.0 * share, largest);
}

INSTANTIATE_TEST_SUITE_P(From999To2399, IslamicMoonSweep,
                         ::testing::Values(std::pair{999, 1199}, std::pair{1200, 1399}, std::pair{1400, 1599},
                                           std::pair{1600, 1799}, std::pair{1800, 1999},
                                           std::pair{2000, 2199}, std::pair{2200, 2399}));

} // namespace
