#include "astro/lunar_data.h"

#include "astro/angles.h"
#include "astro/calendar.h"
#include "astro/errors.h"
#include "astro/moon_phases.h"
#include "astro/moon_position.h"
#include "astro/sun.h"

#include <cmath>

namespace astro {
namespace {

// Mean synodic month, days.
constexpr extended synodic_month = 29.530589L;

// Start of lunation 1: 17 January 1923, 00:00, in the runtime's Gregorian reading.
TDateTime lunation_epoch() {
    static const TDateTime epoch = gregorian_datetime(1923, 1, 17);
    return epoch;
}

std::uint16_t month_of(extended t) {
    return decode_calendar_date(static_cast<TDateTime>(t)).month;
}

} // namespace

extended moon_age(TDateTime date) {
    check_instant(date);
    const TSkyPosition sun = sun_position(date);
    const TSkyPosition moon = moon_position(date);
    return normalize_degrees(moon.longitude - sun.longitude) / 360.0L * synodic_month;
}

extended moon_phase_angle(TDateTime date) {
    check_instant(date);
    const TSkyPosition sun = sun_position(date);
    const TSkyPosition moon = moon_position(date);
    const extended r = sun.radius;
    const extended delta = moon.radius;
    // Elongation of the Moon from the Sun, radians (Meeus, Astronomical Algorithms, chapter 48).
    const extended psi = acos_rad(cos_deg(moon.latitude) * cos_deg(moon.longitude - sun.longitude));
    extended i = radians_to_degrees(std::atan(r * std::sin(psi) / (delta - r * std::cos(psi))));
    if (i < 0) i += 180.0L;
    return normalize_degrees(moon.longitude - sun.longitude) > 180.0L ? -i : i;
}

extended moon_illuminated_fraction(TDateTime date) {
    check_instant(date);
    return (1.0L + cos_deg(moon_phase_angle(date))) / 2.0L;
}

extended moon_distance(TDateTime date) {
    check_instant(date);
    return moon_position(date).radius;
}

extended moon_diameter(TDateTime date) {
    check_instant(date);
    return 2.0L * 358473400.0L / moon_position(date).radius;
}

std::int32_t lunation_number(TDateTime date) {
    check_instant(date);
    const TDateTime new_moon = last_phase(mpNewMoon, date);
    const extended lunations =
        round_half_even((static_cast<extended>(new_moon) - lunation_epoch()) / synodic_month);
    // Only dates some hundred million years away overflow the 32-bit count.
    if (!(lunations >= -2147483648.0L && lunations < 2147483647.0L))
        throw E_OutOfAlgorithmRange("Out of range of the algorithm");
    return static_cast<std::int32_t>(lunations) + 1;
}

TDateTime blue_moon_search(extended offset, TDateTime date) {
    check_instant(date);
    // The offset shifts the months by a fraction of a day (a time zone); the shifted instant is checked too.
    check_instant(static_cast<double>(date + offset));
    TDateTime c = static_cast<TDateTime>(date - 1.0L + offset);
    for (;;) {
        c = next_phase(mpFullMoon, c + 1);
        const TCalendarDate day = decode_calendar_date(static_cast<TDateTime>(c - offset));
        std::uint16_t previous_month = 0;
        if (day.day > 27) previous_month = month_of(last_phase(mpFullMoon, c - 5) - offset);
        if (day.month == previous_month) return c;
    }
}

TDateTime next_blue_moon(TDateTime date) {
    return blue_moon_search(0, date);
}

} // namespace astro
