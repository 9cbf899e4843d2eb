// Every method and both Asr schools over 500 places from 65 S to 65 N and every day of 2026 (about 6.8
// million place-days): times in order, no jumps outside the days where a rule starts or stops applying.
#include "prayer_sweep.h"

namespace {

TEST(PrayerMethodsSweep, FiveHundredPlacesEveryDayEveryMethod) {
    const prayer_sweep::TCounts c = prayer_sweep::sweep(0, 499);
    EXPECT_EQ(c.place_days, 500L * 365 * 37);
    EXPECT_EQ(c.jumps, 0);
    EXPECT_EQ(c.out_of_order, 0);
    EXPECT_EQ(c.failures, 0);
    EXPECT_GT(prayer_sweep::polar_check(60), 0);
}

} // namespace
