#include "astro/angles.h"
#include "astro/calendar.h"
#include "astro/sun.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace astro;

namespace {

double d(extended x) {
    return static_cast<double>(x);
}

// The library's worked values, each to half its last printed digit.
TEST(SunPosition, WorkedValues) {
    const struct {
        TDateTime t;
        double longitude, latitude, radius_km, ra, dec;
    } cases[] = {
        {33890.0, 199.90596, 0.00019, 149240109, 198.37809, -7.78381},  // 1992-10-13 00:00
        {36526.5, 280.36814, 0.00025, 147103726, -78.72246, -23.03248}, // 2000-01-01 12:00
    };
    for (const auto& c : cases) {
        const TSkyPosition pos = sun_position(c.t);
        EXPECT_NEAR(d(pos.longitude), c.longitude, 5e-6) << c.t;
        EXPECT_NEAR(d(pos.latitude), c.latitude, 5e-6) << c.t;
        EXPECT_NEAR(d(pos.radius), c.radius_km, 0.5) << c.t;
        EXPECT_NEAR(d(pos.right_ascension), c.ra, 5e-6) << c.t;
        EXPECT_NEAR(d(pos.declination), c.dec, 5e-6) << c.t;
        EXPECT_EQ(pos.parallax, 0);
    }
    EXPECT_NEAR(d(sun_position(33890.0).radius) / 149597869, 0.99760852, 5e-9);
}

TEST(SunPosition, ParallaxIsLeftAlone) {
    TSkyPosition pos;
    pos.parallax = 0.25L;
    sun_position(36526.5, pos);
    EXPECT_EQ(pos.parallax, 0.25L);
}

// Meeus, Astronomical Algorithms, example 25.b: 1992 October 13.0 TD. With the complete VSOP87 series Meeus
// gives the geometric FK5 longitude 199 deg 54' 26.18", latitude +0.72" and R = 0.99760853 AU; his nutation
// (+15.908") and aberration (-20.539") then give the apparent longitude 199 deg 54' 21.549". This library
// applies the FK5 shift of -0.09033" both to the heliocentric and to the geocentric coordinates (Meeus
// applies it once), so its longitude lies 0.090" lower and its latitude 0.023" lower; everything else agrees
// to the hundredth of an arc second Meeus prints.
TEST(SunPosition, MeeusExample25bCompleteSeries) {
    const TSkyPosition pos = sun_position(33890.0);
    const double meeus_longitude = 199 + 54 / 60.0 + (26.18 + 15.908 - 20.539) / 3600;
    EXPECT_NEAR((d(pos.longitude) - meeus_longitude) * 3600, -0.090, 0.01);
    EXPECT_NEAR(d(pos.latitude) * 3600 - 0.72, -0.023, 0.01);
    EXPECT_NEAR(d(pos.radius) / 149597869, 0.99760853, 1.5e-8);
}

// The same example's right ascension 13h 13m 30.749s and declination -7 deg 47' 01.74", which Meeus derives
// from the truncated series of his Appendix III (0.27" off the complete series in longitude): to 0.5".
TEST(SunPosition, MeeusExample25bEquatorial) {
    const TSkyPosition pos = sun_position(33890.0);
    const double arcsec = 1.0 / 3600;
    EXPECT_NEAR(d(pos.right_ascension), (13 + 13 / 60.0 + 30.749 / 3600) * 15, 0.5 * arcsec);
    EXPECT_NEAR(d(pos.declination), -(7 + 47 / 60.0 + 1.74 * arcsec), 0.5 * arcsec);
}

TEST(SunPosition, StaysNearTheEclipticBetweenPerihelionAndAphelion) {
    double max_lat = 0, min_r = 1e12, max_r = 0;
    for (TDateTime t = gregorian_datetime(1000, 1, 1); t < gregorian_datetime(2400, 1, 1); t += 97.3) {
        const TSkyPosition pos = sun_position(t);
        ASSERT_GE(pos.longitude, 0.0L);
        ASSERT_LT(pos.longitude, 360.0L);
        ASSERT_GT(pos.right_ascension, -90.0L);
        ASSERT_LT(pos.right_ascension, 270.0L);
        ASSERT_LE(std::fabs(pos.declination), 23.6L);
        // The right ascension is negative exactly when the longitude is in the fourth quadrant.
        ASSERT_EQ(pos.right_ascension<0, pos.longitude> 270) << t;
        max_lat = std::max(max_lat, std::abs(d(pos.latitude)) * 3600);
        min_r = std::min(min_r, d(pos.radius));
        max_r = std::max(max_r, d(pos.radius));
    }
    EXPECT_LT(max_lat, 1.5);
    EXPECT_GT(min_r, 146.9e6);
    EXPECT_LT(max_r, 152.3e6);
}

TEST(SunPosition, LongitudeAdvancesAboutADegreeADay) {
    for (TDateTime t = gregorian_datetime(1999, 1, 1); t < gregorian_datetime(2001, 1, 1); t += 1) {
        const double step = d(angle_difference(sun_position(t + 1).longitude, sun_position(t).longitude));
        ASSERT_GT(step, 0.95) << t;
        ASSERT_LT(step, 1.02) << t;
    }
}

} // namespace
