// Where the program keeps its small data files ("gl.dat", "dates.dat"), and how it writes them.
// Beside the program when that folder is writable (a portable copy); otherwise in the user's data folder
// (QStandardPaths::AppDataLocation), reading an existing file beside the program until the first save there.
#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <string>

class QWidget;

namespace almadex {

struct TDataFileLocation {
    QString read_path;  ///< the file to read at start
    QString write_path; ///< the file to write
};

/// The location of data file `name` for a program in `program_folder` (with its trailing separator).
TDataFileLocation locate_data_file(const QString& program_folder, const QString& name);
/// The same, with the writability of the program's folder already known.
TDataFileLocation locate_data_file(const QString& program_folder, const QString& name,
                                   bool program_folder_writable);

/// True when a file can be created in `folder`.
bool folder_is_writable(const QString& folder);

/// Writes `content` to `path` atomically: a temporary file in the same folder, flushed to disk, then renamed
/// over the old file, so that an interruption leaves the old or the new file, never a truncated one.
/// A path that is a symbolic link is written through to the file it points to (the link stays). The file
/// keeps the permissions it had; a new file gets those the user's umask allows (0666 less the umask).
/// Creates the folder if needed. On failure returns false with a reason in `error`; the old file is
/// untouched. `before_rename`, for tests, runs between the temporary file and the rename.
bool write_file_atomically(const QString& path, const QByteArray& content, QString& error,
                           const std::function<void()>& before_rename = {});

/// Reads a data file for a window at start (see almanac::read_data_file): its text as UTF-8 (empty when there
/// is no file) and true. A file that exists but cannot be read is said at once, naming the file and the
/// reason ("... could not be read (Permission denied); it will be left as it is"), and gives false: the
/// window keeps its defaults and must not save that file in this run.
bool read_data_file_at_start(QWidget* parent, const QString& path, std::string& text);

/// Tells the user that a data file cannot be read, and why: it will be left as it is.
void report_unreadable_file(QWidget* parent, const QString& path, const QString& reason);

/// Tells the user that a data file is damaged and what was read of it.
void report_damaged_file(QWidget* parent, const QString& path, const QString& damage);

/// Tells the user, once per file and run, that a data file could not be saved.
void report_save_failure(QWidget* parent, const QString& path, const QString& error);

} // namespace almadex
