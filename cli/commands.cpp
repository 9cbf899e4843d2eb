#include "cli/commands.h"

#include "almanac/datetime_parts.h"
#include "almanac/day.h"
#include "almanac/feasts.h"
#include "almanac/moon.h"
#include "astro/calendar.h"
#include "astro/eclipse.h"
#include "astro/errors.h"
#include "astro/lunar_data.h"
#include "astro/moon_phases.h"
#include "astro/moon_position.h"
#include "astro/riseset.h"
#include "astro/seasons.h"
#include "astro/sun.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace almadex::cli {
namespace {

constexpr std::array<const char*, 8> kPhaseNames = {
    "new",  "waxing-crescent", "first-quarter", "waxing-gibbous",
    "full", "waning-gibbous",  "last-quarter",  "waning-crescent"};

std::string iso_date(double t) {
    return almanac::iso_date(almanac::date_parts(t));
}

json event_json(auto&& compute) {
    try {
        return instant_json(compute());
    } catch (const astro::Exception& e) {
        return json{{"error", e.what()}};
    }
}

std::string text(std::string_view s) {
    return std::string(s);
}

// The day as the converter's panels show it.
json day_json(const almanac::TDayInCalendars& d) {
    const astro::TChineseDate& c = d.chinese;
    json out;
    out["gregorian"] = {{"year", d.gregorian_year}, {"month", d.gregorian_month}, {"day", d.gregorian_day}};
    out["islamic"] = {{"year", d.islamic.year},
                      {"month", d.islamic.month},
                      {"day", d.islamic.day},
                      {"month_name", text(almanac::islamic_month_name(d.islamic.month))},
                      {"calendar", text(almanac::islamic_calendar_name(d.islamic_choice.calendar).name)},
                      {"hijri_adjust", d.islamic_choice.adjust_days}};
    if (const std::string note = almanac::islamic_table_note(d.islamic_choice, d.islamic.year); !note.empty())
        out["islamic"]["note"] = note;
    out["hebrew"] = {{"year", d.hebrew.year},
                     {"month", d.hebrew.month},
                     {"day", d.hebrew.day},
                     {"month_name", text(almanac::hebrew_month_name(d.hebrew.month))}};
    out["chinese"] = {{"cycle", c.Cycle},
                      {"year", c.Year},
                      {"month", c.Month},
                      {"leap_month", c.LeapMonth},
                      {"day", c.Day},
                      {"stem", text(almanac::chinese_stem_names[c.YearStem % 10])},
                      {"zodiac", text(almanac::chinese_zodiac_names[c.YearBranch % 12])},
                      {"year_number", c.YearNumber}};
    if (d.julian_day == std::floor(d.julian_day))
        out["julian_day"] = static_cast<long long>(d.julian_day);
    else
        out["julian_day"] = static_cast<double>(d.julian_day);
    out["leap_year"] = d.leap_year;
    return out;
}

void check_instant_year(double t) {
    check_year(almanac::date_parts(t).year, almanac::gregorian_years, "Gregorian");
}

// The year of a feast's own calendar, within the range of its panel.
int feast_year(const almanac::TFeast& f, long long year) {
    switch (f.calendar) {
    case almanac::TFeastCalendar::islamic:
        return check_year(year, almanac::islamic_years, "Islamic");
    case almanac::TFeastCalendar::hebrew:
        return check_year(year, almanac::hebrew_years, "Hebrew");
    case almanac::TFeastCalendar::gregorian:
        break;
    }
    return check_year(year, almanac::gregorian_years, "Gregorian");
}

} // namespace

json instant_json(double t) {
    return json{{"iso", almanac::iso_instant(t)}, {"value", t}};
}

json convert(std::string_view from, std::string_view value, const almanac::TIslamicChoice& islamic) {
    double moment = 0;
    std::optional<almanac::TDayInCalendars> shown;
    if (from == "gregorian") {
        moment = parse_date(value) + 0.5;
    } else if (from == "hebrew" || from == "islamic") {
        const auto parts = split(value, '-');
        if (parts.size() != 3)
            throw TInputError("Invalid " + std::string(from) + " date " + quoted(value) +
                              " (expected YEAR-MONTH-DAY)");
        const int y = field(parts[0], "year", value), m = field(parts[1], "month", value),
                  d = field(parts[2], "day", value);
        if (from == "hebrew") {
            moment = almanac::noon_of_hebrew_date(check_year(y, almanac::hebrew_years, "Hebrew"), m, d);
        } else {
            shown = almanac::islamic_date_in_calendars(check_year(y, almanac::islamic_years, "Islamic"), m, d,
                                                       islamic);
            moment = shown->moment;
        }
    } else if (from == "chinese") {
        const auto parts = split(value, '-');
        if (parts.size() != 4)
            throw TInputError("Invalid chinese date " + quoted(value) +
                              " (expected CYCLE-YEAR-MONTH-DAY, L after a leap month)");
        std::string_view month = parts[2];
        astro::TChineseDate c;
        if (!month.empty() && (month.back() == 'L' || month.back() == 'l')) {
            c.LeapMonth = true;
            month.remove_suffix(1);
        }
        c.Cycle = field(parts[0], "cycle", value);
        c.Year = field(parts[1], "year", value);
        c.Month = field(month, "month", value);
        c.Day = field(parts[3], "day", value);
        if (c.Cycle < 61 || c.Cycle > 84)
            throw TInputError("Chinese cycle " + std::to_string(c.Cycle) + " is out of range (61..84)");
        if (c.Year < 1 || c.Year > 60 || c.Month < 1 || c.Day < 1 || c.Day > 30)
            throw astro::EConvertError("Invalid chinese date");
        moment = almanac::noon_of_chinese_date(c);
    } else if (from == "jd") {
        const auto jd = decimal_number(value);
        if (!jd) throw TInputError("Invalid Julian Day " + quoted(value));
        // The days of the years 999..2399: from 1 January 999 (proleptic Gregorian) to 31 December 2399.
        const double first = almanac::datetime_from_parts(almanac::gregorian_years.first, 1, 1);
        const double end = almanac::datetime_from_parts(almanac::gregorian_years.last + 1, 1, 1);
        const double t = static_cast<double>(astro::jd_to_datetime(*jd));
        if (!(t >= first && t < end))
            throw TInputError("Julian Day " + std::string(value) + " lies outside the program's years " +
                              std::to_string(almanac::gregorian_years.first) + ".." +
                              std::to_string(almanac::gregorian_years.last));
        moment = std::floor(t) + 0.5;
    } else {
        throw TInputError("Unknown calendar " + quoted(from) +
                          " (gregorian, hebrew, islamic, chinese or jd)");
    }
    check_instant_year(moment);
    return day_json(shown ? *shown : almanac::day_in_calendars(moment, islamic));
}

json feast(std::string_view name, long long year, const almanac::TIslamicChoice& islamic) {
    const almanac::TFeast* f = almanac::find_feast(name);
    if (!f) {
        std::string list;
        for (const almanac::TFeast& known : almanac::feasts)
            list += (list.empty() ? "" : ", ") + std::string(known.name);
        throw TInputError("Unknown feast " + quoted(name) + " (one of: " + list + ")");
    }
    const almanac::TDayInCalendars shown = almanac::feast_in_calendars(*f, feast_year(*f, year), islamic);
    check_instant_year(shown.moment);
    json out{{"feast", std::string(name)}};
    out.update(day_json(shown));
    return out;
}

json moon(double t) {
    check_instant_year(t);
    const almanac::TMoonReport m = almanac::moon_report(t);
    json out;
    out["instant"] = instant_json(t);
    out["illuminated_fraction"] = static_cast<double>(m.illuminated_fraction);
    out["phase_angle"] = static_cast<double>(m.phase_angle);
    out["age_days"] = static_cast<double>(m.age_days);
    out["lunation"] = m.lunation;
    out["diameter_arcsec"] = static_cast<double>(m.diameter_arcsec);
    out["distance_km"] = static_cast<double>(m.distance_km);
    out["next_eclipse"] = {{"instant", instant_json(m.next_lunar_eclipse)},
                           {"kind", text(almanac::eclipse_kind_name(m.next_lunar_eclipse_kind))}};
    out["next_blue_moon"] = instant_json(m.next_blue_moon);
    return out;
}

json phases(double from, double to, bool octants) {
    if (to <= from) throw TInputError("The end of the range lies before its start");
    // Each octant is a search on the Moon's age: a century takes seconds, the program's years many minutes.
    if (octants && to - from > max_octant_range_days)
        throw TInputError("A range with --octants spans at most 100 years");
    std::vector<std::pair<double, int>> found;
    for (int p = 0; p < 8; ++p) {
        if (!octants && p % 2 == 1) continue;
        const auto phase = static_cast<astro::TMoonPhase>(p);
        for (double s = from;;) {
            const double r = astro::next_phase(phase, s);
            if (r >= to) break;
            found.emplace_back(r, p);
            s = r + 1; // the same phase recurs 29.5 days later
        }
    }
    std::sort(found.begin(), found.end());
    json out = json::array();
    for (const auto& [t, p] : found) out.push_back({{"phase", kPhaseNames[p]}, {"instant", instant_json(t)}});
    return out;
}

json eclipses(double from, double to, std::optional<bool> sun) {
    if (to <= from) throw TInputError("The end of the range lies before its start");
    std::vector<std::pair<double, json>> found;
    for (bool body : {true, false}) {
        if (sun && *sun != body) continue;
        for (double s = from;;) {
            double t = s;
            const astro::TEclipseKind kind = astro::next_eclipse(t, body);
            if (t >= to || kind == astro::eclNone) break;
            found.emplace_back(t, json{{"body", body ? "sun" : "moon"},
                                       {"kind", text(almanac::eclipse_kind_name(kind))},
                                       {"instant", instant_json(t)}});
            s = t + 1; // the next new or full moon lies weeks later
        }
    }
    std::stable_sort(found.begin(), found.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    json out = json::array();
    for (auto& f : found) out.push_back(std::move(f.second));
    return out;
}

json seasons(long long year) {
    const int y = check_year(year, almanac::gregorian_years, "Gregorian");
    return json{{"year", y},
                {"spring", instant_json(astro::season_start(y, astro::seSpring))},
                {"summer", instant_json(astro::season_start(y, astro::seSummer))},
                {"autumn", instant_json(astro::season_start(y, astro::seAutumn))},
                {"winter", instant_json(astro::season_start(y, astro::seWinter))}};
}

json solar_term(long long year, long long k) {
    const int y = check_year(year, almanac::gregorian_years, "Gregorian");
    if (k < 0 || k > 23) throw TInputError("Solar term " + std::to_string(k) + " is out of range (0..23)");
    return json{{"year", y},
                {"k", k},
                {"longitude", 15 * k},
                {"instant", instant_json(astro::sun_longitude_instant(y, static_cast<std::uint8_t>(k)))}};
}

json position(std::string_view body, double t) {
    check_instant_year(t);
    astro::TSkyPosition pos;
    if (body == "sun")
        astro::sun_position(t, pos);
    else if (body == "moon")
        astro::moon_position(pos, t);
    else
        throw TInputError("Unknown body " + quoted(body) + " (sun or moon)");
    return json{{"body", std::string(body)},
                {"instant", instant_json(t)},
                {"longitude", static_cast<double>(pos.longitude)},
                {"latitude", static_cast<double>(pos.latitude)},
                {"radius_km", static_cast<double>(pos.radius)},
                {"right_ascension", static_cast<double>(pos.right_ascension)},
                {"declination", static_cast<double>(pos.declination)}};
}

json riseset(double latitude, double longitude_west, double date, bool sun) {
    check_instant_year(date);
    const long double west = longitude_west;
    const auto event = [&](astro::RiseSetEvent kind) {
        return event_json([&] { return astro::rise_transit_set(sun, kind, date, latitude, west); });
    };
    json out{{"date", iso_date(date)},     {"body", sun ? "sun" : "moon"},
             {"latitude", latitude},       {"longitude", 0.0 - longitude_west},
             {"rise", event(astro::Rise)}, {"transit", event(astro::Transit)},
             {"set", event(astro::Set)}};
    if (sun) {
        out["civil_dawn"] = event(astro::CivilDawn);
        out["nautical_dawn"] = event(astro::NauticalDawn);
        out["astronomical_dawn"] = event(astro::AstronomicalDawn);
        out["civil_dusk"] = event(astro::CivilDusk);
        out["nautical_dusk"] = event(astro::NauticalDusk);
        out["astronomical_dusk"] = event(astro::AstronomicalDusk);
    }
    return out;
}

json between(double a, double b) {
    return json{
        {"from", iso_date(a)}, {"to", iso_date(b)}, {"days", static_cast<long long>(std::fabs(b - a))}};
}

} // namespace almadex::cli
