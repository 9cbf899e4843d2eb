#include "astro/calendar.h"
#include "astro/errors.h"
#include "astro/prayer.h"
#include "astro/riseset.h"
#include "astro/sun.h"
#include "tests/astro/error_of.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <thread>
#include <utility>
#include <vector>

using namespace astro;
using astro::testing::error_of;

namespace {

constexpr double kMinute = 1.0 / 1440.0;

TEST(Prayer, EquatorAtTheEquinox) {
    // Half day arc about 6 h 3 min: Fedjr and Ishaa lie 0.295167 of it (about 1 h 47 min) from sunrise and
    // sunset, Assr half the geometric arc (about 3 h) after transit.
    const TDateTime day = encode_calendar_date(2024, 3, 20);
    const double fedjr = fedjr_time(day, 0, 0);
    const double rise = sun_rise(day, 0, 0);
    const double transit = sun_transit(day, 0, 0);
    const double assr = assr_time(true, day, 0, 0);
    const double set = sun_set(day, 0, 0);
    const double ishaa = ishaa_time(day, 0, 0);
    EXPECT_NEAR((rise - fedjr) / kMinute, 107.2, 1.0);
    EXPECT_NEAR((ishaa - set) / kMinute, 107.2, 1.0);
    EXPECT_NEAR((assr - transit) / kMinute, 180.0, 1.0);
}

TEST(Prayer, FractionsOfTheHalfDayArc) {
    // Fedjr to sunrise is 0.295167 of sunrise to transit (likewise sunset to Ishaa), to within what the
    // single correction step of each routine leaves.
    for (long double lat : {-40.0L, 21.4L, 52.0L}) {
        for (int k = 0; k < 12; ++k) {
            const TDateTime day = encode_calendar_date(2023, 1 + k, 15);
            const long double lon = -lat / 4; // keeps the day's events inside the UT day
            const double rise = sun_rise(day, lat, lon);
            const double transit = sun_transit(day, lat, lon);
            const double set = sun_set(day, lat, lon);
            EXPECT_NEAR(rise - fedjr_time(day, lat, lon), dawn_night_factor * (transit - rise),
                        0.5 * kMinute);
            EXPECT_NEAR(ishaa_time(day, lat, lon) - set, dawn_night_factor * (set - transit), 0.5 * kMinute);
            // Both Assr factors apply to the same geometric arc after the same transit.
            const double half = assr_time(true, day, lat, lon) - transit;
            const double clear = assr_time(false, day, lat, lon) - transit;
            EXPECT_NEAR(clear / half, assr_factor_flag_clear / assr_factor_flag_set, 1e-6) << lat << " " << k;
            EXPECT_GT(half, 0.5 * (set - transit) - 8 * kMinute); // the geometric arc is a little shorter
            EXPECT_LT(half, 0.5 * (set - transit));
        }
    }
}

TEST(Prayer, PolarSummerAndWinterFailEachWithItsOwnMessage) {
    const TDateTime june = encode_calendar_date(2024, 6, 21);
    const TDateTime december = encode_calendar_date(2024, 12, 21);
    for (TDateTime day : {june, december}) {
        for (long double lat : {70.0L, -70.0L}) {
            EXPECT_EQ(error_of<E_NoRiseSet>([&] { fedjr_time(day, lat, 0); }), fedjr_message);
            EXPECT_EQ(error_of<E_NoRiseSet>([&] { sun_rise(day, lat, 0); }), no_rise_set_message);
            EXPECT_EQ(error_of<E_NoRiseSet>([&] { sun_transit(day, lat, 0); }), no_rise_set_message);
            EXPECT_EQ(error_of<E_NoRiseSet>([&] { assr_time(true, day, lat, 0); }), assr_message);
            EXPECT_EQ(error_of<E_NoRiseSet>([&] { sun_set(day, lat, 0); }), no_rise_set_message);
            EXPECT_EQ(error_of<E_NoRiseSet>([&] { ishaa_time(day, lat, 0); }), ishaa_message);
        }
    }
}

TEST(Prayer, EachRoutineTestsOnlyItsOwnAltitude) {
    // At 66.2 N on the June solstice the Sun dips to about -0.36 degrees: below the geometric horizon (Assr
    // exists) but not below -0.8333 (no Fedjr, sunrise, sunset or Ishaa).
    const TDateTime day = encode_calendar_date(2024, 6, 21);
    EXPECT_NO_THROW(assr_time(true, day, 66.2L, -25));
    EXPECT_NO_THROW(assr_time(false, day, 66.2L, -25));
    EXPECT_EQ(error_of<E_NoRiseSet>([&] { fedjr_time(day, 66.2L, -25); }), fedjr_message);
    EXPECT_EQ(error_of<E_NoRiseSet>([&] { ishaa_time(day, 66.2L, -25); }), ishaa_message);
    EXPECT_EQ(error_of<E_NoRiseSet>([&] { sun_rise(day, 66.2L, -25); }), no_rise_set_message);
    // At 60 N in June all six exist.
    EXPECT_NO_THROW(fedjr_time(day, 60, -25));
    EXPECT_NO_THROW(ishaa_time(day, 60, -25));
}

TEST(Prayer, TimesFallWithinTheDayAskedFor) {
    // Far from Greenwich the offset is applied before the reduction, so each time stays in the UT day.
    for (long double lon : {-179.9L, -150.0L, -90.0L, 0.0L, 75.0L, 120.0L, 179.9L}) {
        for (double day : {-40000.0, -1.0, 0.0, 45292.0, 45500.0}) {
            for (double at : {0.0, 0.5, 0.99}) {
                const double t = day + at;
                for (double x :
                     {fedjr_time(t, 30, lon), assr_time(true, t, 30, lon), ishaa_time(t, 30, lon)}) {
                    EXPECT_GE(x, day) << lon << " " << t;
                    EXPECT_LT(x, day + 1) << lon << " " << t;
                }
            }
        }
    }
}

TEST(Prayer, InputThatIsNotANumberIsNotCalculable) {
    const long double nan = std::numeric_limits<long double>::quiet_NaN();
    const double day = encode_calendar_date(2024, 5, 1);
    for (long double lat : {nan, 20.0L})
        for (long double lon : {nan, 0.0L}) {
            if (!std::isnan(lat) && !std::isnan(lon)) continue;
            EXPECT_EQ(error_of<E_NoRiseSet>([&] { fedjr_time(day, lat, lon); }), fedjr_message);
            EXPECT_EQ(error_of<E_NoRiseSet>([&] { assr_time(true, day, lat, lon); }), assr_message);
            EXPECT_EQ(error_of<E_NoRiseSet>([&] { ishaa_time(day, lat, lon); }), ishaa_message);
        }
    EXPECT_EQ(error_of<E_NoRiseSet>([&] { fedjr_time(std::nan(""), 20, 0); }), fedjr_message);
    EXPECT_EQ(error_of<E_NoRiseSet>([&] { ishaa_time(std::numeric_limits<double>::infinity(), 20, 0); }),
              ishaa_message);
}

// prayer_times: for places from pole to pole on days of both solstices and an equinox, each entry is the
// value of its own routine, bit for bit, or that routine's failure message; with the Assr flag set and clear.
TEST(PrayerTimes, EqualsTheSixRoutines) {
    const auto outcome = [](auto&& f) -> std::pair<double, std::string> {
        try {
            return {f(), ""};
        } catch (const E_NoRiseSet& e) {
            return {0, e.what()};
        }
    };
    int failures = 0, times = 0;
    for (const TDateTime day :
         {encode_calendar_date(2024, 6, 21) + 0.7, encode_calendar_date(2024, 12, 21),
          encode_calendar_date(1200, 3, 20), encode_calendar_date(2390, 9, 23) + 0.99}) {
        for (long double lat = -89.5L; lat < 90; lat += 8.5L) {
            for (const long double lon : {-179.5L, -66.6L, 0.0L, 3.05L, 120.25L}) {
                for (const bool flag : {true, false}) {
                    const TPrayerTimes all = prayer_times(day, lat, lon, flag);
                    const std::pair<double, std::string> one[prayer_count] = {outcome([&] { return fedjr_time(day, lat, lon); }),
                                                                              outcome([&] { return sun_rise(day, lat, lon); }),
                                                                              outcome([&] { return sun_transit(day, lat, lon); }),
                                                                              outcome([&] { return assr_time(flag, day, lat, lon); }),
                                                                              outcome([&] { return sun_set(day, lat, lon); }),
                                                                              outcome([&] { return ishaa_time(day, lat, lon); })};
                    for (int p = 0; p < prayer_count; ++p) {
                        const std::string message = all.error[p] ? all.error[p] : "";
                        EXPECT_EQ(message, one[p].second) << day << " " << lat << " " << lon << " " << p;
                        EXPECT_EQ(all.time[p], one[p].first) << day << " " << lat << " " << lon << " " << p;
                        (message.empty() ? times : failures) += 1;
                    }
                }
            }
        }
    }
    EXPECT_EQ(times + failures, 4 * 22 * 5 * 2 * prayer_count);
    EXPECT_GT(failures, 200); // polar days and nights
    EXPECT_GT(times, 4000);
}

TEST(PrayerTimes, InputThatIsNotANumberFailsEveryTime) {
    const long double nan = std::numeric_limits<long double>::quiet_NaN();
    const double day = encode_calendar_date(2024, 5, 1);
    for (const TPrayerTimes& all : {prayer_times(day, nan, 0), prayer_times(day, 20, nan),
                                    prayer_times(std::numeric_limits<double>::infinity(), 20, 0)}) {
        EXPECT_STREQ(all.error[prFedjr], fedjr_message);
        EXPECT_STREQ(all.error[prSunrise], no_rise_set_message);
        EXPECT_STREQ(all.error[prTransit], no_rise_set_message);
        EXPECT_STREQ(all.error[prAssr], assr_message);
        EXPECT_STREQ(all.error[prSunset], no_rise_set_message);
        EXPECT_STREQ(all.error[prIshaa], ishaa_message);
    }
}

// What a method with other altitudes needs from the day's Sun: the twilights of rise_transit_set come out of
// TSunDay's hour angle, rising and setting at -6, -12 and -18 degrees, bit for bit.
TEST(SunDay, GivesRisingAndSettingAtAnyAltitude) {
    const struct {
        RiseSetEvent dawn, dusk;
        double h0;
    } twilights[] = {{CivilDawn, CivilDusk, -6},
                     {NauticalDawn, NauticalDusk, -12},
                     {AstronomicalDawn, AstronomicalDusk, -18}};
    for (const TDateTime date : {encode_calendar_date(2025, 1, 9) + 0.3, encode_calendar_date(1650, 7, 30)}) {
        const TSunDay day = sun_day(date);
        EXPECT_EQ(day.day, std::floor(date));
        for (const double lat : {-45.0, 0.0, 36.75, 51.5}) {
            for (const double lon : {-3.05, 74.0}) {
                for (const auto& t : twilights) {
                    const double h0_angle = day.hour_angle(t.h0, lat);
                    ASSERT_FALSE(std::isnan(h0_angle)) << lat << " " << t.h0;
                    EXPECT_EQ(static_cast<double>(
                                  day.day + static_cast<long double>(day.rising(t.h0, h0_angle, lat, lon))),
                              rise_transit_set(true, t.dawn, date, lat, lon));
                    EXPECT_EQ(static_cast<double>(
                                  day.day + static_cast<long double>(day.setting(t.h0, h0_angle, lat, lon))),
                              rise_transit_set(true, t.dusk, date, lat, lon));
                }
                EXPECT_EQ(static_cast<double>(day.day + static_cast<long double>(day.transit(lon))),
                          sun_transit(date, lat, lon));
            }
        }
    }
    // The declination interpolated at the transit is the Sun's at that instant, to the interpolation's error.
    const TDateTime date = encode_calendar_date(2025, 3, 20);
    const TSunDay day = sun_day(date);
    for (const double lon : {-120.0, 0.0, 150.0}) {
        const double m = day.transit(lon);
        EXPECT_NEAR(day.declination_at(m), static_cast<double>(sun_position(day.day + m).declination), 2e-5)
            << lon;
    }
    // No astronomical night in London at midsummer: no hour angle at -18 degrees.
    EXPECT_TRUE(std::isnan(sun_day(encode_calendar_date(2025, 6, 21)).hour_angle(-18, 51.5)));
}

TEST(Prayer, SameTimesFromSeveralThreads) {
    // The routines keep no state: computed side by side on four threads, the times equal the serial ones.
    const auto six = [](int k) {
        const TDateTime day = encode_calendar_date(2024, 1, 1) + 9 * k;
        const long double lat = -50 + 9 * k, lon = -170 + 31 * k;
        return std::vector<double>{fedjr_time(day, lat, lon),  sun_rise(day, lat, lon),
                                   sun_transit(day, lat, lon), assr_time(true, day, lat, lon),
                                   sun_set(day, lat, lon),     ishaa_time(day, lat, lon)};
    };
    std::vector<std::vector<double>> serial(12), parallel(12);
    for (int k = 0; k < 12; ++k) serial[k] = six(k);
    std::vector<std::thread> threads;
    for (int w = 0; w < 4; ++w)
        threads.emplace_back([&, w] {
            for (int k = w; k < 12; k += 4) parallel[k] = six(k);
        });
    for (auto& t : threads) t.join();
    EXPECT_EQ(parallel, serial);
}

} // namespace
