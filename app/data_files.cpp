#include "app/data_files.h"

#include "app/messages.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <filesystem>
#include <system_error>
#include <unistd.h>

namespace almadex {

bool folder_is_writable(const QString& folder) {
    if (!QFileInfo(folder).isDir()) return false;
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".almadex-probe-XXXXXX")));
    return probe.open();
}

TDataFileLocation locate_data_file(const QString& program_folder, const QString& name) {
    return locate_data_file(program_folder, name, folder_is_writable(program_folder));
}

TDataFileLocation locate_data_file(const QString& program_folder, const QString& name,
                                   bool program_folder_writable) {
    const QString beside = QDir(program_folder).filePath(name);
    if (program_folder_writable) return {beside, beside};
    const QString user =
        QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).filePath(name);
    if (QFileInfo::exists(user) || !QFileInfo::exists(beside)) return {user, user};
    return {beside, user};
}

bool write_file_atomically(const QString& path, const QByteArray& content, QString& error,
                           const std::function<void()>& before_rename) {
    const QFileInfo info(path);
    if (!QDir().mkpath(info.absolutePath())) {
        error = QStringLiteral("cannot create the folder %1").arg(info.absolutePath());
        return false;
    }
    QTemporaryFile temp(info.absoluteFilePath() + QStringLiteral(".XXXXXX"));
    if (!temp.open()) {
        error = temp.errorString();
        return false;
    }
    if (temp.write(content) != content.size() || !temp.flush()) {
        error = temp.errorString();
        return false;
    }
    // The bytes must be on disk before the rename makes them the file.
    if (!temp.QFile::handle() || ::fsync(temp.handle()) != 0) {
        error = QStringLiteral("cannot flush the file to disk");
        return false;
    }
    temp.close();
    if (before_rename) before_rename();
    std::error_code ec;
    std::filesystem::rename(temp.fileName().toStdString(), info.absoluteFilePath().toStdString(), ec);
    if (ec) {
        error = QString::fromStdString(ec.message());
        return false;
    }
    temp.setAutoRemove(false); // it is the file now
    return true;
}

void report_save_failure(QWidget* parent, const QString& path, const QString& error) {
    static QSet<QString> reported;
    if (reported.contains(path)) return;
    reported.insert(path);
    show_message(parent, {QStringLiteral("Almadex"),
                          QStringLiteral("Could not save %1:\n%2").arg(QDir::toNativeSeparators(path), error),
                          QMessageBox::Warning, QMessageBox::Ok});
}

} // namespace almadex
