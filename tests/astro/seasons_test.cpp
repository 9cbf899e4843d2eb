#include "astro/angles.h"
#include "astro/calendar.h"
#include "astro/errors.h"
#include "astro/seasons.h"
#include "astro/sun.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace astro;

namespace {

// The instant truncated to the minute, as the windows show it (hh:nn).
struct TMinute {
    int year, month, day, hour, minute;
    friend bool operator==(const TMinute&, const TMinute&) = default;
};

TMinute to_minute(TDateTime t) {
    const TCalendarDate date = gregorian_date_of(t);
    const auto minutes = static_cast<int>(std::floor((t - std::floor(t)) * 1440));
    return {date.year, date.month, date.day, minutes / 60, minutes % 60};
}

std::ostream& operator<<(std::ostream& os, const TMinute& m) {
    return os << m.year << "-" << m.month << "-" << m.day << " " << m.hour << ":" << m.minute;
}

TEST(Seasons, WorkedValuesToTheMinute) {
    const struct {
        int year;
        TSeason season;
        TMinute expected;
    } cases[] = {
        {2000, seSpring, {2000, 3, 20, 7, 36}},  {2000, seSummer, {2000, 6, 21, 1, 48}},
        {2000, seAutumn, {2000, 9, 22, 17, 28}}, {2000, seWinter, {2000, 12, 21, 13, 38}},
        {2024, seSpring, {2024, 3, 20, 3, 7}},   {2024, seSummer, {2024, 6, 20, 20, 52}},
        {2024, seAutumn, {2024, 9, 22, 12, 44}}, {2024, seWinter, {2024, 12, 21, 9, 21}},
    };
    for (const auto& c : cases) EXPECT_EQ(to_minute(season_start(c.year, c.season)), c.expected) << c.year;
}

TEST(SolarTerms, JanuaryToMarchTermsFallInTheGivenYear) {
    EXPECT_EQ(to_minute(sun_longitude_instant(2000, 19)), (TMinute{2000, 1, 6, 1, 1}));
    EXPECT_EQ(to_minute(sun_longitude_instant(2000, 23)), (TMinute{2000, 3, 5, 6, 43}));
    EXPECT_EQ(sun_longitude_instant(2000, 0), season_start(2000, seSpring));
    EXPECT_EQ(sun_longitude_instant(2000, 18), season_start(2000, seWinter));
}

// Meeus, Astronomical Algorithms, chapter 27: instants computed from the complete VSOP87, in dynamical time,
// to the second: example 27.a (the June solstice of 1962, 21h 24m 42s TD) and table 27.B. The date-time value
// serves as dynamical time, so they compare directly. This library's second FK5 shift (-0.09") delays every
// instant by about 2.2 s; the rest (Meeus rounds to the second, the 31-term nutation) stays within 1.5 s.
TEST(SolarTerms, MeeusChapter27CompleteVsop87Instants) {
    const struct {
        int year;
        TSeason season;
        int month, day, hour, minute, second;
    } cases[] = {
        {1962, seSummer, 6, 21, 21, 24, 42}, {1996, seSpring, 3, 20, 8, 4, 7},
        {1996, seSummer, 6, 21, 2, 24, 46},  {1996, seAutumn, 9, 22, 18, 1, 8},
        {1996, seWinter, 12, 21, 14, 6, 56}, {1997, seSpring, 3, 20, 13, 55, 42},
        {1997, seSummer, 6, 21, 8, 20, 59},  {1997, seAutumn, 9, 22, 23, 56, 49},
        {1998, seSpring, 3, 20, 19, 55, 35}, {1999, seSpring, 3, 21, 1, 46, 53},
        {2000, seSpring, 3, 20, 7, 36, 19},  {2001, seSpring, 3, 20, 13, 31, 47},
        {2002, seSpring, 3, 20, 19, 17, 13}, {2003, seSpring, 3, 21, 1, 0, 50},
        {2004, seSpring, 3, 20, 6, 49, 42},  {2005, seSpring, 3, 20, 12, 34, 29},
    };
    for (const auto& c : cases) {
        const TDateTime meeus =
            gregorian_datetime(static_cast<std::uint16_t>(c.year), static_cast<std::uint16_t>(c.month),
                               static_cast<std::uint16_t>(c.day)) +
            (c.hour * 3600 + c.minute * 60 + c.second) / 86400.0;
        const double late_s = (season_start(c.year, c.season) - meeus) * 86400;
        EXPECT_NEAR(late_s, 2.2, 1.5) << c.year << " " << int(c.season);
    }
}

TEST(SolarTerms, ReachesTheTargetLongitude) {
    for (std::uint8_t k = 0; k < 24; ++k) {
        const TDateTime t = sun_longitude_instant(1850, k);
        EXPECT_LE(std::fabs(angle_difference(15 * k, sun_position(t).longitude)), 3e-10L) << int(k);
    }
}

TEST(Seasons, InvalidSeasonGivesZero) {
    EXPECT_EQ(season_start(2000, static_cast<TSeason>(4)), 0);
    EXPECT_EQ(season_start(2000, static_cast<TSeason>(255)), 0);
}

TEST(SolarTerms, RejectsWhatCannotBeEncoded) {
    const struct {
        int year;
        std::uint8_t k;
        const char* message;
    } cases[] = {
        {0, 0, "Invalid year"},  {10000, 0, "Invalid year"},
        {-5, 6, "Invalid year"}, {65537, 0, "Invalid year"}, // not taken modulo 65536
        {1, 19, "Invalid year"},                             // sought from 1 January of year 0
    };
    for (const auto& c : cases) {
        try {
            sun_longitude_instant(c.year, c.k);
            ADD_FAILURE() << c.year << " " << int(c.k) << " raised nothing";
        } catch (const EConvertError& e) {
            EXPECT_STREQ(e.what(), c.message);
        }
    }
    try {
        sun_longitude_instant(2000, 24);
        ADD_FAILURE() << "k = 24 raised nothing";
    } catch (const E_OutOfAlgorithmRange& e) {
        EXPECT_STREQ(e.what(), "Out of range of the algorithm");
    }
}

// The edges of the encodable years end too; so does year 9999, where the step of a double date-time value
// (2^-31 day) is coarser than the tolerance and the iteration cap or the stalled step ends the search.
TEST(SolarTerms, EndsAtTheEdgesOfTheEncodableYears) {
    for (const int year : {1, 999, 2399, 5000, 9999}) {
        for (const TSeason season : {seSpring, seSummer, seAutumn, seWinter}) {
            const TDateTime t = season_start(year, season);
            EXPECT_EQ(gregorian_date_of(t).year, year) << year << " " << int(season);
            const extended k = season == seWinter ? 18 : (season - 1) * 6;
            EXPECT_LE(std::fabs(angle_difference(15 * k, sun_position(t).longitude)), 1e-8L) << year;
        }
    }
}

} // namespace
