#include "astro/islamic.h"

#include "astro/calendar.h"
#include "astro/errors.h"
#include "astro/lunar_data.h"

#include <cmath>

namespace astro {
namespace {

// Day-count thresholds of the last two months of the mean year, and the first days of a mean month that still
// count to the month before.
constexpr extended eleventh_month_from = 297;
constexpr extended twelfth_month_from = 326;
constexpr extended month_start_margin = 27;

int month_length(std::uint16_t month, bool long_year) {
    if (month == 12 && long_year) return 30;
    return month % 2 == 1 ? 30 : 29;
}

} // namespace

TDateTime islamic_epoch_day(bool civil_epoch) {
    return gregorian_datetime(622, 7, civil_epoch ? 16 : 15);
}

bool islamic_is_long_year(const TIslamicDate& date) {
    const extended r = (date.year % 30) * 0.530588L;
    return std::fabs(r - std::nearbyint(r)) < 0.183528001L;
}

bool islamic_date_valid(const TIslamicDate& date) {
    if (date.year < 1 || date.month < 1 || date.month > 12 || date.day < 1) return false;
    return date.day <= month_length(date.month, islamic_is_long_year(date));
}

extended islamic_day_count(const TIslamicDate& date) {
    // Month 12 never precedes another month, so the long-year rule plays no part here.
    int sum = 0;
    for (std::uint16_t m = 1; m < date.month; ++m) sum += month_length(m, false);
    return (date.year - 1) * islamic_mean_year + sum + date.day;
}

TDateTime islamic_to_date(const TIslamicDate& date, bool civil_epoch) {
    return static_cast<TDateTime>(islamic_day_count(date) + islamic_epoch_day(civil_epoch) + 2);
}

void islamic_year_month(bool civil_epoch, TDateTime t, std::uint16_t& year, std::uint16_t& month) {
    const extended days = std::floor(t) - islamic_epoch_day(civil_epoch) + 1;
    std::int64_t y = static_cast<std::int64_t>(days / islamic_mean_year) + 1;
    const extended d = days - (y - 1) * islamic_mean_year; // days into the mean year, with a fraction

    std::int64_t m;
    if (std::trunc(d) < eleventh_month_from)
        m = static_cast<std::int64_t>(d / islamic_mean_month + 1);
    else if (std::trunc(d) < twelfth_month_from)
        m = 11;
    else
        m = 12;
    // In the first days of a mean month the date still belongs to the month before; in the first days of the
    // year that is Dhu al-Hijjah of the year before.
    if (m * islamic_mean_month - d > month_start_margin) --m;
    if (m == 0) {
        m = 12;
        --y;
    }
    // Before the epoch there is no Islamic year to show.
    if (y < 1 || y > 65535) throw E_OutOfAlgorithmRange("Out of range of the algorithm");
    year = static_cast<std::uint16_t>(y);
    month = static_cast<std::uint16_t>(m);
}

void date_to_islamic(bool civil_epoch, TIslamicDate& date, TDateTime t) {
    std::uint16_t year, month;
    islamic_year_month(civil_epoch, t, year, month);
    // The day of the month is the Moon's age at noon, rounded: 0 just after a new moon, up to 30.
    const extended age = moon_age(std::floor(t) + 0.5);
    date.day = static_cast<std::uint16_t>(std::nearbyint(age));
    date.month = month;
    date.year = year;
}

} // namespace astro
