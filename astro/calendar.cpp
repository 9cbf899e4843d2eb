#include "astro/calendar.h"

#include "astro/errors.h"

#include <cmath>

namespace astro {
namespace {

bool julian_leap(std::uint32_t year) {
    return year % 4 == 0;
}
bool gregorian_leap(std::uint32_t year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

// Steps 1 to 5 of the calendar-date-to-JD rule; `gregorian` chooses the February test and the correction B.
extended calendar_to_jd(std::uint16_t year, std::uint16_t month, std::uint16_t day, bool gregorian) {
    if (year < 1 || year > 9999) throw EConvertError("Invalid year");
    if (month < 1 || month > 12) throw EConvertError("Invalid month");

    std::int64_t y = year;
    std::int64_t m = month;
    if (month <= 2) {
        m += 12;
        y -= 1;
    }

    std::uint16_t last;
    switch (month) {
    case 4:
    case 6:
    case 9:
    case 11:
        last = 30;
        break;
    case 2:
        last = (gregorian ? gregorian_leap(year) : julian_leap(year)) ? 29 : 28;
        break;
    default:
        last = 31;
        break;
    }
    if (day < 1 || day > last) throw EConvertError("Invalid day");

    std::int64_t b = 0;
    if (gregorian) {
        const std::int64_t a = y / 100;
        b = 2 - a + a / 4;
    }
    // INT(365.25 (y + 4716)) and INT(30.6001 (m + 1)) in integers: the first product is exact, the second is
    // never within 10^-4 of an integer (10000 does not divide 306001 (m + 1)), so the integer quotients
    // agree.
    const std::int64_t days_of_years = 1461 * (y + 4716) / 4;
    const std::int64_t days_of_months = 306001 * (m + 1) / 10000;
    const std::int64_t sum = days_of_years + days_of_months + day + b;
    return static_cast<extended>(sum) - 1524.5L;
}

// a div b rounded down, for b > 0.
std::int64_t floor_div(std::int64_t a, std::int64_t b) {
    const std::int64_t q = a / b;
    return q * b > a ? q - 1 : q;
}

// Steps 2 to 6 of the JD-to-calendar-date rule for the day z = INT(JD + 0.5) >= 0, in integers. Each quotient
// of the rule is a rational number that is never within 10^-5 of an integer (the denominators 146097, 7305
// and 306001 do not divide the numerators), so the integer quotients are those of the extended-precision
// rule: (z - 1867216.25) / 36524.25 = (4z - 7468865) / 146097, (b - 122.1) / 365.25 = (20b - 2442) / 7305,
// 365.25 c = 1461 c / 4 and (b - d) / 30.6001 = 10000 (b - d) / 306001.
void day_to_calendar(std::int64_t z, bool gregorian, std::uint16_t& year, std::uint16_t& month,
                     std::uint16_t& day) {
    std::int64_t b;
    if (gregorian) {
        // Rounded down rather than truncated: the same wherever alpha is positive (from the year 400 on), and
        // right also for the proleptic Gregorian days before, where alpha is negative.
        const std::int64_t alpha = floor_div(4 * z - 7468865, 146097);
        b = z + alpha - floor_div(alpha, 4) + 1525;
    } else {
        b = z + 1524;
    }
    const std::int64_t c = (20 * b - 2442) / 7305;
    const std::int64_t d = 1461 * c / 4;
    const std::int64_t e = 10000 * (b - d) / 306001;
    const std::int64_t dd = b - d - 306001 * e / 10000;
    std::int64_t mm, yy;
    if (e < 14) {
        mm = e - 1;
        yy = c - 4716;
    } else {
        mm = e - 13;
        yy = c - 4715;
    }
    // Days before 1 January of year 1 have year 0 or a negative year, which a civil date cannot carry.
    if (yy < 1 || yy > 9999) throw EConvertError("Invalid year");
    year = static_cast<std::uint16_t>(yy);
    month = static_cast<std::uint16_t>(mm);
    day = static_cast<std::uint16_t>(dd);
}

// The JD-to-calendar-date rule after the sign test.
void jd_to_calendar(extended jd, bool gregorian, std::uint16_t& year, std::uint16_t& month,
                    std::uint16_t& day) {
    if (!(jd >= 0)) throw EConvertError("Negative julian dates not supported");
    // Far beyond the year 9999 of either calendar: rejected here, which keeps the integers below from
    // overflowing.
    if (jd >= 1e8L) throw EConvertError("Invalid year");
    day_to_calendar(static_cast<std::int64_t>(std::trunc(jd + 0.5L)), gregorian, year, month, day);
}

} // namespace

bool calendar_leap_year(std::uint16_t year) {
    return year <= 1582 ? julian_leap(year) : gregorian_leap(year);
}

extended julian_calendar_to_jd(std::uint16_t y, std::uint16_t m, std::uint16_t d) {
    return calendar_to_jd(y, m, d, false);
}

extended gregorian_calendar_to_jd(std::uint16_t y, std::uint16_t m, std::uint16_t d) {
    return calendar_to_jd(y, m, d, true);
}

extended calendar_date_to_jd(std::uint16_t y, std::uint16_t m, std::uint16_t d, extended reform) {
    const extended jj = julian_calendar_to_jd(y, m, d);
    if (reform > jj) return jj;
    const extended jg = gregorian_calendar_to_jd(y, m, d);
    if (reform > jg) throw EConvertError("Date invalid due to calendar change");
    return jg;
}

extended date_to_jd(std::uint16_t y, std::uint16_t m, std::uint16_t d) {
    return calendar_date_to_jd(y, m, d, reform_jd);
}

void jd_to_julian_calendar(extended jd, std::uint16_t& y, std::uint16_t& m, std::uint16_t& d) {
    jd_to_calendar(jd, false, y, m, d);
}

void jd_to_gregorian_calendar(extended jd, std::uint16_t& y, std::uint16_t& m, std::uint16_t& d) {
    jd_to_calendar(jd, true, y, m, d);
}

void jd_to_calendar_date(extended reform, extended jd, std::uint16_t& y, std::uint16_t& m, std::uint16_t& d) {
    if (!(jd >= 0)) throw EConvertError("Negative julian dates not supported");
    jd_to_calendar(jd, !(reform > jd), y, m, d);
}

void jd_to_date(extended jd, std::uint16_t& y, std::uint16_t& m, std::uint16_t& d) {
    jd_to_calendar_date(reform_jd, jd, y, m, d);
}

TDateTime encode_calendar_date(std::uint16_t y, std::uint16_t m, std::uint16_t d) {
    return jd_to_datetime(date_to_jd(y, m, d));
}

void decode_calendar_date(TDateTime t, std::uint16_t& y, std::uint16_t& m, std::uint16_t& d) {
    // jd_to_date(datetime_to_jd(t)) with the tests on t itself, exact: JD = t + 2415018.5 >= 0, JD < 10^8,
    // JD >= reform_jd for the Gregorian calendar, and INT(JD + 0.5) = floor(t) + 2415019.
    if (!(t >= -datetime_jd_offset)) throw EConvertError("Negative julian dates not supported");
    if (t >= 1e8 - datetime_jd_offset) throw EConvertError("Invalid year");
    const bool gregorian = t >= reform_jd - datetime_jd_offset;
    day_to_calendar(static_cast<std::int64_t>(std::floor(t)) + 2415019, gregorian, y, m, d);
}

TCalendarDate gregorian_date_of(TDateTime t) {
    TCalendarDate r;
    jd_to_gregorian_calendar(datetime_to_jd(std::floor(t)), r.year, r.month, r.day);
    return r;
}

TDateTime gregorian_datetime(std::uint16_t y, std::uint16_t m, std::uint16_t d) {
    return jd_to_datetime(gregorian_calendar_to_jd(y, m, d));
}

} // namespace astro
