// The prayer window's calculation method and time zone as the location file "gl.dat" keeps them: sections of
// their own, "Prayer method" and "Prayer zone", after the place's sections, which keep their meaning for
// older readers (the "Time zone" section holding a fixed offset).
#pragma once

#include "almanac/prayer_methods.h"

#include <string>
#include <string_view>

namespace almanac {

struct TPrayerFileChoice {
    TMethodChoice method; ///< its Islamic calendar is not kept here (the converter's settings hold it)
    std::string zone;     ///< an IANA zone, "" for the fixed offset
    friend bool operator==(const TPrayerFileChoice&, const TPrayerFileChoice&) = default;
};

/// The choice of the UTF-8 text of "gl.dat". A file without the sections reads as the day-arc method with
/// nothing added and no zone; an unknown key, a number that is not one or lies outside its bounds, and a zone
/// the tz database does not know read as their defaults.
TPrayerFileChoice parse_prayer_choice(std::string_view text);

/// The sections' text, each "[Section]" then Key=Value lines, a blank line before each section; "" when the
/// choice is the default and there is no zone, so that such a file stays as it always was.
std::string format_prayer_choice(const TPrayerFileChoice& choice);

} // namespace almanac
