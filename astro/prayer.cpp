#include "astro/prayer.h"

#include "astro/errors.h"
#include "astro/reference.h"
#include "astro/riseset.h"
#include "astro/riseset_method.h"

#include <cmath>
#include <limits>

namespace astro {

using namespace riseset_method;

namespace {

constexpr double not_a_time = std::numeric_limits<double>::quiet_NaN();

bool finite_inputs(TDateTime date, extended latitude, extended longitude) {
    return std::isfinite(date) && std::isfinite(latitude) && std::isfinite(longitude);
}

double time_or_raise(double t, const char* message) {
    if (std::isnan(t)) throw E_NoRiseSet(message);
    return t;
}

// Each prayer from the corrected day fraction of its event and the hour angle H0 of its altitude.
template <class R>
double fedjr_at(TDateTime date, R sunrise, R h0_angle) {
    return within_day(date, reduce_fraction(sunrise - R(dawn_night_factor) * h0_angle / 360));
}
template <class R>
double assr_at(bool flag, TDateTime date, R transit, R h0_angle) {
    const R k = flag ? R(assr_factor_flag_set) : R(assr_factor_flag_clear);
    return within_day(date, reduce_fraction(transit + k * h0_angle / 360));
}
template <class R>
double ishaa_at(TDateTime date, R sunset, R h0_angle) {
    return within_day(date, reduce_fraction(sunset + R(dawn_night_factor) * h0_angle / 360));
}

// The same from the working values of the altitude (-0.8333 degrees for Fedjr and Ishaa, 0 for Assr), by the
// path M; NaN when the Sun does not cross that altitude or the time is not finite.
template <class M>
double fedjr_of(TDateTime date, const TRiseSetWorkOf<typename M::real>& w) {
    const auto h0_angle = hour_angle<M>(w);
    return std::isnan(h0_angle) ? not_a_time : fedjr_at(date, rising_fraction<M>(w, h0_angle), h0_angle);
}
template <class M>
double assr_of(bool flag, TDateTime date, const TRiseSetWorkOf<typename M::real>& w) {
    const auto h0_angle = hour_angle<M>(w);
    return std::isnan(h0_angle) ? not_a_time : assr_at(flag, date, transit_fraction<M>(w), h0_angle);
}
template <class M>
double ishaa_of(TDateTime date, const TRiseSetWorkOf<typename M::real>& w) {
    const auto h0_angle = hour_angle<M>(w);
    return std::isnan(h0_angle) ? not_a_time : ishaa_at(date, setting_fraction<M>(w, h0_angle), h0_angle);
}

// The day's working values at the altitude of the Sun's disk (-0.8333 degrees) and at the geometric horizon.
TRiseSetWorkOf<double> disk_work(const TSunDay& day, extended latitude, extended longitude) {
    return day.work(static_cast<double>(sun_standard_altitude), static_cast<double>(latitude),
                    static_cast<double>(longitude));
}
TRiseSetWorkOf<double> horizon_work(const TSunDay& day, extended latitude, extended longitude) {
    return day.work(0, static_cast<double>(latitude), static_cast<double>(longitude));
}

} // namespace

double fedjr_time(TDateTime date, extended latitude, extended longitude) {
    if (!finite_inputs(date, latitude, longitude)) throw E_NoRiseSet(fedjr_message);
    return time_or_raise(fedjr_of<TDoubleMath>(date, disk_work(sun_day(date), latitude, longitude)),
                         fedjr_message);
}

double assr_time(bool flag, TDateTime date, extended latitude, extended longitude) {
    if (!finite_inputs(date, latitude, longitude)) throw E_NoRiseSet(assr_message);
    return time_or_raise(assr_of<TDoubleMath>(flag, date, horizon_work(sun_day(date), latitude, longitude)),
                         assr_message);
}

double ishaa_time(TDateTime date, extended latitude, extended longitude) {
    if (!finite_inputs(date, latitude, longitude)) throw E_NoRiseSet(ishaa_message);
    return time_or_raise(ishaa_of<TDoubleMath>(date, disk_work(sun_day(date), latitude, longitude)),
                         ishaa_message);
}

TPrayerTimes prayer_times(TDateTime date, extended latitude, extended longitude, bool assr_flag) {
    std::array<double, prayer_count> t;
    t.fill(not_a_time);
    if (finite_inputs(date, latitude, longitude)) {
        const TSunDay day = sun_day(date);
        // Sunrise, sunset, Fedjr and Ishaa at the disk's altitude.
        const auto disk = disk_work(day, latitude, longitude);
        const double disk_angle = hour_angle<TDoubleMath>(disk);
        if (!std::isnan(disk_angle)) {
            const double sunrise = rising_fraction<TDoubleMath>(disk, disk_angle);
            const double sunset = setting_fraction<TDoubleMath>(disk, disk_angle);
            t[prFedjr] = fedjr_at(date, sunrise, disk_angle);
            t[prSunrise] = at_fraction(date, sunrise);
            t[prSunset] = at_fraction(date, sunset);
            t[prIshaa] = ishaa_at(date, sunset, disk_angle);
        }
        // The transit and Assr, whose horizon test is at the geometric horizon.
        const auto horizon = horizon_work(day, latitude, longitude);
        const double horizon_angle = hour_angle<TDoubleMath>(horizon);
        if (!std::isnan(horizon_angle)) {
            const double transit = transit_fraction<TDoubleMath>(horizon);
            t[prTransit] = at_fraction(date, transit);
            t[prAssr] = assr_at(assr_flag, date, transit, horizon_angle);
        }
    }
    static constexpr std::array<const char*, prayer_count> messages{fedjr_message,       no_rise_set_message,
                                                                    no_rise_set_message, assr_message,
                                                                    no_rise_set_message, ishaa_message};
    TPrayerTimes r;
    for (int i = 0; i < prayer_count; ++i) {
        if (std::isnan(t[i]))
            r.error[i] = messages[i];
        else
            r.time[i] = t[i];
    }
    return r;
}

namespace reference {

double fedjr_time(TDateTime date, extended latitude, extended longitude) {
    const TRiseSetWork w = sun_work(date, sun_standard_altitude, latitude, longitude, fedjr_message);
    return time_or_raise(fedjr_of<TExtendedMath>(date, w), fedjr_message);
}

double assr_time(bool flag, TDateTime date, extended latitude, extended longitude) {
    const TRiseSetWork w = sun_work(date, 0, latitude, longitude, assr_message);
    return time_or_raise(assr_of<TExtendedMath>(flag, date, w), assr_message);
}

double ishaa_time(TDateTime date, extended latitude, extended longitude) {
    const TRiseSetWork w = sun_work(date, sun_standard_altitude, latitude, longitude, ishaa_message);
    return time_or_raise(ishaa_of<TExtendedMath>(date, w), ishaa_message);
}

} // namespace reference
} // namespace astro
