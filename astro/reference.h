// The reference evaluations: the library's routines computed entirely in extended precision with the x87
// functions, term by term, as they stood before the fast double-precision paths (astro/precision.h) took
// their place. Slow (a Sun position costs hundreds of microseconds); they exist so that tests can bound the
// difference of the public, fast routines from them. Same arguments, units and errors as the public routine
// of each name.
#pragma once

#include "astro/earth.h"
#include "astro/moon_phases.h"
#include "astro/riseset.h"
#include "astro/types.h"

#include <cstdint>

namespace astro::reference {

/// earth_heliocentric: planet_heliocentric with TVSOPEarth, the series summed in extended precision.
void earth_heliocentric(TDateTime t, extended& L, extended& B, extended& R);

void nutation_obliquity(TDateTime t, extended& dpsi, extended& eps);
extended apparent_sidereal_time(TDateTime t);
void ecliptic_to_equatorial(TSkyPosition& pos, TDateTime t);

void sun_position(TDateTime t, TSkyPosition& pos);
void moon_position(TSkyPosition& pos, TDateTime date);

TDateTime principal_phase(TMoonPhase phase, TDateTime date);
TDateTime next_phase(TMoonPhase phase, TDateTime date);
TDateTime last_phase(TMoonPhase phase, TDateTime date);

/// The search of the stepping factor 58 days and the tolerance 3e-10 degree, with the reference Sun.
TDateTime sun_longitude_instant(int year, std::uint8_t k);

/// rise_set_work for the Sun from reference positions and sidereal time.
TRiseSetWork sun_work(TDateTime date, extended h0, extended latitude, extended longitude,
                      const char* message);

/// The Sun's events and the three prayer routines, each from its own three reference Sun positions.
double sun_rise(TDateTime date, extended latitude, extended longitude);
double sun_transit(TDateTime date, extended latitude, extended longitude);
double sun_set(TDateTime date, extended latitude, extended longitude);
double fedjr_time(TDateTime date, extended latitude, extended longitude);
double assr_time(bool flag, TDateTime date, extended latitude, extended longitude);
double ishaa_time(TDateTime date, extended latitude, extended longitude);

/// Gauss's Passover formula in extended precision.
TDateTime pesach_date(std::int32_t civil_year);
/// The Hebrew date of a day by walking the months of its year from 1 Tishri.
void date_to_hebrew(TDateTime t, std::uint16_t& y, std::uint16_t& m, std::uint16_t& d);

} // namespace astro::reference
