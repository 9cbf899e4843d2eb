#include "astro/angles.h"
#include "astro/calendar.h"
#include "astro/errors.h"
#include "astro/lunar_data.h"
#include "astro/moon_position.h"
#include "astro/riseset.h"
#include "tests/astro/error_of.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <string>

using namespace astro;
using astro::testing::error_of;

namespace {

constexpr double kMinute = 1.0 / 1440.0;

// The working values of Meeus, Astronomical Algorithms, example 15.a: Venus at Boston, 1988 March 20.
TRiseSetWork venus_at_boston() {
    TRiseSetWork w;
    w.alpha1 = 40.68021L;
    w.alpha2 = 41.73129L;
    w.alpha3 = 42.78204L;
    w.delta1 = 18.04761L;
    w.delta2 = 18.44092L;
    w.delta3 = 18.82742L;
    w.theta0 = 177.74208L;
    w.h0 = -0.5667L;
    w.latitude = 42.3333L;
    w.longitude = 71.0833L;
    return w;
}

TEST(Interpolate3, MeeusExample3a) {
    // Distance of the Moon in AU on 1992 April 5, 6, 7 at 0h; interpolated at April 8, 4h21m.
    EXPECT_NEAR(interpolate3(0.884226L, 0.877366L, 0.870531L, 4.35L / 24), 0.876125L, 0.5e-6L);
    EXPECT_EQ(interpolate3(10, 20, 30, 0), 20);
    EXPECT_EQ(interpolate3(10, 20, 30, 1), 30);
    EXPECT_EQ(interpolate3(10, 20, 30, -1), 10);
}

TEST(Interpolate3, FullTurnBetweenSamplesIsContinuous) {
    // The position routines give right ascensions in (-90, 270): near the December solstice 269.x is followed
    // by -89.x. Such a jump interpolates as the continuous sequence shifted by whole turns.
    const struct {
        long double y1, y2, y3, c1, c2, c3; // samples and the same samples made continuous
    } cases[] = {
        {268.9L, -89.0L, -87.9L, -91.1L, -89.0L, -87.9L},
        {268.9L, 269.95L, -88.9L, 268.9L, 269.95L, 271.1L},
        {-88.0L, 269.0L, 268.0L, 272.0L, 269.0L, 268.0L}, // backwards through the wrap
        {359.0L, 1.0L, 3.0L, -1.0L, 1.0L, 3.0L},
        {40.0L, 52.0L, 65.0L, 40.0L, 52.0L, 65.0L}, // the Moon's daily motion is no wrap
    };
    for (const auto& c : cases)
        for (long double n : {-1.0L, -0.4L, 0.0L, 0.3L, 0.9L})
            EXPECT_NEAR(normalize_degrees(interpolate3(c.y1, c.y2, c.y3, n)),
                        normalize_degrees(interpolate3(c.c1, c.c2, c.c3, n)), 1e-12L)
                << c.y1 << " " << c.y2 << " " << c.y3 << " n=" << n;
}

TEST(RiseSetCorrection, MeeusExample15a) {
    // Meeus adds Delta T = 56 s to the interpolating factor; without it the corrected values move by about
    // 2e-6 day, so they are checked to one unit of the printed fifth decimal.
    const TRiseSetWork w = venus_at_boston();
    const long double h0_angle = horizon_hour_angle(w, "x");
    EXPECT_NEAR(h0_angle, 108.5344L, 0.5e-4L);
    const long double m = (w.alpha2 + w.longitude - w.theta0) / 360;
    const long double m0 = reduce_day_fraction(m);
    const long double m1 = reduce_day_fraction(m - h0_angle / 360);
    const long double m2 = reduce_day_fraction(m + h0_angle / 360);
    EXPECT_NEAR(m0, 0.81965L, 0.5e-5L);
    EXPECT_NEAR(m2, 0.12113L, 0.5e-5L);
    EXPECT_NEAR(m0 + rise_set_correction(w, 0, m0), 0.81980L, 1e-5L);
    EXPECT_NEAR(m1 + rise_set_correction(w, 1, m1), 0.51766L, 1e-5L);
    EXPECT_NEAR(m2 + rise_set_correction(w, 2, m2), 0.12130L, 1e-5L);
    for (int which : {-1, 3, 9}) EXPECT_EQ(rise_set_correction(w, which, m0), 0) << which;
}

TEST(RiseSetCorrection, HorizonTestRejectsOutOfRangeAndNaN) {
    TRiseSetWork w = venus_at_boston();
    w.latitude = 80; // Venus at +18.4 degrees is circumpolar there
    EXPECT_EQ(error_of<E_NoRiseSet>([&] { horizon_hour_angle(w, "circumpolar"); }), "circumpolar");
    w.latitude = std::numeric_limits<long double>::quiet_NaN();
    EXPECT_EQ(error_of<E_NoRiseSet>([&] { horizon_hour_angle(w, "nan"); }), "nan");
}

TEST(ReduceDayFraction, KeepsTheFractionInZeroToOne) {
    const struct {
        long double x, expected;
    } cases[] = {
        {0.25L, 0.25L}, {1.75L, 0.75L}, {-0.25L, 0.75L},  {-1.75L, 0.25L}, {0.0L, 0.0L},
        {3.0L, 0.0L},   {-2.0L, 0.0L},  {0.999L, 0.999L}, {-1e-30L, 0.0L}}; // -1e-30 + 1 rounds to 1, which
                                                                            // is not a fraction of a day
    for (const auto& c : cases) {
        const long double r = reduce_day_fraction(c.x);
        EXPECT_NEAR(r, c.expected, 1e-15L) << c.x;
        EXPECT_TRUE(r >= 0 && r < 1) << c.x;
    }
}

TEST(TopocentricCorrection, AgreesWithTheObserverVector) {
    // Independent check: subtract the observer's geocentric vector (geodetic latitude on the reference
    // ellipsoid, radius of curvature N) from the Moon's vector, in equatorial radii. The routine takes the
    // auxiliary latitude as arctan((b/a)^2 tan phi), which is the geocentric latitude rather than Meeus'
    // reduced latitude arctan((b/a) tan phi): that moves the observer by about 0.1 % of a radius and the Moon
    // by about 0.001 degree, hence the tolerance (a wrong sign or hour angle moves it by up to a degree).
    const long double e2 = 1 - 0.99330562133489609997L;
    for (double t : {36526.5, 45000.25, 47000.8}) {
        for (long double lat : {-60.0L, 0.0L, 33.356L, 51.5L}) {
            for (long double lon : {-116.86L, 0.0L, 75.0L}) {
                for (long double height : {0.0L, 1706.0L}) {
                    const TSkyPosition geo = moon_position(t);
                    TSkyPosition topo = geo;
                    topocentric_correction(topo, height, lon, lat, t);
                    EXPECT_EQ(topo.longitude, geo.longitude);
                    // 8.794 arc seconds at one AU makes the Earth's radius 6378.03 km.
                    EXPECT_NEAR(topo.parallax, asin_deg(6378.03L / moon_distance(t)), 1e-6L);

                    const long double r = 1 / sin_deg(topo.parallax);
                    const long double n = 1 / std::sqrt(1 - e2 * sin_deg(lat) * sin_deg(lat));
                    const long double h = height / 6378140;
                    const long double local = apparent_sidereal_time(t) - lon;
                    const long double ox = (n + h) * cos_deg(lat) * cos_deg(local);
                    const long double oy = (n + h) * cos_deg(lat) * sin_deg(local);
                    const long double oz = (n * (1 - e2) + h) * sin_deg(lat);
                    const long double x = r * cos_deg(geo.declination) * cos_deg(geo.right_ascension) - ox;
                    const long double y = r * cos_deg(geo.declination) * sin_deg(geo.right_ascension) - oy;
                    const long double z = r * sin_deg(geo.declination) - oz;
                    const long double ra = normalize_degrees(atan2_deg(y, x));
                    const long double dec = atan_deg(z / std::sqrt(x * x + y * y));
                    EXPECT_NEAR(angle_difference(topo.right_ascension, ra), 0, 0.002L) << t << " " << lat;
                    EXPECT_NEAR(topo.declination, dec, 0.002L) << t << " " << lat;
                }
            }
        }
    }
}

TEST(SunRiseSet, EquatorAtTheEquinox) {
    // About 12 h 7 min of daylight: the Sun's disk is 0.8333 degrees below the horizon at both ends.
    const TDateTime day = encode_calendar_date(2024, 3, 20);
    const double rise = sun_rise(day, 0, 0);
    const double transit = sun_transit(day, 0, 0);
    const double set = sun_set(day, 0, 0);
    EXPECT_NEAR((set - rise) / kMinute, 12 * 60 + 7, 0.7);
    EXPECT_LT(rise, transit);
    EXPECT_LT(transit, set);
    // Equation of time on March 20: about -7.5 min, so the transit is near 12:07.5 UT at Greenwich.
    EXPECT_NEAR((transit - day) / kMinute, 12 * 60 + 7.5, 1.0);
    EXPECT_NEAR(transit - rise, set - transit, 0.5 * kMinute);
}

TEST(SunRiseSet, TwilightsInOrder) {
    const TDateTime day = encode_calendar_date(2023, 10, 3);
    const RiseSetEvent order[] = {AstronomicalDawn, NauticalDawn, CivilDawn,       Rise, Transit, Set,
                                  CivilDusk,        NauticalDusk, AstronomicalDusk};
    for (long double lat : {-45.0L, 0.0L, 36.8L, 48.85L}) {
        double previous = -1e9;
        for (RiseSetEvent kind : order) {
            const double t = rise_transit_set(true, kind, day, lat, -2.35L);
            EXPECT_GT(t, previous) << lat << " kind " << int(kind);
            EXPECT_GT(t, day - 0.5) << lat << " kind " << int(kind);
            EXPECT_LT(t, day + 1.0) << lat << " kind " << int(kind);
            previous = t;
        }
    }
}

TEST(SunRiseSet, MidnightSunAndPolarNightRefuseEveryEvent) {
    const TDateTime june = encode_calendar_date(2024, 6, 21);
    const TDateTime december = encode_calendar_date(2024, 12, 21);
    const struct {
        TDateTime day;
        long double lat;
    } cases[] = {{june, 70}, {june, -70}, {december, 70}, {december, -70}};
    for (const auto& c : cases) {
        EXPECT_EQ(error_of<E_NoRiseSet>([&] { sun_rise(c.day, c.lat, -20); }), no_rise_set_message) << c.lat;
        EXPECT_EQ(error_of<E_NoRiseSet>([&] { sun_set(c.day, c.lat, -20); }), no_rise_set_message) << c.lat;
        EXPECT_EQ(error_of<E_NoRiseSet>([&] { sun_transit(c.day, c.lat, -20); }), no_rise_set_message)
            << c.lat;
    }
    // Each kind tests its own altitude (the transit the geometric horizon). At 66.2 N the Sun dips to about
    // -0.36 degrees: no rising or setting of the disk, but a transit. At 58 N it dips to about -8.6 degrees:
    // civil but no nautical twilight.
    EXPECT_EQ(error_of<E_NoRiseSet>([&] { sun_rise(june, 66.2L, 0); }), no_rise_set_message);
    EXPECT_NO_THROW(sun_transit(june, 66.2L, 0));
    EXPECT_NO_THROW(rise_transit_set(true, CivilDusk, june, 58, 0));
    EXPECT_NO_THROW(rise_transit_set(true, CivilDawn, june, 58, 0));
    EXPECT_EQ(error_of<E_NoRiseSet>([&] { rise_transit_set(true, NauticalDusk, june, 58, 0); }),
              no_rise_set_message);
    EXPECT_EQ(error_of<E_NoRiseSet>([&] { rise_transit_set(true, AstronomicalDawn, june, 58, 0); }),
              no_rise_set_message);
}

TEST(SunRiseSet, PolesHaveNoDailyEvents) {
    // At a pole the cosine of the latitude is (almost) zero and the hour angle at the horizon undefined.
    for (int k = 0; k < 366; k += 7) {
        const TDateTime day = encode_calendar_date(2024, 1, 1) + k;
        for (long double lat : {90.0L, -90.0L}) {
            EXPECT_EQ(error_of<E_NoRiseSet>([&] { sun_rise(day, lat, 0); }), no_rise_set_message) << k;
            EXPECT_EQ(error_of<E_NoRiseSet>([&] { sun_transit(day, lat, 0); }), no_rise_set_message) << k;
        }
    }
}

TEST(SunRiseSet, KindBeyondTheTableGivesZeroAfterTheHorizonTest) {
    const TDateTime day = encode_calendar_date(2024, 6, 21);
    for (int kind : {9, 10, 255}) {
        EXPECT_EQ(rise_transit_set(true, static_cast<RiseSetEvent>(kind), day, 45, 0), 0.0) << kind;
        EXPECT_EQ(rise_transit_set(false, static_cast<RiseSetEvent>(kind), day, 45, 0), 0.0) << kind;
        EXPECT_EQ(error_of<E_NoRiseSet>(
                      [&] { rise_transit_set(true, static_cast<RiseSetEvent>(kind), day, 89, 0); }),
                  no_rise_set_message);
    }
}

TEST(SunRiseSet, FarWestSunsetIsReducedIntoTheDay) {
    // 120 W: local sunset near 18 h is about 02 h UT of the next day; the estimate is reduced into the day
    // asked for, so the sunset returned is the previous evening's, near 0 h to 3 h UT.
    for (int k = 0; k < 12; ++k) {
        const TDateTime day = encode_calendar_date(2024, 1 + k, 10);
        const double set = sun_set(day, 35, 120);
        EXPECT_GT(set, day - 10 * kMinute) << k;
        EXPECT_LT(set, day + 3.5 / 24) << k;
    }
}

TEST(SunRiseSet, SmoothAcrossTheRightAscensionWrap) {
    // The Sun's right ascension jumps from 270 to -90 at the December solstice; the events keep changing by
    // a steady rate, day after day.
    const long double places[][2] = {{51.5L, 0}, {-33.9L, -151.2L}, {40.7L, 74.0L}};
    for (const auto& p : places) {
        for (auto event : {sun_rise, sun_transit, sun_set}) {
            double previous_step = 0;
            double previous = 0;
            for (int k = 0; k < 10; ++k) {
                const TDateTime day = encode_calendar_date(2024, 12, 16) + k;
                const double t = event(day, p[0], p[1]) - day;
                if (k > 0) {
                    const double step = t - previous;
                    EXPECT_LT(std::abs(step), 1.5 * kMinute) << p[0] << " day " << k;
                    if (k > 1) {
                        EXPECT_LT(std::abs(step - previous_step), 0.1 * kMinute) << p[0] << " day " << k;
                    }
                    previous_step = step;
                }
                previous = t;
            }
        }
    }
}

TEST(SunRiseSet, DayIsTheDateRoundedDown) {
    // Any instant of a day gives that day's events, also before 1899-12-30 where the value is negative.
    for (TDateTime day : {encode_calendar_date(1850, 5, 1), encode_calendar_date(2024, 5, 1)}) {
        const double rise = sun_rise(day, 48, -11);
        EXPECT_EQ(sun_rise(day + 0.75, 48, -11), rise);
        EXPECT_EQ(sun_rise(day + 0.999, 48, -11), rise);
        EXPECT_NE(sun_rise(day - 0.25, 48, -11), rise);
        EXPECT_EQ(std::floor(rise), day);
    }
}

TEST(SunRiseSet, InputThatIsNotANumberIsNotCalculable) {
    const long double nan = std::numeric_limits<long double>::quiet_NaN();
    const long double inf = std::numeric_limits<long double>::infinity();
    const double day = encode_calendar_date(2024, 5, 1);
    const struct {
        double date;
        long double lat, lon;
    } cases[] = {{day, nan, 0}, {day, 0, nan}, {day, inf, 0}, {day, 0, -inf}, {std::nan(""), 0, 0}};
    for (const auto& c : cases)
        for (bool sun : {true, false})
            for (RiseSetEvent kind : {Rise, Set, Transit, CivilDawn})
                EXPECT_EQ(error_of<E_NoRiseSet>([&] { rise_transit_set(sun, kind, c.date, c.lat, c.lon); }),
                          no_rise_set_message);
}

// Topocentric altitude and hour angle of the Moon at instant t, degrees.
long double moon_altitude(double t, long double lat, long double lon, long double& hour_angle) {
    TSkyPosition pos = moon_position(t);
    topocentric_correction(pos, 0, lon, lat, t);
    hour_angle = angle_difference(apparent_sidereal_time(t) - lon - pos.right_ascension, 0);
    return asin_deg(sin_deg(lat) * sin_deg(pos.declination) +
                    cos_deg(lat) * cos_deg(pos.declination) * cos_deg(hour_angle));
}

// The instant near t at which the Moon's upper limb touches the horizon (topocentric altitude minus
// semidiameter 0.2725 parallax and 34' of refraction), by the secant method.
double true_moon_horizon(double t, long double lat, long double lon) {
    long double ha;
    const auto f = [&](double x) {
        TSkyPosition pos = moon_position(x);
        topocentric_correction(pos, 0, lon, lat, x);
        return moon_altitude(x, lat, lon, ha) + 0.2725L * pos.parallax + 0.5666666666666667L;
    };
    double x0 = t - 0.002, x1 = t + 0.002;
    long double f0 = f(x0), f1 = f(x1);
    for (int i = 0; i < 30 && std::abs(x1 - x0) > 1e-9; ++i) {
        const double x2 = x1 - static_cast<double>(f1 * (x1 - x0) / (f1 - f0));
        x0 = x1;
        f0 = f1;
        x1 = x2;
        f1 = f(x1);
    }
    return x1;
}

TEST(MoonRiseSet, EventsNearTheTrueOnesOverTwoMonths) {
    // The samples are topocentric positions at 0 h UT, corrected for the hour angle of that instant, and the
    // standard altitude 0.7275 parallax - 34' counts the parallax once more; with a single correction step
    // the instants fall within about a quarter of an hour of the true ones (15.5 min at worst at 48 N over
    // these two months). The transit lies within 1.3 degrees (5 min) of the meridian.
    const long double lon = -7.5L;
    for (long double lat : {-35.0L, 0.0L, 48.0L}) {
        for (int k = 0; k < 60; ++k) {
            const TDateTime day = encode_calendar_date(2024, 3, 1) + k;
            long double hour_angle;
            const double transit = rise_transit_set(false, Transit, day, lat, lon);
            moon_altitude(transit, lat, lon, hour_angle);
            EXPECT_NEAR(hour_angle, 0, 1.5) << lat << " day " << k; // 6 min
            for (RiseSetEvent kind : {Rise, Set}) {
                const double t = rise_transit_set(false, kind, day, lat, lon);
                EXPECT_GT(t, day - 0.05) << lat << " day " << k;
                EXPECT_LT(t, day + 1.05) << lat << " day " << k;
                EXPECT_NEAR(t, true_moon_horizon(t, lat, lon), 17 * kMinute) << lat << " day " << k;
                moon_altitude(t, lat, lon, hour_angle);
                EXPECT_EQ(hour_angle < 0, kind == Rise) << lat << " day " << k;
            }
        }
    }
}

TEST(MoonRiseSet, CircumpolarMoonHasNoRiseOrSet) {
    // At 75 N the Moon at its northernmost (declination near +28 in March 2006, major standstill) never sets.
    int refused = 0;
    for (int k = 0; k < 30; ++k) {
        const TDateTime day = encode_calendar_date(2006, 3, 1) + k;
        const std::string message = error_of<E_NoRiseSet>([&] { rise_transit_set(false, Set, day, 75, 0); });
        if (message != "no error") {
            EXPECT_EQ(message, no_rise_set_message);
            ++refused;
        }
    }
    EXPECT_GE(refused, 10);
    EXPECT_LE(refused, 20);
}

} // namespace
