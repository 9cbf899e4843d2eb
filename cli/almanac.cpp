#include "cli/almanac.h"

#include "astro/calendar.h"
#include "astro/chinese.h"
#include "astro/earth.h"
#include "astro/easter.h"
#include "astro/eclipse.h"
#include "astro/errors.h"
#include "astro/hebrew.h"
#include "astro/islamic.h"
#include "astro/lunar_data.h"
#include "astro/moon_phases.h"
#include "astro/moon_position.h"
#include "astro/prayer.h"
#include "astro/riseset.h"
#include "astro/seasons.h"
#include "astro/sun.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace almadex::cli {
namespace {

// The ranges of the converter's fields.
constexpr int kFirstYear = 999, kLastYear = 2399;
constexpr int kFirstIslamicYear = 389, kLastIslamicYear = 1833;
constexpr int kFirstHebrewYear = 4760, kLastHebrewYear = 6160;

constexpr std::array<const char*, 12> kIslamicMonths = {
    "Muharram", "Safar",   "Rabi'a I", "Rabi'a II", "Jumada I",      "Jumada II",
    "Rajab",    "Sha'ban", "Ramadan",  "Shawwal",   "Dhu al-Q'adah", "Dhu al-Hijjah"};
constexpr std::array<const char*, 13> kHebrewMonths = {"Nisan",  "Iyar",   "Sivan",   "Tammuz", "Av",
                                                       "Elul",   "Tishri", "Heshvan", "Kislev", "Tevet",
                                                       "Shevat", "Adar",   "Adar 2"};
constexpr std::array<const char*, 10> kStems = {"Jia", "Yi",   "Bing", "Ding", "Wu",
                                                "Ji",  "Geng", "Xin",  "Ren",  "Gui"};
constexpr std::array<const char*, 12> kZodiac = {"Rat",   "Ox",   "Tiger",  "Rabbit",  "Dragon", "Snake",
                                                 "Horse", "Goat", "Monkey", "Chicken", "Dog",    "Pig"};
constexpr std::array<const char*, 7> kEclipseKinds = {"None",           "Partial", "Non Central", "Circular",
                                                      "Circular Total", "Total",   "Half Shadow"};
constexpr std::array<const char*, 8> kPhaseNames = {
    "new",  "waxing-crescent", "first-quarter", "waxing-gibbous",
    "full", "waning-gibbous",  "last-quarter",  "waning-crescent"};

struct TPrayerKind {
    const char* key;
    const char* arabic;
    const char* english;
};
constexpr std::array<TPrayerKind, 6> kPrayers = {{{"fedjr", "El Fedjr", "Dawn"},
                                                  {"shourouk", "Shourouk", "Sun rise"},
                                                  {"dhohr", "El Dhohr", "Zenith"},
                                                  {"asr", "El Asr", "Mid day"},
                                                  {"ghouroub", "El Ghouroub", "Sun set"},
                                                  {"ishaa", "El Ishaa", "Night"}}};

std::string quoted(std::string_view s) {
    return "'" + std::string(s) + "'";
}

// A non-negative decimal integer filling the whole text.
std::optional<long long> whole_number(std::string_view s) {
    if (s.empty() || s.size() > 9) return std::nullopt;
    long long v = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (ec != std::errc() || end != s.data() + s.size() || s.front() == '-' || s.front() == '+')
        return std::nullopt;
    return v;
}

std::optional<double> decimal_number(std::string_view s) {
    if (s.empty()) return std::nullopt;
    double v = 0;
    const char* first = s.data();
    if (*first == '+') ++first;
    const auto [end, ec] = std::from_chars(first, s.data() + s.size(), v);
    if (ec != std::errc() || end != s.data() + s.size() || !std::isfinite(v)) return std::nullopt;
    return v;
}

std::vector<std::string_view> split(std::string_view s, char sep) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t p = s.find(sep, start);
        parts.push_back(s.substr(start, p == std::string_view::npos ? std::string_view::npos : p - start));
        if (p == std::string_view::npos) break;
        start = p + 1;
    }
    return parts;
}

std::string two(int v) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%02d", v);
    return buf;
}

std::string iso_date(double t) {
    const astro::TCalendarDate d = astro::gregorian_date_of(t);
    char buf[32];
    std::snprintf(buf, sizeof buf, "%04u-%02u-%02u", unsigned{d.year}, unsigned{d.month}, unsigned{d.day});
    return buf;
}

json event_json(auto&& compute) {
    try {
        return instant_json(compute());
    } catch (const astro::Exception& e) {
        return json{{"error", e.what()}};
    }
}

// The day as the converter shows it once FDate is 12:00 of that day.
json day_json(double fdate) {
    const astro::TCalendarDate g = astro::gregorian_date_of(fdate);
    const astro::THebrewDate h = astro::date_to_hebrew(fdate);
    const astro::TIslamicDate i = astro::date_to_islamic(true, fdate);
    const astro::TChineseDate c = astro::date_to_chinese(fdate);
    // The Islamic day field of the converter holds 1..30: a Moon's age that rounds to 0 shows as day 1.
    const int islamic_day = std::clamp<int>(i.day, 1, 30);

    json out;
    out["gregorian"] = {{"year", g.year}, {"month", g.month}, {"day", g.day}};
    out["islamic"] = {{"year", i.year},
                      {"month", i.month},
                      {"day", islamic_day},
                      {"month_name", i.month >= 1 && i.month <= 12 ? kIslamicMonths[i.month - 1] : ""}};
    out["hebrew"] = {{"year", h.year},
                     {"month", h.month},
                     {"day", h.day},
                     {"month_name", h.month >= 1 && h.month <= 13 ? kHebrewMonths[h.month - 1] : ""}};
    out["chinese"] = {{"cycle", c.Cycle},
                      {"year", c.Year},
                      {"month", c.Month},
                      {"leap_month", c.LeapMonth},
                      {"day", c.Day},
                      {"stem", kStems[c.YearStem % 10]},
                      {"zodiac", kZodiac[c.YearBranch % 12]},
                      {"year_number", c.YearNumber}};
    const long double jd = astro::datetime_to_jd(fdate);
    if (jd == std::floor(jd))
        out["julian_day"] = static_cast<long long>(jd);
    else
        out["julian_day"] = static_cast<double>(jd);
    out["leap_year"] = astro::calendar_leap_year(g.year);
    return out;
}

int field(std::string_view text, std::string_view what, std::string_view whole) {
    const auto v = whole_number(text);
    if (!v) throw TInputError("Invalid " + std::string(what) + " in " + quoted(whole));
    return static_cast<int>(*v);
}

double gregorian_noon(int year, int month, int day) {
    check_year(year, kFirstYear, kLastYear, "Gregorian");
    return astro::gregorian_datetime(static_cast<std::uint16_t>(year), static_cast<std::uint16_t>(month),
                                     static_cast<std::uint16_t>(day)) +
           0.5;
}

double hebrew_noon(int year, int month, int day) {
    check_year(year, kFirstHebrewYear, kLastHebrewYear, "Hebrew");
    if (month < 1 || month > 13) throw astro::EConvertError("Invalid month");
    if (day < 1 || day > 30) throw astro::EConvertError("Invalid day");
    return std::floor(astro::hebrew_to_date(static_cast<std::uint16_t>(year),
                                            static_cast<std::uint16_t>(month),
                                            static_cast<std::uint16_t>(day))) +
           0.5;
}

double islamic_noon(int year, int month, int day) {
    check_year(year, kFirstIslamicYear, kLastIslamicYear, "Islamic");
    if (month < 1 || month > 12) throw astro::EConvertError("Invalid month");
    const astro::TIslamicDate date{static_cast<std::uint16_t>(day), static_cast<std::uint16_t>(month),
                                   static_cast<std::uint16_t>(year)};
    if (day < 1 || day > 30 || !astro::islamic_date_valid(date)) throw astro::EConvertError("Invalid day");
    return std::floor(astro::islamic_to_date(date, true)) + 0.5;
}

std::string eclipse_kind_text(astro::TEclipseKind kind) {
    return kind < kEclipseKinds.size() ? kEclipseKinds[kind] : kEclipseKinds[0];
}

void check_instant_year(double t) {
    const int y = astro::gregorian_date_of(t).year;
    check_year(y, kFirstYear, kLastYear, "Gregorian");
}

} // namespace

// --- values on the command line ---

int check_year(long long year, int lo, int hi, std::string_view calendar) {
    if (year < lo || year > hi)
        throw TInputError(std::string(calendar) + " year " + std::to_string(year) + " is out of range (" +
                          std::to_string(lo) + ".." + std::to_string(hi) + ")");
    return static_cast<int>(year);
}

double parse_date(std::string_view text) {
    const auto parts = split(text, '-');
    if (parts.size() != 3 || parts[0].size() != 4 || parts[1].size() != 2 || parts[2].size() != 2)
        throw TInputError("Invalid date " + quoted(text) + " (expected YYYY-MM-DD)");
    const int y = field(parts[0], "year", text), m = field(parts[1], "month", text),
              d = field(parts[2], "day", text);
    check_year(y, kFirstYear, kLastYear, "Gregorian");
    return astro::gregorian_datetime(static_cast<std::uint16_t>(y), static_cast<std::uint16_t>(m),
                                     static_cast<std::uint16_t>(d));
}

double parse_instant(std::string_view text) {
    const std::size_t sep = text.find_first_of("T ");
    const double day = parse_date(text.substr(0, sep));
    if (sep == std::string_view::npos) return day;
    const std::string_view time = text.substr(sep + 1);
    const auto parts = split(time, ':');
    if (parts.size() < 2 || parts.size() > 3)
        throw TInputError("Invalid time " + quoted(time) + " (expected HH:MM or HH:MM:SS)");
    int hms[3] = {0, 0, 0};
    for (std::size_t k = 0; k < parts.size(); ++k) {
        if (parts[k].size() != 2)
            throw TInputError("Invalid time " + quoted(time) + " (expected HH:MM or HH:MM:SS)");
        hms[k] = field(parts[k], "time", text);
    }
    if (hms[0] > 23 || hms[1] > 59 || hms[2] > 59) throw TInputError("Invalid time " + quoted(time));
    return day + (hms[0] * 3600.0 + hms[1] * 60.0 + hms[2]) / 86400.0;
}

namespace {

// Decimal degrees, or D[:M[:S]] with a hemisphere letter: `positive` and `negative` are the two letters.
double parse_angle(std::string_view text, char positive, char negative, double limit, std::string_view what) {
    std::string_view s = text;
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    const auto bad = [&] {
        return TInputError("Invalid " + std::string(what) + " " + quoted(text) +
                           " (decimal degrees, or D:M:S followed by " + positive + " or " + negative + ")");
    };
    if (s.empty()) throw bad();
    const char last = static_cast<char>(std::toupper(static_cast<unsigned char>(s.back())));
    double value;
    if (last == positive || last == negative) {
        s.remove_suffix(1);
        while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
        const auto parts = split(s, ':');
        if (parts.empty() || parts.size() > 3) throw bad();
        double dms[3] = {0, 0, 0};
        for (std::size_t k = 0; k < parts.size(); ++k) {
            const auto v = decimal_number(parts[k]);
            if (!v || *v < 0 || (k > 0 && *v >= 60) || parts[k].front() == '+') throw bad();
            dms[k] = *v;
        }
        value = dms[0] + dms[1] / 60 + dms[2] / 3600;
        if (last == negative) value = -value;
    } else {
        const auto v = decimal_number(s);
        if (!v) throw bad();
        value = *v;
    }
    if (std::fabs(value) > limit)
        throw TInputError("Invalid " + std::string(what) + " " + quoted(text) + " (at most " +
                          std::to_string(static_cast<int>(limit)) + " degrees)");
    return value;
}

} // namespace

double parse_latitude(std::string_view text) {
    return parse_angle(text, 'N', 'S', 90, "latitude");
}
double parse_longitude(std::string_view text) {
    return parse_angle(text, 'E', 'W', 180, "longitude");
}

double parse_time_zone(std::string_view text, std::string& canonical) {
    std::string_view s = text;
    int sign = 1;
    if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
        sign = s.front() == '-' ? -1 : 1;
        s.remove_prefix(1);
    }
    const auto parts = split(s, ':');
    const auto bad = TInputError("Invalid time zone " + quoted(text) + " (expected [+|-]HH:MM)");
    if (parts.size() != 2 || parts[0].empty() || parts[0].size() > 2 || parts[1].size() != 2) throw bad;
    const auto h = whole_number(parts[0]), m = whole_number(parts[1]);
    if (!h || !m || *h > 23 || *m > 59) throw bad;
    canonical =
        std::string(sign < 0 ? "-" : "+") + two(static_cast<int>(*h)) + ":" + two(static_cast<int>(*m));
    return sign * (*h * 60.0 + *m) / 1440.0;
}

// --- values in the output ---

std::string iso_instant(double t) {
    double day = std::floor(t);
    long long seconds = std::llround((t - day) * 86400.0);
    if (seconds >= 86400) {
        seconds -= 86400;
        day += 1;
    }
    const int h = static_cast<int>(seconds / 3600), m = static_cast<int>(seconds / 60 % 60),
              s = static_cast<int>(seconds % 60);
    return iso_date(day) + "T" + two(h) + ":" + two(m) + ":" + two(s);
}

json instant_json(double t) {
    return json{{"iso", iso_instant(t)}, {"value", t}};
}

// --- commands ---

json convert(std::string_view from, std::string_view value) {
    double fdate = 0;
    if (from == "gregorian") {
        fdate = parse_date(value) + 0.5;
    } else if (from == "hebrew" || from == "islamic") {
        const auto parts = split(value, '-');
        if (parts.size() != 3)
            throw TInputError("Invalid " + std::string(from) + " date " + quoted(value) +
                              " (expected YEAR-MONTH-DAY)");
        const int y = field(parts[0], "year", value), m = field(parts[1], "month", value),
                  d = field(parts[2], "day", value);
        fdate = from == "hebrew" ? hebrew_noon(y, m, d) : islamic_noon(y, m, d);
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
        fdate = astro::chinese_to_date(c) + 0.5;
    } else if (from == "jd") {
        const auto jd = decimal_number(value);
        if (!jd || *jd < 0) throw TInputError("Invalid Julian Day " + quoted(value));
        fdate = std::floor(static_cast<double>(astro::jd_to_datetime(*jd))) + 0.5;
    } else {
        throw TInputError("Unknown calendar " + quoted(from) +
                          " (gregorian, hebrew, islamic, chinese or jd)");
    }
    check_instant_year(fdate);
    return day_json(fdate);
}

std::vector<std::string> feast_names() {
    return {"new-year",   "easter",          "palm-sunday",     "whitsun", "all-saints",
            "christmas",  "muslim-new-year", "achoura",         "ramadan", "minor-fair",
            "major-fair", "maoulid",         "jewish-new-year", "pesach"};
}

json feast(std::string_view name, long long year) {
    double fdate;
    const auto gregorian = [&](int month, int day) {
        return gregorian_noon(check_year(year, kFirstYear, kLastYear, "Gregorian"), month, day);
    };
    const auto easter_based = [&](int offset) {
        const int y = check_year(year, kFirstYear, kLastYear, "Gregorian");
        // The day and month of the feast in the proleptic Gregorian reading; the year stays.
        const astro::TCalendarDate d = astro::gregorian_date_of(astro::easter_date(y) + offset);
        return gregorian_noon(y, d.month, d.day);
    };
    const auto islamic = [&](int month, int day) {
        return islamic_noon(check_year(year, kFirstIslamicYear, kLastIslamicYear, "Islamic"), month, day);
    };
    const auto hebrew = [&](int month, int day) {
        return hebrew_noon(check_year(year, kFirstHebrewYear, kLastHebrewYear, "Hebrew"), month, day);
    };
    if (name == "new-year")
        fdate = gregorian(1, 1);
    else if (name == "easter")
        fdate = easter_based(0);
    else if (name == "palm-sunday")
        fdate = easter_based(-7);
    else if (name == "whitsun")
        fdate = easter_based(49);
    else if (name == "all-saints")
        fdate = gregorian(11, 1);
    else if (name == "christmas")
        fdate = gregorian(12, 25);
    else if (name == "muslim-new-year")
        fdate = islamic(1, 1);
    else if (name == "achoura")
        fdate = islamic(1, 10);
    else if (name == "ramadan")
        fdate = islamic(9, 1);
    else if (name == "minor-fair")
        fdate = islamic(10, 1);
    else if (name == "major-fair")
        fdate = islamic(12, 10);
    else if (name == "maoulid")
        fdate = islamic(3, 14);
    else if (name == "jewish-new-year")
        fdate = hebrew(7, 1);
    else if (name == "pesach")
        fdate = hebrew(1, 15);
    else {
        std::string list;
        for (const auto& n : feast_names()) list += (list.empty() ? "" : ", ") + n;
        throw TInputError("Unknown feast " + quoted(name) + " (one of: " + list + ")");
    }
    check_instant_year(fdate);
    json out{{"feast", std::string(name)}};
    out.update(day_json(fdate));
    return out;
}

json moon(double t) {
    check_instant_year(t);
    json out;
    out["instant"] = instant_json(t);
    out["illuminated_fraction"] = static_cast<double>(astro::moon_illuminated_fraction(t));
    out["phase_angle"] = static_cast<double>(astro::moon_phase_angle(t));
    out["age_days"] = static_cast<double>(astro::moon_age(t));
    out["lunation"] = astro::lunation_number(t);
    out["diameter_arcsec"] = static_cast<double>(astro::moon_diameter(t));
    out["distance_km"] = static_cast<double>(astro::moon_distance(t));
    double e = t;
    const astro::TEclipseKind kind = astro::next_eclipse(e, false);
    out["next_eclipse"] = {{"instant", instant_json(e)}, {"kind", eclipse_kind_text(kind)}};
    out["next_blue_moon"] = instant_json(astro::next_blue_moon(t));
    return out;
}

json phases(double from, double to, bool octants) {
    if (to < from) throw TInputError("The end of the range lies before its start");
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
    if (to < from) throw TInputError("The end of the range lies before its start");
    std::vector<std::pair<double, json>> found;
    for (bool body : {true, false}) {
        if (sun && *sun != body) continue;
        for (double s = from;;) {
            double t = s;
            const astro::TEclipseKind kind = astro::next_eclipse(t, body);
            if (t >= to || kind == astro::eclNone) break;
            found.emplace_back(t, json{{"body", body ? "sun" : "moon"},
                                       {"kind", eclipse_kind_text(kind)},
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
    const int y = check_year(year, kFirstYear, kLastYear, "Gregorian");
    return json{{"year", y},
                {"spring", instant_json(astro::season_start(y, astro::seSpring))},
                {"summer", instant_json(astro::season_start(y, astro::seSummer))},
                {"autumn", instant_json(astro::season_start(y, astro::seAutumn))},
                {"winter", instant_json(astro::season_start(y, astro::seWinter))}};
}

json solar_term(long long year, long long k) {
    const int y = check_year(year, kFirstYear, kLastYear, "Gregorian");
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

json riseset(double latitude, double longitude_east, double date, bool sun) {
    check_instant_year(date);
    const long double west = -static_cast<long double>(longitude_east);
    const auto event = [&](astro::RiseSetEvent kind) {
        return event_json([&] { return astro::rise_transit_set(sun, kind, date, latitude, west); });
    };
    json out{{"date", iso_date(date)},     {"body", sun ? "sun" : "moon"},
             {"latitude", latitude},       {"longitude", longitude_east},
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

// --- prayer times ---

std::vector<TPrayerDay> prayer_days(const TPrayerRequest& r) {
    if (r.days < 1 || r.days > 3660) throw TInputError("The number of days must lie between 1 and 3660");
    check_instant_year(r.date);
    check_instant_year(r.date + r.days - 1);
    const long double lat = r.latitude, west = -static_cast<long double>(r.longitude_east);
    std::vector<TPrayerDay> out;
    for (int i = 0; i < r.days; ++i) {
        TPrayerDay day;
        day.date = r.date + i;
        try {
            // In the order of the schedule; the first failure stops the day, as in the prayer window.
            day.times.emplace_back("fedjr", astro::fedjr_time(day.date, lat, west));
            if (r.sunrise) day.times.emplace_back("shourouk", astro::sun_rise(day.date, lat, west));
            day.times.emplace_back("dhohr", astro::sun_transit(day.date, lat, west));
            day.times.emplace_back("asr", astro::assr_time(true, day.date, lat, west));
            day.times.emplace_back("ghouroub", astro::sun_set(day.date, lat, west));
            day.times.emplace_back("ishaa", astro::ishaa_time(day.date, lat, west));
        } catch (const astro::Exception& e) {
            day.error = e.what();
            day.times.clear();
        }
        out.push_back(std::move(day));
    }
    return out;
}

std::string prayer_name(std::string_view key, bool arabic) {
    for (const auto& p : kPrayers)
        if (key == p.key) return arabic ? p.arabic : p.english;
    return std::string(key);
}

std::string local_time(double ut, double tz) {
    const double local = ut + tz;
    long long seconds = std::llround((local - std::floor(local)) * 86400.0) % 86400;
    return two(static_cast<int>(seconds / 3600)) + ":" + two(static_cast<int>(seconds / 60 % 60)) + ":" +
           two(static_cast<int>(seconds % 60));
}

json prayer_json(const TPrayerRequest& r, const std::vector<TPrayerDay>& days) {
    json list = json::array();
    for (const auto& d : days) {
        json day{{"date", iso_date(d.date)}};
        if (!d.error.empty()) day["error"] = d.error;
        for (const auto& [key, ut] : d.times) day[key] = local_time(ut, r.tz);
        list.push_back(std::move(day));
    }
    return json{{"latitude", r.latitude}, {"longitude", r.longitude_east}, {"tz", r.tz_text}, {"days", list}};
}

namespace {

// Degrees, minutes and seconds of |angle|, rounded to the second.
std::string dms_text(double angle) {
    long long s = std::llround(std::fabs(angle) * 3600);
    return std::to_string(s / 3600) + "\u00b0 " + std::to_string(s / 60 % 60) + "' " +
           std::to_string(s % 60) + "\"";
}

} // namespace

std::string prayer_text(const TPrayerRequest& r, const std::vector<TPrayerDay>& days) {
    std::string out = "Prayers time for location: \n";
    out += "Latitude: " + dms_text(r.latitude) + " " + (r.latitude < 0 ? "South" : "North") + "\n";
    out +=
        "Longitude: " + dms_text(r.longitude_east) + " " + (r.longitude_east <= 0 ? "West" : "East") + "\n";
    out += "Local Time: UT" + r.tz_text + "\n";
    for (const auto& d : days) {
        out += "\nDate: " + iso_date(d.date) + "\n";
        if (!d.error.empty()) out += d.error + "\n";
        for (const auto& [key, ut] : d.times)
            out += prayer_name(key, r.arabic) + ": " + local_time(ut, r.tz) + "\n";
    }
    return out;
}

std::string prayer_csv(const TPrayerRequest& r, const std::vector<TPrayerDay>& days) {
    std::string out = "date";
    for (const auto& p : kPrayers)
        if (r.sunrise || std::string_view(p.key) != "shourouk") out += std::string(",") + p.key;
    out += ",error\n";
    for (const auto& d : days) {
        out += iso_date(d.date);
        if (d.error.empty()) {
            for (const auto& [key, ut] : d.times) out += "," + local_time(ut, r.tz);
            out += ",\n";
        } else {
            for (const auto& p : kPrayers)
                if (r.sunrise || std::string_view(p.key) != "shourouk") out += ",";
            // Messages contain no comma or quote; quote them anyway, as CSV readers expect.
            out += "\"" + d.error + "\"\n";
        }
    }
    return out;
}

} // namespace almadex::cli
