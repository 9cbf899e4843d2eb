#include "app/messages.h"

#include <QApplication>
#include <QWidget>
#include <utility>
#include <vector>

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

namespace {

std::vector<TMessage>& held() {
    static std::vector<TMessage> messages;
    return messages;
}

} // namespace

void hold_until_started(const TMessage& message) {
    held().push_back(message);
}

void show_start_messages(QWidget* parent) {
    const std::vector<TMessage> messages = std::exchange(held(), {});
    for (const TMessage& m : messages) show_message(parent, m);
}

void show_error(QWidget* parent, const QString& text) {
    show_message(parent, {QApplication::applicationName(), text, QMessageBox::Critical, QMessageBox::Ok});
}

} // namespace almadex
