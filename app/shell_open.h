// The desktop shell's "open" verb: hands a file or an address to the program the desktop chooses for it.
#pragma once

#include <QString>
#include <QUrl>
#include <functional>

class QWidget;

namespace almadex {

/// Opens url with the desktop's default handler. False when the desktop has none to start (on Linux: no
/// xdg-open nor a desktop's own opener).
bool shell_open(const QUrl& url);

/// Opens url; when it cannot be opened, says so in a message that names the file or the address, so that
/// the user can open it by hand. `what` names it in the message ("The user's guide").
void shell_open_or_tell(QWidget* parent, const QUrl& url, const QString& what);

/// The message of shell_open_or_tell: the file's path or the address, whole.
QString cannot_open_text(const QUrl& url, const QString& what);
/// Shows that message (for an opener that failed elsewhere, such as a link label's).
void tell_cannot_open(QWidget* parent, const QUrl& url, const QString& what);

/// Replaces the opener, e.g. in tests; an empty function restores QDesktopServices::openUrl. Returns the
/// previous opener.
using TShellOpener = std::function<bool(const QUrl&)>;
TShellOpener set_shell_opener(TShellOpener opener);

} // namespace almadex
