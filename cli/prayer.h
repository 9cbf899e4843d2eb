// almadex-cli prayer: the request as read from the command line, and the schedule's renderings (the text of
// the schedule window's layout, JSON and CSV; iCalendar is almanac/ics.h).
#pragma once

#include "almanac/prayer_schedule.h"
#include "cli/commands.h"

#include <string>
#include <vector>

namespace almadex::cli {

struct TPrayerRequest {
    almanac::TPlace place; ///< longitude WEST positive, converted once from the user's east-positive input
    almanac::TPrayerOptions options;
    std::string tz_text = "+00:00"; ///< the offset as given, "+HH:MM"
    double date = 0;                ///< the first day
    int days = 1;
    bool arabic = false;
};

/// The request's schedule; raises TInputError for a number of days outside 1..3660 or days outside the
/// years 999..2399.
std::vector<almanac::TPrayerDay> prayer_days(const TPrayerRequest& request);

/// {"latitude", "longitude" (east positive, as the user writes it), "tz", "days": [{"date", the local times
/// "HH:MM:SS" by key, "error"}]}.
json prayer_json(const TPrayerRequest& request, const std::vector<almanac::TPrayerDay>& days);
/// The schedule window's layout: the place, the zone, then per day "Date: YYYY-MM-DD" and "Name: HH:MM:SS"
/// lines (a failed day adds its message after the times it has).
std::string prayer_text(const TPrayerRequest& request, const std::vector<almanac::TPrayerDay>& days);
/// date, one column per prayer, error.
std::string prayer_csv(const TPrayerRequest& request, const std::vector<almanac::TPrayerDay>& days);

/// What an iCalendar file of the schedule leaves out: one line per day with an error ("2024-06-21 left out:
/// Fedjr is not calculable", or "... left out from El Dhohr on: ..." after the times it has), and whether no
/// time at all was computed.
struct TLeftOut {
    std::vector<std::string> lines;
    bool nothing_computed = false;
};
TLeftOut left_out_of_calendar(const TPrayerRequest& request, const std::vector<almanac::TPrayerDay>& days);

} // namespace almadex::cli
