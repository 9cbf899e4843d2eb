// The alerts and the tray as the settings keep them, in groups of their own: "Alerts" (by prayer its mode,
// off, notification or sound, and its reminder in minutes; the sounds, the volume, the end of "Mute today"
// and whether the first alert has said where to change them) and "Tray" (whether closing the converter keeps
// the program in the tray, and whether that was said).
#pragma once

#include "almanac/prayer_alerts.h"

#include <QString>

class QSettings;

namespace almadex {

struct TAlertChoice {
    almanac::TAlertSettings alerts;
    QString sound;      ///< the audio file played, "" for the default chime
    QString fajr_sound; ///< the audio file played for the dawn prayer, "" for the same sound as the others
    int volume = 80;    ///< percent, 0..100
    bool first_alert_told = false;
    friend bool operator==(const TAlertChoice&, const TAlertChoice&) = default;
};

/// Reads the group "Alerts": each value missing, unknown or out of its range keeps its default.
TAlertChoice read_alert_choice(QSettings& settings);
/// Writes the group "Alerts".
void write_alert_choice(QSettings& settings, const TAlertChoice& choice);

struct TTrayChoice {
    bool keep_running = true; ///< closing the converter keeps the program in the tray
    bool told = false;        ///< the first such close said so
};
TTrayChoice read_tray_choice(QSettings& settings);
void write_tray_choice(QSettings& settings, const TTrayChoice& choice);

} // namespace almadex
