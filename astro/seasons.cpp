#include "astro/seasons.h"

#include "astro/angles.h"
#include "astro/calendar.h"
#include "astro/errors.h"
#include "astro/reference.h"
#include "astro/sun.h"

#include <cmath>

namespace astro {
namespace {

// Mean spacing of the solar terms: a tropical year of 365.24219 days over 24.
constexpr extended solar_term_days = 15.218424583333333L;
// The search stops once a step moves the instant by less than 0.1 ms: far below the model's accuracy, and the
// step after it would be smaller than the resolution of a date-time value.
constexpr TDateTime tolerance_days = 0.0001 / 86400;
// The Sun's longitude moves by 0.95 to 1.02 degrees a day; a rate outside these bounds is not trusted.
constexpr extended min_rate = 0.9L, max_rate = 1.1L;
// Four or five steps reach the tolerance; the cap only guards inputs far outside the range of the theory.
constexpr int max_steps = 50;

// The first search step of the reference: about 1.012 days per degree, close to the inverse of the Sun's
// motion; its tolerance in degrees.
constexpr extended reference_step_factor = 58.0L;
constexpr extended reference_tolerance_deg = 3e-10L;

// The rate of the Sun's longitude at t, degrees per day: the mean motion plus the rate of the equation of the
// centre (Meeus 25.2, 25.4), within a few parts in 10^4 of the true rate.
extended approximate_rate(TDateTime t) {
    const extended days = datetime_to_jd(t) - 2451545.0L;
    const extended m = 357.52911L + 0.98560028L * days; // mean anomaly, degrees
    const extended radians_per_day = 0.98560028L * pi / 180;
    return 0.98564736L + (1.914602L * cos_deg(m) + 2 * 0.019993L * cos_deg(2 * m)) * radians_per_day;
}

// The first instant of the search for 15 k degrees in `year` and the target longitude; the errors of
// sun_longitude_instant.
TDateTime first_estimate(int year, std::uint8_t k) {
    if (k > 23) throw E_OutOfAlgorithmRange("Out of range of the algorithm");
    if (year < 1 || year > 9999) throw EConvertError("Invalid year");
    const TDateTime e = static_cast<TDateTime>(k * solar_term_days + 31 + 28 + 21);
    // Terms past day 365 (k >= 19) are sought from 1 January of the year before, so that they land in January
    // to early March of `year`.
    const int base_year = e > 365 ? year - 1 : year;
    if (base_year < 1) throw EConvertError("Invalid year");
    return static_cast<TDateTime>(static_cast<extended>(e) +
                                  gregorian_datetime(static_cast<std::uint16_t>(base_year), 1, 1));
}

} // namespace

TDateTime sun_longitude_instant(int year, std::uint8_t k) {
    TDateTime t = first_estimate(year, k);
    const extended target = 15 * k;

    // Newton's steps on the apparent longitude: the first with the approximate rate, each later one with the
    // true rate between the last two instants (the secant).
    extended difference = angle_difference(target, sun_position(t).longitude);
    extended rate = approximate_rate(t);
    for (int step = 0; step < max_steps; ++step) {
        const TDateTime next = static_cast<TDateTime>(t + difference / rate);
        if (std::fabs(next - t) < tolerance_days) return next;
        const extended next_difference = angle_difference(target, sun_position(next).longitude);
        rate = (difference - next_difference) / (next - t);
        if (!(rate > min_rate && rate < max_rate)) rate = approximate_rate(next);
        t = next;
        difference = next_difference;
    }
    return t;
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

namespace reference {

TDateTime sun_longitude_instant(int year, std::uint8_t k) {
    TDateTime t = first_estimate(year, k);
    const extended target = 15 * k;
    TSkyPosition pos;
    reference::sun_position(t, pos);
    extended difference = std::fabs(angle_difference(target, pos.longitude));
    TDateTime best_t = t;
    extended best_difference = difference;
    for (int step = 0; difference > reference_tolerance_deg && step < max_steps; ++step) {
        const TDateTime next =
            static_cast<TDateTime>(t + reference_step_factor * sin_deg(target - pos.longitude));
        if (next == t) break; // below the resolution of the date-time value
        t = next;
        reference::sun_position(t, pos);
        difference = std::fabs(angle_difference(target, pos.longitude));
        if (difference < best_difference) {
            best_difference = difference;
            best_t = t;
        }
    }
    return best_t;
}

} // namespace reference
} // namespace astro
