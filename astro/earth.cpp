#include "astro/earth.h"

#include "astro/angles.h"
#include "astro/calendar.h"
#include "astro/errors.h"
#include "astro/precision.h"
#include "astro/reference.h"

namespace astro {
namespace {

constexpr extended j2000_jd = 2451545.0L;
constexpr extended days_per_century = 36525.0L;

// Julian centuries from J2000.0 of the instant t.
extended centuries_since_j2000(TDateTime t) {
    return (datetime_to_jd(t) - j2000_jd) / days_per_century;
}

template <class M>
void nutation(TDateTime t, typename M::real& dpsi, typename M::real& eps) {
    using R = typename M::real;
    check_instant(t);
    const extended T = centuries_since_j2000(t);

    // Fundamental arguments in degrees (Meeus 22), each a polynomial in T from the highest power down.
    const auto omega =
        R(normalize_degrees(((1.0L / 450000.0L * T + 0.0020708L) * T - 1934.136261L) * T + 125.04452L));
    const auto d =
        R(normalize_degrees(((1.0L / 189474.0L * T - 0.0019142L) * T + 445267.11148L) * T + 297.85036L));
    const auto m =
        R(normalize_degrees(((-1.0L / 300000.0L * T - 0.0001603L) * T + 35999.05034L) * T + 357.52772L));
    const auto m_prime =
        R(normalize_degrees(((1.0L / 56250.0L * T + 0.0086972L) * T + 477198.867398L) * T + 134.96298L));
    const auto f =
        R(normalize_degrees(((1.0L / 327270.0L * T - 0.0036825L) * T + 483202.017538L) * T + 93.27191L));

    R arg[nutation_term_count], sin_arg[nutation_term_count], cos_arg[nutation_term_count];
    for (int i = 0; i < nutation_term_count; ++i) {
        const TNutationTerm& term = nutation_terms[i];
        arg[i] = term.d * d + term.m * m + term.m_prime * m_prime + term.f * f + term.omega * omega;
    }
    M::sin_cos_deg(arg, sin_arg, cos_arg, nutation_term_count);

    const auto T_r = R(T);
    R sum_psi = 0; // units of 0.0001"
    R sum_eps = 0;
    for (int i = 0; i < nutation_term_count; ++i) {
        const TNutationTerm& term = nutation_terms[i];
        sum_psi += sin_arg[i] * (term.psi_amplitude + term.psi_rate * T_r * R(0.1L));
        sum_eps += cos_arg[i] * (term.eps_amplitude + term.eps_rate * T_r * R(0.1L));
    }

    dpsi = sum_psi * R(0.0001L) / R(3600.0L);
    // Mean obliquity (Meeus 22.2) plus the nutation in obliquity, in arc seconds, then degrees once.
    eps = R(((((0.001813L * T - 0.00059L) * T - 46.815L) * T + 84381.448L) + extended(sum_eps) * 0.0001L) /
            3600.0L);
}

template <class M>
extended sidereal_time(TDateTime t) {
    check_instant(t);
    const extended jd = datetime_to_jd(t);
    const extended T = (jd - j2000_jd) / days_per_century;
    typename M::real dpsi, eps;
    nutation<M>(t, dpsi, eps);
    // Mean sidereal time of the instant (Meeus 12.4) plus the equation of the equinoxes.
    const extended theta = 280.46061837L + 360.98564736629L * (jd - j2000_jd) +
                           T * T * (0.000387933L - T / 38710000.0L) + extended(dpsi * M::cos_deg(eps));
    return normalize_degrees(theta);
}

template <class M>
void to_equatorial(TSkyPosition& pos, TDateTime t) {
    using R = typename M::real;
    check_instant(t);
    R dpsi, eps;
    nutation<M>(t, dpsi, eps);
    const extended apparent = normalize_degrees(pos.longitude + dpsi);
    pos.longitude = apparent;
    const auto lambda = R(apparent);
    const auto beta = R(pos.latitude);
    // Meeus (13.3) and (13.4).
    pos.right_ascension = M::atan2_deg(
        M::sin_deg(lambda) * M::cos_deg(eps) - M::tan_deg(beta) * M::sin_deg(eps), M::cos_deg(lambda));
    pos.declination = M::asin_deg(M::sin_deg(beta) * M::cos_deg(eps) +
                                  M::cos_deg(beta) * M::sin_deg(eps) * M::sin_deg(lambda));
}

} // namespace

void nutation_obliquity(TDateTime t, extended& dpsi, extended& eps) {
    double p, e;
    nutation<TDoubleMath>(t, p, e);
    dpsi = p;
    eps = e;
}

extended apparent_sidereal_time(TDateTime t) {
    return sidereal_time<TDoubleMath>(t);
}

void ecliptic_to_equatorial(TSkyPosition& pos, TDateTime t) {
    to_equatorial<TDoubleMath>(pos, t);
}

namespace reference {

void nutation_obliquity(TDateTime t, extended& dpsi, extended& eps) {
    nutation<TExtendedMath>(t, dpsi, eps);
}

extended apparent_sidereal_time(TDateTime t) {
    return sidereal_time<TExtendedMath>(t);
}

void ecliptic_to_equatorial(TSkyPosition& pos, TDateTime t) {
    to_equatorial<TExtendedMath>(pos, t);
}

} // namespace reference
} // namespace astro
