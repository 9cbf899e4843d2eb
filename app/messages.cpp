#include "app/messages.h"

#include <QApplication>
#include <QWidget>

namespace almadex {
namespace {

TMessageHandler& handler() {
    static TMessageHandler h;
    return h;
}

} // namespace

QMessageBox::StandardButton show_message(QWidget* parent, const TMessage& message) {
    if (handler()) return handler()(message);
    QMessageBox box(message.icon, message.caption, message.text, message.buttons, parent);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

void set_message_handler(TMessageHandler h) {
    handler() = std::move(h);
}

void show_error(QWidget* parent, const QString& text) {
    show_message(parent, {QApplication::applicationName(), text, QMessageBox::Critical, QMessageBox::Ok});
}

} // namespace almadex
