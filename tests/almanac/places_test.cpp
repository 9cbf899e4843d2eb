// Places by name over the packaged GeoNames data (Debian's libgeonames0 and libgeonames-common): cities found
// by any of their names with accents, case and Arabic vowel marks aside, ranked by how they match and by
// population; a name that names several cities; queries refused with their reason; and the search when the
// data cannot be loaded.
#include "almanac/places.h"

#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>
#include <vector>

using namespace almanac;

namespace {

const TPlaceIndex& places() {
    const TPlaceIndex& index = packaged_places();
    EXPECT_EQ(index.error(), "");
    return index;
}

std::string first_title(const std::string& query) {
    const TPlaceSearch r = places().search(query, 5);
    return r.cities.empty() ? r.error : city_title(r.cities[0]);
}

TEST(Places, TheDataHasItsCitiesWithFrenchAndArabicNames) {
    const TPlaceIndex& index = places();
    EXPECT_GT(index.size(), 24000u);
    // Oran: 35.70 N, 0.64 W, in Algeria's zone.
    const TPlaceSearch oran = index.search("Oran");
    ASSERT_FALSE(oran.cities.empty()) << oran.error;
    const TCity& c = oran.cities[0];
    EXPECT_EQ(c.name, "Oran");
    EXPECT_EQ(c.country_code, "DZ");
    EXPECT_EQ(c.country, "Algeria");
    EXPECT_EQ(c.zone, "Africa/Algiers");
    EXPECT_NEAR(c.place.latitude, 35.70, 0.005);
    EXPECT_NEAR(c.place.longitude_west, 0.64, 0.005);
    EXPECT_EQ(c.name_ar, "\u0648\u0647\u0631\u0627\u0646"); // Wahran
    EXPECT_EQ(city_title(c), "Oran, Oran Province, Algeria (DZ)");
}

TEST(Places, AnyNameAccentsCaseAndVowelMarksAside) {
    const struct {
        const char* query;
        const char* first;
    } rows[] = {
        {"tizi", "Tizi Ouzou, Tizi Ouzou Province, Algeria (DZ)"}, // the largest first
        {"ghardaia", "Ghardaïa, Ghardaia Province, Algeria (DZ)"}, // without the diaeresis
        {"GHARDAÏA", "Ghardaïa, Ghardaia Province, Algeria (DZ)"}, // in capitals
        {"  tromso ", "Tromsø, Troms og Finnmark, Norway (NO)"},   // o with stroke, blanks around
        {"alger", "Algiers, Algiers Province, Algeria (DZ)"},      // the French name
        {"\u0648\u0647\u0631\u0627\u0646", "Oran, Oran Province, Algeria (DZ)"}, // the Arabic name
        {"\u0627\u0644\u062c\u0632\u0627\u0626\u0631", "Algiers, Algiers Province, Algeria (DZ)"},
        {"ouzou", "Tizi Ouzou, Tizi Ouzou Province, Algeria (DZ)"}, // a word of the name
        {"Paris", "Paris, Île-de-France Region, France (FR)"},
    };
    for (const auto& r : rows) EXPECT_EQ(first_title(r.query), r.first) << r.query;
    // Tarabulus: Lebanon's Tripoli spelled so, then Libya's, whose Arabic name carries the vowel marks.
    const TPlaceSearch tarabulus = places().search("\u0637\u0631\u0627\u0628\u0644\u0633");
    ASSERT_EQ(tarabulus.cities.size(), 2u);
    EXPECT_EQ(tarabulus.cities[0].country_code, "LB");
    EXPECT_EQ(tarabulus.cities[1].country_code, "LY");
    // A name equal to the query comes before the larger cities whose name it begins.
    const TPlaceSearch tripoli = places().search("tripoli");
    ASSERT_GE(tripoli.cities.size(), 3u);
    EXPECT_EQ(tripoli.cities[2].country_code, "GR");
    EXPECT_EQ(places().search("tizi", 2).cities.size(), 2u);
    EXPECT_TRUE(places().search("qqqzzz").cities.empty());
    EXPECT_EQ(places().search("qqqzzz").error, "");
}

TEST(Places, QueriesThatCannotBeSearchedAreRefused) {
    const std::string limit = "A place's name has at most 100 characters";
    const struct {
        std::string query;
        const char* error;
    } rows[] = {
        {"", "The place's name is empty"},
        {" \t ", "The place's name is empty"},
        {std::string(10000, 'a'), limit.c_str()},
        {std::string(101, 'a'), limit.c_str()},
        {"Or\xff"
         "an",
         "The place's name is not UTF-8 text"},
        {std::string("Or\0an", 5), "The place's name is not UTF-8 text"},
    };
    for (const auto& r : rows) {
        EXPECT_EQ(places().search(r.query).error, r.error) << r.query.size();
        EXPECT_TRUE(places().search(r.query).cities.empty());
        EXPECT_EQ(places().lookup(r.query).error, r.error) << r.query.size();
    }
    // A hundred Arabic letters are a hundred characters (two hundred bytes).
    std::string arabic;
    for (int i = 0; i < 100; ++i) arabic += "\u0648";
    EXPECT_EQ(places().search(arabic).error, "");
}

TEST(Places, ANameNamesOneCityOrTellsTheCandidates) {
    const struct {
        const char* name;
        std::vector<std::string> countries; // of the cities named, the largest first
    } rows[] = {
        {"Oran", {"DZ"}}, // not Orán, Argentina, which differs by its accent
        {"oran", {"DZ"}},
        {"Orán", {"AR"}},
        {"Tripoli", {"LY", "LB", "GR"}},
        {"Tripoli, LB", {"LB"}},       // the country's code
        {"tripoli , lebanon", {"LB"}}, // the beginning of the country's name
        {"Tripoli, Peloponnese", {"GR"}},
        {"Tripoli, FR", {}},
        {"Ghardaïa", {"DZ"}},
        {"Ghardai", {"DZ"}}, // no city has that name: the one whose name it begins
        {"Ghard", {"DZ", "TN"}},
        {"Xyzzyville", {}},
    };
    for (const auto& r : rows) {
        const TPlaceLookup l = places().lookup(r.name);
        EXPECT_EQ(l.error, "") << r.name;
        std::vector<std::string> countries;
        for (const TCity& c : l.cities) countries.push_back(c.country_code);
        EXPECT_EQ(countries, r.countries) << r.name;
    }
    EXPECT_EQ(places().lookup("Tripoli, ").error, "The place's name is empty");
}

TEST(Places, WithoutTheDataTheSearchSaysSo) {
    const TPlaceIndex missing = TPlaceIndex::load("/nonexistent/libgeonames.so.0");
    EXPECT_EQ(missing.size(), 0u);
    EXPECT_NE(missing.error().find("libgeonames0"), std::string::npos) << missing.error();
    EXPECT_EQ(missing.search("Oran").error, missing.error());
    EXPECT_EQ(missing.lookup("Oran").error, missing.error());
    // Another library than the place data's.
    const TPlaceIndex other = TPlaceIndex::load("libz.so.1");
    EXPECT_NE(other.error().find("lacks a function"), std::string::npos) << other.error();
}

// A damaged catalogue (its tables beyond the file's end) leaves the cities without their translations.
TEST(Places, DamagedCataloguesLeaveTheCitiesWithoutTheirTranslations) {
    const std::string dir = testing::TempDir() + "places_locale_" + std::to_string(getpid());
    for (const char* lang : {"fr", "ar"}) {
        ASSERT_EQ(std::system(("mkdir -p '" + dir + "/" + lang + "/LC_MESSAGES'").c_str()), 0);
        std::ofstream(dir + "/" + lang + "/LC_MESSAGES/geonames.mo", std::ios::binary)
            << std::string("\xde\x12\x04\x95\0\0\0\0\xff\xff\xff\x7f\0\0\0\x1c\xff\xff\xff\xf0", 20);
    }
    const TPlaceSearch algiers = TPlaceIndex::load("libgeonames.so.0", dir).search("Algiers");
    ASSERT_FALSE(algiers.cities.empty()) << algiers.error;
    EXPECT_EQ(algiers.cities[0].name_fr + algiers.cities[0].name_ar, "");
    std::system(("rm -rf '" + dir + "'").c_str());
}

// The city proposed for the zone the system's clock is set to.
TEST(Places, TheCityAZoneIsNamedAfter) {
    const struct {
        const char* zone;
        const char* city; // its title, "" for none
    } packaged[] = {
        {"Africa/Algiers", "Algiers, Algiers Province, Algeria (DZ)"},
        {"America/New_York", "New York, United States of America (US)"}, // the zone's blanks
        {"America/Argentina/Buenos_Aires", "Buenos Aires, Buenos Aires F.D., Argentina (AR)"},
        {"Etc/UTC", ""},
        {"", ""},
    };
    for (const auto& r : packaged) {
        const TCity* c = places().city_of_zone(r.zone);
        EXPECT_EQ(c ? city_title(*c) : "", r.city) << r.zone;
    }
    // The zone's namesake before a larger city of the zone, and the largest where the zone names none; a
    // city of another zone is never taken, however large.
    const auto city = [](const char* name, const char* zone, std::uint32_t population) {
        TCity c;
        c.name = name;
        c.zone = zone;
        c.population = population;
        return c;
    };
    const TPlaceIndex index({city("Big", "Europe/Small", 900), city("Small", "Europe/Small", 10),
                             city("small", "Europe/Small", 20), city("Other", "Europe/Other", 5),
                             city("Huge", "Europe/Else", 10000)});
    const struct {
        const char* zone;
        const char* name;
    } made[] = {{"Europe/Small", "small"}, {"Europe/Other", "Other"}, {"Europe/None", ""}};
    for (const auto& r : made) {
        const TCity* c = index.city_of_zone(r.zone);
        EXPECT_EQ(c ? c->name : "", r.name) << r.zone;
    }
    EXPECT_EQ(TPlaceIndex({}, "missing").city_of_zone("Europe/Small"), nullptr);
}

} // namespace
