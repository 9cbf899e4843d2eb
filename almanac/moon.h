// The Moon at an instant, as the Moon window and `almadex-cli moon` show it: its phase, age, lunation, size
// and distance, the next lunar eclipse with its kind, and the next blue moon.
#pragma once

#include "almanac/tr_mark.h"
#include "astro/eclipse.h"
#include "astro/types.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace almanac {

/// The kinds of eclipse, eclNone .. eclHalfShadow.
inline constexpr std::array<std::string_view, 7> eclipse_kind_names{
    ALMADEX_NAME("Eclipse", "None"),           ALMADEX_NAME("Eclipse", "Partial"),
    ALMADEX_NAME("Eclipse", "Non Central"),    ALMADEX_NAME("Eclipse", "Circular"),
    ALMADEX_NAME("Eclipse", "Circular Total"), ALMADEX_NAME("Eclipse", "Total"),
    ALMADEX_NAME("Eclipse", "Half Shadow")};
/// The name of a kind; "None" for a value outside the enumeration.
std::string_view eclipse_kind_name(astro::TEclipseKind kind);

struct TMoonReport {
    astro::TDateTime moment = 0;
    astro::extended illuminated_fraction = 0; ///< 0..1
    astro::extended phase_angle = 0;          ///< degrees
    astro::extended age_days = 0;             ///< days since the new moon
    std::int32_t lunation = 0;                ///< Brown's lunation number
    astro::extended diameter_arcsec = 0;      ///< apparent diameter, arc seconds
    astro::extended distance_km = 0;          ///< from the Earth's centre
    astro::TDateTime next_lunar_eclipse = 0;  ///< the instant of the next lunar eclipse after `moment`
    astro::TEclipseKind next_lunar_eclipse_kind = astro::eclNone;
    astro::TDateTime next_blue_moon = 0;
};

/// The Moon at `t` (the library's single time scale). Errors of the searches pass through.
TMoonReport moon_report(astro::TDateTime t);

} // namespace almanac
