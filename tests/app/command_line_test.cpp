// The program's own options, answered on the terminal without a display: --help lists them, --version names
// the version, an unknown option is refused; none of them starts the windows. The signals that end a session
// end the program as its Exit command does.
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QThread>
#include <csignal>
#include <gtest/gtest.h>

namespace {

struct TRun {
    int exit_code = -1;
    QString out, err;
};

/// The real program with `arguments`, on the platform `platform`: with "xcb" no display can be reached (a
/// start of the windows would fail).
TRun run_program(const QStringList& arguments, const QString& platform) {
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(ALMADEX_PROGRAM), arguments);
    if (!program.waitForFinished(20000)) {
        program.kill();
        program.waitForFinished();
        return {};
    }
    return {program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -2,
            QString::fromLocal8Bit(program.readAllStandardOutput()),
            QString::fromLocal8Bit(program.readAllStandardError())};
}

TEST(CommandLine, HelpAndVersionAnswerWithoutADisplay) {
    const struct {
        QStringList arguments;
        int exit_code;
        QStringList out; // each found in the standard output
        const char* err; // found in the error output ("" when any)
        const char* platform = "xcb";
    } cases[] = {
        {{QStringLiteral("--help")},
         0,
         {QStringLiteral("--help"), QStringLiteral("--version"), QStringLiteral("--hidden"),
          QStringLiteral("--measure-startup")},
         ""},
        {{QStringLiteral("-h")}, 0, {QStringLiteral("--hidden")}, ""},
        {{QStringLiteral("--version")}, 0, {QStringLiteral("almadex " ALMADEX_VERSION)}, ""},
        {{QStringLiteral("--hidden"), QStringLiteral("--version")}, 0, {QStringLiteral(ALMADEX_VERSION)}, ""},
        // The toolkit's options are read with a display (here the offscreen one); what is left is refused.
        {{QStringLiteral("--bogus")}, 2, {}, "Unknown option 'bogus'", "offscreen"},
    };
    for (const auto& c : cases) {
        const TRun r = run_program(c.arguments, QString::fromLatin1(c.platform));
        const std::string what = c.arguments.join(u' ').toStdString();
        EXPECT_EQ(r.exit_code, c.exit_code) << what << ": " << r.err.toStdString();
        for (const QString& text : c.out)
            EXPECT_TRUE(r.out.contains(text)) << what << ": " << r.out.toStdString();
        EXPECT_TRUE(r.err.contains(QString::fromLatin1(c.err))) << what << ": " << r.err.toStdString();
    }
}

// A session's end (SIGTERM, SIGHUP) ends the program as its Exit command does: the windows write their files.
TEST(CommandLine, EndSignalsEndTheProgramWithItsFilesWritten) {
    for (const int signal : {SIGTERM, SIGHUP}) {
        QTemporaryDir folder, runtime;
        ASSERT_TRUE(QFile::copy(QStringLiteral(ALMADEX_PROGRAM), folder.filePath(QStringLiteral("almadex"))));
        QFile::setPermissions(runtime.path(),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
        program.setProcessEnvironment(env);
        program.start(folder.filePath(QStringLiteral("almadex")), {});
        ASSERT_TRUE(program.waitForStarted(10000));
        // Up once it listens for a second start (its socket in the runtime folder).
        QDeadlineTimer deadline(20000);
        while (QDir(runtime.path()).entryList({QStringLiteral("*.socket")}, QDir::System).isEmpty() &&
               !deadline.hasExpired())
            QThread::msleep(20);
        ASSERT_FALSE(deadline.hasExpired()) << signal;
        ::kill(static_cast<pid_t>(program.processId()), signal);
        ASSERT_TRUE(program.waitForFinished(20000)) << signal;
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit) << signal;
        EXPECT_EQ(program.exitCode(), 0) << signal;
        EXPECT_TRUE(QFile::exists(folder.filePath(QStringLiteral("gl.dat")))) << signal;
        EXPECT_TRUE(QFile::exists(folder.filePath(QStringLiteral("dates.dat")))) << signal;
    }
}

} // namespace
