#include "cli/prayer.h"

#include "almanac/data_files.h"
#include "almanac/datetime_parts.h"
#include "almanac/prayer_alerts.h"
#include "almanac/prayer_file.h"
#include "almanac/time_zone.h"
#include "astro/qibla.h"

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

// The time as text and CSV show it, with what its day does not tell after it: its date when it falls on
// another, its own offset where the day's is not its clock's or where its local time occurs twice
// ("03:15:19 (+02:00)", "00:15:19 (2026-03-29)").
std::string shown_time(const almanac::TPrayerDay& day, const almanac::TPrayerTime& time) {
    const almanac::TDateTimeParts local = day.local(time);
    std::string note;
    if (const std::string date = almanac::iso_date(local); date != iso_date(day.date)) note = date;
    if (day.shows_offset(time))
        note += (note.empty() ? "" : " ") + almanac::offset_text(time.utc_offset_seconds);
    return almanac::iso_time(local) + (note.empty() ? "" : " (" + note + ")");
}

double longitude_east(const TPrayerRequest& r) {
    return 0.0 - r.place.longitude_west;
}

// Degrees, minutes and seconds of |angle|, rounded to the second.
std::string dms_text(double angle) {
    const long long s = std::llround(std::fabs(angle) * 3600);
    return std::to_string(s / 3600) + "\u00b0 " + std::to_string(s / 60 % 60) + "' " +
           std::to_string(s % 60) + "\"";
}

bool listed(const TPrayerRequest& r, const almanac::TPrayerName& p) {
    return r.options.sunrise || p.prayer != almanac::TPrayer::shourouk;
}

std::string number(double v, const char* format) {
    char buf[64];
    std::snprintf(buf, sizeof buf, format, v);
    return buf;
}

std::string qibla_text(const TPrayerRequest& r) {
    const astro::TQibla q = astro::qibla(r.place.latitude, r.place.longitude_west);
    return "Qibla: " + number(q.direction, "%.1f") + "\u00b0 from true north, " +
           number(q.distance_km, "%.0f") + " km to the Kaaba\n";
}

// The second names of the prayers on the command line.
constexpr std::array<std::string_view, 6> plain_keys{"fajr", "sunrise", "dhuhr", "asr", "maghrib", "isha"};

} // namespace

double local_today(const TPrayerRequest& r, double now) {
    const std::int32_t offset = r.options.zone.empty() ? r.options.utc_offset_seconds
                                                       : almanac::TTimeZone(r.options.zone).offset_at(now);
    return std::floor(now + offset / 86400.0);
}

std::vector<almanac::TPrayerDay> prayer_days(const TPrayerRequest& r) {
    if (r.days < 1 || r.days > 3660) throw TInputError("The number of days must lie between 1 and 3660");
    for (const double day : {r.date, r.date + r.days - 1})
        check_year(almanac::date_parts(day).year, almanac::gregorian_years, "Gregorian");
    return almanac::prayer_schedule(r.place, r.date, r.days, r.options);
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

std::string skipped_day_text(const TPrayerRequest& r, const almanac::TPrayerDay& day) {
    return iso_date(day.date) + " is not a day in " + r.options.zone + ": its clocks skipped it";
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
        json offsets = json::object(), dates = json::object();
        for (const auto& t : d.times) {
            const std::string key(almanac::prayer_key(t.prayer));
            day[key] = local_time(d, t);
            if (d.shows_offset(t)) offsets[key] = almanac::offset_text(t.utc_offset_seconds);
            const std::string date = almanac::iso_date(d.local(t));
            if (date != day["date"]) dates[key] = date;
        }
        if (!offsets.empty()) day["utc_offsets"] = std::move(offsets);
        if (!dates.empty()) day["dates"] = std::move(dates);
        // The times a rule placed, by the rule's name.
        json rule = json::object();
        for (const auto& t : d.times)
            if (t.rule != astro::TTimeRule::sun)
                rule[std::string(almanac::prayer_key(t.prayer))] = almanac::time_rule_key(t.rule);
        if (!rule.empty()) day["rule"] = std::move(rule);
        list.push_back(std::move(day));
    }
    json doc{{"latitude", r.place.latitude},
             {"longitude", longitude_east(r)},
             {"tz", r.tz_text},
             {"method", almanac::prayer_method(r.options.method.method).key},
             {"method_title", almanac::method_title(r.options.method)},
             {"zone", r.options.zone.empty() ? json(nullptr) : json(r.options.zone)}};
    if (r.qibla) {
        const astro::TQibla q = astro::qibla(r.place.latitude, r.place.longitude_west);
        doc["qibla"] = {{"direction", q.direction}, {"distance_km", q.distance_km}};
    }
    doc["days"] = std::move(list);
    if (!skipped.empty()) doc["skipped_dates"] = std::move(skipped);
    return doc;
}

std::string prayer_text(const TPrayerRequest& r, const std::vector<almanac::TPrayerDay>& days) {
    const double east = longitude_east(r);
    std::string out = "Prayers time for location: \n";
    out +=
        "Latitude: " + dms_text(r.place.latitude) + " " + (r.place.latitude < 0 ? "South" : "North") + "\n";
    out += "Longitude: " + dms_text(east) + " " + (east <= 0 ? "West" : "East") + "\n";
    out +=
        r.options.zone.empty() ? "Local Time: UT" + r.tz_text + "\n" : "Local Time: " + r.options.zone + "\n";
    if (r.options.method.method != almanac::TMethodId::almadex)
        out += "Method: " + almanac::method_title(r.options.method) + "\n";
    if (r.qibla) out += qibla_text(r);
    const almanac::TPrayerDay* previous = nullptr;
    for (const auto& d : days) {
        if (d.skipped) {
            out += "\n" + skipped_day_text(r, d) + "\n";
            continue;
        }
        out += "\nDate: " + iso_date(d.date) + "\n";
        if (!r.options.zone.empty() && (!previous || previous->utc_offset_seconds != d.utc_offset_seconds))
            out += "UT offset: " + almanac::offset_text(d.utc_offset_seconds) + "\n";
        previous = &d;
        for (const auto& t : d.times)
            out += std::string(almanac::prayer_name(t.prayer, r.names)) + ": " + shown_time(d, t) + "\n";
        if (!d.error.empty()) out += d.error + "\n";
    }
    return out;
}

std::string prayer_csv(const TPrayerRequest& r, const std::vector<almanac::TPrayerDay>& days) {
    std::string out = "date";
    for (const auto& p : almanac::prayer_names)
        if (listed(r, p)) out += "," + std::string(p.key);
    out += ",error\n";
    for (const auto& d : days) {
        if (d.skipped) continue;
        out += iso_date(d.date);
        std::size_t column = 0;
        for (const auto& p : almanac::prayer_names) {
            if (!listed(r, p)) continue;
            out += ",";
            // A failed day has the times before its failure; the other columns stay empty.
            if (column < d.times.size() && d.times[column].prayer == p.prayer)
                out += shown_time(d, d.times[column++]);
        }
        // Messages contain no comma or quote; quote them anyway, as CSV readers expect.
        out += d.error.empty() ? ",\n" : ",\"" + d.error + "\"\n";
    }
    return out;
}

std::vector<std::string> skipped_days(const TPrayerRequest& r, const std::vector<almanac::TPrayerDay>& days) {
    std::vector<std::string> lines;
    for (const auto& d : days)
        if (d.skipped) lines.push_back(skipped_day_text(r, d));
    return lines;
}

TLeftOut left_out_of_calendar(const TPrayerRequest& r, const std::vector<almanac::TPrayerDay>& days) {
    TLeftOut out;
    out.nothing_computed = true;
    for (const auto& d : days) {
        if (!d.times.empty()) out.nothing_computed = false;
        if (d.error.empty()) continue;
        std::string line = iso_date(d.date) + " left out";
        if (!d.times.empty()) {
            // The listed prayers the day lacks: after its last time ("from ... on"), or, with a method that
            // lists every time it can compute, also before it ("without ..., ...").
            std::vector<std::string_view> missing;
            bool gap = false, after_last = false;
            for (const auto& p : almanac::prayer_names) {
                if (!listed(r, p)) continue;
                bool has = false;
                for (const auto& t : d.times) has = has || t.prayer == p.prayer;
                if (!has) {
                    missing.push_back(almanac::prayer_name(p.prayer, r.names));
                    if (!after_last) gap = true;
                }
                after_last = after_last || p.prayer == d.times.back().prayer;
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
                         {"next", t.prayer == next->time.prayer}});
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
