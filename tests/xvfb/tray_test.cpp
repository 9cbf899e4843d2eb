// The prayer companion on a desktop: a private session bus with a real notification server (dunst) and the
// bus read by dbus-monitor, a tray host (trayer), a sound server with a null sink (pulseaudio) and the
// program's clock moved by libfaketime to a few seconds before Dhohr. The notification's Notify call, the
// sound playing on the sink until the notification's Stop, the icon embedded in the tray, the converter
// closed to the tray, Quit from the tray's menu, and a start with --hidden.
#include "almanac/data_files.h"
#include "almanac/datetime_parts.h"
#include "almanac/prayer_schedule.h"
#include "tests/xvfb/x_session.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cmath>

using namespace almadex::xvfb;

namespace {

/// The seconds from the program's start to Dhohr: more than a loaded machine takes to start it.
constexpr int kLead = 8;

const QString kFakeTime = QStringLiteral("/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1");

/// Waits up to `timeout_ms` for `done`, the test's events running in between.
template <class F>
bool wait_until(F done, int timeout_ms) {
    for (int waited = 0; waited < timeout_ms; waited += 100) {
        if (done()) return true;
        settle(100);
    }
    return done();
}

/// The desktop's services for one test: a session bus, a notification server on it, its Notify calls
/// recorded, and a tray host at the top right of the screen.
class TrayDesktop : public TWindowTest {
protected:
    QTemporaryDir dir;
    QString bus;
    QProcess bus_daemon, dunst, monitor, trayer, sound_server;
    QString pulse; ///< the sound server's address
    QString monitor_log;

    void SetUp() override {
        TWindowTest::SetUp();
        if (IsSkipped() || HasFatalFailure()) return;
        for (const char* tool :
             {"dbus-daemon", "dbus-monitor", "dunst", "dunstctl", "trayer", "pulseaudio", "pactl"})
            if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty())
                GTEST_SKIP() << tool << " is not installed (tools/setup.sh)";
        if (!QFile::exists(kFakeTime)) GTEST_SKIP() << "libfaketime is not installed (tools/setup.sh)";
        bus_daemon.start(
            QStringLiteral("dbus-daemon"),
            {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--print-address=1")});
        ASSERT_TRUE(bus_daemon.waitForReadyRead(5000));
        bus = QString::fromUtf8(bus_daemon.readLine()).trimmed();
        ASSERT_FALSE(bus.isEmpty());
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), bus);
        env.insert(QStringLiteral("HOME"), dir.path());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.path());
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), dir.path());
        env.insert(QStringLiteral("PULSE_RUNTIME_PATH"), dir.filePath(QStringLiteral("pulse")));
        for (QProcess* p : {&dunst, &monitor, &trayer, &sound_server}) p->setProcessEnvironment(env);
        monitor.setProcessChannelMode(QProcess::MergedChannels);
        monitor.start(QStringLiteral("dbus-monitor"),
                      {QStringLiteral("interface='org.freedesktop.Notifications',member='Notify'")});
        // dunst's context menu (dunstctl context) answered by choosing the action "Stop".
        const QString dunstrc = dir.filePath(QStringLiteral("dunstrc"));
        {
            QFile rc(dunstrc);
            ASSERT_TRUE(rc.open(QIODevice::WriteOnly));
            rc.write("[global]\n    dmenu = /bin/sh -c \"grep -m1 Stop\"\n");
        }
        dunst.start(QStringLiteral("dunst"), {QStringLiteral("-config"), dunstrc});
        const QString socket = dir.filePath(QStringLiteral("pulse-native"));
        pulse = QStringLiteral("unix:") + socket;
        sound_server.start(
            QStringLiteral("pulseaudio"),
            {QStringLiteral("-n"), QStringLiteral("--daemonize=no"), QStringLiteral("--exit-idle-time=-1"),
             QStringLiteral("--use-pid-file=no"),
             QStringLiteral("--load=module-native-protocol-unix auth-anonymous=1 socket=") + socket,
             QStringLiteral("--load=module-null-sink")});
        ASSERT_TRUE(wait_until([&] { return QFile::exists(socket); }, 10000)) << "pulseaudio did not start";
        trayer.start(QStringLiteral("trayer"),
                     {QStringLiteral("--edge"), QStringLiteral("top"), QStringLiteral("--align"),
                      QStringLiteral("right"), QStringLiteral("--widthtype"), QStringLiteral("pixel"),
                      QStringLiteral("--width"), QStringLiteral("200"), QStringLiteral("--height"),
                      QStringLiteral("24")});
        // The notification server owns its name on the bus, and the tray is up.
        ASSERT_TRUE(wait_until(
            [&] {
                const auto owner = run_tool(QStringLiteral("dbus-send"),
                                            {QStringLiteral("--bus=") + bus, QStringLiteral("--print-reply"),
                                             QStringLiteral("--dest=org.freedesktop.DBus"),
                                             QStringLiteral("/org/freedesktop/DBus"),
                                             QStringLiteral("org.freedesktop.DBus.NameHasOwner"),
                                             QStringLiteral("string:org.freedesktop.Notifications")});
                return owner && owner->contains(QStringLiteral("boolean true"));
            },
            10000))
            << "dunst does not own org.freedesktop.Notifications";
        ASSERT_FALSE(find_window(QStringLiteral("^panel$"), 10000).isEmpty()) << "trayer shows no panel";
        program.environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), bus);
        program.environment.insert(QStringLiteral("PULSE_SERVER"), pulse);
        // The place: Algiers at UT+01:00, Dhohr alerting with its sound (so with the Stop action).
        ASSERT_TRUE(QFile::copy(QStringLiteral(ALMADEX_TEST_DATA "/gl_algiers.dat"),
                                program.file(QStringLiteral("gl.dat"))));
        QStringList settings = settings_at(QStringLiteral("100"), QStringLiteral("100"));
        settings << QStringLiteral("[Alerts]") << QStringLiteral("dhohr/Mode=sound");
        program.write_settings(settings);
    }

    void TearDown() override {
        TWindowTest::TearDown();
        for (QProcess* p : {&trayer, &dunst, &monitor, &sound_server, &bus_daemon}) {
            p->terminate();
            p->waitForFinished(3000);
        }
    }

    /// The Notify calls read so far.
    QString notify_calls() {
        monitor_log += QString::fromUtf8(monitor.readAll());
        return monitor_log;
    }

    /// The program's visible windows larger than its tray icon, as X rectangles.
    QList<QRect> program_windows() {
        QList<QRect> out;
        const auto windows =
            run_tool(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                                 QStringLiteral("--pid"), QString::number(program.pid())});
        for (const QString& w : windows.value_or(QString()).split(u'\n', Qt::SkipEmptyParts)) {
            const QRect r = raw_window_geometry(w).client;
            if (r.width() > 40 || r.height() > 40) out << r;
        }
        return out;
    }

    /// The program's icon in the tray: its window's absolute rectangle, once embedded (up to `timeout_ms`).
    QRect tray_icon(int timeout_ms = 10000) {
        QRect icon;
        wait_until(
            [&] {
                const QString panel = find_window(QStringLiteral("^panel$"), 1000);
                const auto tree = run_tool(QStringLiteral("xwininfo"),
                                           {QStringLiteral("-tree"), QStringLiteral("-id"), panel});
                // A child "Almadex": ("almadex" "Almadex")  22x22+0+0  +1257+1
                const QRegularExpressionMatch m =
                    QRegularExpression(
                        QStringLiteral("\"Almadex\": \\(\"almadex\" "
                                       "\"Almadex\"\\)\\s+(\\d+)x(\\d+)\\S*\\s+\\+(-?\\d+)\\+(-?\\d+)"))
                        .match(tree.value_or(QString()));
                if (m.hasMatch())
                    icon = QRect(m.captured(3).toInt(), m.captured(4).toInt(), m.captured(1).toInt(),
                                 m.captured(2).toInt());
                return !icon.isEmpty();
            },
            timeout_ms);
        return icon;
    }

    /// The instant at which the program's clock starts: `seconds` before Algiers' Dhohr on 28 March 2026,
    /// as libfaketime reads it (UTC).
    static QString before_dhohr(int seconds) {
        const QByteArray text = [] {
            QFile f(QStringLiteral(ALMADEX_TEST_DATA "/gl_algiers.dat"));
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        }();
        const almanac::TLocationFile location = almanac::parse_location(text.toStdString());
        almanac::TPrayerOptions options;
        options.utc_offset_seconds = almanac::location_offset_seconds(location);
        const auto day = almanac::prayer_schedule(almanac::location_place(location),
                                                  almanac::datetime_from_parts(2026, 3, 28), 1, options);
        double dhohr = 0;
        for (const auto& t : day.front().times)
            if (t.prayer == almanac::TPrayer::dhohr) dhohr = t.ut;
        const almanac::TDateTimeParts p = almanac::datetime_parts(dhohr - seconds / 86400.0);
        return QStringLiteral("@%1 %2").arg(QString::fromStdString(almanac::iso_date(p)),
                                            QString::fromStdString(almanac::iso_time(p)));
    }

    /// The streams playing on the sound server.
    int streams() {
        const auto list =
            run_tool(QStringLiteral("pactl"), {QStringLiteral("--server=") + pulse, QStringLiteral("list"),
                                               QStringLiteral("short"), QStringLiteral("sink-inputs")});
        return list ? int(list->split(u'\n', Qt::SkipEmptyParts).size()) : -1;
    }

    void fake_clock(const QString& start) {
        program.environment.insert(QStringLiteral("LD_PRELOAD"), kFakeTime);
        program.environment.insert(QStringLiteral("FAKETIME"), start);
        program.environment.insert(QStringLiteral("TZ"), QStringLiteral("UTC"));
    }
};

TEST_F(TrayDesktop, TheAlertIsANotificationAndTheProgramLivesInTheTrayUntilQuit) {
    // Some seconds before the time: the alerts count from the program's start, which a busy machine slows.
    fake_clock(before_dhohr(kLead));
    start_program();
    ASSERT_TRUE(wait_until([&] { return notify_calls().contains(QStringLiteral("member=Notify")); }, 25000))
        << "no Notify call";
    const QString call = notify_calls();
    for (const QString& part :
         {QStringLiteral("string \"Almadex\""), QStringLiteral("string \"org.almadex.Almadex\""),
          QStringLiteral("string \"Zenith 12:52\""),
          QStringLiteral("string \"36\u00b045'N 3\u00b003'E - Almadex (day-arc fractions)"),
          QStringLiteral("string \"stop\""), QStringLiteral("string \"Stop\"")})
        EXPECT_TRUE(call.contains(part)) << part.toStdString() << " not in:\n" << call.toStdString();

    const QRect icon = tray_icon();
    ASSERT_FALSE(icon.isEmpty()) << "the icon is not embedded in the tray";

    // Closing the converter leaves the program in the tray.
    ASSERT_TRUE(activate(program.main_window()));
    key({QStringLiteral("alt+F4")});
    EXPECT_TRUE(window_gone(QStringLiteral("^Almadex $")));
    settle(1000);
    ASSERT_TRUE(program.running()) << "closing the converter ended the program";

    // Quit, the last item of the tray's menu, ends it.
    click_at(icon.center().x(), icon.center().y());
    const QString converter = find_window(QStringLiteral("^Almadex $"), 5000);
    ASSERT_FALSE(converter.isEmpty()) << "a click on the icon shows the converter";
    ASSERT_TRUE(run_tool(QStringLiteral("xdotool"),
                         {QStringLiteral("mousemove"), QString::number(icon.center().x()),
                          QString::number(icon.center().y()), QStringLiteral("click"), QStringLiteral("3")}));
    QRect menu;
    ASSERT_TRUE(wait_until(
        [&] {
            for (const QRect& r : program_windows())
                if (r.top() < 100 && r.right() > icon.left() - 400) menu = r; // the pop-up under the icon
            return !menu.isEmpty();
        },
        5000))
        << "no tray menu";
    settle(300);
    click_at(menu.center().x(), menu.bottom() - 10);
    EXPECT_TRUE(program.wait_ended(10000)) << "Quit did not end the program";
    EXPECT_EQ(program.setting(QStringLiteral("Left")), QStringLiteral("100"))
        << "the converter's settings kept";
}

TEST_F(TrayDesktop, TheSoundPlaysOnTheNullSinkUntilTheNotificationsStop) {
    // A sound of half a minute (silence, 8 kHz), which only Stop ends in time.
    const QString sound = dir.filePath(QStringLiteral("long.wav"));
    {
        QFile wav(sound);
        ASSERT_TRUE(wav.open(QIODevice::WriteOnly));
        const quint32 samples = 8000 * 30;
        const auto u32 = [&wav](quint32 v) { wav.write(reinterpret_cast<const char*>(&v), 4); };
        const auto u16 = [&wav](quint16 v) { wav.write(reinterpret_cast<const char*>(&v), 2); };
        wav.write("RIFF");
        u32(36 + samples * 2);
        wav.write("WAVEfmt ");
        u32(16);
        u16(1);
        u16(1);
        u32(8000);
        u32(16000);
        u16(2);
        u16(16);
        wav.write("data");
        u32(samples * 2);
        wav.write(QByteArray(int(samples * 2), '\0'));
    }
    QStringList settings = settings_at(QStringLiteral("100"), QStringLiteral("100"));
    settings << QStringLiteral("[Alerts]") << QStringLiteral("dhohr/Mode=sound")
             << QStringLiteral("Sound=") + sound;
    program.write_settings(settings);
    fake_clock(before_dhohr(kLead));
    ASSERT_TRUE(program.launch());
    ASSERT_TRUE(wait_until([&] { return notify_calls().contains(QStringLiteral("member=Notify")); }, 25000))
        << "no Notify call";
    EXPECT_TRUE(wait_until([&] { return streams() == 1; }, 10000)) << "the sound does not play";
    // The notification's Stop, chosen in dunst's context menu, ends it.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), bus);
    QProcess context;
    context.setProcessEnvironment(env);
    context.start(QStringLiteral("dunstctl"), {QStringLiteral("context")});
    ASSERT_TRUE(context.waitForFinished(10000));
    EXPECT_TRUE(wait_until([&] { return streams() == 0; }, 10000)) << "Stop did not stop the sound";
}

TEST_F(TrayDesktop, StartedHiddenItShowsNoWindowUntilItsIconIsClicked) {
    program.arguments = {QStringLiteral("--hidden")};
    ASSERT_TRUE(program.launch());
    const QRect icon = tray_icon();
    ASSERT_FALSE(icon.isEmpty()) << program.output().toStdString();
    // The start-up window would come within a second, the converter three seconds later.
    EXPECT_FALSE(wait_until([&] { return !program_windows().isEmpty(); }, 5000)) << "a window was shown";
    click_at(icon.center().x(), icon.center().y());
    EXPECT_FALSE(find_window(QStringLiteral("^Almadex $"), 5000).isEmpty());
    EXPECT_TRUE(program.running());
}

} // namespace
