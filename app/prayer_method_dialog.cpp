#include "app/prayer_method_dialog.h"

#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

namespace almadex {
namespace {

constexpr const char* kAdjustNames[6] = {"fajr", "sunrise", "dhuhr", "asr", "maghrib", "isha"};
constexpr const char* kAdjustTitles[6] = {QT_TRANSLATE_NOOP("almadex::TPrayerMethodDialog", "Fajr:"),
                                          QT_TRANSLATE_NOOP("almadex::TPrayerMethodDialog", "Sunrise:"),
                                          QT_TRANSLATE_NOOP("almadex::TPrayerMethodDialog", "Dhuhr:"),
                                          QT_TRANSLATE_NOOP("almadex::TPrayerMethodDialog", "Asr:"),
                                          QT_TRANSLATE_NOOP("almadex::TPrayerMethodDialog", "Maghrib:"),
                                          QT_TRANSLATE_NOOP("almadex::TPrayerMethodDialog", "Isha:")};

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
    setWindowTitle(tr("Prayer adjustments"));
    auto* layout = new QVBoxLayout(this);

    auto* minutes = new QGroupBox(tr("Minutes added to each time"), this);
    auto* minutes_form = new QFormLayout(minutes);
    auto* minutes_note = new QLabel(tr("Added to the time the method gives, whatever the method."), minutes);
    minutes_note->setWordWrap(true);
    minutes_form->addRow(minutes_note);
    for (int i = 0; i < 6; ++i) {
        auto* box = new QSpinBox(minutes);
        box->setObjectName(QStringLiteral("adjust_") + QString::fromLatin1(kAdjustNames[i]));
        box->setRange(-120, 120);
        box->setSuffix(tr(" min"));
        adjust_[static_cast<std::size_t>(i)] = box;
        minutes_form->addRow(tr(kAdjustTitles[i]), box);
    }
    layout->addWidget(minutes);

    // Dhuhr's own rule, apart from the minutes added: how long after the Sun's transit the time falls.
    auto* rule = new QGroupBox(tr("Dhuhr's rule"), this);
    auto* rule_form = new QFormLayout(rule);
    dhuhr_ = new QSpinBox(rule);
    dhuhr_->setObjectName(QStringLiteral("dhuhr_minutes"));
    dhuhr_->setRange(-120, 120);
    dhuhr_->setSuffix(tr(" min"));
    dhuhr_->setToolTip(tr("Dhuhr falls this long after the Sun's transit, before the minutes added above"));
    rule_form->addRow(tr("Dhuhr after the transit:"), dhuhr_);
    layout->addWidget(rule);

    custom_ = new QGroupBox(tr("Custom method"), this);
    custom_->setObjectName(QStringLiteral("custom_method"));
    auto* custom_form = new QFormLayout(custom_);
    custom_note_ = new QLabel(tr("Used when the method chosen is Custom."), custom_);
    custom_note_->setWordWrap(true);
    custom_form->addRow(custom_note_);
    fajr_angle_ = angle_box(custom_, "custom_fajr_angle", 30, QStringLiteral("\u00b0"));
    isha_angle_ = angle_box(custom_, "custom_isha_angle", 30, QStringLiteral("\u00b0"));
    isha_minutes_ = angle_box(custom_, "custom_isha_minutes", 300, tr(" min"));
    maghrib_angle_ = angle_box(custom_, "custom_maghrib_angle", 30, QStringLiteral("\u00b0"));
    custom_form->addRow(tr("Fajr angle:"), fajr_angle_);
    custom_form->addRow(tr("Isha angle:"), isha_angle_);
    custom_form->addRow(tr("Isha after Maghrib (0: by the angle):"), isha_minutes_);
    custom_form->addRow(tr("Maghrib angle (0: sunset):"), maghrib_angle_);
    layout->addWidget(custom_);

    problem_ = new QLabel(this);
    problem_->setObjectName(QStringLiteral("problem"));
    problem_->setWordWrap(true);
    problem_->setStyleSheet(QStringLiteral("color: #b00020"));
    problem_->hide();
    layout->addWidget(problem_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

QString TPrayerMethodDialog::fault() const {
    if (!custom_->isEnabled()) return {};
    // At sunrise and sunset the Sun's centre stands 0.8333 degrees below the horizon: a smaller angle puts
    // dawn after sunrise, or night before sunset.
    constexpr double horizon = 0.8333;
    if (fajr_angle_->value() <= horizon)
        return tr("A Fajr angle of %1\u00b0 puts dawn after sunrise: give more than 0.8\u00b0.")
            .arg(fajr_angle_->value());
    if (isha_minutes_->value() == 0 && isha_angle_->value() <= horizon)
        return tr("An Isha angle of %1\u00b0 puts the night before sunset: give more than 0.8\u00b0, or "
                  "minutes after Maghrib.")
            .arg(isha_angle_->value());
    return {};
}

void TPrayerMethodDialog::accept() {
    const QString why = fault();
    problem_->setText(why);
    problem_->setVisible(!why.isEmpty());
    if (why.isEmpty()) QDialog::accept();
}

void TPrayerMethodDialog::load(const almanac::TMethodChoice& choice) {
    for (std::size_t i = 0; i < adjust_.size(); ++i) adjust_[i]->setValue(choice.adjust[i]);
    dhuhr_->setValue(choice.dhuhr_minutes);
    fajr_angle_->setValue(choice.custom_fajr_angle);
    isha_angle_->setValue(choice.custom_isha_angle);
    isha_minutes_->setValue(choice.custom_isha_minutes);
    maghrib_angle_->setValue(choice.custom_maghrib_angle);
    // The custom angles count only for the Custom method.
    custom_->setEnabled(choice.method == almanac::TMethodId::custom);
    custom_note_->setText(custom_->isEnabled() ? tr("The angles and interval of the Custom method.")
                                               : tr("Used when the method chosen is Custom (Method menu)."));
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
