// The iCalendar files of 30 zones read back by two independent readers, libical and Debian's
// python3-icalendar (tools/setup.sh installs it), from each file's own VTIMEZONE: about 21,000 events, a
// sweep.
#include "almanac/datetime_parts.h"
#include "almanac/ics.h"
#include "almanac/prayer_schedule.h"
#include "tests/support/ics_calendar.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <libical/ical.h>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <utility>

using namespace almanac;

namespace {

/// Seconds since 1970 of the second a clock shows for the instant.
long long unix_second(double ut) {
    const TDateTimeParts p = datetime_parts(ut);
    return std::llround((datetime_from_parts(p.year, p.month, p.day, p.hour, p.minute, p.second) - 25569) *
                        86400);
}

/// The iCalendar file of 30 zones, with schedules from January, March, July and December, read back from its
/// own VTIMEZONE (the zone renamed, so that no reader takes its own copy by the name) by libical here and by
/// python-icalendar: every event gives the UTC second of the schedule and of the same prayer with --tz UTC.
TEST(IcsReaders, CalendarsReadBackFromTheirOwnZoneDefinitionGiveTheUtcInstants) {
    std::istringstream zones( // the places of zone1970.tab
        "48.87 2.33 Europe/Paris 40.71 -74.01 America/New_York 30.05 31.25 Africa/Cairo -33.87 151.22 "
        "Australia/Sydney -33.45 -70.67 America/Santiago -13.83 -171.73 Pacific/Apia 35.67 51.43 Asia/Tehran "
        "51.51 -0.13 Europe/London 53.33 -6.25 Europe/Dublin 55.76 37.62 Europe/Moscow -6.17 106.80 "
        "Asia/Jakarta "
        "22.53 88.37 Asia/Kolkata 35.65 139.74 Asia/Tokyo 24.87 67.05 Asia/Karachi 23.72 90.42 Asia/Dhaka "
        "24.63 46.72 Asia/Riyadh 33.65 -7.58 Africa/Casablanca 6.45 3.40 Africa/Lagos -26.25 28.00 "
        "Africa/Johannesburg 34.05 -118.24 America/Los_Angeles 19.40 -99.15 America/Mexico_City -23.53 "
        "-46.62 "
        "America/Sao_Paulo -25.27 -57.67 America/Asuncion 64.18 -51.73 America/Nuuk 47.57 -52.72 "
        "America/St_Johns -36.87 174.77 Pacific/Auckland -43.95 -176.55 Pacific/Chatham -31.55 159.08 "
        "Australia/Lord_Howe -72.01 2.53 Antarctica/Troll 27.72 85.32 Asia/Kathmandu");
    char folder[] = "/tmp/almadex-ics-XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    long events = 0;
    int file = 0;
    TPlace place;
    std::string name;
    for (double east = 0; zones >> place.latitude >> east >> name;) {
        place.longitude_west = -east;
        for (const int month : {1, 3, 7, 12}) {
            TPrayerOptions options;
            options.method.method = file % 2 ? TMethodId::mwl : TMethodId::almadex;
            options.method.high_latitude = THighLatitudeChoice::middle_of_night;
            options.method.polar = astro::TPolarRule::nearest_latitude;
            const double first = datetime_from_parts(2026, month, 1);
            // Each time as (name, second), of the zone's schedule and of UTC's over the same days and more.
            std::set<std::pair<std::string, long long>> zoned, utc;
            options.zone = "UTC";
            for (const TPrayerDay& day : prayer_schedule(place, first - 2, 34, options))
                for (const TPrayerTime& t : day.times)
                    utc.insert(
                        {std::string(prayer_name(t.prayer, TPrayerNames::english)), unix_second(t.ut)});
            options.zone = name;
            const auto days = prayer_schedule(place, first, 30, options);
            for (const TPrayerDay& day : days)
                for (const TPrayerTime& t : day.times)
                    zoned.insert(
                        {std::string(prayer_name(t.prayer, TPrayerNames::english)), unix_second(t.ut)});
            std::string text = ics_of(place, days, TPrayerNames::english, first, options);
            EXPECT_EQ(text.find("X-TZINFO"), std::string::npos);
            const std::string renamed = "almadex-test-" + std::to_string(++file);
            for (const std::string from : {":", "="})
                for (std::size_t at = 0; (at = text.find("TZID" + from + name, at)) != std::string::npos;)
                    text.replace(at, 5 + name.size(), "TZID" + from + renamed);
            if (zoned.empty()) continue; // polar day: no time at all
            std::unique_ptr<icalcomponent, CalendarDeleter> calendar(icalparser_parse_string(text.c_str()));
            icaltimezone* zone = icalcomponent_get_timezone(calendar.get(), renamed.c_str());
            ASSERT_NE(zone, nullptr) << name;
            const auto second_of = [&](icalcomponent* e, icalproperty_kind kind) {
                const icaltimetype t =
                    icalproperty_get_datetime_with_component(icalcomponent_get_first_property(e, kind), e);
                return static_cast<long long>(icaltime_as_timet_with_zone(
                    t, icaltime_is_utc(t) ? icaltimezone_get_utc_timezone() : zone));
            };
            std::ofstream expected(std::string(folder) + "/" + renamed + ".tsv");
            long long first_start = 0;
            for (icalcomponent* e = icalcomponent_get_first_component(calendar.get(), ICAL_VEVENT_COMPONENT);
                 e; e = icalcomponent_get_next_component(calendar.get(), ICAL_VEVENT_COMPONENT), ++events) {
                const long long start = second_of(e, ICAL_DTSTART_PROPERTY);
                if (first_start == 0) first_start = start;
                const std::pair<std::string, long long> time{icalcomponent_get_summary(e), start};
                EXPECT_TRUE(zoned.count(time) && utc.count(time)) << name << " " << icalcomponent_get_uid(e);
                EXPECT_EQ(second_of(e, ICAL_DTEND_PROPERTY), start + 60);
                expected << icalcomponent_get_uid(e) << '\t' << start << '\n';
            }
            // The first observance begins on or before the first event (its onset on the clock before it).
            icalcomponent* onset = icalcomponent_get_first_component(
                icalcomponent_get_first_component(calendar.get(), ICAL_VTIMEZONE_COMPONENT),
                ICAL_ANY_COMPONENT);
            EXPECT_LE(icaltime_as_timet(icalcomponent_get_dtstart(onset)) -
                          icalproperty_get_tzoffsetfrom(
                              icalcomponent_get_first_property(onset, ICAL_TZOFFSETFROM_PROPERTY)),
                      first_start)
                << name;
            std::ofstream(std::string(folder) + "/" + renamed + ".ics") << text;
        }
    }
    EXPECT_GT(events, 30L * 4 * 30 * 5);
    // The independent reader, Debian's python3-icalendar (tools/setup.sh installs it).
    FILE* reader = popen(
        ("/usr/bin/python3 " ALMADEX_TEST_DATA "/../support/read_ics.py " + std::string(folder)).c_str(),
        "r");
    ASSERT_NE(reader, nullptr);
    std::string report;
    for (char buf[256]; std::fgets(buf, sizeof buf, reader);) report += buf;
    EXPECT_EQ(pclose(reader), 0) << report;
    EXPECT_EQ(report, "events " + std::to_string(events) + ", other seconds 0\n");
    std::system(("rm -r " + std::string(folder)).c_str());
}

} // namespace
