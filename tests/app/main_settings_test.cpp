// The converter window's stored settings, the auto-start entry, the calendars text on the clipboard and on
// the printer. Settings go to a temporary folder, the auto-start entry to the test configuration folder.
#include "app/auto_run.h"
#include "app/settings.h"
#include "controls/spin_edit.h"
#include "controls/tip_dialog.h"
#include "tests/support/app_test.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QGuiApplication>
#include <QMimeData>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QTextEdit>
#include <QTimer>
#include <sys/stat.h>

using namespace almadex;

namespace {

using almadex::testing::kNow;
using almadex::testing::read_all;

/// Every test has its own settings folder and its own desktop configuration folder ($XDG_CONFIG_HOME, where
/// the autostart entry goes), so that nothing touches the user's and tests may run in parallel.
class MainSettings : public almadex::testing::AppTest {
protected:
    QTemporaryDir config_dir;
    QTemporaryDir scratch;
    QByteArray saved_config_home = qgetenv("XDG_CONFIG_HOME");

    void SetUp() override {
        AppTest::SetUp();
        // The test mode would hide $XDG_CONFIG_HOME; the settings have their own folder.
        QStandardPaths::setTestModeEnabled(false);
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config_dir.path()));
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings_dir.path());
    }
    void TearDown() override {
        destroy_main(); // while the desktop configuration folder is still the test's
        qputenv("XDG_CONFIG_HOME", saved_config_home);
        QStandardPaths::setTestModeEnabled(true);
        AppTest::TearDown();
    }

    /// The stored settings as the program keeps them.
    static QSettings stored() { return QSettings(QStringLiteral("Kelvane"), QStringLiteral("Stellox")); }
    static TSetupValues stored_setup() {
        QSettings s = stored();
        return read_setup(s);
    }
    static void store(const std::vector<std::pair<const char*, QVariant>>& values) {
        QSettings s(QStringLiteral("Kelvane"), QStringLiteral("Stellox"));
        s.beginGroup(QStringLiteral("Setup"));
        for (const auto& [key, value] : values) s.setValue(QString::fromLatin1(key), value);
    }
    QAction* action(const char* name) const { return main->findChild<QAction*>(QString::fromLatin1(name)); }
    bool auto_run_checked() const { return action("AutoRunAction")->isChecked(); }

    void convert(int day, int month, int year) {
        main->GDay()->setValue(day);
        main->GMonth()->setValue(month);
        main->GYear()->setValue(year);
        main->GConvertClick();
    }
    QPrinter& pdf_printer(const QString& path) {
        QPrinter& printer = main->Printer();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        return printer;
    }
};

// --- stored settings ---

TEST_F(MainSettings, FirstRunOpensAt83By24WithTipsOnAndClosingStoresAllFourValues) {
    create_main();
    EXPECT_EQ(main->pos(), QPoint(83, 24));
    EXPECT_TRUE(main->TipsDialog()->StartupState());
    EXPECT_FALSE(auto_run_checked()); // no auto-start entry: no check mark
    EXPECT_FALSE(QFile::exists(auto_run_entry_location()));
    EXPECT_TRUE(stored().childGroups().isEmpty()); // loading creates nothing

    main->close();
    QSettings s = stored();
    s.beginGroup(QStringLiteral("Setup"));
    EXPECT_EQ(s.value(QStringLiteral("Top")).toInt(), 24);
    EXPECT_EQ(s.value(QStringLiteral("Left")).toInt(), 83);
    EXPECT_EQ(s.value(QStringLiteral("Run")).toString(), QStringLiteral("0"));
    EXPECT_EQ(s.value(QStringLiteral("TipOn")).toString(), QStringLiteral("1"));
}

TEST_F(MainSettings, StoredValuesAreAppliedAndSurviveARestart) {
    store({{"Top", 300}, {"Left", 410}, {"Run", 1}, {"TipOn", 0}});
    create_main();
    EXPECT_EQ(main->pos(), QPoint(410, 300));
    EXPECT_FALSE(main->TipsDialog()->StartupState());
    // "Run" says checked, but there is no entry: the mark tells the truth and nothing is created.
    EXPECT_FALSE(auto_run_checked());
    EXPECT_FALSE(QFile::exists(auto_run_entry_location()));

    main->move(120, 90);
    main->TipsDialog()->SetStartupState(true);
    main->close();
    destroy_main();
    create_main();
    EXPECT_EQ(main->pos(), QPoint(120, 90));
    EXPECT_TRUE(main->TipsDialog()->StartupState());
}

TEST_F(MainSettings, TheFirstMissingOrMalformedValueEndsTheLoading) {
    struct Case {
        const char* what;
        std::vector<std::pair<const char*, QVariant>> values;
        QPoint pos;
        bool tips;
    };
    const std::vector<Case> cases = {
        {"Top stored as text",
         {{"Top", QStringLiteral("high")}, {"Left", 400}, {"Run", 0}, {"TipOn", 0}},
         QPoint(83, 24),
         true},
        {"Left missing", {{"Top", 200}, {"Run", 0}, {"TipOn", 0}}, QPoint(83, 200), true},
        {"Left a fraction",
         {{"Top", 200}, {"Left", QStringLiteral("12.5")}, {"TipOn", 0}},
         QPoint(83, 200),
         true},
        {"Run as a word",
         {{"Top", 200}, {"Left", 400}, {"Run", QStringLiteral("yes")}, {"TipOn", 0}},
         QPoint(400, 200),
         true},
        {"TipOn as a word",
         {{"Top", 200}, {"Left", 400}, {"Run", 0}, {"TipOn", QStringLiteral("off")}},
         QPoint(400, 200),
         true},
        {"all four", {{"Top", 200}, {"Left", 400}, {"Run", 0}, {"TipOn", 0}}, QPoint(400, 200), false},
    };
    for (const Case& c : cases) {
        QSettings(QStringLiteral("Kelvane"), QStringLiteral("Stellox")).clear();
        store(c.values);
        create_main();
        EXPECT_EQ(main->pos(), c.pos) << c.what;
        EXPECT_EQ(main->TipsDialog()->StartupState(), c.tips) << c.what;
        destroy_main();
    }
}

TEST_F(MainSettings, ExitStoresThePositionAndClosingTheRest) {
    create_main();
    main->move(250, 150);
    main->TipsDialog()->SetStartupState(false);
    action("ExitApp")->trigger();
    const TSetupValues v = stored_setup();
    EXPECT_EQ(v.Top, 150);
    EXPECT_EQ(v.Left, 250);
    EXPECT_EQ(v.Run, false);
    EXPECT_EQ(v.TipOn, false);
}

// --- auto-run ---

TEST_F(MainSettings, AutoRunWritesAndRemovesThePerUserEntry) {
    create_main();
    ASSERT_FALSE(auto_run_checked());
    action("AutoRunAction")->trigger();
    EXPECT_TRUE(auto_run_checked());
    const QString entry = QString::fromUtf8(read_all(auto_run_entry_location()));
    EXPECT_TRUE(entry.startsWith(QStringLiteral("[Desktop Entry]\n")));
    for (const QString& line :
         {QStringLiteral("Type=Application"), QStringLiteral("Name=Almadex"),
          QStringLiteral("Exec=\"%1\" --hidden").arg(QCoreApplication::applicationFilePath()),
          QStringLiteral("X-GNOME-Autostart-enabled=true")})
        EXPECT_TRUE(entry.split(u'\n').contains(line)) << line.toStdString();
    EXPECT_TRUE(messages.empty());

    // The next run finds the entry and shows the mark; "Run" is stored as 1.
    main->close();
    EXPECT_EQ(stored_setup().Run, true);
    destroy_main();
    create_main();
    EXPECT_TRUE(auto_run_checked());

    action("AutoRunAction")->trigger();
    EXPECT_FALSE(auto_run_checked());
    EXPECT_FALSE(QFile::exists(auto_run_entry_location()));
    EXPECT_TRUE(messages.empty());
}

TEST_F(MainSettings, AFailedAutoRunIsReportedAndLeavesTheMarkOff) {
    // The autostart folder cannot be made: a plain file stands in its place.
    const QString folder = QFileInfo(auto_run_entry_location()).absolutePath();
    QDir().mkpath(QFileInfo(folder).absolutePath());
    QDir(folder).removeRecursively();
    {
        QFile blocker(folder);
        ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    }
    create_main();
    action("AutoRunAction")->trigger();
    QFile::remove(folder);
    EXPECT_FALSE(auto_run_checked());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].caption, QStringLiteral("Auto Run"));
    EXPECT_EQ(messages[0].icon, QMessageBox::Warning);
    EXPECT_TRUE(
        messages[0].text.startsWith(QStringLiteral("Almadex cannot be set to start when you log on.")));
}

TEST_F(MainSettings, TheAutostartEntryLiesInTheDesktopConfigurationFolder) {
    const QString location = auto_run_entry_location();
    EXPECT_EQ(location, config_dir.filePath(QStringLiteral("autostart/almadex.desktop")));
    QString error;
    EXPECT_TRUE(enable_auto_run(QStringLiteral("/opt/almadex 1/bin/almadex"), error));
    EXPECT_TRUE(read_all(location).contains("\nExec=\"/opt/almadex 1/bin/almadex\" --hidden\n"));

    // An entry of an older version (without --hidden) or of a program that moved is written again at start;
    // one that is right is left alone, and without an entry nothing is made.
    almadex::testing::write_all(location, "[Desktop Entry]\nExec=\"/opt/almadex 1/bin/almadex\"\n");
    EXPECT_TRUE(refresh_auto_run(QStringLiteral("/opt/almadex 1/bin/almadex"), error));
    EXPECT_TRUE(read_all(location).contains("\nExec=\"/opt/almadex 1/bin/almadex\" --hidden\n"));
    const auto inode = [&location] {
        struct stat st {};
        ::stat(QFile::encodeName(location).constData(), &st);
        return st.st_ino; // an atomic write makes a new file
    };
    const auto written = inode();
    EXPECT_TRUE(refresh_auto_run(QStringLiteral("/opt/almadex 1/bin/almadex"), error));
    EXPECT_EQ(inode(), written);
    EXPECT_TRUE(refresh_auto_run(QStringLiteral("/usr/bin/almadex"), error));
    EXPECT_TRUE(read_all(location).contains("\nExec=\"/usr/bin/almadex\" --hidden\n"));
    EXPECT_TRUE(disable_auto_run(error));
    EXPECT_TRUE(refresh_auto_run(QStringLiteral("/usr/bin/almadex"), error));
    EXPECT_FALSE(QFile::exists(location));
    EXPECT_FALSE(QFile::exists(location));
    EXPECT_TRUE(disable_auto_run(error)); // nothing left to remove
}

TEST_F(MainSettings, ExecQuotesTheReservedCharactersOfAPath) {
    QString error;
    ASSERT_TRUE(enable_auto_run(QStringLiteral("/tmp/a\"b$c%d\\e"), error));
    const QString entry = QString::fromUtf8(read_all(auto_run_entry_location()));
    // Inside quotes: \" \$ and a backslash written \\\\; % doubled for the field codes.
    EXPECT_TRUE(entry.contains(QStringLiteral("Exec=\"/tmp/a\\\\\"b\\\\$c%%d\\\\\\\\e\" --hidden\n")))
        << entry.toStdString();
}

// --- the Islamic calendar followed ---

TEST_F(MainSettings, TheIslamicCalendarAndItsAdjustmentAreStoredAtOnceAndSurviveARestart) {
    create_main();
    EXPECT_TRUE(action("islamic_calendar_moon")->isChecked());
    EXPECT_TRUE(action("hijri_adjust_0")->isChecked());
    action("islamic_calendar_umm_al_qura")->trigger();
    action("hijri_adjust_minus_1")->trigger();
    {
        QSettings s = stored();
        s.beginGroup(QStringLiteral("Setup"));
        EXPECT_EQ(s.value(QStringLiteral("IslamicCalendar")).toString(), QStringLiteral("umm-al-qura"));
        EXPECT_EQ(s.value(QStringLiteral("HijriAdjust")).toInt(), -1);
    }
    destroy_main(); // not even closed: the choice is already stored
    create_main();
    EXPECT_TRUE(action("islamic_calendar_umm_al_qura")->isChecked());
    EXPECT_TRUE(action("hijri_adjust_minus_1")->isChecked());
    EXPECT_EQ(core->islamic_choice(), (almanac::TIslamicChoice{almanac::TIslamicCalendar::umm_al_qura, -1}));
    EXPECT_EQ(main->findChild<QGroupBox*>(QStringLiteral("IslamicGroupBox"))->title(),
              QStringLiteral(" Islamic (Umm al-Qura, -1 day): "));
    EXPECT_TRUE(messages.empty());
}

TEST_F(MainSettings, StoredIslamicChoicesThatCannotBeUsedLeaveTheDefault) {
    const struct {
        const char* what;
        std::vector<std::pair<const char*, QVariant>> values;
        almanac::TIslamicChoice expected;
    } cases[] = {
        {"both",
         {{"IslamicCalendar", QStringLiteral("civil")}, {"HijriAdjust", -2}},
         {almanac::TIslamicCalendar::civil, -2}},
        {"an unknown calendar",
         {{"IslamicCalendar", QStringLiteral("islamic-umalqura")}, {"HijriAdjust", 2}},
         {almanac::TIslamicCalendar::moon, 2}},
        {"an adjustment out of range",
         {{"IslamicCalendar", QStringLiteral("civil")}, {"HijriAdjust", 3}},
         {almanac::TIslamicCalendar::civil, 0}},
        {"an adjustment as a word", {{"HijriAdjust", QStringLiteral("one")}}, {}},
        {"the position alone", {{"Top", 200}, {"Left", 400}}, {}},
    };
    for (const auto& c : cases) {
        QSettings(QStringLiteral("Kelvane"), QStringLiteral("Stellox")).clear();
        store(c.values);
        QSettings settings = stored();
        EXPECT_EQ(read_islamic_choice(settings), c.expected) << c.what;
        create_main();
        EXPECT_EQ(core->islamic_choice(), c.expected) << c.what;
        destroy_main();
    }
}

TEST_F(MainSettings, TheCopiedIslamicLineNamesACalendarOtherThanTheDefault) {
    create_main();
    action("islamic_calendar_civil")->trigger();
    action("hijri_adjust_1")->trigger();
    convert(3, 10, 2024); // the civil date of 4 October 2024: 30 Rabi'a I 1446
    action("CopyAll")->trigger();
    const QStringList lines = QGuiApplication::clipboard()->text().split(u'\n');
    ASSERT_EQ(lines.size(), 8);
    EXPECT_EQ(lines[1], QStringLiteral("Islamic: Day:30 Month: Rabi'a I Year:1446 (civil, +1 day)"));
}

// --- the calendars text ---

TEST_F(MainSettings, CopyAllPutsTheEightLinesOnTheClipboardAsRichAndPlainText) {
    create_main();
    convert(3, 10, 2024);
    action("CopyAll")->trigger();
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    ASSERT_TRUE(data->hasText());
    ASSERT_TRUE(data->hasHtml());
    const QStringList lines = data->text().split(u'\n');
    ASSERT_EQ(lines.size(), 8) << data->text().toStdString();
    EXPECT_EQ(lines[0], QStringLiteral("Gregorian: Day:3 Month:10 Year:2024"));
    // The panels' fields and list texts, as the conversion left them.
    EXPECT_EQ(lines[1], QStringLiteral("Islamic: Day:1 Month: Rabi'a II Year:1446"));
    EXPECT_EQ(lines[2], QStringLiteral("Chinese: Day:1 Month:9 Year:41"));
    EXPECT_EQ(lines[3], QStringLiteral("   Cycle:78 Stem: Jia Zodiac: Dragon"));
    EXPECT_EQ(lines[4], QStringLiteral("Hebrew: Day:1 Month: Tishri Year:5785"));
    EXPECT_EQ(lines[5], QStringLiteral("Julian: 2460587 days."));
    EXPECT_EQ(lines[6], QString());
    EXPECT_EQ(lines[7], QStringLiteral("Time: ") + time_to_str(from_qdatetime(kNow)));
    EXPECT_TRUE(data->html().contains(QStringLiteral("Gregorian: Day:3 Month:10 Year:2024")));
    EXPECT_FALSE(main->PrintingEdit()->isVisible());
}

QString pdf_text(const QString& pdf) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    if (!process.waitForFinished(30000)) return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString pdf_info(const QString& pdf) {
    QProcess process;
    process.start(QStringLiteral("pdfinfo"), {pdf});
    if (!process.waitForFinished(30000)) return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

TEST_F(MainSettings, PrintCalendarsPrintsOneJobTitledAlmadex) {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) GTEST_SKIP() << "no pdftotext";
    create_main();
    convert(3, 10, 2024);
    const QString pdf = scratch.filePath(QStringLiteral("calendars.pdf"));
    pdf_printer(pdf);
    action("Print1")->trigger();
    EXPECT_TRUE(messages.empty());
    const QString text = pdf_text(pdf);
    EXPECT_TRUE(text.contains(QStringLiteral("Gregorian: Day:3 Month:10 Year:2024"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Hebrew: Day:1 Month: Tishri Year:5785")));
    EXPECT_TRUE(text.contains(QStringLiteral("Julian: 2460587 days.")));
    EXPECT_TRUE(text.contains(QStringLiteral("Time: 15:30")));
    const QString info = pdf_info(pdf);
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Title: +Almadex")))) << info.toStdString();
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages: +1\n")))) << info.toStdString();
}

TEST_F(MainSettings, APrintingFailureBeepsAndShowsThePrinterMessage) {
    create_main();
    pdf_printer(scratch.filePath(QStringLiteral("missing/folder/calendars.pdf")));
    action("Print1")->trigger();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].caption, QStringLiteral("Printer's trouble?"));
    EXPECT_EQ(messages[0].text, QStringLiteral("Printing cannot proceed, please check the printer out !"));
    EXPECT_EQ(messages[0].icon, QMessageBox::Warning);
    EXPECT_EQ(messages[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
}

// With no printer on the system (as here: the tests run without a print server) the first job fails: the
// user hears and reads why, and a PDF file chosen afterwards in Print Setup is printed.
TEST_F(MainSettings, WithoutAPrinterPrintingSaysSoAndPrintSetUpStillWorksAfterwards) {
    if (!QPrinterInfo::availablePrinterNames().isEmpty()) GTEST_SKIP() << "this system has a printer";
    create_main();
    action("Print1")->trigger();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].caption, QStringLiteral("Printer's trouble?"));
    EXPECT_EQ(messages[0].text, QStringLiteral("Printing cannot proceed, please check the printer out !"));
    // Print Setup > Print to file, then printing again.
    const QString pdf = scratch.filePath(QStringLiteral("after.pdf"));
    core->seams().printer_setup_dialog = [&](QWidget*, QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    };
    action("PrintSetup1")->trigger();
    action("Print1")->trigger();
    EXPECT_EQ(messages.size(), 1u) << messages.back().text.toStdString();
    EXPECT_TRUE(QFile::exists(pdf));
    // A second failure is reported again, and the printer stays usable.
    pdf_printer(scratch.filePath(QStringLiteral("missing/folder/x.pdf")));
    action("Print1")->trigger();
    EXPECT_EQ(messages.size(), 2u);
    const QString again = scratch.filePath(QStringLiteral("again.pdf"));
    pdf_printer(again);
    action("Print1")->trigger();
    EXPECT_EQ(messages.size(), 2u);
    EXPECT_TRUE(QFile::exists(again));
}

TEST_F(MainSettings, ThePrinterSetUpAppliesToLaterJobs) {
    create_main();
    const QString pdf = scratch.filePath(QStringLiteral("chosen.pdf"));
    QPrinter* seen = nullptr;
    core->seams().printer_setup_dialog = [&](QWidget*, QPrinter& printer) {
        seen = &printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setPageOrientation(QPageLayout::Landscape);
        return true;
    };
    action("PrintSetup1")->trigger();
    EXPECT_EQ(seen, &main->Printer());
    action("Print1")->trigger();
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(QFile::exists(pdf));
    EXPECT_EQ(main->Printer().pageLayout().orientation(), QPageLayout::Landscape);
}

TEST_F(MainSettings, TheRealSetUpDialogChoosesWithoutPrinting) {
    create_main();
    QString title, ok_text;
    QTimer::singleShot(0, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (!dialog) return;
        title = dialog->windowTitle();
        if (auto* buttons = dialog->findChild<QDialogButtonBox*>())
            ok_text = buttons->button(QDialogButtonBox::Ok)->text();
        QMetaObject::invokeMethod(dialog, "reject", Qt::QueuedConnection);
    });
    action("PrintSetup1")->trigger();
    EXPECT_EQ(title, QStringLiteral("Print Setup"));
    EXPECT_EQ(ok_text, QStringLiteral("OK"));
}

} // namespace
