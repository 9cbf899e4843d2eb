#include "almanac/prayer_report.h"

#include "almanac/time_zone.h"
#include "astro/qibla.h"

#include <cmath>
#include <cstdio>

namespace almanac {
namespace {

// Degrees, minutes and seconds of |angle|, rounded to the second: 36° 12' 0".
std::string dms_text(double angle) {
    const long long s = std::llround(std::fabs(angle) * 3600);
    return std::to_string(s / 3600) + "\u00b0 " + std::to_string(s / 60 % 60) + "' " +
           std::to_string(s % 60) + "\"";
}

std::string number(double v, const char* format) {
    char buf[64];
    std::snprintf(buf, sizeof buf, format, v);
    return buf;
}

bool lists_night(const TPrayerOptions& options) {
    return options.method.extra.midnight || options.method.extra.last_third;
}

} // namespace

std::vector<TPrayerDay> prayer_schedule(const TPrayerRequest& request) {
    return prayer_schedule(request.place, request.first_day, request.days, request.options);
}

TReportStyle iso_report_style(const TPrayerRequest& request) {
    TReportStyle style;
    style.date = [](astro::TDateTime date) { return iso_date(date_parts(date)); };
    style.time = [](const TDateTimeParts& p) { return iso_time(p); };
    style.skipped_day = [zone = request.options.zone](const TPrayerDay& day) {
        return iso_date(date_parts(day.date)) + " is not a day in " + zone + ": its clocks skipped it";
    };
    return style;
}

std::string shown_time(const TPrayerDay& day, const TPrayerTime& time, const TReportStyle& style) {
    const TDateTimeParts local = day.local(time);
    std::string note;
    if (style.next_day_note && day.next_day(time))
        note = style.next_day;
    else if (const double date = datetime_from_parts(local.year, local.month, local.day); date != day.date)
        note = style.date(date);
    if (day.shows_offset(time)) note += (note.empty() ? "" : " ") + offset_text(time.utc_offset_seconds);
    return style.time(local) + (note.empty() ? "" : " (" + note + ")");
}

std::string qibla_line(const TPlace& place) {
    const astro::TQibla q = astro::qibla(place.latitude, place.longitude_west);
    return "Qibla: " + number(q.direction, "%.1f") + "\u00b0 from true north, " +
           number(q.distance_km, "%.0f") + " km to the Kaaba";
}

std::string_view night_title(TNightEnd end) {
    return end == TNightEnd::dawn ? "sunset to dawn" : "sunset to sunrise";
}

std::vector<std::string> schedule_report(const TPrayerRequest& request, const std::vector<TPrayerDay>& days,
                                         const TReportStyle& style) {
    const TPlace& place = request.place;
    const TPrayerOptions& options = request.options;
    const double east = 0.0 - place.longitude_west;
    std::vector<std::string> out{
        "Prayers time for location: " + request.place_name,
        "Latitude: " + dms_text(place.latitude) + (place.latitude < 0 ? " South" : " North"),
        "Longitude: " + dms_text(east) + (east <= 0 ? " West" : " East"),
        "Local Time: " + (options.zone.empty() ? "UT" + request.tz_text : options.zone)};
    // The day-arc method keeps the report's first lines as they always were; another method is named.
    if (options.method.method != TMethodId::almadex) out.push_back("Method: " + method_title(options.method));
    if (lists_night(options))
        out.push_back("Night length: " + std::string(night_title(options.method.extra.night_end)));
    if (request.qibla) out.push_back(qibla_line(place));
    const TPrayerDay* previous = nullptr;
    for (const TPrayerDay& day : days) {
        out.emplace_back();
        if (day.skipped) {
            out.push_back(style.skipped_day(day));
            continue;
        }
        out.push_back("Date: " + style.date(day.date));
        // With a zone, the offset of the first day and of each day where it changes.
        if (!options.zone.empty() && (!previous || previous->utc_offset_seconds != day.utc_offset_seconds))
            out.push_back("UT offset: " + offset_text(day.utc_offset_seconds));
        previous = &day;
        for (const TPrayerTime& t : day.times)
            out.push_back(std::string(time_name(t, request.arabic)) + ": " + shown_time(day, t, style));
        if (day.error.empty()) continue;
        if (style.stop_at_failure) break;
        out.push_back(day.error);
    }
    return out;
}

} // namespace almanac
