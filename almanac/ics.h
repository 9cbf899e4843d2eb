// A prayer schedule as an iCalendar (RFC 5545) document, written with libical: one event per computed time,
// to the second, stable UIDs, CRLF line ends and folded lines.
#pragma once

#include "almanac/prayer_report.h"
#include "astro/types.h"

#include <string>
#include <string_view>
#include <vector>

namespace almanac {

/// Every time of every day of `days` as an event named in the request's set (the times a failed day computed
/// before its failure included), lasting the prayer's minute (DTEND one minute after DTSTART). The UID of an
/// event is made of its day, its prayer's key and the place (latitude and EAST longitude with four decimals),
/// so that importing the same schedule again updates the events. `stamp` is the DTSTAMP of every event: the
/// moment the calendar is made, a date-time value in UTC. Each event's DESCRIPTION names the options' method
/// and zone (and, for midnight and the last third, the night's reckoning), its LOCATION the place's name when
/// it has one. With a zone, the events start at their local times with its TZID, and the calendar carries the
/// zone's VTIMEZONE, written from its changes over the events' span (its first observance from the change
/// that began the period of the first event); an instant whose local time occurs twice is written in UTC.
/// Without a zone the events are in UTC. PRODID names `program` ("Almadex" or "almadex-cli"). Raises
/// std::invalid_argument for a zone the tz database does not know.
std::string prayer_ics(const TPrayerRequest& request, const std::vector<TPrayerDay>& days,
                       astro::TDateTime stamp, std::string_view program = "almadex-cli");

} // namespace almanac
