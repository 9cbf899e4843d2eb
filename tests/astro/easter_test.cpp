#include "astro/calendar.h"
#include "astro/easter.h"
#include "astro/errors.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>

using namespace astro;

namespace {

// Date-time value 0 (1899-12-30) is a Saturday, so Sundays are the days congruent to 1 modulo 7.
bool is_sunday(TDateTime t) {
    const auto day = static_cast<long long>(std::floor(t));
    return ((day % 7) + 7) % 7 == 1;
}

TEST(Easter, WorkedExamples) {
    const struct {
        std::int32_t year;
        std::uint16_t month, day; // in the calendar in force: Julian up to 1582
    } cases[] = {
        {999, 4, 9},   {1000, 3, 31}, {1500, 4, 19}, {1582, 4, 15}, // Julian computus
        {1583, 4, 10}, {2000, 4, 23}, {2019, 4, 21}, {2024, 3, 31},
        {2025, 4, 20}, {1981, 4, 19}, {2076, 4, 19}, // 26 April becomes 19 April
        {1954, 4, 18}, {2049, 4, 18},                // 25 April becomes 18 April when d = 28, e = 6, a > 10
        {1818, 3, 22}, {2285, 3, 22},                // the earliest possible day
        {2299, 4, 16}, {2300, 4, 8},  {2399, 3, 28}, // either side of the change of Gauss's constants in 2300
    };
    for (const auto& c : cases)
        EXPECT_EQ(easter_date(c.year),
                  encode_calendar_date(static_cast<std::uint16_t>(c.year), c.month, c.day))
            << c.year;
}

TEST(Easter, DateChoosesTheComputusByYear) {
    EXPECT_EQ(easter_date(1582), easter_julian(1582));
    EXPECT_EQ(easter_date(1583), easter_gregorian(1583));
    EXPECT_EQ(easter_date(2399), easter_gregorian(2399));
}

TEST(Easter, OutOfRangeYears) {
    for (std::int32_t year : {1582, 2400, 0, -5, 100000}) {
        try {
            easter_gregorian(year);
            ADD_FAILURE() << year << " accepted";
        } catch (const E_OutOfAlgorithmRange& e) {
            EXPECT_STREQ(e.what(), "Out of range of the algorithm") << year;
        }
    }
    EXPECT_THROW(easter_date(2400), E_OutOfAlgorithmRange);
    for (std::int32_t year : {0, -1, 10000, 65537}) {
        try {
            easter_julian(year);
            ADD_FAILURE() << year << " accepted";
        } catch (const EConvertError& e) {
            EXPECT_STREQ(e.what(), "Invalid year") << year;
        }
    }
}

TEST(Easter, EveryEasterOfTheProgramsYearsIsASundayBetween22MarchAnd25April) {
    for (std::int32_t year = 999; year <= 2399; ++year) {
        const TDateTime t = easter_date(year);
        ASSERT_TRUE(is_sunday(t)) << year;
        const auto y = static_cast<std::uint16_t>(year);
        EXPECT_GE(t, encode_calendar_date(y, 3, 22)) << year;
        EXPECT_LE(t, encode_calendar_date(y, 4, 25)) << year;
    }
}

// Meeus, Astronomical Algorithms, chapter 8: the anonymous Gregorian algorithm, valid for every Gregorian
// year, an independent check of Gauss's method with its century table.
TEST(Easter, GregorianAgreesWithTheAnonymousAlgorithm) {
    for (std::int32_t year = 1583; year <= 2399; ++year) {
        const std::int32_t a = year % 19, b = year / 100, c = year % 100, d = b / 4, e = b % 4;
        const std::int32_t f = (b + 8) / 25, g = (b - f + 1) / 3, h = (19 * a + b - d - g + 15) % 30;
        const std::int32_t i = c / 4, k = c % 4, l = (32 + 2 * e + 2 * i - h - k) % 7;
        const std::int32_t m = (a + 11 * h + 22 * l) / 451, n = h + l - 7 * m + 114;
        EXPECT_EQ(easter_gregorian(year),
                  encode_calendar_date(static_cast<std::uint16_t>(year), static_cast<std::uint16_t>(n / 31),
                                       static_cast<std::uint16_t>(n % 31 + 1)))
            << year;
    }
}

} // namespace
