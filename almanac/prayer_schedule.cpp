#include "almanac/prayer_schedule.h"

#include "astro/prayer.h"

#include <cmath>

namespace almanac {
namespace {

const TPrayerName& row(TPrayer prayer) {
    return prayer_names[static_cast<std::size_t>(prayer)];
}

// The library's index of each prayer in astro::TPrayerTimes, which lists them in the same order.
static_assert(static_cast<int>(TPrayer::fedjr) == astro::prFedjr &&
              static_cast<int>(TPrayer::shourouk) == astro::prSunrise &&
              static_cast<int>(TPrayer::dhohr) == astro::prTransit &&
              static_cast<int>(TPrayer::asr) == astro::prAssr &&
              static_cast<int>(TPrayer::ghouroub) == astro::prSunset &&
              static_cast<int>(TPrayer::ishaa) == astro::prIshaa);

// The times of one day into `day`: the only place that asks the library for prayer times, all six at once
// (from the day's Sun, which the library computes once per day for every place).
void compute_times(TPrayerDay& day, const TPlace& place, bool sunrise) {
    const astro::TPrayerTimes all = astro::prayer_times(day.date, place.latitude, place.longitude_west, true);
    for (const TPrayerName& p : prayer_names) {
        if (p.prayer == TPrayer::shourouk && !sunrise) continue;
        const auto i = static_cast<std::size_t>(p.prayer);
        if (all.error[i] != nullptr) {
            day.error = all.error[i];
            return;
        }
        day.times.push_back({p.prayer, all.time[i]});
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
