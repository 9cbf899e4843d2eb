#include "app/prayer_form.h"

#include "almanac/data_files.h"
#include "app/command_keys.h"
#include "app/data_files.h"
#include "app/date_formats.h"
#include "app/forms.h"
#include "app/guard.h"
#include "app/main_form.h"
#include "app/messages.h"
#include "app/month_form.h"
#include "astro/errors.h"
#include "controls/spin_edit.h"
#include "ui_prayer_form.h"

#include <QActionGroup>
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLocale>
#include <QMouseEvent>
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

    give_command_keys_priority(this); // Ctrl+D and F5 whatever field has the focus
    connect_handlers();
    FormCreate();
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
    format_settings().ShortTimeFormat = QStringLiteral("hh:mm");
    const almanac::TPrayerOptions options = prayer_options(); // an invalid zone stops here, before any row
    const almanac::TPrayerDay day = almanac::prayer_schedule(where, date, 1, options).front();
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
    if (write_file_atomically(location_write_path_, QByteArray::fromStdString(almanac::format_location(l)),
                              error)) {
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
    schedule.days = almanac::prayer_schedule(schedule.place, first_day, 30, options);

    // A day that could not be computed ends the report there; the window then stays as it was.
    const QString error = month->set_schedule(std::move(schedule));
    if (!error.isEmpty()) throw astro::Exception(error.toStdString());
    month->show();
    month->raise();
}

} // namespace almadex
