// Zones of the tz database (IANA names such as Europe/Paris), through ICU: the offset from UT in force at an
// instant or on a day, with daylight saving time. A fixed offset remains the default of a place.
#pragma once

#include "astro/types.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace almanac {

class TTimeZone {
public:
    /// The zone of an IANA name; std::invalid_argument "Unknown time zone: NAME" for a name the tz database
    /// does not know (ICU's "Etc/Unknown" included).
    explicit TTimeZone(std::string_view name);
    ~TTimeZone();
    TTimeZone(const TTimeZone&);
    TTimeZone& operator=(const TTimeZone&);
    TTimeZone(TTimeZone&&) noexcept;
    TTimeZone& operator=(TTimeZone&&) noexcept;

    const std::string& name() const { return name_; }
    /// Seconds added to UT at the instant `ut` (a date-time value in UT).
    std::int32_t offset_at(astro::TDateTime ut) const;
    /// The offset of a local day (its 00:00 as a date-time value): the one in force at its local noon.
    std::int32_t offset_on_day(astro::TDateTime day) const;
    /// The standard (winter) offset at the instant, without daylight saving time.
    std::int32_t standard_offset_at(astro::TDateTime ut) const;
    /// The zone's rules as an iCalendar VTIMEZONE (by ICU), with its transitions from the instant `from` (a
    /// date-time value in UT) on; "" when ICU cannot write them.
    std::string vtimezone(astro::TDateTime from) const;

private:
    struct TRules; // ICU's zone
    std::string name_;
    std::unique_ptr<TRules> zone_;
};

/// The name is a zone of the tz database.
bool is_time_zone(std::string_view name);
/// The zone the system is set to ("" when ICU cannot tell or it is not a named zone).
std::string system_time_zone();
/// The canonical names of the tz database's zones (Area/City), sorted.
std::vector<std::string> time_zone_names();

/// "+HH:MM" or "-HH:MM" of an offset in seconds (seconds beyond the minute dropped toward zero).
std::string offset_text(std::int32_t seconds);

} // namespace almanac
