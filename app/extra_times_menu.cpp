#include "app/extra_times_menu.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <array>

namespace almadex {
namespace {

// Imsak's minutes before dawn that the menu offers.
constexpr std::array<int, 6> offered_minutes{5, 10, 15, 20, 30, 45};

} // namespace

TExtraTimesMenu::TExtraTimesMenu(QMenu* options) : QObject(options) {
    options->addSeparator();
    imsak_ = add_item(options, QStringLiteral("extra_imsak"));
    minutes_menu_ = options->addMenu(QString());
    auto* minute_group = new QActionGroup(minutes_menu_);
    for (const int m : offered_minutes) {
        QAction* a = add_item(minutes_menu_, QStringLiteral("imsak_minutes_%1").arg(m));
        a->setData(m);
        minute_group->addAction(a);
        minutes_.push_back(a);
    }
    midnight_ = add_item(options, QStringLiteral("extra_midnight"));
    last_third_ = add_item(options, QStringLiteral("extra_last_third"));
    night_menu_ = options->addMenu(QString());
    auto* night_group = new QActionGroup(night_menu_);
    night_ends_.push_back(add_item(night_menu_, QStringLiteral("night_dawn")));
    night_ends_.push_back(add_item(night_menu_, QStringLiteral("night_sunrise")));
    for (QAction* a : night_ends_) night_group->addAction(a);
    sunset_ = add_item(options, QStringLiteral("extra_sunset"));
    jumuah_ = add_item(options, QStringLiteral("extra_jumuah"));
    translate();
}

void TExtraTimesMenu::translate() {
    imsak_->setText(tr("&Imsak"));
    minutes_menu_->setTitle(tr("Imsak &before dawn"));
    for (QAction* a : minutes_) a->setText(tr("%n minute(s)", nullptr, a->data().toInt()));
    midnight_->setText(tr("&Midnight"));
    last_third_->setText(tr("&Last third of the night"));
    night_menu_->setTitle(tr("&Night of midnight"));
    night_ends_[0]->setText(tr("Sunset to &dawn"));
    night_ends_[1]->setText(tr("Sunset to &sunrise"));
    sunset_->setText(tr("&Sunset in its own row"));
    jumuah_->setText(tr("&Jumu'ah on Fridays"));
}

QAction* TExtraTimesMenu::add_item(QMenu* menu, const QString& name) {
    QAction* a = menu->addAction(QString());
    a->setObjectName(name);
    a->setCheckable(true);
    connect(a, &QAction::triggered, this, &TExtraTimesMenu::changed);
    return a;
}

void TExtraTimesMenu::show(const almanac::TExtraTimes& extra) {
    imsak_->setChecked(extra.imsak);
    midnight_->setChecked(extra.midnight);
    last_third_->setChecked(extra.last_third);
    sunset_->setChecked(extra.sunset);
    jumuah_->setChecked(extra.jumuah);
    for (QAction* a : minutes_) a->setChecked(a->data().toInt() == extra.imsak_minutes);
    night_ends_[static_cast<std::size_t>(extra.night_end)]->setChecked(true);
}

almanac::TExtraTimes TExtraTimesMenu::chosen() const {
    almanac::TExtraTimes extra;
    extra.imsak = imsak_->isChecked();
    extra.midnight = midnight_->isChecked();
    extra.last_third = last_third_->isChecked();
    extra.sunset = sunset_->isChecked();
    extra.jumuah = jumuah_->isChecked();
    extra.night_end = night_ends_[1]->isChecked() ? almanac::TNightEnd::sunrise : almanac::TNightEnd::dawn;
    for (const QAction* a : minutes_)
        if (a->isChecked()) extra.imsak_minutes = a->data().toInt();
    return extra;
}

} // namespace almadex
