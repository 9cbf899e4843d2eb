// The Alerts dialog, reached from the tray's menu and the prayer window: by prayer, off, a notification or a
// notification with sound, and a reminder 0 to 60 minutes before (with why a coming day lacks that alert);
// the sound (the default chime or an audio file), a separate sound for the dawn prayer, the volume and Mute
// today. Its widgets are named after what they hold (mode_<key>, reminder_<key>, skipped_<key>, sound,
// fajr_sound, volume, mute_today).
#pragma once

#include "app/alert_settings.h"

#include <QDialog>
#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QSlider;
class QSpinBox;

namespace almadex {

class TCompanion;

class TAlertsDialog : public QDialog {
    Q_OBJECT

public:
    TAlertsDialog(TCompanion& companion, QWidget* parent = nullptr);
    /// The choice as the dialog's fields give it.
    TAlertChoice choice() const;
    /// "Mute today" is ticked.
    bool mute_today() const;

private:
    QLineEdit* sound_field(const char* name, const QString& file, const QString& empty_text);

    TCompanion& companion_;
    TAlertChoice initial_;
    std::array<QComboBox*, 6> modes_{};
    std::array<QSpinBox*, 6> reminders_{};
    QLineEdit* sound_ = nullptr;
    QLineEdit* fajr_sound_ = nullptr;
    QSlider* volume_ = nullptr;
    QCheckBox* mute_ = nullptr;
};

} // namespace almadex
