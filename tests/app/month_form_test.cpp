// The 30-day prayer schedule: its lines, its failures, printing (to PDF, read back with pdftotext), saving as
// rich text (read back with LibreOffice) and as iCalendar, the same times to the second in all of them, and
// the window.
#include "app/month_form.h"
#include "app/prayer_form.h"
#include "controls/spin_edit.h"
#include "office_text.h"
#include "tests/support/app_test.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTableWidget>
#include <QTextBlock>
#include <QTextEdit>
#include <cmath>

using namespace almadex;
using almadex::testing::find_child;
using almadex::testing::read_all;

namespace {

const QDateTime kNow(QDate(2024, 3, 15), QTime(9, 30));

/// The prayer window and its schedule, without the main window.
class MonthForm : public almadex::testing::AppTest {
protected:
    QTemporaryDir folder;
    TPrayerForm* prayer = nullptr;
    TMonthForm* month = nullptr;

    MonthForm() : AppTest(kNow) {}

    void SetUp() override {
        AppTest::SetUp();
        start(folder.path() + QDir::separator());
        prayer = &core->prayer_form();
        month = &core->month_form();
        // Algiers, UT+1.
        place(36, 12, true, 3, 45, false, 0, "01:00");
        prayer->Cal()->setDate(QDate(2024, 3, 15));
    }

    QAction* action(const char* name) const { return find_child<QAction>(prayer, name); }
    void place(int lat_deg, int lat_min, bool north, int lon_deg, int lon_min, bool west, int sign,
               const char* zone) const {
        prayer->LatEdit(1)->setValue(lat_deg);
        prayer->LatEdit(2)->setValue(lat_min);
        prayer->LatEdit(3)->setValue(0);
        prayer->LatEdit4()->setCurrentIndex(north ? 0 : 1);
        prayer->LonEdit(1)->setValue(lon_deg);
        prayer->LonEdit(2)->setValue(lon_min);
        prayer->LonEdit(3)->setValue(0);
        prayer->LonEdit4()->setCurrentIndex(west ? 0 : 1);
        prayer->TZSign()->setCurrentIndex(sign);
        prayer->TZValue()->setText(QString::fromLatin1(zone));
    }
    QStringList lines() const { return month->report_lines(); }
    QStringList date_lines() const { return lines().filter(QStringLiteral("Date: ")); }
    /// Saves through the Save button with the dialog answering `path` (and the file type `filter`).
    QString save(const QString& path, const QString& filter = QString()) {
        QString proposed;
        core->seams().save_dialog = [&](QWidget*, const QString& p, const QStringList& filters, QString& f) {
            proposed = p;
            EXPECT_EQ(f, filters.first());
            if (!filter.isEmpty()) f = filter;
            return path;
        };
        find_child<QPushButton>(month, "BitBtn3")->click();
        return proposed;
    }
};

// --- the schedule ---

TEST_F(MonthForm, TheScheduleOpensAtItsFirstLineEachTime) {
    QTextEdit* memo = month->MemoMonth();
    for (const QDate day : {QDate(2024, 3, 15), QDate(2024, 7, 1)}) {
        prayer->Cal()->setDate(day);
        action("Nextmonth1")->trigger();
        QCoreApplication::processEvents();
        EXPECT_EQ(memo->verticalScrollBar()->value(), 0) << day.toString(Qt::ISODate).toStdString();
        EXPECT_EQ(memo->textCursor().block().text(), QStringLiteral("Prayers time for location: "));
        memo->verticalScrollBar()->setValue(memo->verticalScrollBar()->maximum()); // the user reads on
    }
}

TEST_F(MonthForm, ThirtyDaysFromThePickedDayWithSixTimesEach) {
    action("Nextmonth1")->trigger();
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(month->isVisible());
    const QStringList l = lines();
    ASSERT_EQ(l.size(), 4 + 30 * 8);
    EXPECT_EQ(l.mid(0, 4), (QStringList{QStringLiteral("Prayers time for location: "),
                                        QStringLiteral("Latitude: 36\u00b0 12' 0\" North"),
                                        QStringLiteral("Longitude: 3\u00b0 45' 0\" East"),
                                        QStringLiteral("Local Time: UT+01:00")}));
    const QStringList dates = date_lines();
    ASSERT_EQ(dates.size(), 30);
    EXPECT_EQ(dates.first(), QStringLiteral("Date: 15/03/2024"));
    EXPECT_EQ(dates[16], QStringLiteral("Date: 31/03/2024"));
    EXPECT_EQ(dates.last(), QStringLiteral("Date: 13/04/2024"));
    const QStringList english{QStringLiteral("Dawn"),    QStringLiteral("Sun rise"), QStringLiteral("Zenith"),
                              QStringLiteral("Mid day"), QStringLiteral("Sun set"),  QStringLiteral("Night")};
    for (int day = 0; day < 30; ++day) {
        const int first = 4 + day * 8;
        EXPECT_EQ(l[first], QString()) << day;
        for (int k = 0; k < 6; ++k)
            EXPECT_TRUE(l[first + 2 + k].startsWith(english[k] + QStringLiteral(": ")))
                << l[first + 2 + k].toStdString();
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(MonthForm, AMethodAndAZoneAreNamedWithEachChangeOfTheOffsetAndTheCalendarHasTheZone) {
    place(48, 51, true, 2, 21, false, 0, "01:00"); // Paris
    prayer->set_zone_name(QStringLiteral("Europe/Paris"));
    prayer->Cal()->setDate(QDate(2026, 3, 15));
    action("method_mwl")->trigger();
    action("Nextmonth1")->trigger();
    EXPECT_TRUE(messages.empty());
    const QStringList l = lines();
    EXPECT_EQ(l[3], QStringLiteral("Local Time: Europe/Paris"));
    EXPECT_EQ(l[4], QStringLiteral("Method: Muslim World League"));
    // The offset of the first day, then of 29 March, and nowhere else.
    const QStringList offsets = l.filter(QStringLiteral("UT offset: "));
    EXPECT_EQ(offsets,
              (QStringList{QStringLiteral("UT offset: +01:00"), QStringLiteral("UT offset: +02:00")}));
    const int change = static_cast<int>(l.indexOf(QStringLiteral("UT offset: +02:00")));
    EXPECT_EQ(l[change - 1], QStringLiteral("Date: 29/03/2026"));
    const QByteArray ics = month->icalendar_text();
    EXPECT_NE(ics.indexOf("BEGIN:VTIMEZONE"), -1);
    EXPECT_NE(ics.indexOf("DTSTART;TZID=Europe/Paris:20260329T"), -1);
    EXPECT_NE(ics.indexOf("Method: Muslim World League. Local time: Europe/Paris."), -1);
}

TEST_F(MonthForm, FiveTimesADayWithoutSunriseUnderArabicNames) {
    action("includesunrise")->trigger();
    action("Usearabiannames")->trigger();
    place(21, 25, true, 39, 49, false, 1, "05:30");
    action("Nextmonth1")->trigger();
    const QStringList l = lines();
    ASSERT_EQ(l.size(), 4 + 30 * 7);
    EXPECT_EQ(l[1], QStringLiteral("Latitude: 21\u00b0 25' 0\" North"));
    EXPECT_EQ(l[3], QStringLiteral("Local Time: UT-05:30"));
    EXPECT_EQ(l.mid(4, 7).join(u'|').section(u':', 0, 0), QStringLiteral("|Date"));
    QStringList names;
    for (const QString& line : l.mid(6, 5)) names << line.section(QStringLiteral(": "), 0, 0);
    EXPECT_EQ(names.join(u'|'), QStringLiteral("El Fedjr|El Dhohr|El Asr|El Ghouroub|El Ishaa"));
}

TEST_F(MonthForm, AFailingDayStopsTheScheduleAndTheWindowStaysHidden) {
    place(70, 0, true, 0, 0, true, 0, "00:00");
    prayer->Cal()->setDate(QDate(2024, 5, 1)); // the first days still have a night, later ones not
    messages.clear();
    action("Nextmonth1")->trigger();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, QStringLiteral("Dawn is not calculable")); // as the report names it
    EXPECT_FALSE(month->isVisible());
    const QStringList dates = date_lines();
    ASSERT_FALSE(dates.isEmpty());
    EXPECT_LT(dates.size(), 30);
    EXPECT_EQ(dates.first(), QStringLiteral("Date: 01/05/2024"));
    EXPECT_EQ(lines().last(), dates.last()); // the failing day has its date line and no time
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(MonthForm, AnInvalidTimeZoneStopsBeforeAnyLine) {
    action("Nextmonth1")->trigger();
    const QStringList before = lines();
    month->hide();
    prayer->TZValue()->setText(QStringLiteral("7"));
    action("Nextmonth1")->trigger();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].text.endsWith(QStringLiteral("is not a valid time")))
        << messages[0].text.toStdString();
    EXPECT_EQ(lines(), before);
    EXPECT_FALSE(month->isVisible());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

// --- printing ---

TEST_F(MonthForm, PrintsTheScheduleAsAJobTitledPrayersSchedule) {
    action("Nextmonth1")->trigger();
    QTemporaryDir out;
    const QString pdf = out.filePath(QStringLiteral("schedule.pdf"));
    QString job;
    core->seams().print_dialog = [&](QWidget*, QPrinter& printer) {
        job = printer.docName();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    };
    find_child<QPushButton>(month, "BitBtn1")->click();
    EXPECT_EQ(job, QStringLiteral("Prayers Schedule"));
    EXPECT_TRUE(messages.empty());

    QString error;
    const auto text = almadex::testing::pdf_text(pdf, error);
    if (!text) GTEST_SKIP() << "pdftotext is not installed: run tools/setup.sh";
    ASSERT_TRUE(error.isEmpty()) << error.toStdString();
    // Lines end with a line feed, pages with a form feed; pdftotext drops the blanks at the ends of the
    // lines.
    const QStringList printed = text->split(QRegularExpression(QStringLiteral("[\n\f]")));
    for (const QString& line : lines()) {
        if (!line.isEmpty()) {
            EXPECT_TRUE(printed.contains(line.trimmed())) << line.toStdString();
        }
    }
    EXPECT_EQ(almadex::testing::pdf_title(pdf, error).value_or(QStringLiteral("Prayers Schedule")),
              QStringLiteral("Prayers Schedule"));
}

TEST_F(MonthForm, ACancelledPrintDialogPrintsNothingAndAFailedJobIsReported) {
    action("Nextmonth1")->trigger();
    core->seams().print_dialog = [](QWidget*, QPrinter&) { return false; };
    find_child<QPushButton>(month, "BitBtn1")->click();
    EXPECT_TRUE(messages.empty());

    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(folder.filePath(QStringLiteral("no/such/folder/schedule.pdf")));
    EXPECT_FALSE(month->print_report(printer));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, QStringLiteral("The schedule could not be printed."));
}

// --- saving ---

TEST_F(MonthForm, SavesRichTextThatLibreOfficeReadsAsTheSchedule) {
    action("Nextmonth1")->trigger();
    QTemporaryDir out;
    const QString rtf = out.filePath(QStringLiteral("schedule.rtf"));
    EXPECT_EQ(save(rtf), QDir::current().filePath(QStringLiteral("Mar 15 2024.rtf")));
    EXPECT_TRUE(messages.empty());
    const QByteArray saved = read_all(rtf);
    EXPECT_TRUE(saved.startsWith("{\\rtf1")) << saved.left(40).toStdString();
    EXPECT_TRUE(saved.contains("Latitude: 36\\u176\\'b0 12' 0\" North\\par"));

    QString error;
    const auto text = almadex::testing::office_text(rtf, error);
    if (!text) GTEST_SKIP() << "LibreOffice (soffice) is not installed: run tools/setup.sh";
    ASSERT_TRUE(error.isEmpty()) << error.toStdString();
    EXPECT_EQ(text->split(u'\n').mid(0, lines().size()), lines());
}

TEST_F(MonthForm, SavingSetsTheDateConventionsAndSavingAgainReplacesTheFile) {
    action("Nextmonth1")->trigger();
    QTemporaryDir out;
    const QString rtf = out.filePath(QStringLiteral("Mar 15 2024.rtf"));
    save(rtf);
    EXPECT_EQ(core->date_format().DateSeparator, u' ');
    EXPECT_EQ(core->date_format().ShortDateFormat, QStringLiteral("mmm dd yyyy"));

    // The report's dates keep their one form.
    prayer->Cal()->setDate(QDate(2024, 4, 2));
    action("Nextmonth1")->trigger();
    EXPECT_EQ(date_lines().first(), QStringLiteral("Date: 02/04/2024"));
    save(rtf);
    QFile f(rtf);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.readAll().contains("Date: 02/04/2024\\par"));
    EXPECT_EQ(QDir(out.path()).entryList(QDir::Files).size(), 1); // no temporary file left behind
    EXPECT_TRUE(messages.empty());
}

TEST_F(MonthForm, ACancelledSaveWritesNothingAndAFailedSaveIsReported) {
    action("Nextmonth1")->trigger();
    save(QString());
    EXPECT_TRUE(messages.empty());

    QFile blocker(folder.filePath(QStringLiteral("file")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    save(folder.filePath(QStringLiteral("file/schedule.rtf"))); // a folder inside a file
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].text.startsWith(QStringLiteral("Could not save")))
        << messages[0].text.toStdString();
    EXPECT_EQ(messages[0].icon, QMessageBox::Warning);
}

/// "Name: time" lines of a saved rich-text file, in order.
QStringList rtf_time_lines(const QByteArray& rtf) {
    QStringList out;
    static const QRegularExpression line(
        QStringLiteral("([A-Za-z ]+: \\d\\d:\\d\\d:\\d\\d(?: \\([^)]+\\))?)\\\\par"));
    for (auto m = line.globalMatch(QString::fromLatin1(rtf)); m.hasNext();) out << m.next().captured(1);
    return out;
}

/// "Name: time" of each event of a saved calendar, the time of its UTC start moved by `offset_seconds`, in
/// order.
QStringList ics_time_lines(const QByteArray& ics, int offset_seconds) {
    QStringList out;
    static const QRegularExpression event(
        QStringLiteral("DTSTART:(\\d{8}T\\d{6})Z\r\nDTEND:\\d{8}T\\d{6}Z\r\nSUMMARY:([^\r]+)\r\n"));
    for (auto m = event.globalMatch(QString::fromLatin1(ics)); m.hasNext();) {
        const auto e = m.next();
        const QTime utc = QTime::fromString(e.captured(1).mid(9), QStringLiteral("HHmmss"));
        out << e.captured(2) + QStringLiteral(": ") +
                   utc.addSecs(offset_seconds).toString(long_time_pattern());
    }
    return out;
}

TEST_F(MonthForm, TextRichTextAndCalendarShowTheSameSecond) {
    // A place given to the second and a zone of half hours behind UT.
    place(36, 45, true, 3, 3, false, 1, "05:30");
    prayer->LatEdit(3)->setValue(8);
    prayer->LonEdit(3)->setValue(31);
    action("Nextmonth1")->trigger();
    ASSERT_TRUE(messages.empty());
    // The small hours UT fall on the day before, which the time says after it.
    QStringList shown = lines().filter(
        QRegularExpression(QStringLiteral(": \\d\\d:\\d\\d:\\d\\d(?: \\(\\d\\d/\\d\\d/\\d{4}\\))?$")));
    ASSERT_EQ(shown.size(), 30 * 6);
    EXPECT_GE(shown.filter(QStringLiteral(" (")).size(), 30); // every dawn at least
    QStringList clock_times;
    for (const QString& s : shown) clock_times << s.section(QStringLiteral(" ("), 0, 0);

    QTemporaryDir out;
    save(out.filePath(QStringLiteral("schedule.rtf")));
    save(out.filePath(QStringLiteral("schedule.ics")));
    ASSERT_TRUE(messages.empty()) << messages[0].text.toStdString();
    EXPECT_EQ(rtf_time_lines(read_all(out.filePath(QStringLiteral("schedule.rtf")))), shown);
    EXPECT_EQ(ics_time_lines(read_all(out.filePath(QStringLiteral("schedule.ics"))), -(5 * 3600 + 30 * 60)),
              clock_times);

    // The schedule has times in the second half of a second, where a rendering that rounds (as the calendar
    // once did) would show a second more than one that cuts the fraction off.
    int upper_halves = 0;
    for (const almanac::TPrayerDay& day : month->days())
        for (const almanac::TPrayerTime& t : day.times) {
            const double seconds = t.ut * 86400;
            upper_halves += seconds - std::floor(seconds) >= 0.5;
        }
    EXPECT_GT(upper_halves, 30);
}

TEST_F(MonthForm, ADateTheZoneSkippedIsSaidInPlaceOfItsTimes) {
    // Samoa went from 29 to 31 December 2011.
    place(13, 50, false, 171, 46, true, 0, "00:00");
    prayer->set_zone_name(QStringLiteral("Pacific/Apia"));
    prayer->Cal()->setDate(QDate(2011, 12, 30));
    EXPECT_EQ(prayer->TimeEditor()->rowCount(), 1);
    EXPECT_EQ(prayer->TimeEditor()->item(0, 1)->text(),
              QStringLiteral("not a day in Pacific/Apia: its clocks skipped it"));
    prayer->Cal()->setDate(QDate(2011, 12, 20));
    action("Nextmonth1")->trigger();
    EXPECT_EQ(date_lines().size(), 29);
    EXPECT_TRUE(date_lines().filter(QStringLiteral("30/12/2011")).isEmpty());
    EXPECT_TRUE(
        lines().contains(QStringLiteral("30/12/2011: not a day in Pacific/Apia: its clocks skipped it")));
    EXPECT_EQ(lines().filter(QStringLiteral("Date: 31/12/2011")).size(), 1);
    // The calendar the window saves names the desktop program.
    const QByteArray ics = month->icalendar_text();
    EXPECT_NE(ics.indexOf("PRODID:-//Almadex//Almadex "), -1);
    EXPECT_EQ(ics.indexOf("UID:20111230"), -1);
    EXPECT_EQ(ics.count("BEGIN:VEVENT"), 29 * 6);
}

// --- the window ---

TEST_F(MonthForm, TheWindowSitsAtThePrayerWindowsTopRightAndCloseHidesIt) {
    EXPECT_EQ(month->height(), 305);
    EXPECT_GE(month->width(), 195); // wider when its title needs it
    EXPECT_EQ(month->pos(), QPoint(prayer->x() + prayer->width() - month->width(), prayer->y()));
    month->show();
    find_child<QPushButton>(month, "BitBtn2")->click();
    EXPECT_FALSE(month->isVisible());
}

} // namespace
