#include "almanac/datetime_parts.h"

#include "astro/calendar.h"
#include "astro/errors.h"

#include <cmath>
#include <cstdio>
#include <limits>

namespace almanac {
namespace {

constexpr std::int64_t kMsPerDay = 86400000;

// The largest day count that a date of the years 1..9999 can have, with room to spare: beyond it the
// calendar raises "Invalid year" anyway, and the arithmetic below stays within 64 bits.
constexpr double kMaxDays = 1e7;
// Twice that range in seconds: a shift beyond it leaves the years 1..9999 wherever it starts.
constexpr std::int64_t kMaxShiftSeconds = 2 * static_cast<std::int64_t>(kMaxDays) * 86400;

TDateTimeParts parts_of_day(double day, std::int64_t ms) {
    const astro::TCalendarDate d = astro::gregorian_date_of(day);
    return {d.year,
            d.month,
            d.day,
            static_cast<int>(ms / 3600000),
            static_cast<int>(ms / 60000 % 60),
            static_cast<int>(ms / 1000 % 60),
            static_cast<int>(ms % 1000)};
}

} // namespace

TDateTimeParts datetime_parts(astro::TDateTime t, std::int64_t shift_seconds) {
    if (!std::isfinite(t) || std::fabs(t) > kMaxDays) throw astro::EConvertError("Invalid year");
    // A shift of more than the whole range moves any instant out of the years 1..9999 (and its milliseconds
    // would overflow).
    if (shift_seconds > kMaxShiftSeconds || shift_seconds < -kMaxShiftSeconds)
        throw astro::EConvertError("Invalid year");
    const double day = std::floor(t);
    // Milliseconds since 00:00 of `day`, rounded once; the shift is exact integer arithmetic.
    std::int64_t ms = std::llround((t - day) * kMsPerDay) + shift_seconds * 1000;
    std::int64_t days = ms / kMsPerDay;
    ms %= kMsPerDay;
    if (ms < 0) {
        ms += kMsPerDay;
        days -= 1;
    }
    return parts_of_day(day + static_cast<double>(days), ms);
}

TDateTimeParts date_parts(astro::TDateTime t) {
    if (!std::isfinite(t) || std::fabs(t) > kMaxDays) throw astro::EConvertError("Invalid year");
    return parts_of_day(std::floor(t), 0);
}

astro::TDateTime datetime_from_parts(int year, int month, int day, int hour, int minute, int second,
                                     int millisecond) {
    if (year < 1 || year > 9999) throw astro::EConvertError("Invalid year");
    if (month < 1 || month > 12) throw astro::EConvertError("Invalid month");
    if (day < 1 || day > 31) throw astro::EConvertError("Invalid day");
    const double midnight = astro::gregorian_datetime(
        static_cast<std::uint16_t>(year), static_cast<std::uint16_t>(month), static_cast<std::uint16_t>(day));
    const std::int64_t ms = ((std::int64_t{hour} * 60 + minute) * 60 + second) * 1000 + millisecond;
    return midnight + static_cast<double>(ms) / kMsPerDay;
}

std::string iso_date(const TDateTimeParts& p) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", p.year, p.month, p.day);
    return buf;
}

std::string iso_time(const TDateTimeParts& p) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d:%02d:%02d", p.hour, p.minute, p.second);
    return buf;
}

std::string iso_instant(astro::TDateTime t) {
    const TDateTimeParts p = datetime_parts(t);
    return iso_date(p) + "T" + iso_time(p);
}

} // namespace almanac
