#include "astro/qibla.h"

#include "astro/errors.h"

#include <cmath>

namespace astro {

TQibla qibla(double latitude, double longitude_west) {
    if (!(std::fabs(latitude) <= 90) || !std::isfinite(longitude_west))
        throw E_OutOfAlgorithmRange(out_of_range_message);
    constexpr double rad = 3.14159265358979323846 / 180;
    const double phi = latitude * rad;
    const double phi_k = kaaba_latitude * rad;
    const double dlambda = (kaaba_longitude_east + longitude_west) * rad;
    // Course: tan C = sin dL / (cos phi tan phi_k - sin phi cos dL); distance by the haversine formula.
    const double y = std::sin(dlambda) * std::cos(phi_k);
    const double x = std::cos(phi) * std::sin(phi_k) - std::sin(phi) * std::cos(phi_k) * std::cos(dlambda);
    TQibla q;
    q.direction = std::atan2(y, x) / rad;
    if (q.direction < 0) q.direction += 360;
    if (std::fabs(y) < 1e-15 && std::fabs(x) < 1e-15) q.direction = 0;
    const double h = std::pow(std::sin((phi_k - phi) / 2), 2) +
                     std::cos(phi) * std::cos(phi_k) * std::pow(std::sin(dlambda / 2), 2);
    q.distance_km = 2 * earth_mean_radius_km * std::asin(std::sqrt(std::fmin(1.0, h)));
    return q;
}

} // namespace astro
