#include "app/notifier.h"

#include "app/product.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QStringList>
#include <QVariantMap>

namespace almadex {
namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kInterface = QStringLiteral("org.freedesktop.Notifications");
const QString kStop = QStringLiteral("stop");
constexpr int kAnswerMs = 2000;

} // namespace

TNotifier::TNotifier(QObject* parent) : QObject(parent) {}

void TNotifier::notify(const QString& summary, const QString& body, bool stop_action,
                       std::function<void()> fallback) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        fallback();
        return;
    }
    if (!listening_)
        listening_ = bus.connect(kService, kPath, kInterface, QStringLiteral("ActionInvoked"), this,
                                 SLOT(action_invoked(uint, QString)));
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kInterface, QStringLiteral("Notify"));
    QStringList actions;
    if (stop_action) actions << kStop << tr("Stop");
    QVariantMap hints;
    hints.insert(QStringLiteral("desktop-entry"), QStringLiteral("org.almadex.Almadex"));
    hints.insert(QStringLiteral("urgency"), QVariant::fromValue(static_cast<uchar>(1)));
    call << product_name() << last_id_ << QStringLiteral("org.almadex.Almadex") << summary << body << actions
         << hints << -1;
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call, kAnswerMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, watcher, fallback = std::move(fallback)] {
                const QDBusPendingReply<uint> reply = *watcher;
                if (reply.isError())
                    fallback();
                else
                    last_id_ = reply.value();
                watcher->deleteLater();
            });
}

void TNotifier::action_invoked(uint id, const QString& action) {
    if (id == last_id_ && action == kStop) emit stop_requested();
}

} // namespace almadex
