#include "astro/calendar.h"
#include "astro/errors.h"
#include "astro/islamic.h"
#include "astro/lunar_data.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <gtest/gtest.h>
#include <limits>
#include <ostream>
#include <vector>

using namespace astro;

namespace astro {
// Day/month/year in failure messages.
void PrintTo(const TIslamicDate& d, std::ostream* os) {
    *os << d.day << "/" << d.month << "/" << d.year;
}
} // namespace astro

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

// A month begins on the first day whose Moon's age at noon rounds to 1 or more after a new moon; the days
// count one at a time from there, and the whole month carries the mean year's month of its 15th day.
TEST(Islamic, DateToIslamicCountsTheDaysOfTheMoonsMonth) {
    const struct {
        std::uint16_t y, m, d; // proleptic Gregorian
        TIslamicDate date;
    } cases[] = {
        // January 2025: the rounded age at noon gives 25 Rajab twice (24.53 and 25.47) and skips 29 (28.45,
        // then 29.50); the days now count on.
        {2025, 1, 24, {25, 7, 1446}},
        {2025, 1, 25, {26, 7, 1446}},
        {2025, 1, 28, {29, 7, 1446}},
        {2025, 1, 29, {30, 7, 1446}},
        // New moon on 28 February 2025 at 00:45: at noon the age is already 0.52, so Ramadan begins that day.
        {2025, 2, 27, {29, 8, 1446}},
        {2025, 2, 28, {1, 9, 1446}},
        {2025, 3, 1, {2, 9, 1446}},
        {2025, 3, 28, {29, 9, 1446}},
        // New moon on 29 March 2025 at 10:58: the age at noon, 0.05, rounds to 0 (the day the rounded age
        // called day 0): the day is now the last of Ramadan, and Shawwal begins the next day.
        {2025, 3, 29, {30, 9, 1446}},
        {2025, 3, 30, {1, 10, 1446}},
        // December 2026: age 0.42 at noon on the 9th, the 30th of Jumada II; Rajab begins on the 10th (where
        // the mean month had not yet advanced and gave 1 Jumada II after 29 Jumada II).
        {2026, 12, 8, {29, 6, 1448}},
        {2026, 12, 9, {30, 6, 1448}},
        {2026, 12, 10, {1, 7, 1448}},
        // The years begin with their first lunation: 6 July 2024 (age 0.54 at noon), whose 15th day lies in
        // the mean year's Muharram, although the mean month still counts 6 July to Dhu al-Hijjah.
        {2024, 7, 5, {29, 12, 1445}},
        {2024, 7, 6, {1, 1, 1446}},
        {2024, 7, 7, {2, 1, 1446}},
        {2024, 7, 8, {3, 1, 1446}},
        {2025, 6, 25, {29, 12, 1446}},
        {2025, 6, 26, {1, 1, 1447}},
        {2025, 6, 27, {2, 1, 1447}},
        {2025, 6, 28, {3, 1, 1447}},
        {2024, 6, 10, {4, 12, 1445}},
        {2024, 1, 11, {30, 6, 1445}}, // new moon at 11:57, age 0.00 at noon
        {2024, 1, 12, {1, 7, 1445}},
    };
    for (const auto& c : cases) {
        const TDateTime day = gregorian_datetime(c.y, c.m, c.d);
        for (const TDateTime time : {0.0, 0.5, 0.99})
            EXPECT_EQ(date_to_islamic(true, day + time), c.date)
                << c.y << "-" << c.m << "-" << c.d << " " << time;
    }
}

// The months that the mean year gives these days stay theirs under the Moon's months.
TEST(Islamic, DateToIslamicKeepsTheMeanYearsMonthsOfTheseDays) {
    const struct {
        std::uint16_t y, m, d; // proleptic Gregorian
        std::uint16_t year, month;
    } cases[] = {
        {2025, 2, 27, 1446, 8},  {2025, 2, 28, 1446, 9}, {2025, 3, 29, 1446, 9},
        {2025, 3, 30, 1446, 10}, {2024, 7, 7, 1446, 1},  {2024, 7, 8, 1446, 1},
        {2025, 6, 27, 1447, 1},  {2025, 6, 28, 1447, 1}, {2024, 6, 10, 1445, 12},
    };
    for (const auto& c : cases) {
        const TDateTime t = gregorian_datetime(c.y, c.m, c.d) + 0.5;
        std::uint16_t year = 0, month = 0;
        islamic_year_month(true, t, year, month);
        const TIslamicDate date = date_to_islamic(true, t);
        EXPECT_EQ(date.year, c.year) << c.y << "-" << c.m << "-" << c.d;
        EXPECT_EQ(date.month, c.month) << c.y << "-" << c.m << "-" << c.d;
        EXPECT_EQ(year, c.year) << c.y << "-" << c.m << "-" << c.d;
        EXPECT_EQ(month, c.month) << c.y << "-" << c.m << "-" << c.d;
    }
}

TEST(Islamic, MonthFirstDayIsTheFirstNoonOfRoundedAgeOneAfterTheNewMoon) {
    const struct {
        std::uint16_t y, m, d;    // any day of the month, proleptic Gregorian
        std::uint16_t fy, fm, fd; // its first day
    } cases[] = {
        {2025, 3, 15, 2025, 2, 28}, // new moon 28 February 00:45, age 0.52 at noon
        {2025, 2, 28, 2025, 2, 28},
        {2025, 3, 29, 2025, 2, 28},
        {2025, 3, 30, 2025, 3, 30},
        {2024, 1, 11, 2023, 12, 13}, // age 0.00 at noon of the new moon's day: the last day of the month
        {2024, 1, 12, 2024, 1, 12},
        {1999, 12, 9, 1999, 12, 9}, // new moon 7 December 1999 at 22:32: age
                                    // 0.497 at noon on the 8th
        {2000, 1, 6, 1999, 12, 9},  // new moon 6 January 2000 at 18:14 (Meeus, example 49.a)
        {2000, 1, 7, 2000, 1, 7},
        {2000, 1, 8, 2000, 1, 7},
    };
    for (const auto& c : cases) {
        const TDateTime day = gregorian_datetime(c.y, c.m, c.d);
        EXPECT_EQ(islamic_month_first_day(day + 0.75), gregorian_datetime(c.fy, c.fm, c.fd))
            << c.y << "-" << c.m << "-" << c.d;
    }
}

TEST(Islamic, MonthFirstDayIsTheSameWithAndWithoutItsMemo) {
    std::vector<TDateTime> first;
    for (TDateTime t = gregorian_datetime(999, 1, 1); t < gregorian_datetime(2400, 1, 1); t += 3119.7)
        first.push_back(islamic_month_first_day(t));
    clear_islamic_month_memo();
    std::size_t i = 0;
    for (TDateTime t = gregorian_datetime(999, 1, 1); t < gregorian_datetime(2400, 1, 1); t += 3119.7) {
        const TDateTime again = islamic_month_first_day(t);
        EXPECT_EQ(std::memcmp(&again, &first[i++], sizeof again), 0) << t;
    }
}

TEST(Islamic, DateToIslamicRejectsWhatItCannotCount) {
    EXPECT_THROW(date_to_islamic(true, std::numeric_limits<double>::quiet_NaN()), E_OutOfAlgorithmRange);
    EXPECT_THROW(date_to_islamic(true, gregorian_datetime(622, 7, 1)), E_OutOfAlgorithmRange);
}

// The reverse of date_to_islamic from the epoch to 21,000 AH (Gregorian 21,000): sampled days give their date
// and back the same day, with either epoch. Beyond, up to the last instant the library admits, the drift of
// the phase series from the mean year gives two months one number here and there: a date still gives a day
// that shows it.
TEST(Islamic, IslamicToDayReversesDateToIslamicOverTheAdmittedRange) {
    const TDateTime one_to_one_end = islamic_to_date({1, 1, 21000}, true);
    int samples = 0, beyond = 0;
    for (TDateTime t = gregorian_datetime(622, 8, 1) + 0.5; t < instant_limit_days - 60; t += 997.3) {
        for (const bool civil : {true, false}) {
            const TIslamicDate date = date_to_islamic(civil, t);
            const TDateTime day = islamic_to_day(date, civil);
            if (t < one_to_one_end) {
                ASSERT_EQ(day, std::floor(t)) << t << " " << civil;
                ++samples;
            } else {
                ASSERT_EQ(date_to_islamic(civil, day), date) << t << " " << civil;
                ++beyond;
            }
        }
    }
    EXPECT_EQ(samples, 2 * 7462);
    EXPECT_EQ(beyond, 2 * 3033);
}

TEST(Islamic, IslamicToDayRefusesDatesThatDoNotExist) {
    const struct {
        TIslamicDate date;
        const char* message;
    } cases[] = {
        {{1, 1, 0}, "Invalid year"},
        {{1, 0, 1446}, "Invalid month"},
        {{1, 13, 1446}, "Invalid month"},
        {{0, 1, 1446}, "Invalid day"},
        {{31, 1, 1446}, "Invalid day"},
        {{30, 12, 1446}, "Invalid day"}, // the Moon's Dhu al-Hijjah 1446 had 29 days
    };
    for (const auto& c : cases) {
        try {
            (void)islamic_to_day(c.date, true);
            ADD_FAILURE() << c.date.day << "/" << c.date.month << "/" << c.date.year << " accepted";
        } catch (const EConvertError& e) {
            EXPECT_STREQ(e.what(), c.message) << c.date.day << "/" << c.date.month << "/" << c.date.year;
        }
    }
    // Beyond the last instant the library admits.
    EXPECT_THROW((void)islamic_to_day({1, 1, 65535}, true), E_OutOfAlgorithmRange);
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
