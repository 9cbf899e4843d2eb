// The iCalendar of a schedule as the tests ask for it, and an owner for what libical parses.
#pragma once

#include "almanac/ics.h"

#include <libical/ical.h>
#include <string>
#include <vector>

namespace almanac {

// The calendar of a schedule at `place`, asked for with these names and options.
inline std::string ics_of(const TPlace& place, const std::vector<TPrayerDay>& days, TPrayerNames names,
                          double stamp, const TPrayerOptions& options = {}) {
    TPrayerRequest request;
    request.place = place;
    request.names = names;
    request.options = options;
    return prayer_ics(request, days, stamp);
}

struct CalendarDeleter {
    void operator()(icalcomponent* c) const { icalcomponent_free(c); }
};

} // namespace almanac
