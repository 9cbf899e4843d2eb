// Rising, upper transit and setting of the Sun and the Moon, and the three twilights, for one day and one
// place: apparent positions at 0 h UT of the day before, the day and the day after, a first estimate from the
// hour angle at the horizon and one correction step. Meeus, Astronomical Algorithms, chapters 3, 15 and 40.
// Universal time throughout (no Delta T); latitude north positive, longitude positive WEST of Greenwich.
#pragma once

#include "astro/earth.h"
#include "astro/types.h"

#include <cstdint>

namespace astro {

/// The event asked of rise_transit_set, with its standard altitude h0.
enum RiseSetEvent : std::uint8_t {
    Rise = 0,             ///< Sun -0.8333 degrees; Moon 0.7275 * parallax - 34'
    Set = 1,              ///< as Rise
    Transit = 2,          ///< upper transit (h0 = 0 for the horizon test)
    CivilDawn = 3,        ///< rising through -6 degrees
    NauticalDawn = 4,     ///< rising through -12 degrees
    AstronomicalDawn = 5, ///< rising through -18 degrees
    CivilDusk = 6,        ///< setting through -6 degrees
    NauticalDusk = 7,     ///< setting through -12 degrees
    AstronomicalDusk = 8, ///< setting through -18 degrees
};

/// Standard altitude of the Sun's upper limb at rising and setting, refraction included: degrees.
inline constexpr extended sun_standard_altitude = -0.8333L;

/// Message of E_NoRiseSet raised by rise_transit_set and the three Sun entries.
inline constexpr const char* no_rise_set_message = "No rises or sets calculable";

/// The working values of one rise, transit or set computation: right ascensions and declinations at 0 h UT of
/// days d-1, d and d+1 (degrees; right ascensions as the position routines give them), apparent sidereal time
/// at Greenwich at 0 h UT of day d, the altitude h0 sought, latitude (north positive) and longitude (west
/// positive). In extended precision (TRiseSetWork) or double precision (the Sun's fast path).
template <class Real>
struct TRiseSetWorkOf {
    Real alpha1 = 0, alpha2 = 0, alpha3 = 0;
    Real delta1 = 0, delta2 = 0, delta3 = 0;
    Real theta0 = 0;
    Real h0 = 0;
    Real latitude = 0;
    Real longitude = 0;
};
using TRiseSetWork = TRiseSetWorkOf<extended>;

/// What the Sun's rising, transit and setting at any altitude and any place need for one day: its apparent
/// right ascension and declination at 0 h UT of the day before, the day and the day after, and the apparent
/// sidereal time at Greenwich at 0 h UT of the day; double precision. sun_day computes it once per day and
/// shares it.
struct TSunDay {
    TDateTime day = 0;                         ///< 0 h UT of the day, a whole day number
    double alpha1 = 0, alpha2 = 0, alpha3 = 0; ///< right ascensions, degrees, as sun_position gives them
    double delta1 = 0, delta2 = 0, delta3 = 0; ///< declinations, degrees
    double theta0 = 0;                         ///< apparent sidereal time at 0 h UT of the day, degrees

    /// The working values at altitude h0 (degrees), latitude (north positive) and longitude (west positive).
    TRiseSetWorkOf<double> work(double h0, double latitude, double longitude) const;
    /// Hour angle H0 (degrees, 0 to 180) at which the Sun crosses altitude h0 at that latitude, from the
    /// middle declination; NaN when it does not cross it that day (polar day or night) or an input is not a
    /// number.
    double hour_angle(double h0, double latitude) const;
    /// The day fraction of the upper transit: the first estimate reduced into [0, 1) plus one correction (not
    /// reduced again).
    double transit(double longitude) const;
    /// The day fraction of the rising (setting) through h0, given its hour angle h0_angle: the first estimate
    /// reduced into [0, 1) plus one correction (not reduced again).
    double rising(double h0, double h0_angle, double latitude, double longitude) const;
    double setting(double h0, double h0_angle, double latitude, double longitude) const;
    /// The declination (degrees) at the day fraction m, interpolated from the three samples (Meeus 3.3), as
    /// the correction step takes it: for an altitude that depends on the Sun at a given instant, such as a
    /// shadow length at transit.
    double declination_at(double m) const;
};

/// The Sun's day of `date` (rounded down to its 0 h UT): computed once and kept in a bounded, thread-safe
/// memo shared by all places and all routines of the library; the same bits as computing it anew. An instant
/// that check_instant refuses (not a finite number, or too far from the epoch) raises E_OutOfAlgorithmRange.
TSunDay sun_day(TDateTime date);

/// Forgets the memoised Sun days (for measurements; no result depends on it).
void clear_sun_day_memo();

/// Instant (UT date-time) of the event `kind` of the Sun (sun = true) or the Moon on the day of `date`; the
/// fraction is the time of day in UT and may fall a few minutes outside the day. A kind above 8 gives 0.
/// Raises E_NoRiseSet "No rises or sets calculable" when the body does not reach h0 that day (Transit too) or
/// an input is not a finite number. The Sun's events come from sun_day, in double precision.
double rise_transit_set(bool sun, RiseSetEvent kind, TDateTime date, extended latitude, extended longitude);

/// Sunrise, sunset and the Sun's upper transit: rise_transit_set with the Sun and Rise, Set, Transit.
double sun_rise(TDateTime date, extended latitude, extended longitude);
double sun_set(TDateTime date, extended latitude, extended longitude);
double sun_transit(TDateTime date, extended latitude, extended longitude);

/// Three-point interpolation of an angle tabulated at equidistant instants (n = 0 at y2, n = 1 at y3); a
/// difference beyond 100 degrees between neighbours is taken as a full-turn wrap. Meeus, formula 3.3.
extended interpolate3(extended y1, extended y2, extended y3, extended n);

/// One correction (days) of a first estimate m of the day fraction: which = 0 transit, 1 rising, 2 setting,
/// anything else 0. Meeus, chapter 15, without Delta T.
extended rise_set_correction(const TRiseSetWork& w, int which, extended m);

/// Replaces the geocentric right ascension and declination of the Moon by topocentric ones for an observer at
/// `height` metres, longitude (west positive) and latitude, at instant `date`; stores the horizontal parallax
/// (degrees) taken from moon_distance. Meeus, chapters 11 and 40.
void topocentric_correction(TSkyPosition& pos, extended height, extended longitude, extended latitude,
                            TDateTime date);

/// x minus its integer part (toward zero), plus 1 when negative: [0, 1).
extended reduce_day_fraction(extended x);

/// The day of an instant: its date-time value rounded down (also before 1899-12-30).
TDateTime rise_set_day(TDateTime date);

/// The working values for `date`'s day (0 h UT of days d-1, d, d+1, see rise_set_day) with altitude h0; for
/// the Moon the samples are topocentric (height 0). Raises E_NoRiseSet(message) when an input is not finite.
TRiseSetWork rise_set_work(bool sun, TDateTime date, extended h0, extended latitude, extended longitude,
                           const char* message);

/// Hour angle H0 (degrees, 0 to 180) at which the body crosses w.h0, from the middle declination. Raises
/// E_NoRiseSet(message) when the cosine of H0 lies outside [-1, 1] or is not a number.
extended horizon_hour_angle(const TRiseSetWork& w, const char* message);

} // namespace astro
