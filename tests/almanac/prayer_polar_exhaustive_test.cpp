// Every angle method, high-latitude rule and polar rule over 500 places from 65 to 90 degrees north and south
// and every day of 2024 (about 13 million place-days with each polar rule), in ten shards of 50 places that
// run side by side: no time missing without its reason, every time with a polar rule, all in order.
#include "polar_sweep.h"

namespace {

class PolarSweep : public ::testing::TestWithParam<int> {};

TEST_P(PolarSweep, EveryDayHasItsTimesInOrderOrSaysWhyNot) {
    constexpr int kShards = 10;
    const polar_sweep::TCounts c = polar_sweep::sweep(GetParam(), kShards);
    EXPECT_EQ(c.place_days, 50L * polar_sweep::kDays * 18 * 4);
    EXPECT_EQ(c.unjustified, 0);
    EXPECT_EQ(c.out_of_order, 0);
    EXPECT_EQ(c.incomplete, 0);
    EXPECT_EQ(c.changed, 0);
    EXPECT_GT(c.missing, 0);
}

INSTANTIATE_TEST_SUITE_P(FiveHundredPlaces, PolarSweep, ::testing::Range(0, 10));

} // namespace
