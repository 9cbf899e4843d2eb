// The prayer window's "Adjustments..." dialog: the user's minutes per prayer, Dhuhr's minutes after the
// transit and the custom method's angles and interval, loaded from a method choice and saved back into it.
#pragma once

#include "almanac/prayer_methods.h"

#include <QDialog>
#include <array>

class QDoubleSpinBox;
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

private:
    std::array<QSpinBox*, 6> adjust_{};
    QSpinBox* dhuhr_ = nullptr;
    QDoubleSpinBox* fajr_angle_ = nullptr;
    QDoubleSpinBox* isha_angle_ = nullptr;
    QDoubleSpinBox* isha_minutes_ = nullptr;
    QDoubleSpinBox* maghrib_angle_ = nullptr;
};

} // namespace almadex
