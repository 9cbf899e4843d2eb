// The values of almadex-cli's command line: dates, instants, places, time zones and years, each read once and
// checked, with a clear message for the user when it cannot be used.
#pragma once

#include "almanac/day.h"

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace almadex::cli {

/// A value on the command line that cannot be used; what() is the message for the user.
class TInputError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/// "YYYY-MM-DD", proleptic Gregorian, years 999..2399: the date-time value of its 00:00.
double parse_date(std::string_view text);
/// "YYYY-MM-DD", "YYYY-MM-DDTHH:MM[:SS]" or the same with a blank instead of T.
double parse_instant(std::string_view text);
/// Decimal degrees (north positive) or D[:M[:S]] followed by N or S.
double parse_latitude(std::string_view text);
/// Decimal degrees (EAST positive) or D[:M[:S]] followed by E or W, as the user writes a longitude: the
/// result is degrees WEST of Greenwich, as the library takes them (the one conversion of the sign).
double parse_longitude_west(std::string_view text);
/// "[+|-]HH:MM" with two digits each: the offset of local time from UT in seconds; `canonical` receives
/// "+HH:MM".
std::int32_t parse_time_zone(std::string_view text, std::string& canonical);
/// `year` when it lies within `range`; else the message names the calendar and the range.
int check_year(long long year, almanac::TYearRange range, std::string_view calendar);

// --- pieces of values, shared by the commands that read dates of the other calendars ---

/// "'text'" for messages.
std::string quoted(std::string_view s);
/// A non-negative decimal integer filling the whole text, as a field of `whole` named `what` in the message.
int field(std::string_view text, std::string_view what, std::string_view whole);
/// An optionally signed decimal integer filling the whole text (at most 18 digits).
bool is_decimal_integer(std::string_view s);
/// A decimal number (optionally signed) filling the whole text, or nullopt.
std::optional<double> decimal_number(std::string_view s);
std::vector<std::string_view> split(std::string_view s, char sep);

} // namespace almadex::cli
