#include "cli/text.h"

#include "almanac/islamic.h"

#include <cstdio>

namespace almadex::cli {
namespace {

std::string num(const json& v, int decimals) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*f", decimals, v.get<double>());
    return buf;
}

std::string str(const json& v) {
    return v.is_string() ? v.get<std::string>() : v.dump();
}

std::string when(const json& instant) {
    return instant.contains("error") ? str(instant["error"]) : str(instant["iso"]);
}

std::string line(const std::string& label, const std::string& value) {
    std::string padded = label + ":";
    padded.resize(std::max<std::size_t>(padded.size() + 1, 20), ' ');
    return padded + value + "\n";
}

} // namespace

std::string day_text(const json& d) {
    std::string out;
    if (d.contains("feast")) out += line("Feast", str(d["feast"]));
    const auto& g = d["gregorian"];
    char buf[32];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", g["year"].get<int>(), g["month"].get<int>(),
                  g["day"].get<int>());
    out += line("Gregorian", std::string(buf) + (d["leap_year"].get<bool>() ? " (leap year)" : ""));
    const auto& i = d["islamic"];
    std::string islamic = str(i["day"]) + " " + str(i["month_name"]) + " " + str(i["year"]);
    // The calendar followed and the adjustment, when they are not the default ones.
    std::string qualifier = str(i["calendar"]) == "moon" ? "" : str(i["calendar"]);
    if (const int adjust = i["hijri_adjust"].get<int>(); adjust != 0)
        qualifier += (qualifier.empty() ? "" : ", ") + almanac::hijri_adjust_text(adjust);
    if (!qualifier.empty()) islamic += " (" + qualifier + ")";
    out += line("Islamic", islamic);
    if (i.contains("note")) out += line("Note", str(i["note"]));
    const auto& h = d["hebrew"];
    out += line("Hebrew", str(h["day"]) + " " + str(h["month_name"]) + " " + str(h["year"]));
    const auto& c = d["chinese"];
    out += line("Chinese", "cycle " + str(c["cycle"]) + ", year " + str(c["year"]) + " (" + str(c["stem"]) +
                               " " + str(c["zodiac"]) + "), month " + str(c["month"]) +
                               (c["leap_month"].get<bool>() ? " (leap)" : "") + ", day " + str(c["day"]));
    out += line("Julian Day", str(d["julian_day"]));
    return out;
}

std::string moon_text(const json& m) {
    std::string out = line("Instant", when(m["instant"]));
    out += line("Illuminated", num(m["illuminated_fraction"].get<double>() * 100, 1) + "%");
    out += line("Phase angle", num(m["phase_angle"], 2) + " degrees");
    out += line("Age", num(m["age_days"], 2) + " days");
    out += line("Lunation", str(m["lunation"]));
    out += line("Diameter", num(m["diameter_arcsec"], 1) + " arc seconds");
    out += line("Distance", num(m["distance_km"], 0) + " km");
    out += line("Next lunar eclipse",
                when(m["next_eclipse"]["instant"]) + " (" + str(m["next_eclipse"]["kind"]) + ")");
    out += line("Next blue moon", when(m["next_blue_moon"]));
    return out;
}

std::string phases_text(const json& list) {
    std::string out;
    for (const auto& p : list) out += when(p["instant"]) + "  " + str(p["phase"]) + "\n";
    return out;
}

std::string eclipses_text(const json& list) {
    std::string out;
    for (const auto& e : list)
        out += when(e["instant"]) + "  " + (str(e["body"]) == "sun" ? "solar" : "lunar") + "  " +
               str(e["kind"]) + "\n";
    return out;
}

std::string seasons_text(const json& s) {
    return line("Spring", when(s["spring"])) + line("Summer", when(s["summer"])) +
           line("Autumn", when(s["autumn"])) + line("Winter", when(s["winter"]));
}

std::string solar_term_text(const json& t) {
    return line("Solar longitude " + str(t["longitude"]), when(t["instant"]));
}

std::string position_text(const json& p) {
    return line("Longitude", num(p["longitude"], 6) + " degrees") +
           line("Latitude", num(p["latitude"], 6) + " degrees") +
           line("Distance", num(p["radius_km"], 1) + " km") +
           line("Right ascension", num(p["right_ascension"], 6) + " degrees") +
           line("Declination", num(p["declination"], 6) + " degrees");
}

std::string riseset_text(const json& r) {
    std::string out;
    for (const char* key : {"astronomical_dawn", "nautical_dawn", "civil_dawn", "rise", "transit", "set",
                            "civil_dusk", "nautical_dusk", "astronomical_dusk"}) {
        if (!r.contains(key)) continue;
        std::string label = key;
        for (char& c : label)
            if (c == '_') c = ' ';
        label[0] = static_cast<char>(label[0] - 'a' + 'A');
        out += line(label, when(r[key]) + (r[key].contains("error") ? "" : " UT"));
    }
    return out;
}

std::string between_text(const json& b) {
    return str(b["days"]) + " Day(s)\n";
}

} // namespace almadex::cli
