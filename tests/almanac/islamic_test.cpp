// The Islamic calendar the user follows: worked dates of Umm al-Qura and of the civil calendar (the Umm
// al-Qura calendar as published for 1446 AH; the civil calendar's rules), the adjustment in both directions,
// Ramadan, the errors of each input, and the captions and notes that say which calendar a date belongs to.
#include "almanac/datetime_parts.h"
#include "almanac/day.h"
#include "almanac/islamic.h"
#include "tests/almanac/islamic_moon_sweep.h"
#include "tests/astro/error_of.h"

#include <gtest/gtest.h>
#include <limits>
#include <ostream>
#include <stdexcept>
#include <string>

namespace astro {
// Day/month/year in failure messages.
void PrintTo(const TIslamicDate& d, std::ostream* os) {
    *os << d.day << "/" << d.month << "/" << d.year;
}
} // namespace astro

using namespace almanac;
using astro::testing::error_of;

namespace {

constexpr TIslamicChoice kMoon{TIslamicCalendar::moon, 0};
constexpr TIslamicChoice kUmmAlQura{TIslamicCalendar::umm_al_qura, 0};
constexpr TIslamicChoice kCivil{TIslamicCalendar::civil, 0};

double day(int y, int m, int d) {
    return datetime_from_parts(y, m, d);
}

TEST(IslamicCalendars, WorkedDatesOfEachCalendar) {
    const struct {
        const char* what;
        TIslamicChoice choice;
        astro::TIslamicDate date;
        int y, m, d; // proleptic Gregorian
    } cases[] = {
        // Ramadan 1446 began on 1 March 2025 in Saudi Arabia; the civil calendar agrees.
        {"Umm al-Qura 1 Ramadan 1446", kUmmAlQura, {1, 9, 1446}, 2025, 3, 1},
        {"civil 1 Ramadan 1446", kCivil, {1, 9, 1446}, 2025, 3, 1},
        // Ramadan 1446 had 29 days in Umm al-Qura; the civil Ramadan always has 30.
        {"Umm al-Qura 1 Shawwal 1446", kUmmAlQura, {1, 10, 1446}, 2025, 3, 30},
        {"civil 1 Shawwal 1446", kCivil, {1, 10, 1446}, 2025, 3, 31},
        {"Umm al-Qura 1 Muharram 1446", kUmmAlQura, {1, 1, 1446}, 2024, 7, 7},
        {"Umm al-Qura 10 Dhu al-Hijjah 1446", kUmmAlQura, {10, 12, 1446}, 2025, 6, 6},
        // The civil epoch: 1 Muharram 1 is Friday 16 July 622 of the Julian calendar (19 July proleptic).
        {"civil 1 Muharram 1", kCivil, {1, 1, 1}, 622, 7, 19},
        // The Moon's months: new moon on 28 February 2025 at 00:45 UT, Ramadan 1446 began that day.
        {"moon 1 Ramadan 1446", kMoon, {1, 9, 1446}, 2025, 2, 28},
        // A lengthened month: +1 gives each day the date of the day after.
        {"civil +1 1 Ramadan 1446", {TIslamicCalendar::civil, 1}, {1, 9, 1446}, 2025, 2, 28},
        {"Umm al-Qura -2 1 Shawwal 1446", {TIslamicCalendar::umm_al_qura, -2}, {1, 10, 1446}, 2025, 4, 1},
        {"moon -1 1 Ramadan 1446", {TIslamicCalendar::moon, -1}, {1, 9, 1446}, 2025, 3, 1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(islamic_date_day(c.date.year, c.date.month, c.date.day, c.choice), day(c.y, c.m, c.d))
            << c.what;
        EXPECT_EQ(islamic_date_of_day(day(c.y, c.m, c.d) + 0.75, c.choice), c.date) << c.what;
    }
}

TEST(IslamicCalendars, TheMoonsTwoDirectionsAgree) {
    // 1 Muharram 1446 is 7 July 2024 by the arithmetic of the mean year, but the Moon's Muharram began on
    // 6 July (new moon on 5 July at 22:57 UT, age 0.54 at noon): the date gives the day that shows it. With
    // -1 the Moon shows 1 Muharram on 7 July.
    EXPECT_EQ(islamic_date_day(1446, 1, 1, kMoon), day(2024, 7, 6));
    EXPECT_EQ(islamic_date_of_day(day(2024, 7, 6), kMoon), (astro::TIslamicDate{1, 1, 1446}));
    EXPECT_EQ(islamic_date_day(1446, 1, 2, kMoon), day(2024, 7, 7));
    const TIslamicChoice later{TIslamicCalendar::moon, -1};
    EXPECT_EQ(islamic_date_of_day(day(2024, 7, 7), later), (astro::TIslamicDate{1, 1, 1446}));
    EXPECT_EQ(islamic_date_day(1446, 1, 1, later), day(2024, 7, 7));
    // Any month of the Moon may have 30 days: Safar 1446 had (new moons on 4 August 2024 at 11:13 UT and
    // 3 September at 01:55), Dhu al-Hijjah 1446 had not (27 May 2025 at 03:02 and 25 June at 10:31).
    EXPECT_EQ(islamic_date_day(1446, 2, 30, kMoon), day(2024, 9, 3));
    EXPECT_EQ(islamic_date_day(1446, 12, 29, kMoon), day(2025, 6, 25));
    EXPECT_EQ(islamic_date_day(1447, 1, 1, kMoon), day(2025, 6, 26));
}

// The exhaustive test sweeps 400..1820 AH; eleven years here.
TEST(IslamicCalendars, EveryDateOfElevenMoonYearsBothWays) {
    islamic_moon_sweep::TCounts counts;
    islamic_moon_sweep::sweep(1440, 1450, counts);
    ASSERT_FALSE(HasFatalFailure());
    EXPECT_EQ(counts.months, 132);
    EXPECT_EQ(counts.dates + counts.refused, 132 * 30);
    EXPECT_EQ(counts.first, islamic_date_day(1440, 1, 1, kMoon));
    EXPECT_EQ(counts.last + 1, islamic_date_day(1451, 1, 1, kMoon));
    EXPECT_EQ(counts.last - counts.first + 1, counts.dates);
    // Eleven years of 12 lunations of 29.53 days.
    EXPECT_NEAR(static_cast<double>(counts.dates), 11 * 12 * 29.530589, 1.5);
}

TEST(IslamicCalendars, RamadanOfTheCalendarFollowed) {
    const struct {
        TIslamicChoice choice;
        int y, m, d;
        bool ramadan;
    } cases[] = {
        {kMoon, 2025, 2, 27, false},
        {kMoon, 2025, 2, 28, true},
        {kMoon, 2025, 3, 29, true},
        {kMoon, 2025, 3, 30, false},
        {kUmmAlQura, 2025, 2, 28, false},
        {kUmmAlQura, 2025, 3, 1, true},
        {kUmmAlQura, 2025, 3, 29, true},
        {kUmmAlQura, 2025, 3, 30, false},
        {kCivil, 2025, 3, 30, true},
        {kCivil, 2025, 3, 31, false},
        {{TIslamicCalendar::umm_al_qura, -1}, 2025, 3, 30, true},
        {{TIslamicCalendar::civil, 2}, 2025, 2, 27, true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(in_ramadan(day(c.y, c.m, c.d) + 0.5, c.choice), c.ramadan)
            << static_cast<int>(c.choice.calendar) << " " << c.choice.adjust_days << " " << c.y << "-" << c.m
            << "-" << c.d;
}

TEST(IslamicCalendars, DatesThatDoNotExistAndAdjustmentsOutOfRange) {
    const struct {
        const char* what;
        std::string message;
        const char* expected;
    } cases[] = {
        {"Umm al-Qura 30 Ramadan 1446 (29 days)", error_of([] { islamic_date_day(1446, 9, 30, kUmmAlQura); }),
         "Invalid day"},
        {"civil 30 Safar", error_of([] { islamic_date_day(1446, 2, 30, kCivil); }), "Invalid day"},
        {"civil 30 Dhu al-Hijjah 1446 (a common year)",
         error_of([] { islamic_date_day(1446, 12, 30, kCivil); }), "Invalid day"},
        {"civil day 0", error_of([] { islamic_date_day(1446, 1, 0, kCivil); }), "Invalid day"},
        {"civil month 13", error_of([] { islamic_date_day(1446, 13, 1, kCivil); }), "Invalid month"},
        {"Umm al-Qura month 0", error_of([] { islamic_date_day(1446, 0, 1, kUmmAlQura); }), "Invalid month"},
        {"moon 30 Dhu al-Hijjah 1446 (29 days)", error_of([] { islamic_date_day(1446, 12, 30, kMoon); }),
         "Invalid day"},
        {"moon day 31", error_of([] { islamic_date_day(1446, 1, 31, kMoon); }), "Invalid day"},
        {"moon month 0", error_of([] { islamic_date_day(1446, 0, 1, kMoon); }), "Invalid month"},
        {"moon year 0", error_of([] { islamic_date_day(0, 1, 1, kMoon); }), "Invalid year"},
        {"adjustment +3", error_of<std::invalid_argument>([] {
             islamic_date_of_day(day(2025, 3, 1), {TIslamicCalendar::civil, 3});
         }),
         "The Hijri adjustment 3 is out of range (-2..+2 days)"},
        {"adjustment -3", error_of<std::invalid_argument>([] {
             islamic_date_day(1446, 9, 1, {TIslamicCalendar::moon, -3});
         }),
         "The Hijri adjustment -3 is out of range (-2..+2 days)"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.message, c.expected) << c.what;
    EXPECT_EQ(error_of([] { islamic_date_day(1445, 12, 30, kCivil); }), "no error"); // 1445: 1445 mod 30 = 5
    // An instant that is not a number: the library's error in every calendar, before ICU sees it.
    for (const TIslamicCalendarName& c : islamic_calendar_names) {
        for (const double t :
             {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(), -1e300}) {
            EXPECT_EQ(error_of([&] {
                          islamic_date_of_day(t, {c.id, 0});
                      }),
                      "Out of range of the algorithm")
                << c.name << " " << t;
            EXPECT_EQ(error_of([&] {
                          in_ramadan(t, {c.id, 1});
                      }),
                      "Out of range of the algorithm")
                << c.name << " " << t;
        }
    }
    EXPECT_THROW(check_hijri_adjust(3), std::invalid_argument);
}

TEST(IslamicCalendars, CaptionsAndNotesSayWhichCalendarADateBelongsTo) {
    const struct {
        TIslamicChoice choice;
        int year;
        const char* caption;
        bool note;
    } cases[] = {
        {kMoon, 1446, "", false},
        {{TIslamicCalendar::moon, 1}, 1446, "+1 day", false},
        {{TIslamicCalendar::moon, -2}, 1446, "-2 days", false},
        {kCivil, 1446, "civil", false},
        {{TIslamicCalendar::civil, -1}, 1446, "civil, -1 day", false},
        {kUmmAlQura, 1300, "Umm al-Qura", false},
        {kUmmAlQura, 1600, "Umm al-Qura", false},
        {kUmmAlQura, 1299, "Umm al-Qura off its table", true},
        {{TIslamicCalendar::umm_al_qura, 2}, 1601, "Umm al-Qura off its table, +2 days", true},
        {kCivil, 1250, "civil", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(islamic_choice_caption(c.choice, c.year), c.caption) << c.caption;
        EXPECT_EQ(islamic_year_beyond_table(c.choice, c.year), c.note) << c.caption;
        EXPECT_EQ(islamic_table_note(c.choice, c.year).empty(), !c.note) << c.caption;
    }
    EXPECT_EQ(islamic_table_note(kUmmAlQura, 1250),
              "ICU tabulates Umm al-Qura for 1300 to 1600 AH; 1250 AH is computed by its own arithmetic, the "
              "civil calendar");
}

TEST(IslamicCalendars, TheYearsShownAtTheEndsOfTheRangeStayWithinTheConvertersField) {
    for (const TIslamicCalendarName& c : islamic_calendar_names) {
        for (const int adjust : {-hijri_adjust_limit, hijri_adjust_limit}) {
            const TIslamicChoice choice{c.id, adjust};
            EXPECT_TRUE(islamic_years.contains(
                islamic_date_of_day(datetime_from_parts(999, 1, 1) + 0.5, choice).year))
                << c.name;
            EXPECT_TRUE(islamic_years.contains(
                islamic_date_of_day(datetime_from_parts(2399, 12, 31) + 0.5, choice).year))
                << c.name;
        }
    }
}

TEST(IslamicCalendars, NamesForTheCommandLineAndTheSettings) {
    for (const TIslamicCalendarName& c : islamic_calendar_names) {
        EXPECT_EQ(find_islamic_calendar(c.name), &c);
        EXPECT_EQ(&islamic_calendar_name(c.id), &c);
    }
    EXPECT_EQ(find_islamic_calendar("umm-al-qura")->id, TIslamicCalendar::umm_al_qura);
    EXPECT_EQ(find_islamic_calendar("Civil"), nullptr);
    EXPECT_EQ(find_islamic_calendar("islamic-umalqura"), nullptr);
}

} // namespace
