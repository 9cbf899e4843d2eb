// Starting the program when the user logs on: a per-user entry that an ordinary user may write. On Windows
// the value "Almadex" under HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Run; elsewhere the
// XDG autostart file almadex.desktop in the autostart folder of the user's configuration folder
// ($XDG_CONFIG_HOME/autostart, by default ~/.config/autostart).
#pragma once

#include <QString>

namespace almadex {

/// Where the entry is: the desktop file's path, or the registry value's key and name.
QString auto_run_entry_location();

/// True when the entry exists.
bool auto_run_entry_exists();

/// Writes the entry so that the desktop starts `program_path` (an absolute path) at logon, with the argument
/// --hidden (the program starts in the tray). On failure returns false with the reason in `error`.
bool enable_auto_run(const QString& program_path, QString& error);

/// Writes an existing entry again when it differs from the one enable_auto_run writes (an entry of an older
/// version, without --hidden, or of a program that moved); nothing to do without an entry. False with the
/// reason in `error` when it cannot be written.
bool refresh_auto_run(const QString& program_path, QString& error);

/// Removes the entry (nothing to do when there is none). On failure returns false with the reason in `error`.
bool disable_auto_run(QString& error);

} // namespace almadex
