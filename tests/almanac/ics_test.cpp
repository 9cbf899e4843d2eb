// The schedule as iCalendar, read back with libical: one event per computed time, its start in UTC to the
// second by the one rounding rule, the place east positive in GEO and in the UID, the chosen names, and the
// times a failed day has.
#include "almanac/datetime_parts.h"
#include "almanac/ics.h"
#include "tests/support/ics_calendar.h"

#include <cmath>
#include <gtest/gtest.h>
#include <libical/ical.h>
#include <memory>
#include <set>
#include <string>

using namespace almanac;

namespace {

struct CalendarDeleter {
    void operator()(icalcomponent* c) const { icalcomponent_free(c); }
};
using Calendar = std::unique_ptr<icalcomponent, CalendarDeleter>;

Calendar parse(const std::string& text) {
    return Calendar(icalparser_parse_string(text.c_str()));
}

std::string start_text(icalcomponent* event) {
    const icaltimetype t = icalcomponent_get_dtstart(event);
    return iso_date({t.year, t.month, t.day, 0, 0, 0, 0}) + "T" +
           iso_time({0, 0, 0, t.hour, t.minute, t.second, 0});
}

const double kStamp = datetime_from_parts(2024, 3, 15, 8, 30, 0);

TEST(Ics, OneEventPerTimeStartingAtItsSecondInUtc) {
    // Algiers, with a zone that the calendar must not apply: its times are UTC.
    TPrayerOptions options;
    options.utc_offset_seconds = 3600;
    const auto days = prayer_schedule({36.75, -3.05}, datetime_from_parts(2024, 3, 15), 30, options);
    const std::string text = ics_of({36.75, -3.05}, days, TPrayerNames::english, kStamp);
    const Calendar calendar = parse(text);
    ASSERT_NE(calendar, nullptr);
    icalrestriction_check(calendar.get());
    EXPECT_EQ(icalcomponent_count_errors(calendar.get()), 0);

    std::size_t i = 0, k = 0, count = 0;
    std::set<std::string> uids;
    for (icalcomponent* e = icalcomponent_get_first_component(calendar.get(), ICAL_VEVENT_COMPONENT); e;
         e = icalcomponent_get_next_component(calendar.get(), ICAL_VEVENT_COMPONENT), ++count) {
        ASSERT_LT(i, days.size());
        const TPrayerTime& time = days[i].times[k];
        EXPECT_TRUE(icaltime_is_utc(icalcomponent_get_dtstart(e)));
        EXPECT_EQ(start_text(e), iso_instant(time.ut));
        EXPECT_EQ(std::string(icalcomponent_get_summary(e)), prayer_name(time.prayer, TPrayerNames::english));
        uids.insert(icalcomponent_get_uid(e));
        if (++k == days[i].times.size()) ++i, k = 0;
    }
    EXPECT_EQ(count, 30u * 6);
    EXPECT_EQ(uids.size(), count);
    EXPECT_NE(text.find("UID:20240315-fedjr-36.7500_3.0500@almadex\r\n"), std::string::npos);
    EXPECT_NE(text.find("GEO:36.750000;3.050000\r\n"), std::string::npos);
    EXPECT_NE(text.find("DTSTAMP:20240315T083000Z\r\n"), std::string::npos);
}

TEST(Ics, TheSecondIsTheClocksAsInEveryOtherRendering) {
    TPrayerDay day;
    day.date = datetime_from_parts(2024, 3, 15);
    day.times = {{TPrayer::dhohr, day.date + (12 * 3600 + 56 * 60 + 33.9) / 86400.0},
                 {TPrayer::asr, day.date + (15 * 3600 + 59 * 60 + 59.9996) / 86400.0}};
    const std::string text = ics_of({0, 0}, {day}, TPrayerNames::transliterated, kStamp);
    EXPECT_NE(text.find("DTSTART:20240315T125633Z\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("DTSTART:20240315T160000Z\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("SUMMARY:El Dhohr\r\n"), std::string::npos);
    // Latitude and longitude 0 are written without a minus sign, also when they come as -0.
    const std::string zero = ics_of({-0.0, -0.0}, {day}, TPrayerNames::transliterated, kStamp);
    EXPECT_NE(zero.find("UID:20240315-dhohr-0.0000_0.0000@almadex\r\n"), std::string::npos) << zero;
    EXPECT_NE(zero.find("GEO:0.000000;0.000000\r\n"), std::string::npos) << zero;
}

TEST(Ics, AFailedDayKeepsTheTimesItHasAndAnEmptyScheduleIsAnEmptyCalendar) {
    const auto days = prayer_schedule({67.5, 0}, datetime_from_parts(2024, 12, 6), 1, {});
    ASSERT_EQ(days.front().times.size(), 2u);
    const Calendar calendar = parse(ics_of({67.5, 0}, days, TPrayerNames::english, kStamp));
    EXPECT_EQ(icalcomponent_count_components(calendar.get(), ICAL_VEVENT_COMPONENT), 2);
    const Calendar empty = parse(ics_of({67.5, 0}, {}, TPrayerNames::english, kStamp));
    ASSERT_NE(empty, nullptr);
    EXPECT_EQ(icalcomponent_count_components(empty.get(), ICAL_VEVENT_COMPONENT), 0);
}

} // namespace
