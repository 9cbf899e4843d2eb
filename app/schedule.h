// The prayer times as the windows write them: the report style of the schedule (the dates and times in the
// date conventions given), the names of the times and the library's messages about them.
#pragma once

#include "almanac/prayer_report.h"
#include "app/date_formats.h"

#include <QString>
#include <string>

namespace almadex {

/// A prayer's name in a set: the English set in the language spoken ("Dawn", "Aube" ...), the
/// transliterated ("El Fedjr" ...) and Arabic-script ("الفجر" ...) sets as they are.
QString prayer_title(almanac::TPrayer prayer, almanac::TPrayerNames names);
/// The name of a listed time in a set: its prayer's, or Jumu'ah's on a Friday where chosen.
QString prayer_title(const almanac::TPrayerTime& time, almanac::TPrayerNames names);

/// The windows' style: dates in the short date format of `fs`, times in the long time format (hours and
/// minutes alone when `whole_minutes`, as the method rounds the times to the minute), a date the zone `zone`
/// skipped as "30/12/2011: not a day in Pacific/Apia: its clocks skipped it". `fs` is read when a date is
/// written.
almanac::TReportStyle report_style(const TFormatSettings& fs, const QString& zone,
                                   bool whole_minutes = false);

/// A time of a day as both windows show it (almanac::shown_time in the windows' style), with what the day
/// does not tell after it: "(next day)" for a time of the night past 00:00, its date when it falls on
/// another, its offset when its instant has another or its local time occurs twice ("03:15:19 (+02:00)").
QString prayer_time_text(const almanac::TPrayerDay& day, const almanac::TPrayerTime& time,
                         const TFormatSettings& fs, bool whole_minutes = false);
/// A library message about a prayer ("Assr is not calculable...") with the prayer named as in the names set
/// shown.
QString prayer_message(const std::string& message, almanac::TPrayerNames names);
/// The text of a date that the zone's clocks skipped, after its date: "not a day in Pacific/Apia: its clocks
/// skipped it".
QString skipped_day_note(const QString& zone);

} // namespace almadex
