#include "astro/sun.h"

#include "astro/angles.h"
#include "astro/calendar.h"
#include "astro/errors.h"
#include "astro/precision.h"
#include "astro/reference.h"
#include "astro/vsop.h"

namespace astro {
namespace {

// FK5 correction of the geocentric coordinates (Meeus, chapter 25), arc seconds as degrees.
constexpr extended fk5_longitude_shift_deg = 0.09033L / 3600.0L;
constexpr extended fk5_latitude_factor_deg = 0.03916L / 3600.0L;
// Constant of aberration, 20.4898" (Meeus, chapter 25), as degrees; divided by the distance in AU.
constexpr extended aberration_deg = 20.4898L / 3600.0L;
constexpr extended km_per_au = 149597869.0L;

// The Sun from the Earth's heliocentric L, B (degrees) and R (AU) at t: the geocentric FK5 step and the
// aberration in extended precision, the two sines of the FK5 step by the path M.
template <class M>
void sun_from_earth(TDateTime t, extended L, extended B, extended R, TSkyPosition& pos) {
    // Geometric geocentric coordinates.
    extended theta = L + 180;
    extended beta = -B;

    const extended T = (datetime_to_jd(t) - 2451545.0L) / 365250.0L * 10;
    const auto lambda_prime = M::angle(theta + T * (-1.397L - 0.00031L * T));
    theta = theta - fk5_longitude_shift_deg;
    beta = beta + fk5_latitude_factor_deg * extended(M::cos_deg(lambda_prime) - M::sin_deg(lambda_prime));

    const extended lambda = theta - aberration_deg / R;

    pos.longitude = normalize_degrees(lambda);
    pos.latitude = beta;
    pos.radius = R * km_per_au;
}

} // namespace

void sun_position(TDateTime t, TSkyPosition& pos) {
    check_instant(t);
    extended L, B, R;
    earth_heliocentric(t, L, B, R);
    sun_from_earth<TDoubleMath>(t, L, B, R, pos);
    ecliptic_to_equatorial(pos, t);
}

namespace reference {

void sun_position(TDateTime t, TSkyPosition& pos) {
    check_instant(t);
    extended L, B, R;
    reference::earth_heliocentric(t, L, B, R);
    sun_from_earth<TExtendedMath>(t, L, B, R, pos);
    reference::ecliptic_to_equatorial(pos, t);
}

} // namespace reference
} // namespace astro
