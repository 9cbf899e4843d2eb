// almadex-cli: the almanac on the command line. Every command prints text, or with --json one JSON document.
// Errors: the message on stderr and exit status 1; usage errors: exit status 2.
//
// Each subcommand is declared by its add_<command> function, which reads its options into its own values and
// sets the callback that runs it once the whole command line has been parsed.
#include "almanac/data_files.h"
#include "almanac/datetime_parts.h"
#include "almanac/feasts.h"
#include "almanac/ics.h"
#include "almanac/islamic.h"
#include "cli/commands.h"
#include "cli/places.h"
#include "cli/prayer.h"
#include "cli/text.h"

#include <CLI/CLI.hpp>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace cli = almadex::cli;
using cli::json;

namespace {

// Now, in UTC, as a date-time value: the library's time scale has no time zone.
double now_utc() {
    const auto since_epoch = std::chrono::system_clock::now().time_since_epoch();
    return almanac::from_unix_seconds(std::chrono::duration<double>(since_epoch).count());
}

/// Writes a whole document to standard output and flushes it; output that cannot be written (a full disk,
/// /dev/full, a closed pipe) is an error: "cannot write output: <reason>".
void write_output(std::string_view text) {
    errno = 0;
    if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() || std::fflush(stdout) != 0 ||
        std::ferror(stdout))
        throw std::runtime_error(std::string("cannot write output: ") +
                                 (errno ? std::strerror(errno) : "write error"));
}

/// The help and version texts: CLI11 renders them, and they are written like any document.
int exit_with_help(const CLI::App& app, const CLI::Error& e) {
    std::ostringstream text;
    const int status = app.exit(e, text, std::cerr);
    try {
        write_output(text.str());
    } catch (const std::exception& failure) {
        std::cerr << "almadex-cli: " << failure.what() << "\n";
        return 1;
    }
    return status;
}

/// An option's value: an empty one is a usage error.
const CLI::Validator non_empty(
    [](const std::string& value) {
        return value.empty() ? std::string("an empty value is not allowed") : "";
    },
    "", "NON_EMPTY");

/// A decimal integer with an optional sign (not hexadecimal, octal or binary, which CLI11 reads too).
const CLI::Validator decimal_integer(
    [](const std::string& value) {
        return cli::is_decimal_integer(value) ? std::string() : "'" + value + "' is not a decimal integer";
    },
    "", "DECIMAL");

/// A finite decimal number with an optional sign and exponent (not hexadecimal, "nan" or "inf", which CLI11
/// reads too).
const CLI::Validator decimal(
    [](const std::string& value) {
        return cli::decimal_number(value) ? std::string() : "'" + value + "' is not a decimal number";
    },
    "", "DECIMAL");

/// Prints a command's document as text, or as JSON with --json.
class TOutput {
public:
    void add_json_flag(CLI::App* sub) { sub->add_flag("--json", as_json_, "Print one JSON document"); }
    bool as_json() const { return as_json_; }
    void print(const json& doc, std::string (*text)(const json&)) const {
        write_output(as_json_ ? doc.dump(2) + "\n" : text(doc));
    }

private:
    bool as_json_ = false;
};

/// --islamic and --hijri-adjust: the Islamic calendar the user follows, as the converter's Options menu sets
/// it.
struct TIslamicOptions {
    std::string calendar{almanac::islamic_calendar_name(almanac::TIslamicCalendar::moon).name};
    int adjust = 0;
    void add_options(CLI::App* sub) {
        std::vector<std::string> names;
        for (const auto& c : almanac::islamic_calendar_names) names.emplace_back(c.name);
        sub->add_option(
               "--islamic", calendar,
               "The Islamic calendar followed: moon (the default: months begin on the first day whose\n"
               "Moon's age at noon rounds to 1 after a new moon and are numbered by the mean year);\n"
               "umm-al-qura (the Saudi calendar, from ICU: its table covers 1300..1600 AH, other years\n"
               "follow the civil calendar and the output says so); civil (the tabular calendar of\n"
               "30-year cycles, 11 long years, 1 Muharram 1 = 16 July 622 Julian). In each, a date\n"
               "converts to the day that shows it; the 30th of a month of 29 days is refused")
            ->check(CLI::IsMember(names));
        sub->add_option(
               "--hijri-adjust", adjust,
               "Shift of the Islamic dates, -2..+2 days, as announced where you live: +1 gives each day\n"
               "the calendar's date of the next day (the month began a day earlier here), -1 that of\n"
               "the day before")
            ->check(decimal_integer)
            ->check(CLI::Range(-almanac::hijri_adjust_limit, almanac::hijri_adjust_limit));
    }
    almanac::TIslamicChoice choice() const { return {almanac::find_islamic_calendar(calendar)->id, adjust}; }
};

void add_convert(CLI::App& app, TOutput& out) {
    auto* sub = app.add_subcommand("convert", "Convert one day into every calendar, as the converter does");
    auto from = std::make_shared<std::string>(), value = std::make_shared<std::string>();
    auto islamic = std::make_shared<TIslamicOptions>();
    sub->add_option("--from", *from, "Calendar of VALUE")
        ->required()
        ->check(CLI::IsMember({"gregorian", "hebrew", "islamic", "chinese", "jd"}));
    sub->add_option("VALUE", *value,
                    "gregorian 2024-10-03; hebrew YEAR-MONTH-DAY with Nisan = 1 .. Adar 2 = 13 (5785-7-1);\n"
                    "islamic 1446-9-1; chinese CYCLE-YEAR-MONTH-DAY, L after a leap month (78-40-2L-1);\n"
                    "jd 2460587")
        ->required();
    islamic->add_options(sub);
    out.add_json_flag(sub);
    sub->final_callback([&out, from, value, islamic] {
        out.print(cli::convert(*from, *value, islamic->choice()), cli::day_text);
    });
}

/// The feasts' names by the calendar whose year they take, from the table of feasts.
std::string feast_names_help() {
    std::string help;
    const auto list = [&](almanac::TFeastCalendar calendar, const char* year) {
        std::string names;
        for (const almanac::TFeast& f : almanac::feasts)
            if (f.calendar == calendar) names += (names.empty() ? "" : ", ") + std::string(f.name);
        help += (help.empty() ? "" : ";\n") + names + " (" + year + " year)";
    };
    list(almanac::TFeastCalendar::gregorian, "Gregorian");
    list(almanac::TFeastCalendar::islamic, "Islamic");
    list(almanac::TFeastCalendar::hebrew, "Hebrew");
    return help;
}

void add_feast(CLI::App& app, TOutput& out) {
    auto* sub = app.add_subcommand("feast", "The day of a feast of a year, as the Fill in commands give it");
    auto name = std::make_shared<std::string>();
    auto year = std::make_shared<long long>(0);
    sub->add_option("NAME", *name, feast_names_help())->required();
    sub->add_option("YEAR", *year, "Year of the feast's calendar")->required()->check(decimal_integer);
    auto islamic = std::make_shared<TIslamicOptions>();
    islamic->add_options(sub);
    out.add_json_flag(sub);
    sub->final_callback([&out, name, year, islamic] {
        out.print(cli::feast(*name, *year, islamic->choice()), cli::day_text);
    });
}

void add_moon(CLI::App& app, TOutput& out) {
    auto* sub =
        app.add_subcommand("moon", "The Moon's data at an instant, its next eclipse and next blue moon");
    auto at = std::make_shared<std::string>();
    sub->add_option("--at", *at, "Instant (default: now, UTC)");
    out.add_json_flag(sub);
    sub->final_callback([&out, sub, at] {
        out.print(cli::moon(sub->count("--at") == 0 ? now_utc() : cli::parse_instant(*at)), cli::moon_text);
    });
}

/// --from and --to of a range of days: [first day, day after the last).
struct TRange {
    std::string from, to;
    void add_options(CLI::App* sub) {
        sub->add_option("--from", from, "First day")->required();
        sub->add_option("--to", to, "Last day (included)")->required();
    }
    double first() const { return cli::parse_date(from); }
    /// The day after the last; an end before the first day is refused.
    double end() const {
        const double last = cli::parse_date(to);
        if (last < first()) throw cli::TInputError("The end of the range lies before its start");
        return last + 1;
    }
};

void add_phases(CLI::App& app, TOutput& out) {
    auto* sub = app.add_subcommand("phases", "The Moon's phases between two dates, in time order");
    auto range = std::make_shared<TRange>();
    auto octants = std::make_shared<bool>(false);
    range->add_options(sub);
    sub->add_flag("--octants", *octants, "Include the four octants between the principal phases");
    out.add_json_flag(sub);
    sub->final_callback([&out, range, octants] {
        out.print(cli::phases(range->first(), range->end(), *octants), cli::phases_text);
    });
}

void add_eclipses(CLI::App& app, TOutput& out) {
    auto* sub = app.add_subcommand("eclipses", "Solar and lunar eclipses between two dates, in time order");
    auto range = std::make_shared<TRange>();
    auto body = std::make_shared<std::string>();
    range->add_options(sub);
    sub->add_option("--body", *body, "Only solar (sun) or lunar (moon) eclipses")
        ->check(CLI::IsMember({"sun", "moon"}));
    out.add_json_flag(sub);
    sub->final_callback([&out, range, body] {
        std::optional<bool> sun;
        if (!body->empty()) sun = *body == "sun";
        out.print(cli::eclipses(range->first(), range->end(), sun), cli::eclipses_text);
    });
}

void add_seasons(CLI::App& app, TOutput& out) {
    auto* sub = app.add_subcommand("seasons", "The instants at which the four seasons of a year begin");
    auto year = std::make_shared<long long>(0);
    sub->add_option("YEAR", *year, "Year")->required()->check(decimal_integer);
    out.add_json_flag(sub);
    sub->final_callback([&out, year] { out.print(cli::seasons(*year), cli::seasons_text); });
}

void add_solar_term(CLI::App& app, TOutput& out) {
    auto* sub = app.add_subcommand("solar-term", "The instant of solar longitude 15 K degrees within a year");
    auto year = std::make_shared<long long>(0), k = std::make_shared<long long>(0);
    sub->add_option("YEAR", *year, "Year")->required()->check(decimal_integer);
    sub->add_option("K", *k,
                    "0..23 (0 March equinox, 6 June solstice, 12 September equinox, 18 December solstice)")
        ->required()
        ->check(decimal_integer);
    out.add_json_flag(sub);
    sub->final_callback([&out, year, k] { out.print(cli::solar_term(*year, *k), cli::solar_term_text); });
}

void add_position(CLI::App& app, TOutput& out) {
    auto* sub = app.add_subcommand("position", "Apparent geocentric position of the Sun or the Moon");
    auto body = std::make_shared<std::string>(), instant = std::make_shared<std::string>();
    sub->add_option("BODY", *body, "sun or moon")->required()->check(CLI::IsMember({"sun", "moon"}));
    sub->add_option("INSTANT", *instant, "Instant")->required();
    out.add_json_flag(sub);
    sub->final_callback([&out, body, instant] {
        out.print(cli::position(*body, cli::parse_instant(*instant)), cli::position_text);
    });
}

/// --lat and --lon of a place.
struct TPlaceOptions {
    std::string lat, lon;
    /// Not required: the command checks them itself (see check_given).
    void add_options(CLI::App* sub, bool required = true) {
        sub->add_option("--lat", lat, "Latitude: decimal degrees (north positive) or D:M:S with N/S")
            ->required(required);
        sub->add_option("--lon", lon, "Longitude: decimal degrees (EAST positive) or D:M:S with E/W")
            ->required(required);
    }
    void check_given() const {
        if (lat.empty()) throw CLI::RequiredError("--lat");
        if (lon.empty()) throw CLI::RequiredError("--lon");
    }
};

void add_riseset(CLI::App& app, TOutput& out) {
    auto* sub = app.add_subcommand("riseset", "Rising, transit and setting (and the Sun's twilights), in UT");
    auto place = std::make_shared<TPlaceOptions>();
    auto date = std::make_shared<std::string>(), body = std::make_shared<std::string>();
    place->add_options(sub);
    sub->add_option("--date", *date, "Day")->required();
    sub->add_option("--body", *body, "sun (default) or moon")->check(CLI::IsMember({"sun", "moon"}));
    out.add_json_flag(sub);
    sub->final_callback([&out, place, date, body] {
        out.print(cli::riseset(cli::parse_latitude(place->lat), cli::parse_longitude_west(place->lon),
                               cli::parse_date(*date), *body != "moon"),
                  cli::riseset_text);
    });
}

// The keys of a table of names, for CLI11's checks.
template <class Table>
std::vector<std::string> keys_of(const Table& table) {
    std::vector<std::string> keys;
    for (const auto& row : table) keys.emplace_back(row.key);
    return keys;
}

/// The prayer command's place, zone and method options, shared by the commands that compute prayer times;
/// the request is built from them by cli/prayer.h.
struct TPrayerChoiceOptions {
    cli::TPrayerArgs args;
    TIslamicOptions islamic;

    void add_options(CLI::App* sub) {
        // Not required: checked by the command (not with --list-methods, --city or --saved).
        sub->add_option("--lat", args.lat, "Latitude: decimal degrees (north positive) or D:M:S with N/S");
        sub->add_option("--lon", args.lon, "Longitude: decimal degrees (EAST positive) or D:M:S with E/W");
        sub->add_option(
               "--city", args.city,
               "The place by its name instead of --lat and --lon, with its zone unless --tz is given:\n"
               "a city of the GeoNames data, such as Oran, or Tripoli, LY where a name fits several")
            ->excludes("--lat")
            ->excludes("--lon");
        sub->add_option(
            "--tz", args.tz,
            "Local time: an offset from UT, [+|-]HH:MM, or a zone of the system's tz database such\n"
            "as Europe/Paris, each time at its own instant's offset (required)");
        sub->add_option(
               "--names", args.names,
               "english (default), arabic (the Maghreb's transliteration, El Fedjr ...) or arabic-script")
            ->check(CLI::IsMember({"english", "arabic", "arabic-script"}));
        sub->add_flag("--no-sunrise", args.no_sunrise, "Leave out the sunrise (Shourouk)");
        sub->add_option("--method", args.method,
                        "Calculation method (default almadex, the day-arc fractions); see --list-methods")
            ->check(CLI::IsMember(keys_of(almanac::prayer_methods)));
        sub->add_option("--asr", args.asr,
                        "Asr school: standard (Shafi'i, Maliki, Hanbali; shadow 1) or hanafi (shadow 2)")
            ->check(CLI::IsMember(keys_of(almanac::asr_school_names)));
        sub->add_option("--high-lat", args.high_lat,
                        "Rule where twilight does not end or the night is short: auto (recommended for the\n"
                        "latitude: none below 45 degrees, else angle), none, middle (of the night), seventh\n"
                        "(of the night) or angle (twilight angle / 60 of the night)")
            ->check(CLI::IsMember(keys_of(almanac::high_latitude_names)));
        sub->add_option(
               "--polar", args.polar,
               "Days without sunrise or sunset: none (not calculable), nearest-day or nearest-latitude")
            ->check(CLI::IsMember(keys_of(almanac::polar_names)));
        sub->add_option("--adjust", args.adjust, "Minutes added per prayer, such as fajr=+2,isha=-1");
        sub->add_option("--dhuhr", args.dhuhr, "Dhuhr this many minutes after the transit (default 0)")
            ->check(decimal_integer);
        sub->add_option("--round", args.round, "Round the times to the second (default) or to the minute")
            ->check(CLI::IsMember({"second", "minute"}));
        sub->add_option("--fajr-angle", args.fajr_angle, "Custom method: Fajr's angle, degrees")
            ->check(decimal);
        sub->add_option("--isha-angle", args.isha_angle, "Custom method: Isha's angle, degrees")
            ->check(decimal);
        sub->add_option("--isha-minutes", args.isha_minutes,
                        "Custom method: Isha this many minutes after Maghrib")
            ->check(decimal);
        sub->add_option("--maghrib-angle", args.maghrib_angle,
                        "Custom method: Maghrib's angle (default: sunset)")
            ->check(decimal);
        islamic.add_options(sub);
    }

    /// The times besides the six (the prayer command's).
    void add_extra_options(CLI::App* sub) {
        sub->add_option(
            "--extra", args.extra,
            "More times, separated by commas: imsak (before Fajr, see --imsak-minutes), midnight,\n"
            "last-third (of the night, see --night), sunset (the Sun's setting in its own row where\n"
            "Maghrib is at sunset too; where it is not, the row is always there), jumuah (Friday's\n"
            "noon prayer named Jumu'ah)");
        sub->add_option("--imsak-minutes", args.imsak_minutes,
                        "Imsak this many minutes before Fajr (default 10)")
            ->check(decimal_integer)
            ->check(CLI::Range(0, 60));
        sub->add_option(
               "--night", args.night,
               "The night that midnight and the last third divide: dawn (default: sunset to the next\n"
               "dawn) or sunrise (sunset to the next sunrise)")
            ->check(CLI::IsMember(keys_of(almanac::night_end_names)));
    }

    /// The method as the options choose it; TInputError for numbers outside their bounds.
    almanac::TMethodChoice method_choice() {
        args.islamic = islamic.choice();
        return cli::method_choice(args);
    }

    /// The request of the place, zone and method given on the command line (RequiredError for a missing
    /// place or zone).
    cli::TPrayerRequest request() {
        for (const auto& [given, option] :
             {std::pair{args.lat, "--lat"}, {args.lon, "--lon"}, {args.tz, "--tz"}})
            if (args.city.empty() && given.empty()) throw CLI::RequiredError(option);
        args.islamic = islamic.choice();
        return cli::prayer_request(args, now_utc());
    }
};

void add_prayer(CLI::App& app, TOutput& out) {
    auto* sub = app.add_subcommand("prayer", "Daily Muslim prayer times for a place, in local time");
    struct TValues {
        TPrayerChoiceOptions choice;
        bool list_methods = false;
    };
    auto v = std::make_shared<TValues>();
    cli::TPrayerArgs& args = v->choice.args;
    v->choice.add_options(sub);
    sub->add_option("--date", args.date, "First local date (default: today in the zone)");
    sub->add_option("--days", args.days, "Number of days (default 1; the schedule window makes 30)")
        ->check(decimal_integer);
    v->choice.add_extra_options(sub);
    sub->add_flag("--qibla", args.qibla, "Add the direction of the Kaaba from true north and its distance");
    sub->add_flag("--list-methods", v->list_methods, "List the methods with their parameters and sources");
    sub->add_option("--format", args.format,
                    "text (the schedule's layout), json, csv or ics (RFC 5545: UTC, or the zone's local\n"
                    "times with its VTIMEZONE)")
        ->check(CLI::IsMember({"text", "json", "csv", "ics"}));
    out.add_json_flag(sub);
    sub->final_callback([&out, v] {
        const std::string format = out.as_json() ? "json" : v->choice.args.format;
        if (v->list_methods) {
            write_output(format == "json" ? cli::method_list_json().dump(2) + "\n" : cli::method_list_text());
            return;
        }
        const cli::TPrayerRequest request = v->choice.request();
        const auto schedule = cli::prayer_days(request);
        for (const std::string& line : cli::prayer_notes(request, schedule, format))
            std::cerr << "almadex-cli: " << line << "\n";
        write_output(cli::prayer_output(request, schedule, format, now_utc()));
    });
}

void add_places(CLI::App& app, TOutput& out) {
    auto* sub = app.add_subcommand("places", "Places whose name begins with QUERY, for prayer --city");
    auto query = std::make_shared<std::string>();
    auto limit = std::make_shared<int>(20);
    sub->add_option("QUERY", *query,
                    "The beginning of a name, in any case, with or without accents; French and Arabic names\n"
                    "too where the data has them")
        ->required();
    sub->add_option("--limit", *limit, "At most this many places, the largest first (default 20, up to 1000)")
        ->check(decimal_integer)
        ->check(CLI::Range(1, 1000));
    out.add_json_flag(sub);
    sub->final_callback([&out, query, limit] {
        out.print(cli::places(*query, static_cast<std::size_t>(*limit)), cli::places_text);
    });
}

/// The folder of the running program (where a portable copy keeps its data files), with a trailing '/'.
std::string program_folder() {
    std::error_code ec;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string("./") : self.parent_path().string() + "/";
}

void add_next(CLI::App& app, TOutput& out) {
    auto* sub =
        app.add_subcommand("next", "The next prayer and the time left, for a terminal or a status bar");
    struct TValues {
        TPrayerChoiceOptions choice;
        std::string at, format = "text";
        bool saved = false;
    };
    auto v = std::make_shared<TValues>();
    v->choice.add_options(sub);
    sub->add_flag("--saved", v->saved,
                  "The place, method and zone saved by Almadex's prayer window (gl.dat, where Almadex keeps\n"
                  "it: beside the program when its folder is writable, else ~/.local/share/Almadex)");
    sub->add_option("--at", v->at, "Instant (default: now, UTC)");
    sub->add_option(
           "--format", v->format,
           "text, json, or waybar (one line of JSON with text, tooltip and class, as the status bars\n"
           "waybar and polybar read it)")
        ->check(CLI::IsMember({"text", "json", "waybar"}));
    out.add_json_flag(sub);
    sub->final_callback([&out, sub, v] {
        cli::TPrayerRequest request;
        if (v->saved) {
            for (const char* given : {"--lat", "--lon", "--city", "--tz"})
                if (sub->count(given) > 0)
                    throw cli::TInputError(std::string("--saved takes the place from gl.dat: leave out ") +
                                           given);
            const almanac::TDataFilePaths file = almanac::locate_data_file(
                program_folder(), "gl.dat", almanac::folder_is_writable(program_folder()),
                almanac::user_data_folder());
            request = cli::saved_request(file.read_path, v->choice.method_choice().islamic);
            request.options.sunrise = !v->choice.args.no_sunrise;
            request.names = cli::prayer_names_of(v->choice.args.names);
        } else {
            request = v->choice.request();
        }
        const double now = v->at.empty() ? now_utc() : cli::parse_instant(v->at);
        const cli::json next = cli::next_json(request, now);
        if (v->format == "waybar")
            write_output(cli::waybar_json(next).dump() + "\n");
        else if (v->format == "json" || out.as_json())
            write_output(next.dump(2) + "\n");
        else
            write_output(cli::next_text(next));
    });
}

void add_between(CLI::App& app, TOutput& out) {
    auto* sub = app.add_subcommand("between", "The number of days between two dates");
    auto first = std::make_shared<std::string>(), second = std::make_shared<std::string>();
    sub->add_option("DATE1", *first, "First date")->required();
    sub->add_option("DATE2", *second, "Second date")->required();
    out.add_json_flag(sub);
    sub->final_callback([&out, first, second] {
        out.print(cli::between(cli::parse_date(*first), cli::parse_date(*second)), cli::between_text);
    });
}

} // namespace

int main(int argc, char** argv) {
    CLI::App app{
        "almadex-cli: calendars, feasts, Moon, seasons and prayer times from the Almadex library.\n"
        "Dates are ISO 8601 (YYYY-MM-DD, proleptic Gregorian), instants YYYY-MM-DD[THH:MM[:SS]], in the\n"
        "library's single time scale: no time zone, no Delta T. Years 999..2399.",
        "almadex-cli"};
    app.set_version_flag("--version", std::string("almadex-cli ") + ALMADEX_VERSION);
    app.require_subcommand(1);
    app.footer(
        "Run 'almadex-cli COMMAND --help' for the options of a command. Examples:\n"
        "  almadex-cli convert --from gregorian 2024-10-03\n"
        "  almadex-cli feast easter 2025 --json\n"
        "  almadex-cli moon --at 2025-03-14T00:00\n"
        "  almadex-cli prayer --lat 36:45N --lon 3:03E --tz +01:00 --days 30 --format ics > prayers.ics\n"
        "  almadex-cli prayer --lat 48.8566 --lon 2.3522 --tz Europe/Paris --method mwl --qibla\n"
        "  almadex-cli prayer --city Oran --method algeria --days 30\n"
        "  almadex-cli next --saved --format waybar");

    TOutput out;
    for (void (*add)(CLI::App&, TOutput&) :
         {add_convert, add_feast, add_moon, add_phases, add_eclipses, add_seasons, add_solar_term,
          add_position, add_riseset, add_prayer, add_places, add_next, add_between})
        add(app, out);
    // No option's value may be empty (a value given as '' is a usage error, not a default or 0).
    for (CLI::App* sub : app.get_subcommands({}))
        for (CLI::Option* option : sub->get_options())
            if (option->get_items_expected_min() > 0) option->check(non_empty);

    try {
        app.parse(argc, argv); // runs the chosen subcommand's callback
    } catch (const CLI::CallForHelp& e) {
        return exit_with_help(app, e);
    } catch (const CLI::CallForAllHelp& e) {
        return exit_with_help(app, e);
    } catch (const CLI::CallForVersion& e) {
        return exit_with_help(app, e);
    } catch (const CLI::ParseError& e) {
        app.exit(e);
        return 2;
    } catch (const std::exception& e) {
        std::cerr << "almadex-cli: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
