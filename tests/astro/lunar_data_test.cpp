#include "astro/calendar.h"
#include "astro/lunar_data.h"
#include "astro/moon_phases.h"
#include "astro/moon_position.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace astro;

namespace {

constexpr double kSecond = 1.0 / 86400.0;
constexpr double kMinute = 60 * kSecond;

TDateTime at(std::uint16_t y, std::uint16_t m, std::uint16_t d, int h = 0, int mi = 0) {
    return encode_calendar_date(y, m, d) + (h * 60 + mi) * kMinute;
}

// Meeus, Astronomical Algorithms, example 47.a: 368409.7 km on 1992 April 12, 0h; the diameter follows.
TEST(LunarData, DistanceAndDiameterOfExample47a) {
    EXPECT_NEAR(static_cast<double>(moon_distance(33706.0)), 368409.68, 0.005);
    EXPECT_EQ(moon_distance(33706.0), moon_position(33706.0).radius);
    EXPECT_NEAR(static_cast<double>(moon_diameter(33706.0)), 1946.06, 0.005);
}

TEST(LunarData, LunationNumbers) {
    // Lunation 953 begins with the new moon of 6 January 2000, 18:15 (18:14:21 by the series).
    const TDateTime new_moon = next_phase(mpNewMoon, at(2000, 1, 1));
    EXPECT_NEAR(new_moon, at(2000, 1, 6, 18, 14), kMinute);
    EXPECT_EQ(lunation_number(new_moon - kMinute), 952);
    EXPECT_EQ(lunation_number(new_moon + kMinute), 953);
    EXPECT_EQ(lunation_number(new_moon + 29), 953);
    EXPECT_EQ(lunation_number(at(1923, 1, 20)), 1);
    EXPECT_EQ(lunation_number(at(1923, 1, 10)), 0);
    // 1 January 1900, 00:00 lies in the lunation of 3 December 1899; the new moon of 1 January 1900 starts
    // -284.
    EXPECT_EQ(lunation_number(at(1900, 1, 1)), -285);
    EXPECT_EQ(lunation_number(at(1900, 1, 2)), -284);
}

TEST(LunarData, NextBlueMoonToTheMinute) {
    const struct {
        TDateTime from, expected;
    } cases[] = {
        {at(2018, 1, 1), at(2018, 1, 31, 13, 27)},
        {at(2018, 2, 1), at(2018, 3, 31, 12, 38)},
        {at(2015, 1, 1), at(2015, 7, 31, 10, 44)},
    };
    for (const auto& c : cases) {
        const TDateTime t = next_blue_moon(c.from);
        // The window shows hh:mm truncated: the instant lies within the printed minute.
        EXPECT_GE(t, c.expected - kSecond / 1000) << c.from;
        EXPECT_LT(t, c.expected + kMinute) << c.from;
        EXPECT_EQ(blue_moon_search(0, c.from), t);
    }
    // A moment after a blue moon the search goes on to the next one.
    const TDateTime blue = next_blue_moon(at(2018, 1, 1));
    EXPECT_NEAR(next_blue_moon(blue + kSecond), at(2018, 3, 31, 12, 38), kMinute);
}

// The offset shifts the clock on which the months are read: 12 hours east (offset -0.5 day), the full moon of
// 31 March 2018, 12:38 falls on 1 April, March loses its blue moon and April gains one (30 April, 00:59).
// 15 hours west, both January full moons (2 January 02:24, 31 January 13:27) stay in January.
TEST(LunarData, BlueMoonSearchWithAnOffset) {
    EXPECT_NEAR(blue_moon_search(-0.5L, at(2018, 2, 1)), at(2018, 4, 30, 0, 59), kMinute);
    EXPECT_EQ(blue_moon_search(15.0L / 24, at(2018, 1, 1)), next_blue_moon(at(2018, 1, 1)));
}

// The phase angle changes sign at full and new moon; the fraction goes to 1 and 0 there.
TEST(LunarData, PhaseAngleAndFractionAroundFullAndNewMoon) {
    const TDateTime full = next_phase(mpFullMoon, at(2024, 3, 1));
    const TDateTime fresh = next_phase(mpNewMoon, full);
    const double hour = 1.0 / 24;
    EXPECT_GT(moon_phase_angle(full - hour), 0.0L);
    EXPECT_LT(moon_phase_angle(full + hour), 0.0L);
    EXPECT_LT(moon_phase_angle(fresh - hour), 0.0L);
    EXPECT_GT(moon_phase_angle(fresh + hour), 0.0L);
    EXPECT_GT(moon_illuminated_fraction(full), 0.99L);
    EXPECT_LT(moon_illuminated_fraction(fresh), 0.01L);
    for (TDateTime t = full; t < fresh + 15; t += 0.731) {
        const extended i = moon_phase_angle(t);
        ASSERT_GE(i, -180.0L);
        ASSERT_LE(i, 180.0L);
        const extended k = moon_illuminated_fraction(t);
        ASSERT_GE(k, 0.0L);
        ASSERT_LE(k, 1.0L);
    }
}

// Meeus, Astronomical Algorithms, example 48.a: 1992 April 12, 0h, k = 0.6786 (to the book's rounding of the
// Sun's position).
TEST(LunarData, IlluminatedFractionOfExample48a) {
    EXPECT_NEAR(static_cast<double>(moon_illuminated_fraction(33706.0)), 0.6786, 0.0002);
    EXPECT_GT(moon_phase_angle(33706.0), 0.0L); // waxing
}

TEST(LunarData, AgeWrapsAtConjunction) {
    const TDateTime fresh = next_phase(mpNewMoon, at(2030, 5, 1));
    // The age counts elongation, so its zero lies within minutes of the new moon of the series.
    const extended before = moon_age(fresh - 0.1);
    const extended after = moon_age(fresh + 0.1);
    EXPECT_GT(before, 29.0L);
    EXPECT_LT(before, 29.530589L);
    EXPECT_GE(after, 0.0L);
    EXPECT_LT(after, 0.5L);
    EXPECT_NEAR(static_cast<double>(moon_age(next_phase(mpFullMoon, fresh))), 29.530589 / 2, 0.5);
}

} // namespace
