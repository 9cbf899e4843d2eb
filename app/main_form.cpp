#include "app/main_form.h"

#include "almanac/day.h"
#include "almanac/feasts.h"
#include "app/artwork.h"
#include "app/auto_run.h"
#include "app/command_keys.h"
#include "app/core.h"
#include "app/date_formats.h"
#include "app/guard.h"
#include "app/messages.h"
#include "app/product.h"
#include "app/settings.h"
#include "app/window_place.h"
#include "astro/errors.h"
#include "controls/moon.h"
#include "controls/spin_edit.h"
#include "controls/tip_dialog.h"
#include "ui_main_form.h"

#include <QActionGroup>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLayout>
#include <QLocale>
#include <QMenu>
#include <QMimeData>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextDocument>
#include <QTextEdit>
#include <array>
#include <cmath>
#include <string_view>

namespace almadex {
namespace {

const QColor kChristianBand(40, 90, 180);
const QColor kJewishBand(210, 160, 20);

/// The position of the window at its first run (no stored settings).
constexpr int kDefaultLeft = 83;
constexpr int kDefaultTop = 24;

QString qstring(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

/// " (Umm al-Qura, +1 day)" after an Islamic date of a calendar or adjustment other than the default.
QString islamic_qualifier(const almanac::TIslamicChoice& choice, int year) {
    const std::string caption = almanac::islamic_choice_caption(choice, year);
    return caption.empty() ? QString() : QStringLiteral(" (%1)").arg(qstring(caption));
}

/// The items of a list, in the almanac's order.
template <std::size_t N>
void add_names(QComboBox* list, const std::array<std::string_view, N>& names) {
    for (const std::string_view name : names) list->addItem(qstring(name));
}

/// True when the printer has somewhere to print to: an installed printer, or a file.
bool has_destination(const QPrinter& printer) {
    if (printer.outputFormat() == QPrinter::PdfFormat) return !printer.outputFileName().isEmpty();
    return !printer.printerName().isEmpty() && !QPrinterInfo::printerInfo(printer.printerName()).isNull();
}

} // namespace

TMainForm::TMainForm(TAppCore& core, QWidget* parent)
    : QMainWindow(parent), core_(core), ui(std::make_unique<Ui::TMainForm>()) {
    ui->setupUi(this);
    add_names(ui->IsMonthName, almanac::islamic_month_names);
    add_names(ui->CStem, almanac::chinese_stem_names);
    add_names(ui->CZodiac, almanac::chinese_zodiac_names);
    add_names(ui->JeMonthName, almanac::hebrew_month_names);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    layout()->setSizeConstraint(QLayout::SetFixedSize); // a single fixed border
    layout()->activate(); // the size is known before the first showing: the tool windows sit against it

    ui->CopyAll->setIcon(copy_icon());
    ui->CurrentDate->setIcon(today_icon());
    ui->FillGnuYear->setIcon(leaf_icon(QStringLiteral("1"), kChristianBand));
    ui->FillEaster->setIcon(leaf_icon(QStringLiteral("E"), kChristianBand));
    ui->PalmSunday->setIcon(leaf_icon(QStringLiteral("P"), kChristianBand));
    ui->Whitsun->setIcon(leaf_icon(QStringLiteral("W"), kChristianBand));
    ui->FillXmas->setIcon(leaf_icon(QStringLiteral("25"), kChristianBand));
    ui->FillPesach->setIcon(leaf_icon(QStringLiteral("15"), kJewishBand));
    ui->FillJeNuYear->setIcon(leaf_icon(QStringLiteral("1"), kJewishBand));
    ui->ToolCalendar->setIcon(calendar_icon());
    ui->CalBtn->setIcon(calendar_icon());
    ui->ToolMoon->setIcon(moon_icon());
    ui->AstroBtn->setIcon(moon_icon());

    tips_dialog_ = new TTipDialog(this);
    tips_dialog_->setObjectName(QStringLiteral("TipsDialog"));
    tips_dialog_->SetBackColor(palette().color(QPalette::Window));
    tips_dialog_->SetCaption(QStringLiteral("Tip of the Day"));
    tips_dialog_->SetCloseButton(QStringLiteral("&Close"));
    tips_dialog_->SetHeader(QStringLiteral("Did you know..."));
    tips_dialog_->SetImageBackColor(palette().color(QPalette::ToolTipBase));
    tips_dialog_->SetNextButton(QStringLiteral("&Next"));
    tips_dialog_->SetStartupCaption(QStringLiteral("&Show tips at startup"));
    tips_dialog_->SetStartupState(true);
    tips_dialog_->SetImage(tip_bulb_picture());
    tips_dialog_->SetTips(default_tips());

    // Holds the calendars text for the clipboard and the printer; never shown. Its font is the window's.
    printing_edit_ = new QTextEdit(this);
    printing_edit_->setObjectName(QStringLiteral("PrintingEdit"));
    printing_edit_->hide();
    move(kDefaultLeft, kDefaultTop);

    show_intro_form_timer_.setObjectName(QStringLiteral("ShowIntroFormTimer"));
    show_intro_form_timer_.setInterval(500);

    add_islamic_options();

    // The mouse over a panel, and Enter in any of its fields.
    for (QWidget* panel :
         {static_cast<QWidget*>(ui->GregorianPanel), static_cast<QWidget*>(ui->IslamicGroupBox),
          static_cast<QWidget*>(ui->ChinesePanel), static_cast<QWidget*>(ui->JewishPanel)}) {
        panel->installEventFilter(this);
        for (QWidget* field : panel->findChildren<QWidget*>()) field->installEventFilter(this);
    }
    // The commands' shortcuts run whatever field has the focus; cut, copy and paste stay with the field.
    give_command_keys_priority(this, {ui->Cut1, ui->Copy1, ui->Paste1});
    connect_handlers();
    FormCreate();
}

TMainForm::~TMainForm() = default;

void TMainForm::connect_handlers() {
    connect(ui->GConvert, &QPushButton::clicked, this, guarded(this, &TMainForm::GConvertClick));
    connect(ui->IConvert, &QPushButton::clicked, this, guarded(this, &TMainForm::IConvertClick));
    connect(ui->CConvert, &QPushButton::clicked, this, guarded(this, &TMainForm::CConvertClick));
    connect(ui->JeConvert, &QPushButton::clicked, this, guarded(this, &TMainForm::JeConvertClick));
    connect(ui->JeMonth, &QSpinBox::valueChanged, this, guarded(this, &TMainForm::JeMonthChange));
    connect(ui->JeMonthName, &QComboBox::currentIndexChanged, this,
            guarded(this, &TMainForm::JeMonthNameChange));
    connect(ui->IMonth, &QSpinBox::valueChanged, this, guarded(this, &TMainForm::IMonthChange));
    connect(ui->IsMonthName, &QComboBox::currentIndexChanged, this,
            guarded(this, &TMainForm::IsMonthNameChange));

    const auto on = [this](QAction* action, void (TMainForm::*handler)()) {
        connect(action, &QAction::triggered, this, [this, handler] {
            settle_focused_field(this); // a field left blank shows the value the command reads
            run_guarded(this, [&] { (this->*handler)(); });
        });
    };
    on(ui->CurrentDate, &TMainForm::CurrentDateExecute);
    on(ui->ExitApp, &TMainForm::ExitAppExecute);
    on(ui->HelpContent, &TMainForm::HelpContentExecute);
    on(ui->AppTipShow, &TMainForm::AppTipShowExecute);
    on(ui->About1, &TMainForm::About1Click);
    on(ui->Almadexhomepage1, &TMainForm::Almadexhomepage1Click);
    on(ui->FillGnuYear, &TMainForm::FillGnuYearExecute);
    on(ui->FillEaster, &TMainForm::FillEasterExecute);
    on(ui->PalmSunday, &TMainForm::PalmSundayExecute);
    on(ui->Whitsun, &TMainForm::WhitsunExecute);
    on(ui->AllSaintsDay, &TMainForm::AllSaintsDayExecute);
    on(ui->FillXmas, &TMainForm::FillXmasExecute);
    on(ui->FillMuslimNuYear, &TMainForm::FillMuslimNuYearExecute);
    on(ui->FillMuslimAchoura, &TMainForm::FillMuslimAchouraExecute);
    on(ui->FillMuslimRamadan, &TMainForm::FillMuslimRamadanExecute);
    on(ui->FillMuslimLittleAid, &TMainForm::FillMuslimLittleAidExecute);
    on(ui->FillMuslimBigAid, &TMainForm::FillMuslimBigAidExecute);
    on(ui->FillMuslimMaoulid, &TMainForm::FillMuslimMaoulidExecute);
    on(ui->FillJeNuYear, &TMainForm::FillJeNuYearExecute);
    on(ui->FillPesach, &TMainForm::FillPesachExecute);
    on(ui->ToolMoon, &TMainForm::ToolMoonExecute);
    on(ui->AstroBtn, &TMainForm::AstroBtnClick);
    on(ui->ToolCalendar, &TMainForm::ToolCalendarExecute);
    on(ui->CalBtn, &TMainForm::CalBtnClick);
    on(ui->ToolInBetweenAction, &TMainForm::ToolInBetweenActionExecute);
    on(ui->ToolRepositoryAction, &TMainForm::ToolRepositoryActionExecute);
    on(ui->ToolMuslimPrayerAction, &TMainForm::ToolMuslimPrayerActionExecute);
    on(ui->AutoRunAction, &TMainForm::AutoRunActionExecute);
    on(ui->CopyAll, &TMainForm::CopyAllExecute);
    on(ui->Print1, &TMainForm::Print1Click);
    on(ui->PrintSetup1, &TMainForm::PrintSetup1Click);

    connect(&show_intro_form_timer_, &QTimer::timeout, this,
            guarded(this, &TMainForm::ShowIntroFormTimerTimer));
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* now) { run_guarded(this, [&] { PanelFocusChange(now); }); });

    // What the other windows read of the converter goes to the core; what they ask of it comes from there.
    for (TSpinEdit* field : {ui->GDay, ui->GMonth, ui->GYear})
        connect(field, &QSpinBox::valueChanged, this, &TMainForm::report_gregorian_fields);
    connect(&core_, &TAppCore::islamic_choice_changed, this,
            [this] { run_guarded(this, [this] { show_islamic_choice(); }); });
    connect(&core_, &TAppCore::window_shown, this, &TMainForm::window_shown);
    connect(&core_, &TAppCore::day_sent, this, [this](int day, int month, int year) {
        try {
            convert_gregorian(day, month, year);
        } catch (const std::exception&) {
            // The converter's own errors end the sending silently.
        }
    });
}

// --- what the other windows use ---

TSpinEdit* TMainForm::GDay() const {
    return ui->GDay;
}
TSpinEdit* TMainForm::GMonth() const {
    return ui->GMonth;
}
TSpinEdit* TMainForm::GYear() const {
    return ui->GYear;
}
QPushButton* TMainForm::GConvert() const {
    return ui->GConvert;
}
QAction* TMainForm::CalBtn() const {
    return ui->CalBtn;
}
QAction* TMainForm::AstroBtn() const {
    return ui->AstroBtn;
}

double TMainForm::FDate() const {
    return core_.moment();
}

void TMainForm::report_gregorian_fields() {
    core_.set_gregorian_fields({ui->GDay->value(), ui->GMonth->value(), ui->GYear->value()});
}

void TMainForm::convert_gregorian(int day, int month, int year) {
    ui->GDay->setValue(day);
    ui->GMonth->setValue(month);
    ui->GYear->setValue(year);
    GConvertClick();
}

void TMainForm::window_shown(TWindow window, bool shown) {
    // The calendar's toggle shows the window's state however it was opened; the Moon's is released when the
    // window is hidden.
    if (window == TWindow::calendar) ui->CalBtn->setChecked(shown);
    if (window == TWindow::lunar && !shown) ui->AstroBtn->setChecked(false);
}

void TMainForm::add_islamic_options() {
    ui->OptionsMenu->addSeparator();
    QMenu* calendars = ui->OptionsMenu->addMenu(QStringLiteral("&Islamic calendar"));
    calendars->setObjectName(QStringLiteral("islamic_calendar_menu"));
    islamic_calendar_actions_ = new QActionGroup(this);
    for (const almanac::TIslamicCalendarName& c : almanac::islamic_calendar_names) {
        QAction* action = calendars->addAction(qstring(c.title));
        action->setObjectName(QStringLiteral("islamic_calendar_") + qstring(c.name).replace(u'-', u'_'));
        action->setCheckable(true);
        action->setActionGroup(islamic_calendar_actions_);
        const almanac::TIslamicCalendar id = c.id;
        connect(action, &QAction::triggered, this,
                [this, id] { run_guarded(this, [&] { choose_islamic_calendar(id); }); });
    }
    QMenu* adjustments = ui->OptionsMenu->addMenu(QStringLiteral("Islamic date &adjustment"));
    adjustments->setObjectName(QStringLiteral("hijri_adjust_menu"));
    hijri_adjust_actions_ = new QActionGroup(this);
    for (int days = -almanac::hijri_adjust_limit; days <= almanac::hijri_adjust_limit; ++days) {
        QAction* action = adjustments->addAction(days == 0 ? QStringLiteral("None")
                                                           : qstring(almanac::hijri_adjust_text(days)));
        action->setObjectName(
            QStringLiteral("hijri_adjust_%1")
                .arg(days < 0 ? QStringLiteral("minus_%1").arg(-days) : QString::number(days)));
        action->setCheckable(true);
        action->setActionGroup(hijri_adjust_actions_);
        connect(action, &QAction::triggered, this,
                [this, days] { run_guarded(this, [&] { choose_hijri_adjust(days); }); });
    }
    check_islamic_choice();
}

// --- start-up ---

void TMainForm::FormCreate() {
    show_intro_form_timer_.start();
    core_.set_moment(core_.now());
    run_guarded(this, [this] { startup_fill(); });
    report_gregorian_fields();
    setWindowIcon(moon_phase_icon(core_.moment())); // today's Moon
    load_settings();
}

void TMainForm::ShowIntroFormTimerTimer() {
    show_intro_form_timer_.stop();           // it fires once
    if (core_.run_start_up_window()) return; // the start-up window shows this window when it is done
    show();
    core_.show_start_messages(this);
}

void TMainForm::setVisible(bool visible) {
    if (visible && !testAttribute(Qt::WA_WState_Created)) {
        // The final size first: a window that changes its size after it is created loses the frame position
        // it was given before (its client area would take it).
        const QPoint wanted = pos();
        ensurePolished();
        layout()->activate();
        adjustSize();
        place_reachable(this, wanted);
    }
    QMainWindow::setVisible(visible);
}

void TMainForm::closeEvent(QCloseEvent* event) {
    run_guarded(this, [this] { FormClose(); });
    event->accept();
    // Closing the main window ends the program, whatever tool windows are still open.
    QCoreApplication::quit();
}

// --- shared steps ---

void TMainForm::set_date_conventions() {
    TFormatSettings& fs = core_.date_format();
    fs.DateSeparator = u'/';
    fs.ShortDateFormat = QStringLiteral("mm/dd/yyyy");
    fs.ShortTimeFormat = QStringLiteral("hh:mm");
}

void TMainForm::islamic_steps_done() {
    core_.date_format().ShortDateFormat = QStringLiteral("dd/mm/yyyy");
}

double TMainForm::set_noon(std::optional<double> moment) {
    core_.set_moment(std::floor(moment ? *moment : core_.now()) + 0.5);
    return core_.moment();
}

void TMainForm::wrong_date(const QString& first_line) {
    show_message(this,
                 {QStringLiteral("Wrong date !"), first_line + QStringLiteral("\nPlease, check this out."),
                  QMessageBox::Information, QMessageBox::Ok});
}

void TMainForm::fill_gregorian(const almanac::TDayInCalendars& day) {
    ui->GDay->setValue(day.gregorian_day);
    ui->GMonth->setValue(day.gregorian_month);
    ui->GYear->setValue(day.gregorian_year);
}

void TMainForm::fill_islamic(const almanac::TDayInCalendars& day) {
    fill_islamic(day.islamic);
}

void TMainForm::fill_islamic(const astro::TIslamicDate& date) {
    islamic_steps_done();
    ui->IDay->setValue(date.day);
    ui->IMonth->setValue(date.month);
    ui->IYear->setValue(date.year);
    ui->IsMonthName->setCurrentIndex(date.month - 1);
    show_islamic_caption(date.year);
}

void TMainForm::show_islamic_caption(int year) {
    ui->IslamicGroupBox->setTitle(
        QStringLiteral(" Islamic%1: ").arg(islamic_qualifier(core_.islamic_choice(), year)));
    const std::string note = almanac::islamic_table_note(core_.islamic_choice(), year);
    ui->IslamicGroupBox->setToolTip(note.empty() ? QString() : qstring(note) + u'.');
}

void TMainForm::fill_hebrew(const almanac::TDayInCalendars& day) {
    ui->JeDay->setValue(day.hebrew.day);
    ui->JeMonth->setValue(day.hebrew.month);
    ui->JeYear->setValue(day.hebrew.year);
    ui->JeMonthName->setCurrentIndex(day.hebrew.month - 1);
}

void TMainForm::fill_julian(const almanac::TDayInCalendars& day) {
    // Shortest general form, at most 15 significant digits, the locale's decimal separator.
    QString text = QString::number(static_cast<double>(day.julian_day), 'g', 15);
    text.replace(u'.', QLocale().decimalPoint());
    ui->JuDay->setText(text);
}

void TMainForm::fill_chinese_signs(const almanac::TDayInCalendars& day) {
    ui->CZodiac->setCurrentIndex(day.chinese.YearBranch);
    ui->CStem->setCurrentIndex(day.chinese.YearStem);
    ui->CLeapMonth->setChecked(day.chinese.LeapMonth);
    ui->CCycles->setValue(day.chinese.Cycle);
}

void TMainForm::fill_chinese(const almanac::TDayInCalendars& day) {
    ui->CDay->setValue(day.chinese.Day);
    ui->CMonth->setValue(day.chinese.Month);
    ui->CYear->setValue(day.chinese.Year);
    fill_chinese_signs(day);
}

void TMainForm::startup_fill() {
    set_date_conventions();
    const QDate today = to_qdate(core_.now());
    ui->GDay->setValue(today.day());
    ui->GMonth->setValue(today.month());
    ui->GYear->setValue(today.year());
    core_.set_moment(core_.now());
    const almanac::TDayInCalendars day = almanac::day_in_calendars(core_.moment(), core_.islamic_choice());
    fill_islamic(day);
    fill_hebrew(day);
    fill_julian(day); // the current moment, with its decimals
    fill_chinese(day);
}

// --- conversions ---

void TMainForm::GConvertClick() {
    set_date_conventions();
    const QString text =
        QStringLiteral("%1/%2/%3").arg(ui->GMonth->value()).arg(ui->GDay->value()).arg(ui->GYear->value());
    const std::optional<double> day_entered = try_str_to_date(text, core_.date_format());
    if (!day_entered) wrong_date(QStringLiteral("Please, note that Gregorian date is invalid."));
    const almanac::TDayInCalendars day =
        almanac::day_in_calendars(set_noon(day_entered), core_.islamic_choice());
    fill_hebrew(day);
    fill_islamic(day);
    fill_julian(day);
    fill_chinese(day);
}

void TMainForm::JeConvertClick() {
    set_date_conventions();
    const int year = ui->JeYear->value();
    const int month = ui->JeMonth->value();
    const int day = ui->JeDay->value();
    ui->JeMonthName->setCurrentIndex(month - 1);
    std::optional<double> entered;
    try {
        entered = almanac::noon_of_hebrew_date(year, month, day);
    } catch (const astro::Exception&) {
        wrong_date(QStringLiteral("Please, note this Hebrew date is invalid."));
    }
    const almanac::TDayInCalendars shown =
        almanac::day_in_calendars(set_noon(entered), core_.islamic_choice());
    fill_gregorian(shown);
    fill_islamic(shown);
    fill_julian(shown);
    fill_chinese(shown);
}

void TMainForm::CConvertClick() {
    set_date_conventions();
    astro::TChineseDate date;
    date.Day = ui->CDay->value();
    date.Month = ui->CMonth->value();
    date.Year = ui->CYear->value();
    date.LeapMonth = ui->CLeapMonth->isChecked();
    date.Cycle = ui->CCycles->value();
    std::optional<double> entered;
    try {
        entered = almanac::noon_of_chinese_date(date);
    } catch (const astro::Exception&) {
        wrong_date(QStringLiteral("Please, note this Chinese date is invalid."));
    }
    const almanac::TDayInCalendars shown =
        almanac::day_in_calendars(set_noon(entered), core_.islamic_choice());
    // A valid date keeps its day, month and year as entered. After an invalid one the panel shows the day
    // used, like the others: its signs beside the entered year would name another year.
    if (entered)
        fill_chinese_signs(shown);
    else
        fill_chinese(shown);
    fill_gregorian(shown);
    fill_islamic(shown);
    fill_julian(shown);
    fill_hebrew(shown);
}

void TMainForm::IConvertClick() {
    set_date_conventions();
    astro::TIslamicDate date;
    date.day = static_cast<std::uint16_t>(ui->IDay->value());
    date.month = static_cast<std::uint16_t>(ui->IMonth->value());
    date.year = static_cast<std::uint16_t>(ui->IYear->value());
    ui->IsMonthName->setCurrentIndex(date.month - 1);
    islamic_steps_done();
    almanac::TDayInCalendars shown;
    try {
        shown = almanac::islamic_date_in_calendars(date.year, date.month, date.day, core_.islamic_choice());
    } catch (const astro::EConvertError&) {
        wrong_date(QStringLiteral("Please, note this Islamic date is invalid."));
        core_.set_moment(core_.now());
        return; // no other panel changes
    }
    core_.set_moment(shown.moment);
    show_islamic_caption(date.year);
    fill_gregorian(shown); // the Islamic panel keeps the date as typed
    fill_hebrew(shown);
    fill_julian(shown);
    fill_chinese(shown);
}

// --- panels and month names ---

void TMainForm::enable_convert(QPushButton* button) {
    for (QPushButton* b : {ui->GConvert, ui->IConvert, ui->CConvert, ui->JeConvert})
        b->setEnabled(b == button);
}

void TMainForm::GregorianPanelMouseMove() {
    enable_convert(ui->GConvert);
}
void TMainForm::IslamicGroupBoxMouseMove() {
    enable_convert(ui->IConvert);
}
void TMainForm::ChinesePanelMouseMove() {
    enable_convert(ui->CConvert);
}
void TMainForm::JewishPanelMouseMove() {
    enable_convert(ui->JeConvert);
}

QPushButton* TMainForm::convert_button_of(const QWidget* widget) const {
    const std::pair<const QWidget*, QPushButton*> panels[] = {{ui->GregorianPanel, ui->GConvert},
                                                              {ui->IslamicGroupBox, ui->IConvert},
                                                              {ui->ChinesePanel, ui->CConvert},
                                                              {ui->JewishPanel, ui->JeConvert}};
    for (const auto& [panel, button] : panels)
        if (widget && (widget == panel || panel->isAncestorOf(widget))) return button;
    return nullptr;
}

void TMainForm::PanelFocusChange(QWidget* now) {
    if (QPushButton* button = convert_button_of(now)) enable_convert(button);
}

void TMainForm::PanelEnter(QPushButton* button) {
    enable_convert(button);
    if (button == ui->GConvert)
        GConvertClick();
    else if (button == ui->IConvert)
        IConvertClick();
    else if (button == ui->CConvert)
        CConvertClick();
    else if (button == ui->JeConvert)
        JeConvertClick();
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && watched == QApplication::focusWidget()) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        QPushButton* button = convert_button_of(static_cast<QWidget*>(watched));
        if (button && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
            settle_focused_field(this);
            run_guarded(this, [&] { PanelEnter(button); });
            return true;
        }
    }
    if (event->type() == QEvent::MouseMove) {
        if (watched == ui->GregorianPanel)
            run_guarded(this, [this] { GregorianPanelMouseMove(); });
        else if (watched == ui->IslamicGroupBox)
            run_guarded(this, [this] { IslamicGroupBoxMouseMove(); });
        else if (watched == ui->ChinesePanel)
            run_guarded(this, [this] { ChinesePanelMouseMove(); });
        else if (watched == ui->JewishPanel)
            run_guarded(this, [this] { JewishPanelMouseMove(); });
    }
    return QMainWindow::eventFilter(watched, event);
}

void TMainForm::JeMonthChange() {
    const int month = ui->JeMonth->value();
    ui->JeMonthName->setCurrentIndex(month >= 1 && month <= 13 ? month - 1 : 0);
}

void TMainForm::JeMonthNameChange() {
    ui->JeMonth->setValue(ui->JeMonthName->currentIndex() + 1); // no selection writes 0, read as 1
}

void TMainForm::IMonthChange() {
    const int month = ui->IMonth->value();
    ui->IsMonthName->setCurrentIndex(month >= 1 && month <= 12 ? month - 1 : 0);
}

void TMainForm::IsMonthNameChange() {
    ui->IMonth->setValue(ui->IsMonthName->currentIndex() + 1);
}

// --- commands ---

void TMainForm::CurrentDateExecute() {
    try {
        const QDate today = to_qdate(core_.now());
        ui->GDay->setValue(today.day());
        ui->GMonth->setValue(today.month());
        ui->GYear->setValue(today.year());
        GConvertClick();
    } catch (const std::exception&) {
        // Errors of this command are ignored.
    }
}

void TMainForm::ExitAppExecute() {
    write_setup_position(core_.settings(), y(), x());
    close(); // closing stores all four values again
}

void TMainForm::HelpContentExecute() {
    // A compiled help file beside the program wins; otherwise the HTML help shipped with it.
    const QString& folder = core_.program_folder();
    const QString chm = folder + QStringLiteral("help.chm");
    // Beside the program in a build or a portable copy; in share/almadex/help of an installed one.
    QString html = folder + QStringLiteral("help/index.html");
    const QString installed = folder + QStringLiteral("../share/almadex/help/index.html");
    if (!QFileInfo::exists(html) && QFileInfo::exists(installed)) html = QDir::cleanPath(installed);
    if (QFileInfo::exists(chm))
        core_.open_url(this, QUrl::fromLocalFile(chm), QStringLiteral("The user's guide"));
    else if (QFileInfo::exists(html))
        core_.open_url(this, QUrl::fromLocalFile(html), QStringLiteral("The user's guide"));
    else
        show_error(this, QStringLiteral("The help file cannot be found: %1").arg(html));
}

void TMainForm::AppTipShowExecute() {
    tips_dialog_->Execute();
}

void TMainForm::About1Click() {
    core_.show_window(TWindow::info);
}

void TMainForm::Almadexhomepage1Click() {
    core_.open_url(this, QUrl(home_page()), QStringLiteral("The home page"));
}

// --- the tool windows ---

void TMainForm::ToolMoonExecute() {
    core_.show_window(TWindow::lunar);
}

void TMainForm::AstroBtnClick() {
    core_.show_window(TWindow::lunar, ui->AstroBtn->isChecked());
}

void TMainForm::ToolCalendarExecute() {
    core_.date_format().ShortDateFormat = QStringLiteral("dd/mm/yyyy");
    core_.show_window(TWindow::calendar);
}

void TMainForm::CalBtnClick() {
    if (ui->CalBtn->isChecked())
        ToolCalendarExecute();
    else
        core_.show_window(TWindow::calendar, false);
}

void TMainForm::ToolInBetweenActionExecute() {
    core_.show_window(TWindow::between);
}

void TMainForm::ToolRepositoryActionExecute() {
    core_.show_window(TWindow::repository);
}

void TMainForm::ToolMuslimPrayerActionExecute() {
    core_.show_window(TWindow::prayer);
}

// --- stored settings, auto-run, copy and print ---

void TMainForm::load_settings() {
    // The check mark shows whether the entry exists, whatever "Run" says; the entry itself is never
    // written here.
    ui->AutoRunAction->setChecked(auto_run_entry_exists());
    const TSetupValues stored = read_setup(core_.settings());
    if (stored.Top) move(x(), *stored.Top);
    if (stored.Left) move(*stored.Left, y());
    if (stored.TipOn) tips_dialog_->SetStartupState(*stored.TipOn);
}

void TMainForm::save_settings() {
    write_setup(core_.settings(), y(), x(), ui->AutoRunAction->isChecked(), tips_dialog_->StartupState());
    write_islamic_choice(core_.settings(), core_.islamic_choice());
}

// --- the Islamic calendar followed ---

void TMainForm::check_islamic_choice() {
    const almanac::TIslamicChoice& choice = core_.islamic_choice();
    islamic_calendar_actions_->actions().at(static_cast<qsizetype>(choice.calendar))->setChecked(true);
    hijri_adjust_actions_->actions().at(choice.adjust_days + almanac::hijri_adjust_limit)->setChecked(true);
}

void TMainForm::show_islamic_choice() {
    check_islamic_choice();
    fill_islamic(almanac::islamic_date_of_day(core_.moment(), core_.islamic_choice()));
}

void TMainForm::choose_islamic_calendar(almanac::TIslamicCalendar calendar) {
    almanac::TIslamicChoice choice = core_.islamic_choice();
    choice.calendar = calendar;
    core_.set_islamic_choice(choice);
}

void TMainForm::choose_hijri_adjust(int adjust_days) {
    almanac::TIslamicChoice choice = core_.islamic_choice();
    choice.adjust_days = adjust_days;
    core_.set_islamic_choice(choice);
}

void TMainForm::FormClose() {
    save_settings();
}

void TMainForm::AutoRunActionExecute() {
    const bool wanted = ui->AutoRunAction->isChecked(); // the action has already inverted its mark
    QString error;
    const bool done =
        wanted ? enable_auto_run(QCoreApplication::applicationFilePath(), error) : disable_auto_run(error);
    ui->AutoRunAction->setChecked(auto_run_entry_exists());
    if (done) return;
    const QString what = wanted ? QStringLiteral("Almadex cannot be set to start when you log on.")
                                : QStringLiteral("Almadex cannot be kept from starting when you log on.");
    show_message(
        this,
        {QStringLiteral("Auto Run"),
         what + QStringLiteral("\n%1\n%2").arg(QDir::toNativeSeparators(auto_run_entry_location()), error),
         QMessageBox::Warning, QMessageBox::Ok});
}

void TMainForm::build_calendars_text() {
    const QStringList lines = {
        QStringLiteral("Gregorian: Day:%1 Month:%2 Year:%3")
            .arg(ui->GDay->value())
            .arg(ui->GMonth->value())
            .arg(ui->GYear->value()),
        QStringLiteral("Islamic: Day:%1 Month: %2 Year:%3")
                .arg(ui->IDay->value())
                .arg(ui->IsMonthName->currentText())
                .arg(ui->IYear->value()) +
            islamic_qualifier(core_.islamic_choice(), ui->IYear->value()),
        QStringLiteral("Chinese: Day:%1 Month:%2 Year:%3")
            .arg(ui->CDay->value())
            .arg(ui->CMonth->value())
            .arg(ui->CYear->value()),
        QStringLiteral("   Cycle:%1 Stem: %2 Zodiac: %3")
            .arg(ui->CCycles->value())
            .arg(ui->CStem->currentText(), ui->CZodiac->currentText()),
        QStringLiteral("Hebrew: Day:%1 Month: %2 Year:%3")
            .arg(ui->JeDay->value())
            .arg(ui->JeMonthName->currentText())
            .arg(ui->JeYear->value()),
        QStringLiteral("Julian: %1 days.").arg(ui->JuDay->text()),
        QString(),
        QStringLiteral("Time: ") + time_to_str(core_.now()),
    };
    printing_edit_->setPlainText(lines.join(u'\n'));
}

void TMainForm::CopyAllExecute() {
    build_calendars_text();
    auto* calendars = new QMimeData;
    calendars->setText(printing_edit_->toPlainText());
    calendars->setHtml(printing_edit_->toHtml());
    QGuiApplication::clipboard()->setMimeData(calendars);
}

void TMainForm::renew_printer() {
    if (!printer_) return;
    auto fresh = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (printer_->outputFormat() == QPrinter::PdfFormat) {
        fresh->setOutputFormat(QPrinter::PdfFormat);
        fresh->setOutputFileName(printer_->outputFileName());
    } else {
        fresh->setPrinterName(printer_->printerName());
    }
    fresh->setPageLayout(printer_->pageLayout());
    fresh->setCopyCount(printer_->copyCount());
    fresh->setColorMode(printer_->colorMode());
    fresh->setDuplex(printer_->duplex());
    printer_ = std::move(fresh);
}

QPrinter& TMainForm::Printer() {
    if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer_;
}

void TMainForm::Print1Click() {
    build_calendars_text();
    QPrinter& printer = Printer();
    printer.setDocName(product_name());
    // A printer that goes nowhere (no printer on the system and no file chosen) cannot start a job; a job
    // that cannot start leaves the printer in its error state.
    bool printed = false;
    if (has_destination(printer) && printer.isValid()) {
        printing_edit_->document()->print(&printer);
        printed = printer.printerState() != QPrinter::Error && printer.printerState() != QPrinter::Aborted;
    }
    if (printed) return;
    renew_printer(); // the next job starts afresh, with the choices made in Print Setup
    QApplication::beep();
    show_message(this, {QStringLiteral("Printer's trouble?"),
                        QStringLiteral("Printing cannot proceed, please check the printer out !"),
                        QMessageBox::Warning, QMessageBox::Ok});
}

void TMainForm::PrintSetup1Click() {
    core_.seams().printer_setup_dialog(this, Printer()); // an accepted choice stays for later jobs
}

// --- feasts ---

void TMainForm::fill_feast(almanac::TFeastId id) {
    const almanac::TFeast& feast = almanac::feast(id);
    struct TPanel {
        TSpinEdit *day, *month, *year;
        void (TMainForm::*convert)();
    };
    const TPanel panel = feast.calendar == almanac::TFeastCalendar::islamic
                             ? TPanel{ui->IDay, ui->IMonth, ui->IYear, &TMainForm::IConvertClick}
                         : feast.calendar == almanac::TFeastCalendar::hebrew
                             ? TPanel{ui->JeDay, ui->JeMonth, ui->JeYear, &TMainForm::JeConvertClick}
                             : TPanel{ui->GDay, ui->GMonth, ui->GYear, &TMainForm::GConvertClick};
    const almanac::TFeastDate date = almanac::feast_date(feast, panel.year->value());
    panel.day->setValue(date.day);
    panel.month->setValue(date.month); // the month name follows its field
    (this->*panel.convert)();
}

void TMainForm::FillGnuYearExecute() {
    fill_feast(almanac::TFeastId::new_year);
}
void TMainForm::FillEasterExecute() {
    fill_feast(almanac::TFeastId::easter);
}
void TMainForm::PalmSundayExecute() {
    fill_feast(almanac::TFeastId::palm_sunday);
}
void TMainForm::WhitsunExecute() {
    fill_feast(almanac::TFeastId::whitsun);
}
void TMainForm::AllSaintsDayExecute() {
    fill_feast(almanac::TFeastId::all_saints);
}
void TMainForm::FillXmasExecute() {
    fill_feast(almanac::TFeastId::christmas);
}
void TMainForm::FillMuslimNuYearExecute() {
    fill_feast(almanac::TFeastId::muslim_new_year);
}
void TMainForm::FillMuslimAchouraExecute() {
    fill_feast(almanac::TFeastId::achoura);
}
void TMainForm::FillMuslimRamadanExecute() {
    fill_feast(almanac::TFeastId::ramadan);
}
void TMainForm::FillMuslimLittleAidExecute() {
    fill_feast(almanac::TFeastId::minor_fair);
}
void TMainForm::FillMuslimBigAidExecute() {
    fill_feast(almanac::TFeastId::major_fair);
}
void TMainForm::FillMuslimMaoulidExecute() {
    fill_feast(almanac::TFeastId::maoulid);
}
void TMainForm::FillJeNuYearExecute() {
    fill_feast(almanac::TFeastId::jewish_new_year);
}
void TMainForm::FillPesachExecute() {
    fill_feast(almanac::TFeastId::pesach);
}

} // namespace almadex
