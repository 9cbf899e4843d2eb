#include "almanac/moon.h"

#include "astro/lunar_data.h"

namespace almanac {

std::string_view eclipse_kind_name(astro::TEclipseKind kind) {
    return kind < eclipse_kind_names.size() ? eclipse_kind_names[kind] : eclipse_kind_names[astro::eclNone];
}

TMoonReport moon_report(astro::TDateTime t) {
    TMoonReport r;
    r.moment = t;
    r.illuminated_fraction = astro::moon_illuminated_fraction(t);
    r.phase_angle = astro::moon_phase_angle(t);
    r.age_days = astro::moon_age(t);
    r.lunation = astro::lunation_number(t);
    r.diameter_arcsec = astro::moon_diameter(t);
    r.distance_km = astro::moon_distance(t);
    r.next_lunar_eclipse = t;
    r.next_lunar_eclipse_kind = astro::next_eclipse(r.next_lunar_eclipse, false);
    r.next_blue_moon = astro::next_blue_moon(t);
    return r;
}

} // namespace almanac
