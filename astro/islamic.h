// The Islamic (Hijri) calendar: the arithmetic calendar of a mean year of 354 11/30 days with months of 30
// and 29 days, and the Islamic date shown for a day (months that begin with the Moon, numbered by the mean
// year).
#pragma once

#include "astro/types.h"

#include <cstdint>

namespace astro {

/// An Islamic date; months 1 (Muharram) to 12 (Dhu al-Hijjah).
struct TIslamicDate {
    std::uint16_t day = 0;
    std::uint16_t month = 0;
    std::uint16_t year = 0;
    friend bool operator==(const TIslamicDate&, const TIslamicDate&) = default;
};

/// Mean Islamic year in days.
inline constexpr extended islamic_mean_year = 354.366666667L;
/// Mean Islamic month in days, for the month of a day.
inline constexpr extended islamic_mean_month = 29.530588L;

/// Date-time value (00:00) of the epoch day: 16 July 622 (civil epoch) or 15 July 622, both proleptic
/// Gregorian. 1 Muharram 1 lies 3 days later.
TDateTime islamic_epoch_day(bool civil_epoch);

/// The year is long (Dhu al-Hijjah has 30 days): 11 years in every 30, those with year mod 30 in
/// {0, 2, 4, 6, 11, 13, 15, 17, 19, 21, 28}.
bool islamic_is_long_year(const TIslamicDate& date);

/// The day does not exceed the length of its month (30 for odd months, 29 for even ones, 30 for month 12 of a
/// long year); false also for day 0, a month outside 1..12 and year 0.
bool islamic_date_valid(const TIslamicDate& date);

/// (year - 1) * 354.366666667 + the lengths of months 1 .. month - 1 + day: not a whole number in general.
extended islamic_day_count(const TIslamicDate& date);

/// Moment of an Islamic date: islamic_day_count + epoch day + 2. The day it denotes is its value rounded
/// down.
TDateTime islamic_to_date(const TIslamicDate& date, bool civil_epoch);

/// The day (00:00) on which the Moon's month of the day of t begins: the first day after a new moon whose
/// Moon's age at noon rounds to 1 or more (a day whose rounded age is 0 still ends the month before). Months
/// so begun have 29 or 30 days. New moons from the phase search (moon_phases.h), ages from moon_age; the
/// first day of each month is memoised (bounded, safe from several threads, the same value as computed anew).
TDateTime islamic_month_first_day(TDateTime t);

/// Forgets the memoised first days of months (for measurements; no result depends on it).
void clear_islamic_month_memo();

/// Islamic date shown for the day of t. The days count one at a time from the first day of the Moon's month
/// (islamic_month_first_day), 1 to 29 or 30; the whole month carries the year and month that the mean year
/// gives its 15th day (islamic_year_month), so the months follow 1..12 and the year advances after month 12.
/// Its reverse is islamic_to_day; islamic_to_date, the arithmetic calendar, can differ from it by a day or
/// two.
void date_to_islamic(bool civil_epoch, TIslamicDate& date, TDateTime t);

/// The year and month of the mean year for the day of t (it needs no Moon): the month from the days into the
/// mean year and the mean month of 29.530588 days (11 from day 297, 12 from day 326), taken back one month in
/// its first days (more than 27 days before its mean end); month 0 is Dhu al-Hijjah of the year before.
/// date_to_islamic numbers each month by this rule on its 15th day. Days before the first Islamic year raise
/// E_OutOfAlgorithmRange "Out of range of the algorithm".
void islamic_year_month(bool civil_epoch, TDateTime t, std::uint16_t& year, std::uint16_t& month);

/// The day (00:00) whose Islamic date (date_to_islamic) is `date`, sought from the middle of the month that
/// islamic_to_date gives, a month or two either way. From the epoch to 21,000 AH (Gregorian 21,000) the exact
/// reverse of date_to_islamic, months of 29 or 30 days; farther out the drift of the phase series from the
/// mean year gives two months one number here and there, and the day is one that shows the date. Raises
/// EConvertError "Invalid year" (year 0), "Invalid month" (outside 1..12, or a number no Moon's month
/// carries) or "Invalid day" (outside 1..30, or the 30th of a Moon's month of 29 days), and the errors of
/// date_to_islamic.
TDateTime islamic_to_day(const TIslamicDate& date, bool civil_epoch);

inline TIslamicDate date_to_islamic(bool civil_epoch, TDateTime t) {
    TIslamicDate r;
    date_to_islamic(civil_epoch, r, t);
    return r;
}

} // namespace astro
