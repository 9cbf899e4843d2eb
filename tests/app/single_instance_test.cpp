// Two programs of one user on the same data files: the second start brings the first to the front and ends
// without touching the files, so that no named date is lost. This process plays the first program (its
// windows in-process); the second is the real program started from the same folder.
#include "app/repository_form.h"
#include "app/single_instance.h"
#include "tests/support/app_test.h"

#include <QCoreApplication>
#include <QDateEdit>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
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
    int start_second(int seconds) {
        QProcess second;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        second.setProcessEnvironment(env);
        second.start(copy(), {});
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
