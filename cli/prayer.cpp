#include "cli/prayer.h"

#include "almanac/datetime_parts.h"

#include <cmath>

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

// Degrees, minutes and seconds of |angle|, rounded to the second.
std::string dms_text(double angle) {
    const long long s = std::llround(std::fabs(angle) * 3600);
    return std::to_string(s / 3600) + "\u00b0 " + std::to_string(s / 60 % 60) + "' " +
           std::to_string(s % 60) + "\"";
}

bool listed(const TPrayerRequest& r, const almanac::TPrayerName& p) {
    return r.options.sunrise || p.prayer != almanac::TPrayer::shourouk;
}

} // namespace

std::vector<almanac::TPrayerDay> prayer_days(const TPrayerRequest& r) {
    if (r.days < 1 || r.days > 3660) throw TInputError("The number of days must lie between 1 and 3660");
    for (const double day : {r.date, r.date + r.days - 1})
        check_year(almanac::date_parts(day).year, almanac::gregorian_years, "Gregorian");
    return almanac::prayer_schedule(r.place, r.date, r.days, r.options);
}

json prayer_json(const TPrayerRequest& r, const std::vector<almanac::TPrayerDay>& days) {
    json list = json::array();
    for (const auto& d : days) {
        json day{{"date", iso_date(d.date)}};
        if (!d.error.empty()) day["error"] = d.error;
        for (const auto& t : d.times) day[std::string(almanac::prayer_key(t.prayer))] = local_time(d, t);
        list.push_back(std::move(day));
    }
    return json{
        {"latitude", r.place.latitude}, {"longitude", longitude_east(r)}, {"tz", r.tz_text}, {"days", list}};
}

std::string prayer_text(const TPrayerRequest& r, const std::vector<almanac::TPrayerDay>& days) {
    const double east = longitude_east(r);
    std::string out = "Prayers time for location: \n";
    out +=
        "Latitude: " + dms_text(r.place.latitude) + " " + (r.place.latitude < 0 ? "South" : "North") + "\n";
    out += "Longitude: " + dms_text(east) + " " + (east <= 0 ? "West" : "East") + "\n";
    out += "Local Time: UT" + r.tz_text + "\n";
    for (const auto& d : days) {
        out += "\nDate: " + iso_date(d.date) + "\n";
        for (const auto& t : d.times)
            out += std::string(almanac::prayer_name(t.prayer, r.arabic)) + ": " + local_time(d, t) + "\n";
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
        out += iso_date(d.date);
        std::size_t column = 0;
        for (const auto& p : almanac::prayer_names) {
            if (!listed(r, p)) continue;
            out += ",";
            // A failed day has the times before its failure; the other columns stay empty.
            if (column < d.times.size() && d.times[column].prayer == p.prayer)
                out += local_time(d, d.times[column++]);
        }
        // Messages contain no comma or quote; quote them anyway, as CSV readers expect.
        out += d.error.empty() ? ",\n" : ",\"" + d.error + "\"\n";
    }
    return out;
}

TLeftOut left_out_of_calendar(const TPrayerRequest& r, const std::vector<almanac::TPrayerDay>& days) {
    TLeftOut out;
    out.nothing_computed = true;
    for (const auto& d : days) {
        if (!d.times.empty()) out.nothing_computed = false;
        if (d.error.empty()) continue;
        std::string line = iso_date(d.date) + " left out";
        if (!d.times.empty()) {
            // The first listed prayer after the last time the day has.
            bool after_last = false;
            for (const auto& p : almanac::prayer_names) {
                if (!listed(r, p)) continue;
                if (after_last) {
                    line += " from " + std::string(almanac::prayer_name(p.prayer, r.arabic)) + " on";
                    break;
                }
                after_last = p.prayer == d.times.back().prayer;
            }
        }
        out.lines.push_back(line + ": " + d.error);
    }
    return out;
}

} // namespace almadex::cli
