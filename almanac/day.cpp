#include "almanac/day.h"

#include "almanac/civil_calendar.h"
#include "almanac/datetime_parts.h"
#include "astro/calendar.h"
#include "astro/errors.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace almanac {
namespace {

template <std::size_t N>
std::string_view name_of(const std::array<std::string_view, N>& names, int number) {
    return number >= 1 && number <= static_cast<int>(N) ? names[static_cast<std::size_t>(number - 1)] : "";
}

astro::TDateTime noon_of(astro::TDateTime day) {
    return std::floor(day) + 0.5;
}

std::uint16_t u16(int v) {
    return static_cast<std::uint16_t>(std::clamp(v, 0, 0xFFFF));
}

} // namespace

std::string_view islamic_month_name(int month) {
    return name_of(islamic_month_names, month);
}

std::string_view hebrew_month_name(int month) {
    return name_of(hebrew_month_names, month);
}

TDayInCalendars day_in_calendars(astro::TDateTime t, const TIslamicChoice& islamic) {
    TDayInCalendars day;
    day.moment = t;
    const TDateTimeParts g = date_parts(t);
    day.gregorian_year = g.year;
    day.gregorian_month = g.month;
    day.gregorian_day = g.day;
    day.leap_year = astro::calendar_leap_year(u16(g.year));
    day.civil = civil_date_of(t);
    day.hebrew = astro::date_to_hebrew(t);
    day.islamic_choice = islamic;
    day.islamic = islamic_date_of_day(t, islamic);
    astro::date_to_chinese(day.chinese, t);
    day.julian_day = astro::datetime_to_jd(t);
    return day;
}

TDayInCalendars islamic_date_in_calendars(int year, int month, int day, const TIslamicChoice& islamic) {
    return day_in_calendars(noon_of_islamic_date(year, month, day, islamic), islamic);
}

astro::TDateTime noon_of_gregorian_date(int year, int month, int day) {
    return noon_of(datetime_from_parts(year, month, day));
}

astro::TDateTime noon_of_islamic_date(int year, int month, int day, const TIslamicChoice& islamic) {
    return noon_of(islamic_date_day(year, month, day, islamic));
}

astro::TDateTime noon_of_hebrew_date(int year, int month, int day) {
    if (month < 1 || month > 13) throw astro::EConvertError("Invalid month");
    if (day < 1 || day > 30) throw astro::EConvertError("Invalid day");
    return noon_of(astro::hebrew_to_date(u16(year), u16(month), u16(day)));
}

astro::TDateTime noon_of_chinese_date(const astro::TChineseDate& date) {
    return noon_of(astro::chinese_to_date(date));
}

} // namespace almanac
