// The civil calendar in force, as the converter reckons its days: the Julian calendar up to 4 October 1582,
// the Gregorian from 15 October 1582, the ten days between left out (astro::encode_calendar_date). 29
// February 1500 exists; 1700 has none. The checks and the month of days that a date field or a month grid
// needs.
#pragma once

#include "astro/calendar.h"
#include "astro/types.h"

#include <vector>

namespace almanac {

/// The year has a 29 February in the calendar in force (the Julian rule up to 1582, the Gregorian after);
/// false outside the years 1..9999.
bool civil_leap_year(int year);

/// The date exists in the calendar in force (years 1..9999): not 29 February 1700, nor 5..14 October 1582.
bool civil_date_exists(int year, int month, int day);

/// Noon of a date of the calendar in force. Raises astro::EConvertError "Invalid year" (outside 1..9999),
/// "Invalid month", "Invalid day" or "Date invalid due to calendar change" (5..14 October 1582), in that
/// order.
astro::TDateTime noon_of_civil_date(int year, int month, int day);

/// The date in the calendar in force of the day of t. Raises astro::EConvertError "Invalid year" outside the
/// years 1..9999 and for a value that is not a finite number.
astro::TCalendarDate civil_date_of(astro::TDateTime t);

/// One day of a month of the calendar in force.
struct TCivilDay {
    int day = 0;                   ///< its number in the month
    astro::TDateTime midnight = 0; ///< 00:00 of it
    int weekday = 0;               ///< 1 Monday .. 7 Sunday
    friend bool operator==(const TCivilDay&, const TCivilDay&) = default;
};

/// The days of a month of the calendar in force, in order: 28 to 31 of them, 29 in February 1500, 21 in
/// October 1582 (1 to 4, then 15 to 31, Thursday 4 followed by Friday 15). Raises astro::EConvertError
/// "Invalid year" (outside 1..9999) or "Invalid month".
std::vector<TCivilDay> civil_month_days(int year, int month);

} // namespace almanac
