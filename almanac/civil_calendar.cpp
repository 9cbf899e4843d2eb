#include "almanac/civil_calendar.h"

#include "astro/errors.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace almanac {
namespace {

std::uint16_t u16(int v) {
    return static_cast<std::uint16_t>(std::clamp(v, 0, 0xFFFF));
}

// The date-time value of 00:00 of a date of the calendar in force, with the library's errors.
astro::TDateTime midnight_of(int year, int month, int day) {
    // Outside 1..9999 the library says "Invalid year" for any year; a day beyond 16 bits is no day.
    if (day < 0 || day > 0xFFFF) throw astro::EConvertError("Invalid day");
    return astro::encode_calendar_date(u16(year), u16(month), static_cast<std::uint16_t>(day));
}

// 1 Monday .. 7 Sunday; the date-time value 0 (30 December 1899) is a Saturday.
int weekday_of(astro::TDateTime midnight) {
    const auto days = static_cast<long long>(std::floor(midnight));
    return static_cast<int>(((days + 5) % 7 + 7) % 7) + 1;
}

} // namespace

bool civil_leap_year(int year) {
    return year >= 1 && year <= 9999 && astro::calendar_leap_year(static_cast<std::uint16_t>(year));
}

bool civil_date_exists(int year, int month, int day) {
    try {
        (void)midnight_of(year, month, day);
        return true;
    } catch (const astro::EConvertError&) {
        return false;
    }
}

astro::TDateTime noon_of_civil_date(int year, int month, int day) {
    return midnight_of(year, month, day) + 0.5;
}

astro::TCalendarDate civil_date_of(astro::TDateTime t) {
    static const astro::TDateTime first = astro::encode_calendar_date(1, 1, 1);
    static const astro::TDateTime end = astro::encode_calendar_date(9999, 12, 31) + 1;
    if (!(t >= first && t < end)) throw astro::EConvertError("Invalid year");
    return astro::decode_calendar_date(std::floor(t));
}

std::vector<TCivilDay> civil_month_days(int year, int month) {
    (void)midnight_of(year, month, 1); // the year's and the month's errors
    std::vector<TCivilDay> days;
    for (int day = 1; day <= 31; ++day) {
        if (!civil_date_exists(year, month, day)) continue;
        const astro::TDateTime midnight = midnight_of(year, month, day);
        days.push_back({day, midnight, weekday_of(midnight)});
    }
    return days;
}

} // namespace almanac
