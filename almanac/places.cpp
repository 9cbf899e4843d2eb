#include "almanac/places.h"

#include <algorithm>
#include <cstring>
#include <dlfcn.h>
#include <fstream>
#include <geonames.h> // the types of the functions looked up at run time: nothing is linked
#include <memory>
#include <mutex>
#include <sstream>
#include <tuple>
#include <type_traits>
#include <unicode/normalizer2.h>
#include <unicode/translit.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>
#include <unicode/uscript.h>
#include <unicode/ustring.h>
#include <unordered_map>

namespace almanac {
namespace {

// Names folded for searching: canonical decomposition, the combining marks (accents, the Arabic vowel signs
// and hamza, which leaves every alef plain) and the Arabic tatweel left out, case folded, and the Latin
// letters that do not decompose (o with stroke, sharp s, ae, dotless i...) spelled in ASCII by ICU's
// Latin-ASCII transliteration.
class TFolder {
public:
    std::string fold(std::string_view text) const {
        std::string out;
        if (std::all_of(text.begin(), text.end(),
                        [](char c) { return static_cast<unsigned char>(c) < 0x80; })) {
            out.reserve(text.size());
            for (const char c : text) out += c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c;
            return out;
        }
        UErrorCode status = U_ZERO_ERROR;
        const icu::Normalizer2* nfd = icu::Normalizer2::getNFDInstance(status);
        if (U_FAILURE(status)) return std::string(text);
        const icu::UnicodeString decomposed =
            nfd->normalize(icu::UnicodeString::fromUTF8(icu::StringPiece(text.data(), text.size())), status);
        icu::UnicodeString folded;
        bool other_latin = false;
        for (int32_t i = 0; i < decomposed.length();) {
            UChar32 c = decomposed.char32At(i);
            i += U16_LENGTH(c);
            if (u_charType(c) == U_NON_SPACING_MARK || c == 0x0640) continue;
            c = u_foldCase(c, U_FOLD_CASE_DEFAULT);
            other_latin = other_latin || (c > 0x7f && uscript_getScript(c, &status) == USCRIPT_LATIN);
            folded.append(c);
        }
        if (other_latin) {
            std::lock_guard lock(mutex_); // a transliterator is not to be shared between threads
            if (!latin_)
                latin_.reset(icu::Transliterator::createInstance("Latin-ASCII", UTRANS_FORWARD, status));
            if (latin_) latin_->transliterate(folded);
            folded.foldCase();
        }
        folded.toUTF8String(out);
        return out;
    }

private:
    mutable std::mutex mutex_;
    mutable std::unique_ptr<icu::Transliterator> latin_;
};

const TFolder& folder() {
    static const TFolder f;
    return f;
}

std::string_view trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

// The text in lower case, its accents kept: "Orán" and "ORÁN" are "orán", and differ from "oran".
std::string case_folded(std::string_view text) {
    std::string out;
    icu::UnicodeString::fromUTF8(icu::StringPiece(text.data(), text.size())).foldCase().toUTF8String(out);
    return out;
}

// The text without blanks around it, folded, or the reason it cannot be searched.
std::string checked_query(std::string_view query, std::string& error) {
    query = trimmed(query);
    if (query.empty()) {
        error = "The place's name is empty";
        return {};
    }
    // UTF-8, and its length in characters: UTF-16 units less the second unit of each pair.
    UErrorCode status = U_ZERO_ERROR;
    int32_t units = 0;
    if (query.size() > 4 * place_query_limit) {
        error = "A place's name has at most " + std::to_string(place_query_limit) + " characters";
        return {};
    }
    u_strFromUTF8(nullptr, 0, &units, query.data(), static_cast<int32_t>(query.size()), &status);
    if (status == U_INVALID_CHAR_FOUND || status == U_ILLEGAL_CHAR_FOUND ||
        status == U_TRUNCATED_CHAR_FOUND || query.find('\0') != std::string_view::npos) {
        error = "The place's name is not UTF-8 text";
        return {};
    }
    const icu::UnicodeString text =
        icu::UnicodeString::fromUTF8(icu::StringPiece(query.data(), query.size()));
    if (static_cast<std::size_t>(text.countChar32()) > place_query_limit) {
        error = "A place's name has at most " + std::to_string(place_query_limit) + " characters";
        return {};
    }
    return folder().fold(query);
}

// A word of `name` (after a blank, a hyphen or an apostrophe) begins with `q`.
bool word_begins(const std::string& name, const std::string& q) {
    for (std::size_t at = name.find(q, 1); at != std::string::npos; at = name.find(q, at + 1)) {
        const char before = name[at - 1];
        if (before == ' ' || before == '-' || before == '\'') return true;
    }
    return false;
}

// The translations of a GNU gettext catalogue (MO file): msgid to msgstr; empty where the file is missing or
// damaged. The place catalogues translate the GeoNames ids.
std::unordered_map<std::string, std::string> read_catalogue(const std::string& path) {
    std::unordered_map<std::string, std::string> out;
    std::ifstream in(path, std::ios::binary);
    if (!in) return out;
    std::ostringstream buffer;
    buffer << in.rdbuf();
    const std::string data = buffer.str();
    const auto word = [&data](std::size_t at, bool swap, std::uint32_t& v) {
        if (at + 4 > data.size()) return false;
        unsigned char b[4];
        std::memcpy(b, data.data() + at, 4);
        v = swap ? (b[0] << 24 | b[1] << 16 | b[2] << 8 | b[3])
                 : (b[3] << 24 | b[2] << 16 | b[1] << 8 | b[0]);
        return true;
    };
    std::uint32_t magic = 0, count = 0, originals = 0, translations = 0;
    if (!word(0, false, magic)) return out;
    const bool swap = magic == 0xde120495;
    if (!swap && magic != 0x950412de) return out;
    if (!word(8, swap, count) || !word(12, swap, originals) || !word(16, swap, translations)) return out;
    const auto string_at = [&](std::size_t table, std::uint32_t i, std::string& s) {
        std::uint32_t length = 0, offset = 0;
        if (!word(table + 8 * std::size_t{i}, swap, length) ||
            !word(table + 8 * std::size_t{i} + 4, swap, offset))
            return false;
        if (std::size_t{offset} + length > data.size()) return false;
        s.assign(data, offset, length);
        return true;
    };
    out.reserve(std::min<std::size_t>(count, data.size() / 16));
    for (std::uint32_t i = 0; i < count; ++i) {
        std::string id, text;
        if (!string_at(originals, i, id) || !string_at(translations, i, text)) break;
        if (!id.empty() && !text.empty()) out.emplace(std::move(id), std::move(text));
    }
    return out;
}

// The GeoNames library's functions, looked up in the loaded library (GLib's through it: it depends on GLib).
struct TGeonames {
    decltype(&geonames_get_n_cities) count = nullptr;
    decltype(&geonames_get_city) city = nullptr;
    decltype(&geonames_city_free) free = nullptr;
    decltype(&g_variant_get_type_string) type = nullptr;
    decltype(&g_variant_get_child_value) child = nullptr;
    decltype(&g_variant_get_string) string = nullptr;
    decltype(&g_variant_get_uint32) uint32 = nullptr;
    decltype(&g_variant_get_double) real = nullptr;
    decltype(&g_variant_unref) unref = nullptr;

    bool bind(void* library) {
        const auto find = [library](auto& f, const char* name) {
            f = reinterpret_cast<std::remove_reference_t<decltype(f)>>(dlsym(library, name));
            return f != nullptr;
        };
        return find(count, "geonames_get_n_cities") && find(city, "geonames_get_city") &&
               find(free, "geonames_city_free") && find(type, "g_variant_get_type_string") &&
               find(child, "g_variant_get_child_value") && find(string, "g_variant_get_string") &&
               find(uint32, "g_variant_get_uint32") && find(real, "g_variant_get_double") &&
               find(unref, "g_variant_unref");
    }
    // Field k of a city: (id, name, division code, division, country code, country, zone, population,
    // latitude, longitude), one at a time (faster than GLib's format strings).
    template <class T>
    T field(GVariant* row, int k) const {
        GVariant* v = child(row, static_cast<gsize>(k));
        T out;
        if constexpr (std::is_same_v<T, std::string>)
            out = string(v, nullptr);
        else if constexpr (std::is_same_v<T, double>)
            out = real(v);
        else
            out = uint32(v);
        unref(v);
        return out;
    }
};

constexpr const char* missing_data =
    "The place data cannot be loaded (Debian's packages libgeonames0 and libgeonames-common): ";

} // namespace

std::string city_title(const TCity& city) {
    std::string title = city.name;
    if (!city.state.empty() && city.state != city.name) title += ", " + city.state;
    if (!city.country.empty()) title += ", " + city.country;
    if (!city.country_code.empty()) title += " (" + city.country_code + ")";
    return title;
}

TPlaceIndex::TPlaceIndex(std::vector<TCity> cities, std::string error)
    : cities_(std::move(cities)), error_(std::move(error)) {
    folded_.reserve(cities_.size());
    for (const TCity& c : cities_)
        folded_.push_back({{folder().fold(c.name), folder().fold(c.name_fr), folder().fold(c.name_ar)}});
}

TPlaceIndex TPlaceIndex::load(const std::string& library, const std::string& locale_dir) {
    void* handle = dlopen(library.c_str(), RTLD_NOW | RTLD_LOCAL); // kept loaded: GLib does not unload
    if (handle == nullptr) {
        const char* why = dlerror();
        return TPlaceIndex({}, missing_data + std::string(why ? why : library));
    }
    TGeonames g;
    if (!g.bind(handle)) return TPlaceIndex({}, missing_data + library + " lacks a function it should have");
    const auto french = read_catalogue(locale_dir + "/fr/LC_MESSAGES/geonames.mo");
    const auto arabic = read_catalogue(locale_dir + "/ar/LC_MESSAGES/geonames.mo");
    const auto translated = [](const std::unordered_map<std::string, std::string>& names,
                               const std::string& id) {
        const auto it = names.find(id);
        return it == names.end() ? std::string() : it->second;
    };
    std::vector<TCity> cities;
    const int n = g.count();
    cities.reserve(static_cast<std::size_t>(std::max(n, 0)));
    for (int i = 0; i < n; ++i) {
        GVariant* v = g.city(i);
        if (v == nullptr) continue;
        if (std::strcmp(g.type(v), "(sssssssudd)") != 0) {
            g.free(v);
            return TPlaceIndex({}, missing_data + std::string("its cities have an unknown layout"));
        }
        TCity c;
        c.id = g.field<std::string>(v, 0);
        c.name = g.field<std::string>(v, 1);
        c.name_fr = translated(french, c.id);
        c.name_ar = translated(arabic, c.id);
        c.state = g.field<std::string>(v, 3);
        c.country_code = g.field<std::string>(v, 4);
        c.country = g.field<std::string>(v, 5);
        c.zone = g.field<std::string>(v, 6);
        c.population = g.field<std::uint32_t>(v, 7);
        c.place = {g.field<double>(v, 8), 0.0 - g.field<double>(v, 9)};
        g.free(v);
        if (c.name_fr == c.name) c.name_fr.clear();
        cities.push_back(std::move(c));
    }
    if (cities.empty()) return TPlaceIndex({}, missing_data + library + " holds no city");
    return TPlaceIndex(std::move(cities));
}

TPlaceSearch TPlaceIndex::search(std::string_view query, std::size_t limit) const {
    TPlaceSearch r;
    if (!error_.empty()) {
        r.error = error_;
        return r;
    }
    const std::string q = checked_query(query, r.error);
    if (!r.error.empty()) return r;
    // (how it matches: 0 a name equal, accents and all, 1 a name equal, 2 a name begun, 3 a word begun;
    // population; city)
    std::vector<std::tuple<int, std::uint32_t, std::size_t>> found;
    for (std::size_t i = 0; i < folded_.size(); ++i) {
        int best = 4;
        for (const std::string& name : folded_[i].names) {
            if (name.empty()) continue;
            if (name == q)
                best = std::min(best, spelled(i, query) ? 0 : 1);
            else if (name.starts_with(q))
                best = std::min(best, 2);
            else if (word_begins(name, q))
                best = std::min(best, 3);
        }
        if (best < 4) found.emplace_back(best, cities_[i].population, i);
    }
    const auto order = [this](const auto& a, const auto& b) {
        if (std::get<0>(a) != std::get<0>(b)) return std::get<0>(a) < std::get<0>(b);
        if (std::get<1>(a) != std::get<1>(b)) return std::get<1>(a) > std::get<1>(b);
        return cities_[std::get<2>(a)].name < cities_[std::get<2>(b)].name;
    };
    const std::size_t kept = std::min(limit, found.size());
    std::partial_sort(found.begin(), found.begin() + static_cast<std::ptrdiff_t>(kept), found.end(), order);
    for (std::size_t k = 0; k < kept; ++k) r.cities.push_back(cities_[std::get<2>(found[k])]);
    return r;
}

TPlaceLookup TPlaceIndex::lookup(std::string_view name) const {
    TPlaceLookup r;
    if (!error_.empty()) {
        r.error = error_;
        return r;
    }
    // NAME, then the qualifiers after commas.
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t comma; (comma = name.find(',', start)) != std::string_view::npos; start = comma + 1)
        parts.emplace_back(name.substr(start, comma - start));
    parts.emplace_back(name.substr(start));
    const std::string q = checked_query(parts[0], r.error);
    if (!r.error.empty()) return r;
    std::vector<std::string> qualifiers;
    for (std::size_t i = 1; i < parts.size(); ++i) {
        qualifiers.push_back(checked_query(parts[i], r.error));
        if (!r.error.empty()) return r;
    }
    const auto qualified = [&](const TCity& c) {
        const std::string code = folder().fold(c.country_code), country = folder().fold(c.country),
                          state = folder().fold(c.state);
        return std::all_of(qualifiers.begin(), qualifiers.end(), [&](const std::string& w) {
            return w == code || country.starts_with(w) || state.starts_with(w);
        });
    };
    // The names spelled as given, accents and all; else equal to it; else begun by it.
    for (int tier = 0; tier < 3 && r.cities.empty(); ++tier) {
        for (std::size_t i = 0; i < folded_.size(); ++i) {
            const bool named = std::any_of(
                std::begin(folded_[i].names), std::end(folded_[i].names),
                [&](const std::string& n) { return !n.empty() && (tier < 2 ? n == q : n.starts_with(q)); });
            if (named && (tier > 0 || spelled(i, parts[0])) && qualified(cities_[i]))
                r.cities.push_back(cities_[i]);
        }
    }
    std::stable_sort(r.cities.begin(), r.cities.end(),
                     [](const TCity& a, const TCity& b) { return a.population > b.population; });
    return r;
}

const TCity* TPlaceIndex::city_of_zone(std::string_view zone) const {
    if (zone.empty()) return nullptr;
    std::string last(zone.substr(zone.rfind('/') + 1));
    std::replace(last.begin(), last.end(), '_', ' ');
    const std::string named = folder().fold(last);
    const TCity* largest = nullptr;
    const TCity* largest_named = nullptr;
    const auto larger = [](const TCity* best, const TCity& c) {
        return best == nullptr || c.population > best->population;
    };
    for (std::size_t i = 0; i < cities_.size(); ++i) {
        const TCity& c = cities_[i];
        if (c.zone != zone) continue;
        if (larger(largest, c)) largest = &c;
        if (folded_[i].names[0] == named && larger(largest_named, c)) largest_named = &c;
    }
    return largest_named != nullptr ? largest_named : largest;
}

bool TPlaceIndex::spelled(std::size_t i, std::string_view query) const {
    const std::string want = case_folded(trimmed(query));
    const TCity& c = cities_[i];
    return case_folded(c.name) == want || (!c.name_fr.empty() && case_folded(c.name_fr) == want) ||
           (!c.name_ar.empty() && case_folded(c.name_ar) == want);
}

const TPlaceIndex& packaged_places() {
    static const TPlaceIndex index = TPlaceIndex::load();
    return index;
}

} // namespace almanac
