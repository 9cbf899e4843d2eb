#include "almanac/prayer_file.h"

#include "almanac/simple_ini.h"
#include "almanac/time_zone.h"

#include <charconv>
#include <cstdio>

namespace almanac {
namespace {

constexpr const char* kMethod = "Prayer method";
constexpr const char* kZone = "Prayer zone";

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
    const char* zone = ini.GetValue(kZone, "Name", "");
    if (is_time_zone(zone)) r.zone = zone;
    return r;
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
    }
    if (!choice.zone.empty()) out += "\n[Prayer zone]\nName=" + choice.zone + "\n";
    return out;
}

} // namespace almanac
