// The report window of the 30-day prayer schedule: it renders the schedule the prayer window computed as the
// report's lines, prints them as a titled print job, and saves them as a rich-text file, or the same times as
// an iCalendar file.
#pragma once

#include "almanac/prayer_schedule.h"

#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

class QPrinter;
class QPushButton;
class QTextEdit;

namespace Ui {
class TMonthForm;
}

namespace almadex {

/// A computed schedule, with the place as the prayer window's fields show it.
struct TSchedule {
    QString latitude;  ///< 36° 12' 0" North
    QString longitude; ///< 3° 45' 0" East
    QString time_zone; ///< +01:00
    almanac::TPlace place;
    bool arabic = false;             ///< the Arabic names
    almanac::TPrayerOptions options; ///< the method and the zone, named in the report and the calendar
    std::vector<almanac::TPrayerDay> days;
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
    /// Writes the report of `schedule` into MemoMonth: the place and the zone, then each day's date and
    /// times, up to and including the first day that failed (with the times it has). Keeps the days written,
    /// which a saved calendar holds. Returns that day's message, or "" when every day was computed.
    QString set_schedule(TSchedule schedule);
    /// The schedule of the report.
    const TSchedule& schedule() const { return schedule_; }

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
    /// The iCalendar text of the schedule.
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
    TSchedule schedule_;
    int line_count_ = 0;
};

} // namespace almadex
