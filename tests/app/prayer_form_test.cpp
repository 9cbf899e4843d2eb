// The prayer window: its controls and menus, the location file "gl.dat" (first start, files of the Windows
// program, broken files, round trip, a failed write), the day's prayer times and their failures, the time
// zone, and the world map.
#include "almanac/time_zone.h"
#include "app/prayer_form.h"
#include "app/prayer_method_dialog.h"
#include "app/zone_dialog.h"
#include "controls/spin_edit.h"
#include "tests/support/app_test.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>
#include <QTime>
#include <array>
#include <functional>
#include <string_view>

using namespace almadex;
using almadex::testing::read_all;

namespace {

/// A text file's content as a string, so that a difference prints readably.
QString read_text(const QString& path) {
    return QString::fromLatin1(read_all(path));
}

/// The place and time zone as the fields show them: "36 45 8 North / 3 3 31 East / + 01:00".
struct TPlace {
    int lat_deg, lat_min, lat_sec;
    const char* lat_side;
    int lon_deg, lon_min, lon_sec;
    const char* lon_side;
    const char* sign;
    const char* zone;
};

std::string place_text(const TPlace& p) {
    return QStringLiteral("%1 %2 %3 %4 / %5 %6 %7 %8 / %9 %10")
        .arg(p.lat_deg)
        .arg(p.lat_min)
        .arg(p.lat_sec)
        .arg(QString::fromLatin1(p.lat_side))
        .arg(p.lon_deg)
        .arg(p.lon_min)
        .arg(p.lon_sec)
        .arg(QString::fromLatin1(p.lon_side), QString::fromLatin1(p.sign), QString::fromLatin1(p.zone))
        .toStdString();
}

const QDateTime kMidsummer(QDate(2024, 6, 21), QTime(10, 0));

/// The prayer window alone, in a program created by each test (create()) once its "gl.dat" is in place.
class PrayerForm : public almadex::testing::AppTest {
protected:
    QTemporaryDir folder;
    TPrayerForm* form = nullptr;

    PrayerForm() : AppTest(kMidsummer) {}

    QString gl() const { return folder.filePath(QStringLiteral("gl.dat")); }
    void write_gl(const QByteArray& content) const { almadex::testing::write_all(gl(), content); }
    void create() {
        start(folder.path() + QDir::separator());
        form = &core->prayer_form();
    }
    /// Ends the program, which writes "gl.dat".
    void close() {
        form = nullptr;
        stop();
    }

    template <typename T>
    T* child(const char* name) const {
        return almadex::testing::find_child<T>(form, name);
    }
    TSpinEdit* spin(const char* name) const { return child<TSpinEdit>(name); }
    QComboBox* combo(const char* name) const { return child<QComboBox>(name); }
    QAction* action(const char* name) const { return child<QAction>(name); }

    std::string place() const {
        return place_text({spin("LatEdit1")->value(), spin("LatEdit2")->value(), spin("LatEdit3")->value(),
                           combo("LatEdit4")->currentText().toLatin1().constData(), spin("LonEdit1")->value(),
                           spin("LonEdit2")->value(), spin("LonEdit3")->value(),
                           combo("LonEdit4")->currentText().toLatin1().constData(),
                           combo("TZSign")->currentText().toLatin1().constData(),
                           form->TZValue()->text().toLatin1().constData()});
    }
    void set_place(int lat_deg, int lat_min, bool north, int lon_deg, int lon_min, bool west, int sign,
                   const char* zone) const {
        spin("LatEdit1")->setValue(lat_deg);
        spin("LatEdit2")->setValue(lat_min);
        spin("LatEdit3")->setValue(0);
        combo("LatEdit4")->setCurrentIndex(north ? 0 : 1);
        spin("LonEdit1")->setValue(lon_deg);
        spin("LonEdit2")->setValue(lon_min);
        spin("LonEdit3")->setValue(0);
        combo("LonEdit4")->setCurrentIndex(west ? 0 : 1);
        combo("TZSign")->setCurrentIndex(sign);
        form->TZValue()->setText(QString::fromLatin1(zone));
    }
    /// The list as "name=time" rows.
    QStringList rows() const {
        QStringList out;
        const QTableWidget* list = form->TimeEditor();
        for (int r = 0; r < list->rowCount(); ++r)
            out << list->item(r, 0)->text() + QStringLiteral("=") + list->item(r, 1)->text();
        return out;
    }
    QStringList names() const {
        QStringList out;
        for (const QString& row : rows()) out << row.section(u'=', 0, 0);
        return out;
    }
    QStringList times() const {
        QStringList out;
        for (const QString& row : rows()) out << row.section(u'=', 1);
        return out;
    }
    void set_day(QDate day) const { form->Cal()->setDate(day); }
};

const char* const kDefaultFile = "[Latitude]\n"
                                 "Degrees=0\nMinutes=0\nSecondes=0\nEquat=0\n"
                                 "\n[Longitude]\n"
                                 "Degrees=0\nMinutes=0\nSecondes=0\nGreen=0\n"
                                 "\n[Time zone]\n"
                                 "Sig=0\nDec=00:00\n";

// --- the location file ---

TEST_F(PrayerForm, WithoutALocationFileStartsAtZeroAndClosingWritesIt) {
    create();
    EXPECT_EQ(place(), "0 0 0 North / 0 0 0 West / + 00:00");
    EXPECT_EQ(core->prayer_file().write_path, gl());
    EXPECT_FALSE(QFile::exists(gl()));
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(rows().size(), 6); // on the equator every time of the day is there
    close();
    EXPECT_EQ(read_text(gl()), QString::fromLatin1(kDefaultFile));
}

TEST_F(PrayerForm, ReadsTheFileOfTheWindowsProgramAndWritesItBackTheSame) {
    // Written by hand as the Windows program writes it: CRLF line ends, no blank lines.
    QFile::copy(QStringLiteral(ALMADEX_TEST_DATA "/gl_algiers.dat"), gl());
    create();
    EXPECT_EQ(place(), "36 45 8 North / 3 3 31 East / + 01:00");
    close();
    EXPECT_EQ(read_text(gl()), QStringLiteral("[Latitude]\nDegrees=36\nMinutes=45\nSecondes=8\nEquat=0\n\n"
                                              "[Longitude]\nDegrees=3\nMinutes=3\nSecondes=31\nGreen=1\n\n"
                                              "[Time zone]\nSig=0\nDec=01:00\n"));
    create(); // the next start reads what this one wrote
    EXPECT_EQ(place(), "36 45 8 North / 3 3 31 East / + 01:00");
}

TEST_F(PrayerForm, BrokenFilesGiveTheDefaultsOfWhatIsMissing) {
    const struct {
        const char* name;
        QByteArray content;
        const char* place;
    } cases[] = {
        {"truncated", read_all(QStringLiteral(ALMADEX_TEST_DATA "/gl_truncated.dat")),
         "36 45 8 North / 3 3 0 West / + 00:00"},
        {"garbage bytes", read_all(QStringLiteral(ALMADEX_TEST_DATA "/gl_garbage.dat")),
         "0 0 0 North / 0 0 0 West / + 00:00"},
        {"empty", QByteArray(), "0 0 0 North / 0 0 0 West / + 00:00"},
        {"values out of range are clamped",
         "[Latitude]\nDegrees=95\nMinutes=-3\nSecondes=60\n[Longitude]\nDegrees=999999999999\nMinutes=59\n",
         "90 0 59 North / 0 59 0 West / + 00:00"},
        {"garbage values read as 0",
         "[Latitude]\nDegrees=12abc\nMinutes=0x10\nSecondes= 7 \nEquat=yes\n[Longitude]\nDegrees=4.5\n"
         "Green=1\n[Time zone]\nSig=1\nDec=ab:cd\n",
         "0 0 7 North / 0 0 0 East / - 00:00"},
        {"list indexes past the lists read as the first entry",
         "[Latitude]\nEquat=2\n[Longitude]\nGreen=-1\n[Time zone]\nSig=7\nDec=25:00\n",
         "0 0 0 North / 0 0 0 West / + 00:00"},
        {"keys in any case, a short time zone", "[latitude]\ndegrees=45\n[TIME ZONE]\nDEC=3:15\n",
         "45 0 0 North / 0 0 0 West / + 03:15"},
    };
    for (const auto& c : cases) {
        write_gl(c.content);
        create();
        EXPECT_EQ(place(), c.place) << c.name;
        close();
    }
}

// A gl.dat that exists but cannot be read is said once at start and left as it is: the window shows the
// defaults and does not save the file in this run.
TEST_F(PrayerForm, AnUnreadableLocationFileIsNeverOverwritten) {
    for (const auto& c : almadex::testing::unreadable_files()) {
        QFile::remove(gl());
        QDir(gl()).removeRecursively();
        c.make(gl());
        const QFileInfo before(gl());
        messages.clear();
        create();
        EXPECT_EQ(place(), "0 0 0 North / 0 0 0 West / + 00:00") << c.name;
        ASSERT_EQ(messages.size(), 1u) << c.name;
        EXPECT_EQ(messages[0].text, QStringLiteral("%1 could not be read (%2); it will be left as it is.")
                                        .arg(gl(), QString::fromLatin1(c.reason)))
            << c.name;
        set_place(36, 45, true, 3, 3, false, 0, "01:00");
        close(); // would write the file
        const QFileInfo after(gl());
        EXPECT_EQ(after.isSymLink(), before.isSymLink()) << c.name;
        EXPECT_EQ(after.isDir(), before.isDir()) << c.name;
        EXPECT_EQ(after.size(), before.size()) << c.name;
        EXPECT_EQ(messages.size(), 1u) << c.name;
    }
}

// A gl.dat saved by a Windows editor as "Unicode" (UTF-16 with its byte order mark) or UTF-8 with one.
TEST_F(PrayerForm, ALocationFileInUtf16IsRead) {
    const QString text = QStringLiteral("[Latitude]\r\nDegrees=36\r\nMinutes=45\r\nSecondes=8\r\nEquat=0\r\n"
                                        "[Longitude]\r\nDegrees=3\r\nMinutes=3\r\nSecondes=31\r\nGreen=1\r\n"
                                        "[Time zone]\r\nSig=0\r\nDec=01:00\r\n");
    QByteArray le("\xFF\xFE", 2);
    for (const QChar c : text)
        le.append(static_cast<char>(c.unicode() & 0xFF)).append(static_cast<char>(c.unicode() >> 8));
    for (const QByteArray& bytes : {le, QByteArray("\xEF\xBB\xBF") + text.toUtf8()}) {
        write_gl(bytes);
        create();
        EXPECT_EQ(place(), "36 45 8 North / 3 3 31 East / + 01:00");
        close();
        EXPECT_TRUE(read_text(gl()).startsWith(QStringLiteral("[Latitude]\nDegrees=36\n")));
    }
    EXPECT_TRUE(messages.empty());
}

TEST_F(PrayerForm, AFailedWriteIsReportedOnce) {
    create();
    QDir(folder.path()).mkdir(QStringLiteral("gl.dat")); // a folder comes to stand where the file goes
    core->save_prayer_choice();
    close(); // writes again
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].text.startsWith(QStringLiteral("Could not save")))
        << messages[0].text.toStdString();
    EXPECT_TRUE(messages[0].text.contains(QStringLiteral("gl.dat")));
    EXPECT_EQ(messages[0].icon, QMessageBox::Warning);
}

// --- the day's times ---

TEST_F(PrayerForm, SixtyNorthInJuneFillsSixRowsAndSeventyNorthShowsTheFedjrMessage) {
    create();
    set_place(60, 0, true, 0, 0, true, 0, "00:00");
    action("Update1")->trigger();
    EXPECT_EQ(names(),
              (QStringList{QStringLiteral("Dawn"), QStringLiteral("Sun rise"), QStringLiteral("Zenith"),
                           QStringLiteral("Mid day"), QStringLiteral("Sun set"), QStringLiteral("Night")}));
    EXPECT_TRUE(messages.empty());

    // The day stops at the first time missing: the list says why, and so does the command, naming the
    // prayer as the list does and where the rules for such days are.
    set_place(70, 0, true, 0, 0, true, 0, "00:00");
    action("Update1")->trigger();
    const QString why =
        QStringLiteral("Dawn is not calculable (rules for such days: Method > High latitudes, "
                       "Method > Days without sunrise or sunset)");
    EXPECT_EQ(rows(), QStringList{why + u'='});
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, why);
    EXPECT_EQ(messages[0].caption, QCoreApplication::applicationName()); // the default error box
    EXPECT_EQ(messages[0].icon, QMessageBox::Critical);
}

TEST_F(PrayerForm, AStoredPlaceWithoutFedjrIsToldOnceTheProgramIsUpAndTheWindowIsCreated) {
    write_gl("[Latitude]\nDegrees=70\n");
    create();
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(messages.empty()) << "held while the windows are created";
    EXPECT_EQ(rows().size(), 1);        // the reason
    core->show_start_messages(nullptr); // what the start-up window does when it has gone
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].text.startsWith(
        QStringLiteral("Today's prayer times cannot be computed for the place saved in "
                       "the prayer window (70\u00b0 0' 0\" North, 0\u00b0 0' 0\" West): "
                       "Dawn is not calculable (rules for such days: ")))
        << messages[0].text.toStdString();
    EXPECT_EQ(messages[0].icon, QMessageBox::Warning);
}

TEST_F(PrayerForm, NamesAndTheSunriseRowFollowTheOptions) {
    create();
    set_place(36, 45, true, 3, 3, false, 0, "01:00");
    action("Update1")->trigger();
    const QStringList six = times();
    ASSERT_EQ(six.size(), 6);

    action("includesunrise")->trigger(); // unchecks itself and refreshes
    EXPECT_FALSE(action("includesunrise")->isChecked());
    EXPECT_EQ(names(),
              (QStringList{QStringLiteral("Dawn"), QStringLiteral("Zenith"), QStringLiteral("Mid day"),
                           QStringLiteral("Sun set"), QStringLiteral("Night")}));

    action("Usearabiannames")->trigger();
    EXPECT_TRUE(action("Usearabiannames")->isChecked());
    EXPECT_FALSE(action("Useenglishnames")->isChecked());
    EXPECT_EQ(names(),
              (QStringList{QStringLiteral("El Fedjr"), QStringLiteral("El Dhohr"), QStringLiteral("El Asr"),
                           QStringLiteral("El Ghouroub"), QStringLiteral("El Ishaa")}));

    action("includesunrise")->trigger();
    EXPECT_EQ(names(), (QStringList{QStringLiteral("El Fedjr"), QStringLiteral("Shourouk"),
                                    QStringLiteral("El Dhohr"), QStringLiteral("El Asr"),
                                    QStringLiteral("El Ghouroub"), QStringLiteral("El Ishaa")}));
    EXPECT_EQ(times(), six); // the same times under the other names

    action("Useenglishnames")->trigger();
    EXPECT_EQ(names().first(), QStringLiteral("Dawn"));
}

TEST_F(PrayerForm, TimesAreInOrderWithinTheLocalDay) {
    create();
    set_place(36, 45, true, 3, 3, false, 0, "01:00");
    for (const QDate day : {QDate(2024, 1, 1), QDate(2024, 3, 20), QDate(2024, 6, 21), QDate(2024, 12, 21)}) {
        set_day(day);
        QTime previous(0, 0);
        for (const QString& t : times()) {
            const QTime time = QTime::fromString(t, long_time_pattern());
            ASSERT_TRUE(time.isValid()) << t.toStdString();
            EXPECT_LT(previous, time) << day.toString(Qt::ISODate).toStdString();
            previous = time;
        }
    }
    // Algiers at the June solstice, UT+1: noon at 11:49:40 UT (3 degrees east, the equation of time -1.7
    // minutes), the night prayer 0.295 of the 7 h 18 min half day arc after sunset (20:10).
    set_day(QDate(2024, 6, 21));
    const QStringList t = times();
    EXPECT_TRUE(t[2].startsWith(QStringLiteral("12:49:"))) << t[2].toStdString();
    EXPECT_TRUE(t[4].startsWith(QStringLiteral("20:1"))) << t[4].toStdString();
    EXPECT_TRUE(t[5].startsWith(QStringLiteral("22:2"))) << t[5].toStdString();
}

TEST_F(PrayerForm, ATimeZoneWestOfGreenwichShiftsEveryTime) {
    create();
    set_place(36, 45, true, 3, 3, false, 0, "00:00");
    set_day(QDate(2024, 3, 15));
    const QStringList ut = times();
    combo("TZSign")->setCurrentIndex(1);
    form->TZValue()->setText(QStringLiteral("05:30"));
    EXPECT_EQ(times(), ut); // changing the zone does not refresh by itself
    action("Update1")->trigger();
    const QStringList local = times();
    ASSERT_EQ(local.size(), ut.size());
    for (int i = 0; i < ut.size(); ++i) {
        // The times of the small hours UT fall on the day before, which each says after it.
        const QTime u = QTime::fromString(ut[i], long_time_pattern());
        const QTime l = QTime::fromString(local[i].section(u' ', 0, 0), long_time_pattern());
        EXPECT_EQ(local[i].endsWith(QStringLiteral(" (14/03/2024)")), u.hour() < 5) << local[i].toStdString();
        EXPECT_EQ(u.addSecs(-(5 * 3600 + 30 * 60)), l)
            << ut[i].toStdString() << " " << local[i].toStdString();
    }
    EXPECT_EQ(core->date_format().ShortTimeFormat, QStringLiteral("hh:mm"));
}

TEST_F(PrayerForm, AnIncompleteTimeZoneStopsBeforeAnyRow) {
    create();
    form->TZValue()->setText(QStringLiteral("1"));
    action("Update1")->trigger();
    EXPECT_TRUE(rows().isEmpty());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].text.endsWith(QStringLiteral("is not a valid time")))
        << messages[0].text.toStdString();
}

TEST_F(PrayerForm, ThePickerAndTheCurrentDateCommandShowTheirDay) {
    create();
    EXPECT_EQ(form->Cal()->date(), kMidsummer.date());
    const QStringList june = rows();
    set_day(QDate(2024, 12, 21)); // CalChange
    const QStringList december = rows();
    EXPECT_EQ(december.size(), 6);
    EXPECT_NE(december, june);
    action("Currentdate1")->trigger();
    EXPECT_EQ(form->Cal()->date(), kMidsummer.date());
    EXPECT_EQ(rows(), june);
}

// --- the map ---

TEST_F(PrayerForm, AClickOnTheMapSetsThePlaceWithoutARefresh) {
    create();
    set_place(36, 45, true, 3, 3, false, 1, "05:30");
    const QStringList before = rows();
    const struct {
        int x, y;
        const char* place;
    } cases[] = {
        {93, 78, "0 0 0 North / 0 0 0 West / - 05:30"},   // Greenwich on the equator
        {0, 0, "90 0 0 North / 163 19 1 West / - 05:30"}, // 111.43 N clamps to the pole
        {94, 79, "1 25 42 South / 1 45 21 East / - 05:30"},
        {204, 125, "67 8 34 South / 180 0 0 East / - 05:30"}, // 194.93 E clamps to 180
        {103, 43, "50 0 0 North / 17 33 39 East / - 05:30"},
    };
    for (const auto& c : cases) {
        // (QTest's mouse helpers take the point (0, 0) for "the middle of the widget".)
        const QPointF at(c.x, c.y);
        QMouseEvent release(QEvent::MouseButtonRelease, at, form->Map()->mapToGlobal(at), Qt::LeftButton,
                            Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(form->Map(), &release);
        EXPECT_EQ(place(), c.place) << c.x << "," << c.y;
    }
    EXPECT_EQ(rows(), before);
}

// --- the window ---

TEST_F(PrayerForm, TheWindowShowsTheMapAtTheSizeOfTheClickRuleAndCloseHidesIt) {
    create();
    EXPECT_EQ(child<QWidget>("ClientArea")->size(), QSize(453, 334));
    EXPECT_EQ(form->Map()->size(), QSize(205, 126));
    EXPECT_EQ(form->Map()->pixmap().deviceIndependentSize(), QSizeF(205, 126)); // the picture is there
    form->show();
    action("File1")->trigger();
    EXPECT_FALSE(form->isVisible());
}

TEST_F(PrayerForm, TheMainWindowsCommandShowsTheWindowWhichKeepsItsFileInTheProgramsFolder) {
    start(folder.path());
    create_main();
    form = &core->prayer_form();
    EXPECT_EQ(QDir::cleanPath(core->prayer_file().write_path), QDir::cleanPath(gl()));
    QAction* command = main->findChild<QAction*>(QStringLiteral("ToolMuslimPrayerAction"));
    ASSERT_NE(command, nullptr);
    EXPECT_TRUE(command->isEnabled());
    EXPECT_EQ(command->shortcut(), QKeySequence(QStringLiteral("Ctrl+Alt+P")));
    command->trigger();
    EXPECT_TRUE(form->isVisible());
    close();
    EXPECT_TRUE(QFile::exists(gl()));
}

// Renders the window and its map: run with --gtest_also_run_disabled_tests; ALMADEX_SCREENSHOT_DIR names the
// output folder.
TEST_F(PrayerForm, DISABLED_Screenshots) {
    const QString dir = qEnvironmentVariable("ALMADEX_SCREENSHOT_DIR", QStringLiteral("."));
    QFile::copy(QStringLiteral(ALMADEX_TEST_DATA "/gl_algiers.dat"), gl());
    create();
    form->show();
    QCoreApplication::processEvents();
    EXPECT_TRUE(form->grab().save(dir + QStringLiteral("/prayer_window.png")));
    EXPECT_TRUE(form->Map()
                    ->grab()
                    .scaled(410, 252, Qt::IgnoreAspectRatio, Qt::FastTransformation)
                    .save(dir + QStringLiteral("/world_map.png")));
}

} // namespace

namespace {

// --- the calculation method, the zone and the Qibla ---

TEST_F(PrayerForm, TheMethodMenuChangesTheTimesAndTheFileKeepsTheChoice) {
    create();
    set_place(36, 45, true, 3, 3, false, 0, "01:00");
    set_day(QDate(2026, 12, 7));
    const QStringList arcs = times();
    ASSERT_EQ(arcs.size(), 6);
    action("method_mwl")->trigger();
    const QStringList mwl = times();
    ASSERT_EQ(mwl.size(), 6);
    EXPECT_NE(mwl[0], arcs[0]);                 // 18-degree dawn, not the day-arc fraction
    EXPECT_EQ(mwl[1].left(4), arcs[1].left(4)); // the same sunrise to a few seconds
    action("asr_hanafi")->trigger();
    EXPECT_GT(QTime::fromString(times()[3], long_time_pattern()),
              QTime::fromString(mwl[3], long_time_pattern()));
    // Rounded to the minute: hours and minutes alone.
    action("round_minute")->trigger();
    for (const QString& t : times()) EXPECT_EQ(t.size(), 5) << t.toStdString();
    EXPECT_EQ(form->method_choice().method, almanac::TMethodId::mwl);
    EXPECT_EQ(form->method_choice().asr, almanac::TAsrSchool::hanafi);

    // The adjustments dialog, answered by the test.
    core->seams().run_dialog = [](QDialog& shown) {
        auto& dialog = dynamic_cast<TPrayerMethodDialog&>(shown);
        dialog.adjust(0)->setValue(5);
        dialog.dhuhr()->setValue(2);
        return int{QDialog::Accepted};
    };
    const QStringList before = times();
    action("Adjustments1")->trigger();
    const auto minute = [](const QString& t) { return QTime::fromString(t, QStringLiteral("HH:mm")); };
    EXPECT_EQ(minute(before[0]).secsTo(minute(times()[0])), 300);
    EXPECT_EQ(minute(before[2]).secsTo(minute(times()[2])), 120);

    form->set_zone_name(QStringLiteral("Europe/Paris"));
    close();
    const QString file = read_text(gl());
    // An older reader still finds its sections, the zone's standard offset among them.
    EXPECT_TRUE(file.startsWith(QStringLiteral("[Latitude]\nDegrees=36\nMinutes=45\n")))
        << file.toStdString();
    EXPECT_NE(file.indexOf(QStringLiteral("[Time zone]\nSig=0\nDec=01:00\n")), -1) << file.toStdString();
    EXPECT_NE(file.indexOf(QStringLiteral("[Prayer method]\nMethod=mwl\nAsr=hanafi\n")), -1)
        << file.toStdString();
    EXPECT_NE(file.indexOf(QStringLiteral("Adjust=5,0,0,0,0,0\n")), -1);
    EXPECT_NE(file.indexOf(QStringLiteral("[Prayer zone]\nName=Europe/Paris\n")), -1);
    create();
    EXPECT_EQ(form->method_choice().method, almanac::TMethodId::mwl);
    EXPECT_EQ(form->method_choice().adjust[0], 5);
    EXPECT_EQ(form->method_choice().dhuhr_minutes, 2);
    EXPECT_TRUE(form->method_choice().round_to_minute);
    EXPECT_TRUE(action("method_mwl")->isChecked());
    EXPECT_TRUE(action("asr_hanafi")->isChecked());
    EXPECT_EQ(form->zone_name(), QStringLiteral("Europe/Paris"));
}

// Values of the file that cannot be read are named once the program is up; the others are read.
TEST_F(PrayerForm, ValuesOfTheFileThatCannotBeReadAreSaidAtStart) {
    const struct {
        const char* file;
        const char* named; // in the message, "" for none
    } cases[] = {
        {"[Time zone]\nSig=0\nDec=03:00\n[Prayer method]\nMethod=mwl\nAsr=hanafi\n", ""},
        {"[Time zone]\nSig=0\nDec=12:75\n", "Dec=12:75"},
        {"[Prayer method]\nMethod=astrology\nAsr=hanafi\nFajrAngle=99\nDhuhr=500\n",
         "Method=astrology, FajrAngle=99, Dhuhr=500"},
    };
    for (const auto& c : cases) {
        write_gl(c.file);
        messages.clear();
        create();
        EXPECT_TRUE(messages.empty()) << "held while the windows are created";
        core->show_start_messages(nullptr);
        if (*c.named == 0) {
            EXPECT_TRUE(messages.empty()) << c.file;
        } else {
            ASSERT_EQ(messages.size(), 1u) << c.file;
            EXPECT_TRUE(messages[0].text.contains(QString::fromLatin1(c.named)))
                << messages[0].text.toStdString();
            EXPECT_TRUE(messages[0].text.contains(QStringLiteral("gl.dat")))
                << messages[0].text.toStdString();
        }
        close();
    }
}

// An offset that is no time of day is refused where it is typed and never saved: the last good one is, so
// that the next start reads the offset the user had.
TEST_F(PrayerForm, AnInvalidOffsetIsNeverSaved) {
    write_gl("[Time zone]\nSig=1\nDec=05:30\n");
    create();
    for (const char* typed : {"12:75", "24:00", "7:", ""}) {
        form->TZValue()->setText(QString::fromLatin1(typed));
        ASSERT_TRUE(core->save_prayer_choice());
        EXPECT_NE(read_text(gl()).indexOf(QStringLiteral("Dec=05:30\n")), -1) << typed;
    }
    form->TZValue()->setText(QStringLiteral("06:00"));
    form->TZValue()->setText(QStringLiteral("99:99"));
    close();
    EXPECT_NE(read_text(gl()).indexOf(QStringLiteral("Dec=06:00\n")), -1) << read_text(gl()).toStdString();
    messages.clear();
    create();
    core->show_start_messages(nullptr);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(form->TZValue()->text(), QStringLiteral("06:00"));
}

// The Options menu's extra times: each adds its row where it belongs, the night's past 00:00 saying so, the
// sunset beside Maghrib where the method's Maghrib is later; the file keeps the choice.
TEST_F(PrayerForm, TheExtraTimesOfTheOptionsMenuAddTheirRowsAndTheFileKeepsThem) {
    create();
    set_place(36, 45, true, 3, 3, false, 0, "01:00");
    set_day(QDate(2026, 12, 18)); // a Friday
    const struct {
        const char* item;
        const char* names; // the rows' names, | between them
    } steps[] = {
        {"extra_imsak", "Imsak|Dawn|Sun rise|Zenith|Mid day|Sun set|Night"},
        {"extra_jumuah", "Imsak|Dawn|Sun rise|Jumu'ah|Mid day|Sun set|Night"},
        {"night_sunrise", "Imsak|Dawn|Sun rise|Jumu'ah|Mid day|Sun set|Night"},
        {"extra_midnight", "Imsak|Dawn|Sun rise|Jumu'ah|Mid day|Sun set|Night|Midnight"},
        {"method_algeria", "Imsak|Dawn|Sun rise|Jumu'ah|Mid day|Sun set|Maghrib|Night|Midnight"},
        {"imsak_minutes_20", "Imsak|Dawn|Sun rise|Jumu'ah|Mid day|Sun set|Maghrib|Night|Midnight"},
    };
    for (const auto& step : steps) {
        action(step.item)->trigger();
        EXPECT_EQ(names().join(u'|'), QString::fromUtf8(step.names)) << step.item;
    }
    EXPECT_TRUE(messages.empty());
    const QStringList t = times();
    EXPECT_EQ(
        QTime::fromString(t[0], long_time_pattern()).secsTo(QTime::fromString(t[1], long_time_pattern())),
        20 * 60);
    // Sunset to the next sunrise at Algiers in December: past 00:00.
    EXPECT_TRUE(t.last().endsWith(QStringLiteral(" (next day)"))) << t.last().toStdString();
    EXPECT_TRUE(action("extra_midnight")->isChecked());
    close();
    const QString file = read_text(gl());
    EXPECT_NE(file.indexOf(QStringLiteral("Imsak=1\nMidnight=1\nLastThird=0\nSunset=0\nJumuah=1\n"
                                          "ImsakMinutes=20\nNight=sunrise\n")),
              -1)
        << file.toStdString();
    create();
    EXPECT_EQ(names().size(), 9);
    for (const char* item :
         {"extra_imsak", "extra_midnight", "extra_jumuah", "night_sunrise", "imsak_minutes_20"})
        EXPECT_TRUE(action(item)->isChecked()) << item;
    EXPECT_FALSE(action("extra_last_third")->isChecked());
}

TEST_F(PrayerForm, UnknownOrOutOfRangeMethodValuesReadAsTheDefaults) {
    write_gl("[Prayer method]\nMethod=astrology\nAsr=hanafi\nAdjust=1,2,3\nDhuhr=500\nFajrAngle=95\n"
             "[Prayer zone]\nName=Mars/Olympus\n");
    create();
    EXPECT_EQ(form->method_choice().method, almanac::TMethodId::almadex);
    EXPECT_EQ(form->method_choice().asr, almanac::TAsrSchool::hanafi);
    EXPECT_EQ(form->method_choice().adjust, (std::array<int, 6>{}));
    EXPECT_EQ(form->method_choice().dhuhr_minutes, 0);
    EXPECT_EQ(form->method_choice().custom_fajr_angle, 18);
    EXPECT_EQ(form->zone_name(), QString());
    EXPECT_TRUE(messages.empty());
}

TEST_F(PrayerForm, AChosenZoneIsComputedAtOnceAndTheFieldsShowItsOffsetOfTheShownDay) {
    create();
    const QStringList zones = TZoneDialog::zone_names();
    const QString system = QString::fromStdString(almanac::system_time_zone());
    if (!system.isEmpty()) {
        EXPECT_EQ(zones.first(), system); // the system's zone first
    }
    set_place(6, 12, false, 106, 49, false, 0, "00:00"); // Jakarta, with the offset of Greenwich
    action("Update1")->trigger();
    const QStringList greenwich = times();
    // The button opens the chooser on the fixed offset; the choice is computed at once.
    core->seams().run_dialog = [](QDialog& shown) {
        auto& dialog = dynamic_cast<TZoneDialog&>(shown);
        EXPECT_EQ(dialog.chosen(), QString());
        EXPECT_EQ(dialog.shown().first(), QString()); // the fixed offset first
        dialog.search()->setText(QStringLiteral("jakarta"));
        return int(QDialog::Accepted);
    };
    child<QPushButton>("TZZone")->click();
    EXPECT_EQ(form->zone_name(), QStringLiteral("Asia/Jakarta"));
    EXPECT_EQ(form->TZValue()->text(), QStringLiteral("07:00"));
    ASSERT_EQ(times().size(), greenwich.size());
    EXPECT_EQ(QTime::fromString(greenwich[2], long_time_pattern())
                  .secsTo(QTime::fromString(times()[2], long_time_pattern())),
              7 * 3600);
    // A cancelled chooser changes nothing.
    core->seams().run_dialog = [](QDialog& shown) {
        dynamic_cast<TZoneDialog&>(shown).search()->setText(QStringLiteral("Paris"));
        return int(QDialog::Rejected);
    };
    child<QPushButton>("TZZone")->click();
    EXPECT_EQ(form->zone_name(), QStringLiteral("Asia/Jakarta"));

    QPushButton* zone_button = child<QPushButton>("TZZone");
    set_place(48, 51, true, 2, 21, false, 1, "03:00");
    form->set_zone_name(QStringLiteral("Europe/Paris"));
    // The name beside the fields, which show the offset in force on the shown day (21 June 2024).
    EXPECT_NE(zone_button->text().indexOf(QStringLiteral("Paris")), -1) << zone_button->text().toStdString();
    EXPECT_EQ(combo("TZSign")->currentIndex(), 0);
    EXPECT_EQ(form->TZValue()->text(), QStringLiteral("02:00"));
    EXPECT_TRUE(form->TZValue()->isReadOnly());
    EXPECT_FALSE(combo("TZSign")->isEnabled());
    set_day(QDate(2026, 3, 15));
    EXPECT_EQ(form->TZValue()->text(), QStringLiteral("01:00"));
    const QStringList winter = times();
    set_day(QDate(2026, 4, 15));
    EXPECT_EQ(form->TZValue()->text(), QStringLiteral("02:00"));
    EXPECT_EQ(times()[2].left(2), QStringLiteral("13")); // noon at 13:5x in summer time
    EXPECT_EQ(zone_button->toolTip(), QStringLiteral("Europe/Paris: UT+02:00 on this day"));
    EXPECT_EQ(winter[2].left(2), QStringLiteral("12"));
    form->set_zone_name(QString());
    EXPECT_EQ(zone_button->text(), QStringLiteral("Zone..."));
    EXPECT_FALSE(form->TZValue()->isReadOnly());
    EXPECT_TRUE(combo("TZSign")->isEnabled());
}

TEST_F(PrayerForm, AZoneReadAtStartShowsTodaysOffset) {
    // Samoa's standard time went from UT-11 to UT+13 at the end of 2011: the fields show the offset of
    // today, not of a day before, and the file keeps it for older readers.
    write_gl(QByteArray(kDefaultFile) + "\n[Prayer zone]\nName=Pacific/Apia\n");
    create();
    EXPECT_EQ(form->zone_name(), QStringLiteral("Pacific/Apia"));
    EXPECT_EQ(combo("TZSign")->currentIndex(), 0);
    EXPECT_EQ(form->TZValue()->text(), QStringLiteral("13:00"));
    close();
    const QString file = read_text(gl());
    EXPECT_NE(file.indexOf(QStringLiteral("[Time zone]\nSig=0\nDec=13:00\n")), -1) << file.toStdString();
}

// The compass follows the place as it is typed, without a refresh; at the Kaaba it says so.
TEST_F(PrayerForm, TheQiblaFollowsThePlaceAsItIsTyped) {
    create();
    const struct {
        int lat_deg, lat_min;
        bool north;
        int lon_deg, lon_min;
        bool west;
        const char* text;
        const char* tip; // found in the tooltip
    } cases[] = {
        {51, 30, true, 0, 8, true, "Qibla 119.0\u00b0", "km to the Kaaba"}, // London
        {21, 25, true, 39, 49, false, "Kaaba", "This place is the Kaaba"},  // Mecca, within half a kilometre
        {6, 12, false, 106, 51, false, "Qibla 295", "from true north"},     // Jakarta
    };
    for (const auto& c : cases) {
        set_place(c.lat_deg, c.lat_min, c.north, c.lon_deg, c.lon_min, c.west, 0, "00:00");
        if (c.lat_deg == 21) {
            spin("LatEdit3")->setValue(21);
            spin("LonEdit3")->setValue(34);
        }
        EXPECT_TRUE(child<QLabel>("QiblaText")->text().startsWith(QString::fromUtf8(c.text)))
            << child<QLabel>("QiblaText")->text().toStdString();
        EXPECT_TRUE(child<QLabel>("QiblaCompass")->toolTip().contains(QString::fromLatin1(c.tip)))
            << child<QLabel>("QiblaCompass")->toolTip().toStdString();
    }
}

// A date typed where a time cannot be computed: the list says why at each step, never a box that would
// swallow the rest of the typing; the prayer is named as the names set names it.
TEST_F(PrayerForm, ATypedDateSaysAMissingTimeInTheList) {
    create();
    set_place(70, 0, true, 0, 0, true, 0, "00:00");
    messages.clear();
    for (const char* names : {"Useenglishnames", "Usearabiannames"}) {
        action(names)->setChecked(true);
        form->Cal()->setFocus();
        form->Cal()->setDate(QDate(2026, 1, 2));
        QTest::keyClicks(form->Cal(), QStringLiteral("21122026")); // typed over the day, month, year
        form->Cal()->setDate(QDate(2026, 6, 21));
        EXPECT_TRUE(messages.empty()) << names;
        const QStringList r = rows();
        ASSERT_FALSE(r.isEmpty());
        const QString prayer =
            QString::fromLatin1(std::string_view(names) == "Useenglishnames" ? "Dawn " : "El Fedjr ");
        EXPECT_TRUE(r.last().startsWith(prayer + QStringLiteral("is not calculable (rules for such days: ")))
            << r.last().toStdString();
    }
}

// The dialog explains its two Dhuhr fields, lets the custom values be changed only for the Custom method and
// refuses custom angles that put dawn after sunrise or the night before sunset.
TEST_F(PrayerForm, TheAdjustmentsDialogRefusesCustomAnglesOnTheWrongSideOfTheSun) {
    const struct {
        almanac::TMethodId method;
        double fajr, isha, isha_minutes;
        bool enabled;
        bool refused;
    } cases[] = {
        {almanac::TMethodId::custom, 18, 17, 0, true, false},
        {almanac::TMethodId::custom, 0, 17, 0, true, true}, // dawn after sunrise
        {almanac::TMethodId::custom, 0.5, 17, 0, true, true},
        {almanac::TMethodId::custom, 18, 0, 0, true, true},   // the night before sunset
        {almanac::TMethodId::custom, 18, 0, 90, true, false}, // Isha by its interval: the angle counts not
        {almanac::TMethodId::mwl, 0, 0, 0, false, false},     // not the method's: not read
    };
    for (const auto& c : cases) {
        TPrayerMethodDialog dialog;
        almanac::TMethodChoice choice;
        choice.method = c.method;
        choice.custom_fajr_angle = c.fajr;
        choice.custom_isha_angle = c.isha;
        choice.custom_isha_minutes = c.isha_minutes;
        dialog.load(choice);
        EXPECT_EQ(dialog.custom_method()->isEnabled(), c.enabled) << c.fajr << " " << c.isha;
        EXPECT_EQ(dialog.fault().isEmpty(), !c.refused) << c.fajr << " " << c.isha;
        dialog.accept();
        EXPECT_EQ(dialog.result() == QDialog::Accepted, !c.refused) << c.fajr << " " << c.isha;
    }
    TPrayerMethodDialog dialog;
    EXPECT_FALSE(dialog.dhuhr()->toolTip().isEmpty());
}

TEST_F(PrayerForm, TheQiblaFollowsThePlace) {
    create();
    set_place(51, 30, true, 0, 8, true, 0, "00:00"); // London
    action("Update1")->trigger();
    EXPECT_EQ(child<QLabel>("QiblaText")->text(), QStringLiteral("Qibla 119.0\u00b0"));
    EXPECT_FALSE(child<QLabel>("QiblaCompass")->pixmap().isNull());
    EXPECT_NE(child<QLabel>("QiblaCompass")->toolTip().indexOf(QStringLiteral("km to the Kaaba")), -1);
    set_place(6, 12, false, 106, 51, false, 0, "07:00"); // Jakarta
    action("Update1")->trigger();
    EXPECT_EQ(child<QLabel>("QiblaText")->text().left(9), QStringLiteral("Qibla 295"));
}

} // namespace
