#include "astro/chinese.h"

#include "astro/angles.h"
#include "astro/calendar.h"
#include "astro/errors.h"
#include "astro/memo.h"
#include "astro/moon_phases.h"
#include "astro/seasons.h"

#include <cmath>

namespace astro {
namespace {

// China's local time: + 8 h from 1929 on, before that the local mean time of Beijing, 116 deg 25' east.
constexpr TDateTime china_zone_offset = 1.0 / 3.0;
constexpr TDateTime beijing_mean_time_offset = 27940.0 / 86400.0;
constexpr std::uint16_t first_year_of_zone_time = 1929;

TDateTime china_offset(TDateTime t) {
    std::uint16_t y, m, d;
    decode_calendar_date(t, y, m, d);
    return y >= first_year_of_zone_time ? china_zone_offset : beijing_mean_time_offset;
}

// A key takes slot key mod N. Solar terms keyed by year * 24 + k: 680 years of terms fit at once.
TMemo<TDateTime, 16384> term_memo;
// New-moon days keyed by their day argument: 44 years of consecutive days fit at once.
TMemo<TDateTime, 16384> new_moon_before_memo;
TMemo<TDateTime, 16384> new_moon_after_memo;

TDateTime day_of(TDateTime t) {
    return std::floor(t);
}

// The integer day number of a whole-day value.
std::int32_t day_number(TDateTime x) {
    return static_cast<std::int32_t>(std::floor(x));
}

std::int32_t lunations(TDateTime days) {
    return static_cast<std::int32_t>(round_half_even(static_cast<extended>(days) / chinese_mean_lunation));
}

std::int32_t first_year_of_chinese_date(const TChineseDate& r) {
    if (r.Cycle < 1 || r.Year < 1 || r.Year > 60 || r.Month < 1 || r.Month > 12 || r.Day < 1 || r.Day > 30)
        throw EConvertError("Invalid chinese date");
    const std::int64_t g = (static_cast<std::int64_t>(r.Cycle) - 1) * 60 + r.Year - 1 - 2636;
    if (g < 2 || g > 9998) throw EConvertError("Invalid chinese date");
    return static_cast<std::int32_t>(g);
}

} // namespace

TDateTime winter_solstice_day(std::int32_t civil_year) {
    if (civil_year < 1 || civil_year > 9999) throw EConvertError("Invalid year");
    return term_day_on_or_after(gregorian_datetime(static_cast<std::uint16_t>(civil_year), 12, 15));
}

TDateTime to_china_time(TDateTime t) {
    check_instant(t);
    return t + china_offset(t);
}

TDateTime from_china_time(TDateTime t) {
    check_instant(t);
    return t - china_offset(t);
}

std::uint8_t major_term_index(int m) {
    // m is reduced to its month of the year first, so that no m overflows 2 m + 18.
    return static_cast<std::uint8_t>(((2 * (m % 12) + 18) % 24 + 24) % 24);
}

TDateTime solar_term_instant(int year, std::uint8_t k) {
    const auto compute = [&] { return sun_longitude_instant(year, k); };
    if (k > 23) return compute(); // rejected by the search itself
    // year * 24 + k is unique for k = 0..23, and the terms of neighbouring years take neighbouring slots.
    return term_memo.get(static_cast<std::uint64_t>(static_cast<std::int64_t>(year) * 24 + k), compute);
}

TDateTime next_major_term(TDateTime t) {
    check_instant(t);
    std::uint16_t y, m, d;
    decode_calendar_date(t, y, m, d);
    int year = y, month = m;
    TDateTime r;
    do {
        r = solar_term_instant(year, major_term_index(month));
        if (++month > 12) {
            month = 1;
            ++year;
        }
    } while (!(r >= t));
    return r;
}

TDateTime last_major_term(TDateTime t) {
    check_instant(t);
    std::uint16_t y, m, d;
    decode_calendar_date(t, y, m, d);
    int year = y, month = m;
    TDateTime r;
    do {
        r = solar_term_instant(year, major_term_index(month));
        if (--month < 1) {
            month = 12;
            --year;
        }
    } while (!(r < t));
    return r;
}

TDateTime new_moon_day_on_or_before(TDateTime x) {
    check_instant(x);
    return new_moon_before_memo.get_by_day(
        x, [&] { return day_of(to_china_time(last_phase(mpNewMoon, from_china_time(x)))); });
}

TDateTime new_moon_day_on_or_after(TDateTime x) {
    check_instant(x);
    return new_moon_after_memo.get_by_day(
        x, [&] { return day_of(to_china_time(next_phase(mpNewMoon, from_china_time(x)))); });
}

TDateTime term_day_on_or_after(TDateTime x) {
    check_instant(x);
    return day_of(to_china_time(next_major_term(from_china_time(x))));
}

TDateTime term_day_before(TDateTime x) {
    check_instant(x);
    return day_of(to_china_time(last_major_term(from_china_time(x))));
}

bool month_lacks_major_term(TDateTime s) {
    check_instant(s);
    return term_day_before(s) == term_day_before(new_moon_day_on_or_after(s + 2));
}

bool lacking_month_between(TDateTime a, TDateTime b) {
    check_instant(a);
    check_instant(b);
    // Walks back month by month from a; the first month start not after b is the last one tested.
    for (;;) {
        if (month_lacks_major_term(a)) return true;
        if (!(a > b)) return false;
        a = new_moon_day_on_or_before(a - 1);
    }
}

TDateTime chinese_new_year(std::int32_t civil_year) {
    // winter_solstice_day's range for civil_year - 1 and civil_year, checked before the subtraction.
    if (civil_year < 2 || civil_year > 9999) throw EConvertError("Invalid year");
    const TDateTime s0 = winter_solstice_day(civil_year - 1);
    const TDateTime s1 = winter_solstice_day(civil_year);
    const TDateTime a = new_moon_day_on_or_after(s0 + 1);  // the month after the solstice month
    const TDateTime b = new_moon_day_on_or_after(a + 4);   // the month after that
    const TDateTime c = new_moon_day_on_or_before(s1 + 1); // the next solstice month
    if (lunations(c - a) == 12 && (month_lacks_major_term(a) || month_lacks_major_term(b)))
        return new_moon_day_on_or_after(b + 1);
    return b;
}

void date_to_chinese(TChineseDate& r, TDateTime t) {
    check_instant(t);
    std::uint16_t year, month, day;
    decode_calendar_date(t, year, month, day);
    const TDateTime x = day_of(t);

    // The winter-solstice days of the civil years Y - 1 and Y; m0 starts the month after the solstice month
    // and m1 the next solstice month.
    const TDateTime s0 = winter_solstice_day(year - 1);
    const TDateTime s1 = winter_solstice_day(year);
    TDateTime m0, m1;
    if (s0 <= x && x < s1) {
        m0 = new_moon_day_on_or_after(s0 + 1);
        m1 = new_moon_day_on_or_before(s1 + 1);
    } else {
        const TDateTime s2 = winter_solstice_day(year + 1);
        m0 = new_moon_day_on_or_after(s1 + 1);
        m1 = new_moon_day_on_or_before(s2 + 1);
    }
    const bool leap_year = lunations(m1 - m0) == 12;

    const TDateTime mx = new_moon_day_on_or_before(x + 1); // first day of x's month
    std::int32_t n = lunations(mx - m0);
    // The leap month is the first month without a major term after the solstice month.
    const bool leap_month =
        leap_year && month_lacks_major_term(mx) && !lacking_month_between(new_moon_day_on_or_before(mx), m0);
    if (leap_year && (lacking_month_between(mx, m0) || leap_month)) --n;

    TChineseDate c;
    c.LeapYear = leap_year;
    c.LeapMonth = leap_month;
    c.Month = mod_one_based(n, 12);
    c.Day = day_number(x) - day_number(mx) + 1;
    c.YearNumber = year + 2636;
    if (c.Month < 11 || x > encode_calendar_date(year, 7, 1)) ++c.YearNumber;
    c.Cycle = (c.YearNumber - 1) / 60 + 1;
    c.Year = mod_one_based(c.YearNumber, 60);
    c.YearBranch = static_cast<std::uint8_t>((c.Year - 1) % 12);
    c.YearStem = static_cast<std::uint8_t>((c.Year - 1) % 10);

    const std::int32_t v =
        mod_one_based(day_number(x) - day_number(encode_calendar_date(2000, 1, 1)) - 6, 60);
    c.DayBranch = static_cast<std::uint8_t>(v % 12);
    c.DayStem = static_cast<std::uint8_t>(v % 10);
    const std::int32_t w = mod_one_based(lunations(mx - encode_calendar_date(1999, 1, 1) - 13) + 1, 60);
    c.MonthBranch = static_cast<std::uint8_t>(w % 12);
    c.MonthStem = static_cast<std::uint8_t>(w % 10);
    r = c;
}

TDateTime chinese_to_date(const TChineseDate& r) {
    const std::int32_t g = first_year_of_chinese_date(r);
    const TDateTime new_year = chinese_new_year(g);

    const TDateTime s = new_moon_day_on_or_after(new_year + 29 * (r.Month - 1));
    const TChineseDate at_s = date_to_chinese(s);
    TDateTime result;
    if (at_s.Month == r.Month && at_s.LeapMonth == r.LeapMonth)
        result = s + r.Day - 1;
    else // the month after: where a leap month, or a month following one, lies
        result = new_moon_day_on_or_after(s + 5) + r.Day - 1;

    const TChineseDate check = date_to_chinese(result);
    if (check.Day != r.Day || check.Month != r.Month || check.LeapMonth != r.LeapMonth ||
        check.Year != r.Year || check.Cycle != r.Cycle)
        throw EConvertError("Invalid chinese date");
    return result;
}

void clear_chinese_calendar_memo() {
    term_memo.clear();
    new_moon_before_memo.clear();
    new_moon_after_memo.clear();
}

} // namespace astro
