#include "astro/calendar.h"
#include "astro/errors.h"
#include "astro/islamic.h"
#include "astro/lunar_data.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

using namespace astro;

namespace {

// The day that islamic_to_date denotes: its value rounded down.
TDateTime day_of(const TIslamicDate& date, bool civil_epoch = true) {
    return std::floor(islamic_to_date(date, civil_epoch));
}

TEST(Islamic, EpochDays) {
    EXPECT_EQ(islamic_epoch_day(true), gregorian_datetime(622, 7, 16));
    EXPECT_EQ(islamic_epoch_day(false), gregorian_datetime(622, 7, 15));
    // 1 Muharram 1 is 16 July 622 of the Julian calendar, Julian Day 1948439.5 at its midnight.
    EXPECT_EQ(day_of({1, 1, 1}), encode_calendar_date(622, 7, 16));
    EXPECT_EQ(datetime_to_jd(day_of({1, 1, 1})), 1948439.5L);
    EXPECT_EQ(day_of({1, 1, 1}), gregorian_datetime(622, 7, 19));
    EXPECT_EQ(day_of({1, 1, 1}, false), gregorian_datetime(622, 7, 18));
}

TEST(Islamic, IslamicToDateWorkedExamples) {
    const struct {
        TIslamicDate date;
        std::uint16_t y, m, d; // proleptic Gregorian
    } cases[] = {
        {{1, 1, 1446}, 2024, 7, 7},     {{1, 9, 1446}, 2025, 2, 28},   {{1, 10, 1446}, 2025, 3, 30},
        {{10, 12, 1446}, 2025, 6, 6},   {{1, 1, 1447}, 2025, 6, 27},   {{1, 1, 389}, 998, 12, 28},
        {{29, 12, 1833}, 2400, 12, 16}, {{30, 12, 1446}, 2025, 6, 26},
    };
    for (const auto& c : cases)
        EXPECT_EQ(day_of(c.date), gregorian_datetime(c.y, c.m, c.d))
            << c.date.day << "/" << c.date.month << "/" << c.date.year;
}

TEST(Islamic, DayCountCarriesTheFractionOfTheMeanYear) {
    EXPECT_EQ(islamic_day_count({1, 1, 1}), 1.0L);
    EXPECT_EQ(islamic_day_count({1, 1, 2}), 1.0L + islamic_mean_year);
    // Muharram 30 + Safar 29 days precede Rabi'a I.
    EXPECT_EQ(islamic_day_count({5, 3, 1}), 64.0L);
    // Eleven months of 30 and 29 days precede Dhu al-Hijjah: 325 days.
    EXPECT_EQ(islamic_day_count({1, 12, 1}), 326.0L);
    const extended c = islamic_day_count({1, 1, 1446});
    EXPECT_NEAR(static_cast<double>(c - std::floor(c)), 0.833333, 1e-6);
}

TEST(Islamic, LongYearsAreElevenOfEveryThirty) {
    const int long_remainders[] = {0, 2, 4, 6, 11, 13, 15, 17, 19, 21, 28};
    for (std::uint16_t cycle_start : {0, 1440, 1830}) {
        for (std::uint16_t r = 0; r < 30; ++r) {
            const bool expected = std::find(std::begin(long_remainders), std::end(long_remainders), r) !=
                                  std::end(long_remainders);
            const TIslamicDate date{1, 1, static_cast<std::uint16_t>(cycle_start + r)};
            if (date.year == 0) continue;
            EXPECT_EQ(islamic_is_long_year(date), expected) << date.year;
        }
    }
}

TEST(Islamic, DateValidity) {
    const struct {
        TIslamicDate date;
        bool valid;
    } cases[] = {
        {{30, 1, 1447}, true},   {{30, 1, 1833}, true},  {{30, 2, 1446}, false},  {{29, 2, 1446}, true},
        {{30, 2, 1447}, false},  {{30, 12, 1446}, true}, {{30, 12, 1447}, false}, {{29, 12, 1447}, true},
        {{30, 12, 1833}, false}, {{31, 1, 1446}, false}, {{30, 11, 1446}, true},  {{30, 10, 1446}, false},
        {{0, 1, 1446}, false},   {{1, 0, 1446}, false},  {{1, 13, 1446}, false},  {{1, 1, 0}, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(islamic_date_valid(c.date), c.valid)
            << c.date.day << "/" << c.date.month << "/" << c.date.year;
    for (std::uint16_t year = 389; year <= 1833; ++year)
        ASSERT_TRUE(islamic_date_valid({30, 1, year})) << year;
}

TEST(Islamic, YearAndMonthOfADay) {
    const struct {
        std::uint16_t y, m, d; // proleptic Gregorian
        std::uint16_t year, month;
    } cases[] = {
        {2025, 2, 27, 1446, 8},
        {2025, 2, 28, 1446, 9},
        {2025, 3, 29, 1446, 9},
        {2025, 3, 30, 1446, 10},
        {2024, 7, 7, 1446, 1},
        {2024, 7, 8, 1446, 1},
        {2025, 6, 27, 1447, 1},
        {2025, 6, 28, 1447, 1},
        {2024, 6, 10, 1445, 12}, // more than 325 days into the year
        // The first days of a mean year still count to the mean month before: Dhu al-Hijjah of the year
        // before.
        {2024, 7, 3, 1445, 12},
        {2024, 7, 4, 1445, 12},
        {2024, 7, 6, 1445, 12},
        {2025, 6, 24, 1446, 12},
        {2025, 6, 25, 1446, 12},
        {2025, 6, 26, 1447, 1},
    };
    for (const auto& c : cases) {
        std::uint16_t year = 0, month = 0;
        islamic_year_month(true, gregorian_datetime(c.y, c.m, c.d) + 0.5, year, month);
        EXPECT_EQ(year, c.year) << c.y << "-" << c.m << "-" << c.d;
        EXPECT_EQ(month, c.month) << c.y << "-" << c.m << "-" << c.d;
    }
}

TEST(Islamic, DateToIslamicTakesTheDayFromTheMoonsAgeAtNoon) {
    const struct {
        std::uint16_t y, m, d; // proleptic Gregorian
        TIslamicDate date;
    } cases[] = {
        // New moon on 11 January 2024 at 11:57: at noon the Moon's age rounds to 0.
        {2024, 1, 11, {0, 6, 1445}},
        {2024, 3, 10, {0, 8, 1445}}, // new moon 3 hours before noon
        // New moon on 28 February 2025 at 00:45: at noon the age is 0.52 days.
        {2025, 2, 27, {29, 8, 1446}},
        {2025, 2, 28, {1, 9, 1446}},
        {2025, 3, 1, {2, 9, 1446}},
        {2024, 10, 2, {29, 3, 1446}},
        {2024, 10, 3, {1, 4, 1446}},
        {2024, 7, 6, {1, 12, 1445}}, // the mean year has begun, its mean month not yet
    };
    for (const auto& c : cases) {
        const TDateTime day = gregorian_datetime(c.y, c.m, c.d);
        for (const TDateTime time : {0.0, 0.5, 0.99})
            EXPECT_EQ(date_to_islamic(true, day + time), c.date)
                << c.y << "-" << c.m << "-" << c.d << " " << time;
    }
}

TEST(Islamic, DateToIslamicAgreesWithItsYearAndMonth) {
    for (TDateTime t = gregorian_datetime(999, 1, 1) + 0.5; t < gregorian_datetime(2400, 1, 1); t += 3119.7) {
        std::uint16_t year = 0, month = 0;
        islamic_year_month(true, t, year, month);
        const TIslamicDate date = date_to_islamic(true, t);
        EXPECT_EQ(date.year, year) << t;
        EXPECT_EQ(date.month, month) << t;
        EXPECT_EQ(date.day, static_cast<std::uint16_t>(std::nearbyint(moon_age(std::floor(t) + 0.5)))) << t;
        EXPECT_LE(date.day, 30) << t;
    }
}

TEST(Islamic, NoYearBeforeTheEpoch) {
    std::uint16_t year = 0, month = 0;
    EXPECT_THROW(islamic_year_month(true, gregorian_datetime(622, 7, 1), year, month), E_OutOfAlgorithmRange);
    EXPECT_EQ(year, 0);
    islamic_year_month(true, gregorian_datetime(622, 8, 1), year, month);
    EXPECT_EQ(year, 1);
    EXPECT_EQ(month, 1);
}

} // namespace
