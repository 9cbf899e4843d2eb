#include "astro/seasons.h"

#include "astro/angles.h"
#include "astro/calendar.h"
#include "astro/errors.h"
#include "astro/sun.h"

#include <cmath>

namespace astro {
namespace {

// Mean spacing of the solar terms: a tropical year of 365.24219 days over 24.
constexpr extended solar_term_days = 15.218424583333333L;
// Days from the longitude difference: about 1.012 days per degree, close to the inverse of the Sun's motion.
constexpr extended step_factor = 58.0L;
constexpr extended tolerance_deg = 3e-10L;
// Each step shrinks the difference 30 to 450 times; 5 to 7 steps reach the tolerance for the years 999..2399.
// Far from 1899 the step of a double approaches the tolerance, so the search also ends when a step no longer
// moves the instant, and after this many steps at the latest, with the best instant found.
constexpr int max_steps = 50;

} // namespace

TDateTime sun_longitude_instant(int year, std::uint8_t k) {
    if (k > 23) throw E_OutOfAlgorithmRange("Out of range of the algorithm");
    if (year < 1 || year > 9999) throw EConvertError("Invalid year");

    const extended target = 15 * k;
    const TDateTime e = static_cast<TDateTime>(k * solar_term_days + 31 + 28 + 21);
    // Terms past day 365 (k >= 19) are sought from 1 January of the year before, so that they land in January
    // to early March of `year`.
    const int base_year = e > 365 ? year - 1 : year;
    if (base_year < 1) throw EConvertError("Invalid year");
    TDateTime t = static_cast<TDateTime>(static_cast<extended>(e) +
                                         gregorian_datetime(static_cast<std::uint16_t>(base_year), 1, 1));

    TSkyPosition pos;
    sun_position(t, pos);
    extended difference = std::fabs(angle_difference(target, pos.longitude));
    TDateTime best_t = t;
    extended best_difference = difference;
    for (int step = 0; difference > tolerance_deg && step < max_steps; ++step) {
        const TDateTime next = static_cast<TDateTime>(t + step_factor * sin_deg(target - pos.longitude));
        if (next == t) break; // below the resolution of the date-time value
        t = next;
        sun_position(t, pos);
        difference = std::fabs(angle_difference(target, pos.longitude));
        if (difference < best_difference) {
            best_difference = difference;
            best_t = t;
        }
    }
    return best_t;
}

TDateTime season_start(int year, TSeason season) {
    switch (season) {
    case seWinter:
        return sun_longitude_instant(year, 18);
    case seSpring:
        return sun_longitude_instant(year, 0);
    case seSummer:
        return sun_longitude_instant(year, 6);
    case seAutumn:
        return sun_longitude_instant(year, 12);
    }
    return 0;
}

} // namespace astro
