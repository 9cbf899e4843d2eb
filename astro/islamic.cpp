#include "astro/islamic.h"

#include "astro/angles.h"
#include "astro/calendar.h"
#include "astro/errors.h"
#include "astro/lunar_data.h"
#include "astro/memo.h"
#include "astro/moon_phases.h"

#include <cmath>

namespace astro {
namespace {

// Day-count thresholds of the last two months of the mean year, and the first days of a mean month that still
// count to the month before.
constexpr extended eleventh_month_from = 297;
constexpr extended twelfth_month_from = 326;
constexpr extended month_start_margin = 27;
// A Moon's age above half a lunation at noon: that noon still precedes the conjunction.
constexpr extended half_lunation = 14.765L;
// Days after the series' new moon within which a month begins: the noon after it, or the next one (age below
// 0.5), or exceptionally the one after (a conjunction just after the series' instant).
constexpr int first_day_search = 3;
// The day of a month by which the mean year numbers the whole month: its middle.
constexpr int numbering_day = 15;
// The Moon's month of an Islamic date lies within a few days of the arithmetic one: a search that needs more
// steps than this has lost its way.
constexpr int month_search = 12;

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
    return std::fabs(r - round_half_even(r)) < 0.183528001L;
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
    check_instant(t);
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

namespace {

// The first day after the new moon of `new_moon` whose Moon's age at noon rounds to 1 or more (ties to even).
// The phase series and the Moon's age place the conjunction within minutes of each other, so a noon just
// after the series' instant may still show the old Moon's age (above half a lunation): the search goes on
// past it.
TDateTime search_first_day(TDateTime first_noon_day) {
    for (int k = 0; k < first_day_search; ++k) {
        const TDateTime day = first_noon_day + k;
        const extended age = moon_age(day + 0.5);
        if (age < half_lunation && round_half_even(age) >= 1) return day;
    }
    throw E_OutOfAlgorithmRange("Out of range of the algorithm");
}

// The first days of months, keyed by the day of the first noon after their new moon: about 11 years of
// consecutive months fit at once.
TMemo<TDateTime, 4096> first_day_memo;

TDateTime first_day_after_new_moon(TDateTime new_moon) {
    const TDateTime first_noon_day = std::ceil(new_moon - 0.5); // the first day whose noon is not before it
    return first_day_memo.get_by_day(first_noon_day, [&] { return search_first_day(first_noon_day); });
}

} // namespace

TDateTime islamic_month_first_day(TDateTime t) {
    check_instant(t);
    const TDateTime day = std::floor(t);
    const TDateTime new_moon = last_phase(mpNewMoon, day + 0.5);
    const TDateTime first = first_day_after_new_moon(new_moon);
    if (first <= day) return first;
    // The day lies after the new moon but before its month begins (its rounded age is 0): the last day of the
    // month before.
    return first_day_after_new_moon(last_phase(mpNewMoon, new_moon - 1));
}

void clear_islamic_month_memo() {
    first_day_memo.clear();
}

void date_to_islamic(bool civil_epoch, TIslamicDate& date, TDateTime t) {
    check_instant(t);
    const TDateTime first = islamic_month_first_day(t);
    std::uint16_t year, month;
    islamic_year_month(civil_epoch, first + (numbering_day - 1), year, month);
    date.day = static_cast<std::uint16_t>(std::floor(t) - first + 1);
    date.month = month;
    date.year = year;
}

TDateTime islamic_to_day(const TIslamicDate& date, bool civil_epoch) {
    if (date.year < 1) throw EConvertError("Invalid year");
    if (date.month < 1 || date.month > 12) throw EConvertError("Invalid month");
    if (date.day < 1 || date.day > 30) throw EConvertError("Invalid day");
    const std::int64_t target = std::int64_t{date.year} * 12 + date.month;
    // The year and month that date_to_islamic gives the Moon's month beginning on `first`, as one number.
    const auto number_of = [civil_epoch](TDateTime first) {
        std::uint16_t year, month;
        islamic_year_month(civil_epoch, first + (numbering_day - 1), year, month);
        return std::int64_t{year} * 12 + month;
    };
    // The Moon's month that holds the middle of the arithmetic month; then one month at a time toward the
    // target. A search that turns back has stepped over a month number that no Moon's month carries.
    const TIslamicDate middle{numbering_day, date.month, date.year};
    TDateTime first = islamic_month_first_day(std::floor(islamic_to_date(middle, civil_epoch)));
    int direction = 0;
    for (int step = 0;; ++step) {
        if (step == month_search) throw E_OutOfAlgorithmRange(out_of_range_message);
        const std::int64_t shown = number_of(first);
        if (shown == target) break;
        const int toward = shown < target ? 1 : -1;
        if (direction == -toward) throw EConvertError("Invalid month");
        direction = toward;
        // A month has 29 or 30 days: 30 days after its first day lies in the next one.
        first = islamic_month_first_day(toward > 0 ? first + 30 : first - 1);
    }
    // The day belongs to the month (a 30th may begin the next one): then date_to_islamic gives `date` back.
    const auto in_month = [&](TDateTime month_first) {
        return islamic_month_first_day(month_first + (date.day - 1)) == month_first;
    };
    if (in_month(first)) return first + (date.day - 1);
    // Far beyond the years of the series the mean year can give two consecutive months one number: a 30th may
    // then lie in the other one.
    for (const TDateTime other : {first - 1, first + 30}) {
        const TDateTime other_first = islamic_month_first_day(other);
        if (number_of(other_first) == target && in_month(other_first)) return other_first + (date.day - 1);
    }
    throw EConvertError("Invalid day");
}

} // namespace astro
