// The alerts' planning, with no clock: a timer that fires at each next alert walked across the changes of the
// clocks in Paris, reminders, the turn of the day, a sleep of hours, the clock set back, the polar day of
// Tromso and "Mute today". The local minutes of Paris agree with its published sunrise (06:36 CET on 28 March
// 2026, 07:34 CEST the day after, 08:24 CEST on 24 October).
#include "almanac/datetime_parts.h"
#include "almanac/prayer_alerts.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

using namespace almanac;

namespace {

const TPlace kParis{48.8566, -2.3522};
const TPlace kTromso{69.6492, -18.9553};

TPrayerOptions options_of(const char* zone, TMethodId method = TMethodId::mwl) {
    TPrayerOptions options;
    options.zone = zone;
    options.method.method = method;
    return options;
}

/// The instant (UT) of a local time `offset_hours` ahead of UT.
double at(int year, int month, int day, int hour, int minute, int offset_hours) {
    return datetime_from_parts(year, month, day, hour, minute) - offset_hours / 24.0;
}

/// "2026-03-29 dhohr 13:55", "... reminder 13:45" of an alert, in the local time of its prayer's day.
std::string text(const TAlert& alert) {
    const TDateTimeParts p = datetime_parts(alert.ut, alert.utc_offset_seconds);
    char buf[64];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d %s %s%02d:%02d", p.year, p.month, p.day,
                  std::string(prayer_key(alert.prayer)).c_str(),
                  alert.kind == TAlertKind::reminder ? "reminder " : "", p.hour, p.minute);
    return buf;
}

std::vector<std::string> texts(const std::vector<TAlert>& alerts) {
    std::vector<std::string> out;
    for (const TAlert& a : alerts) out.push_back(text(a));
    return out;
}

/// The alerts given by a timer that fires at each next alert, from `from` until `to`.
std::vector<std::string> walk(const TPlace& place, const TPrayerOptions& options,
                              const TAlertSettings& alerts, double from, double to) {
    std::vector<std::string> fired;
    double handled = from, now = from;
    for (int step = 0; step < 200; ++step) {
        const TAlertPlan plan = plan_alerts(place, options, alerts, handled, now);
        EXPECT_TRUE(plan.missed.empty()) << "a timer on time misses nothing";
        for (const std::string& t : texts(plan.due)) fired.push_back(t);
        if (!plan.next || plan.next->ut > to) break;
        handled = now;
        now = plan.next->ut;
    }
    return fired;
}

TEST(PrayerAlerts, EachAlertOnceAtItsLocalMinuteAcrossTheChangesOfTheClocks) {
    struct Row {
        const char* title;
        double from, to;
        int reminder_dhohr;
        std::vector<std::string> expected;
    };
    const Row rows[] = {
        {"spring forward (29 March 2026)",
         at(2026, 3, 28, 0, 0, 1),
         at(2026, 3, 31, 0, 0, 2),
         0,
         {"2026-03-28 fedjr 04:47", "2026-03-28 dhohr 12:55", "2026-03-28 asr 16:25",
          "2026-03-28 ghouroub 19:15", "2026-03-28 ishaa 20:58", "2026-03-29 fedjr 05:45",
          "2026-03-29 dhohr 13:55", "2026-03-29 asr 17:26", "2026-03-29 ghouroub 20:16",
          "2026-03-29 ishaa 21:59", "2026-03-30 fedjr 05:42", "2026-03-30 dhohr 13:55",
          "2026-03-30 asr 17:26", "2026-03-30 ghouroub 20:18", "2026-03-30 ishaa 22:01"}},
        {"fall back (25 October 2026), a reminder 10 minutes before Dhohr",
         at(2026, 10, 24, 0, 0, 2),
         at(2026, 10, 27, 0, 0, 1),
         10,
         {"2026-10-24 fedjr 06:38", "2026-10-24 dhohr reminder 13:24", "2026-10-24 dhohr 13:34",
          "2026-10-24 asr 16:14", "2026-10-24 ghouroub 18:44", "2026-10-24 ishaa 20:23",
          "2026-10-25 fedjr 05:40", "2026-10-25 dhohr reminder 12:24", "2026-10-25 dhohr 12:34",
          "2026-10-25 asr 15:13", "2026-10-25 ghouroub 17:42", "2026-10-25 ishaa 19:21",
          "2026-10-26 fedjr 05:41", "2026-10-26 dhohr reminder 12:24", "2026-10-26 dhohr 12:34",
          "2026-10-26 asr 15:11", "2026-10-26 ghouroub 17:40", "2026-10-26 ishaa 19:20"}},
    };
    for (const Row& r : rows) {
        TAlertSettings alerts;
        alerts.reminder_minutes[static_cast<std::size_t>(TPrayer::dhohr)] = r.reminder_dhohr;
        const std::vector<std::string> fired = walk(kParis, options_of("Europe/Paris"), alerts, r.from, r.to);
        EXPECT_EQ(fired, r.expected) << r.title;
        EXPECT_EQ(std::set<std::string>(fired.begin(), fired.end()).size(), fired.size()) << r.title;
    }
}

TEST(PrayerAlerts, WhatIsDueMissedAndNextAfterTheTimerOrASleep) {
    const TPrayerOptions paris = options_of("Europe/Paris");
    struct Row {
        const char* title;
        double handled, now;
        std::vector<std::string> due, missed;
        std::string next;
    };
    const Row rows[] = {
        {"the turn of the day, into summer time",
         at(2026, 3, 28, 23, 0, 1),
         at(2026, 3, 28, 23, 30, 1),
         {},
         {},
         "2026-03-29 fedjr 05:45"},
        {"the turn of the day, out of summer time",
         at(2026, 10, 24, 23, 59, 2),
         at(2026, 10, 24, 23, 59, 2),
         {},
         {},
         "2026-10-25 fedjr 05:40"},
        {"the turn of the year",
         at(2026, 12, 31, 23, 0, 1),
         at(2027, 1, 1, 0, 30, 1),
         {},
         {},
         "2027-01-01 fedjr 06:48"},
        {"six hours asleep: nothing stale",
         at(2026, 3, 28, 10, 0, 1),
         at(2026, 3, 28, 16, 0, 1),
         {},
         {"2026-03-28 dhohr 12:55"},
         "2026-03-28 asr 16:25"},
        {"woken a minute after Asr: it is given",
         at(2026, 3, 28, 11, 0, 1),
         at(2026, 3, 28, 16, 26, 1),
         {"2026-03-28 asr 16:25"},
         {"2026-03-28 dhohr 12:55"},
         "2026-03-28 ghouroub 19:15"},
        {"woken three minutes after Asr: too late",
         at(2026, 3, 28, 11, 0, 1),
         at(2026, 3, 28, 16, 28, 1),
         {},
         {"2026-03-28 dhohr 12:55", "2026-03-28 asr 16:25"},
         "2026-03-28 ghouroub 19:15"},
        {"the clock set back: nothing twice",
         at(2026, 3, 28, 17, 0, 1),
         at(2026, 3, 28, 12, 0, 1),
         {},
         {},
         "2026-03-28 ghouroub 19:15"},
        {"days asleep: only the last day looked at",
         at(2026, 3, 20, 12, 0, 1),
         at(2026, 3, 28, 5, 0, 1),
         {},
         {"2026-03-27 dhohr 12:55", "2026-03-27 asr 16:24", "2026-03-27 ghouroub 19:13",
          "2026-03-27 ishaa 20:56", "2026-03-28 fedjr 04:47"},
         "2026-03-28 dhohr 12:55"},
    };
    for (const Row& r : rows) {
        const TAlertPlan plan = plan_alerts(kParis, paris, TAlertSettings{}, r.handled, r.now);
        EXPECT_EQ(texts(plan.due), r.due) << r.title;
        EXPECT_EQ(texts(plan.missed), r.missed) << r.title;
        ASSERT_TRUE(plan.next) << r.title;
        EXPECT_EQ(text(*plan.next), r.next) << r.title;
        EXPECT_TRUE(plan.skipped.empty()) << r.title;
    }
}

TEST(PrayerAlerts, ModesAndRemindersChooseTheAlerts) {
    const TPrayerOptions paris = options_of("Europe/Paris");
    TAlertSettings alerts;
    alerts.modes.fill(TAlertMode::off);
    alerts.modes[static_cast<std::size_t>(TPrayer::shourouk)] = TAlertMode::sound;
    alerts.modes[static_cast<std::size_t>(TPrayer::ishaa)] = TAlertMode::notification;
    alerts.reminder_minutes[static_cast<std::size_t>(TPrayer::shourouk)] = 60;
    alerts.reminder_minutes[static_cast<std::size_t>(TPrayer::ishaa)] = 500; // read as the longest, an hour
    TPrayerOptions without_sunrise = paris;
    without_sunrise.sunrise = false; // the schedule's row, not the alert
    EXPECT_EQ(walk(kParis, without_sunrise, alerts, at(2026, 3, 28, 0, 0, 1), at(2026, 3, 29, 0, 0, 1)),
              (std::vector<std::string>{"2026-03-28 shourouk reminder 05:36", "2026-03-28 shourouk 06:36",
                                        "2026-03-28 ishaa reminder 19:58", "2026-03-28 ishaa 20:58"}));
    const TAlertPlan plan =
        plan_alerts(kParis, paris, alerts, at(2026, 3, 28, 5, 0, 1), at(2026, 3, 28, 5, 0, 1));
    ASSERT_TRUE(plan.next);
    EXPECT_EQ(plan.next->mode, TAlertMode::sound);
    alerts.modes.fill(TAlertMode::off);
    EXPECT_FALSE(plan_alerts(kParis, paris, alerts, at(2026, 3, 28, 5, 0, 1), at(2026, 3, 28, 5, 0, 1)).next);
}

TEST(PrayerAlerts, PolarDayWithoutARuleSkipsAndNamesTheAlertsItLacks) {
    TPrayerOptions tromso = options_of("Europe/Oslo");
    tromso.method.high_latitude = THighLatitudeChoice::none;
    const double now = at(2026, 6, 21, 6, 0, 2);
    const TAlertPlan plan = plan_alerts(kTromso, tromso, TAlertSettings{}, now, now);
    ASSERT_TRUE(plan.next);
    EXPECT_EQ(text(*plan.next), "2026-06-21 dhohr 12:45");
    std::vector<std::string> skipped;
    for (const TSkippedAlert& s : plan.skipped) {
        skipped.push_back(iso_date(date_parts(s.date)) + " " + std::string(prayer_key(s.prayer)));
        EXPECT_NE(s.reason.find("No rises or sets calculable"), std::string::npos) << s.reason;
    }
    EXPECT_EQ(skipped,
              (std::vector<std::string>{"2026-06-21 fedjr", "2026-06-21 ghouroub", "2026-06-21 ishaa",
                                        "2026-06-22 fedjr", "2026-06-22 ghouroub", "2026-06-22 ishaa"}));
}

TEST(PrayerAlerts, MuteTodayEndsAtTheZonesMidnight) {
    struct Row {
        const char* zone;
        double now, end;
    };
    const Row rows[] = {
        {"Europe/Paris", at(2026, 3, 28, 15, 0, 1), at(2026, 3, 29, 0, 0, 1)}, // a day of 23 hours follows
        {"Europe/Paris", at(2026, 3, 29, 15, 0, 2),
         at(2026, 3, 30, 0, 0, 2)}, // its afternoon, in summer time
        {"Europe/Paris", at(2026, 10, 24, 15, 0, 2), at(2026, 10, 25, 0, 0, 2)}, // before the day of 25 hours
        {"Europe/Paris", at(2026, 10, 25, 1, 0, 2), at(2026, 10, 26, 0, 0, 1)},  // in it: ends in winter time
        {"America/Sao_Paulo", at(2026, 6, 1, 23, 59, -3), at(2026, 6, 2, 0, 0, -3)},
        {"", at(2026, 6, 1, 0, 30, 0), at(2026, 6, 2, 0, 0, 0)}, // the fixed offset
    };
    for (const Row& r : rows) {
        TPrayerOptions options = options_of(r.zone);
        EXPECT_NEAR(end_of_local_day(options, r.now), r.end, 1e-9) << r.zone;
    }

    const TPrayerOptions paris = options_of("Europe/Paris");
    TAlertSettings muted;
    muted.muted_until = end_of_local_day(paris, at(2026, 3, 28, 15, 0, 1));
    EXPECT_EQ(walk(kParis, paris, muted, at(2026, 3, 28, 15, 0, 1), at(2026, 3, 29, 14, 0, 2)),
              (std::vector<std::string>{"2026-03-29 fedjr 05:45", "2026-03-29 dhohr 13:55"}));
}

TEST(PrayerAlerts, NextPrayerAndTimeLeft) {
    TPrayerOptions paris = options_of("Europe/Paris");
    struct Row {
        bool sunrise;
        double now;
        const char* next;
    };
    const Row rows[] = {
        {true, at(2026, 3, 28, 5, 0, 1), "2026-03-28 shourouk 06:36"},
        {false, at(2026, 3, 28, 5, 0, 1), "2026-03-28 dhohr 12:55"},
        {true, at(2026, 3, 28, 21, 0, 1), "2026-03-29 fedjr 05:45"},
    };
    for (const Row& r : rows) {
        paris.sunrise = r.sunrise;
        const auto next = next_prayer(kParis, paris, r.now);
        ASSERT_TRUE(next);
        EXPECT_EQ(text({next->time.prayer, TAlertKind::at_time, next->time.ut, next->time.ut,
                        next->utc_offset_seconds, TAlertMode::off}),
                  r.next);
    }

    struct Left {
        double minutes;
        const char* text;
    };
    const Left lefts[] = {{64.5, "1 h 05 min"}, {64, "1 h 04 min"}, {0.2, "1 min"}, {0, "0 min"},
                          {-3, "0 min"},        {60, "1 h 00 min"}, {59, "59 min"}, {1501, "25 h 01 min"}};
    for (const Left& l : lefts) EXPECT_EQ(time_left_text(100, 100 + l.minutes / 1440), l.text) << l.minutes;
}

// The alerts are the prayers': the extra times chosen for the lists alert for nothing, and where Maghrib has
// a row of its own after the sunset it is the fifth prayer's alert, at Maghrib's time (Algeria: 3 minutes
// after sunset), for the alerts and for the next prayer.
TEST(PrayerAlerts, MaghribAlertsAtItsOwnTimeAndTheExtraTimesNever) {
    const TPlace algiers{36.7538, -3.0588};
    TPrayerOptions options = options_of("Africa/Algiers", TMethodId::algeria);
    options.method.extra = {true, 10, true, true, true, true, TNightEnd::dawn};
    const TAlertSettings all{{TAlertMode::notification, TAlertMode::notification, TAlertMode::notification,
                              TAlertMode::notification, TAlertMode::notification, TAlertMode::notification}};
    const double from = at(2026, 6, 18, 0, 0, 1), to = at(2026, 6, 18, 23, 59, 1);
    const std::vector<std::string> fired = walk(algiers, options, all, from, to);
    ASSERT_EQ(fired.size(), 6u);
    const TPrayerDay day = prayer_schedule(algiers, datetime_from_parts(2026, 6, 18), 1, options)[0];
    double sunset = 0, maghrib = 0;
    for (const TPrayerTime& t : day.times) {
        if (t.prayer == TPrayer::ghouroub) sunset = t.ut;
        if (t.prayer == TPrayer::maghreb) maghrib = t.ut;
    }
    ASSERT_NEAR((maghrib - sunset) * 1440, 3, 1e-6);
    const TDateTimeParts m = datetime_parts(maghrib, 3600);
    char expected[64];
    std::snprintf(expected, sizeof expected, "2026-06-18 ghouroub %02d:%02d", m.hour, m.minute);
    EXPECT_EQ(fired[4], expected);
    const auto next = next_prayer(algiers, options, sunset + 1.0 / 1440);
    ASSERT_TRUE(next.has_value());
    EXPECT_EQ(next->time.ut, maghrib);
    EXPECT_EQ(next->time.prayer, TPrayer::ghouroub);
}

} // namespace
