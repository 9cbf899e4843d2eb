#include "almanac/time_zone.h"

#include "almanac/datetime_parts.h"

#include <algorithm>
#include <cctz/civil_time.h>
#include <cctz/time_zone.h>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <stdexcept>

namespace almanac {

struct TTimeZone::TRules {
    cctz::time_zone zone;
};

namespace {

using seconds_point = cctz::time_point<cctz::seconds>;

constexpr double seconds_per_day = 86400;

// The second of UT of the instant rounded to the millisecond: the second a clock shows for it (see
// datetime_parts).
seconds_point instant(astro::TDateTime ut) {
    const double day = std::floor(ut);
    const std::int64_t ms = std::llround((ut - day) * seconds_per_day * 1000);
    return seconds_point(cctz::seconds(static_cast<std::int64_t>(day - unix_epoch) * 86400 + ms / 1000));
}

astro::TDateTime datetime(seconds_point p) {
    return from_unix_seconds(static_cast<double>(p.time_since_epoch().count()));
}

// The civil time of a date-time value's day at `hour`.
cctz::civil_second civil_day(astro::TDateTime day, int hour) {
    const auto days = static_cast<std::int64_t>(std::floor(day) - unix_epoch);
    return cctz::civil_second(cctz::civil_day(1970, 1, 1) + days) + hour * 3600;
}

// The first instant of a local civil time: the earlier of a repeated one, the change of a skipped one.
seconds_point first_instant(const cctz::time_zone& zone, const cctz::civil_second& cs) {
    const cctz::time_zone::civil_lookup l = zone.lookup(cs);
    return l.kind == cctz::time_zone::civil_lookup::SKIPPED ? l.trans : l.pre;
}

// The instant of a change: the earlier of the clock readings around it is skipped or repeated from there
// (or, where only the name or the daylight flag changed, is the change itself).
seconds_point change_instant(const cctz::time_zone& zone, const cctz::time_zone::civil_transition& t) {
    return zone.lookup(std::min(t.from, t.to)).trans;
}

// Where the database lies: TZDIR as the library reads it, else the system's folder.
std::filesystem::path zone_folder() {
    const char* dir = std::getenv("TZDIR");
    return dir && *dir ? dir : "/usr/share/zoneinfo";
}

// A name as the tz database writes them: parts of letters, digits, '_', '-', '+' and '.', separated by '/',
// none empty, "." or "..", none starting with '-'.
bool well_formed(std::string_view name) {
    if (name.empty() || name.size() > 255) return false;
    std::size_t start = 0;
    while (start <= name.size()) {
        const std::size_t end = std::min(name.find('/', start), name.size());
        const std::string_view part = name.substr(start, end - start);
        if (part.empty() || part == "." || part == ".." || part.front() == '-') return false;
        for (const char c : part)
            if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' ||
                  c == '-' || c == '+' || c == '.'))
                return false;
        start = end + 1;
    }
    return true;
}

// The zone of a name of the database, else none.
bool load_zone(std::string_view name, cctz::time_zone& zone) {
    if (!well_formed(name)) return false;
    // Not zones of places: the variants with leap seconds or without them, the unset zone, the link to the
    // system's own setting and the rules of POSIX strings.
    for (const std::string_view folder : {"posix/", "right/"})
        if (name.substr(0, folder.size()) == folder) return false;
    for (const std::string_view other : {"Factory", "localtime", "posixrules"})
        if (name == other) return false;
    // Only a file of the database is asked for (the library keeps every name it was asked for).
    std::error_code error;
    if (!std::filesystem::is_regular_file(zone_folder() / std::string(name), error)) return false;
    return cctz::load_time_zone(std::string(name), &zone);
}

std::string first_line(const std::filesystem::path& file) {
    std::ifstream in(file);
    std::string line;
    std::getline(in, line);
    return line;
}

} // namespace

TTimeZone::TTimeZone(std::string_view name) : name_(name) {
    TRules rules;
    if (!load_zone(name, rules.zone)) throw std::invalid_argument("Unknown time zone: " + std::string(name));
    rules_ = std::make_shared<const TRules>(rules);
}

std::int32_t TTimeZone::offset_at(astro::TDateTime ut) const {
    return rules_->zone.lookup(instant(ut)).offset;
}

std::string TTimeZone::abbreviation_at(astro::TDateTime ut) const {
    return rules_->zone.lookup(instant(ut)).abbr;
}

std::int32_t TTimeZone::offset_on_day(astro::TDateTime day) const {
    const cctz::time_zone& zone = rules_->zone;
    return zone.lookup(first_instant(zone, civil_day(day, 12))).offset;
}

bool TTimeZone::has_day(astro::TDateTime day) const {
    const cctz::time_zone& zone = rules_->zone;
    return first_instant(zone, civil_day(day, 0)) < first_instant(zone, civil_day(day + 1, 0));
}

bool TTimeZone::repeated_at(astro::TDateTime ut) const {
    const cctz::time_zone& zone = rules_->zone;
    return zone.lookup(zone.lookup(instant(ut)).cs).kind == cctz::time_zone::civil_lookup::REPEATED;
}

std::vector<TZoneChange> TTimeZone::changes(astro::TDateTime from, astro::TDateTime to) const {
    const cctz::time_zone& zone = rules_->zone;
    std::vector<TZoneChange> out;
    const auto add = [&](const cctz::time_zone::civil_transition& t) {
        const seconds_point at = change_instant(zone, t);
        const cctz::time_zone::absolute_lookup after = zone.lookup(at);
        out.push_back({datetime(at), zone.lookup(at - cctz::seconds(1)).offset, after.offset, after.is_dst,
                       after.abbr});
        return at;
    };
    cctz::time_zone::civil_transition t;
    const seconds_point start = instant(from);
    if (zone.prev_transition(start + cctz::seconds(1), &t)) add(t);
    const seconds_point end = instant(to);
    for (seconds_point p = start; zone.next_transition(p, &t);) {
        if (change_instant(zone, t) > end) break;
        p = add(t);
    }
    return out;
}

bool is_time_zone(std::string_view name) {
    cctz::time_zone zone;
    return load_zone(name, zone);
}

std::string system_time_zone() {
    std::string name;
    if (const char* tz = std::getenv("TZ"); tz && *tz) {
        name = tz[0] == ':' ? tz + 1 : tz;
    } else {
        std::error_code error;
        const std::filesystem::path target = std::filesystem::read_symlink("/etc/localtime", error);
        const std::string link = error ? std::string() : target.lexically_normal().string();
        const std::size_t at = link.find("zoneinfo/");
        name = at != std::string::npos ? link.substr(at + 9) : first_line("/etc/timezone");
    }
    return is_time_zone(name) ? name : "";
}

std::vector<std::string> time_zone_names() {
    std::set<std::string> names;
    for (const char* table : {"zone1970.tab", "zone.tab"}) {
        // Tab-separated: countries, coordinates, the zone's name, comments; '#' starts a comment line.
        std::ifstream in(zone_folder() / table);
        for (std::string line; std::getline(in, line);) {
            if (line.empty() || line.front() == '#') continue;
            const std::size_t a = line.find('\t');
            const std::size_t b = a == std::string::npos ? a : line.find('\t', a + 1);
            if (b == std::string::npos) continue;
            const std::string name = line.substr(b + 1, line.find('\t', b + 1) - b - 1);
            if (is_time_zone(name)) names.insert(name);
        }
    }
    return {names.begin(), names.end()};
}

std::string offset_text(std::int32_t seconds) {
    const long minutes = std::labs(static_cast<long>(seconds)) / 60;
    char buf[16];
    std::snprintf(buf, sizeof buf, "%c%02ld:%02ld", seconds < 0 ? '-' : '+', minutes / 60, minutes % 60);
    return buf;
}

} // namespace almanac
