// The alerts of the prayer times: which prayer alerts next, how and when (a reminder some minutes before,
// then at the time), what is due at an instant, what was slept through, and which alerts a day cannot have (a
// prayer that cannot be computed there). No clock of its own: every instant is given, in universal time.
#pragma once

#include "almanac/prayer_methods.h"
#include "almanac/prayer_schedule.h"
#include "astro/types.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace almanac {

/// How a prayer alerts.
enum class TAlertMode : std::uint8_t { off, notification, sound };
inline constexpr std::array<TChoiceName, 3> alert_mode_names{{
    {"off", "Off"},
    {"notification", "Notification"},
    {"sound", "Notification and sound"},
}};

/// The longest reminder before a prayer, minutes.
inline constexpr int max_reminder_minutes = 60;
/// An alert later than this (the machine slept through it) is passed over, days (two minutes).
inline constexpr double alert_grace_days = 2.0 / 1440;

/// The user's alerts, by prayer in the order of TPrayer.
struct TAlertSettings {
    /// The five prayers alert with a notification, the sunrise does not.
    std::array<TAlertMode, 6> modes{TAlertMode::notification, TAlertMode::off,
                                    TAlertMode::notification, TAlertMode::notification,
                                    TAlertMode::notification, TAlertMode::notification};
    /// Minutes before the time, 0 (none) .. max_reminder_minutes.
    std::array<int, 6> reminder_minutes{};
    /// No alert sounds before this instant (UT; 0: none): "Mute today" sets the end of the zone's day.
    astro::TDateTime muted_until = 0;
    friend bool operator==(const TAlertSettings&, const TAlertSettings&) = default;
};

enum class TAlertKind : std::uint8_t { reminder, at_time };

struct TAlert {
    TPrayer prayer = TPrayer::fedjr;
    TAlertKind kind = TAlertKind::at_time;
    astro::TDateTime ut = 0;             ///< when it fires
    astro::TDateTime prayer_ut = 0;      ///< the prayer's time
    std::int32_t utc_offset_seconds = 0; ///< of local time at the prayer's instant
    TAlertMode mode = TAlertMode::notification;
    friend bool operator==(const TAlert&, const TAlert&) = default;
};

/// A prayer that alerts but that a day lacks: it cannot be computed there.
struct TSkippedAlert {
    astro::TDateTime date = 0; ///< 00:00 of the local day
    TPrayer prayer = TPrayer::fedjr;
    std::string reason; ///< the day's message ("Fedjr is not calculable")
};

struct TAlertPlan {
    std::vector<TAlert> due;    ///< to fire now, in time order: at most alert_grace_days late
    std::vector<TAlert> missed; ///< later than that: passed over, in time order
    std::optional<TAlert> next; ///< the first alert after the instants handled and now
    /// The alerting prayers that the days from that of `now` to that of the next alert lack (at least two
    /// days), in order.
    std::vector<TSkippedAlert> skipped;
};

/// The alerts of (handled, now]: those at most alert_grace_days before `now` are due, earlier ones missed;
/// and the next alert after both instants, so that an alert is never given twice, also when the clock went
/// back. A muted alert is neither due, missed nor next. Instants in UT; looks up to eight days ahead, and
/// back no further than a day before `now`. Raises std::invalid_argument for an unknown zone or a choice
/// outside its bounds.
TAlertPlan plan_alerts(const TPlace& place, const TPrayerOptions& options, const TAlertSettings& alerts,
                       astro::TDateTime handled, astro::TDateTime now);

/// The next prayer time after `now` (UT) among those the options list, with its instant's offset; nothing
/// when none can be computed in the next eight days.
struct TNextPrayer {
    TPrayerTime time;
    std::int32_t utc_offset_seconds = 0;
};
std::optional<TNextPrayer> next_prayer(const TPlace& place, const TPrayerOptions& options,
                                       astro::TDateTime now);

/// The local day (00:00 as a date-time value) of the instant `ut` in the options' zone or fixed offset.
astro::TDateTime local_day(const TPrayerOptions& options, astro::TDateTime ut);
/// The instant (UT) at which the local day of `ut` ends: the next midnight of the zone.
astro::TDateTime end_of_local_day(const TPrayerOptions& options, astro::TDateTime ut);

/// The time left until `later` from `now` in whole minutes, rounded up (so that it reads 0 only at the
/// time): "1 h 04 min", "12 min", "0 min".
std::string time_left_text(astro::TDateTime now, astro::TDateTime later);

} // namespace almanac
