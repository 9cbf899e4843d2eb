// almadex-cli's places by name: the search of the places command, and the city of prayer --city.
#pragma once

#include "cli/commands.h"
#include "cli/prayer.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace almadex::cli {

/// The cities whose name begins with QUERY (almanac/places.h), at most `limit`: {"query", "places": [{"id",
/// "name", "name_fr", "name_ar" (null where the data has none), "state", "country", "country_code",
/// "latitude", "longitude" (EAST positive, as the user writes it), "zone", "population"}]}. TInputError when
/// the data cannot be loaded or the query cannot be searched.
json places(std::string_view query, std::size_t limit);
/// One line per city: its title, coordinates, zone, population and other names; a line saying so when
/// there is none.
std::string places_text(const json& doc);

/// Puts the city that `name` names ("Tripoli, LY") into the request: its coordinates, and its zone unless
/// the user gave one (zone_given). TInputError when no city or several have that name (listing them with how
/// to name each), or the data cannot be loaded.
void set_city(std::string_view name, bool zone_given, TPrayerRequest& request);

} // namespace almadex::cli
