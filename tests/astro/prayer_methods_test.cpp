// The angle methods' crossings take the sines and cosines of the small changes of the declination and of
// the hour angle, and of the twilight angles, from short series (full reductions beyond them). Here they are
// held to the same one-step correction (Meeus 15) written plainly with the standard library's trigonometry
// in extended precision, on the same Sun's day: every altitude of the methods and beyond the series' range,
// latitudes from pole to pole, every week of a year.
#include "astro/calendar.h"
#include "astro/prayer_methods.h"
#include "astro/riseset.h"

#include <cmath>
#include <cstdio>
#include <gtest/gtest.h>

namespace {

using real = long double;
constexpr real kPi = 3.141592653589793238462643383279502884L;
constexpr real kRad = kPi / 180;

// Meeus 3.3 with a difference beyond 100 degrees between neighbours taken as a full-turn wrap.
real interpolate(real y1, real y2, real y3, real n) {
    real a = y2 - y1, b = y3 - y2;
    if (a > 100) a -= 360;
    if (a < -100) a += 360;
    if (b > 100) b -= 360;
    if (b < -100) b += 360;
    return y2 + n / 2 * (a + b + n * (b - a));
}

struct TPlain {
    astro::TSunDay sun;
    real lat, lon; // degrees, longitude west positive
    real m0 = 0;

    TPlain(const astro::TSunDay& s, real latitude, real longitude) : sun(s), lat(latitude), lon(longitude) {
        const real estimate = (sun.alpha2 + lon - sun.theta0) / 360;
        m0 = estimate + std::round(0.5L + lon / 360 - estimate);
    }
    real delta(real m) const { return interpolate(sun.delta1, sun.delta2, sun.delta3, m); }
    real hour(real m) const { // degrees, -180 to 180
        const real h =
            sun.theta0 + 360.985647L * m - lon - interpolate(sun.alpha1, sun.alpha2, sun.alpha3, m);
        return std::remainder(h, 360.0L);
    }
    real transit() const { return m0 - hour(m0) / 360; }
    // The crossing of altitude h (degrees): the estimate from the middle declination, one correction step.
    real crossing(real h, bool rising) const {
        const real c = (std::sin(h * kRad) - std::sin(lat * kRad) * std::sin(sun.delta2 * kRad)) /
                       (std::cos(lat * kRad) * std::cos(sun.delta2 * kRad));
        if (!(c >= -1 && c <= 1)) return NAN;
        const real m = m0 + (rising ? -1 : 1) * std::acos(c) / kRad / 360;
        const real d = delta(m) * kRad, hh = hour(m) * kRad;
        const real sin_alt =
            std::sin(lat * kRad) * std::sin(d) + std::cos(lat * kRad) * std::cos(d) * std::cos(hh);
        const real step = (sin_alt - std::sin(h * kRad)) /
                          (std::cos(h * kRad) * 2 * kPi * std::cos(d) * std::cos(lat * kRad) * std::sin(hh));
        return std::fabs(step) <= 1.0L / 24 ? m + step : NAN;
    }
};

TEST(MethodCrossings, EqualThePlainOneStepCorrectionWithinAMillisecond) {
    const double first = astro::encode_calendar_date(2026, 1, 3);
    // Twilight angles inside the short series' range, at its edge (20.6 degrees) and beyond it.
    const double angles[] = {0.5, 4.5, 12, 15, 17.7, 18, 19.5, 20, 20.6, 20.7, 24, 35};
    constexpr double kMillisecond = 1.0 / 86400000;
    double largest = 0;
    int compared = 0;
    for (int week = 0; week < 53; ++week) {
        const double day = first + 7 * week;
        const astro::TSunDay sun = astro::sun_day(day);
        for (double lat = -89; lat <= 89; lat += 8.9)
            for (const double lon : {-179.5, -75.0, 0.0, 37.25, 150.0}) {
                const TPlain plain(sun, lat, lon);
                for (const double angle : angles)
                    for (const double shadow : {1.0, 2.0}) {
                        astro::TAngleMethod m;
                        m.fajr_angle = angle;
                        m.isha_angle = angle + 0.5;
                        m.maghrib_angle = angle / 3;
                        m.asr_shadow = shadow;
                        const astro::TMethodTimes t = astro::method_prayer_times(day, lat, lon, m);
                        const real noon = plain.transit();
                        const real z = std::fabs(lat - plain.delta(noon)) * kRad;
                        const real asr = std::atan(1 / (shadow + std::tan(z))) / kRad;
                        const real want[astro::prayer_count] = {plain.crossing(-angle, true),
                                                                plain.crossing(-0.8333L, true),
                                                                noon,
                                                                plain.crossing(asr, false),
                                                                plain.crossing(-angle / 3, false),
                                                                plain.crossing(-(angle + 0.5), false)};
                        for (int i = 0; i < astro::prayer_count; ++i) {
                            // Where the one step is ill-conditioned either side may give up; compare the
                            // rest.
                            if (t.error[i] != nullptr || std::isnan(want[i])) continue;
                            const double difference =
                                static_cast<double>(std::fabs(t.time[i] - (day + want[i])));
                            largest = std::max(largest, difference);
                            ++compared;
                            EXPECT_LT(difference, kMillisecond) << "day " << day << " lat " << lat << " lon "
                                                                << lon << " angle " << angle << " time " << i;
                        }
                    }
            }
    }
    EXPECT_GT(compared, 100000);
    std::printf("%d times compared, largest difference %.3g ms\n", compared, largest * 86400000);
}

} // namespace

namespace {

// Tromso (69.65 N, 18.95 E) in December 2026, the Muslim World League's angles with the twilight angle's
// portion of the night: in the polar night each polar rule gives all six times in order, around the day's own
// transit. Nearest day: the times of the nearest day (before or after, the day before first) that has them
// all, counted from its transit; 21 December's noon at 11:42:14 local time (UT+1), not the other day's
// 11:31:46.
TEST(PolarRules, TromsoInDecemberHasEveryTimeAroundItsOwnTransit) {
    constexpr double lat = 69.65, lon_west = -18.95;
    astro::TAngleMethod m;
    m.high_latitude = astro::THighLatitudeRule::twilight_angle;
    const double first = astro::encode_calendar_date(2026, 12, 1);
    const auto complete = [](const astro::TMethodTimes& t) {
        for (const char* e : t.error)
            if (e != nullptr) return false;
        return true;
    };
    int polar_days = 0;
    for (int d = 0; d < 30; ++d) {
        const double day = first + d;
        m.polar = astro::TPolarRule::none;
        const astro::TMethodTimes own = astro::method_prayer_times(day, lat, lon_west, m);
        polar_days += own.error[astro::prSunrise] != nullptr;
        for (const auto rule : {astro::TPolarRule::nearest_day, astro::TPolarRule::nearest_latitude}) {
            m.polar = rule;
            const astro::TMethodTimes t = astro::method_prayer_times(day, lat, lon_west, m);
            ASSERT_TRUE(complete(t)) << d;
            for (int i = 1; i < astro::prayer_count; ++i) EXPECT_LT(t.time[i - 1], t.time[i]) << d;
            EXPECT_EQ(t.time[astro::prTransit], own.time[astro::prTransit]) << d;
            if (rule != astro::TPolarRule::nearest_day || complete(own)) continue;
            // The nearest complete day's times, counted from its transit.
            m.polar = astro::TPolarRule::none;
            astro::TMethodTimes other;
            bool found = false;
            for (int k = 1; !found; ++k)
                for (const int step : {-k, k}) {
                    if (found) break;
                    other = astro::method_prayer_times(day + step, lat, lon_west, m);
                    found = complete(other);
                }
            for (int i = 0; i < astro::prayer_count; ++i)
                EXPECT_NEAR(t.time[i] - t.time[astro::prTransit],
                            other.time[i] - other.time[astro::prTransit], 1e-9)
                    << d << " " << i;
        }
    }
    EXPECT_EQ(polar_days, 30);
    m.polar = astro::TPolarRule::nearest_day;
    const astro::TMethodTimes solstice = astro::method_prayer_times(first + 20, lat, lon_west, m);
    const double noon = solstice.time[astro::prTransit];
    EXPECT_EQ(std::llround((noon - std::floor(noon)) * 86400) + 3600, (11 * 60 + 42) * 60 + 14);
    EXPECT_EQ(solstice.by_rule[astro::prTransit], astro::TTimeRule::sun);
    EXPECT_EQ(solstice.by_rule[astro::prFedjr], astro::TTimeRule::nearest_day);
}

} // namespace
