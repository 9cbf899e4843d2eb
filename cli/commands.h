// The documents of almadex-cli's commands: each command's result as one JSON document, built completely from
// the almanac before anything is printed. Inputs are checked here and rejected with a clear message
// (TInputError, or the library's own error).
#pragma once

#include "cli/input.h"

#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>

namespace almadex::cli {

using json = nlohmann::ordered_json;

/// {"iso": "2025-03-14T07:00:39", "value": t}: the instant to the second (almanac/datetime_parts.h) and as
/// the date-time value.
json instant_json(double t);

/// The day of VALUE in every calendar; the Islamic date (read or shown) in the calendar the user follows.
json convert(std::string_view from, std::string_view value, const almanac::TIslamicChoice& islamic = {});
json feast(std::string_view name, long long year, const almanac::TIslamicChoice& islamic = {});
json moon(double t);
/// The longest range of days that phases() searches for octants: 100 Julian years.
inline constexpr double max_octant_range_days = 36525;
/// The phases from day `from` to the day before `to`; TInputError for an empty range or, with octants, one
/// longer than max_octant_range_days.
json phases(double from, double to, bool octants);
json eclipses(double from, double to, std::optional<bool> sun);
json seasons(long long year);
json solar_term(long long year, long long k);
json position(std::string_view body, double t);
/// Rising, transit and setting at a place (longitude WEST positive, as parse_longitude_west gives it).
json riseset(double latitude, double longitude_west, double date, bool sun);
json between(double a, double b);

} // namespace almadex::cli
