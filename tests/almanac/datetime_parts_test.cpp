// The one conversion of a date-time value to a calendar date and a time of day: the rounding rule at the half
// second, the day boundaries it crosses, the exact shift by a time zone, and a round trip over every second
// of a day and every day of the program's years.
#include "almanac/datetime_parts.h"
#include "astro/errors.h"
#include "tests/astro/error_of.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

using namespace almanac;

namespace {

constexpr double kSecond = 1.0 / 86400;
// 2024-10-03 00:00 as a date-time value.
constexpr double kOct3 = 45568;

std::string text(const TDateTimeParts& p) {
    return iso_date(p) + "T" + iso_time(p);
}

TEST(DateTimeParts, TheNearestMillisecondAndTheSecondAClockShows) {
    const struct {
        double t;
        const char* expected;
        int millisecond;
    } cases[] = {
        {kOct3 + (7 * 3600 + 5 * 60 + 9) * kSecond, "2024-10-03T07:05:09", 0},
        {kOct3 + (7 * 3600 + 5 * 60 + 9.4996) * kSecond, "2024-10-03T07:05:09", 500},
        {kOct3 + (7 * 3600 + 5 * 60 + 9.9) * kSecond, "2024-10-03T07:05:09", 900}, // not rounded up to :10
        {kOct3 + (7 * 3600 + 5 * 60 + 9.9996) * kSecond, "2024-10-03T07:05:10", 0},
        {kOct3 + (7 * 3600 + 5 * 60 + 59.9996) * kSecond, "2024-10-03T07:06:00", 0},
        {kOct3 + (86400 - 0.6) * kSecond, "2024-10-03T23:59:59", 400},
        {kOct3 + (86400 - 0.0004) * kSecond, "2024-10-04T00:00:00", 0}, // 24:00 is the next day's 00:00
        {36526.9999999999, "2000-01-02T00:00:00", 0},
        {0.25, "1899-12-30T06:00:00", 0},
        {-0.25, "1899-12-29T18:00:00", 0}, // before the epoch the day is still the value rounded down
        {-0.5 * kSecond, "1899-12-29T23:59:59", 500},
        {-136598.5, "1526-01-01T12:00:00", 0}, // proleptic Gregorian before the reform of 1582
        {-693593.0, "0001-01-01T00:00:00", 0},
        {2958465.0 + 0.99999, "9999-12-31T23:59:59", 136},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(text(datetime_parts(c.t)), c.expected) << c.t;
        EXPECT_EQ(datetime_parts(c.t).millisecond, c.millisecond) << c.t;
    }
}

TEST(DateTimeParts, TheDayOfAnInstantIsNotRounded) {
    EXPECT_EQ(text(date_parts(kOct3 + (86400 - 0.1) * kSecond)), "2024-10-03T00:00:00");
    EXPECT_EQ(text(date_parts(-0.25)), "1899-12-29T00:00:00");
    EXPECT_EQ(text(date_parts(-1e-12)), "1899-12-29T00:00:00");
}

TEST(DateTimeParts, AShiftMovesTheRoundedSecondExactlyAcrossDaysMonthsAndYears) {
    const struct {
        double t;
        std::int64_t shift;
        const char* expected;
    } cases[] = {
        {kOct3 + (20 * 3600 + 0.9) * kSecond, 5 * 3600 + 1800, "2024-10-04T01:30:00"},
        {kOct3 + (2 * 3600) * kSecond, -5 * 3600, "2024-10-02T21:00:00"},
        {kOct3 - 2 + (23 * 3600 + 59 * 60 + 59.5) * kSecond, 0, "2024-10-01T23:59:59"},
        {45351.0 + 0.9, 3 * 3600, "2024-03-01T00:36:00"},  // 29 February 2024 21:36 + 3 h
        {45292.0 + 0.1, -3 * 3600, "2023-12-31T23:24:00"}, // 1 January 2024 02:24 - 3 h
        {45292.0, -14 * 3600, "2023-12-31T10:00:00"},
        {45292.0, 14 * 3600, "2024-01-01T14:00:00"},
        {45292.0, 3 * 86400, "2024-01-04T00:00:00"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(text(datetime_parts(c.t, c.shift)), c.expected) << c.t << " " << c.shift;
    // Shifting the rounded instant, not rounding the shifted one: a local time can never differ from its UT
    // by other than the offset, even where the sum of two doubles would land on the other side of a second.
    for (int k = 0; k < 2000; ++k) {
        const double ut = kOct3 + k * 0.0123456789;
        const TDateTimeParts u = datetime_parts(ut), l = datetime_parts(ut, 19800);
        const int us = u.hour * 3600 + u.minute * 60 + u.second,
                  ls = l.hour * 3600 + l.minute * 60 + l.second;
        EXPECT_EQ(((ls - us) % 86400 + 86400) % 86400, 19800) << ut;
    }
}

TEST(DateTimeParts, FromPartsIsTheInverseForEverySecondOfADay) {
    for (int s = 0; s < 86400; ++s) {
        const TDateTimeParts p{1969, 7, 20, s / 3600, s / 60 % 60, s % 60, s * 7 % 1000};
        ASSERT_EQ(datetime_parts(datetime_from_parts(p)), p) << s;
    }
    EXPECT_EQ(datetime_from_parts(1969, 7, 20, 20, 17, 43), 25404 + (20 * 3600 + 17 * 60 + 43) / 86400.0);
    EXPECT_EQ(datetime_from_parts(2000, 1, 1, 12, 0, 0, 500), 36526.5 + 0.5 * kSecond);
}

TEST(DateTimeParts, FromPartsIsTheInverseForEveryDayOfTheProgramsYears) {
    const double first = datetime_from_parts(999, 1, 1), last = datetime_from_parts(2399, 12, 31);
    long long days = 0;
    for (double d = first; d <= last; d += 1, ++days) {
        const TDateTimeParts p = date_parts(d);
        ASSERT_EQ(datetime_from_parts(p), d) << text(p);
        ASSERT_EQ(datetime_parts(d + 0.5), (TDateTimeParts{p.year, p.month, p.day, 12, 0, 0, 0}));
    }
    EXPECT_EQ(days, 511704); // every day of 999..2399, none skipped
}

TEST(DateTimeParts, BadValuesAndDatesGiveTheCalendarsErrors) {
    using astro::EConvertError;
    using astro::testing::error_of;
    EXPECT_EQ(error_of<EConvertError>([] { datetime_parts(std::numeric_limits<double>::quiet_NaN()); }),
              "Invalid year");
    EXPECT_EQ(error_of<EConvertError>([] { datetime_parts(std::numeric_limits<double>::infinity()); }),
              "Invalid year");
    EXPECT_EQ(error_of<EConvertError>([] { datetime_parts(3e6); }), "Invalid year"); // past 9999
    EXPECT_EQ(error_of<EConvertError>([] { datetime_parts(-700000); }), "Invalid year");
    EXPECT_EQ(error_of<EConvertError>([] { datetime_from_parts(2023, 2, 29); }), "Invalid day");
    EXPECT_EQ(error_of<EConvertError>([] { datetime_from_parts(2023, 13, 1); }), "Invalid month");
    EXPECT_EQ(error_of<EConvertError>([] { datetime_from_parts(0, 1, 1); }), "Invalid year");
    EXPECT_EQ(error_of<EConvertError>([] { datetime_from_parts(65537, 1, 1); }), "Invalid year");
    // A shift whose milliseconds would not fit (the sanitizer build stops on the overflow), or that moves any
    // instant beyond the years 1..9999.
    for (const std::int64_t shift :
         {std::numeric_limits<std::int64_t>::max(), std::numeric_limits<std::int64_t>::min(),
          std::int64_t{9'300'000'000'000'000}, std::int64_t{-1'728'000'000'001},
          std::int64_t{1'000'000'000'000}})
        EXPECT_EQ(error_of<EConvertError>([shift] { datetime_parts(45000.5, shift); }), "Invalid year")
            << shift;
    EXPECT_EQ(datetime_parts(45000.5, -1'000'000'000).year, 1991); // some 31.7 years back from March 2023
}

// Unix time 1727969400 is 2024-10-03 15:30:00 UTC (date -u -d @1727969400).
TEST(DateTimeParts, UnixTimeCountsFrom1970BothWays) {
    EXPECT_EQ(unix_epoch, datetime_from_parts(1970, 1, 1));
    const double t = kOct3 + (15 * 3600 + 30 * 60) * kSecond;
    EXPECT_EQ(text(datetime_parts(from_unix_seconds(1727969400))), "2024-10-03T15:30:00");
    EXPECT_EQ(text(datetime_parts(from_unix_milliseconds(1727969400000.0))), "2024-10-03T15:30:00");
    EXPECT_NEAR(unix_milliseconds(t), 1727969400000.0, 0.01);
    EXPECT_EQ(unix_milliseconds(unix_epoch - 1), -86400000.0); // before 1970 the count runs on, negative
}

TEST(DateTimeParts, IsoTexts) {
    EXPECT_EQ(iso_instant(45730 + (7 * 3600 + 39.6) * kSecond), "2025-03-14T07:00:39");
    EXPECT_EQ(iso_date({999, 1, 1, 0, 0, 0, 0}), "0999-01-01");
    EXPECT_EQ(iso_time({0, 0, 0, 5, 4, 3, 999}), "05:04:03");
}

} // namespace
