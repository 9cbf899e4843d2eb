#include "astro/calendar.h"
#include "astro/errors.h"
#include "astro/hebrew.h"
#include "astro/reference.h"
#include "tests/astro/error_of.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>

using namespace astro;
using astro::testing::error_of;

namespace {

TEST(Hebrew, PesachWorkedExamples) {
    const struct {
        std::int32_t year;
        std::uint16_t month, day; // Julian calendar up to 1582, Gregorian from 1583
    } cases[] = {
        {2024, 4, 23}, {2025, 4, 13}, {1582, 4, 7}, {1583, 4, 7}, {2023, 4, 6}, {1900, 4, 14}, {359, 3, 30},
    };
    for (const auto& c : cases)
        EXPECT_EQ(pesach_date(c.year),
                  encode_calendar_date(static_cast<std::uint16_t>(c.year), c.month, c.day))
            << c.year;
}

// Gauss's formula in integers (units of 10^-12) decides every year as the formula in extended precision does.
// From 3430 on the formula's day of March passes 61 (the Hebrew calendar drifts against the Gregorian by a
// day in about 230 years), where the formula's "April d - 31" is no date: those days fall in May, counted on
// from 1 March. Every 15 Nisan falls on a Sunday, Tuesday, Thursday or Saturday.
TEST(Hebrew, PesachInIntegersIsTheFormulaForEveryYear) {
    int years = 0, in_may = 0;
    for (std::int32_t year = 359; year <= 9999; ++year, ++years) {
        const TDateTime pesach = pesach_date(year);
        const std::string reference = error_of([&] { reference::pesach_date(year); });
        if (reference == "no error") {
            ASSERT_EQ(pesach, reference::pesach_date(year)) << year;
        } else {
            ASSERT_EQ(reference, "Invalid day") << year;
            const TCalendarDate date = decode_calendar_date(pesach);
            ASSERT_EQ(date.year, year);
            ASSERT_EQ(date.month, 5) << year;
            ++in_may;
        }
        const auto weekday =
            ((static_cast<long long>(pesach) - 1) % 7 + 7) % 7; // 0 Sunday: day 1 is 31 December 1899
        ASSERT_TRUE(weekday == 0 || weekday == 2 || weekday == 4 || weekday == 6) << year << " " << weekday;
    }
    EXPECT_EQ(years, 9641);
    EXPECT_EQ(in_may, 3280);
    EXPECT_EQ(decode_calendar_date(pesach_date(3430)), (TCalendarDate{3430, 5, 1}));
    EXPECT_EQ(error_of([] { pesach_date(10000); }), "Invalid year");
}

TEST(Hebrew, PesachRejectsYearsBefore359) {
    EXPECT_EQ(error_of([] { pesach_date(358); }), "Out of range of the algorithm");
    EXPECT_EQ(error_of([] { pesach_date(-1); }), "Out of range of the algorithm");
    EXPECT_EQ(error_of([] { hebrew_year_type(4119); }), "Out of range of the algorithm");
    EXPECT_EQ(error_of([] { date_to_hebrew(encode_calendar_date(300, 1, 1)); }),
              "Out of range of the algorithm");
}

TEST(Hebrew, YearTypes) {
    const struct {
        std::int32_t year;
        int type;
    } cases[] = {{5784, 3}, {5785, 2}, {5786, 1}, {5783, 2}, {5782, 4}, {5781, 0}};
    for (const auto& c : cases) {
        EXPECT_EQ(hebrew_year_type(c.year), c.type) << c.year;
        EXPECT_EQ(hebrew_to_date(static_cast<std::uint16_t>(c.year + 1), 7, 1) -
                      hebrew_to_date(static_cast<std::uint16_t>(c.year), 7, 1),
                  hebrew_year_lengths[static_cast<std::size_t>(c.type)])
            << c.year;
    }
}

TEST(Hebrew, DaysToHebrewDates) {
    const struct {
        TDateTime t;
        THebrewDate h;
    } cases[] = {
        {encode_calendar_date(2024, 10, 3), {5785, 7, 1}},
        {encode_calendar_date(2024, 10, 3) + 0.999, {5785, 7, 1}},
        {encode_calendar_date(2024, 10, 3) + 0.5, {5785, 7, 1}},
        {encode_calendar_date(2024, 10, 2) + 0.75, {5784, 6, 29}},
        {encode_calendar_date(2024, 10, 4), {5785, 7, 2}},
        {encode_calendar_date(2024, 3, 24) + 0.5, {5784, 13, 14}}, // Purim of a leap year falls in Adar 2
        {encode_calendar_date(2025, 3, 14) + 0.5, {5785, 12, 14}},
        {encode_calendar_date(2024, 4, 23), {5784, 1, 15}},
        {encode_calendar_date(999, 9, 14), {4760, 7, 1}},
        {encode_calendar_date(999, 9, 13), {4759, 6, 29}},
        {encode_calendar_date(2399, 10, 2), {6160, 7, 1}},
        {encode_calendar_date(2399, 12, 30) + 0.5, {6160, 9, 30}}, // Kislev of a complete year has 30 days
        {encode_calendar_date(2399, 12, 31), {6160, 10, 1}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(date_to_hebrew(c.t), c.h) << c.t;
        EXPECT_EQ(hebrew_to_date(c.h.year, c.h.month, c.h.day), std::floor(c.t)) << c.t;
    }
}

TEST(Hebrew, InvalidDates) {
    const struct {
        std::uint16_t y, m, d;
        const char* message;
    } cases[] = {
        {5785, 13, 1, "Invalid month"}, // Adar 2 in a common year
        {5785, 0, 1, "Invalid month"},
        {5785, 14, 1, "Invalid month"},
        {5785, 0, 0, "Invalid month"},
        {5786, 8, 30, "Invalid day"}, // Heshvan of a regular year has 29 days
        {5785, 8, 30, "no error"},    // but 30 in a complete year
        {5786, 7, 0, "Invalid day"},
        {5786, 7, 31, "Invalid day"},
        {5784, 13, 30, "Invalid day"},
        {5784, 13, 29, "no error"},
        {4119, 7, 1, "Out of range of the algorithm"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(error_of([&] { hebrew_to_date(c.y, c.m, c.d); }), c.message)
            << c.y << "-" << c.m << "-" << c.d;
}

// Dershowitz and Reingold, Calendrical Calculations: 1 Tishri from the molad of Tishri and the four delays.
// An independent derivation of the start of each year; days counted in the fixed (R.D.) count.
long long elapsed_days(long long year) {
    const long long months = (235 * year - 234) / 19;
    const long long parts = 12084 + 13753 * months;
    const long long days = 29 * months + parts / 25920;
    return (3 * (days + 1)) % 7 < 3 ? days + 1 : days;
}
TDateTime molad_new_year(long long year) {
    long long correction = 0;
    if (elapsed_days(year + 1) - elapsed_days(year) == 356)
        correction = 2;
    else if (elapsed_days(year) - elapsed_days(year - 1) == 382)
        correction = 1;
    constexpr long long hebrew_epoch_rd = -1373427;
    constexpr long long rd_to_datetime = -693594; // R.D. 730120 is 2000-01-01, date-time value 36526
    return static_cast<TDateTime>(hebrew_epoch_rd + elapsed_days(year) + correction + rd_to_datetime);
}

TEST(Hebrew, NewYearsAgreeWithTheMoladRules) {
    for (std::uint16_t year = 4760; year <= 6160; ++year)
        ASSERT_EQ(hebrew_to_date(year, 7, 1), molad_new_year(year)) << year;
    // 15 Nisan lies 163 days before the next 1 Tishri, for every year the formula accepts.
    for (std::int32_t year = 359; year <= 2399; ++year)
        ASSERT_EQ(pesach_date(year), molad_new_year(year + 3761) - 163) << year;
}

} // namespace
