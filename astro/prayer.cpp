#include "astro/prayer.h"

#include "astro/errors.h"
#include "astro/riseset.h"

#include <cmath>

namespace astro {

namespace {

// The Sun's working values for `date` at altitude h0, its hour angle H0 at that altitude and the first
// estimate of the transit (a day fraction, not yet reduced).
struct TSunArc {
    TRiseSetWork work;
    extended h0_angle;
    extended m0;
};

TSunArc sun_arc(TDateTime date, extended h0, extended latitude, extended longitude, const char* message) {
    TSunArc arc;
    arc.work = rise_set_work(true, date, h0, latitude, longitude, message);
    arc.h0_angle = horizon_hour_angle(arc.work, message);
    arc.m0 = (arc.work.alpha2 + arc.work.longitude - arc.work.theta0) / 360;
    return arc;
}

double on_day(TDateTime date, extended fraction, const char* message) {
    const TDateTime d = rise_set_day(date);
    const extended result = d + fraction;
    if (!std::isfinite(result)) throw E_NoRiseSet(message);
    // A fraction a few ulps below 1 would round onto the next day.
    const double t = static_cast<double>(result);
    return t < d + 1 ? t : std::nextafter(d + 1, d);
}

} // namespace

double fedjr_time(TDateTime date, extended latitude, extended longitude) {
    const TSunArc arc = sun_arc(date, sun_standard_altitude, latitude, longitude, fedjr_message);
    const extended m1 = reduce_day_fraction(arc.m0 - arc.h0_angle / 360);
    const extended sunrise = m1 + rise_set_correction(arc.work, 1, m1);
    return on_day(date, reduce_day_fraction(sunrise - dawn_night_factor * arc.h0_angle / 360), fedjr_message);
}

double assr_time(bool flag, TDateTime date, extended latitude, extended longitude) {
    const TSunArc arc = sun_arc(date, 0, latitude, longitude, assr_message);
    const extended m0 = reduce_day_fraction(arc.m0);
    const extended transit = m0 + rise_set_correction(arc.work, 0, m0);
    const extended k = flag ? assr_factor_flag_set : assr_factor_flag_clear;
    return on_day(date, reduce_day_fraction(transit + k * arc.h0_angle / 360), assr_message);
}

double ishaa_time(TDateTime date, extended latitude, extended longitude) {
    const TSunArc arc = sun_arc(date, sun_standard_altitude, latitude, longitude, ishaa_message);
    const extended m2 = reduce_day_fraction(arc.m0 + arc.h0_angle / 360);
    const extended sunset = m2 + rise_set_correction(arc.work, 2, m2);
    return on_day(date, reduce_day_fraction(sunset + dawn_night_factor * arc.h0_angle / 360), ishaa_message);
}

} // namespace astro
