#include "astro/calendar.h"
#include "astro/errors.h"
#include "astro/vsop.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace astro;

namespace {

double d(extended x) {
    return static_cast<double>(x);
}

bool is_zero(const TVSOPTerm& term) {
    return term.amplitude == 0 && term.phase == 0 && term.frequency == 0;
}

bool same(const TVSOPTerm& a, const TVSOPTerm& b) {
    return a.amplitude == b.amplitude && a.phase == b.phase && a.frequency == b.frequency;
}

TEST(VsopTables, TermCountsOfTheCompleteEarthSeries) {
    const struct {
        const TVSOPSeries* series;
        int counts[6];
        int total;
    } tables[] = {{vsop87d_earth_longitude, {559, 341, 142, 22, 11, 5}, 1080},
                  {vsop87d_earth_latitude, {184, 99, 49, 11, 5, 0}, 348},
                  {vsop87d_earth_radius, {526, 292, 139, 27, 10, 3}, 997}};
    int all = 0;
    for (const auto& table : tables) {
        int total = 0;
        for (int p = 0; p <= vsop_max_power; ++p) {
            EXPECT_EQ(table.series[p].count, table.counts[p]) << "power " << p;
            total += table.series[p].count;
        }
        EXPECT_EQ(total, table.total);
        all += total;
    }
    EXPECT_EQ(all, 2425);
    EXPECT_EQ(vsop87d_earth_latitude[5].terms, nullptr);
}

TEST(VsopTables, AnchorRowsAreThePublishedValuesTimes1e8) {
    EXPECT_TRUE(same(vsop87d_earth_longitude[0].terms[0], {175347045.673L, 0, 0}));
    EXPECT_TRUE(same(vsop87d_earth_longitude[1].terms[0], {628331966747.491L, 0, 0}));
    EXPECT_TRUE(same(vsop87d_earth_radius[0].terms[0], {100013988.799L, 0, 0}));
    EXPECT_TRUE(same(vsop87d_earth_latitude[0].terms[0], {279.62L, 3.19870156017L, 84334.66158130829L}));
    EXPECT_TRUE(same(vsop87d_earth_radius[5].terms[2], {0.001L, 0.38068797142L, 18849.2275499742L}));
    // A row written with an exponent in the data file (L0 31: 9.9206e-7).
    EXPECT_TRUE(same(vsop87d_earth_longitude[0].terms[31], {99.206L, 6.20992940258L, 2146.1654164752L}));
}

TEST(VsopTables, NoStoredAmplitudeIsZero) {
    for (const TVSOPSeries* table : {vsop87d_earth_longitude, vsop87d_earth_latitude, vsop87d_earth_radius})
        for (int p = 0; p <= vsop_max_power; ++p)
            for (int i = 0; i < table[p].count; ++i)
                ASSERT_NE(table[p].terms[i].amplitude, 0) << p << " " << i;
}

TEST(VsopEarth, AccessorsGiveTheZeroTermOutsideTheTables) {
    const TVSOPEarth earth;
    EXPECT_TRUE(is_zero(earth.latitude_term(0, 5)));
    EXPECT_TRUE(is_zero(earth.radius_term(3, 5)));
    EXPECT_TRUE(is_zero(earth.longitude_term(559, 0)));
    EXPECT_TRUE(is_zero(earth.longitude_term(-1, 0)));
    EXPECT_TRUE(is_zero(earth.longitude_term(0, -1)));
    EXPECT_TRUE(is_zero(earth.radius_term(0, 6)));
    EXPECT_TRUE(same(earth.radius_term(2, 5), {0.001L, 0.38068797142L, 18849.2275499742L}));
    EXPECT_FALSE(is_zero(earth.longitude_term(558, 0)));
    EXPECT_TRUE(same(earth.latitude_term(0, 0), vsop87d_earth_latitude[0].terms[0]));
}

TEST(VsopEarth, TauCountsJulianMillenniaFromJ2000) {
    TVSOPEarth earth;
    earth.set_date(36526.5);
    EXPECT_EQ(earth.tau(), 0);
    earth.set_date(36526.5 + 365250);
    EXPECT_EQ(earth.tau(), 1);
    earth.set_date(33890.0);
    EXPECT_NEAR(d(earth.tau()), -0.0072183436, 5e-11); // Meeus, example 25.b
}

// The library's worked values of the series before the FK5 step.
TEST(VsopEarth, SeriesValuesBeforeTheFk5Step) {
    TVSOPEarth earth;
    earth.set_date(36526.5);
    EXPECT_NEAR(d(earth.eval_longitude()), 1.7519238681, 5e-11);
    EXPECT_NEAR(d(earth.eval_latitude()), -0.0000039656, 5e-11);
    EXPECT_NEAR(d(earth.eval_radius()), 0.9833276819, 5e-11);
    earth.set_date(33890.0);
    EXPECT_NEAR(d(earth.eval_longitude()), -43.6348492682, 5e-11);
}

// Bretagnon & Francou's own check values for VSOP87D, Earth (file vsop87.chk of the publication), every
// century from 2000 back to 1100: L (reduced into [0, 2pi)), B radians, R AU, printed to 10 decimals.
TEST(VsopEarth, PublishedCheckValuesOfVsop87D) {
    const struct {
        double jd, l, b, r;
    } checks[] = {
        {2451545.0, 1.7519238681, -0.0000039656, 0.9833276819},
        {2415020.0, 1.7391225563, -0.0000005679, 0.9832689778},
        {2378495.0, 1.7262638916, 0.0000002083, 0.9832274321},
        {2341970.0, 1.7134419105, 0.0000025051, 0.9831498441},
        {2305445.0, 1.7006065938, -0.0000016359, 0.9831254376},
        {2268920.0, 1.6877624960, -0.0000020340, 0.9830816756},
        {2232395.0, 1.6750110961, 0.0000037879, 0.9830754409},
        {2195870.0, 1.6622048657, 0.0000015133, 0.9830942385},
        {2159345.0, 1.6495143197, -0.0000013003, 0.9830440397},
        {2122820.0, 1.6367193623, -0.0000031292, 0.9830331815},
    };
    for (const auto& c : checks) {
        TVSOPEarth earth;
        earth.set_date(jd_to_datetime(c.jd));
        const extended two_pi = 2 * pi;
        extended l = std::fmod(earth.eval_longitude(), two_pi);
        if (l < 0) l += two_pi;
        EXPECT_NEAR(d(l), c.l, 6e-11) << c.jd;
        EXPECT_NEAR(d(earth.eval_latitude()), c.b, 6e-11) << c.jd;
        EXPECT_NEAR(d(earth.eval_radius()), c.r, 6e-11) << c.jd;
    }
}

TEST(VsopEarth, EarthHeliocentricWorkedValues) {
    const struct {
        TDateTime t;
        double l, b, r;
    } cases[] = {{36526.5, 100.377819, -0.000240, 0.98332768}, {33890.0, 19.907272, -0.000200, 0.99760852}};
    for (const auto& c : cases) {
        extended L, B, R;
        earth_heliocentric(c.t, L, B, R);
        EXPECT_NEAR(d(L), c.l, 5e-7) << c.t;
        EXPECT_NEAR(d(B), c.b, 5e-7) << c.t;
        EXPECT_NEAR(d(R), c.r, 5e-9) << c.t;
    }
}

TEST(VsopEarth, LongitudeIsReducedLatitudeIsNot) {
    for (TDateTime t = gregorian_datetime(1000, 1, 1); t < gregorian_datetime(2400, 1, 1); t += 331.7) {
        extended L, B, R;
        earth_heliocentric(t, L, B, R);
        ASSERT_GE(L, 0.0L) << t;
        ASSERT_LT(L, 360.0L) << t;
        ASSERT_LT(std::fabs(B), 0.0005L) << t; // under 2 arc seconds
        ASSERT_GT(R, 0.982L) << t;
        ASSERT_LT(R, 1.0175L) << t;
    }
    // Far outside the theory's span the series still return numbers, L still reduced.
    for (const TDateTime t : {-2.0e6, 3.0e6}) {
        extended L, B, R;
        earth_heliocentric(t, L, B, R);
        EXPECT_GE(L, 0.0L);
        EXPECT_LT(L, 360.0L);
        EXPECT_TRUE(std::isfinite(B));
        EXPECT_TRUE(std::isfinite(R));
    }
}

// A body that gives its terms only through the accessors (no tables): evaluate_series then calls the accessor
// term by term and stops at the first zero term. Forwarding to the Earth's accessors must give the very same
// sums as the Earth's direct walk over its tables.
class TAccessorOnlyEarth final : public TVSOP {
public:
    TVSOPTerm longitude_term(std::int32_t index, std::int32_t power) const override {
        return earth_.longitude_term(index, power);
    }
    TVSOPTerm latitude_term(std::int32_t index, std::int32_t power) const override {
        return earth_.latitude_term(index, power);
    }
    TVSOPTerm radius_term(std::int32_t index, std::int32_t power) const override {
        return earth_.radius_term(index, power);
    }

private:
    TVSOPEarth earth_;
};

TEST(VsopEarth, AccessorWalkAndTableWalkAreIdentical) {
    for (const TDateTime t : {-36000.5, 33890.0, 36526.5, 120000.25}) {
        TVSOPEarth direct;
        TAccessorOnlyEarth generic;
        direct.set_date(t);
        generic.set_date(t);
        EXPECT_EQ(direct.eval_longitude(), generic.eval_longitude()) << t;
        EXPECT_EQ(direct.eval_latitude(), generic.eval_latitude()) << t;
        EXPECT_EQ(direct.eval_radius(), generic.eval_radius()) << t;
    }
}

// The zero term past the end would have a NaN value for a NaN date; the series still end. The public routine
// refuses such a date before evaluating anything.
TEST(VsopEarth, NotANumberDateEndsTheSeries) {
    TAccessorOnlyEarth generic;
    generic.set_date(std::nan(""));
    EXPECT_TRUE(std::isnan(generic.eval_longitude()));
    extended L, B, R;
    EXPECT_THROW(earth_heliocentric(std::nan(""), L, B, R), E_OutOfAlgorithmRange);
}

// A made-up body: L = 1 + 2 tau^2 radians from one term in each of the powers 0 and 2, B = 0.5 cos(tau), no
// R.
class TToyBody final : public TVSOP {
public:
    TVSOPTerm longitude_term(std::int32_t index, std::int32_t power) const override {
        if (index != 0) return {0, 0, 0};
        if (power == 0) return {1e8L, 0, 0};
        if (power == 2) return {2e8L, 0, 0};
        return {0, 0, 0};
    }
    TVSOPTerm latitude_term(std::int32_t index, std::int32_t power) const override {
        return index == 0 && power == 0 ? TVSOPTerm{0.5e8L, 0, 1} : TVSOPTerm{0, 0, 0};
    }
    TVSOPTerm radius_term(std::int32_t, std::int32_t) const override { return {0, 0, 0}; }
};

TEST(Vsop, EvaluateSeriesSumsThePowersOfTau) {
    TToyBody body;
    body.set_date(36526.5 + 0.5 * 365250);
    EXPECT_NEAR(d(body.eval_longitude()), 1.5, 1e-18);
    EXPECT_NEAR(d(body.eval_latitude()), 0.5 * std::cos(0.5), 1e-17);
    EXPECT_EQ(body.eval_radius(), 0);
}

TEST(Vsop, PlanetHeliocentricReducesAndConvertsToDegrees) {
    extended L, B, R;
    planet_heliocentric<TToyBody>(36526.5, L, B, R); // tau = 0: L = 1 rad, B = 0.5 rad before FK5
    EXPECT_NEAR(d(L), 57.29578 - 0.09033 / 3600, 1e-4);
    EXPECT_NEAR(d(B), 28.64789, 1e-4);
    EXPECT_EQ(R, 0);
}

} // namespace
