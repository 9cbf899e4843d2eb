#include "almanac/prayer_schedule.h"

#include "almanac/time_zone.h"
#include "astro/prayer.h"
#include "astro/prayer_methods.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace almanac {
namespace {

const TPrayerName& row(TPrayer prayer) {
    const auto i = static_cast<std::size_t>(prayer);
    return i < prayer_names.size() ? prayer_names[i] : extra_time_names[i - prayer_names.size()];
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

// One local date's times before they are listed: the six by the method, moved by its offsets and the user's
// adjustments but not rounded, with the Sun's own sunrise and sunset; a time that could not be computed has
// its message instead.
struct TSolved {
    bool skipped = false;
    std::array<double, 6> ut{};
    std::array<const char*, 6> error{};
    std::array<astro::TTimeRule, 6> rule{};
    double sunrise = 0, sunset = 0;
    const char *sunrise_error = nullptr, *sunset_error = nullptr;
    astro::TTimeRule sun_rule = astro::TTimeRule::sun;
};

// The times of one local date: the only place that asks the library for prayer times, all six at once (from
// the day's Sun, which the library computes once per day for every place). The library's day is a UT day:
// the one whose transit falls on the local date. The angle methods give every time around that transit; a
// day-arc time that lies on the far side of it (sunrise in the evening UT of the day before, at places far
// east) is the neighbouring UT day's.
TSolved solve_date(astro::TDateTime date, std::int32_t utc_offset_seconds, const TPlace& place,
                   const TPrayerOptions& options, const std::array<int, 6>& minutes, const TClock& clock,
                   TArcDays& arc_days) {
    const bool arcs = options.method.method == TMethodId::almadex;
    const auto times_of = [&](double ut_day) {
        if (!arcs)
            return astro::method_prayer_times(ut_day, place.latitude, place.longitude_west,
                                              angle_method(options.method, place.latitude, date));
        // The day-arc times carry no rule; their Maghrib is the sunset.
        astro::TMethodTimes t{arc_days.of(ut_day)};
        t.sunset = t.time[astro::prSunset];
        t.sunset_error = t.error[astro::prSunset];
        return t;
    };
    // The mean transit in UT (fraction of the UT day), then on the local clock of the date.
    const double mean_transit = 0.5 + place.longitude_west / 360;
    double ut_day = date - std::floor(mean_transit + utc_offset_seconds / seconds_per_day);
    astro::TMethodTimes all = times_of(ut_day);
    if (all.error[astro::prTransit] == nullptr) {
        const double shift = clock.local_date(all.time[astro::prTransit]) - date;
        if (shift != 0) all = times_of(ut_day -= shift);
    }
    const double transit =
        all.error[astro::prTransit] == nullptr ? all.time[astro::prTransit] : ut_day + mean_transit;
    TSolved s;
    for (std::size_t i = 0; i < 6; ++i) {
        double time = all.time[i];
        const char* error = all.error[i];
        if (arcs && error == nullptr) {
            // Dawn and sunrise up to 18 hours before the transit, the rest up to 18 hours after: the time of
            // this UT day or of a neighbouring one that lies there. Where the time crosses 0 h UT between two
            // days the library gives neither day's (each UT day's sunrise is the one within it): this day's
            // time moved by a day.
            const double earliest = transit - (i <= astro::prSunrise ? 0.75 : 0.25);
            const auto within = [earliest](double t) { return t >= earliest && t < earliest + 1; };
            double chosen = within(time) ? time : time + (time < earliest ? 1 : -1);
            for (const double step : {-1.0, 1.0}) {
                if (within(time)) break;
                const astro::TPrayerTimes& other = arc_days.of(ut_day + step);
                if (other.error[i] == nullptr && within(other.time[i])) chosen = other.time[i];
            }
            time = chosen;
        }
        s.error[i] = error;
        s.rule[i] = all.by_rule[i];
        if (error == nullptr) s.ut[i] = time + minutes[i] * 60 / seconds_per_day;
        if (i == astro::prSunrise) s.sunrise = time;
        if (i == astro::prSunset && arcs) s.sunset = time;
    }
    s.sunrise_error = all.error[astro::prSunrise];
    s.sun_rule = all.by_rule[astro::prSunrise];
    s.sunset_error = all.sunset_error;
    if (!arcs && s.sunset_error == nullptr) s.sunset = all.sunset;
    if (arcs) s.sunset_error = all.error[astro::prSunset];
    return s;
}

// A time to list, or its message.
struct TFound {
    double ut = 0;
    const char* error = nullptr;
    std::string message; ///< a message made here (the night's), when error is null and this is not empty
    astro::TTimeRule rule = astro::TTimeRule::sun;
};

// The night from the date's sunset to the next date's dawn or sunrise, divided at `fraction`.
TFound night_part(const TSolved& today, const TSolved* next, const TPrayerOptions& options, double fraction) {
    TFound f;
    const bool dawn = options.method.extra.night_end == TNightEnd::dawn;
    if (today.sunset_error != nullptr) {
        f.error = today.sunset_error;
        return f;
    }
    const char* end_error = next == nullptr ? "the next day has no times"
                            : dawn          ? next->error[astro::prFedjr]
                                            : next->sunrise_error;
    if (end_error != nullptr) {
        f.message =
            std::string("The middle and the last third of the night are not calculable: the night ends ") +
            (dawn ? "at dawn" : "at sunrise") + " the next day, and there: " + end_error;
        return f;
    }
    const double end = dawn ? next->ut[astro::prFedjr] : next->sunrise;
    const double length = end - today.sunset;
    if (!(length > 0 && length < 1)) {
        f.message = "The middle and the last third of the night are not calculable: the night does not end "
                    "within a day of the sunset";
        return f;
    }
    f.ut = today.sunset + fraction * length;
    const astro::TTimeRule end_rule = dawn ? next->rule[astro::prFedjr] : next->sun_rule;
    f.rule = today.sun_rule != astro::TTimeRule::sun ? today.sun_rule : end_rule;
    return f;
}

// Where each listed time comes from.
TFound find_time(TPrayer prayer, const TSolved& s, const TSolved* next, const TPrayerOptions& options,
                 bool split) {
    const auto slot = [&s](int i) { return TFound{s.ut[i], s.error[i], {}, s.rule[i]}; };
    switch (prayer) {
    case TPrayer::imsak: {
        TFound f = slot(astro::prFedjr);
        f.ut -= options.method.extra.imsak_minutes * 60 / seconds_per_day;
        return f;
    }
    case TPrayer::ghouroub:
        if (split) return TFound{s.sunset, s.sunset_error, {}, s.sun_rule};
        return slot(astro::prSunset);
    case TPrayer::maghreb:
        return slot(astro::prSunset);
    case TPrayer::midnight:
        return night_part(s, next, options, 0.5);
    case TPrayer::last_third:
        return night_part(s, next, options, 2.0 / 3);
    default:
        return slot(static_cast<int>(prayer));
    }
}

// The listed times of one local date into `day`. With the day-arc method the first failure ends the day;
// with the others every time that can be computed is listed, and each message is said once.
void list_times(TPrayerDay& day, const TSolved& s, const TSolved* next, const TPrayerOptions& options,
                const std::vector<TPrayer>& rows, const TClock& clock) {
    const bool arcs = options.method.method == TMethodId::almadex;
    const bool split = std::find(rows.begin(), rows.end(), TPrayer::maghreb) != rows.end();
    // The date-time value's day 0, 30 December 1899, was a Saturday.
    const auto days = static_cast<long long>(std::floor(day.date));
    const bool friday = options.method.extra.jumuah && ((days + 1) % 7 + 7) % 7 == 0;
    for (const TPrayer p : rows) {
        const TFound f = find_time(p, s, next, options, split);
        if (f.error != nullptr || !f.message.empty()) {
            const std::string error = f.error != nullptr ? std::string(f.error) : f.message;
            if (arcs) {
                day.error = error;
                return;
            }
            if (day.error.find(error) == std::string::npos)
                day.error += (day.error.empty() ? "" : "; ") + error;
            continue;
        }
        TPrayerTime t{p, placed(f.ut, 0, options, clock), f.rule};
        t.utc_offset_seconds = clock.offset_at(t.ut);
        t.repeated = clock.zone != nullptr && clock.zone->repeated_at(t.ut);
        t.jumuah = friday && p == TPrayer::dhohr;
        t.sunset = split && p == TPrayer::ghouroub;
        day.times.push_back(t);
    }
}

} // namespace

// The table is indexed by its prayers.
static_assert([] {
    for (std::size_t i = 0; i < prayer_names.size(); ++i)
        if (static_cast<std::size_t>(prayer_names[i].prayer) != i) return false;
    for (std::size_t i = 0; i < extra_time_names.size(); ++i)
        if (static_cast<std::size_t>(extra_time_names[i].prayer) != prayer_names.size() + i) return false;
    return true;
}());

std::string_view prayer_key(TPrayer prayer) {
    return row(prayer).key;
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

std::vector<TPrayer> listed_prayers(const TPrayerOptions& options) {
    const TExtraTimes& x = options.method.extra;
    std::vector<TPrayer> rows;
    if (x.imsak) rows.push_back(TPrayer::imsak);
    rows.push_back(TPrayer::fedjr);
    if (options.sunrise) rows.push_back(TPrayer::shourouk);
    rows.insert(rows.end(), {TPrayer::dhohr, TPrayer::asr, TPrayer::ghouroub});
    if (x.sunset || !maghrib_is_sunset(options.method)) rows.push_back(TPrayer::maghreb);
    rows.push_back(TPrayer::ishaa);
    if (x.midnight) rows.push_back(TPrayer::midnight);
    if (x.last_third) rows.push_back(TPrayer::last_third);
    return rows;
}

std::string_view time_name(const TPrayerTime& time, TPrayerNames names) {
    if (time.jumuah) {
        if (names == TPrayerNames::transliterated) return jumuah_name.arabic;
        return names == TPrayerNames::arabic_script ? jumuah_name.arabic_script : jumuah_name.english;
    }
    if (time.sunset && names == TPrayerNames::arabic_script) return sunset_arabic_script;
    return prayer_name(time.prayer, names);
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
    const std::vector<TPrayer> rows = listed_prayers(options);
    const bool nights = options.method.extra.midnight || options.method.extra.last_third;
    const astro::TDateTime first = std::floor(first_day);
    const auto offset_on = [&](astro::TDateTime date) {
        return zone ? zone->offset_on_day(date) : options.utc_offset_seconds;
    };
    const auto solve = [&](astro::TDateTime date) {
        if (zone && !zone->has_day(date)) return TSolved{true};
        return solve_date(date, offset_on(date), place, options, minutes, clock, arc_days);
    };
    for (int i = 0; i < days; ++i) {
        TPrayerDay& day = schedule.emplace_back();
        day.date = first + i;
        day.utc_offset_seconds = offset_on(day.date);
        day.skipped = zone && !zone->has_day(day.date);
    }
    // Each date solved once; the night of a date ends on the next date the clocks did not skip.
    std::vector<TSolved> solved;
    solved.reserve(schedule.size() + 2);
    for (const TPrayerDay& day : schedule) solved.push_back(solve(day.date));
    std::optional<TSolved> after;
    if (nights) {
        try {
            for (astro::TDateTime d = first + days; !after || after->skipped; ++d) after = solve(d);
        } catch (const std::exception&) {
            after.reset(); // beyond the library's years: the last night has no end
        }
    }
    for (std::size_t i = 0; i < schedule.size(); ++i) {
        if (schedule[i].skipped) continue;
        const TSolved* next = nullptr;
        for (std::size_t j = i + 1; nights && j < solved.size() && !next; ++j)
            if (!solved[j].skipped) next = &solved[j];
        if (nights && !next && after) next = &*after;
        list_times(schedule[i], solved[i], next, options, rows, clock);
    }
    return schedule;
}

const TPrayerDay* first_failed_day(const std::vector<TPrayerDay>& schedule) {
    for (const TPrayerDay& day : schedule)
        if (!day.error.empty()) return &day;
    return nullptr;
}

} // namespace almanac
