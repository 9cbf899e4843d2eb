#include "app/alert_settings.h"

#include <QSettings>
#include <algorithm>
#include <string>

namespace almadex {
namespace {

QString key_of(almanac::TPrayer prayer, const char* what) {
    const std::string_view key = almanac::prayer_key(prayer);
    return QString::fromLatin1(key.data(), static_cast<qsizetype>(key.size())) + u'/' + QLatin1String(what);
}

/// The integer under `key` when it is one within [low, high].
void read_int(const QSettings& settings, const QString& key, int low, int high, int& value) {
    bool ok = false;
    const int read = settings.value(key).toInt(&ok);
    if (settings.contains(key) && ok && read >= low && read <= high) value = read;
}

} // namespace

TAlertChoice read_alert_choice(QSettings& settings) {
    TAlertChoice choice;
    settings.beginGroup(QStringLiteral("Alerts"));
    for (const almanac::TPrayerName& p : almanac::prayer_names) {
        const auto i = static_cast<std::size_t>(p.prayer);
        const std::string mode = settings.value(key_of(p.prayer, "Mode")).toString().toStdString();
        const std::size_t row = almanac::row_of_key(almanac::alert_mode_names, mode);
        if (row < almanac::alert_mode_names.size())
            choice.alerts.modes[i] = static_cast<almanac::TAlertMode>(row);
        read_int(settings, key_of(p.prayer, "Reminder"), 0, almanac::max_reminder_minutes,
                 choice.alerts.reminder_minutes[i]);
    }
    choice.sound = settings.value(QStringLiteral("Sound")).toString();
    choice.fajr_sound = settings.value(QStringLiteral("FajrSound")).toString();
    read_int(settings, QStringLiteral("Volume"), 0, 100, choice.volume);
    bool ok = false;
    const double muted = settings.value(QStringLiteral("MutedUntil")).toDouble(&ok);
    if (ok && muted > 0 && muted < 3e6) choice.alerts.muted_until = muted;
    choice.first_alert_told = settings.value(QStringLiteral("FirstAlertTold")).toBool();
    settings.endGroup();
    return choice;
}

void write_alert_choice(QSettings& settings, const TAlertChoice& choice) {
    settings.beginGroup(QStringLiteral("Alerts"));
    for (const almanac::TPrayerName& p : almanac::prayer_names) {
        const auto i = static_cast<std::size_t>(p.prayer);
        const std::string_view mode =
            almanac::alert_mode_names[static_cast<std::size_t>(choice.alerts.modes[i])].key;
        settings.setValue(key_of(p.prayer, "Mode"),
                          QString::fromLatin1(mode.data(), static_cast<qsizetype>(mode.size())));
        settings.setValue(key_of(p.prayer, "Reminder"), choice.alerts.reminder_minutes[i]);
    }
    settings.setValue(QStringLiteral("Sound"), choice.sound);
    settings.setValue(QStringLiteral("FajrSound"), choice.fajr_sound);
    settings.setValue(QStringLiteral("Volume"), choice.volume);
    settings.setValue(QStringLiteral("MutedUntil"), choice.alerts.muted_until);
    settings.setValue(QStringLiteral("FirstAlertTold"), choice.first_alert_told);
    settings.endGroup();
    settings.sync();
}

TTrayChoice read_tray_choice(QSettings& settings) {
    TTrayChoice choice;
    settings.beginGroup(QStringLiteral("Tray"));
    choice.keep_running = settings.value(QStringLiteral("KeepRunning"), true).toBool();
    choice.told = settings.value(QStringLiteral("Told"), false).toBool();
    settings.endGroup();
    return choice;
}

void write_tray_choice(QSettings& settings, const TTrayChoice& choice) {
    settings.beginGroup(QStringLiteral("Tray"));
    settings.setValue(QStringLiteral("KeepRunning"), choice.keep_running);
    settings.setValue(QStringLiteral("Told"), choice.told);
    settings.endGroup();
    settings.sync();
}

} // namespace almadex
