#include "app/data_files.h"
#include "app/messages.h"
#include "tests/support/app_test.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace almadex;
using almadex::testing::read_all;
using almadex::testing::write_all;

namespace {

class DataFiles : public almadex::testing::AppTest {
protected:
    void TearDown() override {
        QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).removeRecursively();
        AppTest::TearDown();
    }
    QTemporaryDir program;
};

TEST_F(DataFiles, AWritableProgramFolderKeepsTheFilesBesideTheProgram) {
    const auto location = locate_data_file(program.path() + QStringLiteral("/"), QStringLiteral("gl.dat"));
    EXPECT_EQ(location.read_path, program.filePath(QStringLiteral("gl.dat")));
    EXPECT_EQ(location.write_path, location.read_path);
}

TEST_F(DataFiles, AnInstalledProgramReadsTheOldFileThenKeepsItsOwnInTheUserFolder) {
    write_all(program.filePath(QStringLiteral("dates.dat")), "[General]\nN=0\n");
    auto location = locate_data_file(program.path(), QStringLiteral("dates.dat"), false);
    EXPECT_EQ(location.read_path, program.filePath(QStringLiteral("dates.dat")));
    EXPECT_TRUE(
        location.write_path.startsWith(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)));
    QString error;
    ASSERT_TRUE(write_file_atomically(location.write_path, "[General]\nN=1\n", error)) << error.toStdString();
    location = locate_data_file(program.path(), QStringLiteral("dates.dat"), false);
    EXPECT_EQ(location.read_path, location.write_path);
}

TEST_F(DataFiles, WritabilityIsProbedByCreatingAFile) {
    EXPECT_TRUE(folder_is_writable(program.path()));
    EXPECT_FALSE(folder_is_writable(program.filePath(QStringLiteral("missing"))));
    EXPECT_FALSE(folder_is_writable(QStringLiteral("/proc/self")));
    EXPECT_TRUE(QDir(program.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

TEST_F(DataFiles, AtomicWriteReplacesTheFileAndLeavesNoTemporary) {
    const QString path = program.filePath(QStringLiteral("sub/gl.dat"));
    QString error;
    ASSERT_TRUE(write_file_atomically(path, "first", error));
    ASSERT_TRUE(write_file_atomically(path, "second", error));
    EXPECT_EQ(read_all(path), "second");
    EXPECT_EQ(QDir(program.filePath(QStringLiteral("sub"))).entryList(QDir::Files).size(), 1);
}

TEST_F(DataFiles, AProcessKilledBeforeTheRenameLeavesTheOldFile) {
    const QString path = program.filePath(QStringLiteral("dates.dat"));
    write_all(path, "old contents");
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        QString error;
        write_file_atomically(path, "new contents", error, [] { _exit(9); });
        _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 9);
    EXPECT_EQ(read_all(path), "old contents");
}

TEST_F(DataFiles, AFailedWriteIsReportedOnceAndTouchesNothing) {
    // A folder that cannot be made: its parent is a file.
    write_all(program.filePath(QStringLiteral("plain")), "old");
    const QString path = program.filePath(QStringLiteral("plain/gl.dat"));
    QString error;
    EXPECT_FALSE(write_file_atomically(path, "new", error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(read_all(program.filePath(QStringLiteral("plain"))), "old");

    start(); // a program records the message boxes
    report_save_failure(nullptr, path, error);
    report_save_failure(nullptr, path, error);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].text.contains(QStringLiteral("gl.dat")));
}

// What a save does to the file: an existing file keeps its permissions; a new one (a data file or an exported
// schedule, which are written the same way) gets those the umask allows, not the temporary file's 0600; a
// symbolic link is written through to its target and stays a link.
TEST_F(DataFiles, ASaveKeepsPermissionsFollowsLinksAndNewFilesFollowTheUmask) {
    const auto mode_of = [](const QString& path) {
        struct stat st {};
        ::stat(QFile::encodeName(path).constData(), &st);
        return st.st_mode & 07777;
    };
    QString error;
    const struct { mode_t umask, created; } masks[] = {{022, 0644}, {077, 0600}, {002, 0664}, {027, 0640}};
    for (const auto& m : masks) {
        const mode_t old_mask = ::umask(m.umask);
        const QString path = program.filePath(QStringLiteral("new-%1.rtf").arg(m.umask, 0, 8));
        const bool written = write_file_atomically(path, "new", error);
        ::umask(old_mask);
        ASSERT_TRUE(written) << error.toStdString();
        EXPECT_EQ(mode_of(path), m.created) << "umask " << std::oct << m.umask;
    }

    for (const mode_t mode : {0640, 0604, 0600, 0666, 0444}) {
        const QString path = program.filePath(QStringLiteral("dates.dat"));
        QFile::remove(path);
        write_all(path, "old");
        ::chmod(QFile::encodeName(path).constData(), mode);
        ASSERT_TRUE(write_file_atomically(path, "new", error)) << error.toStdString();
        EXPECT_EQ(mode_of(path), mode) << std::oct << mode;
        EXPECT_EQ(read_all(path), "new");
    }

    // A link, a chain of two links, and a link to a file that does not exist yet.
    QTemporaryDir elsewhere;
    const QString target = elsewhere.filePath(QStringLiteral("target.dat"));
    write_all(target, "old");
    const QString link = program.filePath(QStringLiteral("link.dat"));
    const QString chain = program.filePath(QStringLiteral("chain.dat"));
    ASSERT_TRUE(QFile::link(target, link));
    ASSERT_TRUE(QFile::link(link, chain));
    for (const QString& path : {link, chain}) {
        ASSERT_TRUE(write_file_atomically(path, path.toUtf8(), error)) << error.toStdString();
        EXPECT_TRUE(QFileInfo(link).isSymLink());
        EXPECT_TRUE(QFileInfo(chain).isSymLink());
        EXPECT_EQ(read_all(target), path.toUtf8());
    }
    const QString dangling = program.filePath(QStringLiteral("dangling.dat"));
    ASSERT_TRUE(QFile::link(elsewhere.filePath(QStringLiteral("later.dat")), dangling));
    ASSERT_TRUE(write_file_atomically(dangling, "made", error)) << error.toStdString();
    EXPECT_TRUE(QFileInfo(dangling).isSymLink());
    EXPECT_EQ(read_all(elsewhere.filePath(QStringLiteral("later.dat"))), "made");
}

} // namespace
