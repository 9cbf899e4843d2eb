#include "astro/moon_position.h"

#include "astro/angles.h"
#include "astro/calendar.h"
#include "astro/errors.h"
#include "astro/moon_tables.h"
#include "astro/precision.h"
#include "astro/reference.h"

#include <cstdlib>

namespace astro {
namespace {

// The factor E for a term whose argument holds the Sun's mean anomaly m times: E for |m| = 1, E^2 for |m|
// = 2.
template <class R>
R eccentricity_factor(int m, R e, R e2) {
    switch (std::abs(m)) {
    case 1:
        return e;
    case 2:
        return e2;
    default:
        return 1;
    }
}

// Longitude (mean, unreduced), latitude and radius by the path M, before the nutation: the fundamental
// arguments in extended precision, the sums in M's precision.
template <class M>
void position(TSkyPosition& pos, TDateTime date) {
    check_instant(date);
    using namespace moon_tables;
    using R = typename M::real;

    const extended t = (datetime_to_jd(date) - 2451545.0L) / 36525.0L;
    const extended t2 = t * t;
    const extended t3 = t2 * t;
    const extended t4 = t3 * t;

    // Fundamental arguments in degrees (M::angle: unreduced for the reference, whose sin_deg and cos_deg
    // reduce them).
    const R l_prime =
        M::angle(218.3164591L + 481267.88134236L * t - 0.0013268L * t2 + t3 / 538841.0L - t4 / 65194000.0L);
    const R d =
        M::angle(297.8502042L + 445267.1115168L * t - 0.00163L * t2 + t3 / 545868.0L - t4 / 113065000.0L);
    const R m = M::angle(357.5291092L + 35999.0502909L * t - 0.0001536L * t2 + t3 / 24490000.0L);
    const R m_prime =
        M::angle(134.9634114L + 477198.8676313L * t + 0.008997L * t2 + t3 / 69699.0L - t4 / 1471200.0L);
    const R f =
        M::angle(93.2720993L + 483202.0175273L * t - 0.0034029L * t2 - t3 / 3526000.0L + t4 / 863310000.0L);
    const R a1 = M::angle(119.75L + 131.849L * t);
    const R a2 = M::angle(53.09L + 479264.29L * t);
    const R a3 = M::angle(313.45L + 481266.484L * t);
    const R e = R(1.0L - 0.002516L * t - 0.0000074L * t2);
    const R e2 = e * e;

    const auto argument = [&](const TArgumentRow& row) {
        return row.d * d + row.m * m + row.m_prime * m_prime + row.f * f;
    };
    constexpr int n = term_count;
    R arg_a[n], sin_a[n], cos_a[n], arg_b[n], sin_b[n];
    for (int i = 0; i < n; ++i) {
        arg_a[i] = argument(longitude_distance_arguments[i]);
        arg_b[i] = argument(latitude_arguments[i]);
    }
    M::sin_cos_deg(arg_a, sin_a, cos_a, n);
    M::sin_deg(arg_b, sin_b, n);

    R sigma_r = 0;
    for (int i = 0; i < n; ++i) {
        const TArgumentRow& row = longitude_distance_arguments[i];
        sigma_r += distance_coefficients[i] * cos_a[i] * eccentricity_factor(row.m, e, e2);
    }

    R sigma_l = 0;
    for (int i = 0; i < n; ++i) {
        const TArgumentRow& row = longitude_distance_arguments[i];
        sigma_l += longitude_coefficients[i] * sin_a[i] * eccentricity_factor(row.m, e, e2);
    }
    sigma_l = sigma_l + R(3958.0L) * M::sin_deg(a1) + R(1962.0L) * M::sin_deg(l_prime - f) +
              R(318.0L) * M::sin_deg(a2);

    R sigma_b = 0;
    for (int i = 0; i < n; ++i) {
        const TArgumentRow& row = latitude_arguments[i];
        sigma_b += latitude_coefficients[i] * sin_b[i] * eccentricity_factor(row.m, e, e2);
    }
    sigma_b = sigma_b - R(2235.0L) * M::sin_deg(l_prime) + R(382.0L) * M::sin_deg(a3) +
              R(175.0L) * M::sin_deg(a1 - f) + R(175.0L) * M::sin_deg(a1 + f) +
              R(127.0L) * M::sin_deg(l_prime - m_prime) - R(115.0L) * M::sin_deg(l_prime + m_prime);

    pos.radius = 385000.56L + sigma_r / 1000.0L;
    pos.longitude = l_prime + sigma_l / 1000000.0L; // reduced by ecliptic_to_equatorial
    pos.latitude = sigma_b / 1000000.0L;
}

} // namespace

void moon_position(TSkyPosition& pos, TDateTime date) {
    position<TDoubleMath>(pos, date);
    ecliptic_to_equatorial(pos, date);
}

namespace reference {

void moon_position(TSkyPosition& pos, TDateTime date) {
    position<TExtendedMath>(pos, date);
    reference::ecliptic_to_equatorial(pos, date);
}

} // namespace reference

} // namespace astro
