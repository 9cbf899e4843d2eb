// A date-time value as the calendar date and time of day that people read: the one conversion, with the one
// rounding rule, behind every date and time the program writes (the windows, the Moon control, the iCalendar
// files and the command line's ISO 8601 text).
#pragma once

#include "astro/types.h"

#include <cstdint>
#include <string>

namespace almanac {

/// A proleptic Gregorian date and a time of day to the millisecond.
struct TDateTimeParts {
    int year = 0;
    int month = 0;       ///< 1..12
    int day = 0;         ///< 1..31
    int hour = 0;        ///< 0..23
    int minute = 0;      ///< 0..59
    int second = 0;      ///< 0..59
    int millisecond = 0; ///< 0..999: a time shown to the second leaves it out, as a clock does
    friend bool operator==(const TDateTimeParts&, const TDateTimeParts&) = default;
};

/// The instant t rounded to the nearest millisecond (a time that rounds to 24:00 is 00:00 of the next day),
/// moved by `shift_seconds` (a time-zone offset, exactly), read in the proleptic Gregorian calendar. Shown to
/// the second, the time is the one a clock shows: 07:00:39.9 is 07:00:39 in every window, file and output.
/// Raises astro::EConvertError "Invalid year" outside the years 1..9999 (also for any shift beyond 20,000,000
/// days) and for a value that is not a finite number.
TDateTimeParts datetime_parts(astro::TDateTime t, std::int64_t shift_seconds = 0);

/// The day of t (t rounded down) in the proleptic Gregorian calendar, at 00:00: no rounding of the time.
TDateTimeParts date_parts(astro::TDateTime t);

/// The date-time value of a proleptic Gregorian date and time of day. Raises astro::EConvertError "Invalid
/// year", "Invalid month" or "Invalid day" for a date that does not exist (years 1..9999).
astro::TDateTime datetime_from_parts(int year, int month, int day, int hour = 0, int minute = 0,
                                     int second = 0, int millisecond = 0);
inline astro::TDateTime datetime_from_parts(const TDateTimeParts& p) {
    return datetime_from_parts(p.year, p.month, p.day, p.hour, p.minute, p.second, p.millisecond);
}

/// The date-time value of 1970-01-01 00:00, from which Unix time and ICU count (25569 days after 1899-12-30).
inline constexpr astro::TDateTime unix_epoch = 25569;
/// Unix time in milliseconds (ICU's UDate) of a date-time value, both in universal time, and back: one linear
/// count in both directions, no leap seconds.
constexpr double unix_milliseconds(astro::TDateTime t) {
    return (t - unix_epoch) * 86400000.0;
}
constexpr astro::TDateTime from_unix_milliseconds(double ms) {
    return unix_epoch + ms / 86400000.0;
}
/// The date-time value of a Unix time in seconds (fractions kept).
constexpr astro::TDateTime from_unix_seconds(double seconds) {
    return unix_epoch + seconds / 86400.0;
}

/// "2024-03-15" (ISO 8601) of the date of `p`.
std::string iso_date(const TDateTimeParts& p);
/// "07:05:09" of the time of `p` (its milliseconds left out).
std::string iso_time(const TDateTimeParts& p);
/// "2024-03-15T07:05:09" of datetime_parts(t).
std::string iso_instant(astro::TDateTime t);

} // namespace almanac
