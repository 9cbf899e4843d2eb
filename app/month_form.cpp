#include "app/month_form.h"

#include "app/data_files.h"
#include "app/date_formats.h"
#include "app/forms.h"
#include "app/guard.h"
#include "app/messages.h"
#include "app/prayer_form.h"
#include "app/rtf_writer.h"
#include "ui_month_form.h"

#ifdef ALMADEX_HAVE_ICS
#include "cli/almanac.h"
#include "cli/ics.h"
#endif

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <cmath>

namespace almadex {
namespace {

const QString kRtfFilter = QStringLiteral("Rich text (*.rtf)");
const QString kIcsFilter = QStringLiteral("iCalendar (*.ics)");

bool run_print_dialog(QWidget* parent, QPrinter& printer) {
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

QString run_save_dialog(QWidget* parent, const QString& proposed, const QStringList& filters,
                        QString& filter) {
    return QFileDialog::getSaveFileName(parent, QStringLiteral("Save"), proposed,
                                        filters.join(QStringLiteral(";;")), &filter);
}

TMonthForm::TPrintDialog& print_dialog() {
    static TMonthForm::TPrintDialog dialog;
    return dialog;
}

TMonthForm::TSaveDialog& save_dialog() {
    static TMonthForm::TSaveDialog dialog;
    return dialog;
}

void report_failure(QWidget* parent, const QString& text) {
    show_message(parent, {QStringLiteral("Almadex"), text, QMessageBox::Warning, QMessageBox::Ok});
}

} // namespace

void TMonthForm::set_print_dialog(TPrintDialog dialog) {
    print_dialog() = std::move(dialog);
}

void TMonthForm::set_save_dialog(TSaveDialog dialog) {
    save_dialog() = std::move(dialog);
}

TMonthForm::TMonthForm(QWidget* parent) : QWidget(parent), ui(std::make_unique<Ui::TMonthForm>()) {
    ui->setupUi(this);
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(195, 305);
    ui->BitBtn1->setIcon(QIcon::fromTheme(QStringLiteral("document-print")));
    ui->BitBtn3->setIcon(QIcon::fromTheme(QStringLiteral("document-save")));
    ui->BitBtn2->setIcon(QIcon::fromTheme(QStringLiteral("window-close")));
    connect(ui->BitBtn1, &QPushButton::clicked, this, guarded(this, &TMonthForm::BitBtn1Click));
    connect(ui->BitBtn2, &QPushButton::clicked, this, guarded(this, &TMonthForm::BitBtn2Click));
    connect(ui->BitBtn3, &QPushButton::clicked, this, guarded(this, &TMonthForm::BitBtn3Click));
    FormCreate();
}

TMonthForm::~TMonthForm() = default;

QTextEdit* TMonthForm::MemoMonth() const {
    return ui->MemoMonth;
}

// --- the report ---

void TMonthForm::clear_report() {
    ui->MemoMonth->clear();
    line_count_ = 0;
}

void TMonthForm::add_line(const QString& line) {
    // Plain text, one paragraph per line (never read as markup).
    QTextCursor cursor(ui->MemoMonth->document());
    cursor.movePosition(QTextCursor::End);
    if (line_count_ > 0) cursor.insertBlock();
    cursor.insertText(line);
    ++line_count_;
}

QStringList TMonthForm::report_lines() const {
    QStringList lines;
    if (line_count_ == 0) return lines;
    for (QTextBlock b = ui->MemoMonth->document()->begin(); b.isValid(); b = b.next()) lines << b.text();
    return lines;
}

// --- handlers ---

void TMonthForm::FormCreate() {
    if (const QWidget* prayer = forms().prayer) move(prayer->x() + prayer->width() - width(), prayer->y());
}

void TMonthForm::BitBtn1Click() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(print_title());
    const auto& dialog = print_dialog();
    if (!(dialog ? dialog(this, printer) : run_print_dialog(this, printer))) return;
    print_report(printer);
}

void TMonthForm::BitBtn2Click() {
    hide();
}

void TMonthForm::BitBtn3Click() {
    // The date conventions of the saved schedule stay in force for the rest of the run.
    TFormatSettings& fs = format_settings();
    fs.DateSeparator = u' ';
    fs.ShortDateFormat = QStringLiteral("mmm dd yyyy");
    const QString proposed = QDir::current().filePath(date_to_str(now_datetime()) + QStringLiteral(".rtf"));

    const QStringList filters = save_filters();
    QString filter = filters.first();
    const auto& dialog = save_dialog();
    QString path =
        dialog ? dialog(this, proposed, filters, filter) : run_save_dialog(this, proposed, filters, filter);
    if (path.isEmpty()) return; // cancelled

    const QString suffix = QFileInfo(path).suffix().toLower();
    bool icalendar = suffix == QStringLiteral("ics");
    if (suffix != QStringLiteral("ics") && suffix != QStringLiteral("rtf")) {
        icalendar = filter == kIcsFilter && filters.contains(kIcsFilter);
        path += icalendar ? QStringLiteral(".ics") : QStringLiteral(".rtf");
    }
    save_report(path, icalendar);
}

QStringList TMonthForm::save_filters() {
#ifdef ALMADEX_HAVE_ICS
    return {kRtfFilter, kIcsFilter};
#else
    return {kRtfFilter};
#endif
}

bool TMonthForm::print_report(QPrinter& printer) {
    printer.setDocName(print_title());
    ui->MemoMonth->print(&printer);
    if (printer.printerState() == QPrinter::Error) {
        report_failure(this, QStringLiteral("The schedule could not be printed."));
        return false;
    }
    return true;
}

QByteArray TMonthForm::icalendar_text() const {
#ifdef ALMADEX_HAVE_ICS
    cli::TPrayerRequest r;
    r.latitude = request_.latitude + 0.0;             // never -0
    r.longitude_east = 0.0 - request_.longitude_west; // east positive, never -0
    r.tz = request_.offset;
    r.tz_text = request_.time_zone.toStdString();
    r.date = std::floor(request_.first_day);
    r.days = request_.days;
    r.arabic = request_.arabic;
    r.sunrise = request_.sunrise;
    // Every event carries the moment the calendar is made, in UTC.
    const double stamp = from_qdatetime(to_qdatetime(now_datetime()).toUTC());
    return QByteArray::fromStdString(cli::prayer_ics(r, cli::prayer_days(r), stamp));
#else
    return {};
#endif
}

bool TMonthForm::save_report(const QString& path, bool icalendar) {
    const QFont font = ui->MemoMonth->document()->defaultFont();
    const QByteArray content =
        icalendar ? icalendar_text() : rtf_document(report_lines(), font.family(), font.pointSize());
    QString error;
    if (content.isEmpty()) {
        error = QStringLiteral("this program cannot write calendars");
    } else if (write_file_atomically(path, content, error)) {
        return true;
    }
    report_failure(this, QStringLiteral("Could not save %1:\n%2").arg(QDir::toNativeSeparators(path), error));
    return false;
}

} // namespace almadex
