// The prayer window's choices besides the place's fields: the Method menu, the extra times of the Options
// menu, and the search of a place by its name with the proposal of its country's method.
#include "almanac/time_zone.h"
#include "app/companion.h"
#include "app/core.h"
#include "app/extra_times_menu.h"
#include "app/guard.h"
#include "app/language.h"
#include "app/messages.h"
#include "app/place_finder.h"
#include "app/prayer_form.h"
#include "app/prayer_method_dialog.h"
#include "controls/spin_edit.h"
#include "ui_prayer_form.h"

#include <QActionGroup>
#include <QCompleter>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QVBoxLayout>
#include <cmath>

namespace almadex {
namespace {

/// The whole seconds of an angle's size: degrees, minutes and seconds into the three fields.
void set_rounded_dms(TSpinEdit* degrees, TSpinEdit* minutes, TSpinEdit* seconds, double v) {
    const long long total = std::llround(std::abs(v) * 3600);
    degrees->setValue(static_cast<int>(total / 3600));
    minutes->setValue(static_cast<int>(total / 60 % 60));
    seconds->setValue(static_cast<int>(total % 60));
}

QString text_of(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

} // namespace

void TPrayerForm::build_method_menu() {
    method_menu_ = new QMenu(this);
    method_menu_->setObjectName(QStringLiteral("Method1"));
    menuBar()->addMenu(method_menu_);
    QAction* alerts = menuBar()->addAction(tr("&Alerts..."));
    alerts->setObjectName(QStringLiteral("Alerts1"));
    connect(alerts, &QAction::triggered, this, [this] { core_.companion().show_alerts_dialog(this); });
    const auto item_name = [](const char* prefix, std::string_view key) {
        QString name =
            QString::fromLatin1(prefix) + QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size()));
        return name.replace(QLatin1Char('-'), QLatin1Char('_'));
    };
    const auto group = [this, &item_name](QMenu* menu, const char* prefix, const auto& table) {
        auto* g = new QActionGroup(menu);
        g->setExclusive(true);
        int index = 0;
        for (const auto& row : table) {
            // The English title kept, to be shown in the language spoken.
            QAction* a = menu->addAction(QString());
            a->setProperty("title", QByteArray(row.title.data(), static_cast<qsizetype>(row.title.size())));
            a->setObjectName(item_name(prefix, row.key));
            a->setCheckable(true);
            a->setData(index++);
            g->addAction(a);
            connect(a, &QAction::triggered, this, guarded(this, &TPrayerForm::MethodClick));
        }
    };
    group(method_menu_, "method_", almanac::prayer_methods);
    method_menu_->addSeparator();
    asr_menu_ = method_menu_->addMenu(QString());
    group(asr_menu_, "asr_", almanac::asr_school_names);
    high_latitude_menu_ = method_menu_->addMenu(QString());
    group(high_latitude_menu_, "highlat_", almanac::high_latitude_names);
    polar_menu_ = method_menu_->addMenu(QString());
    group(polar_menu_, "polar_", almanac::polar_names);
    QAction* round = method_menu_->addAction(QString());
    round->setObjectName(QStringLiteral("round_minute"));
    round->setCheckable(true);
    connect(round, &QAction::triggered, this, guarded(this, &TPrayerForm::MethodClick));
    QAction* adjust = method_menu_->addAction(QString());
    adjust->setObjectName(QStringLiteral("Adjustments1"));
    connect(adjust, &QAction::triggered, this, guarded(this, &TPrayerForm::Adjustments1Click));
    check_method(method_choice());
    translate_method_menu();
}

void TPrayerForm::translate_method_menu() {
    method_menu_->setTitle(tr("&Method"));
    asr_menu_->setTitle(tr("&Asr"));
    high_latitude_menu_->setTitle(tr("&High latitudes"));
    polar_menu_->setTitle(tr("Days without sunrise or sunset"));
    for (QAction* a : method_menu_->findChildren<QAction*>()) {
        const QByteArray title = a->property("title").toByteArray();
        if (!title.isEmpty())
            a->setText(shown_name("Prayer method", {title.constData(), std::size_t(title.size())}));
    }
    method_menu_->findChild<QAction*>(QStringLiteral("round_minute"))->setText(tr("Round to the minute"));
    method_menu_->findChild<QAction*>(QStringLiteral("Adjustments1"))->setText(tr("Adjustments..."));
    if (auto* alerts = menuBar()->findChild<QAction*>(QStringLiteral("Alerts1")))
        alerts->setText(tr("&Alerts..."));
    extra_menu_->translate();
}

void TPrayerForm::build_place_search() {
    place_finder_ = new TPlaceFinder(core_, this);
    place_strip_ = new TMessageStrip(this);
    // The search and the strip above the place fields, which keep their places.
    QWidget* fields = takeCentralWidget();
    auto* column = new QWidget(this);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(place_finder_);
    layout->addWidget(place_strip_);
    layout->addWidget(fields);
    setCentralWidget(column);
    setTabOrder(place_finder_->field(), place_strip_->accept_button());
    setTabOrder(place_strip_->accept_button(), place_strip_->dismiss_button());
    setTabOrder(place_strip_->dismiss_button(), ui->LatEdit1);
    fit_size();
    connect(place_finder_, &TPlaceFinder::city_chosen, this,
            [this](const almanac::TCity& city) { run_guarded(this, [&] { choose_city(city); }); });
    connect(place_strip_, &TMessageStrip::accepted, this, guarded(this, &TPrayerForm::accept_proposal));
    connect(place_strip_, &TMessageStrip::dismissed, this, guarded(this, &TPrayerForm::dismiss_proposal));
}

void TPrayerForm::choose_city(const almanac::TCity& city) {
    TPrayerChoice choice = core_.prayer_choice();
    {
        // The fields to the second, the zone, the name: one change of the core's place.
        const QScopedValueRollback filling(showing_choice_, true);
        ui->LatEdit4->setCurrentIndex(city.place.latitude < 0 ? 1 : 0);
        set_rounded_dms(ui->LatEdit1, ui->LatEdit2, ui->LatEdit3, city.place.latitude);
        ui->LonEdit4->setCurrentIndex(city.place.longitude_west < 0 ? 1 : 0);
        set_rounded_dms(ui->LonEdit1, ui->LonEdit2, ui->LonEdit3, city.place.longitude_west);
        choice = choice_of_fields();
    }
    choice.zone = almanac::is_time_zone(city.zone) ? city.zone : std::string();
    choice.place = {city.name, city.country_code, city.id};
    withdraw_proposal();
    // The method settled on for this place before, else its country's usual one proposed.
    if (const almanac::TMethodId* settled = core_.place_method(city.id)) choice.method.method = *settled;
    core_.set_prayer_choice(choice);
    const almanac::TMethodId usual = almanac::usual_method(city.country_code);
    if (core_.place_method(city.id) == nullptr && usual != choice.method.method) propose_method(city, usual);
    TZZoneChange();
    refresh_prayer_times();
}

void TPrayerForm::propose_method(const almanac::TCity& city, almanac::TMethodId method) {
    proposal_ = {TProposal::TKind::method, city, method};
    const almanac::TPrayerMethod& m = almanac::prayer_methods[static_cast<std::size_t>(method)];
    QString source = tr("The Muslim World League's, for a country without a known practice");
    for (const almanac::TCountryMethod& row : almanac::country_methods)
        if (row.country == city.country_code) source = text_of(row.source);
    place_strip_->propose(
        tr("Usual in %1: %2").arg(text_of(city.country), shown_name("Prayer method", m.title)), tr("Use it"),
        tr("Keep mine"), source);
    fit_size();
}

void TPrayerForm::ask_for_place() {
    place_finder_->field()->setFocus();
    if (!place_finder_->available()) {
        ui->LatEdit1->setFocus();
        place_strip_->propose(tr("Where are you? Type your latitude and longitude, or click the map."), {},
                              tr("Close"));
        fit_size();
        return;
    }
    const std::string zone = core_.seams().system_zone().toStdString();
    if (const almanac::TCity* city = core_.places().city_of_zone(zone)) {
        proposal_ = {TProposal::TKind::city, *city, almanac::TMethodId::mwl};
        place_strip_->propose(tr("Where are you? Type your city above, or choose:"),
                              text_of(city->name + ", " + city->country), tr("Later"),
                              text_of(almanac::city_title(*city)));
    } else {
        place_strip_->propose(tr("Where are you? Type the name of your city above."), {}, tr("Later"));
    }
    fit_size();
}

void TPrayerForm::accept_proposal() {
    const TProposal proposal = std::exchange(proposal_, {});
    fit_size();
    if (proposal.kind == TProposal::TKind::city) {
        place_finder_->field()->setText(text_of(proposal.city.name));
        choose_city(proposal.city);
    } else if (proposal.kind == TProposal::TKind::method) {
        almanac::TMethodChoice c = method_choice();
        c.method = proposal.method;
        choose_method(c);
        refresh_prayer_times();
    }
}

void TPrayerForm::dismiss_proposal() {
    const TProposal proposal = std::exchange(proposal_, {});
    fit_size();
    // The user's own method kept for this place.
    if (proposal.kind == TProposal::TKind::method)
        core_.remember_place_method(proposal.city.id, method_choice().method);
}

void TPrayerForm::withdraw_proposal() {
    proposal_ = {};
    if (!place_strip_->isHidden()) {
        place_strip_->hide();
        fit_size();
    }
}

const almanac::TMethodChoice& TPrayerForm::method_choice() const {
    return core_.prayer_choice().method;
}

void TPrayerForm::choose_method(const almanac::TMethodChoice& choice) {
    TPrayerChoice c = core_.prayer_choice();
    c.method = choice;
    core_.set_prayer_choice(c);
    // The method chosen at a named place is the one settled on for it.
    if (!c.place.id.empty()) core_.remember_place_method(c.place.id, choice.method);
    if (proposal_.kind == TProposal::TKind::method) withdraw_proposal();
}

void TPrayerForm::check_method(const almanac::TMethodChoice& choice) {
    const auto check = [this](const char* prefix, std::size_t index) {
        for (QAction* a : method_menu_->findChildren<QAction*>())
            if (a->objectName().startsWith(QLatin1String(prefix)) &&
                a->data().toInt() == static_cast<int>(index))
                a->setChecked(true);
    };
    check("method_", static_cast<std::size_t>(choice.method));
    check("asr_", static_cast<std::size_t>(choice.asr));
    check("highlat_", static_cast<std::size_t>(choice.high_latitude));
    check("polar_", static_cast<std::size_t>(choice.polar));
    if (auto* round = method_menu_->findChild<QAction*>(QStringLiteral("round_minute")))
        round->setChecked(choice.round_to_minute);
    extra_menu_->show(choice.extra);
}

void TPrayerForm::ExtraTimesClick() {
    almanac::TMethodChoice c = method_choice();
    c.extra = extra_menu_->chosen();
    choose_method(c);
    refresh_prayer_times();
}

void TPrayerForm::MethodClick() {
    almanac::TMethodChoice c = method_choice();
    for (QAction* a : method_menu_->findChildren<QAction*>()) {
        if (!a->isChecked()) continue;
        const QString name = a->objectName();
        const int i = a->data().toInt();
        if (name.startsWith(QLatin1String("method_"))) c.method = static_cast<almanac::TMethodId>(i);
        if (name.startsWith(QLatin1String("asr_"))) c.asr = static_cast<almanac::TAsrSchool>(i);
        if (name.startsWith(QLatin1String("highlat_")))
            c.high_latitude = static_cast<almanac::THighLatitudeChoice>(i);
        if (name.startsWith(QLatin1String("polar_"))) c.polar = static_cast<astro::TPolarRule>(i);
    }
    if (auto* round = method_menu_->findChild<QAction*>(QStringLiteral("round_minute")))
        c.round_to_minute = round->isChecked();
    choose_method(c);
    refresh_prayer_times();
}

void TPrayerForm::Adjustments1Click() {
    TPrayerMethodDialog dialog(this);
    dialog.load(method_choice());
    const bool accepted = core_.seams().run_dialog(dialog) == QDialog::Accepted;
    take_focus_back();
    if (!accepted) return;
    almanac::TMethodChoice c = method_choice();
    dialog.save(c);
    almanac::check_method_choice(c); // the dialog's bounds keep it valid; a fault is reported, not stored
    choose_method(c);
    refresh_prayer_times();
}

} // namespace almadex
