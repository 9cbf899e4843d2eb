#include "app/core.h"

#include "almanac/places.h"
#include "almanac/prayer_file.h"
#include "almanac/prayer_file_check.h"
#include "app/between_form.h"
#include "app/calendar_form.h"
#include "app/companion.h"
#include "app/guard.h"
#include "app/info_form.h"
#include "app/intro_form.h"
#include "app/lunar_form.h"
#include "app/main_form.h"
#include "app/month_form.h"
#include "app/prayer_form.h"
#include "app/product.h"
#include "app/repository_form.h"
#include "app/settings.h"
#include "app/shell_open.h"
#include "app/window_place.h"
#include "controls/tip_dialog.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QScreen>
#include <QSettings>
#include <QStringList>
#include <QUrl>
#include <cmath>
#include <utility>

namespace almadex {
namespace {

/// Where a window is placed: by itself (the main window, the dialogs), once when it is made, or against the
/// main window each time it is shown.
enum class TPlaced : std::uint8_t { by_itself, when_made, each_showing };

/// How a command shows a window.
struct TShowing {
    TPlaced placed;
    bool raised;    ///< brought in front of the other windows
    bool activated; ///< given the keyboard
    bool modal;     ///< run as a modal dialog
};

constexpr std::array<TShowing, window_count> showings{{
    {TPlaced::by_itself, true, true, false},     // main: where it was left, kept reachable
    {TPlaced::by_itself, false, false, true},    // intro: centred on its screen
    {TPlaced::by_itself, false, false, true},    // info
    {TPlaced::each_showing, true, false, false}, // lunar
    {TPlaced::each_showing, true, true, false},  // calendar
    {TPlaced::when_made, true, true, false},     // prayer
    {TPlaced::when_made, true, false, false},    // month
    {TPlaced::each_showing, true, true, false},  // between
    {TPlaced::each_showing, true, true, false},  // repository
}};

std::size_t index(TWindow window) {
    return static_cast<std::size_t>(window);
}

} // namespace

TAppCore::TAppCore(const QString& program_folder, TSeams seams)
    : seams_(std::move(seams)), settings_(user_settings()) {
    boxes_before_ = route_message_boxes(&seams_.message_box);
    set_program_folder(program_folder.isEmpty() ? QCoreApplication::applicationDirPath() : program_folder);
    moment_ = now();
    const QDate today = to_qdate(moment_);
    gregorian_fields_ = {today.day(), today.month(), today.year()};
    islamic_choice_ = read_islamic_choice(*settings_);
    language_ = read_language_choice(*settings_);
    translations_.apply(language_);
}

TAppCore::~TAppCore() {
    companion_.reset();
    for (std::size_t i = window_count; i-- > 0;) {
        if (std::unique_ptr<QWidget>& window = windows_[i]) {
            window->removeEventFilter(this);
            window.reset();
        }
        if (static_cast<TWindow>(i) == TWindow::prayer) save_prayer_choice();
    }
    route_message_boxes(boxes_before_);
}

// --- seams, clock, folders ---

double TAppCore::now() const {
    return from_qdatetime(seams_.clock());
}

void TAppCore::open_url(QWidget* parent, const QUrl& url, const QString& what) {
    if (!seams_.open_url(url)) tell_cannot_open(parent, url, what);
}

QString TAppCore::guide_file() const {
    // The guide in the language spoken (index.fr.html, index.ar.html) where it is there, else the English
    // one.
    const TLanguage spoken = spoken_language();
    QString page;
    for (const QString& name : {QStringLiteral("index.") + language_code(spoken) + QStringLiteral(".html"),
                                QStringLiteral("index.html")}) {
        if (spoken == TLanguage::english && name != QStringLiteral("index.html")) continue;
        const QString beside = program_folder_ + QStringLiteral("help/") + name;
        const QString installed = program_folder_ + QStringLiteral("../share/almadex/help/") + name;
        page =
            !QFileInfo::exists(beside) && QFileInfo::exists(installed) ? QDir::cleanPath(installed) : beside;
        if (QFileInfo::exists(page)) break;
    }
    return page;
}

void TAppCore::set_program_folder(const QString& folder) {
    program_folder_ = QDir::toNativeSeparators(QDir::cleanPath(folder));
    if (!program_folder_.endsWith(QDir::separator())) program_folder_ += QDir::separator();
}

TDataFileLocation TAppCore::data_file(const QString& name) const {
    return locate_data_file(program_folder_, name);
}

QString TAppCore::data_folder() const {
    return QFileInfo(data_file(QStringLiteral("dates.dat")).write_path).absolutePath();
}

void TAppCore::set_language(const TLanguageChoice& choice) {
    write_language_choice(*settings_, choice);
    if (choice == language_) return;
    language_ = choice;
    translations_.apply(language_);
    emit language_changed(language_);
}

// --- the converter's day and the Islamic calendar ---

void TAppCore::set_moment(double moment) {
    moment_ = moment;
}

void TAppCore::send_to_converter(int day, int month, int year) {
    emit day_sent(day, month, year);
}

void TAppCore::set_islamic_choice(const almanac::TIslamicChoice& choice) {
    almanac::check_hijri_adjust(choice.adjust_days);
    islamic_choice_ = choice;
    write_islamic_choice(*settings_, islamic_choice_);
    emit islamic_choice_changed(islamic_choice_);
}

// --- the prayer place ---

void TAppCore::load_prayer_choice(QWidget* parent) {
    if (prayer_loaded_) return;
    prayer_loaded_ = true;
    prayer_file_ = data_file(QStringLiteral("gl.dat"));
    prayer_file_found_ = QFileInfo::exists(prayer_file_.read_path);
    std::string text;
    if (!read_data_file_at_start(parent, prayer_file_.read_path, text)) prayer_save_allowed_ = false;
    // Values that read as something else than they say take their defaults: said once the program is up.
    const std::vector<std::string> faults = almanac::prayer_file_faults(text);
    if (!faults.empty()) {
        QStringList values;
        for (const std::string& fault : faults) values << QString::fromStdString(fault);
        hold_until_started(
            {QCoreApplication::applicationName(),
             tr("%1 holds values that cannot be read: %2. The prayer window shows its defaults "
                "in their place, which are saved when the program ends.")
                 .arg(QDir::toNativeSeparators(prayer_file_.read_path), values.join(tr(", "))),
             QMessageBox::Warning, QMessageBox::Ok});
    }
    TPrayerChoice choice = prayer_choice_;
    choice.location = almanac::parse_location(text);
    saved_offset_ = choice.location.dec;
    // The method and the zone, in sections of their own (almanac/prayer_file.h).
    const almanac::TPrayerFileChoice file = almanac::parse_prayer_choice(text);
    choice.method = file.method;
    choice.zone = file.zone;
    choice.place = file.place;
    place_methods_ = file.place_methods;
    set_prayer_choice(choice);
}

const almanac::TMethodId* TAppCore::place_method(const std::string& id) const {
    for (const almanac::TPlaceMethod& m : place_methods_)
        if (m.id == id) return &m.method;
    return nullptr;
}

void TAppCore::remember_place_method(const std::string& id, almanac::TMethodId method) {
    almanac::TPrayerFileChoice file;
    file.place_methods = std::move(place_methods_);
    almanac::remember_method(file, id, method);
    place_methods_ = std::move(file.place_methods);
}

bool TAppCore::is_offset_text(const std::string& text) {
    static const QRegularExpression offset(QStringLiteral("^([01]?[0-9]|2[0-3]):[0-5][0-9]$"));
    return offset.match(QString::fromStdString(text)).hasMatch();
}

void TAppCore::set_prayer_choice(const TPrayerChoice& choice) {
    if (choice == prayer_choice_) return;
    if (is_offset_text(choice.location.dec)) saved_offset_ = choice.location.dec;
    prayer_choice_ = choice;
    emit place_changed(prayer_choice_);
}

bool TAppCore::save_prayer_choice() {
    if (!prayer_loaded_ || !prayer_save_allowed_) return false;
    // An offset that is no time of day (being typed, or refused) is never written: the last good one is.
    almanac::TLocationFile location = prayer_choice_.location;
    if (is_offset_text(location.dec))
        saved_offset_ = location.dec;
    else
        location.dec = saved_offset_;
    const std::string text = almanac::format_location(location) +
                             almanac::format_prayer_choice({prayer_choice_.method, prayer_choice_.zone,
                                                            prayer_choice_.place, place_methods_});
    QString error;
    if (write_file_atomically(prayer_file_.write_path, QByteArray::fromStdString(text), error)) {
        prayer_file_.read_path = prayer_file_.write_path;
        return true;
    }
    report_save_failure(dialog_parent(), prayer_file_.write_path, error);
    return false;
}

almanac::TPlace TAppCore::prayer_place() const {
    return almanac::location_place(prayer_choice_.location);
}

almanac::TPrayerOptions TAppCore::prayer_options() const {
    almanac::TPrayerOptions options;
    options.sunrise = prayer_choice_.sunrise;
    const double offset = str_to_time(QString::fromStdString(prayer_choice_.location.dec), date_format_);
    options.utc_offset_seconds = static_cast<std::int32_t>(
        std::llround((prayer_choice_.location.sig == 0 ? offset : -offset) * 86400));
    options.zone = prayer_choice_.zone;
    options.method = prayer_choice_.method;
    options.method.islamic = islamic_choice_;
    return options;
}

almanac::TPrayerRequest TAppCore::prayer_request(double first_day, int days) const {
    almanac::TPrayerRequest request;
    request.place = prayer_place();
    request.options = prayer_options();
    const almanac::TLocationFile& l = prayer_choice_.location;
    request.tz_text = (l.sig == 0 ? "+" : "-") + l.dec;
    request.first_day = first_day;
    request.days = days;
    request.names = prayer_choice_.names;
    request.place_name = prayer_choice_.place.name; // the city chosen by its name, named in the schedule
    return request;
}

// --- the prayer companion ---

TCompanion& TAppCore::companion() {
    if (!companion_) companion_ = std::make_unique<TCompanion>(*this);
    return *companion_;
}

// --- the windows ---

std::unique_ptr<QWidget> TAppCore::make_window(TWindow window) {
    switch (window) {
    case TWindow::main:
        return std::make_unique<TMainForm>(*this);
    case TWindow::intro:
        return std::make_unique<TIntroForm>(*this);
    case TWindow::info:
        return std::make_unique<TInfoForm>(*this);
    case TWindow::lunar:
        return std::make_unique<TLunarForm>(*this);
    case TWindow::calendar:
        return std::make_unique<TCalendarForm>(*this);
    case TWindow::prayer:
        return std::make_unique<TPrayerForm>(*this); // reads "gl.dat"
    case TWindow::month:
        return std::make_unique<TMonthForm>(*this);
    case TWindow::between:
        return std::make_unique<TBetweenForm>(*this);
    case TWindow::repository:
        return std::make_unique<TRepositoryForm>(*this); // reads "dates.dat"
    }
    return nullptr;
}

QWidget& TAppCore::window(TWindow window) {
    std::unique_ptr<QWidget>& slot = windows_[index(window)];
    if (!slot) {
        std::unique_ptr<QWidget> made = make_window(window);
        made->installEventFilter(this);
        slot = std::move(made);
        if (showings[index(window)].placed == TPlaced::when_made) place(window);
    }
    return *slot;
}

QWidget* TAppCore::existing_window(TWindow window) const {
    return windows_[index(window)].get();
}

TMainForm& TAppCore::main_form() {
    return static_cast<TMainForm&>(window(TWindow::main));
}
TIntroForm& TAppCore::intro_form() {
    return static_cast<TIntroForm&>(window(TWindow::intro));
}
TInfoForm& TAppCore::info_form() {
    return static_cast<TInfoForm&>(window(TWindow::info));
}
TLunarForm& TAppCore::lunar_form() {
    return static_cast<TLunarForm&>(window(TWindow::lunar));
}
TCalendarForm& TAppCore::calendar_form() {
    return static_cast<TCalendarForm&>(window(TWindow::calendar));
}
TPrayerForm& TAppCore::prayer_form() {
    return static_cast<TPrayerForm&>(window(TWindow::prayer));
}
TMonthForm& TAppCore::month_form() {
    return static_cast<TMonthForm&>(window(TWindow::month));
}
TBetweenForm& TAppCore::between_form() {
    return static_cast<TBetweenForm&>(window(TWindow::between));
}
TRepositoryForm& TAppCore::repository_form() {
    return static_cast<TRepositoryForm&>(window(TWindow::repository));
}

void TAppCore::create_windows() {
    for (std::size_t i = 0; i < window_count; ++i) window(static_cast<TWindow>(i));
}

void TAppCore::place(TWindow window) {
    QWidget* placed = existing_window(window);
    const QWidget* main = existing_window(TWindow::main);
    // The converter's other side windows that are shown: a window opens where it covers none of them.
    // Where the window manager has not yet told where a window went, the place given to it counts too.
    QList<QRect> taken;
    for (const TWindow side : {TWindow::lunar, TWindow::calendar, TWindow::between, TWindow::repository})
        if (const QWidget* other = existing_window(side); other && side != window && other->isVisible()) {
            taken << QRect(other->frameGeometry().topLeft(), frame_size(other, main));
            if (const QRect given = placed_frames_[index(side)]; given.isValid()) taken << given;
        }
    switch (window) {
    case TWindow::lunar:
    case TWindow::calendar:
        place_beside(placed, main, TBesideAlign::Top, 0, taken);
        break;
    case TWindow::between:
        place_beside(placed, main, TBesideAlign::Bottom, 0, taken);
        break;
    case TWindow::repository: {
        // Under the calendar window's place.
        const QWidget* calendar = existing_window(TWindow::calendar);
        place_beside(placed, main, TBesideAlign::Top, calendar ? frame_size(calendar, main).height() : 0,
                     taken);
        break;
    }
    case TWindow::prayer:
        // In the middle of the primary screen.
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            placed->move(screen->availableGeometry().center() - placed->rect().center());
        break;
    case TWindow::month:
        // Its top right corner at the prayer window's.
        if (const QWidget* prayer = existing_window(TWindow::prayer))
            placed->move(prayer->x() + prayer->width() - placed->width(), prayer->y());
        break;
    default:
        break;
    }
    placed_frames_[index(window)] = QRect(placed->pos(), frame_size(placed, main));
}

void TAppCore::show_window(TWindow window, bool shown) {
    if (!shown) {
        if (QWidget* w = existing_window(window)) w->hide();
        return;
    }
    QWidget& w = this->window(window);
    emit window_opening(window);
    const TShowing& showing = showings[index(window)];
    if (showing.modal) {
        static_cast<QDialog&>(w).exec();
        return;
    }
    if (showing.placed == TPlaced::each_showing && !w.isVisible()) run_guarded(&w, [&] { place(window); });
    if (window == TWindow::main) w.setWindowState(w.windowState() & ~Qt::WindowMinimized);
    w.show();
    if (showing.raised) w.raise();
    if (showing.activated) w.activateWindow();
}

bool TAppCore::eventFilter(QObject* watched, QEvent* event) {
    const bool shown = event->type() == QEvent::Show;
    if ((shown || event->type() == QEvent::Hide) && !event->spontaneous())
        for (std::size_t i = 0; i < window_count; ++i)
            if (windows_[i].get() == watched) emit window_shown(static_cast<TWindow>(i), shown);
    return QObject::eventFilter(watched, event);
}

QWidget* TAppCore::dialog_parent() const {
    return existing_window(TWindow::main);
}

QString TAppCore::show_schedule(const almanac::TPrayerRequest& request,
                                std::vector<almanac::TPrayerDay> days) {
    const QString error = month_form().set_schedule(request, std::move(days));
    if (error.isEmpty()) show_window(TWindow::month);
    return error;
}

// --- the program's start ---

void TAppCore::hold_until_started(const TMessage& message) {
    held_messages_.push_back(message);
}

void TAppCore::show_start_messages(QWidget* parent) {
    const std::vector<TMessage> messages = std::exchange(held_messages_, {});
    for (const TMessage& m : messages) show_message(parent, m);
}

bool TAppCore::run_start_up_window() {
    if (!existing_window(TWindow::intro)) return false;
    show_window(TWindow::intro); // it shows the main window when it is done
    return true;
}

void TAppCore::start_up_window_activated() {
    if (QWidget* main = existing_window(TWindow::main)) main->setWindowTitle(product_name() + u' ');
}

void TAppCore::start_up_window_done() {
    if (QWidget* main = existing_window(TWindow::main)) main->show();
}

void TAppCore::start_up_window_closed() {
    auto* main = static_cast<TMainForm*>(existing_window(TWindow::main));
    show_start_messages(main); // over the main window, now that it is up
    if (main && main->TipsDialog()->StartupState()) main->AppTipShowExecute();
}

} // namespace almadex
