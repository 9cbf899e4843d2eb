#include "cli/ics.h"

#include "astro/calendar.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <libical/ical.h>
#include <memory>

namespace almadex::cli {
namespace {

struct ComponentDeleter {
    void operator()(icalcomponent* c) const { icalcomponent_free(c); }
};

icaltimetype utc_time(double t) {
    double day = std::floor(t);
    long long seconds = std::llround((t - day) * 86400.0);
    if (seconds >= 86400) {
        seconds -= 86400;
        day += 1;
    }
    const astro::TCalendarDate d = astro::gregorian_date_of(day);
    icaltimetype it = icaltime_null_time();
    it.year = d.year;
    it.month = d.month;
    it.day = d.day;
    it.hour = static_cast<int>(seconds / 3600);
    it.minute = static_cast<int>(seconds / 60 % 60);
    it.second = static_cast<int>(seconds % 60);
    it.is_date = 0;
    it.zone = icaltimezone_get_utc_timezone();
    return it;
}

std::string coordinate(double v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.4f", v);
    return buf;
}

} // namespace

std::string prayer_ics(const TPrayerRequest& request, const std::vector<TPrayerDay>& days, double stamp) {
    std::unique_ptr<icalcomponent, ComponentDeleter> calendar(
        icalcomponent_vanew(ICAL_VCALENDAR_COMPONENT, icalproperty_new_version("2.0"),
                            icalproperty_new_prodid("-//Almadex//almadex-cli " ALMADEX_VERSION "//EN"),
                            icalproperty_new_calscale("GREGORIAN"), static_cast<void*>(nullptr)));
    const icaltimetype dtstamp = utc_time(stamp);
    const std::string place = coordinate(request.latitude) + "_" + coordinate(request.longitude_east);
    for (const auto& day : days) {
        const icaltimetype date = utc_time(day.date);
        char ymd[16];
        std::snprintf(ymd, sizeof ymd, "%04d%02d%02d", date.year, date.month, date.day);
        for (const auto& [key, ut] : day.times) {
            // The same day, prayer and place always give the same UID, so a re-import updates the events.
            const std::string uid = std::string(ymd) + "-" + key + "-" + place + "@almadex";
            const std::string summary = prayer_name(key, request.arabic);
            icalcomponent* event = icalcomponent_vanew(
                ICAL_VEVENT_COMPONENT, icalproperty_new_uid(uid.c_str()), icalproperty_new_dtstamp(dtstamp),
                icalproperty_new_dtstart(utc_time(ut)), icalproperty_new_summary(summary.c_str()),
                icalproperty_new_geo(icalgeotype{request.latitude, request.longitude_east}),
                icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT), static_cast<void*>(nullptr));
            icalcomponent_add_component(calendar.get(), event);
        }
    }
    char* text = icalcomponent_as_ical_string_r(calendar.get());
    std::string out(text ? text : "");
    std::free(text);
    return out;
}

} // namespace almadex::cli
