// Drives the real program under a virtual X server with a window manager, as a user would: Xvfb on a free
// display, openbox on it, the program started from a copy in a temporary folder (its settings and data files
// kept there too), windows found by their title and keys sent with xdotool. What a test cannot ask the
// program directly it reads from the window system (frame positions), the clipboard or the files the program
// writes.
#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <initializer_list>
#include <iostream>
#include <memory>
#include <optional>
#include <ostream>

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}
inline void PrintTo(const QPoint& p, std::ostream* os) {
    *os << '(' << p.x() << ", " << p.y() << ')';
}
inline void PrintTo(const QRect& r, std::ostream* os) {
    *os << r.width() << 'x' << r.height() << " at (" << r.x() << ", " << r.y() << ')';
}
QT_END_NAMESPACE

namespace almadex::xvfb {

/// Runs a tool on the session's display; gives its standard output, or nothing when it fails or outlasts
/// `timeout_ms`.
std::optional<QString> run_tool(const QString& program, const QStringList& arguments, int timeout_ms = 10000);

/// One X server with openbox, for the life of the test binary. Starting it sets DISPLAY for this process,
/// so that the tools and the test's own Qt connection (clipboard, screenshots) use it.
class TXSession {
public:
    /// The session of this process, started on first use; null when Xvfb, openbox or xdotool is missing or
    /// the server does not come up (the reason in `why_not`).
    static TXSession* get(QString* why_not = nullptr);
    /// The tools the session needs, those missing; empty when all are installed.
    static QStringList missing_tools();
    ~TXSession();

    QString display() const { return display_; }
    /// The size of the virtual screen.
    static constexpr int kScreenWidth = 1280;
    static constexpr int kScreenHeight = 800;

    /// Saves a picture of the whole screen as <folder>/<name>.png (folder: ALMADEX_XVFB_SHOTS or the
    /// working directory); gives the file's path.
    QString screenshot(const QString& name) const;

private:
    TXSession() = default;
    bool start(QString& why_not);

    QProcess server_;
    QProcess window_manager_;
    QString display_;
};

/// A window's frame (with the window manager's decorations) and client area, in screen coordinates.
struct TWindowGeometry {
    QRect frame;
    QRect client;
};

/// The program, started from its own folder: a copy of the executable in a temporary folder, so that its data
/// files ("gl.dat", "dates.dat") are written there, with its settings and user folders beside it.
class TProgram {
public:
    TProgram();
    ~TProgram();
    TProgram(const TProgram&) = delete;
    TProgram& operator=(const TProgram&) = delete;

    bool valid() const { return folder_.isValid() && !executable_.isEmpty(); }
    /// The program's folder (with the copy of the executable and its data files).
    QString folder() const { return folder_.path() + QStringLiteral("/program"); }
    QString file(const QString& name) const { return folder() + u'/' + name; }

    /// Writes the stored settings group [Setup] (the values as given, e.g. "99999999" or "abc").
    void write_settings(const QStringList& key_values) const;
    /// The stored value of `key` in [Setup], or an empty string.
    QString setting(const QString& key) const;

    /// Starts the program and waits until its main window is shown (after the start-up window); gives false
    /// when it does not appear within `timeout_ms`.
    bool start(int timeout_ms = 20000);
    /// Starts the program without waiting for a window.
    bool launch();
    /// Waits until the program has ended by itself.
    bool wait_ended(int timeout_ms) { return !running() || process_.waitForFinished(timeout_ms); }
    qint64 pid() const { return process_.processId(); }
    /// The arguments and the environment added to the next start (--hidden, a session bus, a faked clock).
    QStringList arguments;
    QProcessEnvironment environment;
    /// Ends the program through File > Exit and waits until it has ended (its files written).
    bool exit(int timeout_ms = 10000);
    bool running() const { return process_.state() != QProcess::NotRunning; }
    /// What the program printed (standard error and output), for failure messages.
    QString output();

    /// The main window's X id (valid after start()).
    QString main_window() const { return main_window_; }

private:
    QTemporaryDir folder_;
    QString executable_;
    QProcess process_;
    QString main_window_;
    QString log_;
};

// --- xdotool ---

/// The first visible window whose title matches the regular expression, waiting up to `timeout_ms`.
QString find_window(const QString& title_pattern, int timeout_ms = 10000);
/// True once no visible window matches (waits up to `timeout_ms`).
bool window_gone(const QString& title_pattern, int timeout_ms = 5000);
/// Frame and client area of a window once the window manager has placed it; an empty frame when the window
/// is gone.
TWindowGeometry window_geometry(const QString& window);
/// The same, read once.
TWindowGeometry raw_window_geometry(const QString& window);
/// Raises and focuses the window and waits until it is active.
bool activate(const QString& window);
/// Presses keys in the focused window, e.g. "ctrl+e", "Tab", "Return".
bool key(const QStringList& keys);
/// Key names as a list: keys({"Tab", "2", "0"}).
QStringList keys(std::initializer_list<const char*> names);
/// Types text in the focused window.
bool type(const QString& text);
/// Moves a window so that its frame's top-left corner lies at (x, y).
bool move_frame(const QString& window, int x, int y);
/// Clicks with the left button at a point of the screen.
bool click_at(int x, int y);

/// The text on the clipboard (the program puts the calendars there with Ctrl+Y).
QString clipboard_text();
/// The text on the clipboard once something is there (up to two seconds).
QString wait_for_clipboard();
/// The text of the focused field, selected (Ctrl+A) and copied (Ctrl+C).
QString copied_field_text();
/// Empties the clipboard.
void clear_clipboard();

/// Lets the event loop of the test run for `ms` (the program needs time to react to keys).
void settle(int ms = 150);

/// Takes a picture of the screen at each failed check (the first few of a test), named after the test.
class TScreenshotOnFailure : public ::testing::EmptyTestEventListener {
public:
    void OnTestStart(const ::testing::TestInfo& info) override;
    void OnTestPartResult(const ::testing::TestPartResult& result) override;

private:
    QString test_;
    int shots_ = 0;
};

/// Every test of the real program: skipped without the session's tools, failed when the session does not
/// come up; on failure, the program's output.
class TWindowTest : public ::testing::Test {
protected:
    TXSession* session = nullptr;
    TProgram program;

    void SetUp() override {
        QString why_not;
        session = TXSession::get(&why_not);
        // Without the tools the test cannot run here; with them, a session that does not come up is a fault.
        if (!session && !TXSession::missing_tools().isEmpty()) GTEST_SKIP() << why_not.toStdString();
        ASSERT_NE(session, nullptr) << why_not.toStdString();
        ASSERT_TRUE(program.valid()) << "the program cannot be copied from " ALMADEX_PROGRAM;
    }
    void TearDown() override {
        if (session && HasFailure())
            std::cerr << "program output:\n" << program.output().toStdString() << '\n';
        if (program.running()) program.exit(3000); // a dialog left open: ended by the destructor
    }
    /// Starts the program; a failure ends the test.
    void start_program() { ASSERT_TRUE(program.start()) << program.output().toStdString(); }
    /// The stored settings of a start with the converter window's frame at (left, top), the values as given,
    /// without the tip of the day.
    static QStringList settings_at(const QString& left, const QString& top) {
        return {QStringLiteral("Top=") + top, QStringLiteral("Left=") + left, QStringLiteral("Run=0"),
                QStringLiteral("TipOn=0")};
    }
    /// Starts the program with its converter window's frame at (left, top), without the tip of the day.
    void start_program_at(int left, int top) {
        program.write_settings(settings_at(QString::number(left), QString::number(top)));
        start_program();
    }
    /// Shows a window with a shortcut of the converter window; gives the window's X id (empty when it does
    /// not come).
    QString open_window(const QString& shortcut, const QString& title) {
        activate(program.main_window());
        key({shortcut});
        return find_window(title, 5000);
    }
};

} // namespace almadex::xvfb
