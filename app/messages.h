// Every message box of the program goes through here, so that one place shows them and tests can observe and
// answer them without a modal loop (the core's seam TSeams::message_box, routed here while the core lives).
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

/// Shows a message over `parent` and returns the button pressed.
using TMessageBox = std::function<QMessageBox::StandardButton(QWidget* parent, const TMessage& message)>;

/// The real modal message box.
QMessageBox::StandardButton message_box(QWidget* parent, const TMessage& message);

/// Shows a message through the box routed here (the real one when none is).
QMessageBox::StandardButton show_message(QWidget* parent, const TMessage& message);

/// Sends every message from now on to `*box` (null: the real box); returns the box routed before. The
/// application core routes its seam here for its lifetime, so that the guard and the data-file helpers, which
/// know no core, show theirs the same way.
const TMessageBox* route_message_boxes(const TMessageBox* box);

/// The default error box: the program's title as caption, an error icon and the message.
void show_error(QWidget* parent, const QString& text);

} // namespace almadex
