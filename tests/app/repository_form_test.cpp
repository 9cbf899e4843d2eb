// The dates repository: reading and writing "dates.dat" (sections kept, UTF-8, atomic, failures reported),
// adding, removing and selecting entries, and sending a date to the converter.
#include "app/calendar_form.h"
#include "app/repository_form.h"
#include "controls/spin_edit.h"
#include "tests/support/app_test.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTest>
#include <atomic>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <functional>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using namespace almadex;

namespace {

/// The repository in a program with its main window, started by each test (open_repository()) in the
/// program's folder `folder`.
class RepositoryForm : public almadex::testing::AppTest {
protected:
    QTemporaryDir program;
    QString folder = program.path();
    TRepositoryForm* repository = nullptr;

    QString file() const { return program.filePath(QStringLiteral("dates.dat")); }
    QByteArray contents() const { return almadex::testing::read_all(file()); }
    void write_file(const QByteArray& data) const { almadex::testing::write_all(file(), data); }
    void open_repository() {
        start(folder);
        create_main();
        repository = &core->repository_form();
    }
    /// Ends the program, which destroys the window: it writes the file.
    void close_repository() {
        repository = nullptr;
        stop();
    }
    std::vector<std::pair<QString, QString>> entries() const {
        std::vector<std::pair<QString, QString>> list;
        for (int row = 0; row < repository->EntryCount(); ++row)
            list.emplace_back(repository->EntryDescription(row), repository->EntryDate(row));
        return list;
    }
    void select(int row) { repository->ListView1()->selectRow(row); }
    QString gregorian() const {
        return QStringLiteral("%1/%2/%3")
            .arg(main->GDay()->value())
            .arg(main->GMonth()->value())
            .arg(main->GYear()->value());
    }
    void add(const QString& description, QDate day) {
        repository->DescEdit()->setText(description);
        repository->DatePick()->setDate(day);
        repository->AddBtnClick();
    }
};

using Entries = std::vector<std::pair<QString, QString>>;

const QByteArray kThree = "[General]\nN=3\n"
                          "[Date1]\nDescription=Wedding\nValue=14/02/1998\n"
                          "[Date2]\nDescription=Christmas 2003\nValue=25/12/2003\n"
                          "[Date3]\nDescription=Birthday\nValue=03/10/1970\n";

// --- the file ---

TEST_F(RepositoryForm, ReadsTheEntriesInTheirOrder) {
    write_file(kThree);
    open_repository();
    EXPECT_EQ(entries(), (Entries{{QStringLiteral("Wedding"), QStringLiteral("14/02/1998")},
                                  {QStringLiteral("Christmas 2003"), QStringLiteral("25/12/2003")},
                                  {QStringLiteral("Birthday"), QStringLiteral("03/10/1970")}}));
    for (int row = 0; row < 3; ++row)
        EXPECT_FALSE(repository->ListView1()->item(row, 0)->icon().isNull()); // the state image
    EXPECT_EQ(repository->DatePick()->date(), QDate(2024, 10, 3));
}

TEST_F(RepositoryForm, MissingKeysInAnExistingSectionTakeTheirDefaults) {
    write_file("[General]\nN=2\n[Date1]\nValue=01/01/2000\n[Date2]\nDescription=Only a name\n");
    open_repository();
    EXPECT_EQ(entries(), (Entries{{QStringLiteral("No Description"), QStringLiteral("01/01/2000")},
                                  {QStringLiteral("Only a name"), QStringLiteral("03/10/2024 15:30:00")}}));
    EXPECT_TRUE(messages.empty());
    close_repository();

    for (const QByteArray& text : {QByteArray(), QByteArray("[Date1]\nDescription=x\nValue=01/01/2000\n"),
                                   QByteArray("\x00\x01\x02garbage", 10)}) {
        write_file(text);
        open_repository();
        EXPECT_EQ(repository->EntryCount(), 0) << text.toStdString();
        close_repository();
    }
    QFile::remove(file());
    open_repository();
    EXPECT_EQ(repository->EntryCount(), 0);
}

// A count that is not a plain decimal number, or that names sections the file does not have, is reported
// once; the entries whose sections exist are read in order and nothing is made up, also by the next save.
TEST_F(RepositoryForm, ADamagedCountIsReportedAndMakesUpNoEntry) {
    const QByteArray two = "[Date1]\nDescription=Wedding\nValue=14/02/1998\n"
                           "[Date3]\nDescription=Birthday\nValue=03/10/1970\n";
    const struct {
        QByteArray count;
        const char* damage;
    } cases[] = {
        {"N=0x10", "N=0x10 is not a decimal number"},
        {"N=99999999999", "N=99999999999 names more entries than its 2 date sections"},
        {"N=3", "N=3 names more entries than its 2 date sections"},
        {"N=-4", "N=-4 is not a decimal number"},
        {"N=many", "N=many is not a decimal number"},
        {"N=", "N= is not a decimal number"},
        {"N=2000000000", "N=2000000000 names more entries than its 2 date sections"},
    };
    for (const auto& c : cases) {
        write_file("[General]\n" + c.count + "\n" + two);
        messages.clear();
        open_repository();
        EXPECT_EQ(entries(), (Entries{{QStringLiteral("Wedding"), QStringLiteral("14/02/1998")},
                                      {QStringLiteral("Birthday"), QStringLiteral("03/10/1970")}}))
            << c.count.toStdString();
        ASSERT_EQ(messages.size(), 1u) << c.count.toStdString();
        EXPECT_TRUE(messages[0].text.contains(QString::fromLatin1(c.damage)))
            << messages[0].text.toStdString();
        EXPECT_TRUE(messages[0].text.contains(file())) << messages[0].text.toStdString();
        close_repository();
        const QString saved = QString::fromUtf8(contents());
        EXPECT_TRUE(saved.contains(QStringLiteral("N=2\n"))) << saved.toStdString();
        EXPECT_FALSE(saved.contains(QStringLiteral("No Description"))) << saved.toStdString();
    }
}

// A description is one line: what would break the file's lines becomes spaces, and the list survives.
TEST_F(RepositoryForm, ALineBreakInADescriptionCannotRewriteTheFile) {
    write_file(kThree);
    open_repository();
    add(QStringLiteral("x\n[General]\nN=0"), QDate(2020, 1, 2));
    add(QStringLiteral("tab\there\rcr\x01"), QDate(2020, 1, 3));
    EXPECT_EQ(repository->EntryDescription(3), QStringLiteral("x [General] N=0"));
    close_repository();
    EXPECT_TRUE(contents().contains("Description=x [General] N=0\n")) << contents().toStdString();
    open_repository();
    ASSERT_EQ(repository->EntryCount(), 5);
    EXPECT_EQ(repository->EntryDescription(0), QStringLiteral("Wedding"));
    EXPECT_EQ(repository->EntryDescription(4), QStringLiteral("tab here cr"));
    EXPECT_TRUE(messages.empty());
}

// A dates.dat that exists but cannot be read is said once at start, naming the file and the reason, and is
// left as it is: the list starts empty and the file is not saved in this run. Reading is bounded: only a
// regular file of at most 16 MB is read, and a FIFO does not block.
TEST_F(RepositoryForm, AnUnreadableFileIsNeverOverwritten) {
    std::vector<almadex::testing::TUnreadableFile> cases = almadex::testing::unreadable_files();
    cases.push_back({"a FIFO", [](const QString& f) { ::mkfifo(QFile::encodeName(f).constData(), 0600); },
                     "not a regular file"});
    for (const auto& c : cases) {
        QTemporaryDir elsewhere;
        folder = elsewhere.path();
        const QString path = elsewhere.filePath(QStringLiteral("dates.dat"));
        c.make(path);
        const QFileInfo before(path);
        messages.clear();
        // Reading a FIFO used to block start-up until something opened it for writing: it is opened so after
        // a while, so that the test fails on what follows instead of hanging.
        std::atomic<bool> started{false};
        std::thread unblock([&] {
            for (int i = 0; i < 100 && !started; ++i) {
                std::this_thread::sleep_for(std::chrono::milliseconds(50));
                const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_NONBLOCK);
                if (fd >= 0) ::close(fd);
            }
        });
        open_repository();
        started = true;
        unblock.join();
        EXPECT_EQ(repository->EntryCount(), 0) << c.name;
        ASSERT_EQ(messages.size(), 1u) << c.name;
        EXPECT_EQ(messages[0].text, QStringLiteral("%1 could not be read (%2); it will be left as it is.")
                                        .arg(path, QString::fromLatin1(c.reason)))
            << c.name;
        add(QStringLiteral("New"), QDate(2010, 5, 6));
        EXPECT_FALSE(repository->save_repository()) << c.name;
        close_repository();
        const QFileInfo after(path);
        EXPECT_EQ(after.isSymLink(), before.isSymLink()) << c.name;
        EXPECT_EQ(after.isDir(), before.isDir()) << c.name;
        EXPECT_EQ(after.size(), before.size()) << c.name;
        EXPECT_EQ(messages.size(), 1u) << c.name; // said once
        folder = program.path();
    }
}

// A file that is no dates file (text without a count of entries, or binary data) is said and left byte for
// byte as it was, as an unreadable one is.
TEST_F(RepositoryForm, AFileWithoutACountIsSaidAndLeftAsItIs) {
    const QByteArray cases[] = {
        "[Date1]\nDescription=Wedding\nValue=14/02/1998\n",
        "[Other]\nKey=kept\n",
        QByteArray("\x7f"
                   "ELF\x02\x01\x01\0\0\0\xff\xfe[General]",
                   20),
    };
    for (const QByteArray& bytes : cases) {
        write_file(bytes);
        messages.clear();
        open_repository();
        EXPECT_EQ(repository->EntryCount(), 0);
        ASSERT_EQ(messages.size(), 1u) << bytes.toStdString();
        EXPECT_TRUE(
            messages[0].text.contains(QStringLiteral("could not be read (it holds no count of entries")))
            << messages[0].text.toStdString();
        EXPECT_TRUE(messages[0].text.endsWith(QStringLiteral("it will be left as it is.")));
        add(QStringLiteral("New"), QDate(2010, 5, 6));
        close_repository();
        EXPECT_EQ(contents(), bytes);
    }
}

// Each change is in the file as soon as it is made (a signal at any later moment loses nothing); Ctrl+Z puts
// the entries removed back, the last first, each where it was.
TEST_F(RepositoryForm, EachChangeIsSavedAtOnceAndRemovalsCanBeUndone) {
    write_file(kThree);
    open_repository();
    repository->show();
    QApplication::setActiveWindow(repository); // where the shortcut is heard
    const auto file_entries = [this] {
        Entries list;
        const QString text = QString::fromUtf8(contents());
        const int n = QRegularExpression(QStringLiteral("N=(\\d+)")).match(text).captured(1).toInt();
        for (int i = 1; i <= n; ++i) {
            const QRegularExpression section(
                QStringLiteral("\\[Date%1\\]\nDescription=([^\n]*)\nValue=([^\n]*)\n").arg(i));
            const QRegularExpressionMatch m = section.match(text);
            list.emplace_back(m.captured(1), m.captured(2));
        }
        return list;
    };
    const std::pair<QString, QString> wedding{QStringLiteral("Wedding"), QStringLiteral("14/02/1998")},
        christmas{QStringLiteral("Christmas 2003"), QStringLiteral("25/12/2003")},
        birthday{QStringLiteral("Birthday"), QStringLiteral("03/10/1970")},
        added{QStringLiteral("Added"), QStringLiteral("06/05/2010")};
    add(added.first, QDate(2010, 5, 6));
    EXPECT_EQ(file_entries(), (Entries{wedding, christmas, birthday, added}));
    select(1);
    repository->Remove1()->trigger();
    select(0);
    repository->Remove1()->trigger();
    EXPECT_EQ(file_entries(), (Entries{birthday, added}));
    EXPECT_TRUE(repository->UndoAction()->isEnabled());
    QTest::keyClick(repository->ListView1(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(file_entries(), (Entries{wedding, birthday, added}));
    EXPECT_EQ(entries(), file_entries());
    repository->UndoAction()->trigger();
    EXPECT_EQ(file_entries(), (Entries{wedding, christmas, birthday, added}));
    EXPECT_FALSE(repository->UndoAction()->isEnabled());
    repository->UndoAction()->trigger(); // nothing left to undo
    EXPECT_EQ(repository->EntryCount(), 4);
    EXPECT_TRUE(messages.empty());
}

TEST_F(RepositoryForm, AnEmptyDescriptionIsRefused) {
    write_file(kThree);
    open_repository();
    for (const QString& description : {QString(), QStringLiteral("   "), QStringLiteral("\t")}) {
        messages.clear();
        add(description, QDate(2010, 5, 6));
        EXPECT_EQ(repository->EntryCount(), 3);
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].text, QStringLiteral("Please, type a description for this date."));
    }
    EXPECT_EQ(contents(), kThree);
}

// Another program (a second Almadex that got past the lock, an editor) changed the file: it is not written
// over, and that is said once.
TEST_F(RepositoryForm, AFileChangedElsewhereIsNotWrittenOver) {
    write_file(kThree);
    open_repository();
    const QByteArray other = "[General]\nN=1\n[Date1]\nDescription=Theirs\nValue=01/01/2001\n";
    write_file(other);
    add(QStringLiteral("Mine"), QDate(2010, 5, 6));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].text.contains(QStringLiteral("another program changed it")))
        << messages[0].text.toStdString();
    close_repository();
    EXPECT_EQ(contents(), other);
    EXPECT_EQ(messages.size(), 1u);
}

// Files saved by Windows editors: UTF-16 with its byte order mark ("Unicode"), and UTF-8 with one.
TEST_F(RepositoryForm, FilesInUtf16AndUtf8WithASignatureAreRead) {
    const QString text = QStringLiteral("[General]\r\nN=2\r\n[Date1]\r\nDescription=No\u00ebl \u6625\u8282 "
                                        "\U0001F386\r\nValue=25/12/2003\r\n[Date2]\r\nDescription=B\r\n"
                                        "Value=01/01/2000\r\n");
    QByteArray le("\xFF\xFE", 2), be("\xFE\xFF", 2);
    for (const QChar c : text) {
        le.append(static_cast<char>(c.unicode() & 0xFF)).append(static_cast<char>(c.unicode() >> 8));
        be.append(static_cast<char>(c.unicode() >> 8)).append(static_cast<char>(c.unicode() & 0xFF));
    }
    for (const QByteArray& bytes : {le, be, QByteArray("\xEF\xBB\xBF") + text.toUtf8()}) {
        write_file(bytes);
        messages.clear();
        open_repository();
        EXPECT_EQ(entries(), (Entries{{QStringLiteral("No\u00ebl \u6625\u8282 \U0001F386"),
                                       QStringLiteral("25/12/2003")},
                                      {QStringLiteral("B"), QStringLiteral("01/01/2000")}}));
        EXPECT_TRUE(messages.empty());
        close_repository();
        EXPECT_TRUE(contents().startsWith("[General]\r\nN=2\r\n") ||
                    contents().startsWith("[General]\nN=2\n"))
            << contents().toStdString(); // saved as UTF-8
    }
}

// A dates.dat that is a symbolic link is saved to the file it points to, which keeps its permissions.
TEST_F(RepositoryForm, ALinkedFileIsSavedThroughTheLink) {
    QTemporaryDir elsewhere;
    const QString target = elsewhere.filePath(QStringLiteral("my-dates.dat"));
    almadex::testing::write_all(target, kThree);
    const QFile::Permissions mode =
        QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser | QFile::ReadGroup;
    QFile::setPermissions(target, mode);
    ASSERT_TRUE(QFile::link(target, file()));
    open_repository();
    add(QStringLiteral("New"), QDate(2010, 5, 6));
    close_repository();
    EXPECT_TRUE(QFileInfo(file()).isSymLink());
    EXPECT_TRUE(almadex::testing::read_all(target).contains("[Date4]\nDescription=New\n"));
    EXPECT_EQ(QFile::permissions(target), mode);
}

TEST_F(RepositoryForm, RemovingTheSecondOfThreeWritesTwoAndLeavesTheOldThirdSection) {
    write_file(kThree);
    open_repository();
    repository->Remove1()->trigger(); // nothing selected: nothing removed
    EXPECT_EQ(repository->EntryCount(), 3);
    select(1);
    repository->Remove1()->trigger();
    EXPECT_EQ(repository->EntryCount(), 2);
    EXPECT_TRUE(repository->ListView1()->selectionModel()->selectedRows().isEmpty());
    close_repository();

    const QString text = QString::fromUtf8(contents());
    EXPECT_TRUE(text.contains(QStringLiteral("[General]\nN=2\n"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("[Date1]\nDescription=Wedding\nValue=14/02/1998\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("[Date2]\nDescription=Birthday\nValue=03/10/1970\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("[Date3]\nDescription=Birthday\nValue=03/10/1970\n")));
    EXPECT_TRUE(messages.empty());

    open_repository(); // the old third section is not read back
    EXPECT_EQ(entries(), (Entries{{QStringLiteral("Wedding"), QStringLiteral("14/02/1998")},
                                  {QStringLiteral("Birthday"), QStringLiteral("03/10/1970")}}));
}

TEST_F(RepositoryForm, OtherContentsOfTheFileStay) {
    write_file("; the user's note\n[General]\nN=1\nOwner=me\n[Date1]\nDescription=A\nValue=01/01/2000\n"
               "[Other]\nKey=kept\n");
    open_repository();
    add(QStringLiteral("B"), QDate(2001, 2, 3));
    close_repository();
    const QString text = QString::fromUtf8(contents());
    EXPECT_TRUE(text.contains(QStringLiteral("; the user's note"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Owner=me")));
    EXPECT_TRUE(text.contains(QStringLiteral("[Other]\nKey=kept\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("N=2\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("[Date2]\nDescription=B\nValue=03/02/2001\n")));
}

TEST_F(RepositoryForm, DescriptionsOutsideAsciiSurviveASaveAndALoad) {
    open_repository();
    const QString names[] = {QStringLiteral("Noël à Zürich"), QStringLiteral("عيد الفطر"),
                             QStringLiteral("春节 🎆")};
    for (const QString& name : names) add(name, QDate(2003, 12, 25));
    close_repository();
    EXPECT_TRUE(contents().contains("Description=Noël à Zürich\n")); // UTF-8, no signature
    EXPECT_FALSE(contents().startsWith("\xEF\xBB\xBF"));
    open_repository();
    ASSERT_EQ(repository->EntryCount(), 3);
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(repository->EntryDescription(row), names[row]);
        EXPECT_EQ(repository->EntryDate(row), QStringLiteral("25/12/2003"));
    }
}

TEST_F(RepositoryForm, AFileOfTheEarlierProgramInItsCodePageIsRead) {
    write_file("[General]\nN=1\n[Date1]\nDescription=No\xEBl\nValue=25/12/2003\n");
    open_repository();
    EXPECT_EQ(repository->EntryDescription(0), QStringLiteral("Noël"));
}

TEST_F(RepositoryForm, AKilledWriteLeavesTheOldFileAndACompleteOneTheNew) {
    write_file(kThree);
    open_repository();
    repository->add_repository_entry(QStringLiteral("New"), QStringLiteral("06/05/2010")); // not saved yet
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        repository->SetBeforeRename([] { ::kill(::getpid(), SIGKILL); });
        repository->save_repository();
        _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(WTERMSIG(status), SIGKILL);
    EXPECT_EQ(contents(), kThree);

    ASSERT_TRUE(repository->save_repository());
    const QString text = QString::fromUtf8(contents());
    EXPECT_TRUE(text.contains(QStringLiteral("N=4\n")));
    EXPECT_TRUE(text.endsWith(QStringLiteral("[Date4]\nDescription=New\nValue=06/05/2010\n")))
        << text.toStdString();
    // No temporary file is left beside it.
    EXPECT_EQ(QDir(program.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("dates.dat")});
}

TEST_F(RepositoryForm, AFailedWriteIsReported) {
    open_repository();
    QDir(program.path()).mkdir(QStringLiteral("dates.dat")); // a folder comes to stand where the file goes
    add(QStringLiteral("Lost?"), QDate(2010, 5, 6));
    EXPECT_FALSE(repository->save_repository());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].icon, QMessageBox::Warning);
    EXPECT_TRUE(messages[0].text.contains(QStringLiteral("dates.dat"))) << messages[0].text.toStdString();
    close_repository(); // the same failure is not reported twice
    EXPECT_EQ(messages.size(), 1u);
}

// --- adding and selecting ---

TEST_F(RepositoryForm, AnEntryOf25December2003ConvertsChristmas2003) {
    write_file(kThree);
    open_repository();
    core->date_format().ShortDateFormat = QStringLiteral("mm/dd/yyyy");
    select(1);
    EXPECT_EQ(repository->DescEdit()->text(), QStringLiteral("Christmas 2003"));
    EXPECT_EQ(repository->DatePick()->date(), QDate(2003, 12, 25));
    EXPECT_EQ(gregorian(), QStringLiteral("25/12/2003"));
    EXPECT_EQ(main->FDate(), from_qdate(QDate(2003, 12, 25)) + 0.5);
    EXPECT_EQ(main->findChild<QLineEdit*>(QStringLiteral("JuDay"))->text(), QStringLiteral("2452999"));
    EXPECT_EQ(core->date_format().ShortDateFormat, QStringLiteral("dd/mm/yyyy"));
    EXPECT_EQ(core->date_format().DateSeparator, u'/');
    EXPECT_TRUE(messages.empty());
}

TEST_F(RepositoryForm, NewEntriesAreWrittenDayFirstWhateverTheProcessFormat) {
    open_repository();
    // As a saved prayer schedule leaves it.
    core->date_format().DateSeparator = u' ';
    core->date_format().ShortDateFormat = QStringLiteral("mmm dd yyyy");
    add(QStringLiteral("Christmas"), QDate(2003, 12, 25));
    EXPECT_EQ(repository->EntryDate(0), QStringLiteral("25/12/2003"));
    EXPECT_EQ(core->date_format().ShortDateFormat, QStringLiteral("mmm dd yyyy")); // adding changes nothing
    select(0);
    EXPECT_EQ(gregorian(), QStringLiteral("25/12/2003"));
}

TEST_F(RepositoryForm, SelectingReadsTheFormsOfEarlierFiles) {
    write_file("[General]\nN=5\n"
               "[Date1]\nDescription=a\nValue=Dec 25 2003\n"
               "[Date2]\nDescription=b\nValue=Jul 4 1976\n"
               "[Date3]\nDescription=c\nValue=14/07/1789 10:30:00\n"
               "[Date4]\nDescription=d\nValue=not a date\n"
               "[Date5]\nDescription=e\nValue=31/02/2001\n");
    open_repository();
    const struct {
        int row;
        const char* gregorian;
    } cases[] = {{0, "25/12/2003"}, {1, "4/7/1976"}, {2, "14/7/1789"}};
    for (const auto& c : cases) {
        select(c.row);
        EXPECT_EQ(gregorian(), QString::fromLatin1(c.gregorian)) << c.row;
    }
    // A text that does not read as a date changes neither the picker nor the converter, silently.
    for (int row : {3, 4}) {
        const double before = main->FDate();
        const QDate picked = repository->DatePick()->date();
        select(row);
        EXPECT_EQ(main->FDate(), before) << row;
        EXPECT_EQ(repository->DatePick()->date(), picked) << row;
        EXPECT_EQ(gregorian(), QStringLiteral("14/7/1789")) << row;
        EXPECT_EQ(repository->DescEdit()->text(), QString(QChar(u'a' + row)));
    }
    EXPECT_TRUE(messages.empty());
}

// Entries name dates of the civil calendar, as the converter reads them: Julian up to 4 October 1582.
TEST_F(RepositoryForm, EntriesAreDatesOfTheCivilCalendar) {
    write_file("[General]\nN=4\n"
               "[Date1]\nDescription=a\nValue=29/02/1500\n"
               "[Date2]\nDescription=b\nValue=04/10/1582\n"
               "[Date3]\nDescription=c\nValue=10/10/1582\n"
               "[Date4]\nDescription=d\nValue=29/02/1700\n");
    open_repository();
    const struct {
        int row;
        const char* gregorian; // the converter's fields after the selection; "" when unchanged
        double julian_day;     // of the converter's noon, 0 when unchanged
    } cases[] = {
        {0, "29/2/1500", 2268992},
        {1, "4/10/1582", 2299160},
        {2, "", 0}, // one of the days the reform left out
        {3, "", 0}, // no leap day in 1700
    };
    for (const auto& c : cases) {
        const QString before = gregorian();
        select(c.row);
        if (*c.gregorian == 0) {
            EXPECT_EQ(gregorian(), before) << c.row;
            continue;
        }
        EXPECT_EQ(gregorian(), QString::fromLatin1(c.gregorian)) << c.row;
        EXPECT_DOUBLE_EQ(main->FDate() + 2415018.5, c.julian_day) << c.row;
    }
    EXPECT_TRUE(messages.empty());
}

TEST_F(RepositoryForm, ADescriptionStopsAt35Characters) {
    open_repository();
    repository->show();
    repository->DescEdit()->setFocus();
    QTest::keyClicks(repository->DescEdit(), QString(40, u'x'));
    EXPECT_EQ(repository->DescEdit()->text(), QString(35, u'x'));
}

TEST_F(RepositoryForm, AddIsUsableWhileTheFocusIsInTheNewDateGroup) {
    open_repository();
    EXPECT_FALSE(repository->AddBtn()->isEnabled());
    repository->show();
    repository->activateWindow();
    if (!QTest::qWaitForWindowActive(repository)) GTEST_SKIP() << "no active window on this platform";
    repository->DescEdit()->setFocus();
    EXPECT_TRUE(repository->AddBtn()->isEnabled());
    repository->DatePick()->setFocus();
    EXPECT_TRUE(repository->AddBtn()->isEnabled());
    QTest::keyClicks(repository->DescEdit(), QStringLiteral("Typed"));
    repository->DescEdit()->setFocus();
    QTest::mouseClick(repository->AddBtn(), Qt::LeftButton);
    EXPECT_EQ(repository->EntryCount(), 1);
    repository->ListView1()->setFocus();
    EXPECT_FALSE(repository->AddBtn()->isEnabled());
}

TEST_F(RepositoryForm, SitsUnderTheCalendarWindowAndIsShownByItsCommand) {
    open_repository();
    TCalendarForm& calendar = core->calendar_form();
    main->show();
    calendar.show(); // its frame known
    calendar.hide();
    main->move(100, 70);
    // Shown by the main window's command, against the right edge of the main window where it is now,
    // under the calendar window.
    main->findChild<QAction*>(QStringLiteral("ToolRepositoryAction"))->trigger();
    EXPECT_TRUE(repository->isVisible());
    const QRect frame = main->frameGeometry();
    EXPECT_EQ(repository->pos(), QPoint(frame.right() + 1, frame.top() + calendar.frameGeometry().height()));
}

TEST_F(RepositoryForm, DISABLED_Screenshot) {
    write_file("[General]\nN=4\n"
               "[Date1]\nDescription=Wedding anniversary\nValue=14/02/1998\n"
               "[Date2]\nDescription=Christmas 2003\nValue=25/12/2003\n"
               "[Date3]\nDescription=Moon landing\nValue=20/07/1969\n"
               "[Date4]\nDescription=Noël à Zürich\nValue=25/12/2024\n");
    open_repository();
    select(1);
    repository->show();
    QCoreApplication::processEvents();
    const QString path = qEnvironmentVariable("ALMADEX_SCREENSHOT", QStringLiteral("repository_window.png"));
    ASSERT_TRUE(repository->grab().save(path));
}

} // namespace
