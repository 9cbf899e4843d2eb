#include "astro/hebrew.h"

#include "astro/calendar.h"
#include "astro/errors.h"

#include <cmath>

namespace astro {
namespace {

// From 15 Nisan to the end of Elul the months have fixed lengths: 1 Tishri is 163 days after 15 Nisan.
constexpr int pesach_to_new_year = 163;

// 1 Tishri of the Hebrew year that begins in the autumn of a civil year.
TDateTime new_year_of(std::int32_t civil_year) {
    return pesach_date(civil_year) + pesach_to_new_year;
}

int type_of_length(long long length) {
    for (std::size_t i = 0; i < hebrew_year_lengths.size(); ++i)
        if (hebrew_year_lengths[i] == length) return static_cast<int>(i);
    return 0;
}

} // namespace

TDateTime pesach_date(std::int32_t civil_year) {
    const std::int32_t year = civil_year;
    if (year < 359) throw E_OutOfAlgorithmRange("Out of range of the algorithm");
    if (year > 9999) throw EConvertError("Invalid year");

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

int hebrew_year_type(std::int32_t hebrew_year) {
    const TDateTime length = pesach_date(hebrew_year - 3760) - pesach_date(hebrew_year - 3761);
    return type_of_length(std::llround(length));
}

TDateTime hebrew_to_date(std::uint16_t y, std::uint16_t m, std::uint16_t d) {
    const int type = hebrew_year_type(y);
    if (m < 1 || m > 13 || (m == 13 && type < 3)) throw EConvertError("Invalid month");
    if (d < 1 || d > hebrew_month_lengths[m - 1][type]) throw EConvertError("Invalid day");

    // The year runs Tishri (7) .. Adar 2 (13), then Nisan (1) .. Elul (6).
    TDateTime offset = d - 1;
    int month = 7;
    for (int k = 0; k < (m + 6) % 13; ++k) {
        offset += hebrew_month_lengths[month - 1][type];
        month = month % 13 + 1;
    }
    return new_year_of(y - 3761) + offset;
}

void date_to_hebrew(TDateTime t, std::uint16_t& y, std::uint16_t& m, std::uint16_t& d) {
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

} // namespace astro
