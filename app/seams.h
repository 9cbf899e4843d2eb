// What tests replace, in one struct that the application core holds: the clock, the message boxes, the
// desktop's "open" verb, the dialogs that would wait for a user, the place data and the system's zone. Each
// member starts as the real thing (real_seams()); a test replaces the members it needs, before or while the
// program runs.
#pragma once

#include "app/messages.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <functional>

namespace almanac {
class TPlaceIndex;
}

class QDialog;
class QPrinter;
class QWidget;

namespace almadex {

struct TSeams {
    /// The current local date and time.
    std::function<QDateTime()> clock;
    /// Shows a message box over `parent` (null: over no window) and returns the button pressed.
    TMessageBox message_box;
    /// The desktop's "open" verb for a file or an address (the help, the home page, the about window's
    /// links); false when the desktop has no program to open it with.
    std::function<bool(const QUrl& url)> open_url;
    /// The converter's printer set-up dialog for `printer` ("Print Setup"); true when the user accepts.
    std::function<bool(QWidget* parent, QPrinter& printer)> printer_setup_dialog;
    /// The schedule's print dialog for `printer`; false when the user cancels.
    std::function<bool(QWidget* parent, QPrinter& printer)> print_dialog;
    /// The schedule's save dialog: the chosen file ("" when cancelled); `filter` receives the chosen file
    /// type.
    std::function<QString(QWidget* parent, const QString& proposed, const QStringList& filters,
                          QString& filter)>
        save_dialog;
    /// Runs a modal dialog (the prayer window's adjustments and zone chooser) and returns its result
    /// (QDialog::Accepted ...).
    std::function<int(QDialog& dialog)> run_dialog;
    /// The cities that places are searched among (loaded when first asked for; its error says why there are
    /// none).
    std::function<const almanac::TPlaceIndex&()> places;
    /// The zone the system's clock is set to (IANA name, "" when none is).
    std::function<QString()> system_zone;
};

/// The real clock, message boxes, desktop and dialogs.
TSeams real_seams();

} // namespace almadex
