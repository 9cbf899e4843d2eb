#include "app/prayer_method_dialog.h"

#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QSpinBox>
#include <QVBoxLayout>

namespace almadex {
namespace {

constexpr const char* kAdjustNames[6] = {"fajr", "sunrise", "dhuhr", "asr", "maghrib", "isha"};
constexpr const char* kAdjustTitles[6] = {"Fajr:", "Sunrise:", "Dhuhr:", "Asr:", "Maghrib:", "Isha:"};

QDoubleSpinBox* angle_box(QWidget* parent, const char* name, double most, const QString& suffix) {
    auto* box = new QDoubleSpinBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setRange(0, most);
    box->setDecimals(1);
    box->setSingleStep(0.5);
    box->setSuffix(suffix);
    return box;
}

} // namespace

TPrayerMethodDialog::TPrayerMethodDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Prayer adjustments"));
    auto* layout = new QVBoxLayout(this);

    auto* minutes = new QGroupBox(QStringLiteral("Minutes added to each time"), this);
    auto* minutes_form = new QFormLayout(minutes);
    for (int i = 0; i < 6; ++i) {
        auto* box = new QSpinBox(minutes);
        box->setObjectName(QStringLiteral("adjust_") + QString::fromLatin1(kAdjustNames[i]));
        box->setRange(-120, 120);
        box->setSuffix(QStringLiteral(" min"));
        adjust_[static_cast<std::size_t>(i)] = box;
        minutes_form->addRow(QString::fromLatin1(kAdjustTitles[i]), box);
    }
    dhuhr_ = new QSpinBox(minutes);
    dhuhr_->setObjectName(QStringLiteral("dhuhr_minutes"));
    dhuhr_->setRange(-120, 120);
    dhuhr_->setSuffix(QStringLiteral(" min"));
    minutes_form->addRow(QStringLiteral("Dhuhr after the transit:"), dhuhr_);
    layout->addWidget(minutes);

    auto* custom = new QGroupBox(QStringLiteral("Custom method"), this);
    auto* custom_form = new QFormLayout(custom);
    fajr_angle_ = angle_box(custom, "custom_fajr_angle", 30, QStringLiteral("\u00b0"));
    isha_angle_ = angle_box(custom, "custom_isha_angle", 30, QStringLiteral("\u00b0"));
    isha_minutes_ = angle_box(custom, "custom_isha_minutes", 300, QStringLiteral(" min"));
    maghrib_angle_ = angle_box(custom, "custom_maghrib_angle", 30, QStringLiteral("\u00b0"));
    custom_form->addRow(QStringLiteral("Fajr angle:"), fajr_angle_);
    custom_form->addRow(QStringLiteral("Isha angle:"), isha_angle_);
    custom_form->addRow(QStringLiteral("Isha after Maghrib (0: by the angle):"), isha_minutes_);
    custom_form->addRow(QStringLiteral("Maghrib angle (0: sunset):"), maghrib_angle_);
    layout->addWidget(custom);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

void TPrayerMethodDialog::load(const almanac::TMethodChoice& choice) {
    for (std::size_t i = 0; i < adjust_.size(); ++i) adjust_[i]->setValue(choice.adjust[i]);
    dhuhr_->setValue(choice.dhuhr_minutes);
    fajr_angle_->setValue(choice.custom_fajr_angle);
    isha_angle_->setValue(choice.custom_isha_angle);
    isha_minutes_->setValue(choice.custom_isha_minutes);
    maghrib_angle_->setValue(choice.custom_maghrib_angle);
}

void TPrayerMethodDialog::save(almanac::TMethodChoice& choice) const {
    for (std::size_t i = 0; i < adjust_.size(); ++i) choice.adjust[i] = adjust_[i]->value();
    choice.dhuhr_minutes = dhuhr_->value();
    choice.custom_fajr_angle = fajr_angle_->value();
    choice.custom_isha_angle = isha_angle_->value();
    choice.custom_isha_minutes = isha_minutes_->value();
    choice.custom_maghrib_angle = maghrib_angle_->value();
}

} // namespace almadex
