#include "almanac/prayer_schedule.h"

#include "almanac/time_zone.h"
#include "astro/prayer.h"
#include "astro/prayer_methods.h"

#include <cmath>
#include <optional>

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

constexpr double seconds_per_day = 86400;

// An instant moved by whole minutes and rounded as chosen (to the minute of local time, or left to the second
// at which it is shown).
astro::TDateTime placed(astro::TDateTime ut, int minutes, const TPrayerOptions& options,
                        std::int32_t offset) {
    if (minutes != 0) ut += minutes * 60 / seconds_per_day;
    if (!options.method.round_to_minute) return ut;
    const double local_minutes = std::round((ut + offset / seconds_per_day) * 1440);
    return local_minutes / 1440 - offset / seconds_per_day;
}

// The times of one day into `day`: the only place that asks the library for prayer times, all six at once
// (from the day's Sun, which the library computes once per day for every place).
void compute_times(TPrayerDay& day, const TPlace& place, const TPrayerOptions& options,
                   const std::array<int, 6>& minutes) {
    const bool arcs = options.method.method == TMethodId::almadex;
    // The day-arc times carry no rule.
    const astro::TMethodTimes all =
        arcs ? astro::TMethodTimes{astro::prayer_times(day.date, place.latitude, place.longitude_west, true)}
             : astro::method_prayer_times(day.date, place.latitude, place.longitude_west,
                                          angle_method(options.method, place.latitude, day.date));
    for (const TPrayerName& p : prayer_names) {
        if (p.prayer == TPrayer::shourouk && !options.sunrise) continue;
        const auto i = static_cast<std::size_t>(p.prayer);
        if (all.error[i] != nullptr) {
            if (arcs) {
                day.error = all.error[i];
                return;
            }
            // Each message once.
            if (day.error.find(all.error[i]) == std::string::npos)
                day.error += (day.error.empty() ? "" : "; ") + std::string(all.error[i]);
            continue;
        }
        day.times.push_back(
            {p.prayer, placed(all.time[i], minutes[i], options, day.utc_offset_seconds), all.by_rule[i]});
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

std::int32_t utc_offset_on(const TPrayerOptions& options, astro::TDateTime day) {
    if (options.zone.empty()) return options.utc_offset_seconds;
    return TTimeZone(options.zone).offset_on_day(day);
}

std::string zone_title(const TPrayerOptions& options) {
    return options.zone.empty() ? "UT" + offset_text(options.utc_offset_seconds) : options.zone;
}

std::vector<TPrayerDay> prayer_schedule(const TPlace& place, astro::TDateTime first_day, int days,
                                        const TPrayerOptions& options) {
    std::vector<TPrayerDay> schedule;
    check_method_choice(options.method);
    std::optional<TTimeZone> zone;
    if (!options.zone.empty()) zone.emplace(options.zone);
    if (days <= 0) return schedule;
    schedule.reserve(static_cast<std::size_t>(days));
    const std::array<int, 6> minutes = offset_minutes(options.method);
    const astro::TDateTime first = std::floor(first_day);
    for (int i = 0; i < days; ++i) {
        TPrayerDay& day = schedule.emplace_back();
        day.date = first + i;
        day.utc_offset_seconds = zone ? zone->offset_on_day(day.date) : options.utc_offset_seconds;
        compute_times(day, place, options, minutes);
    }
    return schedule;
}

const TPrayerDay* first_failed_day(const std::vector<TPrayerDay>& schedule) {
    for (const TPrayerDay& day : schedule)
        if (!day.error.empty()) return &day;
    return nullptr;
}

} // namespace almanac
