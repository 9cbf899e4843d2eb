// The converter main window: one day shown at once in the Gregorian, Islamic, Chinese and Hebrew calendars
// and as a Julian Day, the feast commands, the menus and the toolbar; it also drives the program's start.
#pragma once

#include "almanac/islamic.h"

#include <QMainWindow>
#include <QString>
#include <QTimer>
#include <cstdint>
#include <functional>
#include <memory>

class QAction;
class QActionGroup;
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
enum class TFeastId : std::uint8_t;
} // namespace almanac

namespace almadex {

/// The window's controls keep their object names (GDay, GMonth, GYear, GConvert, IDay, ..., JuDay, the
/// actions FillEaster, CalBtn, ...); tests find any control by its object name. The other windows ask this
/// one for values (its moment, the Gregorian fields, the program folder) and tell it what they need
/// (convert_gregorian, calendar_window_shown, ...); they do not reach into its controls.
class TMainForm : public QMainWindow {
    Q_OBJECT

public:
    explicit TMainForm(QWidget* parent = nullptr);
    ~TMainForm() override;

    // --- what the other windows use ---
    /// The day, month and year the Gregorian fields show (not necessarily a valid date).
    struct TGregorianFields {
        int day = 0, month = 0, year = 0;
    };
    TGregorianFields gregorian_fields() const;
    /// Writes a date into the Gregorian fields and converts it (GConvertClick).
    void convert_gregorian(int day, int month, int year);
    /// The calendar and Moon windows say whether they are shown; the toolbar toggles follow.
    void calendar_window_shown(bool shown);
    void moon_window_shown(bool shown);
    /// The tip dialog's start-up state ("Show tips at startup").
    bool tips_at_startup() const;
    /// The Islamic calendar the user follows and its adjustment (Options menu), for whatever needs the
    /// Islamic date of a day (almanac::in_ramadan).
    const almanac::TIslamicChoice& islamic_choice() const { return islamic_choice_; }

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

    /// The window's moment: the day all panels show (12:00 after a conversion, the current moment at start).
    double FDate() const { return fdate_; }
    /// The folder of the running program, with a trailing separator.
    const QString& ProgramFolder() const { return program_folder_; }
    /// Points the program's folder elsewhere (tests, so that no file is written beside the test binary).
    void SetProgramFolder(const QString& folder);

    // --- conversions (run whether the panel's Convert button is enabled or not) ---
    void GConvertClick();
    void IConvertClick();
    void CConvertClick();
    void JeConvertClick();

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
    void AppTipShowExecute();
    void About1Click();
    void Almadexhomepage1Click();
    /// Updates the Moon window (clicks its SetBtn) and shows it.
    void ToolMoonExecute();
    /// Pressed: runs ToolMoonExecute; released: hides the Moon window.
    void AstroBtnClick();

    // --- the calendar, days-between and repository windows ---
    /// Writes the leap-year line for GYear into the calendar window, sets the short date format to
    /// dd/mm/yyyy and shows the window.
    void ToolCalendarExecute();
    /// Pressed: runs ToolCalendarExecute; released: hides the calendar window.
    void CalBtnClick();
    void ToolInBetweenActionExecute();
    void ToolRepositoryActionExecute();
    /// Shows the prayer window (not modally).
    void ToolMuslimPrayerActionExecute();

    // --- the Islamic calendar followed (Options > Islamic calendar, Options > Islamic date adjustment) ---
    /// Follows `calendar` from now on: stores the choice and shows the day of FDate in it.
    void choose_islamic_calendar(almanac::TIslamicCalendar calendar);
    /// Shifts the Islamic dates by -2..+2 days: stores the choice and shows the day of FDate with it.
    void choose_hijri_adjust(int adjust_days);

    // --- stored settings, auto-run, copy and print ---
    /// Applies the stored Top, Left, Run and TipOn (see app/settings.h); "Auto Run" shows whether the
    /// auto-start entry exists; the stored Islamic calendar and adjustment are followed from then on.
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
    /// The hidden rich-text box that holds the calendars text.
    QTextEdit* PrintingEdit() const { return printing_edit_; }
    /// The printer of the print commands (created on first use).
    QPrinter& Printer();
    /// Replaces the printer set-up dialog (tests); it returns whether the user accepted. Empty restores it.
    using TPrinterSetupDialog = std::function<bool(QPrinter& printer, QWidget* parent)>;
    static void SetPrinterSetupDialog(TPrinterSetupDialog dialog);

    // --- feasts ---
    void FillGnuYearExecute();
    void FillEasterExecute();
    void PalmSundayExecute();
    void WhitsunExecute();
    void AllSaintsDayExecute();
    void FillXmasExecute();
    void FillMuslimNuYearExecute();
    void FillMuslimAchouraExecute();
    void FillMuslimRamadanExecute();
    void FillMuslimLittleAidExecute();
    void FillMuslimBigAidExecute();
    void FillMuslimMaoulidExecute();
    void FillJeNuYearExecute();
    void FillPesachExecute();

    // --- start-up ---
    void FormCreate();
    void ShowIntroFormTimerTimer();

    /// The first showing places the window at its stored frame position, kept where its title bar can be
    /// reached (see app/window_place.h).
    void setVisible(bool visible) override;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void connect_handlers();
    /// The Options menu's choices of the Islamic calendar and adjustment, from the almanac's tables.
    void add_islamic_options();
    /// Follows `choice`: checks its menu items and shows the day of FDate in it.
    void apply_islamic_choice(const almanac::TIslamicChoice& choice);
    /// Checks the menu items of the choice followed.
    void check_islamic_choice();
    /// The Islamic panel's caption and hint for a date of `year` in the calendar followed.
    void show_islamic_caption(int year);
    void set_date_conventions();
    void startup_fill();
    void fill_gregorian(const almanac::TDayInCalendars& day);
    void fill_islamic(const almanac::TDayInCalendars& day);
    void fill_islamic(const astro::TIslamicDate& date);
    void fill_hebrew(const almanac::TDayInCalendars& day);
    void fill_julian(const almanac::TDayInCalendars& day);
    void fill_chinese(const almanac::TDayInCalendars& day);
    /// Stem, zodiac, leap month and cycle only.
    void fill_chinese_signs(const almanac::TDayInCalendars& day);
    void set_noon();
    void wrong_date(const QString& first_line);
    void enable_convert(QPushButton* button);
    /// Writes the feast's day and month into its calendar's panel (the year stays) and converts that panel.
    void fill_feast(almanac::TFeastId id);
    /// The Convert button of the panel that holds `widget`, or null.
    QPushButton* convert_button_of(const QWidget* widget) const;
    /// True when the printer has somewhere to print to: an installed printer, or a file.
    static bool has_destination(const QPrinter& printer);
    /// Replaces the printer after a failed job by a fresh one with the same choices.
    void renew_printer();

    std::unique_ptr<Ui::TMainForm> ui;
    TTipDialog* tips_dialog_ = nullptr;
    QTimer show_intro_form_timer_;
    double fdate_ = 0;
    QString program_folder_;
    QTextEdit* printing_edit_ = nullptr;
    std::unique_ptr<QPrinter> printer_;
    almanac::TIslamicChoice islamic_choice_;
    QActionGroup* islamic_calendar_actions_ = nullptr;
    QActionGroup* hijri_adjust_actions_ = nullptr;
};

} // namespace almadex
