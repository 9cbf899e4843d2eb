#include "astro/earth.h"

#include "astro/angles.h"
#include "astro/calendar.h"

namespace astro {
namespace {

constexpr extended j2000_jd = 2451545.0L;
constexpr extended days_per_century = 36525.0L;

// Julian centuries from J2000.0 of the instant t.
extended centuries_since_j2000(TDateTime t) {
    return (datetime_to_jd(t) - j2000_jd) / days_per_century;
}

} // namespace

void nutation_obliquity(TDateTime t, extended& dpsi, extended& eps) {
    const extended T = centuries_since_j2000(t);

    // Fundamental arguments in degrees (Meeus 22), each a polynomial in T from the highest power down.
    const extended omega =
        normalize_degrees(((1.0L / 450000.0L * T + 0.0020708L) * T - 1934.136261L) * T + 125.04452L);
    const extended d =
        normalize_degrees(((1.0L / 189474.0L * T - 0.0019142L) * T + 445267.11148L) * T + 297.85036L);
    const extended m =
        normalize_degrees(((-1.0L / 300000.0L * T - 0.0001603L) * T + 35999.05034L) * T + 357.52772L);
    const extended m_prime =
        normalize_degrees(((1.0L / 56250.0L * T + 0.0086972L) * T + 477198.867398L) * T + 134.96298L);
    const extended f =
        normalize_degrees(((1.0L / 327270.0L * T - 0.0036825L) * T + 483202.017538L) * T + 93.27191L);

    extended sum_psi = 0; // units of 0.0001"
    extended sum_eps = 0;
    for (const TNutationTerm& term : nutation_terms) {
        const extended arg =
            term.d * d + term.m * m + term.m_prime * m_prime + term.f * f + term.omega * omega;
        sum_psi += sin_deg(arg) * (term.psi_amplitude + term.psi_rate * T * 0.1L);
        sum_eps += cos_deg(arg) * (term.eps_amplitude + term.eps_rate * T * 0.1L);
    }

    dpsi = sum_psi * 0.0001L / 3600.0L;
    // Mean obliquity (Meeus 22.2) plus the nutation in obliquity, in arc seconds, then degrees once.
    eps = ((((0.001813L * T - 0.00059L) * T - 46.815L) * T + 84381.448L) + sum_eps * 0.0001L) / 3600.0L;
}

extended apparent_sidereal_time(TDateTime t) {
    const extended jd = datetime_to_jd(t);
    const extended T = (jd - j2000_jd) / days_per_century;
    extended dpsi, eps;
    nutation_obliquity(t, dpsi, eps);
    // Mean sidereal time of the instant (Meeus 12.4) plus the equation of the equinoxes.
    const extended theta = 280.46061837L + 360.98564736629L * (jd - j2000_jd) +
                           T * T * (0.000387933L - T / 38710000.0L) + dpsi * cos_deg(eps);
    return normalize_degrees(theta);
}

void ecliptic_to_equatorial(TSkyPosition& pos, TDateTime t) {
    extended dpsi, eps;
    nutation_obliquity(t, dpsi, eps);
    const extended lambda = normalize_degrees(pos.longitude + dpsi);
    const extended beta = pos.latitude;
    pos.longitude = lambda;
    // Meeus (13.3) and (13.4).
    pos.right_ascension =
        atan2_deg(sin_deg(lambda) * cos_deg(eps) - tan_deg(beta) * sin_deg(eps), cos_deg(lambda));
    pos.declination = asin_deg(sin_deg(beta) * cos_deg(eps) + cos_deg(beta) * sin_deg(eps) * sin_deg(lambda));
}

} // namespace astro
