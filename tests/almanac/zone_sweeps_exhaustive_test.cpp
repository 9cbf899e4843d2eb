// Sweeps of the zones against the system's C library (localtime_r under TZ): every zone of the system's
// zone1970.tab on every day of 2025 and 2026 has at each row's local noon the offset the row gives, and no
// zone is refused; sixteen cities on every day of 2025 by every method have each time on its row's local
// date.
#include "almanac/datetime_parts.h"
#include "almanac/prayer_schedule.h"
#include "astro/prayer.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <utility>

using namespace almanac;

namespace {

/// The clocks of the zone `zone` (made TZ), read by the C library at an instant (UT date-time value).
std::tm system_clock_at(double ut, const std::string& zone = "") {
    if (!zone.empty()) {
        setenv("TZ", (":" + zone).c_str(), 1);
        tzset();
    }
    const std::time_t t = static_cast<std::time_t>(std::floor((ut - 25569) * 86400 + 0.0005));
    std::tm tm{};
    localtime_r(&t, &tm);
    return tm;
}

TEST(ZoneSweeps, EveryZoneEveryDayOf2025And2026HasTheSystemsOffset) {
    std::ifstream table("/usr/share/zoneinfo/zone1970.tab");
    long zone_days = 0, zones = 0, wrong = 0;
    for (std::string line; std::getline(table, line);) {
        if (line.empty() || line[0] == '#') continue;
        const std::size_t a = line.find('\t'), b = line.find('\t', a + 1);
        TPrayerOptions options;
        options.zone = line.substr(b + 1, line.find('\t', b + 1) - b - 1);
        system_clock_at(0, options.zone);
        ++zones;
        for (const TPrayerDay& day : prayer_schedule({0, 0}, datetime_from_parts(2025, 1, 1), 730, options)) {
            // Local noon by the row's own offset: the system has the same offset there.
            const std::tm noon = system_clock_at(day.date + 0.5 - day.utc_offset_seconds / 86400.0);
            wrong += noon.tm_gmtoff != day.utc_offset_seconds || noon.tm_hour != 12;
            ++zone_days;
        }
    }
    unsetenv("TZ");
    EXPECT_GE(zones, 300);
    EXPECT_EQ(zone_days, zones * 730);
    EXPECT_EQ(wrong, 0);
    for (const auto& [zone, hours] :
         {std::pair{"Africa/Cairo", 3}, {"America/Mexico_City", -6}, {"Asia/Almaty", 5}}) {
        TPrayerOptions options;
        options.zone = zone;
        EXPECT_EQ(utc_offset_on(options, datetime_from_parts(2025, 7, 1)), hours * 3600) << zone;
    }
}

TEST(ZoneSweeps, EveryTimeFallsOnItsRowsLocalDateByEveryMethod) {
    // The thirteen cities where the day-arc method once put 4,558 events of 2025 on another local date, and
    // the zones 12 hours and more from the longitude's mean time.
    std::istringstream cities(
        "-6.2088 106.8456 Asia/Jakarta 24.8607 67.0011 Asia/Karachi 23.8103 90.4125 Asia/Dhaka "
        "3.139 101.6869 Asia/Kuala_Lumpur 28.6139 77.209 Asia/Kolkata 35.6892 51.389 Asia/Tehran "
        "21.3891 39.8579 Asia/Riyadh 41.0082 28.9784 Europe/Istanbul 36.7538 3.0588 Africa/Algiers "
        "51.5074 -0.1278 Europe/London 40.7128 -74.006 America/New_York 34.0522 -118.2437 "
        "America/Los_Angeles "
        "-33.8688 151.2093 Australia/Sydney -13.8333 -171.7667 Pacific/Apia -21.1394 -175.2049 "
        "Pacific/Tongatapu "
        "1.8721 -157.4278 Pacific/Kiritimati");
    long times = 0, elsewhere = 0, worst_shift = 0;
    TPrayerOptions options;
    TPlace place;
    for (double east = 0; cities >> place.latitude >> east >> options.zone;) {
        place.longitude_west = -east;
        system_clock_at(0, options.zone);
        for (const TPrayerMethod& m : prayer_methods) {
            options.method.method = m.id;
            for (const TPrayerDay& day :
                 prayer_schedule(place, datetime_from_parts(2025, 1, 1), 365, options)) {
                ASSERT_TRUE(day.error.empty()) << options.zone << " " << m.key << " " << day.error;
                for (const TPrayerTime& t : day.times) {
                    const std::tm clock = system_clock_at(t.ut);
                    ++times;
                    elsewhere += clock.tm_gmtoff != t.utc_offset_seconds ||
                                 datetime_from_parts(clock.tm_year + 1900, clock.tm_mon + 1, clock.tm_mday) !=
                                     day.date;
                    if (m.id != TMethodId::almadex) continue;
                    // The day-arc times of day as they were, computed within the UT day of the date: the same
                    // or the next or previous date's, from which this method's times differ by up to three
                    // minutes (one day's change, with the library's steps where a time crosses 0 h UT).
                    const double before = astro::prayer_times(day.date, place.latitude, place.longitude_west)
                                              .time[static_cast<std::size_t>(t.prayer)];
                    const double shift = std::remainder((t.ut - before) * 86400, 86400);
                    worst_shift = std::max(worst_shift, std::lround(std::fabs(shift)));
                }
            }
        }
    }
    unsetenv("TZ");
    // Six times a day, and the sunset's own row beside Maghrib for the six methods whose Maghrib is later
    // (Tehran, Jafari, Turkey, Dubai, the Moonsighting Committee, Algeria).
    EXPECT_EQ(times, 16L * 365 * (static_cast<long>(prayer_methods.size()) * 6 + 6));
    EXPECT_EQ(elsewhere, 0);
    EXPECT_LE(worst_shift, 180);
}

} // namespace
