#include "app/messages.h"

#include <QApplication>
#include <QWidget>
#include <utility>

namespace almadex {
namespace {

const TMessageBox*& routed() {
    static const TMessageBox* box = nullptr;
    return box;
}

} // namespace

QMessageBox::StandardButton message_box(QWidget* parent, const TMessage& message) {
    QMessageBox box(message.icon, message.caption, message.text, message.buttons, parent);
    // The text can be selected and copied (Ctrl+C), to quote it.
    box.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

QMessageBox::StandardButton show_message(QWidget* parent, const TMessage& message) {
    const TMessageBox* box = routed();
    return box && *box ? (*box)(parent, message) : message_box(parent, message);
}

const TMessageBox* route_message_boxes(const TMessageBox* box) {
    return std::exchange(routed(), box);
}

void show_error(QWidget* parent, const QString& text) {
    show_message(parent, {QApplication::applicationName(), text, QMessageBox::Critical, QMessageBox::Ok});
}

} // namespace almadex
