// Instants of the Moon's phases: the four principal phases from the series of Meeus, Astronomical Algorithms,
// chapter 49 (no iteration), the four octants by iteration on the Moon's age, and the searches for the first
// phase at or after, or the last at or before, an instant. Instants are in the program's single time scale.
#pragma once

#include "astro/types.h"

#include <cstdint>

namespace astro {

/// The eight phases in lunation order; ordinal / 8 is the fraction of the lunation after new moon.
enum TMoonPhase : std::uint8_t {
    mpNewMoon = 0,
    mpWaxingCrescent = 1,
    mpFirstQuarter = 2,
    mpWaxingGibbous = 3,
    mpFullMoon = 4,
    mpWaningGibbous = 5,
    mpLastQuarter = 6,
    mpWaningCrescent = 7,
};

/// Lunation index and fundamental arguments of `phase` in the lunation that `date` picks; angles in degrees,
/// not reduced.
struct TPhaseElements {
    extended k = 0;   ///< lunation index plus ordinal / 8; integer k is a new moon, 0 that of 6 January 2000
    extended jde = 0; ///< Julian Ephemeris Day of the mean phase
    extended m = 0;   ///< Sun's mean anomaly
    extended m_prime = 0; ///< Moon's mean anomaly
    extended f = 0;       ///< Moon's argument of latitude
    extended omega = 0;   ///< longitude of the ascending node
    extended e = 0;       ///< eccentricity factor, from the date's centuries
};

TPhaseElements phase_elements(TMoonPhase phase, TDateTime date);

/// New moon, first quarter, full moon or last quarter of the lunation that `date` picks. Any other value
/// raises E_OutOfAlgorithmRange "Invalid TMoonPhase". The periodic terms in double precision, after their
/// arguments are reduced in extended precision (within 1e-9 day of the extended reference).
TDateTime principal_phase(TMoonPhase phase, TDateTime date);

/// One of the four octants, found by iterating on the Moon's age from `date` until it is within 0.0000001 day
/// of its target; raises E_OutOfAlgorithmRange "Out of range of the algorithm" when 100 steps do not get
/// there (a date that is not a finite number).
TDateTime intermediate_phase(TMoonPhase phase, TDateTime date);

/// principal_phase for even values, intermediate_phase for odd values, 0.0 for values above 7.
TDateTime moon_phase_time(TMoonPhase phase, TDateTime date);

/// The earliest instant of `phase` at or after `date`, less than 30 days after it; E_OutOfAlgorithmRange "No
/// TDateTime possible" for an invalid phase, "Out of range of the algorithm" for a date that is not a finite
/// number or lies within 150 days of the limits of check_instant (the search probes up to 112 days around
/// it).
TDateTime next_phase(TMoonPhase phase, TDateTime date);

/// The latest instant of `phase` at or before `date`, less than 30 days before it; same errors.
TDateTime last_phase(TMoonPhase phase, TDateTime date);

} // namespace astro
