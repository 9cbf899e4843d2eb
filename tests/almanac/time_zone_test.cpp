// The zones against the system's own reading of its tz database (the C library's localtime_r under TZ), so
// that a copy of the rules that falls behind the system's updates cannot pass; the names taken and refused;
// the changes of the clocks, the days they skip and the hours they repeat.
#include "almanac/datetime_parts.h"
#include "almanac/time_zone.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <ctime>
#include <gtest/gtest.h>
#include <sstream>
#include <stdexcept>
#include <string>
#include <tuple>

using namespace almanac;

namespace {

TEST(TimeZone, OffsetsAndAbbreviationsAreTheSystemsFromTheYear1000To2399) {
    std::istringstream zones("Africa/Cairo America/Mexico_City Asia/Almaty America/Nuuk America/Asuncion "
                             "Pacific/Fiji Asia/Gaza Antarctica/Casey Europe/Paris America/New_York "
                             "Australia/Sydney America/Santiago Pacific/Apia Asia/Tehran Europe/Dublin "
                             "Africa/Casablanca Antarctica/Troll America/Ciudad_Juarez Australia/Lord_Howe "
                             "America/Coyhaique Pacific/Chatham UTC Etc/GMT+5");
    int compared = 0;
    for (std::string name; zones >> name;) {
        const TTimeZone zone(name);
        setenv("TZ", (":" + name).c_str(), 1);
        tzset();
        for (const int year :
             {1000, 1890, 1916, 1944, 1975, 2011, 2023, 2024, 2025, 2026, 2037, 2038, 2100, 2399})
            for (double t = datetime_from_parts(year, 1, 1); t < datetime_from_parts(year + 1, 1, 1);
                 t += 6.7) {
                const std::time_t unix_time = static_cast<std::time_t>(std::floor((t - 25569) * 86400 + 0.5));
                std::tm tm{};
                localtime_r(&unix_time, &tm);
                ASSERT_EQ(zone.offset_at(t), tm.tm_gmtoff) << name << " " << iso_instant(t);
                ASSERT_EQ(zone.abbreviation_at(t), tm.tm_zone) << name << " " << iso_instant(t);
                ++compared;
            }
    }
    unsetenv("TZ");
    EXPECT_GT(compared, 23 * 14 * 54);
}

TEST(TimeZone, TheDatabasesZonesAreTakenAndNothingElse) {
    for (const char* zone :
         {"America/Ciudad_Juarez", "America/Coyhaique", "US/Eastern", "Etc/GMT+5", "EST5EDT"})
        EXPECT_TRUE(is_time_zone(zone)) << zone;
    for (const char* other : {"europe/paris", "posix/Europe/Paris", "right/UTC", "Factory", "localtime",
                              "/etc/localtime", "../zoneinfo/UTC", "Europe/../UTC", "Europe//Paris",
                              "zone.tab", "Europe", "Fixed/UTC+05:00", "Europe/Paris "}) {
        EXPECT_FALSE(is_time_zone(other)) << other;
        EXPECT_THROW(TTimeZone{other}, std::invalid_argument) << other;
    }
    const auto list = time_zone_names();
    for (const char* listed : {"America/Ciudad_Juarez", "America/Coyhaique", "Europe/Amsterdam"})
        EXPECT_TRUE(std::binary_search(list.begin(), list.end(), listed)) << listed;
    EXPECT_FALSE(std::binary_search(list.begin(), list.end(), "US/Eastern"));
    setenv("TZ", ":Asia/Tokyo", 1);
    EXPECT_EQ(system_time_zone(), "Asia/Tokyo");
    setenv("TZ", "CET-1CEST", 1); // rules, not a zone's name
    EXPECT_EQ(system_time_zone(), "");
    unsetenv("TZ");
}

TEST(TimeZone, ChangesSkippedDaysAndRepeatedHours) {
    // The change in force on 10 January 2026, then spring and autumn.
    const auto changes = TTimeZone("Europe/Paris")
                             .changes(datetime_from_parts(2026, 1, 10), datetime_from_parts(2026, 12, 31));
    std::string seen;
    for (const TZoneChange& c : changes)
        seen += iso_instant(c.ut) + " " + offset_text(c.offset_before) + " " + offset_text(c.offset_after) +
                (c.daylight_after ? " daylight " : " standard ") + c.abbreviation_after + "\n";
    EXPECT_EQ(seen, "2025-10-26T01:00:00 +02:00 +01:00 standard CET\n"
                    "2026-03-29T01:00:00 +01:00 +02:00 daylight CEST\n"
                    "2026-10-25T01:00:00 +02:00 +01:00 standard CET\n");
    EXPECT_TRUE(TTimeZone("Etc/GMT+5")
                    .changes(datetime_from_parts(2026, 1, 1), datetime_from_parts(2027, 1, 1))
                    .empty());
    // Samoa went from 29 to 31 December 2011; Troll's clocks go back from 03:00 (+02) to 01:00 (+00).
    const TTimeZone apia("Pacific/Apia"), troll("Antarctica/Troll");
    for (const int day : {28, 29, 30, 31})
        EXPECT_EQ(apia.has_day(datetime_from_parts(2011, 12, day)), day != 30) << day;
    EXPECT_EQ(apia.offset_on_day(datetime_from_parts(2011, 12, 29)), -10 * 3600);
    EXPECT_EQ(apia.offset_on_day(datetime_from_parts(2011, 12, 31)), 14 * 3600);
    EXPECT_EQ(troll.offset_on_day(datetime_from_parts(2026, 10, 25)), 0);
    for (const auto& [day, minute, repeated] : {std::tuple{24, 22 * 60 + 59, false},
                                                {24, 23 * 60, true},
                                                {25, 2 * 60 + 59, true},
                                                {25, 3 * 60, false}})
        EXPECT_EQ(troll.repeated_at(datetime_from_parts(2026, 10, day, 0, minute)), repeated)
            << day << " " << minute;
}

} // namespace
