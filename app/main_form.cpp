#include "app/main_form.h"

#include "almanac/civil_calendar.h"
#include "almanac/day.h"
#include "app/artwork.h"
#include "app/command_keys.h"
#include "app/companion.h"
#include "app/core.h"
#include "app/date_formats.h"
#include "app/guard.h"
#include "app/language.h"
#include "app/messages.h"
#include "app/window_place.h"
#include "astro/errors.h"
#include "controls/moon.h"
#include "controls/spin_edit.h"
#include "controls/tip_dialog.h"
#include "ui_main_form.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLayout>
#include <QLocale>
#include <QMenu>
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

/// The items of a list, in the almanac's order, in the language spoken; the item shown stays.
template <std::size_t N>
void set_names(QComboBox* list, const char* context, const std::array<std::string_view, N>& names) {
    const QSignalBlocker blocker(list);
    const int current = list->currentIndex();
    list->clear();
    for (const std::string_view name : names) list->addItem(shown_name(context, name));
    list->setCurrentIndex(current);
}

} // namespace

TMainForm::TMainForm(TAppCore& core, QWidget* parent)
    : QMainWindow(parent), core_(core), ui(std::make_unique<Ui::TMainForm>()) {
    ui->setupUi(this);
    set_names(ui->IsMonthName, "Islamic month", almanac::islamic_month_names);
    set_names(ui->CStem, "Chinese stem", almanac::chinese_stem_names);
    set_names(ui->CZodiac, "Chinese animal", almanac::chinese_zodiac_names);
    set_names(ui->JeMonthName, "Hebrew month", almanac::hebrew_month_names);
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
    tips_dialog_->SetBackColor(palette().color(QPalette::Base)); // the tip reads as a text field
    tips_dialog_->SetImageBackColor(palette().color(QPalette::ToolTipBase));
    tips_dialog_->SetStartupState(true);
    tips_dialog_->SetImage(tip_bulb_picture());
    translate_tips();

    // Holds the calendars text for the clipboard and the printer; never shown. Its font is the window's.
    printing_edit_ = new QTextEdit(this);
    printing_edit_->setObjectName(QStringLiteral("PrintingEdit"));
    printing_edit_->hide();
    move(kDefaultLeft, kDefaultTop);

    show_intro_form_timer_.setObjectName(QStringLiteral("ShowIntroFormTimer"));
    show_intro_form_timer_.setInterval(500);

    add_islamic_options();
    add_language_options();

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

QString TMainForm::islamic_qualifier(const almanac::TIslamicChoice& choice, int year) {
    QStringList parts;
    if (choice.calendar == almanac::TIslamicCalendar::umm_al_qura)
        parts << (almanac::islamic_year_beyond_table(choice, year)
                      ? tr("Umm al-Qura off its table")
                      : shown_name("Islamic calendar", "Umm al-Qura"));
    else if (choice.calendar == almanac::TIslamicCalendar::civil)
        parts << tr("civil");
    if (choice.adjust_days != 0) parts << hijri_adjust_title(choice.adjust_days);
    return parts.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(parts.join(tr(", ")));
}

QString TMainForm::hijri_adjust_title(int days) {
    if (days == 0) return tr("None");
    const QString signed_days =
        shown_digits((days > 0 ? QStringLiteral("+") : QString()) + QString::number(days));
    return (days == 1 || days == -1 ? tr("%1 day") : tr("%1 days")).arg(signed_days);
}

void TMainForm::translate_tips() {
    tips_dialog_->SetCaption(tr("Tip of the Day"));
    tips_dialog_->SetCloseButton(tr("&Close"));
    tips_dialog_->SetHeader(tr("Did you know..."));
    tips_dialog_->SetNextButton(tr("&Next"));
    tips_dialog_->SetStartupCaption(tr("&Show tips at startup"));
    tips_dialog_->SetTips(default_tips());
}

void TMainForm::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::LanguageChange || event->type() == QEvent::LocaleChange)
        run_guarded(this, [this] { retranslate(); });
}

void TMainForm::retranslate() {
    const QString title = windowTitle(); // the product's name, never translated
    ui->retranslateUi(this);
    setWindowTitle(title);
    set_names(ui->IsMonthName, "Islamic month", almanac::islamic_month_names);
    set_names(ui->CStem, "Chinese stem", almanac::chinese_stem_names);
    set_names(ui->CZodiac, "Chinese animal", almanac::chinese_zodiac_names);
    set_names(ui->JeMonthName, "Hebrew month", almanac::hebrew_month_names);
    translate_tips();
    translate_options();
    show_islamic_caption(ui->IYear->value());
    fill_julian_text();
}

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
    // The toolbar toggles of the calendar and Moon windows show their state however they were opened.
    if (window == TWindow::calendar) ui->CalBtn->setChecked(shown);
    if (window == TWindow::lunar) ui->AstroBtn->setChecked(shown);
}

void TMainForm::add_islamic_options() {
    // Options > Keep running in the tray: what closing this window does when the desktop has a tray.
    QAction* keep = ui->OptionsMenu->addAction(tr("Keep running in the &tray"));
    keep->setObjectName(QStringLiteral("KeepInTrayAction"));
    keep->setCheckable(true);
    keep->setChecked(core_.companion().keep_running_option());
    connect(keep, &QAction::toggled, this,
            [this](bool on) { core_.companion().set_keep_running_option(on); });
    ui->OptionsMenu->addSeparator();
    islamic_calendar_menu_ = ui->OptionsMenu->addMenu(QString());
    islamic_calendar_menu_->setObjectName(QStringLiteral("islamic_calendar_menu"));
    islamic_calendar_actions_ = new QActionGroup(this);
    for (const almanac::TIslamicCalendarName& c : almanac::islamic_calendar_names) {
        QAction* action = islamic_calendar_menu_->addAction(QString());
        action->setObjectName(QStringLiteral("islamic_calendar_") + qstring(c.name).replace(u'-', u'_'));
        action->setCheckable(true);
        action->setActionGroup(islamic_calendar_actions_);
        const almanac::TIslamicCalendar id = c.id;
        connect(action, &QAction::triggered, this,
                [this, id] { run_guarded(this, [&] { choose_islamic_calendar(id); }); });
    }
    hijri_adjust_menu_ = ui->OptionsMenu->addMenu(QString());
    hijri_adjust_menu_->setObjectName(QStringLiteral("hijri_adjust_menu"));
    hijri_adjust_actions_ = new QActionGroup(this);
    for (int days = -almanac::hijri_adjust_limit; days <= almanac::hijri_adjust_limit; ++days) {
        QAction* action = hijri_adjust_menu_->addAction(QString());
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

void TMainForm::add_language_options() {
    language_menu_ = ui->OptionsMenu->addMenu(QString());
    language_menu_->setObjectName(QStringLiteral("language_menu"));
    language_actions_ = new QActionGroup(this);
    for (const TLanguage language : languages) {
        QAction* action = language_menu_->addAction(QString());
        action->setObjectName(QStringLiteral("language_") + language_code(language));
        action->setCheckable(true);
        action->setActionGroup(language_actions_);
        connect(action, &QAction::triggered, this, [this, language] {
            TLanguageChoice choice = core_.language();
            choice.language = language;
            core_.set_language(choice);
        });
    }
    language_menu_->addSeparator();
    arabic_digits_action_ = language_menu_->addAction(QString());
    arabic_digits_action_->setObjectName(QStringLiteral("arabic_digits"));
    arabic_digits_action_->setCheckable(true);
    connect(arabic_digits_action_, &QAction::triggered, this, [this](bool on) {
        TLanguageChoice choice = core_.language();
        choice.arabic_digits = on;
        core_.set_language(choice);
    });
    translate_options();
}

void TMainForm::translate_options() {
    if (auto* keep = findChild<QAction*>(QStringLiteral("KeepInTrayAction")))
        keep->setText(tr("Keep running in the &tray"));
    islamic_calendar_menu_->setTitle(tr("&Islamic calendar"));
    for (std::size_t i = 0; i < almanac::islamic_calendar_names.size(); ++i)
        islamic_calendar_actions_->actions()
            .at(static_cast<qsizetype>(i))
            ->setText(shown_name("Islamic calendar", almanac::islamic_calendar_names[i].title));
    hijri_adjust_menu_->setTitle(tr("Islamic date &adjustment"));
    const QList<QAction*> adjustments = hijri_adjust_actions_->actions();
    for (qsizetype i = 0; i < adjustments.size(); ++i)
        adjustments[i]->setText(hijri_adjust_title(static_cast<int>(i) - almanac::hijri_adjust_limit));
    language_menu_->setTitle(tr("&Language"));
    const QList<QAction*> choices = language_actions_->actions();
    for (qsizetype i = 0; i < choices.size(); ++i) {
        choices[i]->setText(language_title(languages[static_cast<std::size_t>(i)]));
        choices[i]->setChecked(languages[static_cast<std::size_t>(i)] == core_.language().language);
    }
    arabic_digits_action_->setText(tr("Arabic-Indic &digits (٠١٢٣)"));
    arabic_digits_action_->setChecked(core_.language().arabic_digits);
    arabic_digits_action_->setEnabled(core_.spoken_language() == TLanguage::arabic);
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
    // With a tray and the option on, the program stays there to alert; otherwise closing the main window
    // ends the program, whatever tool windows are still open.
    if (TCompanion* companion = core_.existing_companion(); companion && companion->keeps_running()) {
        companion->closed_to_tray();
        return;
    }
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
    show_message(this, {tr("Wrong date !"), first_line + u'\n' + tr("Please, check this out."),
                        QMessageBox::Information, QMessageBox::Ok});
}

void TMainForm::fill_gregorian(const almanac::TDayInCalendars& day) {
    ui->GDay->setValue(day.civil.day);
    ui->GMonth->setValue(day.civil.month);
    ui->GYear->setValue(day.civil.year);
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
    ui->IslamicGroupBox->setTitle(tr(" Islamic%1: ").arg(islamic_qualifier(core_.islamic_choice(), year)));
    ui->IslamicGroupBox->setToolTip(almanac::islamic_year_beyond_table(core_.islamic_choice(), year)
                                        ? tr("ICU tabulates Umm al-Qura for %1 to %2 AH; %3 AH is computed "
                                             "by its own arithmetic, the civil "
                                             "calendar.")
                                              .arg(almanac::umm_al_qura_first_year)
                                              .arg(almanac::umm_al_qura_last_year)
                                              .arg(year)
                                        : QString());
}

void TMainForm::fill_hebrew(const almanac::TDayInCalendars& day) {
    ui->JeDay->setValue(day.hebrew.day);
    ui->JeMonth->setValue(day.hebrew.month);
    ui->JeYear->setValue(day.hebrew.year);
    ui->JeMonthName->setCurrentIndex(day.hebrew.month - 1);
}

void TMainForm::fill_julian(const almanac::TDayInCalendars& day) {
    // Shortest general form, at most 15 significant digits, the locale's decimal separator.
    julian_day_ = day.julian_day;
    fill_julian_text();
}

void TMainForm::fill_julian_text() {
    QString text = QString::number(static_cast<double>(julian_day_), 'g', 15);
    text.replace(u'.', QLocale().decimalPoint());
    ui->JuDay->setText(shown_digits(text));
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
    core_.set_moment(core_.now());
    const almanac::TDayInCalendars day = almanac::day_in_calendars(core_.moment(), core_.islamic_choice());
    fill_gregorian(day);
    fill_islamic(day);
    fill_hebrew(day);
    fill_julian(day); // the current moment, with its decimals
    fill_chinese(day);
}

// --- conversions ---

void TMainForm::GConvertClick() {
    set_date_conventions();
    // A date of the civil calendar in force: 29 February 1500 exists, 5..14 October 1582 do not.
    std::optional<double> day_entered;
    try {
        day_entered = almanac::noon_of_civil_date(ui->GYear->value(), ui->GMonth->value(), ui->GDay->value());
    } catch (const astro::Exception&) {
        wrong_date(tr("Please, note that Gregorian date is invalid."));
    }
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
        wrong_date(tr("Please, note this Hebrew date is invalid."));
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
        wrong_date(tr("Please, note this Chinese date is invalid."));
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
        wrong_date(tr("Please, note this Islamic date is invalid."));
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

} // namespace almadex
