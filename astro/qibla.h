// The direction of prayer: the great-circle course from a place to the Kaaba in Makkah, and the distance, on
// a sphere of the Earth's mean radius.
#pragma once

namespace astro {

/// The Kaaba: degrees, north and EAST positive.
inline constexpr double kaaba_latitude = 21.4225;
inline constexpr double kaaba_longitude_east = 39.8262;
/// The mean radius of the Earth (IUGG), km.
inline constexpr double earth_mean_radius_km = 6371.0088;

struct TQibla {
    double direction = 0;   ///< degrees from true north, clockwise (east), 0 to 360
    double distance_km = 0; ///< along the great circle
};

/// The initial course of the great circle from the place (latitude north positive, longitude WEST positive,
/// as the rest of the library) to the Kaaba, and its length. At the Kaaba itself and at its antipode the
/// course is undefined and given as 0. Raises E_OutOfAlgorithmRange "Out of range of the algorithm" for a
/// latitude beyond 90 degrees either way or a coordinate that is not a finite number.
TQibla qibla(double latitude, double longitude_west);

} // namespace astro
