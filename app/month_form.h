// The report window of the 30-day prayer schedule: it renders the schedule the prayer window computed as the
// report's lines, prints them as a titled print job, and saves them as a rich-text file, or the same times as
// an iCalendar file.
#pragma once

#include "app/schedule.h"

#include <QString>
#include <QStringList>
#include <QWidget>
#include <memory>

class QPrinter;
class QPushButton;
class QTextEdit;

namespace Ui {
class TMonthForm;
}

namespace almadex {

class TAppCore;

/// Shown by the prayer window's "Next month..." command (through the core), its top right corner placed at
/// the prayer window's when it is made; its print and save dialogs are the core's seams.
class TMonthForm : public QWidget {
    Q_OBJECT

public:
    /// Title of the print job.
    static QString print_title() { return QStringLiteral("Prayers Schedule"); }

    explicit TMonthForm(TAppCore& core, QWidget* parent = nullptr);
    ~TMonthForm() override;

    QTextEdit* MemoMonth() const;

    // --- the report ---
    void clear_report();
    void add_line(const QString& line);
    /// The lines of MemoMonth.
    QStringList report_lines() const;
    /// Writes the report of `request`'s schedule `days` into MemoMonth (almanac::schedule_report in the date
    /// conventions in force), up to and including the first day that failed (with the times it has). Keeps
    /// the request and the days written, which a saved calendar holds. Returns that day's message, or "" when
    /// every day was computed.
    QString set_schedule(const almanac::TPrayerRequest& request, std::vector<almanac::TPrayerDay> days);
    /// The days of the report.
    const std::vector<almanac::TPrayerDay>& days() const { return days_; }

    // --- handlers ---
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

protected:
    /// Every text in the language spoken, the report written again.
    void changeEvent(QEvent* event) override;

private:
    TAppCore& core_;
    std::unique_ptr<Ui::TMonthForm> ui;
    almanac::TPrayerRequest request_;
    std::vector<almanac::TPrayerDay> days_;
    int line_count_ = 0;
};

} // namespace almadex
