// The Chinese lunisolar calendar computed astronomically: months begin on the day of the new moon, the year
// is organised around the winter solstice, and a month without a major solar term is the leap month of a year
// of thirteen months. Days are days of China's local time; instants in the library's single time scale.
#pragma once

#include "astro/types.h"

#include <cstdint>

namespace astro {

/// A date of the Chinese calendar with its 60-year cycle, stems and branches.
struct TChineseDate {
    std::int32_t Cycle = 0;      ///< number of the 60-year cycle (cycle 78 began in 1984)
    std::int32_t Year = 0;       ///< year within the cycle, 1..60
    std::int32_t YearNumber = 0; ///< civil year in which the Chinese year began, plus 2637
    std::int32_t Month = 0;      ///< 1..12
    bool LeapMonth = false;      ///< the leap month, carrying the number of the month before it
    bool LeapYear = false;       ///< the year from the month after the winter-solstice month has 13 months
    std::int32_t Day = 0;        ///< day of the month, from 1
    std::uint8_t YearBranch = 0; ///< 0..11: Rat, Ox, Tiger, Rabbit, Dragon, Snake, Horse, Goat, Monkey, ...
    std::uint8_t YearStem = 0;   ///< 0..9: Jia, Yi, Bing, Ding, Wu, Ji, Geng, Xin, Ren, Gui
    std::uint8_t DayBranch = 0;
    std::uint8_t DayStem = 0;
    std::uint8_t MonthBranch = 0;
    std::uint8_t MonthStem = 0;
    friend bool operator==(const TChineseDate&, const TChineseDate&) = default;
};

/// Mean lunation used to count months, days.
inline constexpr extended chinese_mean_lunation = 29.530589L;

/// Universal time to China's local time: + 8 h from 1929 on, + 7 h 45 min 40 s (local mean time of 116 deg
/// 25' east) before; the calendar year of the moment decides.
TDateTime to_china_time(TDateTime t);
/// China's local time to universal time, the inverse shift.
TDateTime from_china_time(TDateTime t);

/// Index k (longitude 15 k degrees) of the major solar term of Gregorian month m: 20 for January, 0 for
/// March, 18 (the winter solstice) for December.
std::uint8_t major_term_index(int m);

/// sun_longitude_instant(year, k), memoised: the same value, bit for bit; safe from several threads at once.
TDateTime solar_term_instant(int year, std::uint8_t k);

/// The first major solar term at or after t (instants in universal time).
TDateTime next_major_term(TDateTime t);
/// The last major solar term strictly before t.
TDateTime last_major_term(TDateTime t);

/// Days in China time (x is taken at 00:00 China time; results are whole day numbers):
/// the day of the last new moon at or before x, and of the first at or after x.
TDateTime new_moon_day_on_or_before(TDateTime x);
TDateTime new_moon_day_on_or_after(TDateTime x);
/// The day of the first major term at or after x, and of the last before x.
TDateTime term_day_on_or_after(TDateTime x);
TDateTime term_day_before(TDateTime x);

/// The month that begins on day s has no major term: none falls before the next month begins.
bool month_lacks_major_term(TDateTime s);
/// A month from the month starting on a back to the first month start not after b (a and b month starts,
/// a <= b tests a alone) lacks a major term.
bool lacking_month_between(TDateTime a, TDateTime b);

/// The day (China time) of the winter solstice of a civil year: the first major term on or after 15 December
/// of the proleptic Gregorian calendar. (The Julian 15 December falls after the solstice from the 12th
/// century to the reform, so the anchor is read in the Gregorian calendar; from 1583 on the two are the same
/// day.)
TDateTime winter_solstice_day(std::int32_t civil_year);

/// The day (China time) of month 1, day 1 of the Chinese year that begins in a civil year.
TDateTime chinese_new_year(std::int32_t civil_year);

/// The Chinese date of the day of t (the day read as a day of China time).
void date_to_chinese(TChineseDate& r, TDateTime t);

/// The day (00:00) of the Chinese date given by Cycle, Year, Month, LeapMonth and Day. EConvertError
/// "Invalid chinese date" for a date that does not exist (month above 12, a leap flag on a month that is not
/// leap, a day beyond the month's end).
TDateTime chinese_to_date(const TChineseDate& r);

inline TChineseDate date_to_chinese(TDateTime t) {
    TChineseDate r;
    date_to_chinese(r, t);
    return r;
}

/// Forgets the memoised solar-term and new-moon results (for measurements; no result depends on it).
void clear_chinese_calendar_memo();

} // namespace astro
