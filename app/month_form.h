// The report window of the 30-day prayer schedule: the schedule's lines, printed as a titled print job, saved
// as a rich-text file or as an iCalendar file.
#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <memory>

class QPrinter;
class QPushButton;
class QTextEdit;

namespace Ui {
class TMonthForm;
}

namespace almadex {

/// What the schedule was computed for, so that it can also be saved as a calendar.
struct TScheduleRequest {
    double latitude = 0;       ///< degrees north
    double longitude_west = 0; ///< degrees west of Greenwich
    double offset = 0;         ///< time-zone offset, a fraction of a day
    QString time_zone;         ///< "+01:00"
    double first_day = 0;      ///< date-time value of the first day
    int days = 30;
    bool arabic = false;
    bool sunrise = true;
};

class TMonthForm : public QWidget {
    Q_OBJECT

public:
    /// Title of the print job.
    static QString print_title() { return QStringLiteral("Prayers Schedule"); }

    explicit TMonthForm(QWidget* parent = nullptr);
    ~TMonthForm() override;

    QTextEdit* MemoMonth() const;

    // --- the report ---
    void clear_report();
    void add_line(const QString& line);
    /// The lines of MemoMonth.
    QStringList report_lines() const;
    void set_request(const TScheduleRequest& request) { request_ = request; }
    const TScheduleRequest& request() const { return request_; }

    // --- handlers ---
    /// Places the window with its top right corner at the prayer window's.
    void FormCreate();
    /// Print: the printer dialog, then the print job.
    void BitBtn1Click();
    /// Close: hides the window.
    void BitBtn2Click();
    /// Save: as rich text or iCalendar, where the user chooses.
    void BitBtn3Click();

    /// Prints the report on `printer` as the job "Prayers Schedule"; false (and a message) when printing
    /// failed.
    bool print_report(QPrinter& printer);
    /// Writes the report to `path` as rich text, or the schedule as iCalendar; false (and a message) on
    /// failure.
    bool save_report(const QString& path, bool icalendar);
    /// The iCalendar text of the schedule (empty when this build has no calendar support).
    QByteArray icalendar_text() const;
    /// The file-type choices of the save dialog, rich text first.
    static QStringList save_filters();

    // --- dialogs, replaceable for tests ---
    /// Sets up `printer`; false when the user cancels.
    using TPrintDialog = std::function<bool(QWidget* parent, QPrinter& printer)>;
    /// The chosen file ("" when cancelled); `filter` receives the chosen file type.
    using TSaveDialog = std::function<QString(QWidget* parent, const QString& proposed,
                                              const QStringList& filters, QString& filter)>;
    static void set_print_dialog(TPrintDialog dialog);
    static void set_save_dialog(TSaveDialog dialog);

private:
    std::unique_ptr<Ui::TMonthForm> ui;
    TScheduleRequest request_;
    int line_count_ = 0;
};

} // namespace almadex
