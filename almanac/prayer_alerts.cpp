#include "almanac/prayer_alerts.h"

#include "almanac/time_zone.h"

#include <algorithm>
#include <cmath>

namespace almanac {
namespace {

constexpr double seconds_per_day = 86400;
/// How far ahead the next alert or prayer is looked for, days.
constexpr int days_ahead = 8;

std::int32_t offset_at(const TPrayerOptions& options, astro::TDateTime ut) {
    if (options.zone.empty()) return options.utc_offset_seconds;
    return TTimeZone(options.zone).offset_at(ut);
}

std::size_t at(TPrayer prayer) {
    return static_cast<std::size_t>(prayer);
}

/// The options of the six prayers: no extra time, the sunset and Maghrib as the method has them.
TPrayerOptions six_prayers(TPrayerOptions options) {
    options.method.extra = {};
    return options;
}

/// The schedule of the six prayers: where Maghrib has a row of its own after the sunset, it is the fifth
/// prayer, in the sunset's place.
std::vector<TPrayerDay> prayer_days(const TPlace& place, astro::TDateTime first, int count,
                                    const TPrayerOptions& options) {
    std::vector<TPrayerDay> days = prayer_schedule(place, first, count, six_prayers(options));
    const auto is = [](TPrayer prayer) {
        return [prayer](const TPrayerTime& t) { return t.prayer == prayer; };
    };
    if (maghrib_is_sunset(options.method)) return days;
    for (TPrayerDay& day : days) {
        std::erase_if(day.times, is(TPrayer::ghouroub));
        for (TPrayerTime& t : day.times)
            if (t.prayer == TPrayer::maghreb) t.prayer = TPrayer::ghouroub;
    }
    return days;
}

/// The alerts of `days`, in time order, without the muted ones.
std::vector<TAlert> alerts_of(const std::vector<TPrayerDay>& days, const TAlertSettings& settings) {
    std::vector<TAlert> alerts;
    for (const TPrayerDay& day : days)
        for (const TPrayerTime& time : day.times) {
            const TAlertMode mode = settings.modes[at(time.prayer)];
            if (mode == TAlertMode::off) continue;
            const int before =
                std::clamp(settings.reminder_minutes[at(time.prayer)], 0, max_reminder_minutes);
            TAlert alert{time.prayer, TAlertKind::at_time, time.ut, time.ut, time.utc_offset_seconds, mode};
            if (before > 0) {
                TAlert reminder = alert;
                reminder.kind = TAlertKind::reminder;
                reminder.ut = time.ut - before / 1440.0;
                if (reminder.ut >= settings.muted_until) alerts.push_back(reminder);
            }
            if (alert.ut >= settings.muted_until) alerts.push_back(alert);
        }
    std::stable_sort(alerts.begin(), alerts.end(),
                     [](const TAlert& a, const TAlert& b) { return a.ut < b.ut; });
    return alerts;
}

} // namespace

astro::TDateTime local_day(const TPrayerOptions& options, astro::TDateTime ut) {
    return std::floor(ut + offset_at(options, ut) / seconds_per_day);
}

astro::TDateTime end_of_local_day(const TPrayerOptions& options, astro::TDateTime ut) {
    const astro::TDateTime midnight = local_day(options, ut) + 1;
    // The offset in force at the midnight itself, which a change of the clocks that night may differ from.
    astro::TDateTime end = midnight - offset_at(options, ut) / seconds_per_day;
    end = midnight - offset_at(options, end) / seconds_per_day;
    return end;
}

TAlertPlan plan_alerts(const TPlace& place, const TPrayerOptions& options, const TAlertSettings& settings,
                       astro::TDateTime handled, astro::TDateTime now) {
    TPrayerOptions all = options;
    all.sunrise = true; // the sunrise may alert even where the schedule leaves it out
    const astro::TDateTime start = std::max(handled, now - 1);
    const astro::TDateTime latest = std::max(handled, now);
    const astro::TDateTime first_day = local_day(all, start) - 1;
    const astro::TDateTime today = local_day(all, now);

    TAlertPlan plan;
    std::vector<TPrayerDay> days;
    for (int ahead : {2, days_ahead}) {
        const int count = static_cast<int>(local_day(all, latest) - first_day) + 1 + ahead;
        days = prayer_days(place, first_day, count, all);
        plan = {};
        for (const TAlert& alert : alerts_of(days, settings)) {
            if (alert.ut > latest) {
                plan.next = alert;
                break;
            }
            if (alert.ut <= start || alert.ut > now) continue;
            (now - alert.ut <= alert_grace_days ? plan.due : plan.missed).push_back(alert);
        }
        if (plan.next) break;
    }

    const astro::TDateTime last_day =
        std::max(today + 1, plan.next ? local_day(all, plan.next->prayer_ut) : 0.0);
    for (const TPrayerDay& day : days) {
        if (day.date < today || day.date > last_day || day.skipped) continue; // a date the clocks skipped
        for (const TPrayerName& name : prayer_names) {
            if (settings.modes[at(name.prayer)] == TAlertMode::off) continue;
            const bool has = std::any_of(day.times.begin(), day.times.end(),
                                         [&](const TPrayerTime& t) { return t.prayer == name.prayer; });
            if (!has) plan.skipped.push_back({day.date, name.prayer, day.error});
        }
    }
    return plan;
}

std::optional<TNextPrayer> next_prayer(const TPlace& place, const TPrayerOptions& options,
                                       astro::TDateTime now) {
    const astro::TDateTime first = local_day(options, now) - 1;
    for (const TPrayerDay& day : prayer_days(place, first, days_ahead + 2, options))
        for (const TPrayerTime& time : day.times)
            if (time.ut > now) return TNextPrayer{time, time.utc_offset_seconds};
    return std::nullopt;
}

std::string time_left_text(astro::TDateTime now, astro::TDateTime later) {
    const double minutes = std::ceil((later - now) * 1440 - 1e-6);
    const long long m = minutes > 0 ? static_cast<long long>(minutes) : 0;
    if (m < 60) return std::to_string(m) + " min";
    const long long rest = m % 60;
    return std::to_string(m / 60) + " h " + (rest < 10 ? "0" : "") + std::to_string(rest) + " min";
}

} // namespace almanac
