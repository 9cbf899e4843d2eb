// Prayer times by the Sun's depression angles, the usual way of the calculation methods of Muslim
// authorities: Fajr and Isha when the Sun's centre is a given angle below the horizon (or Isha a fixed
// interval after Maghrib), Asr when a stick's shadow is its length times the shadow factor plus its length at
// noon, Maghrib at sunset or at an angle, with rules for high latitudes. All six times of a day come from one
// set of the Sun's positions (sun_day), shared with the rest of the library. Universal time; longitude
// positive WEST.
#pragma once

#include "astro/prayer.h"
#include "astro/types.h"

#include <cstdint>

namespace astro {

/// Where Fajr or Isha cannot be computed (the Sun never goes that far below the horizon) or falls too far
/// into the night: the time is put at a portion of the night (sunset to the next sunrise) from sunrise or
/// sunset.
enum class THighLatitudeRule : std::uint8_t {
    none,             ///< the time is not calculable
    middle_of_night,  ///< portion 1/2
    seventh_of_night, ///< portion 1/7
    twilight_angle,   ///< portion angle / 60 (18 degrees: 0.3 of the night)
};

/// Days that lack a time: no sunrise or sunset (polar day or night), the Sun too low for Asr's shadow, or
/// too near the horizon for its times to follow each other.
enum class TPolarRule : std::uint8_t {
    none, ///< the times the day lacks are not calculable
    /// every time of the nearest day, before or after, that has them all, counted from its transit and
    /// placed around this day's own transit; where no day of the year has them all, nearest_latitude
    nearest_day,
    nearest_latitude, ///< the times at the nearest latitude (same longitude) that has them all on this day
};

/// The parameters of an angle method. Angles in degrees below the horizon, intervals in minutes.
struct TAngleMethod {
    double fajr_angle = 18;
    double isha_angle = 17;   ///< used when isha_minutes is 0
    double isha_minutes = 0;  ///< > 0: Isha this many minutes after Maghrib
    double maghrib_angle = 0; ///< 0: Maghrib at sunset (-0.8333 degrees); > 0: at this depression
    double asr_shadow = 1;    ///< 1: Shafi'i, Maliki, Hanbali; 2: Hanafi
    /// The Moonsighting Committee's seasonal bound: Fajr no earlier than seasonal_fajr_minutes before
    /// sunrise, Isha no later than seasonal_isha_minutes after sunset.
    bool seasonal = false;
    THighLatitudeRule high_latitude = THighLatitudeRule::none;
    TPolarRule polar = TPolarRule::none;
};

/// Messages of the times that cannot be computed, by the reason.
inline constexpr const char* no_sunrise_message =
    "No rises or sets calculable: the Sun stays above or below the horizon all day (choose the nearest day "
    "or the nearest latitude for such days)";
inline constexpr const char* fajr_angle_message =
    "Fedjr is not calculable: the Sun does not reach the method's dawn angle (choose a high-latitude rule)";
inline constexpr const char* isha_angle_message =
    "Ishaa is not calculable: the Sun does not reach the method's night angle (choose a high-latitude rule)";
inline constexpr const char* maghrib_angle_message =
    "El Ghouroub is not calculable: the Sun does not reach the method's Maghrib angle";
inline constexpr const char* asr_shadow_message =
    "Assr is not calculable: the shadow never reaches the Asr length that day";

/// What placed a time: the Sun's own crossing of the method's altitude, or a rule.
enum class TTimeRule : std::uint8_t {
    sun,              ///< the crossing (or the interval after Maghrib)
    seasonal,         ///< the Moonsighting Committee's seasonal interval
    night,            ///< the high-latitude rule's portion of the night
    nearest_day,      ///< the polar rule: the nearest day's time
    nearest_latitude, ///< the polar rule: the nearest latitude's time
};

/// The six times (TPrayer order: Fajr, sunrise, Dhuhr at the transit with no offset, Asr, Maghrib, Isha) of
/// the day of `date` by the method: instants in UT around the Sun's transit nearest the local mean noon of
/// that day (12 h UT plus the longitude's hours: the day is the place's own day), Fajr and sunrise up to
/// half a day before it, the others up to half a day after, in that order; `by_rule` says what placed each
/// (the transit is always the day's own). A time that cannot be computed carries its message instead (with a
/// polar rule every time is computed), as does every time for a date or place that is not a finite number or
/// a latitude beyond 90 degrees. A method whose angles lie beyond 90 degrees, whose Isha interval exceeds a
/// day or whose shadow factor is not above 0, or any of them not a finite number, raises
/// E_OutOfAlgorithmRange "Out of range of the algorithm".
struct TMethodTimes : TPrayerTimes {
    std::array<TTimeRule, prayer_count> by_rule{};
    /// The Sun's own setting (its standard altitude), which time[prSunset] is unless Maghrib is at an angle;
    /// 0 with its message in sunset_error where it cannot be computed. Placed as the sunrise is (by_rule).
    TDateTime sunset = 0;
    const char* sunset_error = nullptr;
};
TMethodTimes method_prayer_times(TDateTime date, double latitude, double longitude,
                                 const TAngleMethod& method);

/// The Moonsighting Committee Worldwide's seasonal intervals (minutes) between Fajr and sunrise and between
/// sunset and Isha (the general shafaq), for a latitude and the number of days since the winter solstice
/// (21 December north of the equator, 21 June south of it), 0 to 365: four values a, b, c, d at days 0, 91,
/// 137 and 183, each 75 minutes plus a coefficient / 55 times the latitude, joined by straight lines and
/// mirrored after day 183. Syed Khalid Shaukat, "Fajr and Isha", moonsighting.com. A latitude beyond 90
/// degrees (or not a finite number) or days outside 0..365 raise E_OutOfAlgorithmRange "Out of range of the
/// algorithm".
double seasonal_fajr_minutes(double latitude, int days_since_solstice);
double seasonal_isha_minutes(double latitude, int days_since_solstice);
/// The days of `date` since the last winter solstice of the latitude's hemisphere, as the seasonal values
/// take them: 0..365. The errors of check_instant; a latitude beyond 90 degrees or not a finite number raises
/// E_OutOfAlgorithmRange "Out of range of the algorithm".
int days_since_winter_solstice(TDateTime date, double latitude);

/// The rule recommended for a latitude: none below 45 degrees (where twilight of every method's angle, 20
/// degrees at most, ends every night of the year), the twilight angle's portion of the night from 45 degrees
/// on.
THighLatitudeRule recommended_high_latitude_rule(double latitude);

} // namespace astro
