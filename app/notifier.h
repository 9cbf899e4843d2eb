// Desktop notifications through the freedesktop service org.freedesktop.Notifications over D-Bus (the
// session bus), with a "Stop" action; the caller falls back to the tray's own message when no server answers.
#pragma once

#include <QObject>
#include <QString>
#include <functional>

namespace almadex {

class TNotifier : public QObject {
    Q_OBJECT

public:
    explicit TNotifier(QObject* parent = nullptr);

    /// Shows a notification of the program (its name and icon) with `summary` and `body`, and a "Stop" action
    /// when `stop_action`. Asks asynchronously: `fallback` runs when no notification server answers (no
    /// session bus, no server, an error or no answer within two seconds).
    void notify(const QString& summary, const QString& body, bool stop_action,
                std::function<void()> fallback);

signals:
    /// The user pressed the notification's "Stop".
    void stop_requested();

private slots:
    void action_invoked(uint id, const QString& action);

private:
    uint last_id_ = 0;
    bool listening_ = false;
};

} // namespace almadex
