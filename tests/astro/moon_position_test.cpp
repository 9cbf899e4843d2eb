#include "astro/angles.h"
#include "astro/calendar.h"
#include "astro/moon_position.h"
#include "astro/moon_tables.h"

#include <gtest/gtest.h>

using namespace astro;

namespace {

// The generated tables: term counts and anchor rows of Meeus, Astronomical Algorithms, tables 47.A and 47.B.
TEST(MoonTables, AnchorRowsOfTablesAAndB) {
    using namespace moon_tables;
    ASSERT_EQ(longitude_distance_arguments.size(), 60u);
    ASSERT_EQ(latitude_arguments.size(), 60u);
    const auto args = [](const TArgumentRow& r) { return std::array<int, 4>{r.d, r.m, r.m_prime, r.f}; };

    EXPECT_EQ(args(longitude_distance_arguments.front()), (std::array<int, 4>{0, 0, 1, 0}));
    EXPECT_EQ(longitude_coefficients.front(), 6288774);
    EXPECT_EQ(distance_coefficients.front(), -20905355);
    EXPECT_EQ(args(longitude_distance_arguments.back()), (std::array<int, 4>{2, 0, -1, -2}));
    EXPECT_EQ(longitude_coefficients.back(), 0);
    EXPECT_EQ(distance_coefficients.back(), 8752);
    // Row 15 (0 0 1 2) has a longitude term and no distance term.
    EXPECT_EQ(args(longitude_distance_arguments[14]), (std::array<int, 4>{0, 0, 1, 2}));
    EXPECT_EQ(longitude_coefficients[14], -12528);
    EXPECT_EQ(distance_coefficients[14], 0);

    EXPECT_EQ(args(latitude_arguments.front()), (std::array<int, 4>{0, 0, 0, 1}));
    EXPECT_EQ(latitude_coefficients.front(), 5128122);
    EXPECT_EQ(args(latitude_arguments.back()), (std::array<int, 4>{2, -2, 0, 1}));
    EXPECT_EQ(latitude_coefficients.back(), 107);
}

TEST(MoonTables, AnchorTermsOfThePhaseCorrections) {
    using namespace moon_tables;
    const struct {
        const std::array<TPhaseTerm, phase_term_count>& terms;
        extended first, second, last;
    } tables[] = {{new_moon_terms, -0.40720L, 0.17241L, 0.00002L},
                  {full_moon_terms, -0.40614L, 0.17302L, 0.00002L},
                  {quarter_terms, -0.62801L, 0.17172L, -0.00002L}};
    for (const auto& t : tables) {
        ASSERT_EQ(t.terms.size(), 25u);
        EXPECT_EQ(t.terms[0].coefficient, t.first);
        EXPECT_EQ(t.terms[0].e_power, 0);
        EXPECT_EQ(t.terms[1].coefficient, t.second);
        EXPECT_EQ(t.terms[1].e_power, 1); // E sin M
        EXPECT_EQ(t.terms[1].m, 1);
        EXPECT_EQ(t.terms[24].coefficient, t.last);
    }
    // The Omega term, -0.00017 sin Omega, in all three.
    EXPECT_EQ(new_moon_terms[14].omega, 1);
    EXPECT_EQ(quarter_terms[15].omega, 1);
    EXPECT_EQ(quarter_terms[15].coefficient, -0.00017L);
}

// Meeus, Astronomical Algorithms, example 47.a: 1992 April 12, 0h TD.
TEST(MoonPosition, Example47a) {
    const TSkyPosition pos = moon_position(33706.0);
    extended dpsi = 0, eps = 0;
    nutation_obliquity(33706.0, dpsi, eps);
    EXPECT_NEAR(static_cast<double>(pos.longitude), 133.1673, 0.00005);
    EXPECT_NEAR(static_cast<double>(pos.longitude - dpsi), 133.1627, 0.00005); // before the nutation
    EXPECT_NEAR(static_cast<double>(pos.latitude), -3.2291, 0.00005);
    EXPECT_NEAR(static_cast<double>(pos.radius), 368409.7, 0.05);
    EXPECT_NEAR(static_cast<double>(pos.right_ascension), 134.688, 0.0005);
    EXPECT_NEAR(static_cast<double>(pos.declination), 13.768, 0.0005);
}

TEST(MoonPosition, LeavesTheParallaxAlone) {
    TSkyPosition pos;
    pos.parallax = 0.95L;
    moon_position(pos, 45000.25);
    EXPECT_EQ(pos.parallax, 0.95L);
}

// Longitude in [0, 360) and right ascension in (-90, 270) for any date, also far from 2000 and before 1582;
// the distance within the Moon's range for dates within a few centuries of 2000.
TEST(MoonPosition, RangesOverCenturies) {
    const TDateTime from = encode_calendar_date(1000, 1, 1);
    const TDateTime to = encode_calendar_date(3000, 1, 1);
    extended least = 1e9L, most = 0;
    for (TDateTime t = from; t < to; t += 23.719) {
        const TSkyPosition pos = moon_position(t);
        ASSERT_GE(pos.longitude, 0.0L) << t;
        ASSERT_LT(pos.longitude, 360.0L) << t;
        ASSERT_GT(pos.right_ascension, -90.0L) << t;
        ASSERT_LT(pos.right_ascension, 270.0L) << t;
        ASSERT_LT(std::fabs(pos.latitude), 5.4L) << t;
        if (t > encode_calendar_date(1700, 1, 1) && t < encode_calendar_date(2300, 1, 1)) {
            least = std::min(least, pos.radius);
            most = std::max(most, pos.radius);
        }
    }
    EXPECT_GT(least, 356000.0L);
    EXPECT_LT(least, 357000.0L);
    EXPECT_GT(most, 406000.0L);
    EXPECT_LT(most, 407000.0L);
}

// In the fourth quadrant of longitude the right ascension comes out negative, not reduced.
TEST(MoonPosition, RightAscensionIsNotReduced) {
    int negatives = 0;
    for (TDateTime t = 45000; t < 45030; t += 0.5) {
        const TSkyPosition pos = moon_position(t);
        if (pos.longitude > 280 && pos.longitude < 350) {
            EXPECT_LT(pos.right_ascension, 0.0L) << t;
            ++negatives;
        }
    }
    EXPECT_GT(negatives, 0);
}

} // namespace
