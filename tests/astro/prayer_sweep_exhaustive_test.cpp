// Sweep of the six prayer times over 500 places between 65 S and 65 N and every fifth day of a year: order of
// the times, agreement of sunrise and sunset with an independent low-precision computation, and consistency
// of the failures.
#include "astro/angles.h"
#include "astro/calendar.h"
#include "astro/errors.h"
#include "astro/prayer.h"
#include "astro/riseset.h"

#include <cmath>
#include <gtest/gtest.h>
#include <optional>

using namespace astro;

namespace {

constexpr double kMinute = 1.0 / 1440.0;

// Apparent right ascension and declination of the Sun, low accuracy (Meeus, Astronomical Algorithms,
// chapter 25, about 0.01 degree), and the mean sidereal time at Greenwich (chapter 12), at date-time t.
void low_precision_sun(double t, long double& ra, long double& dec, long double& gmst) {
    const long double d = static_cast<long double>(t) + 2415018.5L - 2451545.0L;
    const long double T = d / 36525;
    const long double l0 = 280.46646L + T * (36000.76983L + T * 0.0003032L);
    const long double m = 357.52911L + T * (35999.05029L - T * 0.0001537L);
    const long double c = (1.914602L - T * (0.004817L + T * 0.000014L)) * sin_deg(m) +
                          (0.019993L - 0.000101L * T) * sin_deg(2 * m) + 0.000289L * sin_deg(3 * m);
    const long double omega = 125.04L - 1934.136L * T;
    const long double lambda = l0 + c - 0.00569L - 0.00478L * sin_deg(omega);
    const long double eps = 23.4392911L - 0.0130042L * T + 0.00256L * cos_deg(omega);
    ra = normalize_degrees(atan2_deg(cos_deg(eps) * sin_deg(lambda), cos_deg(lambda)));
    dec = asin_deg(sin_deg(eps) * sin_deg(lambda));
    gmst = normalize_degrees(280.46061837L + 360.98564736629L * d + T * T * (0.000387933L - T / 38710000));
}

// The instant near `start` at which the Sun's centre stands at -0.8333 degrees, rising or setting, found by
// iterating on the hour angle with the position of the current guess until it no longer moves.
std::optional<double> reference_event(bool rising, double start, long double lat, long double lon_west) {
    double t = start;
    for (int i = 0; i < 20; ++i) {
        long double ra, dec, gmst;
        low_precision_sun(t, ra, dec, gmst);
        const long double cos_h0 =
            (sin_deg(-0.8333L) - sin_deg(lat) * sin_deg(dec)) / (cos_deg(lat) * cos_deg(dec));
        if (cos_h0 < -1 || cos_h0 > 1) return std::nullopt;
        const long double target = rising ? -acos_deg(cos_h0) : acos_deg(cos_h0);
        const long double hour_angle = angle_difference(gmst - lon_west - ra, 0);
        const double step = static_cast<double>(angle_difference(target, hour_angle) / 360.98564736629L);
        t += step;
        if (std::abs(step) < 1e-9) return t;
    }
    return std::nullopt;
}

// Shifts x by whole days to lie within half a day of `anchor`.
double near(double x, double anchor) {
    return x + std::round(anchor - x);
}

constexpr int kPlaces = 500;
constexpr int kShards = 10;

// The places in ten shards, so that the sweep runs in parallel: shard s takes every tenth place from place s,
// so that each shard spreads over all latitudes like the whole sweep.
class PrayerSweep : public ::testing::TestWithParam<int> {};

TEST_P(PrayerSweep, OrderAndSunriseAgreementOverAYear) {
    constexpr int kShardPlaces = kPlaces / kShards;
    const TDateTime first = encode_calendar_date(2023, 1, 1);
    int complete = 0, partial = 0, compared = 0;
    double worst_rise = 0, worst_set = 0, worst_noon = 0;
    for (int p = GetParam(); p < kPlaces; p += kShards) {
        const long double lat = -65 + 130 * (p + 0.5L) / kPlaces;
        const long double lon = normalize_degrees(p * 137.50776405L) - 180; // west positive, spread evenly
        for (int k = 0; k < 73; ++k) {
            const TDateTime day = first + 5 * k;
            // Fedjr, sunrise, sunset and Ishaa test the same altitude, transit and Assr the geometric
            // horizon: each group exists or fails as one.
            bool horizon_ok = true, disk_ok = true;
            double fedjr = 0, rise = 0, transit = 0, assr = 0, set = 0, ishaa = 0;
            try {
                transit = sun_transit(day, lat, lon);
                assr = assr_time(true, day, lat, lon);
            } catch (const E_NoRiseSet&) {
                horizon_ok = false;
                EXPECT_THROW(assr_time(true, day, lat, lon), E_NoRiseSet) << lat << " " << lon << " " << day;
            }
            try {
                rise = sun_rise(day, lat, lon);
                fedjr = fedjr_time(day, lat, lon);
                set = sun_set(day, lat, lon);
                ishaa = ishaa_time(day, lat, lon);
            } catch (const E_NoRiseSet&) {
                disk_ok = false;
                EXPECT_THROW(fedjr_time(day, lat, lon), E_NoRiseSet) << lat << " " << lon << " " << day;
                EXPECT_THROW(ishaa_time(day, lat, lon), E_NoRiseSet) << lat << " " << lon << " " << day;
            }
            if (!horizon_ok || !disk_ok) {
                ++partial;
                continue;
            }
            ++complete;

            // Fedjr, Assr and Ishaa lie in the UT day asked for; the Sun's own events within minutes of it.
            for (double x : {fedjr, assr, ishaa}) {
                ASSERT_GE(x, day) << lat << " " << lon << " " << day;
                ASSERT_LT(x, day + 1) << lat << " " << lon << " " << day;
            }
            for (double x : {rise, transit, set}) {
                ASSERT_GT(x, day - 15 * kMinute) << lat << " " << lon << " " << day;
                ASSERT_LT(x, day + 1 + 15 * kMinute) << lat << " " << lon << " " << day;
            }

            // Local solar time is UT plus the east longitude (UT - L/360 day, L west positive). The UT day
            // asked for cuts the local days at different hours for different places, and Fedjr and Ishaa are
            // reduced into the UT day after their offset, so the six values may belong to two local days (far
            // east, the sunrise of UT day d is that of local day d + 1; at 65 degrees in summer Ishaa falls
            // after local midnight). They are therefore compared in the local day of that day's transit: the
            // Sun's rising, setting and Assr are taken within half a day of local noon, Fedjr within half a
            // day of sunrise and Ishaa within half a day of sunset. Shifting an event by a whole day moves it
            // by the day-to-day change of that event (minutes), far less than the gaps between the prayers.
            const double to_local = -static_cast<double>(lon) / 360;
            const double noon = transit + to_local;
            const double local_rise = near(rise + to_local, noon);
            const double local_set = near(set + to_local, noon);
            const double local_assr = near(assr + to_local, noon);
            const double local_fedjr = near(fedjr + to_local, local_rise);
            const double local_ishaa = near(ishaa + to_local, local_set);
            EXPECT_LT(local_fedjr, local_rise) << lat << " " << lon << " " << day;
            EXPECT_LT(local_rise, noon) << lat << " " << lon << " " << day;
            EXPECT_LT(noon, local_assr) << lat << " " << lon << " " << day;
            EXPECT_LT(local_assr, local_set) << lat << " " << lon << " " << day;
            EXPECT_LT(local_set, local_ishaa) << lat << " " << lon << " " << day;
            // Local noon differs from 12:00 local mean time by the equation of time, at most 16.5 minutes.
            const double noon_offset = (noon - std::floor(noon) - 0.5) / kMinute;
            worst_noon = std::max(worst_noon, std::abs(noon_offset));

            const auto ref_rise = reference_event(true, rise, lat, lon);
            const auto ref_set = reference_event(false, set, lat, lon);
            if (ref_rise && ref_set) {
                ++compared;
                worst_rise = std::max(worst_rise, std::abs(rise - *ref_rise) / kMinute);
                worst_set = std::max(worst_set, std::abs(set - *ref_set) / kMinute);
            }
        }
    }
    std::printf("shard %d: complete days %d, partial %d, compared %d; largest error: sunrise %.3f min, "
                "sunset %.3f min; largest |local noon - 12:00| %.2f min\n",
                GetParam(), complete, partial, compared, worst_rise, worst_set, worst_noon);
    EXPECT_EQ(complete + partial, kShardPlaces * 73);
    EXPECT_GT(complete, kShardPlaces * 73 * 95 / 100);
    EXPECT_EQ(compared, complete);
    EXPECT_LT(worst_rise, 2.0);
    EXPECT_LT(worst_set, 2.0);
    EXPECT_LT(worst_noon, 16.6);
}

INSTANTIATE_TEST_SUITE_P(FiveHundredPlaces, PrayerSweep, ::testing::Range(0, kShards));

} // namespace
