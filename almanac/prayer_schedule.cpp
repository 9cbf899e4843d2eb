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

// The offsets of local time: the zone's, else the fixed one.
struct TClock {
    const TTimeZone* zone = nullptr;
    std::int32_t fixed = 0;
    std::int32_t offset_at(astro::TDateTime ut) const { return zone ? zone->offset_at(ut) : fixed; }
    double local_date(astro::TDateTime ut) const { return std::floor(ut + offset_at(ut) / seconds_per_day); }
};

// An instant moved by whole minutes and rounded as chosen (to the minute of its local time, or left to the
// second at which it is shown).
astro::TDateTime placed(astro::TDateTime ut, int minutes, const TPrayerOptions& options,
                        const TClock& clock) {
    if (minutes != 0) ut += minutes * 60 / seconds_per_day;
    if (!options.method.round_to_minute) return ut;
    const double offset = clock.offset_at(ut) / seconds_per_day;
    return std::round((ut + offset) * 1440) / 1440 - offset;
}

// The day-arc times of UT days, each day computed once for the neighbouring dates that also need it. The
// library keeps every time within its UT day: sunrise, the transit and sunset are each the Sun's event at the
// instant given, but Fedjr, Assr and Ishaa, placed from them by a fraction of the day arc (less than half a
// day), may have been carried over 0 h UT. Each is put back beside its own sunrise, transit or sunset.
class TArcDays {
public:
    explicit TArcDays(const TPlace& place) : place_(place) {}
    const astro::TPrayerTimes& of(double ut_day) {
        for (const auto& [day, times] : days_)
            if (day == ut_day) return times;
        if (days_.size() == 4) days_.erase(days_.begin());
        astro::TPrayerTimes t = astro::prayer_times(ut_day, place_.latitude, place_.longitude_west, true);
        const auto beside = [&t](int time, int from, double sign) {
            if (t.error[time] != nullptr || t.error[from] != nullptr) return;
            const double gap = sign * (t.time[time] - t.time[from]);
            t.time[time] = t.time[from] + sign * (gap - std::floor(gap));
        };
        beside(astro::prFedjr, astro::prSunrise, -1);
        beside(astro::prAssr, astro::prTransit, 1);
        beside(astro::prIshaa, astro::prSunset, 1);
        return days_.emplace_back(ut_day, t).second;
    }

private:
    TPlace place_;
    std::vector<std::pair<double, astro::TPrayerTimes>> days_;
};

// The times of one local date into `day`: the only place that asks the library for prayer times, all six at
// once (from the day's Sun, which the library computes once per day for every place). The library's day is
// a UT day: the one whose transit falls on the local date. The angle methods give every time around that
// transit; a day-arc time that lies on the far side of it (sunrise in the evening UT of the day before, at
// places far east) is the neighbouring UT day's.
void compute_times(TPrayerDay& day, const TPlace& place, const TPrayerOptions& options,
                   const std::array<int, 6>& minutes, const TClock& clock, TArcDays& arc_days) {
    const bool arcs = options.method.method == TMethodId::almadex;
    const auto times_of = [&](double ut_day) {
        // The day-arc times carry no rule.
        return arcs ? astro::TMethodTimes{arc_days.of(ut_day)}
                    : astro::method_prayer_times(ut_day, place.latitude, place.longitude_west,
                                                 angle_method(options.method, place.latitude, day.date));
    };
    // The mean transit in UT (fraction of the UT day), then on the local clock of the date.
    const double mean_transit = 0.5 + place.longitude_west / 360;
    double ut_day = day.date - std::floor(mean_transit + day.utc_offset_seconds / seconds_per_day);
    astro::TMethodTimes all = times_of(ut_day);
    if (all.error[astro::prTransit] == nullptr) {
        const double shift = clock.local_date(all.time[astro::prTransit]) - day.date;
        if (shift != 0) all = times_of(ut_day -= shift);
    }
    const double transit =
        all.error[astro::prTransit] == nullptr ? all.time[astro::prTransit] : ut_day + mean_transit;
    for (const TPrayerName& p : prayer_names) {
        if (p.prayer == TPrayer::shourouk && !options.sunrise) continue;
        const auto i = static_cast<std::size_t>(p.prayer);
        double time = all.time[i];
        const char* error = all.error[i];
        if (arcs && error == nullptr) {
            // Dawn and sunrise up to 18 hours before the transit, the rest up to 18 hours after: the time of
            // this UT day or of a neighbouring one that lies there. Where the time crosses 0 h UT between two
            // days the library gives neither day's (each UT day's sunrise is the one within it): this day's
            // time moved by a day.
            const double earliest = transit - (p.prayer <= TPrayer::shourouk ? 0.75 : 0.25);
            const auto within = [earliest](double t) { return t >= earliest && t < earliest + 1; };
            double chosen = within(time) ? time : time + (time < earliest ? 1 : -1);
            for (const double step : {-1.0, 1.0}) {
                if (within(time)) break;
                const astro::TPrayerTimes& other = arc_days.of(ut_day + step);
                if (other.error[i] == nullptr && within(other.time[i])) chosen = other.time[i];
            }
            time = chosen;
        }
        if (error != nullptr) {
            if (arcs) {
                day.error = error;
                return;
            }
            // Each message once.
            if (day.error.find(error) == std::string::npos)
                day.error += (day.error.empty() ? "" : "; ") + std::string(error);
            continue;
        }
        TPrayerTime t{p.prayer, placed(time, minutes[i], options, clock), all.by_rule[i]};
        t.utc_offset_seconds = clock.offset_at(t.ut);
        t.repeated = clock.zone != nullptr && clock.zone->repeated_at(t.ut);
        day.times.push_back(t);
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
    return prayer_name(prayer, arabic ? TPrayerNames::transliterated : TPrayerNames::english);
}

std::string_view prayer_name(TPrayer prayer, TPrayerNames names) {
    switch (names) {
    case TPrayerNames::transliterated:
        return row(prayer).arabic;
    case TPrayerNames::arabic_script:
        return row(prayer).arabic_script;
    case TPrayerNames::english:
        break;
    }
    return row(prayer).english;
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
    const TClock clock{zone ? &*zone : nullptr, options.utc_offset_seconds};
    TArcDays arc_days(place);
    const astro::TDateTime first = std::floor(first_day);
    for (int i = 0; i < days; ++i) {
        TPrayerDay& day = schedule.emplace_back();
        day.date = first + i;
        day.utc_offset_seconds = zone ? zone->offset_on_day(day.date) : options.utc_offset_seconds;
        day.skipped = zone && !zone->has_day(day.date);
        if (!day.skipped) compute_times(day, place, options, minutes, clock, arc_days);
    }
    return schedule;
}

const TPrayerDay* first_failed_day(const std::vector<TPrayerDay>& schedule) {
    for (const TPrayerDay& day : schedule)
        if (!day.error.empty()) return &day;
    return nullptr;
}

} // namespace almanac
