// Two programs of one user on the same data files: the second start brings the first to the front and ends
// without touching the files, so that no named date is lost. This process plays the first program (its
// windows in-process); the second is the real program started from the same folder.
#include "app/repository_form.h"
#include "app/single_instance.h"
#include "tests/support/app_test.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDateEdit>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QProcess>
#include <QThread>
#include <gtest/gtest.h>

using namespace almadex;

namespace {

class SingleInstance : public almadex::testing::AppTest {
protected:
    QTemporaryDir program;
    QString copy() const { return program.filePath(QStringLiteral("almadex")); }
    QString dates() const { return program.filePath(QStringLiteral("dates.dat")); }

    void SetUp() override {
        AppTest::SetUp();
        // The program in a folder of its own: its data files lie beside it, in this test's folder.
        ASSERT_TRUE(QFile::copy(QStringLiteral(ALMADEX_PROGRAM), copy()));
        almadex::testing::write_all(dates(),
                                    "[General]\nN=1\n[Date1]\nDescription=Wedding\nValue=14/02/1998\n");
    }

    /// Starts the real program from the folder and waits (handling this process's events, as a running
    /// program does) until it ends or `seconds` pass; then it is killed. Its exit code, or -1 when it ran on.
    /// `program_path` is the program's path as the start spells it (the copy's by default); `environment`
    /// is added to this process's.
    int start_second(int seconds, const QString& program_path = QString(),
                     const QProcessEnvironment& environment = {}) {
        QProcess second;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(environment);
        second.setProcessEnvironment(env);
        second.start(program_path.isEmpty() ? copy() : program_path, {});
        if (!second.waitForStarted(10000)) return -2;
        QElapsedTimer clock;
        clock.start();
        while (second.state() != QProcess::NotRunning && clock.elapsed() < seconds * 1000) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
            QThread::msleep(10);
        }
        if (second.state() != QProcess::NotRunning) {
            second.kill();
            second.waitForFinished(5000);
            return -1;
        }
        for (int i = 0; i < 20; ++i) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        return second.exitStatus() == QProcess::NormalExit ? second.exitCode() : -3;
    }
};

TEST_F(SingleInstance, ASecondStartBringsTheFirstForwardAndLosesNoEntry) {
    start(program.path());
    TSingleInstance first(core->data_folder());
    ASSERT_TRUE(first.is_first());
    QObject::connect(&first, &TSingleInstance::come_forward, core.get(),
                     [this] { core->show_window(TWindow::main); });
    create_main();
    TRepositoryForm* repository = &core->repository_form();
    ASSERT_EQ(repository->EntryCount(), 1);
    ASSERT_FALSE(main->isVisible());

    // The second program ends at once, having brought the first forward and written nothing.
    const QByteArray before = almadex::testing::read_all(dates());
    EXPECT_EQ(start_second(20), 0);
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(almadex::testing::read_all(dates()), before);

    // The first goes on: what it adds is saved with what the file held.
    repository->DescEdit()->setText(QStringLiteral("Added in the first"));
    repository->DatePick()->setDate(QDate(2024, 10, 3));
    repository->AddBtnClick();
    stop();
    const QByteArray after = almadex::testing::read_all(dates());
    EXPECT_TRUE(after.contains("Description=Wedding\n")) << after.toStdString();
    EXPECT_TRUE(after.contains("Description=Added in the first\n")) << after.toStdString();
    EXPECT_TRUE(after.contains("N=2\n")) << after.toStdString();
}

// The lock does not depend on the temporary folder nor on how the folder is spelled: a start with another
// TMPDIR, or through a link to the program's folder (a HOME reached through a link), finds the first.
TEST_F(SingleInstance, AnotherTemporaryFolderOrALinkedFolderFindsTheFirst) {
    QTemporaryDir elsewhere;
    const QString link = elsewhere.filePath(QStringLiteral("linked"));
    ASSERT_TRUE(QFile::link(program.path(), link));
    QProcessEnvironment other_tmp;
    other_tmp.insert(QStringLiteral("TMPDIR"), elsewhere.path());
    const struct {
        const char* what;
        QString path;
        QProcessEnvironment env;
    } cases[] = {
        {"another TMPDIR", QString(), other_tmp},
        {"through a link", link + QStringLiteral("/almadex"), {}},
    };
    start(program.path());
    TSingleInstance first(core->data_folder());
    ASSERT_TRUE(first.is_first());
    int forward = 0;
    QObject::connect(&first, &TSingleInstance::come_forward, core.get(), [&forward] { ++forward; });
    for (const auto& c : cases) {
        const QByteArray before = almadex::testing::read_all(dates());
        EXPECT_EQ(start_second(20, c.path, c.env), 0) << c.what;
        EXPECT_EQ(almadex::testing::read_all(dates()), before) << c.what;
    }
    EXPECT_EQ(forward, 2);
    // A folder reached through a link is the folder itself.
    EXPECT_FALSE(TSingleInstance(link).is_first());
}

// Names that another user could make in the shared temporary folder (the lock and socket names of earlier
// versions, there) neither stop nor silence a start: the lock lies in a folder only the user can enter.
TEST_F(SingleInstance, NamesInTheSharedTemporaryFolderStopNoStart) {
    const QString data_folder = QFileInfo(program.path()).canonicalFilePath();
    const QByteArray key =
        QByteArray::number(static_cast<qulonglong>(::getuid())) + '\0' + data_folder.toUtf8();
    const QString old_name =
        QStringLiteral("almadex-") +
        QString::fromLatin1(QCryptographicHash::hash(key, QCryptographicHash::Sha256).toHex().left(24));
    QTemporaryDir shared;
    QProcessEnvironment env;
    env.insert(QStringLiteral("TMPDIR"), shared.path());
    // A lock held by a live process (this one) and a socket that takes every request: a start that used
    // them would end at once, silently.
    QLockFile held(shared.filePath(old_name + QStringLiteral(".lock")));
    ASSERT_TRUE(held.tryLock(0));
    QLocalServer squatter;
    ASSERT_TRUE(squatter.listen(shared.filePath(old_name)));
    QObject::connect(&squatter, &QLocalServer::newConnection, &squatter, [&squatter] {
        while (QLocalSocket* socket = squatter.nextPendingConnection()) socket->write("ok\n");
    });
    EXPECT_EQ(start_second(3, QString(), env), -1); // it ran until it was ended
    // Where the lock lies: the session's private folder when there is one, else the data folder.
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    const QString folder = TSingleInstance::lock_folder(program.path());
    EXPECT_TRUE(folder == QFileInfo(runtime).canonicalFilePath() || folder == data_folder)
        << folder.toStdString();
    EXPECT_FALSE(folder.startsWith(QFileInfo(QDir::tempPath()).canonicalFilePath() + u'/') &&
                 folder != data_folder)
        << folder.toStdString();
}

// Once the first program has ended (or died), the next start is the first again.
TEST_F(SingleInstance, TheLockOfAProgramThatEndedIsFree) {
    {
        TSingleInstance first(program.path());
        ASSERT_TRUE(first.is_first());
        TSingleInstance second(program.path());
        EXPECT_FALSE(second.is_first());
        EXPECT_EQ(second.name(), first.name());
        TSingleInstance other_folder(program.filePath(QStringLiteral("elsewhere")));
        EXPECT_TRUE(other_folder.is_first());
    }
    TSingleInstance again(program.path());
    EXPECT_TRUE(again.is_first());
}

} // namespace
