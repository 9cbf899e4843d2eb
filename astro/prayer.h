// Times of the daily Muslim prayers that are not the Sun's own events: dawn (Fedjr), afternoon (Assr) and
// night (Ishaa), each placed at a fixed fraction of the Sun's half day arc from sunrise, transit or sunset.
// The other three are sun_rise, sun_transit and sun_set (astro/riseset.h). Universal time; longitude positive
// WEST.
#pragma once

#include "astro/types.h"

namespace astro {

/// Messages of E_NoRiseSet raised by the three routines below.
inline constexpr const char* fedjr_message = "Fedjr is not calculable";
inline constexpr const char* assr_message = "Assr is not calculable";
inline constexpr const char* ishaa_message = "Ishaa is not calculable";

/// Fraction of the half day arc between Fedjr and sunrise, and between sunset and Ishaa.
inline constexpr extended dawn_night_factor = 0.295167222223L;
/// Fraction of the geometric half day arc between transit and Assr, with the flag of assr_time set or clear.
inline constexpr extended assr_factor_flag_set = 0.5L;
inline constexpr extended assr_factor_flag_clear = 0.7048327777778L;

/// Fedjr: sunrise (one correction step, -0.8333 degrees) less dawn_night_factor * H0 / 360 days, reduced into
/// the UT day of `date`. Raises E_NoRiseSet "Fedjr is not calculable" when the Sun does not cross -0.8333
/// degrees.
double fedjr_time(TDateTime date, extended latitude, extended longitude);

/// Assr: the Sun's transit plus k * H0 / 360 days, H0 at the geometric horizon, k = 0.5 with the flag set and
/// 0.7048327777778 without, reduced into the UT day of `date`. Raises E_NoRiseSet "Assr is not calculable".
double assr_time(bool flag, TDateTime date, extended latitude, extended longitude);

/// Ishaa: sunset (one correction step, -0.8333 degrees) plus dawn_night_factor * H0 / 360 days, reduced into
/// the UT day of `date`. Raises E_NoRiseSet "Ishaa is not calculable" when the Sun does not cross -0.8333
/// degrees.
double ishaa_time(TDateTime date, extended latitude, extended longitude);

} // namespace astro
