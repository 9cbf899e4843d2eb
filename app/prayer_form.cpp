#include "app/prayer_form.h"

#include "almanac/data_files.h"
#include "almanac/prayer_file.h"
#include "almanac/time_zone.h"
#include "app/command_keys.h"
#include "app/data_files.h"
#include "app/date_formats.h"
#include "app/forms.h"
#include "app/guard.h"
#include "app/main_form.h"
#include "app/messages.h"
#include "app/month_form.h"
#include "app/prayer_method_dialog.h"
#include "astro/errors.h"
#include "astro/qibla.h"
#include "controls/spin_edit.h"
#include "ui_prayer_form.h"

#include <QActionGroup>
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QHeaderView>
#include <QInputDialog>
#include <QListView>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScreen>
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

QString default_program_folder() {
    if (TMainForm* main = forms().main) return main->ProgramFolder();
    return QCoreApplication::applicationDirPath() + QDir::separator();
}

/// Degrees, minutes and seconds of the fields as one angle.
double dms(const TSpinEdit* degrees, const TSpinEdit* minutes, const TSpinEdit* seconds) {
    return degrees->value() + minutes->value() / 60.0 + seconds->value() / 3600.0;
}

/// trunc(v), trunc(frac(v) * 60), trunc(frac(frac(v) * 60) * 60) into the three fields, which clamp them.
void set_dms(TSpinEdit* degrees, TSpinEdit* minutes, TSpinEdit* seconds, double v) {
    const auto frac = [](double z) { return z - std::trunc(z); };
    const auto field = [](double z) { return static_cast<int>(std::clamp(std::trunc(z), -1e6, 1e6)); };
    degrees->setValue(field(v));
    minutes->setValue(field(frac(v) * 60));
    seconds->setValue(field(frac(frac(v) * 60) * 60));
}

/// A compass rose with the Qibla's direction: north up, the needle toward the Kaaba.
QPixmap qibla_picture(double direction, int size, qreal ratio) {
    QPixmap picture(QSize(size, size) * ratio);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(size / 2.0, size / 2.0);
    const double r = size / 2.0 - 1;
    p.setPen(QPen(Qt::darkGray, 1));
    p.setBrush(Qt::white);
    p.drawEllipse(centre, r, r);
    p.setPen(QPen(Qt::red, 1.5));
    p.drawLine(centre + QPointF(0, -r), centre + QPointF(0, -r + 4)); // north
    p.translate(centre);
    p.rotate(direction);
    QPainterPath needle;
    needle.moveTo(0, -r + 2);
    needle.lineTo(3, 0);
    needle.lineTo(-3, 0);
    needle.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 110, 60));
    p.drawPath(needle);
    p.setBrush(Qt::darkGray);
    p.drawEllipse(QPointF(0, 0), 1.5, 1.5);
    return picture;
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

/// Restores the cursor however the block is left.
struct TBusyCursor {
    TBusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~TBusyCursor() { QApplication::restoreOverrideCursor(); }
    TBusyCursor(const TBusyCursor&) = delete;
    TBusyCursor& operator=(const TBusyCursor&) = delete;
};

} // namespace

QString prayer_title(almanac::TPrayer prayer, bool arabic) {
    const std::string_view name = almanac::prayer_name(prayer, arabic);
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

TPrayerForm::TPrayerForm(QWidget* parent) : TPrayerForm(default_program_folder(), parent) {}

TPrayerForm::TPrayerForm(const QString& program_folder, QWidget* parent)
    : QMainWindow(parent), ui(std::make_unique<Ui::TPrayerForm>()) {
    ui->setupUi(this);
    // A tool window with a system menu and a minimise button, of a fixed size.
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    adjustSize();
    setFixedSize(sizeHint());
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    auto* names = new QActionGroup(this);
    names->setExclusive(true);
    names->addAction(ui->Usearabiannames);
    names->addAction(ui->Useenglishnames);

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

    const TDataFileLocation location = locate_data_file(program_folder, QStringLiteral("gl.dat"));
    location_read_path_ = location.read_path;
    location_write_path_ = location.write_path;

    build_method_menu();
    build_zone_and_qibla();
    run_method_dialog = [](TPrayerMethodDialog& dialog) { return dialog.exec() == QDialog::Accepted; };
    choose_zone = [](QWidget* owner, const QStringList& zones, int current, bool& ok) {
        return QInputDialog::getItem(owner, QStringLiteral("Time zone"),
                                     QStringLiteral("Time zone (the system's first):"), zones, current, false,
                                     &ok);
    };
    give_command_keys_priority(this); // Ctrl+D and F5 whatever field has the focus
    connect_handlers();
    FormCreate();
}

void TPrayerForm::build_method_menu() {
    method_menu_ = new QMenu(QStringLiteral("&Method"), this);
    method_menu_->setObjectName(QStringLiteral("Method1"));
    menuBar()->addMenu(method_menu_);
    const auto item_name = [](const char* prefix, std::string_view key) {
        QString name =
            QString::fromLatin1(prefix) + QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size()));
        return name.replace(QLatin1Char('-'), QLatin1Char('_'));
    };
    const auto text = [](std::string_view v) {
        return QString::fromUtf8(v.data(), static_cast<qsizetype>(v.size()));
    };
    const auto group = [this, &item_name, &text](QMenu* menu, const char* prefix, const auto& table) {
        auto* g = new QActionGroup(menu);
        g->setExclusive(true);
        int index = 0;
        for (const auto& row : table) {
            QAction* a = menu->addAction(text(row.title));
            a->setObjectName(item_name(prefix, row.key));
            a->setCheckable(true);
            a->setData(index++);
            g->addAction(a);
            connect(a, &QAction::triggered, this, guarded(this, &TPrayerForm::MethodClick));
        }
    };
    group(method_menu_, "method_", almanac::prayer_methods);
    method_menu_->addSeparator();
    group(method_menu_->addMenu(QStringLiteral("&Asr")), "asr_", almanac::asr_school_names);
    group(method_menu_->addMenu(QStringLiteral("&High latitudes")), "highlat_", almanac::high_latitude_names);
    group(method_menu_->addMenu(QStringLiteral("Days without sunrise or sunset")), "polar_",
          almanac::polar_names);
    QAction* round = method_menu_->addAction(QStringLiteral("Round to the minute"));
    round->setObjectName(QStringLiteral("round_minute"));
    round->setCheckable(true);
    connect(round, &QAction::triggered, this, guarded(this, &TPrayerForm::MethodClick));
    QAction* adjust = method_menu_->addAction(QStringLiteral("Adjustments..."));
    adjust->setObjectName(QStringLiteral("Adjustments1"));
    connect(adjust, &QAction::triggered, this, guarded(this, &TPrayerForm::Adjustments1Click));
    set_method_choice(method_choice_);
}

void TPrayerForm::build_zone_and_qibla() {
    // The zone beside the offset: the fixed offset, the system's zone, then every zone of the tz database.
    zone_box_ = new QPushButton(QStringLiteral("Zone..."), ui->GroupBox1);
    zone_box_->setObjectName(QStringLiteral("TZZone"));
    zone_box_->setToolTip(QStringLiteral("Time zone with daylight saving time"));
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

void TPrayerForm::set_method_choice(const almanac::TMethodChoice& choice) {
    method_choice_ = choice;
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
}

QString TPrayerForm::zone_name() const {
    return zone_;
}

QStringList TPrayerForm::zone_choices() {
    QStringList zones{QStringLiteral("Fixed offset")};
    const QString system = QString::fromStdString(almanac::system_time_zone());
    if (!system.isEmpty()) zones << system;
    for (const std::string& name : almanac::time_zone_names()) {
        const QString zone = QString::fromStdString(name);
        if (zone != system) zones << zone;
    }
    return zones;
}

void TPrayerForm::TZZoneClick() {
    const QStringList zones = zone_choices();
    const int current = zone_.isEmpty() ? 0 : std::max<int>(0, static_cast<int>(zones.indexOf(zone_)));
    bool ok = false;
    const QString chosen = choose_zone(this, zones, current, ok);
    if (!ok) return;
    set_zone_name(chosen == zones.first() ? QString() : chosen);
}

void TPrayerForm::set_zone_name(const QString& name) {
    zone_ = almanac::is_time_zone(name.toStdString()) ? name : QString();
    zone_box_->setText(zone_.isEmpty() ? QStringLiteral("Zone...") : QStringLiteral("Zone"));
    TZZoneChange();
}

void TPrayerForm::MethodClick() {
    almanac::TMethodChoice c = method_choice_;
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
    set_method_choice(c);
    refresh_prayer_times();
}

void TPrayerForm::Adjustments1Click() {
    TPrayerMethodDialog dialog(this);
    dialog.load(method_choice_);
    if (!run_method_dialog(dialog)) return;
    almanac::TMethodChoice c = method_choice_;
    dialog.save(c);
    almanac::check_method_choice(c); // the dialog's bounds keep it valid; a fault is reported, not stored
    set_method_choice(c);
    refresh_prayer_times();
}

void TPrayerForm::TZZoneChange() {
    const QString zone = zone_name();
    ui->TZSign->setEnabled(zone.isEmpty());
    ui->TZValue->setReadOnly(!zone.isEmpty());
    if (zone.isEmpty()) return;
    const almanac::TTimeZone rules(zone.toStdString());
    const int seconds = rules.standard_offset_at(from_qdate(ui->Cal->date()));
    const int minutes = std::abs(seconds) / 60;
    ui->TZSign->setCurrentIndex(seconds < 0 ? 1 : 0);
    ui->TZValue->setText(QStringLiteral("%1:%2")
                             .arg(minutes / 60, 2, 10, QLatin1Char('0'))
                             .arg(minutes % 60, 2, 10, QLatin1Char('0')));
}

void TPrayerForm::show_qibla() {
    const astro::TQibla q = astro::qibla(prayer_latitude(), prayer_longitude());
    qibla_compass_->setPixmap(qibla_picture(q.direction, 28, devicePixelRatioF()));
    qibla_text_->setText(QStringLiteral("Qibla %1\u00b0").arg(q.direction, 0, 'f', 1));
    const QString tip = QStringLiteral("Qibla: %1\u00b0 from true north, %2 km to the Kaaba")
                            .arg(q.direction, 0, 'f', 1)
                            .arg(QLocale().toString(q.distance_km, 'f', 0));
    qibla_compass_->setToolTip(tip);
    qibla_text_->setToolTip(tip);
}

TPrayerForm::~TPrayerForm() {
    FormDestroy();
}

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
    connect(ui->Cal, &QDateEdit::dateChanged, this, guarded(this, &TPrayerForm::CalChange));
}

// --- what the schedule reads ---

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
bool TPrayerForm::IncludeSunrise() const {
    return ui->includesunrise->isChecked();
}
bool TPrayerForm::ArabianNames() const {
    return ui->Usearabiannames->isChecked();
}

// --- the place ---

double TPrayerForm::prayer_latitude() const {
    const double v = dms(ui->LatEdit1, ui->LatEdit2, ui->LatEdit3);
    return ui->LatEdit4->currentIndex() == 0 ? v : -v;
}

double TPrayerForm::prayer_longitude() const {
    const double v = dms(ui->LonEdit1, ui->LonEdit2, ui->LonEdit3);
    return ui->LonEdit4->currentIndex() == 0 ? v : -v;
}

double TPrayerForm::time_zone_offset() const {
    const double v = str_to_time(ui->TZValue->text());
    return ui->TZSign->currentIndex() == 0 ? v : -v;
}

almanac::TPlace TPrayerForm::place() const {
    return {prayer_latitude(), prayer_longitude()};
}

almanac::TPrayerOptions TPrayerForm::prayer_options() const {
    almanac::TPrayerOptions options;
    options.sunrise = IncludeSunrise();
    options.utc_offset_seconds = static_cast<std::int32_t>(std::llround(time_zone_offset() * 86400));
    options.zone = zone_name().toStdString();
    options.method = method_choice_;
    if (TMainForm* main = forms().main) options.method.islamic = main->islamic_choice();
    return options;
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

void TPrayerForm::show_prayer_times(double date) {
    const almanac::TPlace where = place();
    show_qibla();
    format_settings().ShortTimeFormat = QStringLiteral("hh:mm");
    const almanac::TPrayerOptions options = prayer_options(); // an invalid zone stops here, before any row
    const almanac::TPrayerDay day = almanac::prayer_schedule(where, date, 1, options).front();
    // The day's own offset, daylight saving time included, beside the zone's standard one in the fields.
    zone_box_->setToolTip(options.zone.empty() ? QStringLiteral("Time zone with daylight saving time")
                                               : QStringLiteral("%1: UT%2 on this day")
                                                     .arg(QString::fromStdString(options.zone),
                                                          QString::fromStdString(
                                                              almanac::offset_text(day.utc_offset_seconds))));
    const bool arabic = ArabianNames();
    for (const almanac::TPrayerTime& time : day.times)
        set_time(prayer_title(time.prayer, arabic), time_to_str(day.local(time)));
    // A time that could not be computed ends the list after the rows before it.
    if (!day.error.empty()) throw astro::Exception(day.error);
}

void TPrayerForm::refresh_prayer_times() {
    ui->TimeEditor->setRowCount(0);
    show_prayer_times(from_qdate(ui->Cal->date()));
}

// --- the location file ---

void TPrayerForm::load_location() {
    // A missing file reads as an empty one: every key takes its default. One that exists but cannot be read
    // is said once and left as it is: the defaults are shown and the file is not saved in this run.
    std::string text;
    if (!read_data_file_at_start(this, location_read_path_, text)) save_allowed_ = false;
    const almanac::TLocationFile l = almanac::parse_location(text);
    ui->LatEdit1->setValue(l.latitude_degrees);
    ui->LatEdit2->setValue(l.latitude_minutes);
    ui->LatEdit3->setValue(l.latitude_seconds);
    ui->LatEdit4->setCurrentIndex(l.equat);
    ui->LonEdit1->setValue(l.longitude_degrees);
    ui->LonEdit2->setValue(l.longitude_minutes);
    ui->LonEdit3->setValue(l.longitude_seconds);
    ui->LonEdit4->setCurrentIndex(l.green);
    ui->TZSign->setCurrentIndex(l.sig);
    ui->TZValue->setText(QString::fromStdString(l.dec));
    // The method and the zone, in sections of their own (almanac/prayer_file.h).
    const almanac::TPrayerFileChoice choice = almanac::parse_prayer_choice(text);
    set_method_choice(choice.method);
    set_zone_name(QString::fromStdString(choice.zone));
}

void TPrayerForm::save_location() {
    if (!save_allowed_) return;
    almanac::TLocationFile l;
    l.latitude_degrees = ui->LatEdit1->value();
    l.latitude_minutes = ui->LatEdit2->value();
    l.latitude_seconds = ui->LatEdit3->value();
    l.equat = ui->LatEdit4->currentIndex();
    l.longitude_degrees = ui->LonEdit1->value();
    l.longitude_minutes = ui->LonEdit2->value();
    l.longitude_seconds = ui->LonEdit3->value();
    l.green = ui->LonEdit4->currentIndex();
    l.sig = ui->TZSign->currentIndex();
    l.dec = ui->TZValue->text().toStdString();
    QString error;
    // The method and the zone in sections of their own after the place's (almanac/prayer_file.h).
    const std::string text = almanac::format_location(l) +
                             almanac::format_prayer_choice({method_choice_, zone_name().toStdString()});
    if (write_file_atomically(location_write_path_, QByteArray::fromStdString(text), error)) {
        location_read_path_ = location_write_path_;
        return;
    }
    report_save_failure(this, location_write_path_, error);
}

void TPrayerForm::set_location_from_map(int x, int y) {
    // The product is formed in integers, the division in floating point.
    ui->LonEdit4->setCurrentIndex(x <= kGreenwichX ? 0 : 1);
    set_dms(ui->LonEdit1, ui->LonEdit2, ui->LonEdit3, std::abs(x - kGreenwichX) * 180 / (kMapWidth / 2.0));
    ui->LatEdit4->setCurrentIndex(y <= kEquatorY ? 0 : 1);
    set_dms(ui->LatEdit1, ui->LatEdit2, ui->LatEdit3, std::abs(y - kEquatorY) * 90 / (kMapHeight / 2.0));
}

// --- handlers ---

void TPrayerForm::FormCreate() {
    {
        // Today before the location: a zone read from it shows its standard offset of today.
        const QSignalBlocker quiet(ui->Cal);
        ui->Cal->setDate(to_qdate(now_datetime()));
    }
    load_location();
    // Today's times. A saved place where they cannot be computed is told once the program is up (over the
    // main window, not under the start-up window), and the window still exists.
    try {
        Currentdate1Click();
    } catch (const std::exception& e) {
        hold_until_started(
            {QCoreApplication::applicationName(),
             QStringLiteral(
                 "Today's prayer times cannot be computed for the place saved in the prayer window "
                 "(%1, %2): %3")
                 .arg(dms_text(ui->LatEdit1, ui->LatEdit2, ui->LatEdit3, ui->LatEdit4),
                      dms_text(ui->LonEdit1, ui->LonEdit2, ui->LonEdit3, ui->LonEdit4),
                      QString::fromUtf8(e.what())),
             QMessageBox::Warning, QMessageBox::Ok});
    }
}

void TPrayerForm::FormDestroy() {
    save_location();
}

void TPrayerForm::File1Click() {
    hide();
}

void TPrayerForm::Currentdate1Click() {
    {
        const QSignalBlocker quiet(ui->Cal); // the refresh below is the one computation
        ui->Cal->setDate(to_qdate(now_datetime()));
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

void TPrayerForm::CalChange() {
    ui->TimeEditor->setRowCount(0);
    show_prayer_times(from_qdate(ui->Cal->date()));
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
    TMonthForm* month = forms().month;
    if (!month) return;
    const TBusyCursor busy;

    const double first_day = from_qdate(ui->Cal->date());
    TSchedule schedule;
    schedule.latitude = dms_text(ui->LatEdit1, ui->LatEdit2, ui->LatEdit3, ui->LatEdit4);
    schedule.longitude = dms_text(ui->LonEdit1, ui->LonEdit2, ui->LonEdit3, ui->LonEdit4);
    schedule.time_zone = ui->TZSign->currentText() + ui->TZValue->text();
    schedule.place = place();
    format_settings().ShortTimeFormat = QStringLiteral("hh:mm");
    const almanac::TPrayerOptions options = prayer_options(); // an invalid zone stops here, before any line
    schedule.arabic = ArabianNames();
    schedule.options = options;
    schedule.days = almanac::prayer_schedule(schedule.place, first_day, 30, options);

    // A day that could not be computed ends the report there; the window then stays as it was.
    const QString error = month->set_schedule(std::move(schedule));
    if (!error.isEmpty()) throw astro::Exception(error.toStdString());
    month->show();
    month->raise();
}

} // namespace almadex
