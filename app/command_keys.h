// The shortcuts of a window's commands win over the field that has the focus. A text or number field claims
// the keys it edits with (Ctrl+E moves to the end of the line, Ctrl+U clears it, Ctrl+H deletes a character
// on desktops with Emacs-style keys), so that a command whose shortcut is such a key would never run while
// the focus is in a field, which is nearly always. The keys of the commands that belong to the fields
// themselves (cut, copy, paste) stay with the field.
#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

class QAction;
class QWidget;

namespace almadex {

class TCommandKeys : public QObject {
public:
    /// Watches the key presses of `window` (it becomes the filter's parent); the shortcuts of `for_fields`
    /// stay with the focused field.
    TCommandKeys(QWidget* window, QList<QAction*> for_fields);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> window_;
    QList<QAction*> for_fields_;
};

/// Lets the shortcuts of `window`'s commands run whatever field of it has the focus (see TCommandKeys).
void give_command_keys_priority(QWidget* window, QList<QAction*> for_fields = {});

/// A number field of `window` that has the focus shows the value it stands for (a blank or out-of-range
/// text becomes the number it reads as), so that a command never runs beside a field left blank.
void settle_focused_field(const QWidget* window);

} // namespace almadex
