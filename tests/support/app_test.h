// What the window tests share: GoogleTest printers for Qt's strings and dates, helpers for children and
// files, and a fixture that keeps a test off the user's files and settings, fixes the clock, records the
// message boxes and creates the main window.
#pragma once

#include "app/date_formats.h"
#include "app/forms.h"
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

/// Every test: the standard paths in their test mode, the settings in a folder of its own, the clock at
/// `now`, every message box recorded in `messages` and answered OK. A fixture's SetUp calls AppTest::SetUp()
/// first; its TearDown destroys its own windows before it calls AppTest::TearDown().
class AppTest : public ::testing::Test {
protected:
    explicit AppTest(QDateTime now = kNow) : now_(std::move(now)) {}

    QTemporaryDir settings_dir;
    std::vector<TMessage> messages;
    /// The main window, once create_main() made it.
    std::unique_ptr<TMainForm> main;

    void SetUp() override {
        QStandardPaths::setTestModeEnabled(true);
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings_dir.path());
        set_clock([now = now_] { return now; });
        set_message_handler([this](const TMessage& m) {
            messages.push_back(m);
            return QMessageBox::Ok;
        });
    }
    void TearDown() override {
        destroy_main();
        // Messages held for the end of a start that the test did not finish are dropped with the test.
        set_message_handler([](const TMessage&) { return QMessageBox::Ok; });
        show_start_messages(nullptr);
        set_message_handler({});
        set_clock({});
    }

    /// Creates the main window, its start-up timer stopped (the test drives the start), and registers it.
    void create_main() {
        main = std::make_unique<TMainForm>();
        main->ShowIntroFormTimer().stop();
        forms().main = main.get();
    }
    /// Unregisters and destroys the main window, if there is one.
    void destroy_main() {
        if (forms().main == main.get()) forms().main = nullptr;
        main.reset();
    }

private:
    QDateTime now_;
};

} // namespace almadex::testing
