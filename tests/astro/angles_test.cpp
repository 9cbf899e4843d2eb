#include "astro/angles.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

using namespace astro;

namespace {

constexpr extended kTight = 1e-15L;

TEST(Angles, NormalizeDegreesReducesIntoOneTurn) {
    const struct {
        extended in, out;
    } cases[] = {{-30, 330},      {360, 0},      {720, 0},       {-360, 0}, {180, 180},
                 {-180, 180},     {540, 180},    {900, 180},     {0, 0},    {359.5L, 359.5L},
                 {-0.5L, 359.5L}, {3600010, 10}, {-3600010, 350}};
    for (const auto& c : cases) {
        const extended r = normalize_degrees(c.in);
        EXPECT_NEAR(static_cast<double>(r), static_cast<double>(c.out), 1e-9)
            << "x = " << static_cast<double>(c.in);
        EXPECT_GE(r, 0.0L);
        EXPECT_LT(r, 360.0L);
    }
}

// round_half_even is std::nearbyint in the default rounding mode, computed without touching the environment.
TEST(Angles, RoundHalfEvenIsNearbyint) {
    const extended inf = std::numeric_limits<extended>::infinity();
    const extended cases[] = {
        0.5L,      1.5L,       2.5L,    -0.5L,    -1.5L,          -2.5L,       0.49999999999999999L,
        1e18L,     -1e18L,     0x1p62L, -0x1p62L, 0x1p62L - 0.5L, 0x1p63L + 2, -0.0L,
        123456.5L, -987654.5L, 1e-30L,  -1e-30L,  3e20L,          inf,         -inf};
    for (const extended x : cases) {
        const extended got = round_half_even(x);
        EXPECT_EQ(got, std::nearbyint(x)) << static_cast<double>(x);
        EXPECT_EQ(std::signbit(got), std::signbit(std::nearbyint(x))) << static_cast<double>(x);
    }
    EXPECT_TRUE(std::isnan(round_half_even(std::numeric_limits<extended>::quiet_NaN())));
    // Every half-integer and its neighbours over a wide range.
    for (extended x = -5000.5L; x < 5000; x += 0.25L)
        ASSERT_EQ(round_half_even(x), std::nearbyint(x)) << static_cast<double>(x);
}

TEST(Angles, AngleDifferenceIsSignedAndHalfTurnIsPositive) {
    EXPECT_EQ(angle_difference(10, 350), 20);
    EXPECT_EQ(angle_difference(350, 10), -20);
    EXPECT_EQ(angle_difference(180, 0), 180);
    EXPECT_EQ(angle_difference(0, 180), 180);
    EXPECT_EQ(angle_difference(-90, 90), 180);
}

TEST(Angles, Atan2KeepsTheRangeMinus90To270) {
    EXPECT_NEAR(static_cast<double>(atan2_deg(1, 1)), 45, kTight * 100);
    EXPECT_NEAR(static_cast<double>(atan2_deg(1, -1)), 135, kTight * 1000);
    EXPECT_NEAR(static_cast<double>(atan2_deg(-1, -1)), 225, kTight * 1000);
    EXPECT_NEAR(static_cast<double>(atan2_deg(-1, 1)), -45, kTight * 100);
    // The limits at a zero denominator.
    EXPECT_EQ(atan2_deg(1, 0), 90);
    EXPECT_EQ(atan2_deg(-1, 0), -90);
    EXPECT_EQ(atan2_deg(0, 0), 0);
}

TEST(Angles, InverseFunctionsGiveDegrees) {
    EXPECT_NEAR(static_cast<double>(asin_deg(0.5L)), 30, 1e-13);
    EXPECT_NEAR(static_cast<double>(acos_deg(0.5L)), 60, 1e-13);
    EXPECT_NEAR(static_cast<double>(atan_deg(1)), 45, 1e-13);
    EXPECT_EQ(asin_deg(1), 90);
    EXPECT_EQ(asin_deg(-1), -90);
    EXPECT_EQ(acos_deg(1), 0);
    EXPECT_EQ(acos_deg(-1), 180);
    EXPECT_TRUE(std::isnan(asin_deg(1.5L)));
}

TEST(Angles, TrigonometryReducesTheArgumentFirst) {
    // sin_deg(390) and sin_deg(30) are computed from the same radian value.
    EXPECT_EQ(sin_deg(390), sin_deg(30));
    EXPECT_EQ(cos_deg(-300), cos_deg(60));
    EXPECT_NEAR(static_cast<double>(sin_deg(30)), 0.5, 1e-18);
    // tan_deg(90) is very large but finite: the cosine of the reduced argument is not exactly zero.
    const extended t = tan_deg(90);
    EXPECT_TRUE(std::isfinite(t));
    EXPECT_GT(std::fabs(t), 1e15L);
}

TEST(Angles, ConversionsRoundTrip) {
    EXPECT_EQ(degrees_to_radians(180), pi);
    EXPECT_EQ(radians_to_degrees(pi), 180);
    EXPECT_NEAR(static_cast<double>(radians_to_degrees(degrees_to_radians(123.456L))), 123.456, 1e-13);
}

TEST(Angles, ModOneBasedCountsFromOne) {
    const struct {
        int a, n, r;
    } cases[] = {{13, 12, 1}, {12, 12, 12}, {0, 12, 12}, {-1, 12, 11}, {61, 60, 1}, {-60, 60, 60}, {1, 1, 1}};
    for (const auto& c : cases) EXPECT_EQ(mod_one_based(c.a, c.n), c.r) << c.a << " mod " << c.n;
    EXPECT_EQ(mod_one_based(5, 0), 0);
    EXPECT_EQ(mod_one_based(5, -3), 0);
}

} // namespace
