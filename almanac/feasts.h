// The fourteen feasts of the Fill in commands and of `almadex-cli feast`: one table, and the day of a feast
// in a year of its own calendar.
#pragma once

#include "almanac/day.h"
#include "astro/types.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace almanac {

/// The calendar whose year a feast is asked for, and whose panel the converter fills.
enum class TFeastCalendar : std::uint8_t { gregorian, islamic, hebrew };

enum class TFeastId : std::uint8_t {
    new_year,
    easter,
    palm_sunday,
    whitsun,
    all_saints,
    christmas,
    muslim_new_year,
    achoura,
    ramadan,
    minor_fair,
    major_fair,
    maoulid,
    jewish_new_year,
    pesach,
};

struct TFeast {
    TFeastId id;
    std::string_view name; ///< the command-line name
    TFeastCalendar calendar;
    int month = 0;             ///< the fixed month of the feast's calendar (Hebrew months from Nisan = 1)
    int day = 0;               ///< the fixed day; both 0 for a feast that follows Easter
    int days_after_easter = 0; ///< for a feast that follows Easter: days after Easter Sunday
    constexpr bool follows_easter() const { return month == 0; }
};

/// In the order of the Fill in menu: the Gregorian, the Islamic, then the Hebrew feasts.
inline constexpr std::array<TFeast, 14> feasts{{
    {TFeastId::new_year, "new-year", TFeastCalendar::gregorian, 1, 1, 0},
    {TFeastId::easter, "easter", TFeastCalendar::gregorian, 0, 0, 0},
    {TFeastId::palm_sunday, "palm-sunday", TFeastCalendar::gregorian, 0, 0, -7},
    {TFeastId::whitsun, "whitsun", TFeastCalendar::gregorian, 0, 0, 49},
    {TFeastId::all_saints, "all-saints", TFeastCalendar::gregorian, 11, 1, 0},
    {TFeastId::christmas, "christmas", TFeastCalendar::gregorian, 12, 25, 0},
    {TFeastId::muslim_new_year, "muslim-new-year", TFeastCalendar::islamic, 1, 1, 0},
    {TFeastId::achoura, "achoura", TFeastCalendar::islamic, 1, 10, 0},
    {TFeastId::ramadan, "ramadan", TFeastCalendar::islamic, 9, 1, 0},
    {TFeastId::minor_fair, "minor-fair", TFeastCalendar::islamic, 10, 1, 0},
    {TFeastId::major_fair, "major-fair", TFeastCalendar::islamic, 12, 10, 0},
    {TFeastId::maoulid, "maoulid", TFeastCalendar::islamic, 3, 12, 0},
    {TFeastId::jewish_new_year, "jewish-new-year", TFeastCalendar::hebrew, 7, 1, 0},
    {TFeastId::pesach, "pesach", TFeastCalendar::hebrew, 1, 15, 0},
}};

/// The table's row of a feast.
const TFeast& feast(TFeastId id);
/// The feast of a command-line name, or null.
const TFeast* find_feast(std::string_view name);

/// A feast's date in its own calendar in `year` of that calendar: the day and month the Fill in command
/// writes into the panel. A feast that follows Easter takes the day and month of Easter Sunday (Julian
/// computus before 1583) plus its offset, read in the proleptic Gregorian calendar, in the same year. Raises
/// the errors of astro::easter_date ("Out of range of the algorithm" from 2400 on).
struct TFeastDate {
    TFeastCalendar calendar = TFeastCalendar::gregorian;
    int year = 0;
    int month = 0;
    int day = 0;
};
TFeastDate feast_date(const TFeast& feast, int year);

/// Noon of the feast's day in `year` of its calendar: the moment the converter shows after the command. An
/// Islamic feast falls in the Islamic calendar the user follows. Raises the errors of the calendar's
/// conversion (see almanac/day.h).
astro::TDateTime feast_day(const TFeast& feast, int year, const TIslamicChoice& islamic);

/// The converter's panels after the feast's Fill in command: the day in every calendar, an Islamic feast's
/// panel keeping the feast's date (see islamic_date_in_calendars).
TDayInCalendars feast_in_calendars(const TFeast& feast, int year, const TIslamicChoice& islamic);

} // namespace almanac
