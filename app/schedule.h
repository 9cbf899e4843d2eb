// A computed prayer schedule as the prayer window hands it to the report window, and the prayers' names as
// both windows show them.
#pragma once

#include "almanac/prayer_schedule.h"

#include <QString>
#include <vector>

namespace almadex {

/// A computed schedule, with the place as the prayer window's fields show it.
struct TSchedule {
    QString latitude;  ///< 36° 12' 0" North
    QString longitude; ///< 3° 45' 0" East
    QString time_zone; ///< +01:00
    almanac::TPlace place;
    bool arabic = false;             ///< the Arabic names
    almanac::TPrayerOptions options; ///< the method and the zone, named in the report and the calendar
    std::vector<almanac::TPrayerDay> days;
};

/// A prayer's name in the Arabic set ("El Fedjr" ...) or the English set ("Dawn" ...).
inline QString prayer_title(almanac::TPrayer prayer, bool arabic) {
    const std::string_view name = almanac::prayer_name(prayer, arabic);
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

} // namespace almadex
