#include "almanac/ics.h"

#include "almanac/datetime_parts.h"
#include "almanac/time_zone.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <libical/ical.h>
#include <memory>
#include <optional>
#include <stdexcept>
#include <vector>

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

constexpr double seconds_per_day = 86400;

// The instant at the whole second a clock shows for it.
astro::TDateTime shown_second(astro::TDateTime t) {
    TDateTimeParts p = datetime_parts(t);
    p.millisecond = 0;
    return datetime_from_parts(p);
}

// An observance of the zone from a change of its clocks on: its onset on the clock before the change.
icalcomponent* observance(const TZoneChange& c) {
    return icalcomponent_vanew(
        c.daylight_after ? ICAL_XDAYLIGHT_COMPONENT : ICAL_XSTANDARD_COMPONENT,
        icalproperty_new_dtstart(local_time(datetime_parts(c.ut, c.offset_before))),
        icalproperty_new_tzoffsetfrom(c.offset_before), icalproperty_new_tzoffsetto(c.offset_after),
        icalproperty_new_tzname(c.abbreviation_after.c_str()), static_cast<void*>(nullptr));
}

// The zone's VTIMEZONE over the instants first..last: the observance in force at `first` from the change
// that began it (from the local date of `first` on, with no change before it), then one per change.
icalcomponent* vtimezone(const TTimeZone& zone, astro::TDateTime first, astro::TDateTime last) {
    icalcomponent* c = icalcomponent_vanew(
        ICAL_VTIMEZONE_COMPONENT, icalproperty_new_tzid(zone.name().c_str()), static_cast<void*>(nullptr));
    std::vector<TZoneChange> changes = zone.changes(first, last);
    if (changes.empty() || changes.front().ut > first) {
        const std::int32_t offset = zone.offset_at(first);
        const double midnight = std::floor(first + offset / seconds_per_day) - offset / seconds_per_day;
        changes.insert(changes.begin(), {midnight, offset, offset, false, zone.abbreviation_at(first)});
    }
    // Readers take the daylight saving from the standard time around it: a span of daylight time alone gets
    // the standard observance before it too.
    const auto standard = [](const TZoneChange& change) { return !change.daylight_after; };
    while (std::none_of(changes.begin(), changes.end(), standard)) {
        const double before = changes.front().ut - 1 / seconds_per_day;
        const std::vector<TZoneChange> earlier = zone.changes(before, before);
        if (earlier.empty()) break;
        changes.insert(changes.begin(), earlier.front());
    }
    for (const TZoneChange& change : changes) icalcomponent_add_component(c, observance(change));
    return c;
}

// DTSTART or DTEND of an instant: its local time with the zone's TZID, or UTC without a zone and where that
// local time occurs twice.
template <class New>
icalproperty* event_time(New make, astro::TDateTime t, const TTimeZone* zone) {
    if (zone == nullptr || zone->repeated_at(t)) return make(utc_time(t));
    icalproperty* p = make(local_time(datetime_parts(t, zone->offset_at(t))));
    icalproperty_add_parameter(p, icalparameter_new_tzid(zone->name().c_str()));
    return p;
}

std::string coordinate(double v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.4f", v + 0.0); // never "-0.0000"
    return buf;
}

} // namespace

std::string prayer_ics(const TPrayerRequest& request, const std::vector<TPrayerDay>& days,
                       astro::TDateTime stamp, std::string_view program) {
    const TPlace& place = request.place;
    const TPrayerOptions& options = request.options;
    const std::string product = "-//Almadex//" + std::string(program) + " " ALMADEX_VERSION "//EN";
    std::unique_ptr<icalcomponent, ComponentDeleter> calendar(icalcomponent_vanew(
        ICAL_VCALENDAR_COMPONENT, icalproperty_new_version("2.0"), icalproperty_new_prodid(product.c_str()),
        icalproperty_new_calscale("GREGORIAN"), static_cast<void*>(nullptr)));
    const icaltimetype dtstamp = utc_time(stamp);
    // Calendars (GEO, RFC 5545) count longitude east positive.
    const double longitude_east = 0.0 - place.longitude_west;
    const double latitude = place.latitude + 0.0;
    const std::string where = coordinate(latitude) + "_" + coordinate(longitude_east);
    const std::string description =
        "Method: " + method_title(options.method) + ". Local time: " + zone_title(options) + ".";
    const std::string night_description =
        description + " Night: " + std::string(night_title(options.method.extra.night_end)) + ".";
    std::optional<TTimeZone> zone;
    if (!options.zone.empty()) zone.emplace(options.zone);
    constexpr double minute = 60 / seconds_per_day;
    // The zone's rules over the events' span, from the first start to the last end.
    double first = 0, last = 0;
    bool any = false;
    for (const TPrayerDay& day : days)
        for (const TPrayerTime& time : day.times) {
            const double start = shown_second(time.ut);
            first = any ? std::min(first, start) : start;
            last = any ? std::max(last, start + minute) : start + minute;
            any = true;
        }
    if (zone && any) icalcomponent_add_component(calendar.get(), vtimezone(*zone, first, last));
    const TTimeZone* rules = zone ? &*zone : nullptr;
    for (const TPrayerDay& day : days) {
        const TDateTimeParts date = date_parts(day.date);
        char ymd[16];
        std::snprintf(ymd, sizeof ymd, "%04d%02d%02d", date.year, date.month, date.day);
        for (const TPrayerTime& time : day.times) {
            const std::string uid =
                std::string(ymd) + "-" + std::string(prayer_key(time.prayer)) + "-" + where + "@almadex";
            const std::string summary(time_name(time, request.names));
            const double start = shown_second(time.ut);
            icalcomponent* event = icalcomponent_vanew(
                ICAL_VEVENT_COMPONENT, icalproperty_new_uid(uid.c_str()), icalproperty_new_dtstamp(dtstamp),
                event_time(icalproperty_new_dtstart, start, rules),
                event_time(icalproperty_new_dtend, start + minute, rules),
                icalproperty_new_summary(summary.c_str()),
                icalproperty_new_description(
                    (night_time(time.prayer) ? night_description : description).c_str()),
                icalproperty_new_geo(icalgeotype{latitude, longitude_east}),
                icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT), static_cast<void*>(nullptr));
            if (!request.place_name.empty())
                icalcomponent_add_property(event, icalproperty_new_location(request.place_name.c_str()));
            icalcomponent_add_component(calendar.get(), event);
        }
    }
    char* text = icalcomponent_as_ical_string_r(calendar.get());
    std::string out(text ? text : "");
    std::free(text);
    return out;
}

} // namespace almanac
