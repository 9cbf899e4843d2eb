// A prayer schedule as every front end asks for it (the place, its name, the options, the days) and as the
// report that both the schedule window and almadex-cli show: its lines, with the dates and times written by a
// style the front end gives.
#pragma once

#include "almanac/datetime_parts.h"
#include "almanac/prayer_schedule.h"
#include "astro/types.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace almanac {

/// What a prayer schedule is computed and shown for.
struct TPrayerRequest {
    TPlace place;
    std::string place_name; ///< the place chosen by its name ("Oran"), "" for a place given by coordinates
    TPrayerOptions options;
    std::string tz_text = "+00:00"; ///< the fixed offset as shown after "UT"
    astro::TDateTime first_day = 0;
    int days = 1;
    TPrayerNames names = TPrayerNames::english; ///< the set the times are named in
    bool qibla = false;                         ///< the direction of the Kaaba and its distance in the report
};

/// The request's schedule (prayer_schedule of its place, days and options).
std::vector<TPrayerDay> prayer_schedule(const TPrayerRequest& request);

/// How a report writes dates, times and the dates the zone skipped.
struct TReportStyle {
    std::function<std::string(astro::TDateTime date)> date;    ///< a local date
    std::function<std::string(const TDateTimeParts&)> time;    ///< a local time of day
    std::function<std::string(const TPrayerDay&)> skipped_day; ///< the line of a date the clocks skipped
    /// A night time past 00:00 says "(next day)" (the words of next_day); else its date, as any time on
    /// another date.
    bool next_day_note = true;
    std::string next_day = "next day";
    /// The report ends with the first day that failed, without its message (which the caller shows);
    /// else the message follows that day's times and the days after it are written too.
    bool stop_at_failure = false;
    /// The report's words ("Date: " ...), the English names of the times and the named methods' titles in
    /// the reader's language: given a context ("Report", "Prayer", "Prayer method") and an English text
    /// marked with ALMADEX_NAME; the English text when empty. The Qibla's words keep their %1 and %2.
    std::function<std::string(std::string_view context, std::string_view text)> translate;
};

/// The command line's style: ISO 8601 dates and times ("2024-03-15", "05:31:07"), a skipped date said as
/// "2011-12-30 is not a day in Pacific/Apia: its clocks skipped it".
TReportStyle iso_report_style(const TPrayerRequest& request);

/// A time as a report and a list show it, with what its day does not tell after it: "(next day)" for a time
/// of the night past 00:00 (with the style's next_day_note), else its date when it falls on another, and its
/// own offset where it is not the day's or its local time occurs twice ("03:15:19 (+02:00)").
std::string shown_time(const TPrayerDay& day, const TPrayerTime& time, const TReportStyle& style);

/// "Qibla: 101.2° from true north, 1,898 km to the Kaaba" without the thousands separator, in the style's
/// words.
std::string qibla_line(const TPlace& place, const TReportStyle& style = {});

/// The title of the night's end, "sunset to dawn" or "sunset to sunrise".
std::string_view night_title(TNightEnd end);

/// The report's lines: "Prayers time for location: " with the place's name after it, the latitude and the
/// longitude in degrees, minutes and seconds, the local time (the zone, else "UT" and the offset), the
/// method (unless the day-arc fractions), the night's reckoning where midnight or its last third is listed,
/// the Qibla when asked; then for each day a blank line, "Date: ...", with a zone the UT offset of the first
/// day and of each day where it changes, and "Name: time" per time; a failed day adds its message (see the
/// style); a date the zone skipped is its style's line.
std::vector<std::string> schedule_report(const TPrayerRequest& request, const std::vector<TPrayerDay>& days,
                                         const TReportStyle& style);

} // namespace almanac
