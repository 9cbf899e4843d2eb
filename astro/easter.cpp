#include "astro/easter.h"

#include "astro/calendar.h"
#include "astro/errors.h"

namespace astro {
namespace {

// Gauss's century constants M and N for the Gregorian computus; each row covers [first, last).
struct TGaussRow {
    std::int32_t first, last, m, n;
};
constexpr TGaussRow gauss_rows[] = {
    {1583, 1700, 22, 2}, {1700, 1800, 23, 3}, {1800, 1900, 23, 4}, {1900, 2100, 24, 5},
    {2100, 2200, 24, 6}, {2200, 2300, 25, 0}, {2300, 2400, 26, 1},
};

// Years handed to the date encoder, which rejects those outside 1..9999 with "Invalid year".
std::uint16_t encoder_year(std::int32_t year) {
    if (year < 1 || year > 9999) throw EConvertError("Invalid year");
    return static_cast<std::uint16_t>(year);
}

} // namespace

TDateTime easter_gregorian(std::int32_t year) {
    const TGaussRow* row = nullptr;
    for (const auto& r : gauss_rows)
        if (year >= r.first && year < r.last) row = &r;
    if (row == nullptr) throw E_OutOfAlgorithmRange("Out of range of the algorithm");

    const std::int32_t a = year % 19;
    const std::int32_t b = year % 4;
    const std::int32_t c = year % 7;
    const std::int32_t d = (19 * a + row->m) % 30;
    const std::int32_t e = (2 * b + 4 * c + 6 * d + row->n) % 7;

    std::uint16_t month = 3;
    std::int32_t day = d + e + 22;
    if (day > 31) {
        month = 4;
        day = d + e - 9;
    }
    // The two exceptions of the method keep Easter on or before 25 April.
    if (month == 4 && day == 26) day = 19;
    if (month == 4 && day == 25 && d == 28 && e == 6 && a > 10) day = 18;
    return encode_calendar_date(static_cast<std::uint16_t>(year), month, static_cast<std::uint16_t>(day));
}

TDateTime easter_julian(std::int32_t year) {
    const std::uint16_t y = encoder_year(year);
    const std::int32_t d = (19 * (year % 19) + 15) % 30;
    const std::int32_t t = ((2 * (year % 4) + 4 * (year % 7) - d + 34) % 7) + d + 114;
    return encode_calendar_date(y, static_cast<std::uint16_t>(t / 31),
                                static_cast<std::uint16_t>(t % 31 + 1));
}

TDateTime easter_date(std::int32_t year) {
    return year < 1583 ? easter_julian(year) : easter_gregorian(year);
}

} // namespace astro
