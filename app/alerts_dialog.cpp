#include "app/alerts_dialog.h"

#include "almanac/datetime_parts.h"
#include "app/alert_sound.h"
#include "app/companion.h"
#include "app/language.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>

namespace almadex {
namespace {

QString qstring(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

} // namespace

TAlertsDialog::TAlertsDialog(TCompanion& companion, QWidget* parent)
    : QDialog(parent), companion_(companion), initial_(companion.alert_choice()) {
    setObjectName(QStringLiteral("AlertsDialog"));
    setWindowTitle(tr("Alerts"));
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    layout->addLayout(grid);
    grid->addWidget(new QLabel(tr("Prayer")), 0, 0);
    grid->addWidget(new QLabel(tr("Alert")), 0, 1);
    grid->addWidget(new QLabel(tr("Reminder before")), 0, 2);
    const QStringList mode_titles = {tr("Off"), tr("Notification"), tr("Notification and sound")};
    int row = 1;
    for (const almanac::TPrayerName& p : almanac::prayer_names) {
        const auto i = static_cast<std::size_t>(p.prayer);
        const QString key = qstring(p.key);
        grid->addWidget(
            new QLabel(qstring(p.arabic) + QStringLiteral(" (") + shown_name("Prayer", p.english) + u')'),
            row, 0);
        modes_[i] = new QComboBox;
        modes_[i]->setObjectName(QStringLiteral("mode_") + key);
        modes_[i]->addItems(mode_titles);
        modes_[i]->setCurrentIndex(static_cast<int>(initial_.alerts.modes[i]));
        grid->addWidget(modes_[i], row, 1);
        reminders_[i] = new QSpinBox;
        reminders_[i]->setObjectName(QStringLiteral("reminder_") + key);
        reminders_[i]->setRange(0, almanac::max_reminder_minutes);
        reminders_[i]->setSuffix(tr(" min"));
        reminders_[i]->setSpecialValueText(tr("None"));
        reminders_[i]->setValue(initial_.alerts.reminder_minutes[i]);
        grid->addWidget(reminders_[i], row, 2);
        // The coming days that cannot have this alert, and why.
        QStringList lacks;
        QString reason;
        for (const almanac::TSkippedAlert& s : companion_.plan().skipped)
            if (s.prayer == p.prayer) {
                lacks << qstring(almanac::iso_date(almanac::date_parts(s.date)));
                reason = qstring(s.reason);
            }
        if (!lacks.isEmpty()) {
            auto* skipped = new QLabel(tr("Skipped on %1: %2").arg(lacks.join(QStringLiteral(", ")), reason));
            skipped->setObjectName(QStringLiteral("skipped_") + key);
            skipped->setWordWrap(true);
            grid->addWidget(skipped, ++row, 0, 1, 3);
        }
        ++row;
    }

    auto* sounds = new QGridLayout;
    layout->addLayout(sounds);
    sounds->addWidget(new QLabel(tr("Sound:")), 0, 0);
    sound_ = sound_field("sound", initial_.sound, tr("The default chime"));
    sounds->addWidget(sound_, 0, 1);
    sounds->addWidget(new QLabel(tr("Dawn prayer's sound:")), 1, 0);
    fajr_sound_ = sound_field("fajr_sound", initial_.fajr_sound, tr("The same sound"));
    sounds->addWidget(fajr_sound_, 1, 1);
    for (QLineEdit* field : {sound_, fajr_sound_}) {
        auto* choose = new QPushButton(tr("Choose..."));
        auto* clear = new QPushButton(tr("Default"));
        const int r = field == sound_ ? 0 : 1;
        sounds->addWidget(choose, r, 2);
        sounds->addWidget(clear, r, 3);
        connect(choose, &QPushButton::clicked, this, [this, field] {
            const QString file = QFileDialog::getOpenFileName(this, tr("Sound"), field->text(),
                                                              tr("Audio files (*.wav *.ogg *.oga *.mp3)"));
            if (!file.isEmpty()) field->setText(file);
        });
        connect(clear, &QPushButton::clicked, field, &QLineEdit::clear);
    }
    sounds->addWidget(new QLabel(tr("Volume:")), 2, 0);
    volume_ = new QSlider(Qt::Horizontal);
    volume_->setObjectName(QStringLiteral("volume"));
    volume_->setRange(0, 100);
    volume_->setValue(initial_.volume);
    sounds->addWidget(volume_, 2, 1);
    auto* test = new QPushButton(tr("Play"));
    test->setObjectName(QStringLiteral("play_sound"));
    sounds->addWidget(test, 2, 2);
    connect(test, &QPushButton::clicked, this,
            [this] { companion_.sound().play(sound_->text(), volume_->value()); });

    mute_ = new QCheckBox(tr("Mute today"));
    mute_->setObjectName(QStringLiteral("mute_today"));
    mute_->setChecked(companion_.muted_today());
    layout->addWidget(mute_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(this, &QDialog::finished, this, [this] { companion_.sound().stop(); });
    layout->addWidget(buttons);
}

QLineEdit* TAlertsDialog::sound_field(const char* name, const QString& file, const QString& empty_text) {
    auto* field = new QLineEdit(file);
    field->setObjectName(QString::fromLatin1(name));
    field->setPlaceholderText(empty_text);
    field->setMinimumWidth(260);
    return field;
}

TAlertChoice TAlertsDialog::choice() const {
    TAlertChoice c = initial_;
    for (std::size_t i = 0; i < modes_.size(); ++i) {
        c.alerts.modes[i] = static_cast<almanac::TAlertMode>(modes_[i]->currentIndex());
        c.alerts.reminder_minutes[i] = reminders_[i]->value();
    }
    c.sound = sound_->text().trimmed();
    c.fajr_sound = fajr_sound_->text().trimmed();
    c.volume = volume_->value();
    return c;
}

bool TAlertsDialog::mute_today() const {
    return mute_->isChecked();
}

} // namespace almadex
