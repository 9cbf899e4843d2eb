#include "app/companion.h"

#include "almanac/datetime_parts.h"
#include "almanac/time_zone.h"
#include "app/alert_sound.h"
#include "app/alerts_dialog.h"
#include "app/core.h"
#include "app/guard.h"
#include "app/notifier.h"
#include "app/product.h"
#include "app/schedule.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QMenu>
#include <QSettings>
#include <QSystemTrayIcon>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <exception>

namespace almadex {
namespace {

constexpr double ms_per_day = 86400000.0;
/// A wall clock that moved this much more or less than the monotonic clock was set or slept, days.
constexpr double clock_jump_days = 5.0 / 86400;
/// The longest the timer sleeps, milliseconds: changes of the clock are seen within it.
constexpr int longest_sleep_ms = 60000;

QString qstring(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

/// "15:12" of an instant in the local time of its day.
QString minute_text(double ut, std::int32_t offset) {
    const almanac::TDateTimeParts p = almanac::datetime_parts(ut, offset);
    return QStringLiteral("%1:%2").arg(p.hour, 2, 10, QChar(u'0')).arg(p.minute, 2, 10, QChar(u'0'));
}

/// The time left as the tray says it, in whole minutes rounded up.
QString left_text(double now, double later) {
    const double minutes = std::ceil((later - now) * 1440 - 1e-6);
    const long long m = minutes > 0 ? static_cast<long long>(minutes) : 0;
    if (m < 60) return TCompanion::tr("%1 min").arg(m);
    return TCompanion::tr("%1 h %2 min").arg(m / 60).arg(m % 60, 2, 10, QChar(u'0'));
}

} // namespace

TCompanion::TCompanion(TAppCore& core)
    : core_(core), notifier_(std::make_unique<TNotifier>()), sound_(std::make_unique<TAlertSound>()) {
    alert_choice_ = read_alert_choice(core_.settings());
    tray_choice_ = read_tray_choice(core_.settings());
    timer_.setSingleShot(true);
    // On time, not early: a coarse timer firing before the minute would wake the program twice a minute.
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setObjectName(QStringLiteral("companion_timer"));
    connect(&timer_, &QTimer::timeout, this, &TCompanion::check_now);
    connect(notifier_.get(), &TNotifier::stop_requested, sound_.get(), &TAlertSound::stop);
    const auto changed = [this] {
        dirty_ = true;
        if (started_) check_now();
    };
    connect(&core_, &TAppCore::place_changed, this, changed);
    connect(&core_, &TAppCore::islamic_choice_changed, this, changed);
}

TCompanion::~TCompanion() = default;

void TCompanion::start() {
    if (started_) return;
    started_ = true;
    // The converter's close decides when the program ends (closeEvent), not the last window closed.
    QApplication::setQuitOnLastWindowClosed(false);
    const double now = now_ut();
    handled_ = now;
    make_tray();
    check_now();
}

double TCompanion::now_ut() const {
    return almanac::from_unix_milliseconds(static_cast<double>(core_.seams().clock().toMSecsSinceEpoch()));
}

void TCompanion::check_now() {
    try {
        check();
    } catch (const std::exception& e) {
        // Nothing may cross the event loop: the tooltip says what failed and the timer tries again.
        plan_error_ = QString::fromUtf8(e.what());
        timer_.start(longest_sleep_ms);
    } catch (...) {
        plan_error_ = tr("The prayer times cannot be planned");
        timer_.start(longest_sleep_ms);
    }
}

void TCompanion::check() {
    const double now = now_ut();
    // The wall clock against the monotonic clock: a suspend, a resume or the user setting the clock.
    const double expected =
        wall_at_mark_ + static_cast<double>(monotonic_.isValid() ? monotonic_.elapsed() : 0) / ms_per_day;
    bool again = dirty_ || !monotonic_.isValid() || std::fabs(now - expected) > clock_jump_days;
    wall_at_mark_ = now;
    monotonic_.start();
    try {
        const almanac::TPrayerOptions options = core_.prayer_options();
        const std::int32_t offset = options.zone.empty() ? options.utc_offset_seconds
                                                         : almanac::TTimeZone(options.zone).offset_at(now);
        const double day = almanac::local_day(options, now);
        again = again || offset != offset_ || day != local_day_ || (plan_.next && now >= plan_.next->ut) ||
                (next_prayer_ && now >= next_prayer_->time.ut);
        offset_ = offset;
        local_day_ = day;
    } catch (const std::exception& e) {
        plan_error_ = QString::fromUtf8(e.what());
        again = true;
    }
    if (again) replan(now);
    if (tray_)
        update_tray();
    else
        make_tray(); // a tray that came up after the start
    arm_timer(now);
}

void TCompanion::replan(double now) {
    dirty_ = false;
    try {
        const almanac::TPlace place = core_.prayer_place();
        const almanac::TPrayerOptions options = core_.prayer_options();
        plan_ = almanac::plan_alerts(place, options, alert_choice_.alerts, handled_, now);
        next_prayer_ = almanac::next_prayer(place, options, now);
        plan_error_.clear();
    } catch (const std::exception& e) {
        plan_ = {};
        next_prayer_.reset();
        plan_error_ = QString::fromUtf8(e.what());
    }
    handled_ = std::max(handled_, now);
    for (const almanac::TAlert& alert : plan_.due) give(alert);
}

void TCompanion::arm_timer(double now) {
    double wait_ms = longest_sleep_ms;
    if (plan_.next) wait_ms = std::min(wait_ms, (plan_.next->ut - now) * ms_per_day + 20);
    // The tooltip changes on the minute.
    if (tray_) {
        const double into_minute = std::fmod(now * 1440, 1.0) * 60000;
        wait_ms = std::min(wait_ms, 60000 - into_minute + 20);
    }
    const int interval = static_cast<int>(std::clamp(std::ceil(wait_ms), 20.0, double(longest_sleep_ms)));
    timer_.start(interval);
}

QString TCompanion::prayer_name(almanac::TPrayer prayer) const {
    return prayer_title(prayer, core_.prayer_choice().names);
}

QString TCompanion::place_text() const {
    const almanac::TLocationFile& l = core_.prayer_choice().location;
    const QString latitude = QStringLiteral("%1\u00b0%2'%3")
                                 .arg(l.latitude_degrees)
                                 .arg(l.latitude_minutes, 2, 10, QChar(u'0'))
                                 .arg(l.equat == 0 ? tr("N") : tr("S"));
    const QString longitude = QStringLiteral("%1\u00b0%2'%3")
                                  .arg(l.longitude_degrees)
                                  .arg(l.longitude_minutes, 2, 10, QChar(u'0'))
                                  .arg(l.green == 0 ? tr("W") : tr("E"));
    QString method;
    try {
        method = qstring(almanac::method_title(core_.prayer_options().method));
    } catch (const std::exception&) {
    }
    return tr("%1 %2 - %3").arg(latitude, longitude, method);
}

void TCompanion::give(const almanac::TAlert& alert) {
    const QString name = prayer_name(alert.prayer);
    const QString time = minute_text(alert.prayer_ut, alert.utc_offset_seconds);
    const QString summary = alert.kind == almanac::TAlertKind::reminder
                                ? tr("%1 %2 - in %3").arg(name, time, left_text(alert.ut, alert.prayer_ut))
                                : tr("%1 %2").arg(name, time);
    QString body = place_text();
    const bool with_sound = alert.mode == almanac::TAlertMode::sound;
    if (with_sound) {
        const QString& chosen = alert.prayer == almanac::TPrayer::fedjr && !alert_choice_.fajr_sound.isEmpty()
                                    ? alert_choice_.fajr_sound
                                    : alert_choice_.sound;
        if (!chosen.isEmpty() && !TAlertSound::readable(chosen) && sound_said_ != chosen) {
            sound_said_ = chosen;
            body += u'\n' + tr("The sound file %1 cannot be read: the chime plays instead.").arg(chosen);
        }
        sound_->play(chosen, alert_choice_.volume);
    }
    if (!alert_choice_.first_alert_told) {
        alert_choice_.first_alert_told = true;
        write_alert_choice(core_.settings(), alert_choice_);
        body += u'\n' + tr("To change the alerts: Alerts... in the tray's menu or in the prayer window.");
    }
    notifier_->notify(summary, body, with_sound, [this, summary, body] {
        if (tray_) tray_->showMessage(summary, body, QSystemTrayIcon::Information);
    });
    emit alert_given(alert, summary, body);
}

QString TCompanion::next_prayer_text() const {
    if (!next_prayer_) return plan_error_.isEmpty() ? tr("No prayer time in the next days") : plan_error_;
    const almanac::TPrayerTime& t = next_prayer_->time;
    return tr("%1 %2 - in %3")
        .arg(prayer_name(t.prayer), minute_text(t.ut, next_prayer_->utc_offset_seconds),
             left_text(now_ut(), t.ut));
}

// --- the alerts ---

void TCompanion::set_alert_choice(const TAlertChoice& choice) {
    alert_choice_ = choice;
    write_alert_choice(core_.settings(), alert_choice_);
    dirty_ = true;
    if (started_) check_now();
    emit alerts_changed();
}

bool TCompanion::muted_today() const {
    return alert_choice_.alerts.muted_until > now_ut();
}

void TCompanion::set_muted_today(bool muted) {
    TAlertChoice choice = alert_choice_;
    choice.alerts.muted_until = 0;
    if (muted) {
        try {
            choice.alerts.muted_until = almanac::end_of_local_day(core_.prayer_options(), now_ut());
        } catch (const std::exception&) {
            choice.alerts.muted_until = std::floor(now_ut()) + 1;
        }
    }
    set_alert_choice(choice);
}

void TCompanion::show_alerts_dialog(QWidget* parent) {
    TAlertsDialog dialog(*this, parent);
    if (core_.seams().run_dialog(dialog) != QDialog::Accepted) return;
    set_alert_choice(dialog.choice());
    if (dialog.mute_today() != muted_today()) set_muted_today(dialog.mute_today());
}

// --- the tray ---

void TCompanion::make_tray() {
    if (tray_ || !started_ || !QSystemTrayIcon::isSystemTrayAvailable()) return;
    menu_ = std::make_unique<QMenu>();
    menu_->setObjectName(QStringLiteral("tray_menu"));
    connect(menu_.get(), &QMenu::aboutToShow, this, &TCompanion::fill_menu);
    tray_ = std::make_unique<QSystemTrayIcon>(QApplication::windowIcon());
    tray_->setObjectName(QStringLiteral("tray_icon"));
    tray_->setContextMenu(menu_.get());
    connect(tray_.get(), &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason != QSystemTrayIcon::Trigger) return;
        const QWidget* main = core_.existing_window(TWindow::main);
        const bool shown = main && main->isVisible() && !main->isMinimized();
        core_.show_window(TWindow::main, !shown);
    });
    fill_menu();
    update_tray();
    tray_->show();
}

void TCompanion::update_tray() {
    tray_->setToolTip(next_prayer_text());
}

void TCompanion::fill_menu() {
    menu_->clear();
    try {
        const almanac::TPrayerOptions options = core_.prayer_options();
        const double now = now_ut();
        const auto today =
            almanac::prayer_schedule(core_.prayer_place(), almanac::local_day(options, now), 1, options);
        bool marked = false;
        for (const almanac::TPrayerTime& t : today.front().times) {
            const bool next = !marked && t.ut > now;
            marked = marked || next;
            QAction* row =
                menu_->addAction((next ? QStringLiteral("\u25b8 ") : QStringLiteral("   ")) +
                                 prayer_name(t.prayer) + u' ' + minute_text(t.ut, t.utc_offset_seconds));
            row->setEnabled(false);
            if (next) {
                QFont bold = row->font();
                bold.setBold(true);
                row->setFont(bold);
            }
        }
        if (!today.front().error.empty()) menu_->addAction(qstring(today.front().error))->setEnabled(false);
    } catch (const std::exception& e) {
        menu_->addAction(QString::fromUtf8(e.what()))->setEnabled(false);
    }
    menu_->addSeparator();
    QAction* open = menu_->addAction(tr("Open Almadex"));
    open->setObjectName(QStringLiteral("tray_open"));
    connect(open, &QAction::triggered, this, [this] { core_.show_window(TWindow::main); });
    QAction* mute = menu_->addAction(tr("Mute today"));
    mute->setObjectName(QStringLiteral("tray_mute"));
    mute->setCheckable(true);
    mute->setChecked(muted_today());
    connect(mute, &QAction::toggled, this, &TCompanion::set_muted_today);
    QAction* alerts = menu_->addAction(tr("Alerts..."));
    alerts->setObjectName(QStringLiteral("tray_alerts"));
    connect(alerts, &QAction::triggered, this, [this] { show_alerts_dialog(nullptr); });
    menu_->addSeparator();
    QAction* quit = menu_->addAction(tr("Quit"));
    quit->setObjectName(QStringLiteral("tray_quit"));
    connect(quit, &QAction::triggered, this, &TCompanion::quit);
}

bool TCompanion::keeps_running() const {
    return started_ && !quitting_ && tray_ && tray_->isVisible() && tray_choice_.keep_running;
}

void TCompanion::set_keep_running_option(bool keep) {
    tray_choice_.keep_running = keep;
    write_tray_choice(core_.settings(), tray_choice_);
}

void TCompanion::closed_to_tray() {
    if (tray_choice_.told || !tray_) return;
    tray_choice_.told = true;
    write_tray_choice(core_.settings(), tray_choice_);
    const QString text = tr("Almadex keeps running in the tray to alert at the prayer times. Quit in its "
                            "menu ends it; Options > Keep running in the tray changes this.");
    notifier_->notify(product_name(), text, false, [this, text] {
        if (tray_) tray_->showMessage(product_name(), text, QSystemTrayIcon::Information);
    });
}

void TCompanion::quit() {
    quitting_ = true;
    timer_.stop();
    sound_->stop();
    if (QWidget* main = core_.existing_window(TWindow::main)) {
        // The converter's close stores its settings, also when it is hidden in the tray.
        QCloseEvent close;
        QCoreApplication::sendEvent(main, &close);
        main->hide();
    }
    QCoreApplication::quit();
}

} // namespace almadex
