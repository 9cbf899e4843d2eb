// A computed prayer schedule as the prayer window hands it to the report window, and the prayers' names and
// times as both windows show them.
#pragma once

#include "almanac/prayer_schedule.h"
#include "app/date_formats.h"

#include <QString>
#include <string>
#include <vector>

namespace almadex {

/// A computed schedule, with the place as the prayer window's fields show it.
struct TSchedule {
    QString latitude;  ///< 36° 12' 0" North
    QString longitude; ///< 3° 45' 0" East
    QString time_zone; ///< +01:00
    almanac::TPlace place;
    almanac::TPrayerNames names = almanac::TPrayerNames::english;
    almanac::TPrayerOptions options; ///< the method and the zone, named in the report and the calendar
    std::vector<almanac::TPrayerDay> days;
};

/// A prayer's name in a set: the English set in the language spoken ("Dawn", "Aube" ...), the
/// transliterated ("El Fedjr" ...) and Arabic-script ("الفجر" ...) sets as they are.
QString prayer_title(almanac::TPrayer prayer, almanac::TPrayerNames names);

/// A time of a day as both windows show it, in the long time format (hours and minutes alone when
/// `whole_minutes`, as the method rounds the times to the minute), with what the day does not tell after
/// it: its date (in the short date format of `fs`) when it falls on another, its offset when its instant has
/// another or its local time occurs twice ("03:15:19 (+02:00)").
QString prayer_time_text(const almanac::TPrayerDay& day, const almanac::TPrayerTime& time,
                         const TFormatSettings& fs, bool whole_minutes = false);
/// A library message about a prayer ("Assr is not calculable...") with the prayer named as in the names set
/// shown.
QString prayer_message(const std::string& message, almanac::TPrayerNames names);
/// The line of a date that the zone's clocks skipped: "30/12/2011: not a day in Pacific/Apia: its clocks
/// skipped it".
QString skipped_day_text(const almanac::TPrayerDay& day, const QString& zone, const TFormatSettings& fs);

} // namespace almadex
