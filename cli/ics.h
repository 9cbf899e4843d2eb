// The prayer schedule as an iCalendar (RFC 5545) document, written with libical: one event per prayer, times
// in UTC, stable UIDs, CRLF line ends and folded lines.
#pragma once

#include "cli/almanac.h"

#include <string>
#include <vector>

namespace almadex::cli {

/// `stamp` is the DTSTAMP of every event (the moment the calendar is made), a date-time value in UTC.
std::string prayer_ics(const TPrayerRequest& request, const std::vector<TPrayerDay>& days, double stamp);

} // namespace almadex::cli
