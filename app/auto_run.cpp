#include "app/auto_run.h"

#include "app/data_files.h"
#include "app/product.h"

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

} // namespace

QString auto_run_entry_location() {
    return kRunKey + QStringLiteral("\\") + product_name();
}

bool auto_run_entry_exists() {
    return QSettings(kRunKey, QSettings::NativeFormat).contains(product_name());
}

bool enable_auto_run(const QString& program_path, QString& error) {
    QSettings run(kRunKey, QSettings::NativeFormat);
    run.setValue(product_name(), QStringLiteral("\"%1\"").arg(
                                     QDir::toNativeSeparators(QFileInfo(program_path).absoluteFilePath())));
    run.sync();
    if (run.status() != QSettings::NoError || !run.contains(product_name())) {
        error = QStringLiteral("The registry value %1 cannot be written.").arg(auto_run_entry_location());
        return false;
    }
    return true;
}

bool disable_auto_run(QString& error) {
    QSettings run(kRunKey, QSettings::NativeFormat);
    run.remove(product_name());
    run.sync();
    if (run.status() != QSettings::NoError || run.contains(product_name())) {
        error = QStringLiteral("The registry value %1 cannot be removed.").arg(auto_run_entry_location());
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

bool enable_auto_run(const QString& program_path, QString& error) {
    const QString program = QFileInfo(program_path).absoluteFilePath();
    const QString entry = QStringLiteral("[Desktop Entry]\n"
                                         "Type=Application\n"
                                         "Name=%1\n"
                                         "Comment=%2\n"
                                         "Exec=%3\n"
                                         "Terminal=false\n"
                                         "X-GNOME-Autostart-enabled=true\n")
                              .arg(product_name(), QStringLiteral("Desktop almanac"), exec_argument(program));
    return write_file_atomically(auto_run_entry_location(), entry.toUtf8(), error);
}

bool disable_auto_run(QString& error) {
    QFile file(auto_run_entry_location());
    if (!file.exists() || file.remove()) return true;
    error = file.errorString();
    return false;
}

#endif

} // namespace almadex
