// The converter main window: one day shown at once in the Gregorian, Islamic, Chinese and Hebrew calendars
// and as a Julian Day, the feast commands, the menus and the toolbar; it also drives the program's start. The
// panels, conversions and start are in main_form.cpp, the menus' commands in main_form_commands.cpp.
#pragma once

#include "almanac/feasts.h"
#include "almanac/islamic.h"
#include "app/core.h" // TWindow
#include "app/kept_printer.h"

#include <QMainWindow>
#include <QString>
#include <QTimer>
#include <cstdint>
#include <memory>
#include <optional>

class QAction;
class QActionGroup;
class QMenu;
class QCloseEvent;
class QPrinter;
class QPushButton;
class QTextEdit;
class TSpinEdit;
class TTipDialog;

namespace Ui {
class TMainForm;
}

namespace almanac {
struct TDayInCalendars;
}

namespace almadex {

class TAppCore;

/// The window's controls keep their object names (GDay, GMonth, GYear, GConvert, IDay, ..., JuDay, the
/// actions FillEaster, CalBtn, ...); tests find any control by its object name. What the other windows need
/// of this one goes through the core: the moment shown, the Gregorian fields, the Islamic calendar followed;
/// a day sent by the repository arrives from the core.
class TMainForm : public QMainWindow {
    Q_OBJECT

public:
    explicit TMainForm(TAppCore& core, QWidget* parent = nullptr);
    ~TMainForm() override;

    // --- controls, for tests ---
    TSpinEdit* GDay() const;
    TSpinEdit* GMonth() const;
    TSpinEdit* GYear() const;
    /// Its click runs GConvertClick. Only the panel the mouse last moved over has its button enabled and
    /// QAbstractButton::click() ignores a disabled button: to convert regardless, call GConvertClick().
    QPushButton* GConvert() const;
    /// The toolbar toggles of the calendar and Moon windows (checkable actions).
    QAction* CalBtn() const;
    QAction* AstroBtn() const;
    TTipDialog* TipsDialog() const { return tips_dialog_; }
    /// The one-shot start-up timer (500 ms) that shows the start-up window.
    QTimer& ShowIntroFormTimer() { return show_intro_form_timer_; }
    /// The hidden rich-text box that holds the calendars text.
    QTextEdit* PrintingEdit() const { return printing_edit_; }
    /// The printer of the print commands (created on first use).
    QPrinter& Printer();

    /// The window's moment: the day all panels show (12:00 after a conversion, the current moment at start).
    double FDate() const;
    /// Writes a date into the Gregorian fields and converts it (GConvertClick).
    void convert_gregorian(int day, int month, int year);

    // --- conversions (run whether the panel's Convert button is enabled or not) ---
    void GConvertClick();
    void IConvertClick();
    void CConvertClick();
    void JeConvertClick();

    // --- start-up ---
    /// Arms the start-up timer, fills the panels for the current moment and applies the stored settings.
    void FormCreate();
    /// Runs the start-up window (which shows this window when it is done); without one, shows this window.
    void ShowIntroFormTimerTimer();
    /// Shows the tip-of-the-day dialog now.
    void AppTipShowExecute();
    /// Shows the about window modally, on its first page.
    void About1Click();

    /// The first showing places the window at its stored frame position, kept where its title bar can be
    /// reached (see app/window_place.h).
    void setVisible(bool visible) override;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void connect_handlers();
    /// The toolbar toggles follow the calendar and Moon windows (the core's window_shown).
    void window_shown(TWindow window, bool shown);
    /// Reports the Gregorian fields to the core.
    void report_gregorian_fields();

    // --- panels and month names ---
    void GregorianPanelMouseMove();
    void IslamicGroupBoxMouseMove();
    void ChinesePanelMouseMove();
    void JewishPanelMouseMove();
    /// The keyboard focus entering a panel enables that panel's Convert button and disables the other
    /// three, as the mouse does.
    void PanelFocusChange(QWidget* now);
    /// Enter in a field of a panel: converts that panel (`button` is its Convert button).
    void PanelEnter(QPushButton* button);
    void JeMonthChange();
    void JeMonthNameChange();
    void IMonthChange();
    void IsMonthNameChange();

    // --- commands ---
    void CurrentDateExecute();
    void ExitAppExecute();
    void HelpContentExecute();
    void Almadexhomepage1Click();
    /// Updates the Moon window (as a press of its Update button) and shows it.
    void ToolMoonExecute();
    /// Pressed: runs ToolMoonExecute; released: hides the Moon window.
    void AstroBtnClick();
    /// Sets the short date format to dd/mm/yyyy and shows the calendar window, which writes the leap-year
    /// line for GYear.
    void ToolCalendarExecute();
    /// Pressed: runs ToolCalendarExecute; released: hides the calendar window.
    void CalBtnClick();
    void ToolInBetweenActionExecute();
    void ToolRepositoryActionExecute();
    /// Shows the prayer window (not modally).
    void ToolMuslimPrayerActionExecute();

    // --- the Islamic calendar followed (Options > Islamic calendar, Options > Islamic date adjustment) ---
    /// The Options menu's choices of the Islamic calendar and adjustment, from the almanac's tables.
    void add_islamic_options();
    /// Follows `calendar` (through the core, which stores the choice).
    void choose_islamic_calendar(almanac::TIslamicCalendar calendar);
    /// Shifts the Islamic dates by -2..+2 days (through the core).
    void choose_hijri_adjust(int adjust_days);
    /// The choice followed now: its menu items checked and the day of FDate shown in it.
    void show_islamic_choice();
    /// Checks the menu items of the choice followed.
    void check_islamic_choice();
    /// The Islamic panel's caption and hint for a date of `year` in the calendar followed.
    void show_islamic_caption(int year);
    /// " (Umm al-Qura, +1 day)" after an Islamic date of a calendar or adjustment other than the default.
    static QString islamic_qualifier(const almanac::TIslamicChoice& choice, int year);
    /// "+1 day", "-2 days", "None" for 0, in the language spoken.
    static QString hijri_adjust_title(int days);

    // --- the language (Options > Language) ---
    void add_language_options();
    /// The texts of the menus the window makes in code, in the language spoken.
    void translate_options();
    void translate_tips();
    /// Every text in the language spoken: the layout's, then those the window sets itself.
    void retranslate();
    void fill_julian_text();

    // --- stored settings, auto-run, copy and print ---
    /// Applies the stored Top, Left, Run and TipOn (see app/settings.h); "Auto Run" shows whether the
    /// auto-start entry exists.
    void load_settings();
    /// Stores the position, the "Auto Run" check mark, the tip dialog's start-up state and the Islamic
    /// calendar followed.
    void save_settings();
    /// Closing the window: save_settings.
    void FormClose();
    /// Writes or removes the per-user auto-start entry; the check mark then shows whether it exists and a
    /// failure is reported.
    void AutoRunActionExecute();
    /// The eight lines of the calendars text, as rich and plain text, onto the clipboard.
    void CopyAllExecute();
    /// Prints the calendars text as one job titled "Almadex" on Printer().
    void Print1Click();
    /// The printer set-up dialog for Printer().
    void PrintSetup1Click();
    /// Fills PrintingEdit with the calendars text.
    void build_calendars_text();

    // --- feasts ---
    void FillGnuYearExecute() { fill_feast(almanac::TFeastId::new_year); }
    void FillEasterExecute() { fill_feast(almanac::TFeastId::easter); }
    void PalmSundayExecute() { fill_feast(almanac::TFeastId::palm_sunday); }
    void WhitsunExecute() { fill_feast(almanac::TFeastId::whitsun); }
    void AllSaintsDayExecute() { fill_feast(almanac::TFeastId::all_saints); }
    void FillXmasExecute() { fill_feast(almanac::TFeastId::christmas); }
    void FillMuslimNuYearExecute() { fill_feast(almanac::TFeastId::muslim_new_year); }
    void FillMuslimAchouraExecute() { fill_feast(almanac::TFeastId::achoura); }
    void FillMuslimRamadanExecute() { fill_feast(almanac::TFeastId::ramadan); }
    void FillMuslimLittleAidExecute() { fill_feast(almanac::TFeastId::minor_fair); }
    void FillMuslimBigAidExecute() { fill_feast(almanac::TFeastId::major_fair); }
    void FillMuslimMaoulidExecute() { fill_feast(almanac::TFeastId::maoulid); }
    void FillJeNuYearExecute() { fill_feast(almanac::TFeastId::jewish_new_year); }
    void FillPesachExecute() { fill_feast(almanac::TFeastId::pesach); }
    /// Writes the feast's day and month into its calendar's panel (the year stays) and converts that panel.
    void fill_feast(almanac::TFeastId id);

    // --- shared steps ---
    void set_date_conventions();
    /// The Islamic routines leave the short date format day first.
    void islamic_steps_done();
    void startup_fill();
    void fill_gregorian(const almanac::TDayInCalendars& day);
    void fill_islamic(const almanac::TDayInCalendars& day);
    void fill_islamic(const astro::TIslamicDate& date);
    void fill_hebrew(const almanac::TDayInCalendars& day);
    void fill_julian(const almanac::TDayInCalendars& day);
    void fill_chinese(const almanac::TDayInCalendars& day);
    /// Stem, zodiac, leap month and cycle only.
    void fill_chinese_signs(const almanac::TDayInCalendars& day);
    /// The moment `moment`, or the current one when it is empty (after a wrong date), at 12:00 of its day,
    /// becomes the core's moment; returns it.
    double set_noon(std::optional<double> moment);
    void wrong_date(const QString& first_line);
    void enable_convert(QPushButton* button);
    /// The Convert button of the panel that holds `widget`, or null.
    QPushButton* convert_button_of(const QWidget* widget) const;

    TAppCore& core_;
    std::unique_ptr<Ui::TMainForm> ui;
    TTipDialog* tips_dialog_ = nullptr;
    QTimer show_intro_form_timer_;
    QTextEdit* printing_edit_ = nullptr;
    TKeptPrinter printer_;
    QMenu* islamic_calendar_menu_ = nullptr;
    QActionGroup* islamic_calendar_actions_ = nullptr;
    QMenu* hijri_adjust_menu_ = nullptr;
    QActionGroup* hijri_adjust_actions_ = nullptr;
    QMenu* language_menu_ = nullptr;
    QActionGroup* language_actions_ = nullptr;
    QAction* arabic_digits_action_ = nullptr;
    long double julian_day_ = 0;
};

} // namespace almadex
