// The desktop shell's "open" verb: hands a file or an address to the program the desktop chooses for it.
#pragma once

#include <QUrl>
#include <functional>

namespace almadex {

/// Opens url with the desktop's default handler; the result is not checked.
void shell_open(const QUrl& url);

/// Replaces the opener, e.g. in tests; an empty function restores QDesktopServices::openUrl. Returns the
/// previous opener.
using TShellOpener = std::function<void(const QUrl&)>;
TShellOpener set_shell_opener(TShellOpener opener);

} // namespace almadex
