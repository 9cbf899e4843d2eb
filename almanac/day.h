// One day in the five reckonings the converter shows side by side (Gregorian, Islamic, Hebrew, Chinese and
// the Julian Day), the day of a date of each calendar, and the names the calendars give their months, stems
// and zodiac animals.
#pragma once

#include "almanac/islamic.h"
#include "almanac/tr_mark.h"
#include "astro/calendar.h"
#include "astro/chinese.h"
#include "astro/hebrew.h"
#include "astro/islamic.h"
#include "astro/types.h"

#include <array>
#include <string_view>

namespace almanac {

// --- names, in calendar order ---

/// Months 1 (Muharram) .. 12 (Dhu al-Hijjah).
inline constexpr std::array<std::string_view, 12> islamic_month_names{
    ALMADEX_NAME("Islamic month", "Muharram"),      ALMADEX_NAME("Islamic month", "Safar"),
    ALMADEX_NAME("Islamic month", "Rabi'a I"),      ALMADEX_NAME("Islamic month", "Rabi'a II"),
    ALMADEX_NAME("Islamic month", "Jumada I"),      ALMADEX_NAME("Islamic month", "Jumada II"),
    ALMADEX_NAME("Islamic month", "Rajab"),         ALMADEX_NAME("Islamic month", "Sha'ban"),
    ALMADEX_NAME("Islamic month", "Ramadan"),       ALMADEX_NAME("Islamic month", "Shawwal"),
    ALMADEX_NAME("Islamic month", "Dhu al-Q'adah"), ALMADEX_NAME("Islamic month", "Dhu al-Hijjah")};
/// Months 1 (Nisan) .. 13 (Adar 2), numbered from Nisan as astro/hebrew.h numbers them.
inline constexpr std::array<std::string_view, 13> hebrew_month_names{
    ALMADEX_NAME("Hebrew month", "Nisan"),  ALMADEX_NAME("Hebrew month", "Iyar"),
    ALMADEX_NAME("Hebrew month", "Sivan"),  ALMADEX_NAME("Hebrew month", "Tammuz"),
    ALMADEX_NAME("Hebrew month", "Av"),     ALMADEX_NAME("Hebrew month", "Elul"),
    ALMADEX_NAME("Hebrew month", "Tishri"), ALMADEX_NAME("Hebrew month", "Heshvan"),
    ALMADEX_NAME("Hebrew month", "Kislev"), ALMADEX_NAME("Hebrew month", "Tevet"),
    ALMADEX_NAME("Hebrew month", "Shevat"), ALMADEX_NAME("Hebrew month", "Adar"),
    ALMADEX_NAME("Hebrew month", "Adar 2")};
/// Heavenly stems 0 (Jia) .. 9 (Gui), as TChineseDate::YearStem counts them.
inline constexpr std::array<std::string_view, 10> chinese_stem_names{
    ALMADEX_NAME("Chinese stem", "Jia"),  ALMADEX_NAME("Chinese stem", "Yi"),
    ALMADEX_NAME("Chinese stem", "Bing"), ALMADEX_NAME("Chinese stem", "Ding"),
    ALMADEX_NAME("Chinese stem", "Wu"),   ALMADEX_NAME("Chinese stem", "Ji"),
    ALMADEX_NAME("Chinese stem", "Geng"), ALMADEX_NAME("Chinese stem", "Xin"),
    ALMADEX_NAME("Chinese stem", "Ren"),  ALMADEX_NAME("Chinese stem", "Gui")};
/// Earthly branches 0 (Rat) .. 11 (Pig), as TChineseDate::YearBranch counts them.
inline constexpr std::array<std::string_view, 12> chinese_zodiac_names{
    ALMADEX_NAME("Chinese animal", "Rat"),    ALMADEX_NAME("Chinese animal", "Ox"),
    ALMADEX_NAME("Chinese animal", "Tiger"),  ALMADEX_NAME("Chinese animal", "Rabbit"),
    ALMADEX_NAME("Chinese animal", "Dragon"), ALMADEX_NAME("Chinese animal", "Snake"),
    ALMADEX_NAME("Chinese animal", "Horse"),  ALMADEX_NAME("Chinese animal", "Goat"),
    ALMADEX_NAME("Chinese animal", "Monkey"), ALMADEX_NAME("Chinese animal", "Chicken"),
    ALMADEX_NAME("Chinese animal", "Dog"),    ALMADEX_NAME("Chinese animal", "Pig")};

/// The name of month 1..12; "" for any other number.
std::string_view islamic_month_name(int month);
/// The name of month 1..13; "" for any other number.
std::string_view hebrew_month_name(int month);

// --- the years the converter's fields admit ---

struct TYearRange {
    int first = 0;
    int last = 0;
    constexpr bool contains(long long year) const { return year >= first && year <= last; }
};
inline constexpr TYearRange gregorian_years{999, 2399};
inline constexpr TYearRange islamic_years{389, 1833};
inline constexpr TYearRange hebrew_years{4759, 6160}; // 1 January 999 is in 4759

// --- a day ---

/// A day in every calendar, as the converter fills its panels for the moment `moment`.
struct TDayInCalendars {
    astro::TDateTime moment = 0;
    int gregorian_year = 0; ///< the proleptic Gregorian date of the day of `moment`, as the windows read it
    int gregorian_month = 0;
    int gregorian_day = 0;
    bool leap_year = false;     ///< of gregorian_year, by the calendar in force (the Julian rule up to 1582)
    astro::TCalendarDate civil; ///< the date in the calendar in force (civil_date_of, Julian up to 1582)
    TIslamicChoice islamic_choice;  ///< the Islamic calendar followed
    astro::TIslamicDate islamic;    ///< islamic_date_of_day in that calendar
    astro::THebrewDate hebrew;      ///< astro::date_to_hebrew
    astro::TChineseDate chinese;    ///< astro::date_to_chinese (the day read in China time)
    astro::extended julian_day = 0; ///< of `moment` itself, time of day included
};

/// Every calendar's date of the day of t, the Islamic one in the calendar the user follows. Errors of the
/// calendar routines pass through.
TDayInCalendars day_in_calendars(astro::TDateTime t, const TIslamicChoice& islamic);

/// The converter's panels after converting an Islamic date of the chosen calendar: every calendar's date of
/// noon of its day, the Islamic one being the date given (in every calendar the two directions are exact
/// inverses). Raises the errors of noon_of_islamic_date.
TDayInCalendars islamic_date_in_calendars(int year, int month, int day, const TIslamicChoice& islamic);

// --- the day of a date (noon of it, as the converter's Convert buttons set the moment) ---

/// Raises astro::EConvertError "Invalid year", "Invalid month" or "Invalid day".
astro::TDateTime noon_of_gregorian_date(int year, int month, int day);
/// In the chosen calendar (islamic_date_day): raises astro::EConvertError "Invalid month" (outside 1..12) or
/// "Invalid day" (not a day of that month).
astro::TDateTime noon_of_islamic_date(int year, int month, int day, const TIslamicChoice& islamic);
/// Raises astro::EConvertError "Invalid month" (outside 1..13, or 13 in a common year) or "Invalid day".
astro::TDateTime noon_of_hebrew_date(int year, int month, int day);
/// The date given by Cycle, Year, Month, LeapMonth and Day; raises astro::EConvertError "Invalid chinese
/// date" for a date that does not exist.
astro::TDateTime noon_of_chinese_date(const astro::TChineseDate& date);

} // namespace almanac
