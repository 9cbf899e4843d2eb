// The prayer window's calculation method, time zone and named place as the location file "gl.dat" keeps them:
// sections of their own, "Prayer method", "Prayer zone", "Prayer place" and "Prayer place methods", after the
// place's sections, which keep their meaning for older readers (the "Time zone" section holding a fixed
// offset); older readers ignore the new sections.
#pragma once

#include "almanac/prayer_methods.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace almanac {

/// The place chosen by its name (almanac/places.h): "" fields for a place typed or clicked on the map.
struct TNamedPlace {
    std::string name;    ///< as shown, UTF-8, on one line: "Oran"
    std::string country; ///< ISO 3166-1 alpha-2, "DZ"
    std::string id;      ///< the GeoNames id, digits
    friend bool operator==(const TNamedPlace&, const TNamedPlace&) = default;
};

/// The method the user settled on for a named place (the country's usual one accepted, or their own kept).
struct TPlaceMethod {
    std::string id; ///< the place's GeoNames id
    TMethodId method = TMethodId::almadex;
    friend bool operator==(const TPlaceMethod&, const TPlaceMethod&) = default;
};

/// How many places' methods the file keeps: the latest.
inline constexpr std::size_t kept_place_methods = 64;

struct TPrayerFileChoice {
    TMethodChoice method; ///< its Islamic calendar is not kept here (the converter's settings hold it)
    std::string zone;     ///< an IANA zone, "" for the fixed offset
    TNamedPlace place{};
    std::vector<TPlaceMethod> place_methods{}; ///< the latest last, at most kept_place_methods, one per place
    friend bool operator==(const TPrayerFileChoice&, const TPrayerFileChoice&) = default;
};

/// The method remembered for the place of GeoNames id `id`, or null.
const TMethodId* remembered_method(const TPrayerFileChoice& choice, std::string_view id);
/// Remembers `method` for the place `id` as the latest, forgetting the oldest beyond kept_place_methods; an
/// id that is not digits is not remembered.
void remember_method(TPrayerFileChoice& choice, std::string_view id, TMethodId method);

/// The choice of the UTF-8 text of "gl.dat". A file without the sections reads as the day-arc method with
/// nothing added, no zone and no named place; an unknown key, a number that is not one or lies outside its
/// bounds, a zone the tz database does not know, a place's country that is not two letters or id that is not
/// digits read as their defaults, and a remembered method whose place or method is unknown is left out.
TPrayerFileChoice parse_prayer_choice(std::string_view text);

/// The sections' text, each "[Section]" then Key=Value lines, a blank line before each section; "" when the
/// choice is the default and there is no zone, no named place and no remembered method, so that such a file
/// stays as it always was. A name's control characters are written as blanks.
std::string format_prayer_choice(const TPrayerFileChoice& choice);

} // namespace almanac
