#include "cli/prayer.h"

#include "almanac/data_files.h"
#include "almanac/datetime_parts.h"
#include "almanac/ics.h"
#include "almanac/prayer_alerts.h"
#include "almanac/prayer_file.h"
#include "almanac/time_zone.h"
#include "astro/qibla.h"
#include "cli/input.h"
#include "cli/places.h"

#include <cmath>
#include <cstdio>

namespace almadex::cli {
namespace {

std::string iso_date(double t) {
    return almanac::iso_date(almanac::date_parts(t));
}

std::string local_time(const almanac::TPrayerDay& day, const almanac::TPrayerTime& time) {
    return almanac::iso_time(day.local(time));
}

double longitude_east(const TPrayerRequest& r) {
    return 0.0 - r.place.longitude_west;
}

// The second names of the prayers on the command line.
constexpr std::array<std::string_view, 6> plain_keys{"fajr", "sunrise", "dhuhr", "asr", "maghrib", "isha"};

// The names --extra takes.
constexpr std::array<std::string_view, 5> extra_keys{"imsak", "midnight", "last-third", "sunset", "jumuah"};

} // namespace

double local_today(const TPrayerRequest& r, double now) {
    const std::int32_t offset = r.options.zone.empty() ? r.options.utc_offset_seconds
                                                       : almanac::TTimeZone(r.options.zone).offset_at(now);
    return std::floor(now + offset / 86400.0);
}

std::vector<almanac::TPrayerDay> prayer_days(const TPrayerRequest& r) {
    if (r.days < 1 || r.days > 3660) throw TInputError("The number of days must lie between 1 and 3660");
    for (const double day : {r.first_day, r.first_day + r.days - 1})
        check_year(almanac::date_parts(day).year, almanac::gregorian_years, "Gregorian");
    return almanac::prayer_schedule(r);
}

void parse_prayer_zone(std::string_view text, TPrayerRequest& request) {
    if (!text.empty() &&
        (text.front() == '+' || text.front() == '-' || (text.front() >= '0' && text.front() <= '9'))) {
        request.options.utc_offset_seconds = parse_time_zone(text, request.tz_text);
        request.options.zone.clear();
        return;
    }
    if (!almanac::is_time_zone(text))
        throw TInputError("Invalid time zone " + quoted(text) +
                          " (expected [+|-]HH:MM or a zone of the tz database such as Europe/Paris)");
    request.options.zone = std::string(text);
    request.options.utc_offset_seconds = 0;
    request.tz_text = std::string(text);
}

std::array<int, 6> parse_adjustments(std::string_view text) {
    std::array<int, 6> minutes{};
    const auto bad = [&](std::string_view item) {
        return TInputError("Invalid adjustment " + quoted(item) +
                           " (expected PRAYER=[+|-]MINUTES, -120..120, such as fajr=+2,isha=-1)");
    };
    for (const std::string_view item : split(text, ',')) {
        const auto eq = item.find('=');
        if (eq == std::string_view::npos) throw bad(item);
        const std::string_view key = item.substr(0, eq);
        const std::string_view value = item.substr(eq + 1);
        const auto n = is_decimal_integer(value) ? decimal_number(value) : std::nullopt;
        if (!n || std::fabs(*n) > 120) throw bad(item);
        std::size_t i = 0;
        while (i < 6 && key != plain_keys[i] && key != almanac::prayer_names[i].key) ++i;
        if (i == 6) throw bad(item);
        minutes[i] = static_cast<int>(*n);
    }
    return minutes;
}

json method_list_json() {
    json list = json::array();
    for (const auto& m : almanac::prayer_methods) {
        json offsets = json::object();
        for (std::size_t i = 0; i < 6; ++i)
            if (m.offsets[i] != 0) offsets[std::string(plain_keys[i])] = m.offsets[i];
        list.push_back({{"key", m.key},
                        {"title", m.title},
                        {"fajr_angle", m.fajr_angle},
                        {"isha_angle", m.isha_angle},
                        {"isha_minutes", m.isha_minutes},
                        {"isha_minutes_ramadan", m.isha_minutes_ramadan},
                        {"maghrib_angle", m.maghrib_angle},
                        {"seasonal", m.seasonal},
                        {"offsets", offsets},
                        {"source", m.source}});
    }
    return list;
}

std::string method_list_text() {
    std::string out;
    for (const auto& m : almanac::prayer_methods) {
        out += std::string(m.key) + ": " + std::string(m.title) + "\n    " + std::string(m.source) + "\n";
    }
    return out;
}

json prayer_json(const TPrayerRequest& r, const std::vector<almanac::TPrayerDay>& days) {
    json list = json::array();
    json skipped = json::array();
    for (const auto& d : days) {
        if (d.skipped) {
            skipped.push_back(iso_date(d.date));
            continue;
        }
        json day{{"date", iso_date(d.date)}, {"utc_offset", almanac::offset_text(d.utc_offset_seconds)}};
        if (!d.error.empty()) day["error"] = d.error;
        json offsets = json::object(), dates = json::object(), rule = json::object();
        for (const auto& t : d.times) {
            const std::string key(almanac::prayer_key(t.prayer));
            day[key] = local_time(d, t);
            if (d.shows_offset(t)) offsets[key] = almanac::offset_text(t.utc_offset_seconds);
            const std::string date = almanac::iso_date(d.local(t));
            if (date != day["date"]) dates[key] = date;
            // The times a rule placed, by the rule's name.
            if (t.rule != astro::TTimeRule::sun) rule[key] = almanac::time_rule_key(t.rule);
            if (t.jumuah) day["jumuah"] = true;
        }
        if (!offsets.empty()) day["utc_offsets"] = std::move(offsets);
        if (!dates.empty()) day["dates"] = std::move(dates);
        if (!rule.empty()) day["rule"] = std::move(rule);
        list.push_back(std::move(day));
    }
    json doc{{"latitude", r.place.latitude}, {"longitude", longitude_east(r)}};
    if (!r.place_name.empty()) doc["place"] = r.place_name;
    doc.update({{"tz", r.tz_text},
                {"method", almanac::prayer_method(r.options.method.method).key},
                {"method_title", almanac::method_title(r.options.method)},
                {"zone", r.options.zone.empty() ? json(nullptr) : json(r.options.zone)}});
    const almanac::TExtraTimes& extra = r.options.method.extra;
    if (extra.midnight || extra.last_third)
        doc["night"] = almanac::night_end_names[static_cast<std::size_t>(extra.night_end)].key;
    if (r.qibla) {
        const astro::TQibla q = astro::qibla(r.place.latitude, r.place.longitude_west);
        doc["qibla"] = {{"direction", q.direction}, {"distance_km", q.distance_km}};
    }
    doc["days"] = std::move(list);
    if (!skipped.empty()) doc["skipped_dates"] = std::move(skipped);
    return doc;
}

std::string prayer_text(const TPrayerRequest& r, const std::vector<almanac::TPrayerDay>& days) {
    std::string out;
    for (const std::string& line : almanac::schedule_report(r, days, almanac::iso_report_style(r)))
        out += line + "\n";
    return out;
}

std::string prayer_csv(const TPrayerRequest& r, const std::vector<almanac::TPrayerDay>& days) {
    almanac::TReportStyle style = almanac::iso_report_style(r);
    style.next_day_note = false; // each time with its own date
    const std::vector<almanac::TPrayer> rows = almanac::listed_prayers(r.options);
    std::string out = "date";
    for (const almanac::TPrayer p : rows) out += "," + std::string(almanac::prayer_key(p));
    out += ",error\n";
    for (const auto& d : days) {
        if (d.skipped) continue;
        out += iso_date(d.date);
        for (const almanac::TPrayer p : rows) {
            out += ",";
            // A failed day lacks some times; their columns stay empty.
            for (const auto& t : d.times)
                if (t.prayer == p) out += almanac::shown_time(d, t, style);
        }
        // Messages contain no comma or quote; quote them anyway, as CSV readers expect.
        out += d.error.empty() ? ",\n" : ",\"" + d.error + "\"\n";
    }
    return out;
}

std::vector<std::string> skipped_days(const TPrayerRequest& r, const std::vector<almanac::TPrayerDay>& days) {
    const almanac::TReportStyle style = almanac::iso_report_style(r);
    std::vector<std::string> lines;
    for (const auto& d : days)
        if (d.skipped) lines.push_back(style.skipped_day(d));
    return lines;
}

TLeftOut left_out_of_calendar(const TPrayerRequest& r, const std::vector<almanac::TPrayerDay>& days) {
    TLeftOut out;
    out.nothing_computed = true;
    const std::vector<almanac::TPrayer> rows = almanac::listed_prayers(r.options);
    for (const auto& d : days) {
        if (!d.times.empty()) out.nothing_computed = false;
        if (d.error.empty()) continue;
        std::string line = iso_date(d.date) + " left out";
        if (!d.times.empty()) {
            // The listed prayers the day lacks: after its last time ("from ... on"), or, with a method that
            // lists every time it can compute, also before it ("without ..., ...").
            std::vector<std::string_view> missing;
            bool gap = false, after_last = false;
            for (const almanac::TPrayer p : rows) {
                bool has = false;
                for (const auto& t : d.times) has = has || t.prayer == p;
                if (!has) {
                    missing.push_back(almanac::prayer_name(p, r.names));
                    if (!after_last) gap = true;
                }
                after_last = after_last || p == d.times.back().prayer;
            }
            if (!gap && !missing.empty()) {
                line += " from " + std::string(missing.front()) + " on";
            } else if (!missing.empty()) {
                line += " without";
                for (std::size_t i = 0; i < missing.size(); ++i)
                    line += (i ? ", " : " ") + std::string(missing[i]);
            }
        }
        out.lines.push_back(line + ": " + d.error);
    }
    return out;
}

void parse_extra_times(std::string_view text, almanac::TExtraTimes& extra) {
    for (const std::string_view item : split(text, ',')) {
        std::size_t i = 0;
        while (i < extra_keys.size() && item != extra_keys[i]) ++i;
        if (i == extra_keys.size())
            throw TInputError(
                "Invalid extra time " + quoted(item) +
                " (expected imsak, midnight, last-third, sunset or jumuah, separated by commas)");
        bool* const flags[] = {&extra.imsak, &extra.midnight, &extra.last_third, &extra.sunset,
                               &extra.jumuah};
        *flags[i] = true;
    }
}

almanac::TMethodChoice method_choice(const TPrayerArgs& v) {
    almanac::TMethodChoice m;
    m.method = almanac::find_prayer_method(v.method)->id;
    m.asr = static_cast<almanac::TAsrSchool>(almanac::row_of_key(almanac::asr_school_names, v.asr));
    m.high_latitude = static_cast<almanac::THighLatitudeChoice>(
        almanac::row_of_key(almanac::high_latitude_names, v.high_lat));
    m.polar = static_cast<astro::TPolarRule>(almanac::row_of_key(almanac::polar_names, v.polar));
    if (!v.adjust.empty()) m.adjust = parse_adjustments(v.adjust);
    m.dhuhr_minutes = v.dhuhr;
    m.round_to_minute = v.round == "minute";
    if (v.fajr_angle) m.custom_fajr_angle = *v.fajr_angle;
    if (v.isha_angle) m.custom_isha_angle = *v.isha_angle;
    if (v.isha_minutes) m.custom_isha_minutes = *v.isha_minutes;
    if (v.maghrib_angle) m.custom_maghrib_angle = *v.maghrib_angle;
    if ((v.fajr_angle || v.isha_angle || v.isha_minutes || v.maghrib_angle) &&
        m.method != almanac::TMethodId::custom)
        throw TInputError(
            "--fajr-angle, --isha-angle, --isha-minutes and --maghrib-angle need --method custom");
    m.islamic = v.islamic;
    if (!v.extra.empty()) parse_extra_times(v.extra, m.extra);
    m.extra.imsak_minutes = v.imsak_minutes;
    m.extra.night_end =
        static_cast<almanac::TNightEnd>(almanac::row_of_key(almanac::night_end_names, v.night));
    try {
        almanac::check_method_choice(m);
    } catch (const std::invalid_argument& e) {
        throw TInputError(e.what());
    }
    return m;
}

almanac::TPrayerNames prayer_names_of(std::string_view name) {
    for (const auto& [key, set] : almanac::prayer_name_sets)
        if (name == key) return set;
    return almanac::TPrayerNames::english;
}

TPrayerRequest prayer_request(const TPrayerArgs& v, double now) {
    TPrayerRequest request;
    if (v.city.empty()) {
        if (v.lat.empty()) throw TInputError("--lat is required (or --city)");
        if (v.lon.empty()) throw TInputError("--lon is required (or --city)");
        if (v.tz.empty()) throw TInputError("--tz is required (or --city)");
        request.place.latitude = parse_latitude(v.lat);
        request.place.longitude_west = parse_longitude_west(v.lon);
    }
    if (!v.tz.empty()) parse_prayer_zone(v.tz, request);
    if (!v.city.empty()) set_city(v.city, !v.tz.empty(), request);
    request.options.sunrise = !v.no_sunrise;
    request.options.method = method_choice(v);
    request.qibla = v.qibla;
    request.first_day = v.date.empty() ? local_today(request, now) : parse_date(v.date);
    request.days = v.days;
    request.names = prayer_names_of(v.names);
    return request;
}

std::vector<std::string> prayer_notes(const TPrayerRequest& r, const std::vector<almanac::TPrayerDay>& days,
                                      std::string_view format) {
    if (format != "csv" && format != "ics") return {};
    // Neither CSV nor a calendar has a place for a date the zone skipped, nor a calendar for a day's error.
    std::vector<std::string> notes = skipped_days(r, days);
    if (format == "ics") {
        const TLeftOut left_out = left_out_of_calendar(r, days);
        notes.insert(notes.end(), left_out.lines.begin(), left_out.lines.end());
    }
    return notes;
}

std::string prayer_output(const TPrayerRequest& r, const std::vector<almanac::TPrayerDay>& days,
                          std::string_view format, double now) {
    if (format == "json") return prayer_json(r, days).dump(2) + "\n";
    if (format == "csv") return prayer_csv(r, days);
    if (format == "text") return prayer_text(r, days);
    // A calendar without a single time is no result.
    if (left_out_of_calendar(r, days).nothing_computed)
        throw TInputError("No prayer time could be computed for these days");
    return almanac::prayer_ics(r, days, now, "almadex-cli");
}

TPrayerRequest saved_request(const std::string& path, const almanac::TIslamicChoice& islamic) {
    const almanac::TFileRead file = almanac::read_data_file(path);
    if (file.state == almanac::TFileRead::TState::missing)
        throw TInputError("No saved place: " + path +
                          " does not exist (choose a place in Almadex's prayer window, or give --lat, --lon "
                          "and --tz)");
    if (file.state == almanac::TFileRead::TState::unreadable)
        throw TInputError(path + " could not be read (" + file.reason + ")");
    const std::string text = almanac::ini_text_as_utf8(file.bytes);
    const almanac::TLocationFile location = almanac::parse_location(text);
    const almanac::TPrayerFileChoice choice = almanac::parse_prayer_choice(text);
    TPrayerRequest request;
    request.place = almanac::location_place(location);
    if (choice.zone.empty()) {
        request.options.utc_offset_seconds = almanac::location_offset_seconds(location);
        request.tz_text = almanac::offset_text(request.options.utc_offset_seconds);
    } else {
        request.options.zone = choice.zone;
        request.tz_text = choice.zone;
    }
    request.options.method = choice.method;
    request.options.method.islamic = islamic;
    return request;
}

json next_json(const TPrayerRequest& r, double now) {
    check_year(almanac::date_parts(now).year, almanac::gregorian_years, "Gregorian");
    const auto next = almanac::next_prayer(r.place, r.options, now);
    if (!next) throw TInputError("No prayer time can be computed in the next eight days at this place");
    const almanac::TDateTimeParts local = almanac::datetime_parts(next->time.ut, next->utc_offset_seconds);
    check_year(local.year, almanac::gregorian_years, "Gregorian"); // the prayer's day, as the schedules
    const std::string minute = almanac::iso_time(local).substr(0, 5);
    const double left = std::ceil((next->time.ut - now) * 1440 - 1e-6);
    const auto day = almanac::prayer_schedule(
        r.place, almanac::datetime_from_parts(local.year, local.month, local.day), 1, r.options);
    json times = json::array();
    for (const auto& t : day.front().times)
        times.push_back({{"prayer", almanac::prayer_key(t.prayer)},
                         {"name", almanac::prayer_name(t.prayer, r.names)},
                         {"time", local_time(day.front(), t)},
                         {"next", t.ut == next->time.ut}});
    json doc{{"prayer", almanac::prayer_key(next->time.prayer)},
             {"name", almanac::prayer_name(next->time.prayer, r.names)},
             {"time", minute},
             {"instant", almanac::iso_date(local) + "T" + almanac::iso_time(local)},
             {"utc_offset", almanac::offset_text(next->utc_offset_seconds)},
             {"minutes_left", static_cast<long long>(left > 0 ? left : 0)},
             {"left", almanac::time_left_text(now, next->time.ut)},
             {"date", almanac::iso_date(local)},
             {"times", times},
             {"tz", r.tz_text}};
    if (!day.front().error.empty()) doc["error"] = day.front().error;
    return doc;
}

std::string next_text(const json& next) {
    return next["name"].get<std::string>() + " " + next["time"].get<std::string>() + " - in " +
           next["left"].get<std::string>() + "\n";
}

json waybar_json(const json& next) {
    std::string tooltip = next["date"].get<std::string>();
    for (const auto& t : next["times"])
        tooltip += "\n" + std::string(t["next"].get<bool>() ? "> " : "  ") + t["name"].get<std::string>() +
                   " " + t["time"].get<std::string>().substr(0, 5);
    if (next.contains("error")) tooltip += "\n" + next["error"].get<std::string>();
    json classes = json::array({next["prayer"]});
    if (next["minutes_left"].get<long long>() <= 15) classes.push_back("soon");
    std::string text = next_text(next);
    text.pop_back(); // one line, without its end
    return {{"text", text}, {"tooltip", tooltip}, {"class", classes}};
}

} // namespace almadex::cli
