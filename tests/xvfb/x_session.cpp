#include "tests/xvfb/x_session.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPixmap>
#include <QRegularExpression>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QThread>

namespace almadex::xvfb {
namespace {

/// The environment of every tool and of the program: this process's, on the session's display.
QProcessEnvironment session_environment() {
    return QProcessEnvironment::systemEnvironment();
}

/// Waits up to `timeout_ms` for `done`, letting this process's events run in between.
template <class F>
bool wait_for(F done, int timeout_ms, int step_ms = 50) {
    QElapsedTimer clock;
    clock.start();
    while (true) {
        if (done()) return true;
        if (clock.elapsed() > timeout_ms) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, step_ms);
        QThread::msleep(static_cast<unsigned long>(step_ms));
    }
}

/// The key=value lines of `xdotool ... --shell` and `xwininfo` style output.
int number_after(const QString& text, const QString& label) {
    const QRegularExpression re(QRegularExpression::escape(label) + QStringLiteral("\\s*(-?\\d+)"));
    const QRegularExpressionMatch m = re.match(text);
    return m.hasMatch() ? m.captured(1).toInt() : 0;
}

} // namespace

std::optional<QString> run_tool(const QString& program, const QStringList& arguments, int timeout_ms) {
    QProcess process;
    process.setProcessEnvironment(session_environment());
    process.start(program, arguments);
    if (!process.waitForStarted(5000)) return std::nullopt;
    if (!process.waitForFinished(timeout_ms)) {
        process.kill();
        process.waitForFinished(1000);
        return std::nullopt;
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) return std::nullopt;
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

// --- the session ---

TXSession* TXSession::get(QString* why_not) {
    static std::unique_ptr<TXSession> session;
    static QString failure;
    static bool tried = false;
    if (!tried) {
        tried = true;
        // Another server may take the display this one was about to take: a second try picks another.
        for (int attempt = 0; attempt < 3 && !session; ++attempt) {
            std::unique_ptr<TXSession> s(new TXSession);
            if (s->start(failure))
                session = std::move(s);
            else if (!missing_tools().isEmpty())
                break;
        }
    }
    if (why_not) *why_not = failure;
    return session.get();
}

QStringList TXSession::missing_tools() {
    QStringList missing;
    for (const char* tool : {"Xvfb", "openbox", "xdotool", "xwininfo", "xprop"})
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
            missing << QString::fromLatin1(tool);
    return missing;
}

bool TXSession::start(QString& why_not) {
    if (const QStringList missing = missing_tools(); !missing.isEmpty()) {
        why_not = missing.join(QStringLiteral(", ")) +
                  QStringLiteral(" not installed (tools/setup.sh installs them)");
        return false;
    }
    // -displayfd: the server picks a free display and writes its number when it accepts connections.
    server_.start(QStringLiteral("Xvfb"),
                  {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                   QStringLiteral("0"), QStringLiteral("%1x%2x24").arg(kScreenWidth).arg(kScreenHeight),
                   QStringLiteral("-nolisten"), QStringLiteral("tcp")});
    if (!server_.waitForStarted(5000)) {
        why_not = QStringLiteral("Xvfb does not start");
        return false;
    }
    QByteArray number;
    QDeadlineTimer deadline(30000); // long on a busy machine
    while (!number.contains('\n') && !deadline.hasExpired() && server_.state() == QProcess::Running) {
        server_.waitForReadyRead(200);
        number += server_.readAllStandardOutput();
    }
    if (!number.contains('\n')) {
        why_not = QStringLiteral("Xvfb gives no display: ") +
                  QString::fromLocal8Bit(server_.readAllStandardError());
        return false;
    }
    display_ = QStringLiteral(":") + QString::fromLatin1(number.trimmed());
    qputenv("DISPLAY", display_.toLocal8Bit());
    qunsetenv("WAYLAND_DISPLAY");

    window_manager_.setProcessEnvironment(session_environment());
    window_manager_.start(QStringLiteral("openbox"), {QStringLiteral("--sm-disable")});
    if (!window_manager_.waitForStarted(5000)) {
        why_not = QStringLiteral("openbox does not start");
        return false;
    }
    // The window manager is ready once it announces itself on the root window.
    const bool ready = wait_for(
        [] {
            const auto out = run_tool(QStringLiteral("xprop"),
                                      {QStringLiteral("-root"), QStringLiteral("_NET_SUPPORTING_WM_CHECK")});
            return out && out->contains(QStringLiteral("window id"));
        },
        30000, 100);
    if (!ready) why_not = QStringLiteral("openbox does not come up");
    return ready;
}

TXSession::~TXSession() {
    for (QProcess* p : {&window_manager_, &server_}) {
        if (p->state() == QProcess::NotRunning) continue;
        p->terminate();
        if (!p->waitForFinished(3000)) {
            p->kill();
            p->waitForFinished(1000);
        }
    }
}

QString TXSession::screenshot(const QString& name) const {
    const QString folder = qEnvironmentVariable("ALMADEX_XVFB_SHOTS", QDir::currentPath());
    QDir().mkpath(folder);
    const QString path = QDir(folder).filePath(name + QStringLiteral(".png"));
    if (QScreen* screen = QGuiApplication::primaryScreen()) screen->grabWindow(0).save(path);
    return path;
}

void TScreenshotOnFailure::OnTestStart(const ::testing::TestInfo& info) {
    test_ = QStringLiteral("%1.%2").arg(QLatin1String(info.test_suite_name()), QLatin1String(info.name()));
    shots_ = 0;
}

void TScreenshotOnFailure::OnTestPartResult(const ::testing::TestPartResult& result) {
    const TXSession* session = TXSession::get();
    if (!result.failed() || !session || shots_ >= 3) return;
    const QString name = QStringLiteral("%1-%2").arg(test_).arg(++shots_);
    std::cerr << "screen at this failure: " << session->screenshot(name).toStdString() << '\n';
}

// --- the program ---

TProgram::TProgram() {
    if (!folder_.isValid()) return;
    QDir(folder_.path()).mkpath(QStringLiteral("program"));
    const QString copy = file(QStringLiteral("almadex"));
    // ALMADEX_XVFB_PROGRAM runs the tests against another build of the program (an older one, to see a test
    // fail before its fix).
    const QString original = qEnvironmentVariable("ALMADEX_XVFB_PROGRAM", QStringLiteral(ALMADEX_PROGRAM));
    if (QFile::copy(original, copy)) executable_ = copy;
    // The user's guide lies beside the program, as it is built and installed.
    const QDir help(QFileInfo(original).dir().filePath(QStringLiteral("help")));
    if (help.exists()) {
        QDir(folder()).mkpath(QStringLiteral("help"));
        for (const QString& name : help.entryList(QDir::Files))
            QFile::copy(help.filePath(name), QDir(folder()).filePath(QStringLiteral("help/") + name));
    }
    for (const char* sub : {"config", "data", "home"}) QDir(folder_.path()).mkpath(QLatin1String(sub));
}

TProgram::~TProgram() {
    if (running()) {
        process_.kill();
        process_.waitForFinished(3000);
    }
}

void TProgram::write_settings(const QStringList& key_values) const {
    QDir(folder_.path()).mkpath(QStringLiteral("config/Kelvane"));
    QFile f(folder_.path() + QStringLiteral("/config/Kelvane/Stellox.conf"));
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return;
    f.write("[Setup]\n");
    for (const QString& kv : key_values) f.write(kv.toUtf8() + '\n');
}

QString TProgram::setting(const QString& key) const {
    QSettings s(folder_.path() + QStringLiteral("/config/Kelvane/Stellox.conf"), QSettings::IniFormat);
    return s.value(QStringLiteral("Setup/") + key).toString();
}

bool TProgram::start(int timeout_ms) {
    if (!launch()) return false;
    // The start-up window shows the main window, captioned "Almadex " from then on.
    main_window_ = find_window(QStringLiteral("^Almadex $"), timeout_ms);
    return !main_window_.isEmpty();
}

bool TProgram::launch() {
    if (!valid() || running()) return false;
    QProcessEnvironment env = session_environment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), folder_.path() + QStringLiteral("/config"));
    env.insert(QStringLiteral("XDG_DATA_HOME"), folder_.path() + QStringLiteral("/data"));
    env.insert(QStringLiteral("HOME"), folder_.path() + QStringLiteral("/home"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    env.remove(QStringLiteral("QT_SCALE_FACTOR"));
    for (const QString& name : environment.keys()) env.insert(name, environment.value(name));
    process_.setProcessEnvironment(env);
    process_.setProcessChannelMode(QProcess::MergedChannels);
    process_.setWorkingDirectory(folder());
    process_.start(executable_, arguments);
    return process_.waitForStarted(5000);
}

bool TProgram::exit(int timeout_ms) {
    if (!running()) return true;
    if (!activate(main_window_)) {
        log_ += QStringLiteral("[the main window cannot be activated]\n");
        return false;
    }
    key({QStringLiteral("ctrl+alt+x")});
    // The state may already have been updated while the keys were sent.
    if (!running() || process_.waitForFinished(timeout_ms)) return true;
    log_ += QStringLiteral("[the program does not end: %1]\n").arg(process_.errorString());
    return false; // left running for the failure's screenshot; the destructor ends it
}

QString TProgram::output() {
    log_ += QString::fromLocal8Bit(process_.readAll());
    return log_;
}

// --- xdotool ---

namespace {

/// The first visible window whose title matches, read once; empty when there is none (or xdotool fails).
QString first_visible_window(const QString& title_pattern) {
    const auto out =
        run_tool(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                             QStringLiteral("--name"), title_pattern});
    return out ? out->trimmed().section(u'\n', 0, 0) : QString();
}

} // namespace

QString find_window(const QString& title_pattern, int timeout_ms) {
    QString found;
    wait_for([&] { return !(found = first_visible_window(title_pattern)).isEmpty(); }, timeout_ms, 100);
    return found;
}

bool window_gone(const QString& title_pattern, int timeout_ms) {
    return wait_for([&] { return first_visible_window(title_pattern).isEmpty(); }, timeout_ms, 100);
}

TWindowGeometry window_geometry(const QString& window) {
    // A window just shown may not be framed and placed yet: read until two readings a moment apart agree
    // and the frame is known (up to two seconds).
    TWindowGeometry last = raw_window_geometry(window);
    for (int i = 0; i < 20; ++i) {
        settle(100);
        const TWindowGeometry now = raw_window_geometry(window);
        if (now.frame == last.frame && now.client == last.client && now.frame != now.client) return now;
        last = now;
    }
    return last;
}

TWindowGeometry raw_window_geometry(const QString& window) {
    TWindowGeometry g;
    const auto info = run_tool(QStringLiteral("xwininfo"), {QStringLiteral("-id"), window});
    if (!info) return g;
    g.client =
        QRect(number_after(*info, QStringLiteral("Absolute upper-left X:")),
              number_after(*info, QStringLiteral("Absolute upper-left Y:")),
              number_after(*info, QStringLiteral("Width:")), number_after(*info, QStringLiteral("Height:")));
    // The decorations around the client area: left, right, top, bottom.
    int left = 0, right = 0, top = 0, bottom = 0;
    if (const auto extents = run_tool(
            QStringLiteral("xprop"), {QStringLiteral("-id"), window, QStringLiteral("_NET_FRAME_EXTENTS")})) {
        const QRegularExpressionMatch m =
            QRegularExpression(QStringLiteral("=\\s*(\\d+),\\s*(\\d+),\\s*(\\d+),\\s*(\\d+)"))
                .match(*extents);
        if (m.hasMatch()) {
            left = m.captured(1).toInt();
            right = m.captured(2).toInt();
            top = m.captured(3).toInt();
            bottom = m.captured(4).toInt();
        }
    }
    g.frame = g.client.adjusted(-left, -top, right, bottom);
    return g;
}

bool activate(const QString& window) {
    return run_tool(QStringLiteral("xdotool"),
                    {QStringLiteral("windowactivate"), QStringLiteral("--sync"), window})
        .has_value();
}

bool key(const QStringList& keys) {
    QStringList args{QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("40")};
    args += keys;
    const bool ok = run_tool(QStringLiteral("xdotool"), args).has_value();
    settle();
    return ok;
}

QStringList keys(std::initializer_list<const char*> names) {
    QStringList out;
    for (const char* name : names) out << QString::fromLatin1(name);
    return out;
}

bool type(const QString& text) {
    const bool ok = run_tool(QStringLiteral("xdotool"),
                             {QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("40"), text})
                        .has_value();
    settle();
    return ok;
}

bool move_frame(const QString& window, int x, int y) {
    // The window manager takes the point as the frame's corner or as the client's, as the window's gravity
    // says: a second move corrects by what the first one missed.
    QPoint asked(x, y);
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (!run_tool(QStringLiteral("xdotool"), {QStringLiteral("windowmove"), window,
                                                  QString::number(asked.x()), QString::number(asked.y())}))
            return false;
        const QPoint before = raw_window_geometry(window).frame.topLeft();
        wait_for([&] { return raw_window_geometry(window).frame.topLeft() != before; }, 1000, 100);
        const QPoint at = window_geometry(window).frame.topLeft();
        if (at == QPoint(x, y)) return true;
        asked += QPoint(x, y) - at;
    }
    return false;
}

bool click_at(int x, int y) {
    const bool ok = run_tool(QStringLiteral("xdotool"),
                             {QStringLiteral("mousemove"), QString::number(x), QString::number(y),
                              QStringLiteral("click"), QStringLiteral("1")})
                        .has_value();
    settle();
    return ok;
}

QString clipboard_text() {
    QCoreApplication::processEvents();
    return QGuiApplication::clipboard()->text();
}

QString wait_for_clipboard() {
    QString text;
    for (int i = 0; i < 40 && text.isEmpty(); ++i) {
        settle(50);
        text = clipboard_text();
    }
    return text;
}

QString copied_field_text() {
    clear_clipboard();
    key({QStringLiteral("ctrl+a"), QStringLiteral("ctrl+c")});
    return wait_for_clipboard();
}

void clear_clipboard() {
    QGuiApplication::clipboard()->clear();
    QCoreApplication::processEvents();
}

void settle(int ms) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(10);
    }
}

} // namespace almadex::xvfb
