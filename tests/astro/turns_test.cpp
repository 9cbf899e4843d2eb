#include "astro/turns.h"

#include <cmath>
#include <gtest/gtest.h>
#include <random>
#include <vector>

using namespace astro;

namespace {

// The exact value of cos(2 pi u) and sin(2 pi u), reduced and evaluated in extended precision.
long double reference_cos(double u) {
    const long double f = static_cast<long double>(u) - std::nearbyint(static_cast<long double>(u));
    return std::cos(f * 6.283185307179586476925286766559L);
}
long double reference_sin(double u) {
    const long double f = static_cast<long double>(u) - std::nearbyint(static_cast<long double>(u));
    return std::sin(f * 6.283185307179586476925286766559L);
}

TEST(Turns, ReductionIsExact) {
    const struct {
        double u, f;
    } cases[] = {{0.0, 0.0},        {0.5, 0.5},       {1.5, -0.5},       {-0.25, -0.25},
                 {52135.75, -0.25}, {-3.125, -0.125}, {1e15 + 0.5, 0.5}, {0x1p50 + 0.25, 0.25},
                 {7.0, 0.0}};
    for (const auto& c : cases) EXPECT_EQ(reduce_turns(c.u), c.f) << c.u;
}

// Within 4e-16 of the exact values, for small angles, the quarter turns, and the arguments of the series (up
// to some 60,000 turns).
TEST(Turns, SineAndCosineWithinFourUnitsOfTheLastPlaceOfOne) {
    std::mt19937_64 random(19);
    std::uniform_real_distribution<double> small(-1, 1), large(-60000, 60000);
    std::vector<double> us{
        0, 0.25, 0.5, 0.75, 1, -0.25, 0.125, 1e-300, 1e-9, 0.2499999999999999, 0.2500000000000001};
    for (int i = 0; i < 200000; ++i) us.push_back(i % 2 ? small(random) : large(random));
    double worst_cos = 0, worst_sin = 0, worst_pair = 0;
    for (const double u : us) {
        worst_cos = std::max(worst_cos, static_cast<double>(std::fabs(cos_turns(u) - reference_cos(u))));
        worst_sin = std::max(worst_sin, static_cast<double>(std::fabs(sin_turns(u) - reference_sin(u))));
        double s, c;
        sin_cos_turns(u, s, c);
        worst_pair = std::max({worst_pair, static_cast<double>(std::fabs(s - reference_sin(u))),
                               static_cast<double>(std::fabs(c - reference_cos(u)))});
        ASSERT_EQ(c, cos_turns(u)) << u;
        ASSERT_EQ(s, sin_turns(u)) << u;
    }
    EXPECT_LE(worst_cos, 4e-16);
    EXPECT_LE(worst_sin, 4e-16);
    EXPECT_LE(worst_pair, 4e-16);
    EXPECT_EQ(cos_turns(0), 1.0);
    EXPECT_EQ(cos_turns(1), 1.0);
    EXPECT_EQ(cos_turns(0.5), -1.0);
    EXPECT_EQ(sin_turns(0.25), 1.0);
}

// The vectorised loops give the scalar functions' values of each angle in degrees.
TEST(Turns, ArraysGiveTheScalarValues) {
    std::vector<double> x;
    for (int i = 0; i < 37; ++i) x.push_back(-1000 + 57.3 * i);
    std::vector<double> s(x.size()), c(x.size()), s_only(x.size());
    sin_cos_degrees(x.data(), s.data(), c.data(), static_cast<int>(x.size()));
    sin_degrees(x.data(), s_only.data(), static_cast<int>(x.size()));
    for (std::size_t i = 0; i < x.size(); ++i) {
        EXPECT_EQ(c[i], cos_turns(x[i] / 360)) << x[i];
        EXPECT_EQ(s[i], sin_turns(x[i] / 360)) << x[i];
        EXPECT_EQ(s_only[i], s[i]) << x[i];
        EXPECT_NEAR(s[i], std::sin(x[i] * (3.14159265358979323846 / 180)), 1e-13) << x[i];
    }
}

} // namespace
