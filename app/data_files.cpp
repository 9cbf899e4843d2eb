#include "app/data_files.h"

#include "almanac/data_files.h"
#include "app/messages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <cstdio>
#include <filesystem>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace almadex {

bool folder_is_writable(const QString& folder) {
    return almanac::folder_is_writable(QFile::encodeName(folder).toStdString());
}

TDataFileLocation locate_data_file(const QString& program_folder, const QString& name) {
    return locate_data_file(program_folder, name, folder_is_writable(program_folder));
}

TDataFileLocation locate_data_file(const QString& program_folder, const QString& name,
                                   bool program_folder_writable) {
    const almanac::TDataFilePaths paths = almanac::locate_data_file(
        QFile::encodeName(program_folder).toStdString(), QFile::encodeName(name).toStdString(),
        program_folder_writable,
        QFile::encodeName(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).toStdString());
    const auto path = [](const std::string& p) {
        return QDir::cleanPath(QFile::decodeName(QByteArray::fromStdString(p)));
    };
    return {path(paths.read_path), path(paths.write_path)};
}

namespace {

/// The process's umask, read without changing it where the system tells it (/proc/self/status).
mode_t current_umask() {
    if (std::FILE* status = std::fopen("/proc/self/status", "re")) {
        char line[256];
        unsigned int mask = 0;
        bool found = false;
        while (!found && std::fgets(line, sizeof line, status))
            found = std::sscanf(line, "Umask: %o", &mask) == 1;
        std::fclose(status);
        if (found) return static_cast<mode_t>(mask);
    }
    const mode_t mask = ::umask(022);
    ::umask(mask);
    return mask;
}

/// The file that writing `path` must replace: `path` itself, or for a symbolic link the file it points to
/// (through every link of a chain, also when that file does not exist yet).
QString file_behind(const QString& path) {
    QString target = path;
    for (int hop = 0; hop < 40; ++hop) {
        const QFileInfo info(target);
        if (!info.isSymLink()) break;
        target = info.symLinkTarget();
    }
    return target;
}

} // namespace

bool write_file_atomically(const QString& path, const QByteArray& content, QString& error,
                           const std::function<void()>& before_rename) {
    const QFileInfo info(file_behind(path));
    if (!QDir().mkpath(info.absolutePath())) {
        error = QCoreApplication::translate("almadex::TDataFiles", "cannot create the folder %1")
                    .arg(info.absolutePath());
        return false;
    }
    QTemporaryFile temp(info.absoluteFilePath() + QStringLiteral(".XXXXXX"));
    if (!temp.open()) {
        error = temp.errorString();
        return false;
    }
    // The permissions of the file replaced, or for a new file those of the umask (not the temporary 0600).
    struct stat old {};
    const mode_t mode = ::stat(QFile::encodeName(info.absoluteFilePath()).constData(), &old) == 0
                            ? (old.st_mode & 07777)
                            : (0666 & ~current_umask());
    if (::fchmod(temp.handle(), mode) != 0) {
        error = QCoreApplication::translate("almadex::TDataFiles", "cannot set the permissions of the file");
        return false;
    }
    if (temp.write(content) != content.size() || !temp.flush()) {
        error = temp.errorString();
        return false;
    }
    // The bytes must be on disk before the rename makes them the file.
    if (!temp.QFile::handle() || ::fsync(temp.handle()) != 0) {
        error = QCoreApplication::translate("almadex::TDataFiles", "cannot flush the file to disk");
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

bool read_data_file_at_start(QWidget* parent, const QString& path, std::string& text) {
    const almanac::TFileRead file = almanac::read_data_file(QFile::encodeName(path).toStdString());
    if (file.state == almanac::TFileRead::TState::unreadable) {
        report_unreadable_file(parent, path, QString::fromStdString(file.reason));
        text.clear();
        return false;
    }
    text = almanac::ini_text_as_utf8(file.bytes);
    return true;
}

void report_unreadable_file(QWidget* parent, const QString& path, const QString& reason) {
    show_message(parent, {QStringLiteral("Almadex"),
                          QCoreApplication::translate("almadex::TDataFiles",
                                                      "%1 could not be read (%2); it will be left as it is.")
                              .arg(QDir::toNativeSeparators(path), reason),
                          QMessageBox::Warning, QMessageBox::Ok});
}

void report_damaged_file(QWidget* parent, const QString& path, const QString& damage) {
    show_message(parent, {QStringLiteral("Almadex"),
                          QCoreApplication::translate("almadex::TDataFiles",
                                                      "%1 is damaged: %2. What could be read of it was read.")
                              .arg(QDir::toNativeSeparators(path), damage),
                          QMessageBox::Warning, QMessageBox::Ok});
}

void report_save_failure(QWidget* parent, const QString& path, const QString& error) {
    static QSet<QString> reported;
    if (reported.contains(path)) return;
    reported.insert(path);
    show_message(parent, {QStringLiteral("Almadex"),
                          QCoreApplication::translate("almadex::TDataFiles", "Could not save %1:\n%2")
                              .arg(QDir::toNativeSeparators(path), error),
                          QMessageBox::Warning, QMessageBox::Ok});
}

} // namespace almadex
