// Inputs beside an instant that a routine cannot compute with: a place, a method's angles and intervals, the
// days of the seasonal intervals. Each is refused with "Out of range of the algorithm" (the sanitizer build
// stops on a conversion that does not fit), never answered with a result that is not a number.
#include "astro/calendar.h"
#include "astro/errors.h"
#include "astro/prayer_methods.h"
#include "astro/qibla.h"
#include "tests/astro/error_of.h"

#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <limits>
#include <string>

using namespace astro;
using astro::testing::error_of;

namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();
const std::string kOutOfRange = "Out of range of the algorithm";

TEST(InputRange, QiblaRefusesWhatIsNoPlace) {
    const struct {
        double lat, lon_west;
    } refused[] = {{kNaN, 0},      {0, kNaN}, {kInf, 0},  {0, -kInf},
                   {90.000001, 0}, {-91, 0},  {1e300, 0}, {180, 10}};
    for (const auto& c : refused)
        EXPECT_EQ(error_of([&] { qibla(c.lat, c.lon_west); }), kOutOfRange) << c.lat << " " << c.lon_west;
    // The poles and a far longitude still answer: due south from the North Pole along 39.8 E.
    const TQibla pole = qibla(90, 0);
    EXPECT_TRUE(std::isfinite(pole.direction) && std::isfinite(pole.distance_km));
    EXPECT_NEAR(pole.distance_km, (90 - kaaba_latitude) * earth_mean_radius_km * 3.14159265358979 / 180, 1);
    const TQibla far = qibla(21, 1e300);
    EXPECT_TRUE(far.direction >= 0 && far.direction < 360 && far.distance_km >= 0 &&
                far.distance_km <= 20016);
}

TEST(InputRange, MethodTimesRefuseAMethodTheyCannotComputeWith) {
    const TDateTime day = gregorian_datetime(2024, 3, 15);
    const std::function<void(TAngleMethod&)> changes[] = {
        [](TAngleMethod& m) { m.fajr_angle = kInf; },     [](TAngleMethod& m) { m.fajr_angle = kNaN; },
        [](TAngleMethod& m) { m.isha_angle = -kInf; },    [](TAngleMethod& m) { m.isha_angle = 90.5; },
        [](TAngleMethod& m) { m.isha_minutes = kInf; },   [](TAngleMethod& m) { m.isha_minutes = kNaN; },
        [](TAngleMethod& m) { m.isha_minutes = 1441; },   [](TAngleMethod& m) { m.maghrib_angle = kInf; },
        [](TAngleMethod& m) { m.maghrib_angle = 1e300; }, [](TAngleMethod& m) { m.asr_shadow = kInf; },
        [](TAngleMethod& m) { m.asr_shadow = 0; },        [](TAngleMethod& m) { m.asr_shadow = kNaN; },
    };
    int i = 0;
    for (const auto& change : changes) {
        for (const THighLatitudeRule rule : {THighLatitudeRule::none, THighLatitudeRule::twilight_angle}) {
            TAngleMethod m;
            m.high_latitude = rule;
            m.seasonal = true;
            change(m);
            EXPECT_EQ(error_of([&] { method_prayer_times(day, 36.75, -3.05, m); }), kOutOfRange) << i;
        }
        ++i;
    }
    // At the bounds the times are numbers or carry their message.
    TAngleMethod bounds;
    bounds.fajr_angle = 90;
    bounds.isha_minutes = 1440;
    bounds.high_latitude = THighLatitudeRule::twilight_angle;
    const TMethodTimes t = method_prayer_times(day, 36.75, -3.05, bounds);
    for (int p = 0; p < prayer_count; ++p)
        EXPECT_TRUE(t.error[p] != nullptr || std::isfinite(t.time[p])) << p;
    EXPECT_NEAR(t.time[prIshaa] - t.time[prSunset], 1.0, 1e-9);
}

TEST(InputRange, SeasonalIntervalsRefuseWhatTheirTablesDoNotCover) {
    for (const double lat : {kNaN, kInf, -kInf, 90.5, -1e300}) {
        EXPECT_EQ(error_of([&] { seasonal_fajr_minutes(lat, 10); }), kOutOfRange) << lat;
        EXPECT_EQ(error_of([&] { seasonal_isha_minutes(lat, 10); }), kOutOfRange) << lat;
        EXPECT_EQ(error_of([&] { days_since_winter_solstice(45000, lat); }), kOutOfRange) << lat;
    }
    for (const int days : {-1, 366, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()}) {
        EXPECT_EQ(error_of([&] { seasonal_fajr_minutes(45, days); }), kOutOfRange) << days;
        EXPECT_EQ(error_of([&] { seasonal_isha_minutes(45, days); }), kOutOfRange) << days;
    }
    for (const double t : {kNaN, kInf, -kInf, 1e300, -1e18, 10'000'000.5})
        EXPECT_EQ(error_of([&] { days_since_winter_solstice(t, 45); }), kOutOfRange) << t;
    // The first and last days of the range admitted, and the ends of the tables.
    EXPECT_GE(days_since_winter_solstice(-10'000'000, 45), 0);
    EXPECT_LE(days_since_winter_solstice(10'000'000, -45), 365);
    EXPECT_TRUE(std::isfinite(seasonal_fajr_minutes(-90, 0)) &&
                std::isfinite(seasonal_isha_minutes(90, 365)));
}

} // namespace
