// Every lunation from 1900 to 2100: the phase searches, the octant ages and the lunation numbers; the blue
// moons of the two centuries against a count of full moons per month.
#include "astro/calendar.h"
#include "astro/lunar_data.h"
#include "astro/moon_phases.h"

#include <array>
#include <cmath>
#include <gtest/gtest.h>

using namespace astro;

namespace {

constexpr double kSecond = 1.0 / 86400.0;
constexpr double kMinute = 60 * kSecond;

// The two centuries in shards of 25 years, so that the sweep runs in parallel.
class MoonLunationSweep : public ::testing::TestWithParam<int> {};

TEST_P(MoonLunationSweep, EveryLunation) {
    const int first_year = GetParam();
    const TDateTime end = encode_calendar_date(static_cast<std::uint16_t>(first_year + 25), 1, 1);
    TDateTime new_moon =
        next_phase(mpNewMoon, encode_calendar_date(static_cast<std::uint16_t>(first_year), 1, 1));
    std::int32_t lunation = lunation_number(new_moon + kMinute);
    int lunations = 0;
    for (; new_moon < end; ++lunations) {
        // A moment somewhere in the lunation, at a different place each time.
        const TDateTime date = new_moon + std::fmod(lunations * 0.6180339887 + 0.01, 1.0) * 29.5;

        std::array<TDateTime, 8> next{}, last{};
        for (int p = 0; p < 8; ++p) {
            const auto phase = static_cast<TMoonPhase>(p);
            next[p] = next_phase(phase, date);
            last[p] = last_phase(phase, date);
            ASSERT_GE(next[p], date) << p << " " << date;
            ASSERT_LE(last[p], date) << p << " " << date;
            // Consecutive occurrences of the phase: nothing skipped between them.
            ASSERT_GT(next[p] - last[p], 29.0) << p << " " << date;
            ASSERT_LT(next[p] - last[p], 30.0) << p << " " << date;
            if (p % 2 == 1) {
                const extended target = p * 29.530589L / 8;
                ASSERT_LT(std::fabs(moon_age(next[p]) - target), 0.0000001L) << p << " " << next[p];
                ASSERT_LT(std::fabs(moon_age(last[p]) - target), 0.0000001L) << p << " " << last[p];
            }
        }
        // The eight phases after `date` come in lunation order, starting with the one that follows the phase
        // in progress: going round from the earliest, each is 2.5 to 5 days after the one before.
        int p0 = 0;
        for (int p = 1; p < 8; ++p)
            if (next[p] < next[p0]) p0 = p;
        for (int i = 1; i < 8; ++i) {
            const double gap = next[(p0 + i) % 8] - next[(p0 + i - 1) % 8];
            ASSERT_GT(gap, 2.5) << date;
            ASSERT_LT(gap, 5.0) << date;
        }

        // The lunation number goes up by exactly one at each new moon.
        const TDateTime following = next_phase(mpNewMoon, new_moon + 1);
        ASSERT_EQ(lunation_number(following - kMinute), lunation) << following;
        ASSERT_EQ(lunation_number(following + kMinute), lunation + 1) << following;
        ++lunation;
        new_moon = following;
    }
    EXPECT_GT(lunations, 308);
    EXPECT_LT(lunations, 311);
}

INSTANTIATE_TEST_SUITE_P(From1900To2100, MoonLunationSweep,
                         ::testing::Values(1900, 1925, 1950, 1975, 2000, 2025, 2050, 2075));

// A blue moon is the second full moon of a calendar month: walk all full moons and compare with the chain of
// next_blue_moon.
TEST(MoonBlueMoonSweep, AgreesWithAMonthByMonthCount) {
    const TDateTime end = encode_calendar_date(2100, 1, 1);
    TDateTime full = next_phase(mpFullMoon, encode_calendar_date(1900, 1, 1));
    TDateTime blue = next_blue_moon(encode_calendar_date(1900, 1, 1));
    TCalendarDate previous{};
    int blues = 0;
    while (full < end) {
        const TCalendarDate day = decode_calendar_date(full);
        if (day.year == previous.year && day.month == previous.month) {
            ASSERT_NEAR(blue, full, kSecond) << full;
            blue = next_blue_moon(full + kSecond);
            ++blues;
        } else {
            ASSERT_GT(blue, full) << full;
        }
        previous = day;
        full = next_phase(mpFullMoon, full + 1);
    }
    // About one blue moon every 2.7 years.
    EXPECT_GT(blues, 65);
    EXPECT_LT(blues, 85);
}

} // namespace
