#include "almanac/prayer_file.h"

#include "almanac/simple_ini.h"
#include "almanac/time_zone.h"

#include <charconv>
#include <cstdio>

namespace almanac {
namespace {

constexpr const char* kMethod = "Prayer method";
constexpr const char* kZone = "Prayer zone";
constexpr const char* kPlace = "Prayer place";
constexpr const char* kPlaceMethods = "Prayer place methods";

bool all_of(std::string_view s, bool (*is)(char)) {
    if (s.empty()) return false;
    for (const char c : s)
        if (!is(c)) return false;
    return true;
}
bool digit(char c) {
    return c >= '0' && c <= '9';
}
bool capital(char c) {
    return c >= 'A' && c <= 'Z';
}

// A name on one line: control characters as blanks, none around it.
std::string one_line(std::string_view name) {
    std::string out;
    for (const char c : name) out += static_cast<unsigned char>(c) < 0x20 || c == 0x7f ? ' ' : c;
    const std::size_t first = out.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return out.substr(first, out.find_last_not_of(' ') - first + 1);
}

/// The row of `key` in a table of names, or the first.
template <class Table>
std::size_t key_index(const CSimpleIniA& ini, const char* key, const Table& table) {
    const char* text = ini.GetValue(kMethod, key, nullptr);
    const std::size_t i = text ? row_of_key(table, text) : table.size();
    return i < table.size() ? i : 0;
}

/// A decimal number filling the value (spaces around it allowed) within [low, high], else `fallback`.
double number(std::string_view text, double low, double high, double fallback) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    double v = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size()) return fallback;
    return v >= low && v <= high ? v : fallback;
}

double value(const CSimpleIniA& ini, const char* key, double low, double high, double fallback) {
    const char* text = ini.GetValue(kMethod, key, nullptr);
    return text ? number(text, low, high, fallback) : fallback;
}

std::string decimal(double v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%g", v);
    return buf;
}

} // namespace

TPrayerFileChoice parse_prayer_choice(std::string_view text) {
    CSimpleIniA ini;
    load_ini(ini, text);
    TPrayerFileChoice r;
    TMethodChoice& c = r.method;
    c.method = static_cast<TMethodId>(key_index(ini, "Method", prayer_methods));
    c.asr = static_cast<TAsrSchool>(key_index(ini, "Asr", asr_school_names));
    c.high_latitude = static_cast<THighLatitudeChoice>(key_index(ini, "HighLatitude", high_latitude_names));
    c.polar = static_cast<astro::TPolarRule>(key_index(ini, "Polar", polar_names));
    c.dhuhr_minutes = static_cast<int>(value(ini, "Dhuhr", -120, 120, 0));
    // Adjust: six whole minutes, Fajr to Isha; anything else leaves them all 0.
    std::string_view adjust = ini.GetValue(kMethod, "Adjust", "");
    std::array<int, 6> minutes{};
    std::size_t count = 0;
    while (!adjust.empty() && count < 6) {
        const std::size_t comma = adjust.find(',');
        const double v = number(adjust.substr(0, comma), -120, 120, 1000);
        if (v == 1000 || v != static_cast<int>(v)) break;
        minutes[count++] = static_cast<int>(v);
        adjust = comma == std::string_view::npos ? std::string_view{} : adjust.substr(comma + 1);
    }
    if (count == 6 && adjust.empty()) c.adjust = minutes;
    c.round_to_minute = value(ini, "Round", 0, 1, 0) == 1;
    c.custom_fajr_angle = value(ini, "FajrAngle", 0, 30, c.custom_fajr_angle);
    c.custom_isha_angle = value(ini, "IshaAngle", 0, 30, c.custom_isha_angle);
    c.custom_isha_minutes = value(ini, "IshaMinutes", 0, 300, c.custom_isha_minutes);
    c.custom_maghrib_angle = value(ini, "MaghribAngle", 0, 30, c.custom_maghrib_angle);
    // The times listed besides the six: flags, Imsak's minutes and where the night ends.
    TExtraTimes& x = c.extra;
    for (const auto& [key, flag] : {std::pair{"Imsak", &x.imsak},
                                    {"Midnight", &x.midnight},
                                    {"LastThird", &x.last_third},
                                    {"Sunset", &x.sunset},
                                    {"Jumuah", &x.jumuah}})
        *flag = value(ini, key, 0, 1, 0) == 1;
    const double imsak = value(ini, "ImsakMinutes", 0, 60, x.imsak_minutes);
    if (imsak == static_cast<int>(imsak)) x.imsak_minutes = static_cast<int>(imsak);
    x.night_end = static_cast<TNightEnd>(key_index(ini, "Night", night_end_names));
    const char* zone = ini.GetValue(kZone, "Name", "");
    if (is_time_zone(zone)) r.zone = zone;
    r.place.name = one_line(ini.GetValue(kPlace, "Name", ""));
    if (!r.place.name.empty()) {
        const std::string_view country = ini.GetValue(kPlace, "Country", "");
        if (country.size() == 2 && all_of(country, capital)) r.place.country = country;
        const std::string_view id = ini.GetValue(kPlace, "Id", "");
        if (all_of(id, digit)) r.place.id = id;
    }
    CSimpleIniA::TNamesDepend keys;
    ini.GetAllKeys(kPlaceMethods, keys);
    keys.sort(CSimpleIniA::Entry::LoadOrder());
    for (const auto& key : keys) {
        const TPrayerMethod* m = find_prayer_method(ini.GetValue(kPlaceMethods, key.pItem, ""));
        if (m != nullptr) remember_method(r, key.pItem, m->id);
    }
    return r;
}

const TMethodId* remembered_method(const TPrayerFileChoice& choice, std::string_view id) {
    for (const TPlaceMethod& p : choice.place_methods)
        if (p.id == id) return &p.method;
    return nullptr;
}

void remember_method(TPrayerFileChoice& choice, std::string_view id, TMethodId method) {
    if (!all_of(id, digit)) return;
    auto& list = choice.place_methods;
    std::erase_if(list, [id](const TPlaceMethod& p) { return p.id == id; });
    list.push_back({std::string(id), method});
    if (list.size() > kept_place_methods)
        list.erase(list.begin(),
                   list.begin() + static_cast<std::ptrdiff_t>(list.size() - kept_place_methods));
}

std::string format_prayer_choice(const TPrayerFileChoice& choice) {
    std::string out;
    const TMethodChoice& c = choice.method;
    TMethodChoice plain;
    plain.islamic = c.islamic;
    if (c != plain) {
        const auto line = [&out](const char* key, std::string_view v) {
            out += key;
            out += '=';
            out += v;
            out += '\n';
        };
        out += "\n[Prayer method]\n";
        line("Method", prayer_method(c.method).key);
        line("Asr", asr_school_names.at(static_cast<std::size_t>(c.asr)).key);
        line("HighLatitude", high_latitude_names.at(static_cast<std::size_t>(c.high_latitude)).key);
        line("Polar", polar_names.at(static_cast<std::size_t>(c.polar)).key);
        line("Dhuhr", std::to_string(c.dhuhr_minutes));
        std::string adjust;
        for (std::size_t i = 0; i < c.adjust.size(); ++i)
            adjust += (i ? "," : "") + std::to_string(c.adjust[i]);
        line("Adjust", adjust);
        line("Round", c.round_to_minute ? "1" : "0");
        line("FajrAngle", decimal(c.custom_fajr_angle));
        line("IshaAngle", decimal(c.custom_isha_angle));
        line("IshaMinutes", decimal(c.custom_isha_minutes));
        line("MaghribAngle", decimal(c.custom_maghrib_angle));
        const TExtraTimes& x = c.extra;
        for (const auto& [key, flag] : {std::pair{"Imsak", x.imsak},
                                        {"Midnight", x.midnight},
                                        {"LastThird", x.last_third},
                                        {"Sunset", x.sunset},
                                        {"Jumuah", x.jumuah}})
            line(key, flag ? "1" : "0");
        line("ImsakMinutes", std::to_string(x.imsak_minutes));
        line("Night", night_end_names.at(static_cast<std::size_t>(x.night_end)).key);
    }
    if (!choice.zone.empty()) out += "\n[Prayer zone]\nName=" + choice.zone + "\n";
    const std::string name = one_line(choice.place.name);
    if (!name.empty()) {
        out += "\n[Prayer place]\nName=" + name + "\n";
        if (!choice.place.country.empty()) out += "Country=" + choice.place.country + "\n";
        if (!choice.place.id.empty()) out += "Id=" + choice.place.id + "\n";
    }
    if (!choice.place_methods.empty()) {
        out += "\n[Prayer place methods]\n";
        for (const TPlaceMethod& p : choice.place_methods)
            out += p.id + "=" + std::string(prayer_method(p.method).key) + "\n";
    }
    return out;
}

} // namespace almanac
