// The prayer companion in the core, without windows: alerts given once as the clock moves, none after a
// sleep, planned again when the alerts or the place change, the first alert saying where to change them, an
// unreadable sound said once, Mute today until midnight, the settings' group, the Alerts dialog, and the
// default chime reaching the player's playing state.
#include "app/alert_settings.h"
#include "app/alert_sound.h"
#include "app/alerts_dialog.h"
#include "app/companion.h"
#include "tests/support/app_test.h"

#include <QComboBox>
#include <QLabel>
#include <QMediaPlayer>
#include <QProcess>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <QTimeZone>

using namespace almadex;

namespace {

/// Paris with its zone and the Muslim World League's method: Dhohr 12:55:37 and Asr 16:25:15 on 28 March
/// 2026, Fedjr 05:45:19 the day after, in summer time.
TPrayerChoice paris() {
    TPrayerChoice c;
    c.location.latitude_degrees = 48;
    c.location.latitude_minutes = 51;
    c.location.latitude_seconds = 24;
    c.location.longitude_degrees = 2;
    c.location.longitude_minutes = 21;
    c.location.longitude_seconds = 8;
    c.location.green = 1;
    c.zone = "Europe/Paris";
    c.method.method = almanac::TMethodId::mwl;
    return c;
}

QDateTime paris_time(int month, int day, int hour, int minute, int second = 0) {
    return QDateTime(QDate(2026, month, day), QTime(hour, minute, second), QTimeZone("Europe/Paris"));
}

class Companion : public almadex::testing::AppTest {
protected:
    QDateTime clock = paris_time(3, 28, 12, 50);
    struct Given {
        almanac::TAlert alert;
        QString summary, body;
    };
    std::vector<Given> given;

    void SetUp() override {
        AppTest::SetUp();
        start();
        core->seams().clock = [this] { return clock; };
        core->set_prayer_choice(paris());
        QObject::connect(&core->companion(), &TCompanion::alert_given, core.get(),
                         [this](const almanac::TAlert& a, const QString& s, const QString& b) {
                             given.push_back({a, s, b});
                         });
    }
    TCompanion& companion() { return core->companion(); }
    void at(const QDateTime& time) {
        clock = time;
        companion().check_now();
    }
    std::vector<QString> summaries() const {
        std::vector<QString> out;
        for (const Given& g : given) out.push_back(g.summary);
        return out;
    }
};

TEST_F(Companion, EachAlertOnceAsTheClockMovesAndNoneAfterASleep) {
    companion().start();
    EXPECT_EQ(companion().timer_interval(), 60000) << "a minute at most";
    EXPECT_EQ(companion().next_prayer_text(), QStringLiteral("Zenith 12:55 - in 6 min"));
    at(paris_time(3, 28, 12, 55, 0));
    EXPECT_NEAR(companion().timer_interval(), 37570, 60) << "to the alert";
    struct Step {
        QDateTime time;
        std::vector<QString> summaries; ///< all given so far
    };
    const Step steps[] = {
        {paris_time(3, 28, 12, 55, 38), {QStringLiteral("Zenith 12:55")}},
        {paris_time(3, 28, 12, 55, 50), {QStringLiteral("Zenith 12:55")}}, // once
        {paris_time(3, 28, 16, 30), {QStringLiteral("Zenith 12:55")}},     // slept through Asr
        {paris_time(3, 28, 19, 15, 30), {QStringLiteral("Zenith 12:55"), QStringLiteral("Sun set 19:15")}},
        {paris_time(3, 28, 12, 0),
         {QStringLiteral("Zenith 12:55"), QStringLiteral("Sun set 19:15")}}, // set back
        {paris_time(3, 28, 12, 56), {QStringLiteral("Zenith 12:55"), QStringLiteral("Sun set 19:15")}},
    };
    for (const Step& s : steps) {
        at(s.time);
        EXPECT_EQ(summaries(), s.summaries) << s.time.toString(Qt::ISODate).toStdString();
    }
    ASSERT_FALSE(given.empty());
    EXPECT_TRUE(given[0].body.startsWith(QStringLiteral("48\u00b051'N 2\u00b021'E - Muslim World League")))
        << given[0].body.toStdString();
    EXPECT_TRUE(given[0].body.contains(QStringLiteral("Alerts...")));
    EXPECT_FALSE(given[1].body.contains(QStringLiteral("Alerts..."))) << "said by the first alert only";
    EXPECT_TRUE(read_alert_choice(core->settings()).first_alert_told);
}

TEST_F(Companion, ChangesOfTheAlertsAndOfThePlaceArePlannedAtOnce) {
    companion().start();
    TAlertChoice choice = companion().alert_choice();
    choice.alerts.modes[static_cast<std::size_t>(almanac::TPrayer::dhohr)] = almanac::TAlertMode::off;
    choice.alerts.reminder_minutes[static_cast<std::size_t>(almanac::TPrayer::asr)] = 10;
    companion().set_alert_choice(choice);
    ASSERT_TRUE(companion().plan().next);
    EXPECT_EQ(companion().plan().next->kind, almanac::TAlertKind::reminder);
    at(paris_time(3, 28, 12, 56));
    at(paris_time(3, 28, 16, 15, 16));
    EXPECT_EQ(summaries(), std::vector<QString>{QStringLiteral("Mid day 16:25 - in 10 min")});

    // Names in Arabic, and another zone: the tooltip follows at once.
    TPrayerChoice algiers = paris();
    algiers.names = almanac::TPrayerNames::transliterated;
    algiers.zone = "Europe/London"; // an hour behind Paris
    core->set_prayer_choice(algiers);
    EXPECT_TRUE(companion().next_prayer_text().startsWith(QStringLiteral("El Asr 15:25 - in")))
        << companion().next_prayer_text().toStdString();
    EXPECT_EQ(read_alert_choice(core->settings()), companion().alert_choice());
}

TEST_F(Companion, MuteTodayEndsAtTheZonesMidnight) {
    companion().start();
    at(paris_time(3, 28, 13, 0));
    companion().set_muted_today(true);
    EXPECT_TRUE(companion().muted_today());
    for (const QDateTime& t : {paris_time(3, 28, 16, 25, 20), paris_time(3, 28, 19, 15, 25),
                               paris_time(3, 28, 20, 58, 15), paris_time(3, 29, 0, 1)})
        at(t);
    EXPECT_TRUE(given.empty());
    EXPECT_FALSE(companion().muted_today()) << "the day is over";
    at(paris_time(3, 29, 5, 45, 30));
    EXPECT_EQ(summaries(), std::vector<QString>{QStringLiteral("Dawn 05:45")});
}

TEST_F(Companion, AnUnreadableSoundIsSaidOnceAndTheChimePlays) {
    companion().start();
    TAlertChoice choice = companion().alert_choice();
    choice.alerts.modes.fill(almanac::TAlertMode::sound);
    choice.sound = QStringLiteral("/nonexistent/athan.mp3");
    choice.first_alert_told = true;
    companion().set_alert_choice(choice);
    at(paris_time(3, 28, 12, 55, 40));
    at(paris_time(3, 28, 16, 25, 20));
    ASSERT_EQ(given.size(), 2u);
    EXPECT_TRUE(
        given[0].body.contains(QStringLiteral("/nonexistent/athan.mp3 cannot be read: the chime plays")))
        << given[0].body.toStdString();
    EXPECT_FALSE(given[1].body.contains(QStringLiteral("cannot be read")));
    ASSERT_NE(companion().sound().player(), nullptr);
    EXPECT_EQ(companion().sound().player()->source().toLocalFile(), TAlertSound::default_chime());
}

TEST_F(Companion, TheSettingsGroupKeepsItsDefaultsForBadValues) {
    QSettings& s = core->settings();
    struct Row {
        const char* key;
        QVariant value;
    };
    const Row rows[] = {{"Alerts/asr/Mode", QStringLiteral("loud")},
                        {"Alerts/asr/Reminder", 61},
                        {"Alerts/dhohr/Reminder", QStringLiteral("ten")},
                        {"Alerts/Volume", 101},
                        {"Alerts/MutedUntil", QStringLiteral("soon")}};
    for (const Row& r : rows) s.setValue(QString::fromLatin1(r.key), r.value);
    EXPECT_EQ(read_alert_choice(s), TAlertChoice{});
    EXPECT_TRUE(read_tray_choice(s).keep_running);

    TAlertChoice choice;
    choice.alerts.modes[0] = almanac::TAlertMode::sound;
    choice.alerts.reminder_minutes[5] = 60;
    choice.sound = QStringLiteral("/home/u/athan.ogg");
    choice.fajr_sound = QStringLiteral("/home/u/fajr.ogg");
    choice.volume = 0;
    choice.alerts.muted_until = 46109.5;
    write_alert_choice(s, choice);
    EXPECT_EQ(s.value(QStringLiteral("Alerts/fedjr/Mode")).toString(), QStringLiteral("sound"));
    EXPECT_EQ(read_alert_choice(s), choice);
}

TEST_F(Companion, TheAlertsDialogStoresItsChoiceAndSaysWhatADayLacks) {
    TPrayerChoice tromso;
    tromso.location.latitude_degrees = 69;
    tromso.location.latitude_minutes = 39;
    tromso.location.longitude_degrees = 18;
    tromso.location.longitude_minutes = 57;
    tromso.location.green = 1;
    tromso.zone = "Europe/Oslo";
    tromso.method.method = almanac::TMethodId::mwl;
    tromso.method.high_latitude = almanac::THighLatitudeChoice::none;
    core->set_prayer_choice(tromso);
    clock = QDateTime(QDate(2026, 6, 21), QTime(6, 0), QTimeZone("Europe/Oslo"));
    companion().start();
    core->seams().run_dialog = [](QDialog& dialog) {
        EXPECT_TRUE(dialog.findChild<QLabel*>(QStringLiteral("skipped_fedjr")));
        EXPECT_TRUE(dialog.findChild<QLabel*>(QStringLiteral("skipped_ishaa")));
        EXPECT_FALSE(dialog.findChild<QLabel*>(QStringLiteral("skipped_dhohr")));
        if (auto* l = dialog.findChild<QLabel*>(QStringLiteral("skipped_ghouroub"))) {
            EXPECT_TRUE(l->text().contains(QStringLiteral("No rises or sets calculable")))
                << l->text().toStdString();
        }
        dialog.findChild<QComboBox*>(QStringLiteral("mode_asr"))->setCurrentIndex(2);
        dialog.findChild<QSpinBox*>(QStringLiteral("reminder_asr"))->setValue(15);
        return int(QDialog::Accepted);
    };
    companion().show_alerts_dialog(nullptr);
    const TAlertChoice stored = read_alert_choice(core->settings());
    EXPECT_EQ(stored.alerts.modes[static_cast<std::size_t>(almanac::TPrayer::asr)],
              almanac::TAlertMode::sound);
    EXPECT_EQ(stored.alerts.reminder_minutes[static_cast<std::size_t>(almanac::TPrayer::asr)], 15);
}

/// A private sound server whose only sink is a null sink, for as long as this lives.
class TNullSoundServer {
public:
    TNullSoundServer() {
        const QString socket = dir_.filePath(QStringLiteral("native"));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), dir_.path());
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), dir_.path());
        env.insert(QStringLiteral("PULSE_RUNTIME_PATH"), dir_.filePath(QStringLiteral("run")));
        server_.setProcessEnvironment(env);
        server_.start(QStringLiteral("pulseaudio"),
                      {QStringLiteral("-n"), QStringLiteral("--daemonize=no"),
                       QStringLiteral("--exit-idle-time=-1"), QStringLiteral("--use-pid-file=no"),
                       QStringLiteral("--load=module-native-protocol-unix auth-anonymous=1 socket=") + socket,
                       QStringLiteral("--load=module-null-sink")});
        ready_ =
            server_.waitForStarted(5000) && QTest::qWaitFor([&] { return QFile::exists(socket); }, 10000);
        qputenv("PULSE_SERVER", (QStringLiteral("unix:") + socket).toLocal8Bit());
    }
    ~TNullSoundServer() {
        server_.terminate();
        server_.waitForFinished(5000);
        qunsetenv("PULSE_SERVER");
    }
    bool ready() const { return ready_; }

private:
    QTemporaryDir dir_;
    QProcess server_;
    bool ready_ = false;
};

TEST(AlertSound, TheDefaultChimeReachesThePlayingState) {
    const TNullSoundServer server;
    ASSERT_TRUE(server.ready()) << "pulseaudio with a null sink did not start";
    TAlertSound sound;
    QSignalSpy playing(&sound, &TAlertSound::playing);
    sound.play(QString(), 50);
    ASSERT_NE(sound.player(), nullptr);
    EXPECT_EQ(sound.player()->source().toLocalFile(), TAlertSound::default_chime());
    EXPECT_TRUE(playing.count() > 0 || playing.wait(10000));
    // The sink takes the sound: its position moves on.
    EXPECT_TRUE(QTest::qWaitFor([&] { return sound.player() && sound.player()->position() > 0; }, 10000));
    sound.stop();
    EXPECT_EQ(sound.player(), nullptr);
}

} // namespace
