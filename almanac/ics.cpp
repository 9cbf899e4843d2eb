#include "almanac/ics.h"

#include "almanac/datetime_parts.h"
#include "almanac/time_zone.h"

#include <cstdio>
#include <cstdlib>
#include <libical/ical.h>
#include <memory>
#include <optional>
#include <stdexcept>

namespace almanac {
namespace {

struct ComponentDeleter {
    void operator()(icalcomponent* c) const { icalcomponent_free(c); }
};

// A date-time of the parts, floating (no zone) until one is set.
icaltimetype local_time(const TDateTimeParts& p) {
    icaltimetype it = icaltime_null_time();
    it.year = p.year;
    it.month = p.month;
    it.day = p.day;
    it.hour = p.hour;
    it.minute = p.minute;
    it.second = p.second;
    it.is_date = 0;
    return it;
}

icaltimetype utc_time(astro::TDateTime t) {
    icaltimetype it = local_time(datetime_parts(t));
    it.zone = icaltimezone_get_utc_timezone();
    return it;
}

// The zone's VTIMEZONE, with its transitions from `from` (a date-time value in UT) on.
icalcomponent* vtimezone(const TTimeZone& zone, astro::TDateTime from) {
    const std::string text = zone.vtimezone(from);
    icalcomponent* c = text.empty() ? nullptr : icalparser_parse_string(text.c_str());
    if (c == nullptr) throw std::invalid_argument("Unknown time zone: " + zone.name());
    return c;
}

std::string coordinate(double v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.4f", v + 0.0); // never "-0.0000"
    return buf;
}

} // namespace

std::string prayer_ics(const TPlace& place, const std::vector<TPrayerDay>& days, bool arabic,
                       astro::TDateTime stamp, const TPrayerOptions& options) {
    std::unique_ptr<icalcomponent, ComponentDeleter> calendar(
        icalcomponent_vanew(ICAL_VCALENDAR_COMPONENT, icalproperty_new_version("2.0"),
                            icalproperty_new_prodid("-//Almadex//almadex-cli " ALMADEX_VERSION "//EN"),
                            icalproperty_new_calscale("GREGORIAN"), static_cast<void*>(nullptr)));
    const icaltimetype dtstamp = utc_time(stamp);
    // Calendars (GEO, RFC 5545) count longitude east positive.
    const double longitude_east = 0.0 - place.longitude_west;
    const double latitude = place.latitude + 0.0;
    const std::string where = coordinate(latitude) + "_" + coordinate(longitude_east);
    const std::string description =
        "Method: " + method_title(options.method) + ". Local time: " + zone_title(options) + ".";
    std::optional<TTimeZone> zone;
    if (!options.zone.empty()) zone.emplace(options.zone);
    if (zone)
        icalcomponent_add_component(calendar.get(),
                                    vtimezone(*zone, days.empty() ? stamp : days.front().date - 1));
    for (const TPrayerDay& day : days) {
        const TDateTimeParts date = date_parts(day.date);
        char ymd[16];
        std::snprintf(ymd, sizeof ymd, "%04d%02d%02d", date.year, date.month, date.day);
        for (const TPrayerTime& time : day.times) {
            const std::string uid =
                std::string(ymd) + "-" + std::string(prayer_key(time.prayer)) + "-" + where + "@almadex";
            const std::string summary(prayer_name(time.prayer, arabic));
            icalproperty* start = nullptr;
            if (!zone) {
                start = icalproperty_new_dtstart(utc_time(time.ut));
            } else {
                // The local time by the offset in force at that instant, which the reader's VTIMEZONE gives
                // back.
                start =
                    icalproperty_new_dtstart(local_time(datetime_parts(time.ut, zone->offset_at(time.ut))));
                icalproperty_add_parameter(start, icalparameter_new_tzid(options.zone.c_str()));
            }
            icalcomponent* event = icalcomponent_vanew(
                ICAL_VEVENT_COMPONENT, icalproperty_new_uid(uid.c_str()), icalproperty_new_dtstamp(dtstamp),
                start, icalproperty_new_summary(summary.c_str()),
                icalproperty_new_description(description.c_str()),
                icalproperty_new_geo(icalgeotype{latitude, longitude_east}),
                icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT), static_cast<void*>(nullptr));
            icalcomponent_add_component(calendar.get(), event);
        }
    }
    char* text = icalcomponent_as_ical_string_r(calendar.get());
    std::string out(text ? text : "");
    std::free(text);
    return out;
}

} // namespace almanac
