#include "app/month_form.h"

#include "almanac/ics.h"
#include "almanac/time_zone.h"
#include "app/core.h"
#include "app/data_files.h"
#include "app/date_formats.h"
#include "app/guard.h"
#include "app/messages.h"
#include "app/rtf_writer.h"
#include "ui_month_form.h"

#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>

namespace almadex {
namespace {

/// The report's dates: day first, "/" between the numbers.
const TFormatSettings kReportDates{};
/// Room beside a window's title for the frame's buttons and edges.
constexpr int kTitleMargin = 140;

void report_failure(QWidget* parent, const QString& text) {
    show_message(parent, {QStringLiteral("Almadex"), text, QMessageBox::Warning, QMessageBox::Ok});
}

} // namespace

TMonthForm::TMonthForm(TAppCore& core, QWidget* parent)
    : QWidget(parent), core_(core), ui(std::make_unique<Ui::TMonthForm>()) {
    ui->setupUi(this);
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    // Wide enough for its title beside the frame's buttons.
    setFixedSize(std::max(195, fontMetrics().horizontalAdvance(windowTitle()) + kTitleMargin), 305);
    ui->BitBtn1->setIcon(QIcon::fromTheme(QStringLiteral("document-print")));
    ui->BitBtn3->setIcon(QIcon::fromTheme(QStringLiteral("document-save")));
    ui->BitBtn2->setIcon(QIcon::fromTheme(QStringLiteral("window-close")));
    connect(ui->BitBtn1, &QPushButton::clicked, this, guarded(this, &TMonthForm::BitBtn1Click));
    connect(ui->BitBtn2, &QPushButton::clicked, this, guarded(this, &TMonthForm::BitBtn2Click));
    connect(ui->BitBtn3, &QPushButton::clicked, this, guarded(this, &TMonthForm::BitBtn3Click));
}

TMonthForm::~TMonthForm() = default;

void TMonthForm::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::LanguageChange && event->type() != QEvent::LocaleChange) return;
    ui->retranslateUi(this);
    setFixedSize(std::max(195, fontMetrics().horizontalAdvance(windowTitle()) + kTitleMargin), 305);
    // The report again in the language spoken, when there is one.
    if (line_count_ > 0) run_guarded(this, [this] { set_schedule(request_, days_); });
}

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

QString TMonthForm::set_schedule(const almanac::TPrayerRequest& request,
                                 std::vector<almanac::TPrayerDay> days) {
    clear_report();
    // The report ends with the first day that failed, whose message the caller shows.
    const auto failed =
        std::find_if(days.begin(), days.end(), [](const auto& d) { return !d.error.empty(); });
    const QString error = failed == days.end() ? QString() : prayer_message(failed->error, request.names);
    if (failed != days.end()) days.erase(failed + 1, days.end());
    // One fixed form of dates, whatever date conventions the windows set meanwhile: the report, its print and
    // its files read alike.
    almanac::TReportStyle style = report_style(kReportDates, QString::fromStdString(request.options.zone),
                                               request.options.method.round_to_minute);
    style.stop_at_failure = true;
    for (const std::string& line : almanac::schedule_report(request, days, style))
        add_line(QString::fromStdString(line));
    request_ = request;
    days_ = std::move(days);
    // The report opens at its first line (the box's cursor followed the lines as they were added).
    ui->MemoMonth->moveCursor(QTextCursor::Start);
    ui->MemoMonth->ensureCursorVisible();
    return error;
}

// --- handlers ---

void TMonthForm::BitBtn1Click() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(print_title());
    if (!core_.seams().print_dialog(this, printer)) return;
    print_report(printer);
}

void TMonthForm::BitBtn2Click() {
    hide();
}

void TMonthForm::BitBtn3Click() {
    // The date conventions of the saved schedule stay in force for the rest of the run.
    TFormatSettings& fs = core_.date_format();
    fs.DateSeparator = u' ';
    fs.ShortDateFormat = QStringLiteral("mmm dd yyyy");
    const QString proposed = QDir::current().filePath(date_to_str(core_.now(), fs) + QStringLiteral(".rtf"));

    const QStringList filters = save_filters();
    QString filter = filters.first();
    QString path = core_.seams().save_dialog(this, proposed, filters, filter);
    if (path.isEmpty()) return; // cancelled

    const QString suffix = QFileInfo(path).suffix().toLower();
    bool icalendar = suffix == QStringLiteral("ics");
    if (suffix != QStringLiteral("ics") && suffix != QStringLiteral("rtf")) {
        icalendar = filter == filters.last();
        path += icalendar ? QStringLiteral(".ics") : QStringLiteral(".rtf");
    }
    save_report(path, icalendar);
}

QStringList TMonthForm::save_filters() {
    return {tr("Rich text (*.rtf)"), tr("iCalendar (*.ics)")};
}

bool TMonthForm::print_report(QPrinter& printer) {
    printer.setDocName(print_title());
    ui->MemoMonth->print(&printer);
    if (printer.printerState() == QPrinter::Error) {
        report_failure(this, tr("The schedule could not be printed."));
        return false;
    }
    return true;
}

QByteArray TMonthForm::icalendar_text() const {
    // Every event carries the moment the calendar is made, in UTC.
    const double stamp = from_qdatetime(to_qdatetime(core_.now()).toUTC());
    return QByteArray::fromStdString(almanac::prayer_ics(request_, days_, stamp, "Almadex"));
}

bool TMonthForm::save_report(const QString& path, bool icalendar) {
    const QFont font = ui->MemoMonth->document()->defaultFont();
    const QByteArray content =
        icalendar ? icalendar_text() : rtf_document(report_lines(), font.family(), font.pointSize());
    QString error;
    if (write_file_atomically(path, content, error)) return true;
    report_failure(this, tr("Could not save %1:\n%2").arg(QDir::toNativeSeparators(path), error));
    return false;
}

} // namespace almadex
