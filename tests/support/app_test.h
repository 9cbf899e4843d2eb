// What the window tests share: GoogleTest printers for Qt's strings and dates, helpers for children and
// files, and a fixture that keeps a test off the user's files and settings and starts the program's core with
// the clock fixed and the message boxes recorded, and its main window when the test wants it.
#pragma once

#include "app/core.h"
#include "app/date_formats.h"
#include "app/main_form.h"
#include "app/messages.h"

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QObject>
#include <QSettings>
#include <QStandardPaths>
#include <QString>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>
#include <utility>
#include <vector>

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}
inline void PrintTo(const QDate& d, std::ostream* os) {
    *os << d.toString(Qt::ISODate).toStdString();
}
QT_END_NAMESPACE

namespace almadex::testing {

/// The child of `parent` named `name`; a missing one fails the test (and gives null).
template <typename T>
T* find_child(const QObject* parent, const char* name) {
    T* w = parent->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

/// A file's bytes, empty when it cannot be read.
inline QByteArray read_all(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

/// Writes `data` as the whole file; a file that cannot be opened fails the test.
inline void write_all(const QString& path, const QByteArray& data) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
    f.write(data);
}

/// A data file that exists and yet cannot be read: how to make it at a path, and the reason the program
/// gives.
struct TUnreadableFile {
    const char* name;
    std::function<void(const QString&)> make;
    const char* reason;
};

/// The kinds every data file is tested with (a user without permission cannot be made while the tests run as
/// root; an input/output error can: the memory of a process reads so from its start).
inline std::vector<TUnreadableFile> unreadable_files() {
    return {
        {"a folder", [](const QString& f) { QDir().mkdir(f); }, "not a regular file"},
        {"a link to /dev/zero", [](const QString& f) { QFile::link(QStringLiteral("/dev/zero"), f); },
         "not a regular file"},
        {"larger than 16 MB", [](const QString& f) { write_all(f, QByteArray(17 * 1024 * 1024, '\n')); },
         "larger than 16 MB"},
        {"an input/output error", [](const QString& f) { QFile::link(QStringLiteral("/proc/self/mem"), f); },
         "Input/output error"},
    };
}

/// The moment the window tests take for "now" unless they name another.
inline const QDateTime kNow(QDate(2024, 10, 3), QTime(15, 30));

/// Every test: the standard paths in their test mode, the settings in a folder of its own; the program (its
/// core) started by the test with the clock at `now` and every message box recorded in `messages` and
/// answered OK. A fixture's SetUp calls AppTest::SetUp() first; TearDown ends the program, whose windows
/// write their files as they are destroyed, and drops the messages held for the end of a start it did not
/// finish.
class AppTest : public ::testing::Test {
protected:
    explicit AppTest(QDateTime now = kNow) : now_(std::move(now)) {}

    QTemporaryDir settings_dir;
    std::vector<TMessage> messages;
    /// The program, once start() made it.
    std::unique_ptr<TAppCore> core;
    /// Its main window, once create_main() made it.
    TMainForm* main = nullptr;

    void SetUp() override {
        QStandardPaths::setTestModeEnabled(true);
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings_dir.path());
    }
    void TearDown() override { stop(); }

    /// The real seams but for the clock, at `now`, and the message boxes, recorded in `messages`.
    TSeams test_seams() {
        TSeams seams = real_seams();
        seams.clock = [now = now_] { return now; };
        seams.message_box = [this](QWidget*, const TMessage& m) {
            messages.push_back(m);
            return QMessageBox::Ok;
        };
        return seams;
    }
    /// Starts the program, no window made yet, with its data files in `program_folder` (the test program's
    /// folder when empty).
    void start(const QString& program_folder = QString()) {
        core = std::make_unique<TAppCore>(program_folder, test_seams());
    }
    /// Ends the program, if it runs: its windows are destroyed and its files written.
    void stop() {
        main = nullptr;
        core.reset();
    }
    /// Makes the main window (starting the program first when needed), its start-up timer stopped: the test
    /// drives the start.
    void create_main() {
        if (!core) start();
        main = &core->main_form();
        main->ShowIntroFormTimer().stop();
    }
    /// Ends the program with its main window.
    void destroy_main() { stop(); }

private:
    QDateTime now_;
};

} // namespace almadex::testing
