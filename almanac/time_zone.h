// Zones of the system's tz database (IANA names such as Europe/Paris), read from its compiled files
// (/usr/share/zoneinfo, kept current by the system's tzdata updates) through CCTZ: the offset from UT in
// force at an instant or on a local day, the abbreviations and the changes of the clocks. A fixed offset
// remains the default of a place.
#pragma once

#include "astro/types.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace almanac {

/// A change of a zone's clocks: the instant and what the clocks read after it.
struct TZoneChange {
    astro::TDateTime ut = 0;        ///< the instant of the change, UT (a whole second)
    std::int32_t offset_before = 0; ///< seconds added to UT before the change
    std::int32_t offset_after = 0;  ///< and from the change on
    bool daylight_after = false;    ///< the time after the change is daylight saving time
    std::string abbreviation_after; ///< "CEST", "+03"
};

class TTimeZone {
public:
    /// The zone of a name of the system's tz database; std::invalid_argument "Unknown time zone: NAME" for
    /// any other name (see is_time_zone).
    explicit TTimeZone(std::string_view name);

    const std::string& name() const { return name_; }
    /// Seconds added to UT at the instant `ut` (a date-time value in UT).
    std::int32_t offset_at(astro::TDateTime ut) const;
    /// The abbreviation in force at the instant ("CET", "CEST", "+05").
    std::string abbreviation_at(astro::TDateTime ut) const;
    /// The offset of a local day (its 00:00 as a date-time value): the one in force at its local noon (after
    /// the change when the clocks skip noon).
    std::int32_t offset_on_day(astro::TDateTime day) const;
    /// False for a local date that the clocks skipped whole (Pacific/Apia, 30 December 2011).
    bool has_day(astro::TDateTime day) const;
    /// The local time at the instant occurs twice on that day (the clocks were put back over it).
    bool repeated_at(astro::TDateTime ut) const;
    /// The change that began the period in force at `from` (none before the zone's first change), then every
    /// change after `from` up to and including `to`; instants in UT.
    std::vector<TZoneChange> changes(astro::TDateTime from, astro::TDateTime to) const;

private:
    struct TRules; // the library's zone
    std::string name_;
    std::shared_ptr<const TRules> rules_;
};

/// The name is a zone of the system's tz database: Area/Location names and the database's other names
/// ("UTC", "Etc/GMT+5", "EST5EDT"), not its folders of variants (posix/, right/), "Factory", "localtime" or
/// a path.
bool is_time_zone(std::string_view name);
/// The zone the system is set to: TZ, else the zone /etc/localtime links to, else /etc/timezone; "" when
/// none names a zone.
std::string system_time_zone();
/// The zones of the places of the world (zone1970.tab and zone.tab of the system's database), sorted.
std::vector<std::string> time_zone_names();

/// "+HH:MM" or "-HH:MM" of an offset in seconds (seconds beyond the minute dropped toward zero).
std::string offset_text(std::int32_t seconds);

} // namespace almanac
