// Julian Days and the civil calendars: the Julian calendar up to 1582-10-04, the Gregorian from 1582-10-15.
// Method: Meeus, Astronomical Algorithms, chapter 7, with the switch-over at the reform of 1582.
#pragma once

#include "astro/types.h"

#include <cstdint>

namespace astro {

/// Julian Day of date-time value 0 (1899-12-30 00:00).
inline constexpr extended datetime_jd_offset = 2415018.5L;
/// Julian Day of 1582-10-15 00:00, the first day of the Gregorian calendar.
inline constexpr extended reform_jd = 2299160.5L;

/// t + 2415018.5 in extended precision.
inline extended datetime_to_jd(TDateTime t) {
    return static_cast<extended>(t) + datetime_jd_offset;
}
/// jd - 2415018.5, rounded to double.
inline TDateTime jd_to_datetime(extended jd) {
    return static_cast<TDateTime>(jd - datetime_jd_offset);
}

/// Julian rule up to and including 1582, Gregorian rule afterwards.
bool calendar_leap_year(std::uint16_t year);

/// JD of 00:00 of a date of the Julian calendar; raises EConvertError "Invalid year" (outside 1..9999),
/// "Invalid month", "Invalid day", tested in that order.
extended julian_calendar_to_jd(std::uint16_t y, std::uint16_t m, std::uint16_t d);
/// JD of 00:00 of a date of the (proleptic) Gregorian calendar; same errors.
extended gregorian_calendar_to_jd(std::uint16_t y, std::uint16_t m, std::uint16_t d);
/// JD of 00:00 in the calendar in force: Julian before `reform`, Gregorian from it; the days in between raise
/// "Date invalid due to calendar change".
extended calendar_date_to_jd(std::uint16_t y, std::uint16_t m, std::uint16_t d, extended reform);
/// calendar_date_to_jd with the reform of 1582.
extended date_to_jd(std::uint16_t y, std::uint16_t m, std::uint16_t d);

/// Civil day containing the instant jd, in the Julian calendar. Raises "Negative julian dates not supported"
/// for jd < 0 (or NaN) and "Invalid year" when the day falls outside the years 1..9999.
void jd_to_julian_calendar(extended jd, std::uint16_t& y, std::uint16_t& m, std::uint16_t& d);
/// The same in the Gregorian calendar.
void jd_to_gregorian_calendar(extended jd, std::uint16_t& y, std::uint16_t& m, std::uint16_t& d);
/// The calendar in force: Julian when reform > jd, Gregorian otherwise (tested on the instant itself).
void jd_to_calendar_date(extended reform, extended jd, std::uint16_t& y, std::uint16_t& m, std::uint16_t& d);
/// jd_to_calendar_date with the reform of 1582.
void jd_to_date(extended jd, std::uint16_t& y, std::uint16_t& m, std::uint16_t& d);

/// Date-time value of 00:00 of a civil date (calendar in force).
TDateTime encode_calendar_date(std::uint16_t y, std::uint16_t m, std::uint16_t d);
/// Civil date (calendar in force) of the day containing t.
void decode_calendar_date(TDateTime t, std::uint16_t& y, std::uint16_t& m, std::uint16_t& d);

/// A civil date as one value, for callers that prefer a result to out-parameters.
struct TCalendarDate {
    std::uint16_t year = 0;
    std::uint16_t month = 0;
    std::uint16_t day = 0;
    friend bool operator==(const TCalendarDate&, const TCalendarDate&) = default;
};

inline TCalendarDate jd_to_date(extended jd) {
    TCalendarDate r;
    jd_to_date(jd, r.year, r.month, r.day);
    return r;
}
inline TCalendarDate decode_calendar_date(TDateTime t) {
    TCalendarDate r;
    decode_calendar_date(t, r.year, r.month, r.day);
    return r;
}

/// The proleptic Gregorian reading of a date-time value, the one the windows' date fields and pickers use
/// (the Gregorian rules for every year, also before 1582). Raises "Invalid year" outside 1..9999.
TCalendarDate gregorian_date_of(TDateTime t);
/// Date-time value of 00:00 of a proleptic Gregorian date; raises the errors of gregorian_calendar_to_jd.
TDateTime gregorian_datetime(std::uint16_t y, std::uint16_t m, std::uint16_t d);

} // namespace astro
