// What the window tests share: GoogleTest printers for Qt's strings and dates, and a fixture that keeps a
// test off the user's files and settings, fixes the clock, records the message boxes and creates the main
// window.
#pragma once

#include "app/date_formats.h"
#include "app/forms.h"
#include "app/main_form.h"
#include "app/messages.h"

#include <QDate>
#include <QDateTime>
#include <QSettings>
#include <QStandardPaths>
#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>
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

/// The moment the window tests take for "now" unless they name another.
inline const QDateTime kNow(QDate(2024, 10, 3), QTime(15, 30));

/// Every test: the standard paths in their test mode, the settings in a folder of its own, the clock at
/// `now`, every message box recorded in `messages` and answered OK. Fixtures that override SetUp or TearDown
/// call these first (SetUp) or last (TearDown).
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
