// Schedules in a zone of the tz database: the offset day by day across a change of the clocks, each time at
// its own instant's offset (read by the system's C library), and the iCalendar file with TZID times and the
// zone's VTIMEZONE, read back through libical.
#include "almanac/datetime_parts.h"
#include "almanac/ics.h"
#include "almanac/prayer_schedule.h"
#include "almanac/time_zone.h"
#include "tests/support/ics_calendar.h"

#include <cmath>
#include <cstdlib>
#include <ctime>
#include <gtest/gtest.h>
#include <libical/ical.h>
#include <memory>
#include <stdexcept>

using namespace almanac;

namespace {

const TPlace kParis{48.8566, -2.3522};

/// The clocks of the zone that TZ names, read by the C library at an instant (UT date-time value).
std::tm system_clock_at(double ut) {
    const std::time_t t = static_cast<std::time_t>(std::floor((ut - 25569) * 86400 + 0.0005));
    std::tm tm{};
    localtime_r(&t, &tm);
    return tm;
}

TEST(TimeZone, OffsetsOfZonesAcrossTheirChanges) {
    struct Row {
        const char* zone;
        int year, month, day;
        int offset;
    };
    const Row rows[] = {
        {"Europe/Paris", 2026, 3, 28, 3600},      {"Europe/Paris", 2026, 3, 29, 7200},
        {"Europe/Paris", 2026, 10, 24, 7200},     {"Europe/Paris", 2026, 10, 25, 3600},
        {"America/New_York", 2026, 3, 7, -18000}, {"America/New_York", 2026, 3, 8, -14400},
        {"Asia/Kolkata", 2026, 6, 1, 19800},      {"Australia/Sydney", 2026, 1, 10, 39600},
        {"Australia/Sydney", 2026, 4, 5, 36000},  {"Africa/Algiers", 2026, 7, 1, 3600},
    };
    for (const Row& r : rows) {
        TPrayerOptions options;
        options.zone = r.zone;
        EXPECT_EQ(utc_offset_on(options, datetime_from_parts(r.year, r.month, r.day)), r.offset)
            << r.zone << " " << r.month << "-" << r.day;
    }
    EXPECT_EQ(TTimeZone("Europe/Paris").offset_at(datetime_from_parts(2026, 7, 1)), 7200);
    EXPECT_FALSE(is_time_zone("Europe/Atlantis"));
    EXPECT_FALSE(is_time_zone("Etc/Unknown"));
    EXPECT_FALSE(is_time_zone("GMT+5")); // the database's name is Etc/GMT+5
    EXPECT_TRUE(is_time_zone("UTC"));
    EXPECT_FALSE(is_time_zone(""));
    EXPECT_TRUE(is_time_zone("Asia/Jakarta"));
    EXPECT_THROW(TTimeZone("Mars/Olympus"), std::invalid_argument);
    TPrayerOptions bad;
    bad.zone = "Mars/Olympus";
    EXPECT_THROW(prayer_schedule(kParis, datetime_from_parts(2026, 3, 15), 1, bad), std::invalid_argument);
    const auto names = time_zone_names();
    EXPECT_GT(names.size(), 300u);
    EXPECT_TRUE(std::binary_search(names.begin(), names.end(), "Europe/Paris"));
    EXPECT_EQ(offset_text(-16200), "-04:30");
    EXPECT_EQ(offset_text(19800), "+05:30");
}

TEST(TimeZone, ParisScheduleAcrossTheChangeOfTheClocks) {
    const double first = datetime_from_parts(2026, 3, 15);
    for (const TMethodId method : {TMethodId::almadex, TMethodId::mwl}) {
        TPrayerOptions zone;
        zone.zone = "Europe/Paris";
        zone.method.method = method;
        TPrayerOptions winter = zone;
        winter.zone.clear();
        winter.utc_offset_seconds = 3600;
        const auto days = prayer_schedule(kParis, first, 30, zone);
        const auto fixed = prayer_schedule(kParis, first, 30, winter);
        ASSERT_EQ(days.size(), 30u);
        for (std::size_t i = 0; i < days.size(); ++i) {
            const bool summer = days[i].date >= datetime_from_parts(2026, 3, 29);
            EXPECT_EQ(days[i].utc_offset_seconds, summer ? 7200 : 3600) << i;
            ASSERT_EQ(days[i].times.size(), fixed[i].times.size());
            for (std::size_t k = 0; k < days[i].times.size(); ++k) {
                // The same Sun: one hour later on the clock from 29 March on.
                EXPECT_EQ(days[i].times[k].ut, fixed[i].times[k].ut);
                const TDateTimeParts a = days[i].local(days[i].times[k]);
                const TDateTimeParts b = fixed[i].local(fixed[i].times[k]);
                const int minutes = (a.hour * 60 + a.minute) - (b.hour * 60 + b.minute);
                EXPECT_EQ(minutes, summer ? 60 : 0) << i << " " << k;
            }
        }
        EXPECT_EQ(zone_title(zone), "Europe/Paris");
        EXPECT_EQ(zone_title(winter), "UT+01:00");
    }
}

TEST(TimeZone, ParisCalendarImportsWithTheRightUtcInstants) {
    TPrayerOptions options;
    options.zone = "Europe/Paris";
    options.method.method = TMethodId::france;
    const auto days = prayer_schedule(kParis, datetime_from_parts(2026, 3, 15), 30, options);
    const std::string text =
        ics_of(kParis, days, TPrayerNames::english, datetime_from_parts(2026, 3, 1, 12, 0, 0), options);
    EXPECT_NE(text.find("DTSTART;TZID=Europe/Paris:20260315T"), std::string::npos);
    EXPECT_NE(text.find("Method: France (UOIF). Local time: Europe/Paris."), std::string::npos);
    std::unique_ptr<icalcomponent, CalendarDeleter> calendar(icalparser_parse_string(text.c_str()));
    ASSERT_NE(calendar, nullptr);
    icalrestriction_check(calendar.get());
    EXPECT_EQ(icalcomponent_count_errors(calendar.get()), 0);
    ASSERT_EQ(icalcomponent_count_components(calendar.get(), ICAL_VTIMEZONE_COMPONENT), 1);
    // The zone as the file describes it, not libical's own copy.
    icaltimezone* zone = icalcomponent_get_timezone(calendar.get(), "Europe/Paris");
    ASSERT_NE(zone, nullptr);
    std::size_t i = 0, k = 0, count = 0, summer = 0;
    for (icalcomponent* e = icalcomponent_get_first_component(calendar.get(), ICAL_VEVENT_COMPONENT); e;
         e = icalcomponent_get_next_component(calendar.get(), ICAL_VEVENT_COMPONENT), ++count) {
        ASSERT_LT(i, days.size());
        icalproperty* start = icalcomponent_get_first_property(e, ICAL_DTSTART_PROPERTY);
        icalparameter* tzid = icalproperty_get_first_parameter(start, ICAL_TZID_PARAMETER);
        ASSERT_NE(tzid, nullptr);
        EXPECT_STREQ(icalparameter_get_tzid(tzid), "Europe/Paris");
        const icaltimetype local = icalproperty_get_dtstart(start);
        const time_t unix_time = icaltime_as_timet_with_zone(local, zone);
        // The instant to the second by the program's one rounding rule, as every rendering shows it.
        const TDateTimeParts p = datetime_parts(days[i].times[k].ut);
        const double expected = std::round(
            (datetime_from_parts(p.year, p.month, p.day, p.hour, p.minute, p.second) - 25569) * 86400);
        EXPECT_EQ(static_cast<double>(unix_time), expected) << icaltime_as_ical_string(local);
        if (local.month == 4 || local.day >= 29)
            summer += local.hour - 1 == datetime_parts(days[i].times[k].ut, 3600).hour;
        if (++k == days[i].times.size()) ++i, k = 0;
    }
    EXPECT_EQ(count, 30u * 6);
    EXPECT_EQ(summer, 16u * 6);
}

TEST(TimeZone, AroundAChangeOfTheClocksEveryTimeIsShownAtItsOwnInstantsOffset) {
    // Paris the day before its clocks go forward, a place far west on Paris time whose evening falls after
    // the change, and Troll the day its clocks go back from 03:00 to 01:00.
    const struct {
        TPlace place;
        const char* zone;
        int year, month, day;
    } cases[] = {{{48.8566, -2.3522}, "Europe/Paris", 2026, 3, 28},
                 {{48.8566, 75}, "Europe/Paris", 2026, 3, 28},
                 {{-72.0114, -2.535}, "Antarctica/Troll", 2026, 10, 24}};
    int own_offset = 0, repeated = 0;
    for (const auto& c : cases) {
        setenv("TZ", (std::string(":") + c.zone).c_str(), 1);
        tzset();
        for (const TPrayerMethod& m : prayer_methods) {
            TPrayerOptions options;
            options.zone = c.zone;
            options.method.method = m.id;
            for (const TPrayerDay& day :
                 prayer_schedule(c.place, datetime_from_parts(c.year, c.month, c.day), 3, options))
                for (const TPrayerTime& t : day.times) {
                    // The time shown is what the clock read at that instant, and it carries its offset where
                    // the day's is another or the same reading comes twice.
                    const std::tm clock = system_clock_at(t.ut);
                    const TDateTimeParts shown = day.local(t);
                    EXPECT_EQ(shown.hour * 3600 + shown.minute * 60 + shown.second,
                              clock.tm_hour * 3600 + clock.tm_min * 60 + clock.tm_sec)
                        << c.zone << " " << m.key << " " << iso_instant(t.ut);
                    EXPECT_EQ(t.utc_offset_seconds, clock.tm_gmtoff);
                    const std::tm other = system_clock_at(t.ut + (clock.tm_gmtoff ? 1 : -1) * 7200 / 86400.0);
                    EXPECT_EQ(t.repeated, other.tm_hour == clock.tm_hour && other.tm_min == clock.tm_min &&
                                              other.tm_gmtoff != clock.tm_gmtoff);
                    own_offset += t.utc_offset_seconds != day.utc_offset_seconds;
                    repeated += t.repeated;
                }
        }
    }
    unsetenv("TZ");
    EXPECT_GT(own_offset, 0);
    EXPECT_GT(repeated, 0);
}

} // namespace
