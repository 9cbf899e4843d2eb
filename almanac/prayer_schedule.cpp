#include "almanac/prayer_schedule.h"

#include "astro/errors.h"
#include "astro/prayer.h"
#include "astro/riseset.h"

#include <cmath>

namespace almanac {
namespace {

const TPrayerName& row(TPrayer prayer) {
    return prayer_names[static_cast<std::size_t>(prayer)];
}

// The instant (UT) of one prayer on the day `day` at `place`; raises astro::E_NoRiseSet with the prayer's
// message.
astro::TDateTime prayer_time(TPrayer prayer, astro::TDateTime day, const TPlace& place) {
    const astro::extended lat = place.latitude, west = place.longitude_west;
    switch (prayer) {
    case TPrayer::fedjr:
        return astro::fedjr_time(day, lat, west);
    case TPrayer::shourouk:
        return astro::sun_rise(day, lat, west);
    case TPrayer::dhohr:
        return astro::sun_transit(day, lat, west);
    case TPrayer::asr:
        return astro::assr_time(true, day, lat, west);
    case TPrayer::ghouroub:
        return astro::sun_set(day, lat, west);
    case TPrayer::ishaa:
        break;
    }
    return astro::ishaa_time(day, lat, west);
}

// The times of one day into `day`: the only place that asks the library for prayer times.
void compute_times(TPrayerDay& day, const TPlace& place, bool sunrise) {
    for (const TPrayerName& p : prayer_names) {
        if (p.prayer == TPrayer::shourouk && !sunrise) continue;
        try {
            day.times.push_back({p.prayer, prayer_time(p.prayer, day.date, place)});
        } catch (const astro::Exception& e) {
            day.error = e.what();
            return;
        }
    }
}

} // namespace

// The table is indexed by its prayers.
static_assert([] {
    for (std::size_t i = 0; i < prayer_names.size(); ++i)
        if (static_cast<std::size_t>(prayer_names[i].prayer) != i) return false;
    return true;
}());

std::string_view prayer_key(TPrayer prayer) {
    return row(prayer).key;
}

std::string_view prayer_name(TPrayer prayer, bool arabic) {
    return arabic ? row(prayer).arabic : row(prayer).english;
}

std::int32_t utc_offset_on(const TPrayerOptions& options, astro::TDateTime /*day*/) {
    return options.utc_offset_seconds;
}

std::vector<TPrayerDay> prayer_schedule(const TPlace& place, astro::TDateTime first_day, int days,
                                        const TPrayerOptions& options) {
    std::vector<TPrayerDay> schedule;
    if (days <= 0) return schedule;
    schedule.reserve(static_cast<std::size_t>(days));
    const astro::TDateTime first = std::floor(first_day);
    for (int i = 0; i < days; ++i) {
        TPrayerDay& day = schedule.emplace_back();
        day.date = first + i;
        day.utc_offset_seconds = utc_offset_on(options, day.date);
        compute_times(day, place, options.sunrise);
    }
    return schedule;
}

const TPrayerDay* first_failed_day(const std::vector<TPrayerDay>& schedule) {
    for (const TPrayerDay& day : schedule)
        if (!day.error.empty()) return &day;
    return nullptr;
}

} // namespace almanac
