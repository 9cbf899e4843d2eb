#include "astro/moon_position.h"

#include "astro/angles.h"
#include "astro/calendar.h"
#include "astro/moon_tables.h"

#include <cstdlib>

namespace astro {
namespace {

// The factor E for a term whose argument holds the Sun's mean anomaly m times: E for |m| = 1, E^2 for |m|
// = 2.
extended eccentricity_factor(int m, extended e, extended e2) {
    switch (std::abs(m)) {
    case 1:
        return e;
    case 2:
        return e2;
    default:
        return 1;
    }
}

} // namespace

void moon_position(TSkyPosition& pos, TDateTime date) {
    using namespace moon_tables;

    const extended t = (datetime_to_jd(date) - 2451545.0L) / 36525.0L;
    const extended t2 = t * t;
    const extended t3 = t2 * t;
    const extended t4 = t3 * t;

    // Fundamental arguments in degrees, not reduced (sin_deg and cos_deg reduce them).
    const extended l_prime =
        218.3164591L + 481267.88134236L * t - 0.0013268L * t2 + t3 / 538841.0L - t4 / 65194000.0L;
    const extended d =
        297.8502042L + 445267.1115168L * t - 0.00163L * t2 + t3 / 545868.0L - t4 / 113065000.0L;
    const extended m = 357.5291092L + 35999.0502909L * t - 0.0001536L * t2 + t3 / 24490000.0L;
    const extended m_prime =
        134.9634114L + 477198.8676313L * t + 0.008997L * t2 + t3 / 69699.0L - t4 / 1471200.0L;
    const extended f =
        93.2720993L + 483202.0175273L * t - 0.0034029L * t2 - t3 / 3526000.0L + t4 / 863310000.0L;
    const extended a1 = 119.75L + 131.849L * t;
    const extended a2 = 53.09L + 479264.29L * t;
    const extended a3 = 313.45L + 481266.484L * t;
    const extended e = 1.0L - 0.002516L * t - 0.0000074L * t2;
    const extended e2 = e * e;

    const auto argument = [&](const TArgumentRow& row) {
        return row.d * d + row.m * m + row.m_prime * m_prime + row.f * f;
    };

    extended sigma_r = 0;
    for (std::size_t i = 0; i < term_count; ++i) {
        const TArgumentRow& row = longitude_distance_arguments[i];
        sigma_r += distance_coefficients[i] * cos_deg(argument(row)) * eccentricity_factor(row.m, e, e2);
    }

    extended sigma_l = 0;
    for (std::size_t i = 0; i < term_count; ++i) {
        const TArgumentRow& row = longitude_distance_arguments[i];
        sigma_l += longitude_coefficients[i] * sin_deg(argument(row)) * eccentricity_factor(row.m, e, e2);
    }
    sigma_l = sigma_l + 3958.0L * sin_deg(a1) + 1962.0L * sin_deg(l_prime - f) + 318.0L * sin_deg(a2);

    extended sigma_b = 0;
    for (std::size_t i = 0; i < term_count; ++i) {
        const TArgumentRow& row = latitude_arguments[i];
        sigma_b += latitude_coefficients[i] * sin_deg(argument(row)) * eccentricity_factor(row.m, e, e2);
    }
    sigma_b = sigma_b - 2235.0L * sin_deg(l_prime) + 382.0L * sin_deg(a3) + 175.0L * sin_deg(a1 - f) +
              175.0L * sin_deg(a1 + f) + 127.0L * sin_deg(l_prime - m_prime) -
              115.0L * sin_deg(l_prime + m_prime);

    pos.radius = 385000.56L + sigma_r / 1000.0L;
    pos.longitude = l_prime + sigma_l / 1000000.0L;
    pos.latitude = sigma_b / 1000000.0L;
    ecliptic_to_equatorial(pos, date);
}

} // namespace astro
