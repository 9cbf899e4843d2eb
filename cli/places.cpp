#include "cli/places.h"

#include "almanac/places.h"

#include <cmath>
#include <cstdio>
#include <map>

namespace almadex::cli {
namespace {

json or_null(const std::string& s) {
    return s.empty() ? json(nullptr) : json(s);
}

std::string degrees(double v, char positive, char negative) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.4f %c", std::fabs(v), v < 0 ? negative : positive);
    return buf;
}

// How many of the candidates to list.
constexpr std::size_t listed_candidates = 10;

} // namespace

json places(std::string_view query, std::size_t limit) {
    const almanac::TPlaceSearch found = almanac::packaged_places().search(query, limit);
    if (!found.error.empty()) throw TInputError(found.error);
    json list = json::array();
    for (const almanac::TCity& c : found.cities)
        list.push_back({{"id", c.id},
                        {"name", c.name},
                        {"name_fr", or_null(c.name_fr)},
                        {"name_ar", or_null(c.name_ar)},
                        {"state", c.state},
                        {"country", c.country},
                        {"country_code", c.country_code},
                        {"latitude", c.place.latitude},
                        {"longitude", 0.0 - c.place.longitude_west},
                        {"zone", c.zone},
                        {"population", c.population}});
    return {{"query", query}, {"places", std::move(list)}};
}

std::string places_text(const json& doc) {
    if (doc["places"].empty())
        return "No place's name begins with " + cli::quoted(doc["query"].get<std::string>()) + "\n";
    std::string out;
    for (const json& c : doc["places"]) {
        almanac::TCity city;
        city.name = c["name"].get<std::string>();
        city.state = c["state"].get<std::string>();
        city.country = c["country"].get<std::string>();
        city.country_code = c["country_code"].get<std::string>();
        out += almanac::city_title(city) + ": " + degrees(c["latitude"].get<double>(), 'N', 'S') + ", " +
               degrees(c["longitude"].get<double>(), 'E', 'W') + ", " + c["zone"].get<std::string>() + ", " +
               std::to_string(c["population"].get<long long>()) + " inhabitants";
        if (!c["name_fr"].is_null()) out += "; French " + c["name_fr"].get<std::string>();
        if (!c["name_ar"].is_null()) out += "; Arabic " + c["name_ar"].get<std::string>();
        out += "\n";
    }
    return out;
}

void set_city(std::string_view name, bool zone_given, TPrayerRequest& request) {
    const almanac::TPlaceLookup found = almanac::packaged_places().lookup(name);
    if (!found.error.empty()) throw TInputError(found.error);
    if (found.cities.empty())
        throw TInputError("No place is named " + quoted(name) +
                          " (almadex-cli places NAME lists the places whose name begins with NAME)");
    if (found.cities.size() > 1) {
        // Each candidate named by its country's code, or by its division where the code is not enough.
        std::map<std::string, int> per_country;
        for (const almanac::TCity& c : found.cities) ++per_country[c.country_code];
        std::string message = "The name " + quoted(name) + " fits " + std::to_string(found.cities.size()) +
                              " places; name one with its country or region after a comma:";
        for (std::size_t i = 0; i < found.cities.size() && i < listed_candidates; ++i) {
            const almanac::TCity& c = found.cities[i];
            const std::string& which =
                per_country[c.country_code] > 1 && !c.state.empty() ? c.state : c.country_code;
            message += "\n  " + almanac::city_title(c) + ": --city " + cli::quoted(c.name + ", " + which);
        }
        if (found.cities.size() > listed_candidates)
            message += "\n  and " + std::to_string(found.cities.size() - listed_candidates) + " more";
        throw TInputError(message);
    }
    const almanac::TCity& city = found.cities.front();
    request.place = city.place;
    request.place_name = city.name;
    if (!zone_given) parse_prayer_zone(city.zone, request);
}

} // namespace almadex::cli
