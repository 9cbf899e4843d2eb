// The civil calendar in force: the Julian calendar up to Thursday 4 October 1582, the Gregorian from Friday
// 15 October 1582 (the reform's bull, Inter gravissimas). Worked dates, the errors of each input, and every
// month of the years 999 to 2399 against the day count.
#include "almanac/civil_calendar.h"
#include "almanac/day.h"
#include "astro/errors.h"
#include "tests/astro/error_of.h"

#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <vector>

using namespace almanac;
using astro::testing::error_of;

namespace {

TEST(CivilCalendar, LeapYearsAndDatesThatExist) {
    const struct {
        int y, m, d;
        bool exists;
    } cases[] = {
        {1500, 2, 29, true},  {1700, 2, 29, false},  {1600, 2, 29, true},     {1582, 10, 4, true},
        {1582, 10, 5, false}, {1582, 10, 14, false}, {1582, 10, 15, true},    {9999, 12, 31, true},
        {0, 1, 1, false},     {2024, 13, 1, false},  {2024, 1, 65537, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(civil_date_exists(c.y, c.m, c.d), c.exists) << c.y << "-" << c.m << "-" << c.d;
        if (c.m == 2) {
            EXPECT_EQ(civil_leap_year(c.y), c.exists) << c.y;
        }
    }
    EXPECT_FALSE(civil_leap_year(0));
}

TEST(CivilCalendar, NoonOfADateAndItsErrors) {
    // The reform: Thursday 4 October 1582 (Julian Day 2299159.5 at 00:00) is followed by Friday 15 October.
    EXPECT_EQ(noon_of_civil_date(1582, 10, 15) - noon_of_civil_date(1582, 10, 4), 1);
    EXPECT_EQ(noon_of_civil_date(1582, 10, 4) - 0.5 + astro::datetime_jd_offset, 2299159.5L);
    // Julian 29 February 1500 is 10 March of the proleptic Gregorian reading.
    EXPECT_EQ(noon_of_civil_date(1500, 2, 29), noon_of_gregorian_date(1500, 3, 10));
    EXPECT_EQ(noon_of_civil_date(2024, 10, 3), noon_of_gregorian_date(2024, 10, 3));
    const struct {
        std::string message;
        const char* expected;
    } cases[] = {
        {error_of([] { noon_of_civil_date(1582, 10, 10); }), "Date invalid due to calendar change"},
        {error_of([] { noon_of_civil_date(1700, 2, 29); }), "Invalid day"},
        {error_of([] { noon_of_civil_date(2024, 13, 1); }), "Invalid month"},
        {error_of([] { noon_of_civil_date(0, 1, 1); }), "Invalid year"},
        {error_of([] { noon_of_civil_date(70000, 1, 1); }), "Invalid year"},
        {error_of([] { noon_of_civil_date(2024, 1, -1); }), "Invalid day"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.message, c.expected);
}

TEST(CivilCalendar, DateOfADay) {
    EXPECT_EQ(civil_date_of(noon_of_civil_date(1500, 2, 29)), (astro::TCalendarDate{1500, 2, 29}));
    EXPECT_EQ(civil_date_of(noon_of_gregorian_date(1582, 10, 14) + 0.49),
              (astro::TCalendarDate{1582, 10, 4})); // Gregorian 14 October is Julian 4 October
    EXPECT_EQ(civil_date_of(noon_of_gregorian_date(1582, 10, 15) - 0.5),
              (astro::TCalendarDate{1582, 10, 15}));
    // The converter's day carries it beside the proleptic Gregorian reading.
    const TDayInCalendars d = day_in_calendars(noon_of_civil_date(1500, 4, 19), {});
    EXPECT_EQ(d.civil, (astro::TCalendarDate{1500, 4, 19}));
    EXPECT_EQ(d.gregorian_day, 29);
    for (const double t : {std::numeric_limits<double>::quiet_NaN(), 1e300, -1e300,
                           noon_of_civil_date(1, 1, 1) - 1, noon_of_civil_date(9999, 12, 31) + 1})
        EXPECT_EQ(error_of([t] { civil_date_of(t); }), "Invalid year") << t;
}

TEST(CivilCalendar, TheMonthsOfTheReform) {
    const std::vector<TCivilDay> october = civil_month_days(1582, 10);
    ASSERT_EQ(october.size(), 21u);
    EXPECT_EQ(october[3], (TCivilDay{4, noon_of_civil_date(1582, 10, 4) - 0.5, 4}));   // Thursday
    EXPECT_EQ(october[4], (TCivilDay{15, noon_of_civil_date(1582, 10, 15) - 0.5, 5})); // Friday
    EXPECT_EQ(october.back().day, 31);
    EXPECT_EQ(civil_month_days(1500, 2).size(), 29u);
    EXPECT_EQ(civil_month_days(1700, 2).size(), 28u);
    // 1 January 2024 was a Monday, 3 October 2024 a Thursday.
    EXPECT_EQ(civil_month_days(2024, 1).front().weekday, 1);
    EXPECT_EQ(civil_month_days(2024, 10)[2].weekday, 4);
    EXPECT_EQ(error_of([] { civil_month_days(2024, 13); }), "Invalid month");
    EXPECT_EQ(error_of([] { civil_month_days(10000, 1); }), "Invalid year");
}

// Every month of the years 999 to 2399: its days follow each other one day apart, the weekdays in turn, and
// each gives back its date. Julian 1 January 999 is Gregorian 6 January: 511,699 days.
TEST(CivilCalendar, EveryMonthOfTheConvertersYears) {
    long long days = 0;
    double before = noon_of_civil_date(999, 1, 1) - 1.5;
    int weekday_before = 0;
    for (int year = 999; year <= 2399; ++year) {
        for (int month = 1; month <= 12; ++month) {
            for (const TCivilDay& d : civil_month_days(year, month)) {
                ASSERT_EQ(d.midnight, before + 1) << year << "-" << month << "-" << d.day;
                if (weekday_before != 0) {
                    ASSERT_EQ(d.weekday, weekday_before % 7 + 1);
                }
                ASSERT_EQ(
                    civil_date_of(d.midnight + 0.5),
                    (astro::TCalendarDate{static_cast<std::uint16_t>(year), static_cast<std::uint16_t>(month),
                                          static_cast<std::uint16_t>(d.day)}));
                before = d.midnight;
                weekday_before = d.weekday;
                ++days;
            }
        }
    }
    EXPECT_EQ(days, 511699);
    EXPECT_EQ(before, noon_of_gregorian_date(2399, 12, 31) - 0.5);
}

} // namespace
