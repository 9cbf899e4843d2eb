#include "app/auto_run.h"

#include "app/data_files.h"
#include "app/product.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace almadex {

#ifdef Q_OS_WIN

namespace {

const QString kRunKey =
    QStringLiteral("HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run");

/// The registry value: the program, quoted, and --hidden.
QString entry_value(const QString& program_path) {
    return QStringLiteral("\"%1\" --hidden")
        .arg(QDir::toNativeSeparators(QFileInfo(program_path).absoluteFilePath()));
}

} // namespace

QString auto_run_entry_location() {
    return kRunKey + QStringLiteral("\\") + product_name();
}

bool auto_run_entry_exists() {
    return QSettings(kRunKey, QSettings::NativeFormat).contains(product_name());
}

bool enable_auto_run(const QString& program_path, QString& error) {
    QSettings run(kRunKey, QSettings::NativeFormat);
    run.setValue(product_name(), entry_value(program_path));
    run.sync();
    if (run.status() != QSettings::NoError || !run.contains(product_name())) {
        error = QCoreApplication::translate("almadex::TAutoRun", "The registry value %1 cannot be written.")
                    .arg(auto_run_entry_location());
        return false;
    }
    return true;
}

bool refresh_auto_run(const QString& program_path, QString& error) {
    QSettings run(kRunKey, QSettings::NativeFormat);
    if (!run.contains(product_name()) || run.value(product_name()).toString() == entry_value(program_path))
        return true;
    return enable_auto_run(program_path, error);
}

bool disable_auto_run(QString& error) {
    QSettings run(kRunKey, QSettings::NativeFormat);
    run.remove(product_name());
    run.sync();
    if (run.status() != QSettings::NoError || run.contains(product_name())) {
        error = QCoreApplication::translate("almadex::TAutoRun", "The registry value %1 cannot be removed.")
                    .arg(auto_run_entry_location());
        return false;
    }
    return true;
}

#else

namespace {

/// A value of a desktop entry: backslashes, line breaks and tabs escaped.
QString desktop_value(QString text) {
    text.replace(u'\\', QStringLiteral("\\\\"));
    text.replace(u'\n', QStringLiteral("\\n"));
    text.replace(u'\t', QStringLiteral("\\t"));
    text.replace(u'\r', QStringLiteral("\\r"));
    return text;
}

/// The program path as the Exec key's one argument: quoted, with the characters reserved inside quotes
/// escaped, and "%" doubled (field codes).
QString exec_argument(const QString& path) {
    QString quoted;
    for (const QChar c : path) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\') quoted += u'\\';
        quoted += c;
    }
    quoted.replace(u'%', QStringLiteral("%%"));
    return desktop_value(QStringLiteral("\"%1\"").arg(quoted));
}

} // namespace

QString auto_run_entry_location() {
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return QDir(config).filePath(QStringLiteral("autostart/almadex.desktop"));
}

bool auto_run_entry_exists() {
    return QFileInfo(auto_run_entry_location()).isFile();
}

namespace {
/// The desktop entry that starts `program_path` in the tray.
QString entry_text(const QString& program_path) {
    const QString program = QFileInfo(program_path).absoluteFilePath();
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Name=%1\n"
                          "Comment=%2\n"
                          "Exec=%3 --hidden\n"
                          "Terminal=false\n"
                          "X-GNOME-Autostart-enabled=true\n")
        .arg(product_name(), QStringLiteral("Desktop almanac"), exec_argument(program));
}
} // namespace

bool enable_auto_run(const QString& program_path, QString& error) {
    return write_file_atomically(auto_run_entry_location(), entry_text(program_path).toUtf8(), error);
}

bool refresh_auto_run(const QString& program_path, QString& error) {
    QFile file(auto_run_entry_location());
    if (!file.exists()) return true;
    if (file.open(QIODevice::ReadOnly) && file.read(64 * 1024) == entry_text(program_path).toUtf8())
        return true;
    return enable_auto_run(program_path, error);
}

bool disable_auto_run(QString& error) {
    QFile file(auto_run_entry_location());
    if (!file.exists() || file.remove()) return true;
    error = file.errorString();
    return false;
}

#endif

} // namespace almadex
