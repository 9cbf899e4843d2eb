// Places by their name, offline: the cities of the GeoNames database (geonames.org, CC-BY 4.0; about 24,000
// with coordinates, IANA zone, country and population) as Debian's libgeonames0 carries them, with their
// French and Arabic names from the catalogues of libgeonames-common. The library is loaded when the places
// are first asked for: where it or its data is missing, the search says so and nothing else depends on it.
#pragma once

#include "almanac/prayer_schedule.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace almanac {

/// A city as the place data gives it; names in UTF-8.
struct TCity {
    std::string id;           ///< the GeoNames id, "2485926"
    std::string name;         ///< the name GeoNames gives, "Oran", "Ghardaïa"
    std::string name_fr;      ///< its French name, "" where the catalogue has none
    std::string name_ar;      ///< its Arabic name, "" where the catalogue has none
    std::string state;        ///< the first-level division, "Oran Province"
    std::string country;      ///< "Algeria"
    std::string country_code; ///< ISO 3166-1 alpha-2, "DZ"
    std::string zone;         ///< IANA time zone, "Africa/Algiers"
    TPlace place;             ///< latitude north, longitude WEST of Greenwich (as the library takes it)
    std::uint32_t population = 0;
};

/// "Oran, Oran Province, Algeria (DZ)": the name and where it lies, to tell cities of one name apart.
std::string city_title(const TCity& city);

/// The longest name a search takes, in characters.
inline constexpr std::size_t place_query_limit = 100;

/// Cities found, or why none could be: the place data is missing, or the query cannot be searched.
struct TPlaceSearch {
    std::vector<TCity> cities;
    std::string error; ///< "" when the search was made (even with no city found)
};

/// One city named, for a place given by its name: the city, or the cities it could be, or why there is none.
struct TPlaceLookup {
    std::vector<TCity> cities; ///< one: found; several: the name is ambiguous (the largest first)
    std::string error;         ///< the data is missing or the name cannot be searched; "" otherwise
};

/// The cities with their names folded for searching: letters without their accents or the Arabic vowel
/// marks, in lower case ("Ghardaïa" and "GHARDAIA" are "ghardaia", "Tromsø" is "tromso").
class TPlaceIndex {
public:
    /// An index of these cities; `error` says why there are none when the data could not be loaded.
    explicit TPlaceIndex(std::vector<TCity> cities = {}, std::string error = {});

    /// The cities of the GeoNames library `library` (dlopen's name or path), with the French and Arabic
    /// names of the catalogues `locale_dir`/{fr,ar}/LC_MESSAGES/geonames.mo where they exist. An index
    /// without cities whose error says what is missing when the library cannot be loaded or its data read.
    static TPlaceIndex load(const std::string& library = "libgeonames.so.0",
                            const std::string& locale_dir = "/usr/share/locale");

    const std::string& error() const { return error_; }
    std::size_t size() const { return cities_.size(); }

    /// The cities one of whose names begins with the query (accents and case aside), at most `limit`: the
    /// names spelled as the query first (case aside), then those equal to it, then the names it begins, then
    /// those with a word it begins ("ouzou" finds Tizi Ouzou), each by population, the largest first. A query
    /// that is empty (blanks only), longer than place_query_limit characters or not UTF-8 is refused with its
    /// reason.
    TPlaceSearch search(std::string_view query, std::size_t limit = 20) const;

    /// The city that "NAME[, QUALIFIER...]" names: the cities with that name spelled so (case aside; "Oran"
    /// is not Orán), else with that name (accents and case aside), else whose name begins with it, kept where
    /// each qualifier is the country's code or begins the country's or the division's name ("Tripoli, LY",
    /// "Tripoli, Lebanon"). Several left: the name is ambiguous; none: no city has it.
    TPlaceLookup lookup(std::string_view name) const;

    /// The city a zone is named after, to propose where the system's clock is set: the largest city of `zone`
    /// whose name is the zone's last part ("Africa/Algiers" Algiers, "America/New_York" New York), else the
    /// largest city of the zone; null when the zone has none ("UTC", "Etc/GMT+5") or the data is missing.
    const TCity* city_of_zone(std::string_view zone) const;

private:
    // A name of city i is the query, case aside (accents and all).
    bool spelled(std::size_t i, std::string_view query) const;
    struct TEntry {
        std::string names[3]; // folded: the name, the French and the Arabic names
    };
    std::vector<TCity> cities_;
    std::vector<TEntry> folded_;
    std::string error_;
};

/// The cities of the installed place data, loaded once (thread-safe) on the first call.
const TPlaceIndex& packaged_places();

} // namespace almanac
