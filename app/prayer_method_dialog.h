// The prayer window's "Adjustments..." dialog: the user's minutes added to each time, Dhuhr's own rule (its
// minutes after the transit) and the custom method's angles and interval (editable while the Custom method
// is chosen), loaded from a method choice and saved back into it.
#pragma once

#include "almanac/prayer_methods.h"

#include <QDialog>
#include <array>

class QDoubleSpinBox;
class QGroupBox;
class QLabel;
class QSpinBox;

namespace almadex {

class TPrayerMethodDialog : public QDialog {
    Q_OBJECT

public:
    explicit TPrayerMethodDialog(QWidget* parent = nullptr);

    /// The fields from the choice.
    void load(const almanac::TMethodChoice& choice);
    /// The fields into the choice (the rest of it kept).
    void save(almanac::TMethodChoice& choice) const;

    /// By prayer, Fajr to Isha (object names adjust_fajr ... adjust_isha).
    QSpinBox* adjust(int prayer) const { return adjust_.at(static_cast<std::size_t>(prayer)); }
    QSpinBox* dhuhr() const { return dhuhr_; }
    QDoubleSpinBox* fajr_angle() const { return fajr_angle_; }
    QDoubleSpinBox* isha_angle() const { return isha_angle_; }
    QDoubleSpinBox* isha_minutes() const { return isha_minutes_; }
    QDoubleSpinBox* maghrib_angle() const { return maghrib_angle_; }
    QGroupBox* custom_method() const { return custom_; }

    /// Why the custom values cannot be taken ("" when they can): an angle that would put dawn after sunrise
    /// or the night before sunset. Only while the custom method is chosen.
    QString fault() const;
    /// OK: closes the dialog unless fault() says why not, which the dialog then shows.
    void accept() override;

private:
    std::array<QSpinBox*, 6> adjust_{};
    QSpinBox* dhuhr_ = nullptr;
    QDoubleSpinBox* fajr_angle_ = nullptr;
    QDoubleSpinBox* isha_angle_ = nullptr;
    QDoubleSpinBox* isha_minutes_ = nullptr;
    QDoubleSpinBox* maghrib_angle_ = nullptr;
    QGroupBox* custom_ = nullptr;
    QLabel* custom_note_ = nullptr;
    QLabel* problem_ = nullptr;
};

} // namespace almadex
