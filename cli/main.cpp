// almadex-cli: the almanac on the command line. Every command prints text, or with --json one JSON document.
// Errors: the message on stderr and exit status 1; usage errors: exit status 2.
#include "astro/calendar.h"
#include "astro/errors.h"
#include "cli/almanac.h"
#include "cli/ics.h"
#include "cli/text.h"

#include <CLI/CLI.hpp>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <iostream>
#include <optional>
#include <string>

using almadex::cli::json;

namespace {

// Now, in UTC, as a date-time value: the library's time scale has no time zone.
double now_utc() {
    const auto since_epoch = std::chrono::system_clock::now().time_since_epoch();
    const double seconds = std::chrono::duration<double>(since_epoch).count();
    return 25569.0 + seconds / 86400.0; // 25569 is 1970-01-01
}

struct Output {
    bool as_json = false;
    void print(const json& doc, std::string (*text)(const json&)) const {
        if (as_json)
            std::cout << doc.dump(2) << "\n";
        else
            std::cout << text(doc);
    }
};

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
        "  almadex-cli prayer --lat 36:45N --lon 3:03E --tz +01:00 --days 30 --format ics > prayers.ics");

    bool as_json = false;
    const auto json_flag = [&](CLI::App* sub) {
        sub->add_flag("--json", as_json, "Print one JSON document");
    };

    std::string from, value;
    auto* convert =
        app.add_subcommand("convert", "Convert one day into every calendar, as the converter does");
    convert->add_option("--from", from, "Calendar of VALUE")
        ->required()
        ->check(CLI::IsMember({"gregorian", "hebrew", "islamic", "chinese", "jd"}));
    convert
        ->add_option("VALUE", value,
                     "gregorian 2024-10-03; hebrew YEAR-MONTH-DAY with Nisan = 1 .. Adar 2 = 13 (5785-7-1);\n"
                     "islamic 1446-9-1; chinese CYCLE-YEAR-MONTH-DAY, L after a leap month (78-40-2L-1);\n"
                     "jd 2460587")
        ->required();
    json_flag(convert);

    std::string feast_name;
    long long year = 0, k = 0;
    auto* feast =
        app.add_subcommand("feast", "The day of a feast of a year, as the Fill in commands give it");
    feast
        ->add_option("NAME", feast_name,
                     "new-year, easter, palm-sunday, whitsun, all-saints, christmas (Gregorian year);\n"
                     "muslim-new-year, achoura, ramadan, minor-fair, major-fair, maoulid (Islamic year);\n"
                     "jewish-new-year, pesach (Hebrew year)")
        ->required();
    feast->add_option("YEAR", year, "Year of the feast's calendar")->required();
    json_flag(feast);

    std::string at;
    auto* moon =
        app.add_subcommand("moon", "The Moon's data at an instant, its next eclipse and next blue moon");
    moon->add_option("--at", at, "Instant (default: now, UTC)");
    json_flag(moon);

    std::string range_from, range_to, body;
    bool octants = false;
    auto* phases = app.add_subcommand("phases", "The Moon's phases between two dates, in time order");
    phases->add_option("--from", range_from, "First day")->required();
    phases->add_option("--to", range_to, "Last day (included)")->required();
    phases->add_flag("--octants", octants, "Include the four octants between the principal phases");
    json_flag(phases);

    auto* eclipses =
        app.add_subcommand("eclipses", "Solar and lunar eclipses between two dates, in time order");
    eclipses->add_option("--from", range_from, "First day")->required();
    eclipses->add_option("--to", range_to, "Last day (included)")->required();
    eclipses->add_option("--body", body, "Only solar (sun) or lunar (moon) eclipses")
        ->check(CLI::IsMember({"sun", "moon"}));
    json_flag(eclipses);

    auto* seasons = app.add_subcommand("seasons", "The instants at which the four seasons of a year begin");
    seasons->add_option("YEAR", year, "Year")->required();
    json_flag(seasons);

    auto* term =
        app.add_subcommand("solar-term", "The instant of solar longitude 15 K degrees within a year");
    term->add_option("YEAR", year, "Year")->required();
    term->add_option("K", k,
                     "0..23 (0 March equinox, 6 June solstice, 12 September equinox, 18 December solstice)")
        ->required();
    json_flag(term);

    std::string instant;
    auto* position = app.add_subcommand("position", "Apparent geocentric position of the Sun or the Moon");
    position->add_option("BODY", body, "sun or moon")->required()->check(CLI::IsMember({"sun", "moon"}));
    position->add_option("INSTANT", instant, "Instant")->required();
    json_flag(position);

    std::string lat, lon, date;
    auto* riseset =
        app.add_subcommand("riseset", "Rising, transit and setting (and the Sun's twilights), in UT");
    riseset->add_option("--lat", lat, "Latitude: decimal degrees (north positive) or D:M:S with N/S")
        ->required();
    riseset->add_option("--lon", lon, "Longitude: decimal degrees (EAST positive) or D:M:S with E/W")
        ->required();
    riseset->add_option("--date", date, "Day")->required();
    riseset->add_option("--body", body, "sun (default) or moon")->check(CLI::IsMember({"sun", "moon"}));
    json_flag(riseset);

    std::string tz, names = "english", format = "text";
    int days = 1;
    bool no_sunrise = false;
    auto* prayer = app.add_subcommand("prayer", "Daily Muslim prayer times for a place, in local time");
    prayer->add_option("--lat", lat, "Latitude: decimal degrees (north positive) or D:M:S with N/S")
        ->required();
    prayer->add_option("--lon", lon, "Longitude: decimal degrees (EAST positive) or D:M:S with E/W")
        ->required();
    prayer->add_option("--tz", tz, "Offset of local time from UT, [+|-]HH:MM")->required();
    prayer->add_option("--date", date, "First day (default: today, UTC)");
    prayer->add_option("--days", days, "Number of days (default 1; the schedule window makes 30)");
    prayer->add_option("--names", names, "english (default) or arabic")
        ->check(CLI::IsMember({"english", "arabic"}));
    prayer->add_flag("--no-sunrise", no_sunrise, "Leave out the sunrise (Shourouk)");
    prayer->add_option("--format", format, "text (the schedule's layout), json, csv or ics (RFC 5545, UTC)")
        ->check(CLI::IsMember({"text", "json", "csv", "ics"}));
    json_flag(prayer);

    std::string first, second;
    auto* between = app.add_subcommand("between", "The number of days between two dates");
    between->add_option("DATE1", first, "First date")->required();
    between->add_option("DATE2", second, "Second date")->required();
    json_flag(between);

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForAllHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForVersion& e) {
        return app.exit(e);
    } catch (const CLI::ParseError& e) {
        app.exit(e);
        return 2;
    }

    namespace cli = almadex::cli;
    try {
        const Output out{as_json};
        if (convert->parsed()) {
            out.print(cli::convert(from, value), cli::day_text);
        } else if (feast->parsed()) {
            out.print(cli::feast(feast_name, year), cli::day_text);
        } else if (moon->parsed()) {
            out.print(cli::moon(at.empty() ? now_utc() : cli::parse_instant(at)), cli::moon_text);
        } else if (phases->parsed()) {
            out.print(cli::phases(cli::parse_date(range_from), cli::parse_date(range_to) + 1, octants),
                      cli::phases_text);
        } else if (eclipses->parsed()) {
            std::optional<bool> sun;
            if (!body.empty()) sun = body == "sun";
            out.print(cli::eclipses(cli::parse_date(range_from), cli::parse_date(range_to) + 1, sun),
                      cli::eclipses_text);
        } else if (seasons->parsed()) {
            out.print(cli::seasons(year), cli::seasons_text);
        } else if (term->parsed()) {
            out.print(cli::solar_term(year, k), cli::solar_term_text);
        } else if (position->parsed()) {
            out.print(cli::position(body, cli::parse_instant(instant)), cli::position_text);
        } else if (riseset->parsed()) {
            out.print(cli::riseset(cli::parse_latitude(lat), cli::parse_longitude(lon), cli::parse_date(date),
                                   body != "moon"),
                      cli::riseset_text);
        } else if (prayer->parsed()) {
            cli::TPrayerRequest request;
            request.latitude = cli::parse_latitude(lat);
            request.longitude_east = cli::parse_longitude(lon);
            request.tz = cli::parse_time_zone(tz, request.tz_text);
            request.date = date.empty() ? std::floor(now_utc()) : cli::parse_date(date);
            request.days = days;
            request.arabic = names == "arabic";
            request.sunrise = !no_sunrise;
            const auto schedule = cli::prayer_days(request);
            if (as_json || format == "json")
                std::cout << cli::prayer_json(request, schedule).dump(2) << "\n";
            else if (format == "csv")
                std::cout << cli::prayer_csv(request, schedule);
            else if (format == "ics")
                std::cout << cli::prayer_ics(request, schedule, now_utc());
            else
                std::cout << cli::prayer_text(request, schedule);
        } else if (between->parsed()) {
            out.print(cli::between(cli::parse_date(first), cli::parse_date(second)), cli::between_text);
        }
    } catch (const std::exception& e) {
        std::cerr << "almadex-cli: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
