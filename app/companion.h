// The prayer companion, part of the application core and alive without any window: it plans the alerts of the
// prayer place with one timer to the next event (at most a minute away, so that a change of the wall clock
// against the monotonic clock, of the zone's offset or of the day is seen within a minute), gives each alert
// once (a notification over D-Bus, else the tray's message, with the chime or the user's sound), passes over
// those more than two minutes late, and shows the next prayer in the tray: its tooltip, its menu of today's
// times with Open Almadex, Mute today, Alerts... and Quit.
#pragma once

#include "almanac/prayer_alerts.h"
#include "app/alert_settings.h"

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>
#include <memory>
#include <optional>

class QMenu;
class QSystemTrayIcon;
class QWidget;

namespace almadex {

class TAppCore;
class TAlertSound;
class TNotifier;

class TCompanion : public QObject {
    Q_OBJECT

public:
    explicit TCompanion(TAppCore& core);
    ~TCompanion() override;

    /// Starts planning from now (alerts of the past are not given) and shows the tray icon when the desktop
    /// has a tray. The program then ends only by Quit or by closing the converter when it does not keep
    /// running in the tray.
    void start();
    bool started() const { return started_; }

    /// What the timer does: reads the clock, gives the alerts due, plans again when needed and arms the
    /// timer for the next event. Tests call it after moving the core's clock.
    void check_now();
    /// The interval the timer was last armed with, milliseconds.
    int timer_interval() const { return timer_.interval(); }

    // --- the alerts ---
    const TAlertChoice& alert_choice() const { return alert_choice_; }
    /// Stores the alerts in the settings and plans again.
    void set_alert_choice(const TAlertChoice& choice);
    /// No alert until the zone's next midnight (or alerts again when `muted` is false).
    void set_muted_today(bool muted);
    bool muted_today() const;
    /// The last plan: its next alert and the alerts the coming days lack.
    const almanac::TAlertPlan& plan() const { return plan_; }
    /// Why nothing could be planned ("" when the plan stands).
    const QString& plan_error() const { return plan_error_; }
    /// "El Asr 15:12 - in 1 h 04 min", as the tray's tooltip shows it.
    QString next_prayer_text() const;
    /// Shows the Alerts dialog over `parent`; its choice is stored when accepted.
    void show_alerts_dialog(QWidget* parent);
    TAlertSound& sound() { return *sound_; }

    // --- the tray ---
    /// The tray icon when the desktop has a tray, else null.
    QSystemTrayIcon* tray() const { return tray_.get(); }
    /// Closing the converter keeps the program in the tray: a tray is shown, the option is on, and Quit was
    /// not chosen.
    bool keeps_running() const;
    bool keep_running_option() const { return tray_choice_.keep_running; }
    void set_keep_running_option(bool keep);
    /// The converter was closed and the program stays in the tray: said the first time only.
    void closed_to_tray();
    /// Ends the program: the converter closes (storing its settings) and the event loop ends.
    void quit();

signals:
    /// An alert was given (after its notification was sent).
    void alert_given(const almanac::TAlert& alert, const QString& summary, const QString& body);
    /// The alerts or the mute changed.
    void alerts_changed();

private:
    double now_ut() const;
    void check();
    /// Plans from the alerts handled to `now`, giving those due.
    void replan(double now);
    void give(const almanac::TAlert& alert);
    void update_tray();
    void fill_menu();
    void arm_timer(double now);
    void make_tray();
    QString prayer_name(almanac::TPrayer prayer) const;
    QString place_text() const;

    TAppCore& core_;
    bool started_ = false;
    bool quitting_ = false;
    QTimer timer_;
    QElapsedTimer monotonic_;
    double wall_at_mark_ = 0; ///< the wall clock (UT) when monotonic_ was started
    double handled_ = 0;      ///< alerts up to this instant (UT) were given or passed over
    double local_day_ = 0;    ///< the zone's day of the last check
    std::int32_t offset_ = 0; ///< the zone's offset at the last check
    bool dirty_ = true;       ///< the place or the alerts changed since the last plan
    almanac::TAlertPlan plan_;
    QString plan_error_;
    std::optional<almanac::TNextPrayer> next_prayer_;
    TAlertChoice alert_choice_;
    TTrayChoice tray_choice_;
    QString sound_said_; ///< the unreadable sound file already said
    std::unique_ptr<TNotifier> notifier_;
    std::unique_ptr<TAlertSound> sound_;
    std::unique_ptr<QMenu> menu_;
    std::unique_ptr<QSystemTrayIcon> tray_;
};

} // namespace almadex
