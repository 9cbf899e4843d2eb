#include "almanac/time_zone.h"

#include "almanac/datetime_parts.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <unicode/strenum.h>
#include <unicode/timezone.h>
#include <unicode/unistr.h>
#include <unicode/vtzone.h>

namespace almanac {

struct TTimeZone::TRules {
    std::unique_ptr<icu::TimeZone> zone;
};

namespace {

UDate udate(astro::TDateTime t) {
    return unix_milliseconds(t);
}

// A zone of the tz database by its name; null for anything else (ICU would give its "Etc/Unknown" zone, or a
// custom zone for names such as "GMT+5").
std::unique_ptr<icu::TimeZone> create_zone(std::string_view name) {
    const icu::UnicodeString id =
        icu::UnicodeString::fromUTF8(icu::StringPiece(name.data(), static_cast<int32_t>(name.size())));
    icu::UnicodeString canonical;
    UBool system = false;
    UErrorCode status = U_ZERO_ERROR;
    icu::TimeZone::getCanonicalID(id, canonical, system, status);
    if (U_FAILURE(status) || !system || canonical == icu::UnicodeString(u"Etc/Unknown")) return nullptr;
    std::unique_ptr<icu::TimeZone> zone(icu::TimeZone::createTimeZone(id));
    if (!zone || *zone == icu::TimeZone::getUnknown()) return nullptr;
    return zone;
}

// Seconds added to UT at the instant: the standard offset, with daylight saving time or without; 0 when ICU
// fails.
std::int32_t zone_offset(const icu::TimeZone& zone, astro::TDateTime ut, bool with_dst) {
    UErrorCode status = U_ZERO_ERROR;
    int32_t raw = 0, dst = 0;
    zone.getOffset(udate(ut), false, raw, dst, status);
    if (U_FAILURE(status)) return 0;
    return (raw + (with_dst ? dst : 0)) / 1000;
}

} // namespace

TTimeZone::TTimeZone(std::string_view name)
    : name_(name), zone_(std::make_unique<TRules>(TRules{create_zone(name)})) {
    if (!zone_->zone || name.empty()) throw std::invalid_argument("Unknown time zone: " + std::string(name));
}
TTimeZone::~TTimeZone() = default;
TTimeZone::TTimeZone(const TTimeZone& other)
    : name_(other.name_),
      zone_(std::make_unique<TRules>(TRules{std::unique_ptr<icu::TimeZone>(other.zone_->zone->clone())})) {}
TTimeZone& TTimeZone::operator=(const TTimeZone& other) {
    if (this != &other) *this = TTimeZone(other);
    return *this;
}
TTimeZone::TTimeZone(TTimeZone&&) noexcept = default;
TTimeZone& TTimeZone::operator=(TTimeZone&&) noexcept = default;

std::int32_t TTimeZone::offset_at(astro::TDateTime ut) const {
    return zone_offset(*zone_->zone, ut, true);
}

std::int32_t TTimeZone::offset_on_day(astro::TDateTime day) const {
    // Local noon of the day, found from the offset at UT noon (one step is enough: no zone changes twice a
    // day).
    const astro::TDateTime noon = std::floor(day) + 0.5;
    const std::int32_t first = offset_at(noon);
    return offset_at(noon - first / 86400.0);
}

std::int32_t TTimeZone::standard_offset_at(astro::TDateTime ut) const {
    return zone_offset(*zone_->zone, ut, false);
}

std::string TTimeZone::vtimezone(astro::TDateTime from) const {
    std::unique_ptr<icu::VTimeZone> rules(
        icu::VTimeZone::createVTimeZoneByID(icu::UnicodeString::fromUTF8(name_)));
    UErrorCode status = U_ZERO_ERROR;
    icu::UnicodeString text;
    if (rules) rules->write(udate(from), text, status);
    std::string utf8;
    if (U_SUCCESS(status)) text.toUTF8String(utf8);
    return utf8;
}

bool is_time_zone(std::string_view name) {
    return !name.empty() && create_zone(name) != nullptr;
}

std::string system_time_zone() {
    std::unique_ptr<icu::TimeZone> zone(icu::TimeZone::detectHostTimeZone());
    if (!zone || *zone == icu::TimeZone::getUnknown()) return "";
    icu::UnicodeString id;
    zone->getID(id);
    std::string name;
    id.toUTF8String(name);
    return name.find('/') == std::string::npos ? "" : name;
}

std::vector<std::string> time_zone_names() {
    std::vector<std::string> names;
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::StringEnumeration> ids(icu::TimeZone::createTimeZoneIDEnumeration(
        UCAL_ZONE_TYPE_CANONICAL_LOCATION, nullptr, nullptr, status));
    if (U_FAILURE(status) || !ids) return names;
    while (const char* id = ids->next(nullptr, status)) {
        if (U_FAILURE(status)) break;
        names.emplace_back(id);
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::string offset_text(std::int32_t seconds) {
    const long minutes = std::labs(static_cast<long>(seconds)) / 60;
    char buf[16];
    std::snprintf(buf, sizeof buf, "%c%02ld:%02ld", seconds < 0 ? '-' : '+', minutes / 60, minutes % 60);
    return buf;
}

} // namespace almanac
