// Times of the daily Muslim prayers that are not the Sun's own events: dawn (Fedjr), afternoon (Assr) and
// night (Ishaa), each placed at a fixed fraction of the Sun's half day arc from sunrise, transit or sunset.
// The other three are sun_rise, sun_transit and sun_set (astro/riseset.h). Universal time; longitude positive
// WEST. All of them take the Sun's positions of the day from sun_day (astro/riseset.h), computed once a day.
#pragma once

#include "astro/types.h"

#include <array>
#include <cstdint>

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

/// The six times of a day in the order the prayer list shows them.
enum TPrayer : std::uint8_t { prFedjr = 0, prSunrise, prTransit, prAssr, prSunset, prIshaa };
inline constexpr int prayer_count = 6;

/// The six times of one place and one UT day: each a UT date-time value, or the message its own routine
/// raises.
struct TPrayerTimes {
    std::array<double, prayer_count> time{};       ///< by TPrayer; 0 where the time failed
    std::array<const char*, prayer_count> error{}; ///< nullptr, or the E_NoRiseSet message of that time
};

/// fedjr_time, sun_rise, sun_transit, assr_time(assr_flag, ...), sun_set and ishaa_time of one place and day
/// computed at once from the day's Sun (two hour angles and three corrections for all six): the same values,
/// bit for bit, and the same failures, each carried in its own entry instead of raised.
TPrayerTimes prayer_times(TDateTime date, extended latitude, extended longitude, bool assr_flag = true);

} // namespace astro
