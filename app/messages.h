// Every message box of the program goes through here, so that one place shows them and tests can observe and
// answer them without a modal loop.
#pragma once

#include <QMessageBox>
#include <QString>
#include <functional>

class QWidget;

namespace almadex {

struct TMessage {
    QString caption;
    QString text;
    QMessageBox::Icon icon = QMessageBox::Information;
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
};

/// Shows a modal message box (or hands it to the installed handler) and returns the button pressed.
QMessageBox::StandardButton show_message(QWidget* parent, const TMessage& message);

/// Replaces the real boxes, e.g. in tests; an empty handler restores them.
using TMessageHandler = std::function<QMessageBox::StandardButton(const TMessage&)>;
void set_message_handler(TMessageHandler handler);

/// The default error box: the program's title as caption, an error icon and the message.
void show_error(QWidget* parent, const QString& text);

/// Holds a message of the program's start (a window's first computation failed while it was created) until
/// the program is up: show_start_messages then shows it over the main window, after the start-up window.
void hold_until_started(const TMessage& message);
/// Shows the held messages, in the order they came, and forgets them.
void show_start_messages(QWidget* parent);

} // namespace almadex
