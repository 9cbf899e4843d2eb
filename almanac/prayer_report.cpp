#include "almanac/prayer_report.h"

#include "almanac/time_zone.h"
#include "astro/qibla.h"

#include <cmath>
#include <cstdio>
#include <utility>

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

// The style's words for an English text.
std::string word(const TReportStyle& style, std::string_view context, std::string_view text) {
    return style.translate ? style.translate(context, text) : std::string(text);
}

// `pattern` with its %1 and %2 replaced.
std::string filled(std::string pattern, const std::string& first, const std::string& second) {
    for (const auto& [marker, value] : {std::pair{"%1", &first}, std::pair{"%2", &second}})
        if (const std::size_t at = pattern.find(marker); at != std::string::npos)
            pattern.replace(at, 2, *value);
    return pattern;
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

std::string qibla_line(const TPlace& place, const TReportStyle& style) {
    const astro::TQibla q = astro::qibla(place.latitude, place.longitude_west);
    return filled(
        word(style, "Report", ALMADEX_NAME("Report", "Qibla: %1\u00b0 from true north, %2 km to the Kaaba")),
        number(q.direction, "%.1f"), number(q.distance_km, "%.0f"));
}

std::string_view night_title(TNightEnd end) {
    return end == TNightEnd::dawn ? ALMADEX_NAME("Report", "sunset to dawn")
                                  : ALMADEX_NAME("Report", "sunset to sunrise");
}

std::vector<std::string> schedule_report(const TPrayerRequest& request, const std::vector<TPrayerDay>& days,
                                         const TReportStyle& style) {
    const TPlace& place = request.place;
    const TPrayerOptions& options = request.options;
    const double east = 0.0 - place.longitude_west;
    const auto w = [&style](std::string_view text) { return word(style, "Report", text); };
    std::vector<std::string> out{
        w(ALMADEX_NAME("Report", "Prayers time for location: ")) + request.place_name,
        w(ALMADEX_NAME("Report", "Latitude: ")) + dms_text(place.latitude) + " " +
            (place.latitude < 0 ? w(ALMADEX_NAME("Report", "South")) : w(ALMADEX_NAME("Report", "North"))),
        w(ALMADEX_NAME("Report", "Longitude: ")) + dms_text(east) + " " +
            (east <= 0 ? w(ALMADEX_NAME("Report", "West")) : w(ALMADEX_NAME("Report", "East"))),
        w(ALMADEX_NAME("Report", "Local Time: ")) +
            (options.zone.empty() ? w(ALMADEX_NAME("Report", "UT")) + request.tz_text : options.zone)};
    // The day-arc method keeps the report's first lines as they always were; another method is named.
    if (options.method.method != TMethodId::almadex)
        out.push_back(w(ALMADEX_NAME("Report", "Method: ")) +
                      (options.method.method == TMethodId::custom
                           ? method_title(options.method)
                           : word(style, "Prayer method", prayer_method(options.method.method).title)));
    if (lists_night(options))
        out.push_back(w(ALMADEX_NAME("Report", "Night length: ")) +
                      w(night_title(options.method.extra.night_end)));
    if (request.qibla) out.push_back(qibla_line(place, style));
    const TPrayerDay* previous = nullptr;
    for (const TPrayerDay& day : days) {
        out.emplace_back();
        if (day.skipped) {
            out.push_back(style.skipped_day(day));
            continue;
        }
        out.push_back(w(ALMADEX_NAME("Report", "Date: ")) + style.date(day.date));
        // With a zone, the offset of the first day and of each day where it changes.
        if (!options.zone.empty() && (!previous || previous->utc_offset_seconds != day.utc_offset_seconds))
            out.push_back(w(ALMADEX_NAME("Report", "UT offset: ")) + offset_text(day.utc_offset_seconds));
        previous = &day;
        for (const TPrayerTime& t : day.times) {
            const std::string_view name = time_name(t, request.names);
            out.push_back(
                (request.names == TPrayerNames::english ? word(style, "Prayer", name) : std::string(name)) +
                w(ALMADEX_NAME("Report", ": ")) + shown_time(day, t, style));
        }
        if (day.error.empty()) continue;
        if (style.stop_at_failure) break;
        out.push_back(day.error);
    }
    return out;
}

} // namespace almanac
