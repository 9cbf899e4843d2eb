#include "app/prayer_form.h"

#include "almanac/time_zone.h"
#include "app/artwork.h"
#include "app/command_keys.h"
#include "app/companion.h"
#include "app/core.h"
#include "app/date_formats.h"
#include "app/extra_times_menu.h"
#include "app/guard.h"
#include "app/messages.h"
#include "app/place_finder.h"
#include "app/prayer_method_dialog.h"
#include "app/schedule.h"
#include "app/zone_dialog.h"
#include "astro/errors.h"
#include "astro/qibla.h"
#include "controls/spin_edit.h"
#include "ui_prayer_form.h"

#include <QActionGroup>
#include <QApplication>
#include <QCompleter>
#include <QCoreApplication>
#include <QHeaderView>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

// Static libraries need their resources registered by name, outside any namespace.
static void init_world_map_resources() {
    Q_INIT_RESOURCE(world_map);
}

namespace almadex {
namespace {

// The world map as displayed: Greenwich on the equator at (93, 78), 180 degrees of longitude per half width
// and 90 degrees of latitude per half height (the picture is drawn to this rule by tools/make_world_map.py).
constexpr int kMapWidth = 205;
constexpr int kMapHeight = 126;
constexpr int kGreenwichX = 93;
constexpr int kEquatorY = 78;

/// trunc(v), trunc(frac(v) * 60), trunc(frac(frac(v) * 60) * 60) into the three fields, which clamp them.
void set_dms(TSpinEdit* degrees, TSpinEdit* minutes, TSpinEdit* seconds, double v) {
    const auto frac = [](double z) { return z - std::trunc(z); };
    const auto field = [](double z) { return static_cast<int>(std::clamp(std::trunc(z), -1e6, 1e6)); };
    degrees->setValue(field(v));
    minutes->setValue(field(frac(v) * 60));
    seconds->setValue(field(frac(frac(v) * 60) * 60));
}

/// The text of a place field as the schedule's heading shows it: 36° 12' 0" North.
QString dms_text(const TSpinEdit* degrees, const TSpinEdit* minutes, const TSpinEdit* seconds,
                 const QComboBox* side) {
    return QStringLiteral("%1\u00b0 %2' %3\" %4")
        .arg(degrees->value())
        .arg(minutes->value())
        .arg(seconds->value())
        .arg(side->currentText());
}

/// The same latitude and longitude.
bool same_coordinates(const almanac::TLocationFile& a, const almanac::TLocationFile& b) {
    return a.latitude_degrees == b.latitude_degrees && a.latitude_minutes == b.latitude_minutes &&
           a.latitude_seconds == b.latitude_seconds && a.equat == b.equat &&
           a.longitude_degrees == b.longitude_degrees && a.longitude_minutes == b.longitude_minutes &&
           a.longitude_seconds == b.longitude_seconds && a.green == b.green;
}

QString text_of(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

/// Restores the cursor however the block is left.
struct TBusyCursor {
    TBusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~TBusyCursor() { QApplication::restoreOverrideCursor(); }
    TBusyCursor(const TBusyCursor&) = delete;
    TBusyCursor& operator=(const TBusyCursor&) = delete;
};

} // namespace

TPrayerForm::TPrayerForm(TAppCore& core, QWidget* parent)
    : QMainWindow(parent), core_(core), ui(std::make_unique<Ui::TPrayerForm>()) {
    ui->setupUi(this);
    title_ = windowTitle();
    // A tool window with a system menu and a minimise button, of a fixed size.
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    adjustSize();
    setFixedSize(sizeHint());

    auto* names = new QActionGroup(this);
    names->setExclusive(true);
    names->addAction(ui->Usearabiannames);
    names->addAction(ui->Useenglishnames);
    names->addAction(ui->Usearabicscriptnames);

    // The long date (TDatePicker), within the years of the program's calendars.
    ui->Cal->setDateRange(QDate(999, 1, 1), QDate(2399, 12, 31));
    ui->TimeEditor->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    ui->TimeEditor->setTabKeyNavigation(false); // Tab goes on to the next field, not to the next cell
    ui->TimeEditor->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6); // six rows in view

    // The picture for the screen's density; the label shows it in 205 x 126 display pixels.
    static const bool registered = (init_world_map_resources(), true);
    (void)registered;
    const bool dense = devicePixelRatioF() > 1.0;
    QPixmap map(dense ? QStringLiteral(":/app/world_map@2x.png") : QStringLiteral(":/app/world_map.png"));
    if (dense) map.setDevicePixelRatio(2.0);
    ui->Map->setPixmap(map);
    ui->Map->setFixedSize(kMapWidth, kMapHeight);
    ui->Map->installEventFilter(this);

    extra_menu_ = new TExtraTimesMenu(ui->Options1);
    connect(extra_menu_, &TExtraTimesMenu::changed, this, guarded(this, &TPrayerForm::ExtraTimesClick));
    build_method_menu();
    build_zone_and_qibla();
    build_place_search();
    give_command_keys_priority(this); // Ctrl+D and F5 whatever field has the focus
    connect_handlers();
    FormCreate();
}

void TPrayerForm::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::LanguageChange && event->type() != QEvent::LocaleChange) return;
    ui->retranslateUi(this);
    title_ = windowTitle();
    show_title();
    translate_method_menu();
    show_zone_name();
    // The times again, with their names and dates in the language spoken; a failure stays with the window.
    run_guarded(this, [this] {
        TZZoneChange();
        refresh_prayer_times();
    });
}

void TPrayerForm::build_zone_and_qibla() {
    // The zone beside the offset: the fixed offset, the system's zone, then every zone of the tz database.
    zone_box_ = new QPushButton(tr("Zone..."), ui->GroupBox1);
    zone_box_->setObjectName(QStringLiteral("TZZone"));
    zone_box_->setToolTip(tr("Time zone with daylight saving time"));
    zone_box_->setGeometry(172, 100, 60, 22);
    connect(zone_box_, &QPushButton::clicked, this, guarded(this, &TPrayerForm::TZZoneClick));
    // In the tab order right after the offset it stands beside, not after the last field of the window.
    setTabOrder(ui->TZValue, zone_box_);

    qibla_compass_ = new QLabel(ui->ClientArea);
    qibla_compass_->setObjectName(QStringLiteral("QiblaCompass"));
    qibla_compass_->setGeometry(346, 138, 28, 28);
    qibla_text_ = new QLabel(ui->ClientArea);
    qibla_text_->setObjectName(QStringLiteral("QiblaText"));
    qibla_text_->setGeometry(378, 140, 72, 22);
}

void TPrayerForm::fit_size() {
    const auto fit = [this] {
        layout()->activate();
        centralWidget()->layout()->activate();
        setFixedSize(sizeHint());
        layout()->activate();
        centralWidget()->layout()->activate();
    };
    QLabel* text = place_strip_->text();
    text->setWordWrap(false);
    text->setMinimumHeight(0);
    fit();
    // A text longer than its line (a long country's or method's name, a translation) takes two.
    if (!place_strip_->isHidden() &&
        text->fontMetrics().horizontalAdvance(text->text()) > text->contentsRect().width()) {
        text->setWordWrap(true);
        text->setMinimumHeight(text->heightForWidth(text->width()));
        fit();
    }
}

void TPrayerForm::show_title() {
    const std::string& name = core_.prayer_choice().place.name;
    setWindowTitle(name.empty()
                       ? title_
                       : tr("%1 - %2", "the window's title, the place's name").arg(title_, text_of(name)));
}

QString TPrayerForm::zone_name() const {
    return QString::fromStdString(core_.prayer_choice().zone);
}

void TPrayerForm::TZZoneClick() {
    // Each zone with its offset now.
    TZoneDialog dialog(zone_name(), from_qdatetime(to_qdatetime(core_.now()).toUTC()), this);
    const bool chosen = core_.seams().run_dialog(dialog) == QDialog::Accepted;
    take_focus_back();
    if (!chosen) return;
    set_zone_name(dialog.chosen());
    refresh_prayer_times();
}

void TPrayerForm::take_focus_back() {
    raise();
    activateWindow();
}

void TPrayerForm::set_zone_name(const QString& name) {
    TPrayerChoice choice = choice_of_fields();
    choice.zone = almanac::is_time_zone(name.toStdString()) ? name.toStdString() : std::string();
    core_.set_prayer_choice(choice);
    TZZoneChange();
}

void TPrayerForm::TZZoneChange() {
    const QString zone = zone_name();
    show_zone_name();
    ui->TZSign->setEnabled(zone.isEmpty());
    ui->TZValue->setReadOnly(!zone.isEmpty());
    if (zone.isEmpty()) return;
    almanac::TPrayerOptions options;
    options.zone = zone.toStdString();
    show_zone(almanac::utc_offset_on(options, from_qdate(ui->Cal->date())));
}

void TPrayerForm::show_zone_name() {
    const QString zone = zone_name();
    if (zone.isEmpty()) {
        zone_box_->setText(tr("Zone..."));
        zone_box_->setToolTip(tr("Time zone with daylight saving time"));
        return;
    }
    // The whole name where it fits, else the name of its place.
    const QFontMetrics metrics(zone_box_->font());
    const int room = zone_box_->width() - 8;
    QString text = zone;
    if (metrics.horizontalAdvance(text) > room)
        text =
            metrics.elidedText(zone.section(QLatin1Char('/'), -1).replace(QLatin1Char('_'), QLatin1Char(' ')),
                               Qt::ElideRight, room);
    zone_box_->setText(text);
}

void TPrayerForm::show_zone(std::int32_t offset_seconds) {
    const QString zone = zone_name();
    if (zone.isEmpty()) return;
    const int minutes = std::abs(offset_seconds) / 60;
    ui->TZSign->setCurrentIndex(offset_seconds < 0 ? 1 : 0);
    ui->TZValue->setText(QStringLiteral("%1:%2")
                             .arg(minutes / 60, 2, 10, QLatin1Char('0'))
                             .arg(minutes % 60, 2, 10, QLatin1Char('0')));
    zone_box_->setToolTip(
        tr("%1: UT%2 on this day").arg(zone, QString::fromStdString(almanac::offset_text(offset_seconds))));
}

void TPrayerForm::show_qibla() {
    const almanac::TPlace place = core_.prayer_place();
    const astro::TQibla q = astro::qibla(place.latitude, place.longitude_west);
    qibla_compass_->setPixmap(qibla_picture(q.direction, 28, devicePixelRatioF()));
    // Within half a kilometre the place is the Kaaba itself, where no direction is asked for.
    const bool kaaba = q.distance_km < 0.5;
    const QString direction = shown_digits(QLocale().toString(q.direction, 'f', 1));
    qibla_text_->setText(kaaba ? tr("Kaaba") : tr("Qibla %1°").arg(direction));
    const QString tip = kaaba ? tr("This place is the Kaaba")
                              : tr("Qibla: %1° from true north, %2 km to the Kaaba")
                                    .arg(direction, shown_digits(QLocale().toString(q.distance_km, 'f', 0)));
    qibla_compass_->setToolTip(tip);
    qibla_text_->setToolTip(tip);
}

TPrayerForm::~TPrayerForm() = default;

void TPrayerForm::connect_handlers() {
    const auto on = [this](QAction* action, void (TPrayerForm::*handler)()) {
        connect(action, &QAction::triggered, this, guarded(this, handler));
    };
    on(ui->File1, &TPrayerForm::File1Click);
    on(ui->Currentdate1, &TPrayerForm::Currentdate1Click);
    on(ui->Update1, &TPrayerForm::Update1Click);
    on(ui->Nextmonth1, &TPrayerForm::Nextmonth1Click);
    on(ui->includesunrise, &TPrayerForm::includesunriseClick);
    on(ui->Usearabiannames, &TPrayerForm::UsearabiannamesClick);
    on(ui->Useenglishnames, &TPrayerForm::UseenglishnamesClick);
    on(ui->Usearabicscriptnames, &TPrayerForm::UsearabicscriptnamesClick);
    connect(ui->Cal, &QDateEdit::dateChanged, this, guarded(this, &TPrayerForm::CalChange));

    // Every change of the place, the offset, the names or the sunrise row goes to the core at once; what the
    // core holds shows in the fields.
    for (TSpinEdit* field :
         {ui->LatEdit1, ui->LatEdit2, ui->LatEdit3, ui->LonEdit1, ui->LonEdit2, ui->LonEdit3})
        connect(field, &QSpinBox::valueChanged, this, &TPrayerForm::report_choice);
    for (QComboBox* list : {ui->LatEdit4, ui->LonEdit4, ui->TZSign})
        connect(list, &QComboBox::currentIndexChanged, this, &TPrayerForm::report_choice);
    connect(ui->TZValue, &QLineEdit::textChanged, this, &TPrayerForm::report_choice);
    for (QAction* option : {ui->includesunrise, ui->Usearabiannames, ui->Usearabicscriptnames})
        connect(option, &QAction::toggled, this, &TPrayerForm::report_choice);
    connect(&core_, &TAppCore::place_changed, this, &TPrayerForm::show_choice);
    // The compass follows the place as it is typed or picked on the map.
    connect(&core_, &TAppCore::place_changed, this, [this] { run_guarded(this, [this] { show_qibla(); }); });
}

// --- the place, as the core holds it ---

TPrayerChoice TPrayerForm::choice_of_fields() const {
    TPrayerChoice c = core_.prayer_choice();
    almanac::TLocationFile& l = c.location;
    l.latitude_degrees = ui->LatEdit1->value();
    l.latitude_minutes = ui->LatEdit2->value();
    l.latitude_seconds = ui->LatEdit3->value();
    l.equat = ui->LatEdit4->currentIndex();
    l.longitude_degrees = ui->LonEdit1->value();
    l.longitude_minutes = ui->LonEdit2->value();
    l.longitude_seconds = ui->LonEdit3->value();
    l.green = ui->LonEdit4->currentIndex();
    l.sig = ui->TZSign->currentIndex();
    l.dec = latin_digits(ui->TZValue->text()).toStdString(); // stored in Latin digits
    c.sunrise = ui->includesunrise->isChecked();
    c.names = ui->Usearabiannames->isChecked()        ? almanac::TPrayerNames::transliterated
              : ui->Usearabicscriptnames->isChecked() ? almanac::TPrayerNames::arabic_script
                                                      : almanac::TPrayerNames::english;
    return c;
}

void TPrayerForm::report_choice() {
    if (showing_choice_) return;
    TPrayerChoice c = choice_of_fields();
    // A coordinate typed or clicked: the place is no longer the city named, nor proposed.
    if (!same_coordinates(c.location, core_.prayer_choice().location)) {
        c.place = {};
        withdraw_proposal();
    }
    core_.set_prayer_choice(c);
}

void TPrayerForm::show_choice(const TPrayerChoice& choice) {
    const QScopedValueRollback filling(showing_choice_, true);
    const almanac::TLocationFile& l = choice.location;
    // Only the fields that show something else are written: a field being typed into keeps its text and its
    // cursor (a number field reads a text beyond its range as its bound until the focus leaves it).
    const auto show = [](TSpinEdit* field, int value) {
        if (field->value() != value) field->setValue(value);
    };
    show(ui->LatEdit1, l.latitude_degrees);
    show(ui->LatEdit2, l.latitude_minutes);
    show(ui->LatEdit3, l.latitude_seconds);
    ui->LatEdit4->setCurrentIndex(l.equat);
    show(ui->LonEdit1, l.longitude_degrees);
    show(ui->LonEdit2, l.longitude_minutes);
    show(ui->LonEdit3, l.longitude_seconds);
    ui->LonEdit4->setCurrentIndex(l.green);
    ui->TZSign->setCurrentIndex(l.sig);
    const QString offset = QString::fromStdString(l.dec);
    if (ui->TZValue->text() != offset) ui->TZValue->setText(offset);
    ui->includesunrise->setChecked(choice.sunrise);
    (choice.names == almanac::TPrayerNames::transliterated  ? ui->Usearabiannames
     : choice.names == almanac::TPrayerNames::arabic_script ? ui->Usearabicscriptnames
                                                            : ui->Useenglishnames)
        ->setChecked(true);
    check_method(choice.method);
    const bool fixed = choice.zone.empty();
    show_zone_name();
    ui->TZSign->setEnabled(fixed);
    ui->TZValue->setReadOnly(!fixed);
    show_title();
}

// --- the fields ---

TSpinEdit* TPrayerForm::LatEdit(int i) const {
    return i == 1 ? ui->LatEdit1 : i == 2 ? ui->LatEdit2 : ui->LatEdit3;
}
TSpinEdit* TPrayerForm::LonEdit(int i) const {
    return i == 1 ? ui->LonEdit1 : i == 2 ? ui->LonEdit2 : ui->LonEdit3;
}
QComboBox* TPrayerForm::LatEdit4() const {
    return ui->LatEdit4;
}
QComboBox* TPrayerForm::LonEdit4() const {
    return ui->LonEdit4;
}
QComboBox* TPrayerForm::TZSign() const {
    return ui->TZSign;
}
QLineEdit* TPrayerForm::TZValue() const {
    return ui->TZValue;
}
QDateEdit* TPrayerForm::Cal() const {
    return ui->Cal;
}
QTableWidget* TPrayerForm::TimeEditor() const {
    return ui->TimeEditor;
}
QLabel* TPrayerForm::Map() const {
    return ui->Map;
}
// --- the day's times ---

void TPrayerForm::set_time(const QString& name, const QString& time) {
    QTableWidget* list = ui->TimeEditor;
    for (int r = 0; r < list->rowCount(); ++r) {
        if (list->item(r, 0) && list->item(r, 0)->text() == name) {
            list->item(r, 1)->setText(time);
            return;
        }
    }
    const int r = list->rowCount();
    list->insertRow(r);
    list->setItem(r, 0, new QTableWidgetItem(name));
    list->setItem(r, 1, new QTableWidgetItem(time));
}

void TPrayerForm::show_day_error(const QString& text) {
    QTableWidget* list = ui->TimeEditor;
    const int r = list->rowCount();
    list->insertRow(r);
    auto* item = new QTableWidgetItem(text);
    item->setToolTip(text);
    list->setItem(r, 0, item);
    list->setItem(r, 1, new QTableWidgetItem());
    list->setSpan(r, 0, 1, 2);
    list->resizeRowToContents(r);
}

QString TPrayerForm::day_error_text(const std::string& error) const {
    // Where the rules for days without a time are: the Method menu's items, named as the menu names them.
    QStringList places;
    for (QMenu* menu : method_menu_->findChildren<QMenu*>())
        if (menu->title().contains(QStringLiteral("latitude"), Qt::CaseInsensitive) ||
            menu->title().contains(QStringLiteral("sunrise"), Qt::CaseInsensitive))
            places << method_menu_->title().remove(u'&') + QStringLiteral(" > ") + menu->title().remove(u'&');
    QString text = prayer_message(error, core_.prayer_choice().names);
    if (!places.isEmpty()) text += u' ' + tr("(rules for such days: %1)").arg(places.join(tr(", ")));
    return text;
}

QString TPrayerForm::show_prayer_times(double date) {
    show_qibla();
    core_.date_format().ShortTimeFormat = QStringLiteral("hh:mm");
    // An invalid zone stops here, before any row.
    const almanac::TPrayerRequest request = core_.prayer_request(date, 1);
    const almanac::TPrayerDay day = almanac::prayer_schedule(request).front();
    // The offset in force on the day, daylight saving time included.
    show_zone(day.utc_offset_seconds);
    if (day.skipped) {
        set_time(date_to_str(day.date, core_.date_format()), skipped_day_note(zone_name()));
        return {};
    }
    for (const almanac::TPrayerTime& time : day.times)
        set_time(prayer_title(time, request.names),
                 prayer_time_text(day, time, core_.date_format(), request.options.method.round_to_minute));
    // A time that could not be computed ends the list after the rows before it, with the reason.
    if (day.error.empty()) return {};
    const QString error = day_error_text(day.error);
    show_day_error(error);
    return error;
}

void TPrayerForm::refresh_prayer_times() {
    ui->TimeEditor->setRowCount(0);
    // A command that asked for the times says why one is missing.
    const QString error = show_prayer_times(from_qdate(ui->Cal->date()));
    if (!error.isEmpty()) throw astro::Exception(error.toStdString());
}

// --- the map ---

void TPrayerForm::set_location_from_map(int x, int y) {
    // The product is formed in integers, the division in floating point.
    // The edges of the picture lie a little beyond the poles and the date line: clamped to them.
    ui->LonEdit4->setCurrentIndex(x <= kGreenwichX ? 0 : 1);
    set_dms(ui->LonEdit1, ui->LonEdit2, ui->LonEdit3,
            std::min(180.0, std::abs(x - kGreenwichX) * 180 / (kMapWidth / 2.0)));
    ui->LatEdit4->setCurrentIndex(y <= kEquatorY ? 0 : 1);
    set_dms(ui->LatEdit1, ui->LatEdit2, ui->LatEdit3,
            std::min(90.0, std::abs(y - kEquatorY) * 90 / (kMapHeight / 2.0)));
}

// --- handlers ---

void TPrayerForm::FormCreate() {
    {
        // Today before the location: a zone read from it shows its standard offset of today.
        const QSignalBlocker quiet(ui->Cal);
        ui->Cal->setDate(to_qdate(core_.now()));
    }
    // The place, the method and the zone of "gl.dat"; the core then keeps what the fields show of them (a
    // value beyond a field's range is brought to its bound).
    core_.load_prayer_choice(this);
    show_choice(core_.prayer_choice());
    TZZoneChange();
    report_choice();
    if (!core_.prayer_file_found()) ask_for_place();
    // Today's times. A saved place where they cannot be computed is told once the program is up (over the
    // main window, not under the start-up window), and the window still exists.
    try {
        Currentdate1Click();
    } catch (const std::exception& e) {
        core_.hold_until_started(
            {QCoreApplication::applicationName(),
             tr("Today's prayer times cannot be computed for the place saved in the prayer window "
                "(%1, %2): %3")
                 .arg(dms_text(ui->LatEdit1, ui->LatEdit2, ui->LatEdit3, ui->LatEdit4),
                      dms_text(ui->LonEdit1, ui->LonEdit2, ui->LonEdit3, ui->LonEdit4),
                      QString::fromUtf8(e.what())),
             QMessageBox::Warning, QMessageBox::Ok});
    }
}

void TPrayerForm::File1Click() {
    hide();
}

void TPrayerForm::Currentdate1Click() {
    {
        const QSignalBlocker quiet(ui->Cal); // the refresh below is the one computation
        ui->Cal->setDate(to_qdate(core_.now()));
    }
    refresh_prayer_times();
}

void TPrayerForm::Update1Click() {
    refresh_prayer_times();
}

void TPrayerForm::includesunriseClick() {
    refresh_prayer_times();
}

void TPrayerForm::UsearabiannamesClick() {
    ui->Usearabiannames->setChecked(true);
    refresh_prayer_times();
}

void TPrayerForm::UseenglishnamesClick() {
    ui->Useenglishnames->setChecked(true);
    refresh_prayer_times();
}

void TPrayerForm::UsearabicscriptnamesClick() {
    ui->Usearabicscriptnames->setChecked(true);
    refresh_prayer_times();
}

void TPrayerForm::CalChange() {
    ui->TimeEditor->setRowCount(0);
    // A date being typed is computed at each step: what fails is said in the list, never in a box that would
    // take the rest of the typing.
    try {
        show_prayer_times(from_qdate(ui->Cal->date()));
    } catch (const std::exception& e) {
        show_day_error(prayer_message(e.what(), core_.prayer_choice().names));
    }
    // A day chosen in the pop-up calendar hands the focus to the list; a day typed or stepped with the arrows
    // leaves it in the field, where the user goes on typing.
    if (!ui->Cal->hasFocus()) ui->TimeEditor->setFocus();
}

void TPrayerForm::MapMouseUp(Qt::MouseButton /*button*/, int x, int y) {
    set_location_from_map(x, y);
}

bool TPrayerForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui->Map && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const QPoint p = mouse->position().toPoint();
        const Qt::MouseButton button = mouse->button();
        run_guarded(this, [&] { MapMouseUp(button, p.x(), p.y()); });
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void TPrayerForm::Nextmonth1Click() {
    const TBusyCursor busy;

    core_.date_format().ShortTimeFormat = QStringLiteral("hh:mm");
    // An invalid zone stops here, before any line.
    const almanac::TPrayerRequest request = core_.prayer_request(from_qdate(ui->Cal->date()), 30);

    // A day that could not be computed ends the report there; the window then stays as it was.
    const QString error = core_.show_schedule(request, almanac::prayer_schedule(request));
    if (!error.isEmpty()) throw astro::Exception(error.toStdString());
}

} // namespace almadex
