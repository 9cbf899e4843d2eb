// almadex-cli prayer: the request as read from the command line, and the schedule's renderings (the text of
// the schedule window's layout, JSON and CSV; iCalendar is almanac/ics.h).
#pragma once

#include "almanac/islamic.h"
#include "almanac/prayer_report.h"
#include "cli/commands.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace almadex::cli {

using almanac::TPrayerRequest;

/// The options of `almadex-cli prayer` as given (CLI11 fills them; empty or unset where not given).
struct TPrayerArgs {
    std::string lat, lon, city, tz, date, names = "english", format = "text";
    std::string method = "almadex", asr = "standard", high_lat = "auto", polar = "none", adjust,
                round = "second", extra, night = "dawn";
    std::optional<double> fajr_angle, isha_angle, isha_minutes, maghrib_angle;
    int days = 1, dhuhr = 0, imsak_minutes = 10;
    bool no_sunrise = false, qibla = false;
    almanac::TIslamicChoice islamic;
};

/// The method, its options and the extra times of the arguments; raises TInputError for custom angles
/// without the custom method and for the choice's bounds (almanac::check_method_choice).
almanac::TMethodChoice method_choice(const TPrayerArgs& args);
/// The prayer-name set of a --names value ("english", "arabic", "arabic-script"); English for another.
almanac::TPrayerNames prayer_names_of(std::string_view name);
/// The request of the arguments, its first day today in its zone by default (`now` UT); raises TInputError
/// for a missing place or zone, a bad value, custom angles without the custom method and the method
/// choice's bounds (almanac::check_method_choice).
TPrayerRequest prayer_request(const TPrayerArgs& args, double now);
/// --extra "imsak,midnight,last-third,sunset,jumuah" into the choice; raises TInputError "Invalid extra time
/// ..." for another name.
void parse_extra_times(std::string_view text, almanac::TExtraTimes& extra);
/// What goes to stderr before the schedule in `format`: the dates the zone skipped (csv and ics) and the
/// days a calendar leaves out (ics).
std::vector<std::string> prayer_notes(const TPrayerRequest& request,
                                      const std::vector<almanac::TPrayerDay>& days, std::string_view format);
/// The schedule in `format`: text, json, csv or ics (`now` the calendar's stamp, UT); raises TInputError for
/// a calendar without a single time.
std::string prayer_output(const TPrayerRequest& request, const std::vector<almanac::TPrayerDay>& days,
                          std::string_view format, double now);

/// --tz: an offset "[+|-]HH:MM" (its canonical text in tz_text) or an IANA zone name (options.zone); raises
/// TInputError "Invalid time zone ..." for anything else.
void parse_prayer_zone(std::string_view text, TPrayerRequest& request);
/// --adjust "fajr=+2,isha=-1": minutes by prayer (fajr or fedjr, sunrise or shourouk, dhuhr or dhohr, asr,
/// maghrib or ghouroub, isha or ishaa), -120..120; raises TInputError "Invalid adjustment ...".
std::array<int, 6> parse_adjustments(std::string_view text);

/// The methods with their parameters, offsets and sources: text, or JSON with --json.
json method_list_json();
std::string method_list_text();

/// The local date of the instant `now` (UT) by the request's zone or offset: the first day by default.
double local_today(const TPrayerRequest& request, double now);

/// The request's schedule; raises TInputError for a number of days outside 1..3660 or days outside the
/// years 999..2399.
std::vector<almanac::TPrayerDay> prayer_days(const TPrayerRequest& request);

/// {"latitude", "longitude" (east positive, as the user writes it), "place" (its name, with --city), "tz",
/// "method", "method_title", "zone" (the IANA name or null), "night" ("dawn" or "sunrise": where the night
/// of midnight and the last third ends, when they are listed), "qibla" (with --qibla: "direction" degrees
/// from true north, "distance_km"),
/// "days": [{"date", "utc_offset" "+HH:MM" (at the date's local noon), the local times "HH:MM:SS" by key,
/// "utc_offsets" (by key, the offset of each time whose instant has another or whose local time occurs
/// twice; only when there is one), "dates" (by key, the local date of a time that falls on another date;
/// only when there is one), "jumuah" (true on a Friday whose Dhuhr is named Jumu'ah), "error", and "rule":
/// the times a rule placed, by key, with the rule's name (almanac::time_rule_key)}], "skipped_dates" (the
/// dates the zone's clocks skipped, left out of "days"; only when there is one)}.
json prayer_json(const TPrayerRequest& request, const std::vector<almanac::TPrayerDay>& days);
/// The schedule window's report (almanac::schedule_report) in ISO 8601 dates and times, a line each.
std::string prayer_text(const TPrayerRequest& request, const std::vector<almanac::TPrayerDay>& days);
/// date, one column per listed time (a time with its offset, and its date where it falls on another), error;
/// no row for a skipped date.
std::string prayer_csv(const TPrayerRequest& request, const std::vector<almanac::TPrayerDay>& days);
/// "2011-12-30 is not a day in Pacific/Apia: its clocks skipped it", for each date the zone skipped.
std::vector<std::string> skipped_days(const TPrayerRequest& request,
                                      const std::vector<almanac::TPrayerDay>& days);

/// What an iCalendar file of the schedule leaves out: one line per day with an error ("2024-06-21 left out:
/// Fedjr is not calculable", or "... left out from El Dhohr on: ..." after the times it has, or "... left out
/// without Dawn, Sun rise, ...: ..." where a method lists the times it can compute around those it cannot),
/// and whether no time at all was computed.
struct TLeftOut {
    std::vector<std::string> lines;
    bool nothing_computed = false;
};
TLeftOut left_out_of_calendar(const TPrayerRequest& request, const std::vector<almanac::TPrayerDay>& days);

/// The place, method and zone of the location file "gl.dat" at `path`, with the Islamic calendar followed;
/// TInputError when there is no such file or it cannot be read.
TPrayerRequest saved_request(const std::string& path, const almanac::TIslamicChoice& islamic);

/// The next prayer after `now` (UT) and its day's times: {"prayer" (key), "name", "time" "HH:MM" (the minute
/// of the time the schedule shows), "instant" (local, ISO 8601), "utc_offset", "minutes_left" (rounded up),
/// "left" ("1 h 04 min"), "date", "times": [{"prayer", "name", "time" "HH:MM:SS", "next"}], "error" when the
/// day lacks times, "tz"}. TInputError when no prayer can be computed in the next eight days.
json next_json(const TPrayerRequest& request, double now);
/// "El Asr 15:12 - in 1 h 04 min".
std::string next_text(const json& next);
/// The one-line document of status bars: {"text", "tooltip" (the day's times, the next one marked), "class"
/// (the prayer's key, and "soon" within 15 minutes of it)}.
json waybar_json(const json& next);

} // namespace almadex::cli
