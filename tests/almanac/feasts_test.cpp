// The table of the fourteen feasts: each feast's day in worked years (the dates the Fill in commands are
// known to give, Easter by the Gregorian and the Julian computus), every feast in every year of its
// calendar's field, and the command-line names.
#include "almanac/datetime_parts.h"
#include "almanac/day.h"
#include "almanac/feasts.h"
#include "tests/astro/error_of.h"

#include <cmath>
#include <gtest/gtest.h>
#include <set>
#include <string>

using namespace almanac;

namespace {

std::string gregorian_of(double moment) {
    return iso_instant(moment);
}

// The program's default Islamic calendar: months by the Moon, no adjustment.
const TIslamicChoice kMoon{};

TEST(Feasts, EachFeastInAWorkedYear) {
    const struct {
        TFeastId id;
        int year;
        const char* expected; // noon of the day, proleptic Gregorian
    } cases[] = {
        {TFeastId::new_year, 2024, "2024-01-01T12:00:00"},
        {TFeastId::easter, 2024, "2024-03-31T12:00:00"},
        {TFeastId::palm_sunday, 2024, "2024-03-24T12:00:00"},
        {TFeastId::whitsun, 2024, "2024-05-19T12:00:00"},
        {TFeastId::all_saints, 2024, "2024-11-01T12:00:00"},
        {TFeastId::christmas, 2003, "2003-12-25T12:00:00"},
        // Julian Easter of 1500 is 19 April (Julian), which the Gregorian panel reads as 29 April.
        {TFeastId::easter, 1500, "1500-04-29T12:00:00"},
        // The April 25 exception of Gauss's method: 1954 gives 18 April.
        {TFeastId::easter, 1954, "1954-04-18T12:00:00"},
        {TFeastId::whitsun, 2285, "2285-05-10T12:00:00"}, // Easter on the earliest day, 22 March
        // New moon on 5 July 2024 at 22:57 UT: the Moon's Muharram 1446 began on 6 July.
        {TFeastId::muslim_new_year, 1446, "2024-07-06T12:00:00"},
        {TFeastId::achoura, 1446, "2024-07-15T12:00:00"},
        {TFeastId::ramadan, 1446, "2025-02-28T12:00:00"},
        {TFeastId::minor_fair, 1446, "2025-03-30T12:00:00"},
        {TFeastId::major_fair, 1446, "2025-06-06T12:00:00"},
        {TFeastId::jewish_new_year, 5785, "2024-10-03T12:00:00"},
        {TFeastId::pesach, 5784, "2024-04-23T12:00:00"},
        {TFeastId::pesach, 5785, "2025-04-13T12:00:00"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(gregorian_of(feast_day(feast(c.id), c.year, kMoon)), c.expected)
            << feast(c.id).name << " " << c.year;
}

// The Prophet's birthday on 12 Rabi' al-Awwal, as published calendars and Algeria's public holiday have it:
// Saudi Arabia's Umm al-Qura calendar gives Sunday 15 September 2024 (1446) and Thursday 4 September 2025
// (1447); the tabular calendar Monday 16 September 2024.
TEST(Feasts, ElMaoulidIsTheTwelfthOfRabiAlAwwal) {
    const struct {
        TIslamicCalendar calendar;
        int year;
        const char* expected;
    } cases[] = {
        {TIslamicCalendar::umm_al_qura, 1446, "2024-09-15T12:00:00"},
        {TIslamicCalendar::umm_al_qura, 1447, "2025-09-04T12:00:00"},
        {TIslamicCalendar::civil, 1446, "2024-09-16T12:00:00"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(gregorian_of(feast_day(feast(TFeastId::maoulid), c.year, {c.calendar, 0})), c.expected)
            << c.year;
}

TEST(Feasts, TheDateAFillInCommandWritesIntoItsPanel) {
    const TFeastDate palm = feast_date(feast(TFeastId::palm_sunday), 2024);
    EXPECT_EQ(palm.calendar, TFeastCalendar::gregorian);
    EXPECT_EQ((std::array{palm.year, palm.month, palm.day}), (std::array{2024, 3, 24}));
    const TFeastDate pesach = feast_date(feast(TFeastId::pesach), 5784);
    EXPECT_EQ(pesach.calendar, TFeastCalendar::hebrew);
    EXPECT_EQ((std::array{pesach.year, pesach.month, pesach.day}), (std::array{5784, 1, 15}));
    const TFeastDate maoulid = feast_date(feast(TFeastId::maoulid), 1446);
    EXPECT_EQ(maoulid.calendar, TFeastCalendar::islamic);
    EXPECT_EQ((std::array{maoulid.month, maoulid.day}), (std::array{3, 12}));
    // A feast after Easter in a year the computus does not cover.
    EXPECT_EQ(astro::testing::error_of([] { feast_date(feast(TFeastId::whitsun), 2400); }),
              "Out of range of the algorithm");
}

TEST(Feasts, AnIslamicFeastShowsItsOwnDateInTheIslamicPanel) {
    // Fasting month 1444: new moon on 21 March 2023 at 17:23 UT, the Moon's Ramadan began on 22 March (the
    // arithmetic of the mean year gives 23 March, the Moon's 2 Ramadan).
    const TDayInCalendars ramadan = feast_in_calendars(feast(TFeastId::ramadan), 1444, kMoon);
    EXPECT_EQ(ramadan.islamic, (astro::TIslamicDate{1, 9, 1444}));
    EXPECT_EQ(iso_instant(ramadan.moment), "2023-03-22T12:00:00");
    const TDayInCalendars pesach = feast_in_calendars(feast(TFeastId::pesach), 5784, kMoon);
    EXPECT_EQ(pesach.hebrew, (astro::THebrewDate{5784, 1, 15}));
    EXPECT_EQ(pesach.islamic, islamic_date_of_day(pesach.moment, kMoon));
}

TEST(Feasts, EveryFeastExistsInEveryYearOfItsCalendarsField) {
    int count = 0;
    for (const TFeast& f : feasts) {
        const TYearRange years = f.calendar == TFeastCalendar::islamic  ? islamic_years
                                 : f.calendar == TFeastCalendar::hebrew ? hebrew_years
                                                                        : gregorian_years;
        for (int y = years.first; y <= years.last; ++y, ++count) {
            const double day = feast_day(f, y, kMoon);
            ASSERT_EQ(day - std::floor(day), 0.5) << f.name << " " << y;
            if (f.calendar == TFeastCalendar::islamic) {
                // The converter shows the feast's own date on its day.
                const astro::TIslamicDate shown = islamic_date_of_day(day, kMoon);
                ASSERT_TRUE(shown.year == y && shown.month == f.month && shown.day == f.day)
                    << f.name << " " << y << ": " << shown.day << "/" << shown.month << "/" << shown.year;
            }
            if (f.calendar == TFeastCalendar::gregorian) {
                // The Christian feasts stay in their own Gregorian year; those after Easter fall in March to
                // June.
                const TDateTimeParts p = date_parts(day);
                ASSERT_EQ(p.year, y) << f.name;
                if (f.follows_easter()) {
                    ASSERT_TRUE(p.month >= 3 && p.month <= 6) << f.name << " " << y;
                }
            }
        }
    }
    EXPECT_EQ(count, 6 * 1401 + 6 * 1445 + 2 * 1402);
}

TEST(Feasts, OneRowPerFeastWithItsCommandLineName) {
    std::set<std::string_view> names;
    for (const TFeast& f : feasts) {
        names.insert(f.name);
        EXPECT_EQ(find_feast(f.name), &f);
        EXPECT_EQ(&feast(f.id), &f);
    }
    EXPECT_EQ(names.size(), 14u);
    EXPECT_EQ(find_feast("harvest"), nullptr);
    EXPECT_EQ(find_feast("Easter"), nullptr);
    EXPECT_EQ(find_feast(""), nullptr);
}

} // namespace
