// What the program says when the desktop cannot open a file or an address for it (the user's guide, the home
// page, a link of the about window); the opening itself is the core's seam TSeams::open_url.
#pragma once

#include <QString>
#include <QUrl>

class QWidget;

namespace almadex {

/// The message: the file's path or the address, whole, so that the user can open it by hand. `what` names it
/// ("The user's guide").
QString cannot_open_text(const QUrl& url, const QString& what);
/// Shows that message over `parent`.
void tell_cannot_open(QWidget* parent, const QUrl& url, const QString& what);

} // namespace almadex
