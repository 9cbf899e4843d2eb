#include "app/command_keys.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QWidget>
#include <utility>

namespace almadex {

TCommandKeys::TCommandKeys(QWidget* window, QList<QAction*> for_fields)
    : QObject(window), window_(window), for_fields_(std::move(for_fields)) {}

bool TCommandKeys::eventFilter(QObject* watched, QEvent* event) {
    // Before a key press reaches the focused widget as such, Qt asks it whether it claims the key
    // (ShortcutOverride). Unanswered, the key goes to the shortcuts; the field gets it only when none has it.
    if (event->type() != QEvent::ShortcutOverride || !window_) return false;
    const auto* widget = qobject_cast<const QWidget*>(watched);
    if (!widget || widget->window() != window_) return false;
    const QKeySequence pressed(static_cast<const QKeyEvent*>(event)->keyCombination());
    for (const QAction* action : window_->findChildren<QAction*>()) {
        if (!action->isEnabled() || for_fields_.contains(action)) continue;
        if (action->shortcuts().contains(pressed)) {
            event->ignore();
            return true;
        }
    }
    return false;
}

void give_command_keys_priority(QWidget* window, QList<QAction*> for_fields) {
    qApp->installEventFilter(new TCommandKeys(window, std::move(for_fields)));
}

void settle_focused_field(const QWidget* window) {
    for (QWidget* w = QApplication::focusWidget(); w && w->window() == window; w = w->parentWidget()) {
        if (auto* field = qobject_cast<QAbstractSpinBox*>(w)) {
            field->interpretText();
            return;
        }
    }
}

} // namespace almadex
