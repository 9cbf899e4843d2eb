// The converter window's menu commands: current date, exit, help, tips and about, the tool windows, the
// Islamic calendar followed, the stored settings, auto-run, copying and printing the calendars, the feasts.
#include "almanac/civil_calendar.h"
#include "almanac/feasts.h"
#include "app/auto_run.h"
#include "app/companion.h"
#include "app/core.h"
#include "app/date_formats.h"
#include "app/main_form.h"
#include "app/messages.h"
#include "app/product.h"
#include "app/settings.h"
#include "astro/easter.h"
#include "controls/spin_edit.h"
#include "controls/tip_dialog.h"
#include "ui_main_form.h"

#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QMimeData>
#include <QTextEdit>
#include <QUrl>

namespace almadex {

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
    // Exit ends the program, also when closing the window would keep it in the tray.
    if (TCompanion* companion = core_.existing_companion(); companion && companion->started()) {
        companion->quit(); // closes this window
        return;
    }
    close(); // closing stores all four values again
}

void TMainForm::HelpContentExecute() {
    // A compiled help file beside the program wins; otherwise the HTML help shipped with it.
    const QString chm = core_.program_folder() + QStringLiteral("help.chm");
    const QString html = core_.guide_file();
    if (QFileInfo::exists(chm))
        core_.open_url(this, QUrl::fromLocalFile(chm), tr("The user's guide"));
    else if (QFileInfo::exists(html))
        core_.open_url(this, QUrl::fromLocalFile(html), tr("The user's guide"));
    else
        show_error(this, tr("The help file cannot be found: %1").arg(html));
}

void TMainForm::AppTipShowExecute() {
    tips_dialog_->Execute();
}

void TMainForm::About1Click() {
    core_.show_window(TWindow::info);
}

void TMainForm::Almadexhomepage1Click() {
    // The program has no web site: its home is the guide installed with it.
    const QString html = core_.guide_file();
    if (QFileInfo::exists(html))
        core_.open_url(this, QUrl::fromLocalFile(html), tr("The user's guide"));
    else
        show_error(this, tr("The help file cannot be found: %1").arg(html));
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
    const QString what = wanted ? tr("Almadex cannot be set to start when you log on.")
                                : tr("Almadex cannot be kept from starting when you log on.");
    show_message(
        this,
        {tr("Auto Run"),
         what + QStringLiteral("\n%1\n%2").arg(QDir::toNativeSeparators(auto_run_entry_location()), error),
         QMessageBox::Warning, QMessageBox::Ok});
}

void TMainForm::build_calendars_text() {
    const QStringList lines = {
        tr("Gregorian: Day:%1 Month:%2 Year:%3")
            .arg(ui->GDay->value())
            .arg(ui->GMonth->value())
            .arg(ui->GYear->value()),
        tr("Islamic: Day:%1 Month: %2 Year:%3")
                .arg(ui->IDay->value())
                .arg(ui->IsMonthName->currentText())
                .arg(ui->IYear->value()) +
            islamic_qualifier(core_.islamic_choice(), ui->IYear->value()),
        tr("Chinese: Day:%1 Month:%2 Year:%3")
            .arg(ui->CDay->value())
            .arg(ui->CMonth->value())
            .arg(ui->CYear->value()),
        tr("   Cycle:%1 Stem: %2 Zodiac: %3")
            .arg(ui->CCycles->value())
            .arg(ui->CStem->currentText(), ui->CZodiac->currentText()),
        tr("Hebrew: Day:%1 Month: %2 Year:%3")
            .arg(ui->JeDay->value())
            .arg(ui->JeMonthName->currentText())
            .arg(ui->JeYear->value()),
        tr("Julian: %1 days.").arg(ui->JuDay->text()),
        QString(),
        tr("Time: %1").arg(time_to_str(core_.now())),
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

QPrinter& TMainForm::Printer() {
    return printer_.printer();
}

void TMainForm::Print1Click() {
    build_calendars_text();
    if (printer_.print(*printing_edit_->document(), product_name())) return;
    QApplication::beep();
    show_message(this,
                 {tr("Printer's trouble?"), tr("Printing cannot proceed, please check the printer out !"),
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
    almanac::TFeastDate date = almanac::feast_date(feast, panel.year->value());
    if (feast.follows_easter()) {
        // The day of Easter (the Julian computus before 1583) as the civil calendar names it.
        const astro::TCalendarDate civil =
            almanac::civil_date_of(astro::easter_date(date.year) + feast.days_after_easter);
        date.month = civil.month;
        date.day = civil.day;
    }
    panel.day->setValue(date.day);
    panel.month->setValue(date.month); // the month name follows its field
    (this->*panel.convert)();
}

} // namespace almadex
