#include "astro/angles.h"
#include "astro/calendar.h"
#include "astro/seasons.h"
#include "astro/sun.h"

#include <array>
#include <cmath>
#include <gtest/gtest.h>

using namespace astro;

namespace {

// Every year of the main window's range: the four seasons converge to the tolerance, in order, each in its
// own year, and last 88 to 95 days.
TEST(SeasonsExhaustive, SeasonsOfEveryYearFrom999To2399) {
    const int targets[] = {0, 90, 180, 270};
    for (int year = 999; year <= 2399; ++year) {
        const std::array<TDateTime, 4> t{season_start(year, seSpring), season_start(year, seSummer),
                                         season_start(year, seAutumn), season_start(year, seWinter)};
        for (int s = 0; s < 4; ++s) {
            ASSERT_EQ(gregorian_date_of(t[s]).year, year) << year << " " << targets[s];
            const extended off = std::fabs(angle_difference(targets[s], sun_position(t[s]).longitude));
            ASSERT_LE(off, 3e-10L) << year << " " << targets[s];
            if (s > 0) {
                ASSERT_GT(t[s] - t[s - 1], 88.0) << year << " " << targets[s];
                ASSERT_LT(t[s] - t[s - 1], 95.0) << year << " " << targets[s];
            }
        }
    }
}

// The 24 solar terms of every third year and of both ends of the range: the terms 0..18 increase from March
// to December; the terms 19..23 increase from January to March and come before the March equinox of the same
// year; each term lies 14.7 to 15.8 days after the one before, and in the given year.
TEST(SeasonsExhaustive, SolarTermsInOrderAcrossTheRange) {
    for (int year = 999; year <= 2399; year += year == 2397 ? 2 : 3) {
        std::array<TDateTime, 24> t{};
        for (std::uint8_t k = 0; k < 24; ++k) {
            t[k] = sun_longitude_instant(year, k);
            ASSERT_EQ(gregorian_date_of(t[k]).year, year) << year << " " << int(k);
        }
        for (int k = 1; k < 24; ++k) {
            if (k == 19) continue;
            ASSERT_GT(t[k] - t[k - 1], 14.7) << year << " " << k;
            ASSERT_LT(t[k] - t[k - 1], 15.8) << year << " " << k;
        }
        ASSERT_EQ(gregorian_date_of(t[19]).month, 1) << year;
        ASSERT_GT(t[0] - t[23], 14.7) << year;
        ASSERT_LT(t[0] - t[23], 15.8) << year;
    }
}

} // namespace
