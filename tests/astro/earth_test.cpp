#include "astro/angles.h"
#include "astro/calendar.h"
#include "astro/earth.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace astro;

namespace {

double d(extended x) {
    return static_cast<double>(x);
}

TEST(NutationTable, HasTheThirtyOneTermsInTheirOrder) {
    ASSERT_EQ(sizeof(nutation_terms) / sizeof(nutation_terms[0]), 31u);
    const TNutationTerm& first = nutation_terms[0];
    EXPECT_EQ(first.d, 0);
    EXPECT_EQ(first.m, 0);
    EXPECT_EQ(first.m_prime, 0);
    EXPECT_EQ(first.f, 0);
    EXPECT_EQ(first.omega, 1);
    EXPECT_EQ(first.psi_amplitude, -171996);
    EXPECT_EQ(first.psi_rate, -1742);
    EXPECT_EQ(first.eps_amplitude, 92025);
    EXPECT_EQ(first.eps_rate, 89);
    const TNutationTerm& last = nutation_terms[30];
    EXPECT_EQ(last.d, 0);
    EXPECT_EQ(last.m, 1);
    EXPECT_EQ(last.m_prime, 0);
    EXPECT_EQ(last.f, 0);
    EXPECT_EQ(last.omega, 1);
    EXPECT_EQ(last.psi_amplitude, -15);
    EXPECT_EQ(last.psi_rate, 0);
    EXPECT_EQ(last.eps_amplitude, 9);
    EXPECT_EQ(last.eps_rate, 0);
    // Decreasing longitude amplitude, none below 15 units (0.0015").
    for (int i = 1; i < nutation_term_count; ++i) {
        EXPECT_LE(std::abs(nutation_terms[i].psi_amplitude), std::abs(nutation_terms[i - 1].psi_amplitude))
            << i;
        EXPECT_GE(std::abs(nutation_terms[i].psi_amplitude), 15) << i;
    }
}

// The library's own worked values: nutation, true obliquity and apparent sidereal time, to the digits given.
TEST(Nutation, WorkedValues) {
    const struct {
        TDateTime t;
        double dpsi, dpsi_tol, eps, ast;
    } cases[] = {
        {31877.0, -0.00105302, 5e-9, 23.4435692, 197.6922290}, // 1987-04-10 00:00
        {33890.0, 0.00441889, 5e-9, 23.4401444, 21.8053934},   // 1992-10-13 00:00
        {36526.5, -0.00386734, 5e-9, 23.4376871, 280.4570701}, // J2000.0
    };
    for (const auto& c : cases) {
        extended dpsi, eps;
        nutation_obliquity(c.t, dpsi, eps);
        EXPECT_NEAR(d(dpsi), c.dpsi, c.dpsi_tol) << c.t;
        EXPECT_NEAR(d(eps), c.eps, 5e-8) << c.t;
        EXPECT_NEAR(d(apparent_sidereal_time(c.t)), c.ast, 5e-8) << c.t;
    }
    extended dpsi, eps;
    nutation_obliquity(31877.0, dpsi, eps);
    EXPECT_NEAR(d(dpsi * 3600), -3.791, 5e-4);
}

// Meeus, Astronomical Algorithms, example 22.a: 1987 April 10, 0h TD, with the complete 1980 series:
// dpsi = -3.788", deps = +9.443", eps = 23 deg 26' 36.850". The 31-term series leaves out terms below 0.0015"
// each; together they stay under 0.01" here.
TEST(Nutation, MeeusExample22a) {
    extended dpsi, eps;
    nutation_obliquity(31877.0, dpsi, eps);
    EXPECT_NEAR(d(dpsi * 3600), -3.788, 0.01);
    EXPECT_NEAR(d(eps), 23 + 26 / 60.0 + 36.850 / 3600, 0.01 / 3600);
    // True minus mean obliquity (Meeus 22.2 at T = -0.127296372348).
    const double T = -0.127296372348;
    const double eps0 = 84381.448 - 46.8150 * T - 0.00059 * T * T + 0.001813 * T * T * T;
    EXPECT_NEAR(d(eps) * 3600 - eps0, 9.443, 0.01);
}

// Meeus, example 12.a: 1987 April 10, 0h UT: apparent sidereal time 13h 10m 46.1351s (with the complete
// nutation; the 31 terms move it by under 0.001 s).
TEST(SiderealTime, MeeusExample12a) {
    const double seconds = (d(apparent_sidereal_time(31877.0)) / 15 - 13) * 3600 - 10 * 60;
    EXPECT_NEAR(seconds, 46.1351, 0.001);
}

// Meeus, example 12.b: 1987 April 10, 19h 21m 00s UT: mean sidereal time 128.7378734 degrees (his
// intermediate -1677831.2621266 is rounded; the formula gives 128.73787328). The sidereal time is that of the
// instant itself, not of 00:00.
TEST(SiderealTime, MeeusExample12bUsesTheInstant) {
    const TDateTime t = 31877.0 + (19 + 21 / 60.0) / 24;
    extended dpsi, eps;
    nutation_obliquity(t, dpsi, eps);
    const extended mean = apparent_sidereal_time(t) - dpsi * cos_deg(eps);
    EXPECT_NEAR(d(mean), 128.7378734, 2e-7);
}

TEST(Nutation, StaysWithinItsAmplitudesOverTheCenturies) {
    double worst_psi = 0, worst_eps = 0;
    for (TDateTime t = gregorian_datetime(1000, 1, 1); t < gregorian_datetime(2400, 1, 1); t += 97.3) {
        extended dpsi, eps;
        nutation_obliquity(t, dpsi, eps);
        const double T = (d(datetime_to_jd(t)) - 2451545) / 36525;
        const double eps0 = (84381.448 - 46.815 * T - 0.00059 * T * T + 0.001813 * T * T * T) / 3600;
        worst_psi = std::max(worst_psi, std::abs(d(dpsi)) * 3600);
        worst_eps = std::max(worst_eps, std::abs(d(eps) - eps0) * 3600);
        const extended ast = apparent_sidereal_time(t);
        ASSERT_GE(ast, 0.0L);
        ASSERT_LT(ast, 360.0L);
    }
    EXPECT_LT(worst_psi, 20.0);
    EXPECT_GT(worst_psi, 15.0);
    EXPECT_LT(worst_eps, 10.5);
    EXPECT_GT(worst_eps, 8.0);
}

TEST(EclipticToEquatorial, SolsticePointGivesRightAscension90AndDeclinationEps) {
    TSkyPosition pos;
    pos.longitude = 90;
    pos.latitude = 0;
    ecliptic_to_equatorial(pos, 36526.5);
    extended dpsi, eps;
    nutation_obliquity(36526.5, dpsi, eps);
    EXPECT_NEAR(d(pos.longitude), d(90 + dpsi), 1e-15);
    EXPECT_NEAR(d(pos.right_ascension), 90, 0.005);
    EXPECT_NEAR(d(pos.declination), d(eps), 0.005);
}

TEST(EclipticToEquatorial, FourthQuadrantKeepsANegativeRightAscension) {
    const struct {
        extended longitude, ra, tol;
    } cases[] = {{359, -0.9211L, 0.001L}, {350, -9.194L, 0.001L}, {0.5L, 0.4552L, 0.001L}};
    for (const auto& c : cases) {
        TSkyPosition pos;
        pos.longitude = c.longitude;
        ecliptic_to_equatorial(pos, 36526.5);
        EXPECT_NEAR(d(pos.right_ascension), d(c.ra), d(c.tol)) << d(c.longitude);
        EXPECT_GE(pos.longitude, 0.0L);
        EXPECT_LT(pos.longitude, 360.0L);
    }
    // An apparent longitude in the second or third quadrant gives 90..270.
    TSkyPosition pos;
    pos.longitude = 200;
    ecliptic_to_equatorial(pos, 36526.5);
    EXPECT_GT(pos.right_ascension, 180.0L);
    EXPECT_LT(pos.right_ascension, 270.0L);
}

TEST(EclipticToEquatorial, NutationCarriesALongitudeAcrossZero) {
    TSkyPosition pos;
    pos.longitude = 359.9999L; // dpsi is about -13.9" at J2000.0, so this stays below 360
    ecliptic_to_equatorial(pos, 36526.5);
    EXPECT_LT(pos.longitude, 360.0L);
    pos = TSkyPosition{};
    pos.longitude = 0.000001L; // reduced into [0, 360) after the negative nutation
    ecliptic_to_equatorial(pos, 36526.5);
    EXPECT_GT(pos.longitude, 359.99L);
    EXPECT_LT(pos.longitude, 360.0L);
}

} // namespace
