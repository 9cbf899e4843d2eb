#include "astro/hebrew.h"

#include "astro/calendar.h"
#include "astro/errors.h"
#include "astro/reference.h"

#include <array>
#include <cmath>

namespace astro {
namespace {

// From 15 Nisan to the end of Elul the months have fixed lengths: 1 Tishri is 163 days after 15 Nisan.
constexpr int pesach_to_new_year = 163;

// The years Gauss's formula covers, whose days are computed here in integers (pesach_day) and kept in a
// table; the years on either side take the formula in extended precision, with its errors.
constexpr std::int32_t first_formula_year = 359;
constexpr std::int32_t last_civil_year = 9999;

// Gauss's formula, Q = -1.904412361576 + 1.554241796621 a + 0.25 b - 0.003177794022 A + S, in units of
// 10^-12: every constant is a whole number of them, so Q is exact and its integer and fractional parts are
// decided without rounding. The extended-precision evaluation agrees for every year 359 to 9999 in which it
// gives a date.
constexpr std::int64_t q_unit = 1000000000000;
constexpr std::int64_t q_constant = -1904412361576;
constexpr std::int64_t q_per_a = 1554241796621;
constexpr std::int64_t q_per_b = 250000000000;
constexpr std::int64_t q_per_year = -3177794022;
// The thresholds of the fractional part, 0.63287037 and 0.897723765.
constexpr std::int64_t q_threshold_c1 = 632870370000;
constexpr std::int64_t q_threshold_c0 = 897723765000;

// The date-time value of 00:00, 1 March of a civil year (Julian up to 1582, Gregorian from 1583; year >= 1):
// Meeus, chapter 7, with INT(365.25 (Y + 4716)) = (1461 (Y + 4716)) div 4 and INT(30.6001 * 4) = 122.
constexpr std::int64_t march_first(std::int64_t year) {
    const std::int64_t b = year < 1583 ? 0 : 2 - year / 100 + year / 400;
    return 1461 * (year + 4716) / 4 + b - 2416420;
}

// 15 Nisan of a civil year 359..9999 as a day number: day d of the formula counted on from 1 March. From 3430
// on d passes 61 in some years (15 Nisan in May), where the formula's "April d - 31" is no date.
constexpr std::int64_t pesach_day(std::int64_t year) {
    const std::int64_t s = year < 1583 ? 0 : (3 * (year / 100) - 5) / 4;
    const std::int64_t a = (12 * year + 12) % 19;
    const std::int64_t b = year % 4;
    const std::int64_t q = q_constant + q_per_a * a + q_per_b * b + q_per_year * year + s * q_unit;
    // q may be negative before 1583: the floor, and a fraction in [0, 1).
    std::int64_t m = q / q_unit;
    if (q % q_unit < 0) --m;
    const std::int64_t fraction = q - m * q_unit;
    const std::int64_t c = (m + 3 * year + 5 * b + 2 - s) % 7;

    std::int64_t day;
    if (c == 2 || c == 4 || c == 6)
        day = m + 23;
    else if (c == 1 && a > 6 && fraction >= q_threshold_c1)
        day = m + 24;
    else if (c == 0 && a > 11 && fraction >= q_threshold_c0)
        day = m + 23;
    else
        day = m + 22;
    return march_first(year) + day - 1;
}

// 15 Nisan of every civil year 359..9999, computed by the compiler.
constexpr std::int32_t table_years = last_civil_year - first_formula_year + 1;
constexpr std::array<std::int32_t, table_years> make_pesach_table() {
    std::array<std::int32_t, table_years> table{};
    for (std::int32_t i = 0; i < table_years; ++i)
        table[i] = static_cast<std::int32_t>(pesach_day(first_formula_year + i));
    return table;
}
constexpr std::array<std::int32_t, table_years> pesach_table = make_pesach_table();

std::int64_t pesach_of(std::int64_t year) {
    return pesach_table[static_cast<std::size_t>(year - first_formula_year)];
}

// 1 Tishri of the Hebrew year that begins in the autumn of a civil year.
TDateTime new_year_of(std::int32_t civil_year) {
    return pesach_date(civil_year) + pesach_to_new_year;
}

constexpr int type_of_length(long long length) {
    for (std::size_t i = 0; i < hebrew_year_lengths.size(); ++i)
        if (hebrew_year_lengths[i] == length) return static_cast<int>(i);
    return 0;
}

// The month (high byte) and day (low byte) of each day of a year counted from 1 Tishri, by year type.
constexpr int longest_year = 385;
using TDayTable = std::array<std::array<std::uint16_t, longest_year>, hebrew_year_lengths.size()>;

constexpr TDayTable make_day_table() {
    TDayTable table{};
    for (std::size_t type = 0; type < table.size(); ++type) {
        int month = 7, day = 1;
        for (int i = 0; i < hebrew_year_lengths[type]; ++i) {
            while (hebrew_month_lengths[month - 1][type] < day) {
                day -= hebrew_month_lengths[month - 1][type];
                month = month % 13 + 1;
            }
            table[type][i] = static_cast<std::uint16_t>(month << 8 | day);
            ++day;
        }
    }
    return table;
}
constexpr TDayTable day_table = make_day_table();

// The days from 1 Tishri to the first of each month (1..13), by year type: the year runs Tishri (7) .. Adar 2
// (13), then Nisan (1) .. Elul (6).
using TMonthStarts = std::array<std::array<std::uint16_t, 13>, hebrew_year_lengths.size()>;
constexpr TMonthStarts make_month_starts() {
    TMonthStarts starts{};
    for (std::size_t type = 0; type < starts.size(); ++type) {
        std::uint16_t days = 0;
        for (int k = 0, month = 7; k < 13; ++k, month = month % 13 + 1) {
            starts[type][month - 1] = days;
            days = static_cast<std::uint16_t>(days + hebrew_month_lengths[month - 1][type]);
        }
    }
    return starts;
}
constexpr TMonthStarts month_starts = make_month_starts();

// x rounded down, for |x| below 2^62.
std::int64_t floor_to_integer(double x) {
    auto i = static_cast<std::int64_t>(x);
    if (static_cast<double>(i) > x) --i;
    return i;
}

// The Hebrew date of the day of t, or false outside the years 361..9998, where every step is a table lookup.
bool date_to_hebrew_directly(TDateTime t, std::uint16_t& y, std::uint16_t& m, std::uint16_t& d) {
    if (!(std::fabs(t) < 3.0e6)) return false;
    const std::int64_t x = floor_to_integer(t);
    // The civil year of x within a few days (x = 2 is 1 January 1900; the Julian calendar runs up to ten days
    // behind before 1582): enough, since 1 Tishri falls in September or October.
    std::int64_t year = 1900 + floor_to_integer(static_cast<double>(x - 2) * (1 / 365.2425));
    if (year < first_formula_year + 2 || year > last_civil_year - 1) return false;
    std::int64_t start = pesach_of(year) + pesach_to_new_year;
    std::int64_t next_pesach;
    if (start > x) {
        next_pesach = start - pesach_to_new_year;
        --year;
        start = pesach_of(year) + pesach_to_new_year;
    } else {
        next_pesach = pesach_of(year + 1);
    }
    const std::int64_t length = next_pesach - (start - pesach_to_new_year);
    const auto& table = day_table[static_cast<std::size_t>(type_of_length(length))];
    const std::uint16_t month_day = table[static_cast<std::size_t>(x - start)];
    y = static_cast<std::uint16_t>(year + 3761);
    m = static_cast<std::uint16_t>(month_day >> 8);
    d = static_cast<std::uint16_t>(month_day & 0xff);
    return true;
}

} // namespace

TDateTime pesach_date(std::int32_t civil_year) {
    if (civil_year < first_formula_year || civil_year > last_civil_year)
        return reference::pesach_date(civil_year);
    return static_cast<TDateTime>(pesach_of(civil_year));
}

int hebrew_year_type(std::int32_t hebrew_year) {
    // The civil years hebrew_year - 3761 and - 3760 must lie within pesach_date's range: checked here, with
    // its errors, before the subtraction could overflow.
    if (hebrew_year < first_formula_year + 3761) throw E_OutOfAlgorithmRange(out_of_range_message);
    if (hebrew_year > last_civil_year + 3760) throw EConvertError("Invalid year");
    const TDateTime length = pesach_date(hebrew_year - 3760) - pesach_date(hebrew_year - 3761);
    return type_of_length(std::llround(length));
}

TDateTime hebrew_to_date(std::uint16_t y, std::uint16_t m, std::uint16_t d) {
    const int type = hebrew_year_type(y);
    if (m < 1 || m > 13 || (m == 13 && type < 3)) throw EConvertError("Invalid month");
    if (d < 1 || d > hebrew_month_lengths[m - 1][type]) throw EConvertError("Invalid day");

    return new_year_of(y - 3761) + month_starts[type][m - 1] + (d - 1);
}

void date_to_hebrew(TDateTime t, std::uint16_t& y, std::uint16_t& m, std::uint16_t& d) {
    check_instant(t);
    if (!date_to_hebrew_directly(t, y, m, d)) reference::date_to_hebrew(t, y, m, d);
}

namespace reference {

TDateTime pesach_date(std::int32_t civil_year) {
    const std::int32_t year = civil_year;
    if (year < first_formula_year) throw E_OutOfAlgorithmRange("Out of range of the algorithm");
    if (year > last_civil_year) throw EConvertError("Invalid year");

    const std::int32_t s = year < 1583 ? 0 : (3 * (year / 100) - 5) / 4;
    const std::int32_t a = (12 * year + 12) % 19;
    const std::int32_t b = year % 4;
    const extended q = -1.904412361576L + 1.554241796621L * a + 0.25L * b - 0.003177794022L * year + s;
    const extended whole = std::floor(q);
    const extended frac = q - whole; // 0 <= frac < 1, also for a negative q
    const auto m = static_cast<std::int32_t>(whole);
    const std::int32_t c = (m + 3 * year + 5 * b + 2 - s) % 7;

    std::int32_t day;
    if (c == 2 || c == 4 || c == 6)
        day = m + 23;
    else if (c == 1 && a > 6 && frac >= 0.63287037L)
        day = m + 24;
    else if (c == 0 && a > 11 && frac >= 0.897723765L)
        day = m + 23;
    else
        day = m + 22;

    const auto y = static_cast<std::uint16_t>(year);
    if (day <= 31) return encode_calendar_date(y, 3, static_cast<std::uint16_t>(day));
    return encode_calendar_date(y, 4, static_cast<std::uint16_t>(day - 31));
}

void date_to_hebrew(TDateTime t, std::uint16_t& y, std::uint16_t& m, std::uint16_t& d) {
    check_instant(t);
    std::uint16_t civil_year, civil_month, civil_day;
    decode_calendar_date(t, civil_year, civil_month, civil_day);

    std::int32_t hebrew_year = civil_year + 3761;
    TDateTime start = new_year_of(civil_year);
    if (start > t) {
        start = new_year_of(civil_year - 1);
        hebrew_year = civil_year + 3760;
    }
    const int type = hebrew_year_type(hebrew_year);

    auto day = static_cast<std::int32_t>(std::floor(t) - start) + 1;
    int month = 7;
    while (hebrew_month_lengths[month - 1][type] < day) {
        day -= hebrew_month_lengths[month - 1][type];
        month = month % 13 + 1;
    }
    y = static_cast<std::uint16_t>(hebrew_year);
    m = static_cast<std::uint16_t>(month);
    d = static_cast<std::uint16_t>(day);
}

} // namespace reference
} // namespace astro
