#include "astro/sun.h"

#include "astro/angles.h"
#include "astro/calendar.h"
#include "astro/vsop.h"

namespace astro {
namespace {

// FK5 correction of the geocentric coordinates (Meeus, chapter 25), arc seconds as degrees.
constexpr extended fk5_longitude_shift_deg = 0.09033L / 3600.0L;
constexpr extended fk5_latitude_factor_deg = 0.03916L / 3600.0L;
// Constant of aberration, 20.4898" (Meeus, chapter 25), as degrees; divided by the distance in AU.
constexpr extended aberration_deg = 20.4898L / 3600.0L;
constexpr extended km_per_au = 149597869.0L;

} // namespace

void sun_position(TDateTime t, TSkyPosition& pos) {
    extended L, B, R;
    earth_heliocentric(t, L, B, R);

    // Geometric geocentric coordinates.
    extended theta = L + 180;
    extended beta = -B;

    const extended T = (datetime_to_jd(t) - 2451545.0L) / 365250.0L * 10;
    const extended lambda_prime = theta + T * (-1.397L - 0.00031L * T);
    theta = theta - fk5_longitude_shift_deg;
    beta = beta + fk5_latitude_factor_deg * (cos_deg(lambda_prime) - sin_deg(lambda_prime));

    const extended lambda = theta - aberration_deg / R;

    pos.longitude = normalize_degrees(lambda);
    pos.latitude = beta;
    pos.radius = R * km_per_au;
    ecliptic_to_equatorial(pos, t);
}

} // namespace astro
