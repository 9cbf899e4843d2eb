// A day in every calendar, the day of a date of each calendar, and the name tables: worked examples of the
// calendars' published dates (Hebrew and Chinese new years, the Julian Day of the converter's examples), the
// converter's own conventions (noon of the day, an Islamic date both ways), and the errors of each input.
#include "almanac/datetime_parts.h"
#include "almanac/day.h"
#include "astro/islamic.h"
#include "tests/astro/error_of.h"
#include "tests/astro/islamic_step.h"

#include <gtest/gtest.h>
#include <set>
#include <string>

using namespace almanac;
using astro::testing::error_of;

namespace {

double noon(int y, int m, int d) {
    return datetime_from_parts(y, m, d) + 0.5;
}

// The program's default Islamic calendar: months by the Moon, no adjustment.
const TIslamicChoice kMoon{};

TEST(Day, EveryCalendarOfAWorkedDay) {
    // 3 October 2024 is 1 Tishri 5785 (Rosh Hashanah) and the first day of the ninth month of the Chinese
    // year Jia Chen (cycle 78, year 41); its noon is Julian Day 2460587.
    const TDayInCalendars d = day_in_calendars(noon(2024, 10, 3), kMoon);
    EXPECT_EQ(d.moment, noon(2024, 10, 3));
    EXPECT_EQ((std::array{d.gregorian_year, d.gregorian_month, d.gregorian_day}), (std::array{2024, 10, 3}));
    EXPECT_TRUE(d.leap_year);
    EXPECT_EQ(d.hebrew, (astro::THebrewDate{5785, 7, 1}));
    EXPECT_EQ(hebrew_month_name(d.hebrew.month), "Tishri");
    EXPECT_EQ(d.chinese.Cycle, 78);
    EXPECT_EQ(d.chinese.Year, 41);
    EXPECT_EQ(d.chinese.Month, 9);
    EXPECT_EQ(d.chinese.Day, 1);
    EXPECT_FALSE(d.chinese.LeapMonth);
    EXPECT_EQ(chinese_stem_names[d.chinese.YearStem], "Jia");
    EXPECT_EQ(chinese_zodiac_names[d.chinese.YearBranch], "Dragon");
    EXPECT_EQ(d.julian_day, 2460587.0L);
    EXPECT_EQ(d.islamic.year, 1446);
    EXPECT_EQ(islamic_month_name(d.islamic.month), "Rabi'a II");
}

TEST(Day, DaysBeforeTheEpochAndTheReformReadTheProlepticGregorianDay) {
    // 1 March 1500 (proleptic Gregorian) is 19 February 1500 of the Julian calendar, Julian Day 2268983 at
    // noon; 1500 is a leap year by the Julian rule in force then, not by the Gregorian one.
    const TDayInCalendars d = day_in_calendars(noon(1500, 3, 1), kMoon);
    EXPECT_EQ((std::array{d.gregorian_year, d.gregorian_month, d.gregorian_day}), (std::array{1500, 3, 1}));
    EXPECT_EQ(d.julian_day, 2268983.0L);
    EXPECT_TRUE(d.leap_year);
    EXPECT_FALSE(day_in_calendars(noon(1700, 3, 1), kMoon).leap_year);
    // The time of day stays in the Julian Day and out of every date.
    const TDayInCalendars late = day_in_calendars(datetime_from_parts(2024, 10, 3, 23, 59, 59), kMoon);
    EXPECT_EQ(late.gregorian_day, 3);
    EXPECT_EQ(late.hebrew, (astro::THebrewDate{5785, 7, 1}));
    EXPECT_GT(late.julian_day, 2460587.49L);
}

TEST(Day, TheIslamicDayOfTheMoonCountsFrom1AndNeedsNoClamp) {
    // At noon of 29 March 2025 the Moon is less than half a day old (new moon at 10:58 UT): the rounded age
    // is 0. That day now ends Ramadan as its 30th day (it was shown as day 1 of Ramadan, the day field's
    // lower bound, the day after 28 Ramadan); Shawwal begins on the 30th.
    EXPECT_EQ(islamic_date_of_day(noon(2025, 3, 29), kMoon), (astro::TIslamicDate{30, 9, 1446}));
    EXPECT_EQ(day_in_calendars(noon(2025, 3, 29), kMoon).islamic, (astro::TIslamicDate{30, 9, 1446}));
    EXPECT_EQ(day_in_calendars(noon(2025, 3, 30), kMoon).islamic, (astro::TIslamicDate{1, 10, 1446}));
    // The almanac shows the library's date as it is: over a year, days 1..30 that count on by one.
    astro::TIslamicDate before = islamic_date_of_day(noon(2023, 12, 31), kMoon);
    for (double t = noon(2024, 1, 1); t < noon(2025, 1, 1); t += 1) {
        const astro::TIslamicDate i = islamic_date_of_day(t, kMoon);
        ASSERT_EQ(i, astro::date_to_islamic(true, t)) << t;
        ASSERT_TRUE(astro::testing::is_next_day(before, i)) << t;
        ASSERT_FALSE(islamic_month_name(i.month).empty()) << i.month;
        before = i;
    }
}

TEST(Day, AnIslamicDateConvertedIsTheDayTheMoonGivesThatDate) {
    // 1 Ramadan 1444 is 23 March 2023 by the arithmetic calendar, but the Moon's Ramadan began on 22 March
    // (new moon on 21 March at 17:23 UT): the date converts to 22 March, 29 Adar 5783, and every calendar
    // shows that day.
    EXPECT_EQ(islamic_date_of_day(noon(2023, 3, 23), kMoon), (astro::TIslamicDate{2, 9, 1444}));
    const TDayInCalendars d = islamic_date_in_calendars(1444, 9, 1, kMoon);
    EXPECT_EQ(d.moment, noon(2023, 3, 22));
    EXPECT_EQ(d.islamic, (astro::TIslamicDate{1, 9, 1444}));
    EXPECT_EQ(d.hebrew, (astro::THebrewDate{5783, 12, 29}));
    EXPECT_EQ(d.gregorian_day, 22);
    // The Moon's Rabi'a I 1446 had 29 days (new moons on 3 September 2024 at 01:55 UT and 2 October at
    // 18:49).
    EXPECT_EQ(error_of([] { islamic_date_in_calendars(1446, 3, 30, kMoon); }), "Invalid day");
}

TEST(Day, NoonOfADateOfEachCalendar) {
    const struct {
        const char* what;
        double day;
        double expected;
    } cases[] = {
        {"Gregorian 2024-10-03", noon_of_gregorian_date(2024, 10, 3), noon(2024, 10, 3)},
        {"Hebrew 1 Tishri 5785", noon_of_hebrew_date(5785, 7, 1), noon(2024, 10, 3)},
        {"Hebrew 15 Nisan 5784", noon_of_hebrew_date(5784, 1, 15), noon(2024, 4, 23)},
        {"Islamic 1 Ramadan 1446", noon_of_islamic_date(1446, 9, 1, kMoon), noon(2025, 2, 28)},
        {"Islamic 1 Muharram 1 (civil)", noon_of_islamic_date(1, 1, 1, {TIslamicCalendar::civil, 0}),
         noon(622, 7, 19)},
        {"Chinese 78-41-9-1", noon_of_chinese_date({.Cycle = 78, .Year = 41, .Month = 9, .Day = 1}),
         noon(2024, 10, 3)},
        {"Chinese 78-40-2L-1",
         noon_of_chinese_date({.Cycle = 78, .Year = 40, .Month = 2, .LeapMonth = true, .Day = 1}),
         noon(2023, 3, 22)},
    };
    for (const auto& c : cases) EXPECT_EQ(c.day, c.expected) << c.what;
}

TEST(Day, DatesThatDoNotExistGiveTheirMessage) {
    const struct {
        const char* what;
        std::string message;
        const char* expected;
    } cases[] = {
        {"Gregorian 2023-02-29", error_of([] { noon_of_gregorian_date(2023, 2, 29); }), "Invalid day"},
        {"Gregorian month 13", error_of([] { noon_of_gregorian_date(2023, 13, 1); }), "Invalid month"},
        {"Hebrew Adar 2 of a common year", error_of([] { noon_of_hebrew_date(5785, 13, 1); }),
         "Invalid month"},
        {"Hebrew month 0", error_of([] { noon_of_hebrew_date(5785, 0, 1); }), "Invalid month"},
        {"Hebrew 30 Heshvan 5786", error_of([] { noon_of_hebrew_date(5786, 8, 30); }), "Invalid day"},
        {"Hebrew day 31", error_of([] { noon_of_hebrew_date(5785, 7, 31); }), "Invalid day"},
        {"Hebrew day 65537", error_of([] { noon_of_hebrew_date(5785, 7, 65537); }), "Invalid day"},
        {"Islamic 30 Rabi'a I 1446", error_of([] { noon_of_islamic_date(1446, 3, 30, kMoon); }),
         "Invalid day"},
        {"Islamic 30 Dhu al-Hijjah 1446", error_of([] { noon_of_islamic_date(1446, 12, 30, kMoon); }),
         "Invalid day"},
        {"Islamic day 0", error_of([] { noon_of_islamic_date(1446, 1, 0, kMoon); }), "Invalid day"},
        {"Islamic month 13", error_of([] { noon_of_islamic_date(1446, 13, 1, kMoon); }), "Invalid month"},
        {"Chinese leap 9 of 78-41", error_of([] {
             noon_of_chinese_date({.Cycle = 78, .Year = 41, .Month = 9, .LeapMonth = true, .Day = 1});
         }),
         "Invalid chinese date"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.message, c.expected) << c.what;
    // The Moon's Safar 1446 had 30 days (new moons on 4 August 2024 at 11:13 UT and 3 September at 01:55).
    EXPECT_EQ(error_of([] { noon_of_islamic_date(1446, 2, 30, kMoon); }), "no error");
}

TEST(Day, NameTablesInCalendarOrder) {
    EXPECT_EQ(islamic_month_name(1), "Muharram");
    EXPECT_EQ(islamic_month_name(9), "Ramadan");
    EXPECT_EQ(islamic_month_name(12), "Dhu al-Hijjah");
    EXPECT_EQ(hebrew_month_name(1), "Nisan");
    EXPECT_EQ(hebrew_month_name(13), "Adar 2");
    for (const int outside : {0, -1, 14, 65536}) {
        EXPECT_EQ(hebrew_month_name(outside), "") << outside;
        EXPECT_EQ(islamic_month_name(outside == 14 ? 13 : outside), "") << outside;
    }
    // 1984 began cycle 78 with Jia Zi, the Rat; 2024 is Jia Chen, the Dragon.
    const TDayInCalendars d1984 = day_in_calendars(noon(1984, 6, 1), kMoon);
    EXPECT_EQ(chinese_stem_names[d1984.chinese.YearStem], "Jia");
    EXPECT_EQ(chinese_zodiac_names[d1984.chinese.YearBranch], "Rat");
    EXPECT_EQ(std::set(islamic_month_names.begin(), islamic_month_names.end()).size(), 12u);
    EXPECT_EQ(std::set(hebrew_month_names.begin(), hebrew_month_names.end()).size(), 13u);
    EXPECT_EQ(std::set(chinese_zodiac_names.begin(), chinese_zodiac_names.end()).size(), 12u);
}

TEST(Day, TheConvertersYearRanges) {
    EXPECT_TRUE(gregorian_years.contains(999));
    EXPECT_TRUE(gregorian_years.contains(2399));
    EXPECT_FALSE(gregorian_years.contains(2400));
    // The Islamic and Hebrew fields cover the same span of days as the Gregorian one, give or take a year.
    EXPECT_EQ(day_in_calendars(noon(999, 1, 1), kMoon).islamic.year, islamic_years.first);
    EXPECT_EQ(day_in_calendars(noon(2399, 12, 31), kMoon).hebrew.year, hebrew_years.last);
}

} // namespace
