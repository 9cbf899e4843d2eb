#include "app/single_instance.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QThread>
#include <unistd.h>

namespace almadex {
namespace {

constexpr char kRequest[] = "come forward\n";
/// The longest path of a local socket the system takes (sun_path less its end).
constexpr qsizetype kMaxSocketPath = 100;

/// The folder as the file system names it: links resolved, also for the part that does not exist yet.
QString canonical_folder(const QString& folder) {
    QString rest;
    QString existing = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    while (!QFileInfo::exists(existing) && existing != QDir::rootPath()) {
        rest = QFileInfo(existing).fileName() + (rest.isEmpty() ? QString() : u'/' + rest);
        existing = QFileInfo(existing).absolutePath();
    }
    const QString canonical = QFileInfo(existing).canonicalFilePath();
    return QDir::cleanPath((canonical.isEmpty() ? existing : canonical) +
                           (rest.isEmpty() ? QString() : u'/' + rest));
}

/// A folder only this user can enter: the session's runtime folder when it is one.
bool private_folder(const QString& folder) {
    const QFileInfo info(folder);
    return !folder.isEmpty() && info.isDir() && info.ownerId() == ::getuid() &&
           !(info.permissions() & (QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup |
                                   QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther));
}

} // namespace

QString TSingleInstance::lock_folder(const QString& data_folder) {
    // Never the shared temporary folder, where another user could take the names first: the user's
    // runtime folder, else the data folder itself.
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return private_folder(runtime) ? canonical_folder(runtime) : canonical_folder(data_folder);
}

TSingleInstance::TSingleInstance(const QString& data_folder, QObject* parent) : QObject(parent) {
    // The user and the folder as the file system names it, hashed into a short name.
    const QByteArray key = QByteArray::number(static_cast<qulonglong>(::getuid())) + '\0' +
                           canonical_folder(data_folder).toUtf8();
    const QString hash =
        QString::fromLatin1(QCryptographicHash::hash(key, QCryptographicHash::Sha256).toHex().left(24));
    const QString folder = lock_folder(data_folder);
    QDir().mkpath(folder);
    const QString base = QDir(folder).filePath(QStringLiteral("almadex-") + hash);
    // The socket's full path, unless it is too long for one.
    name_ = base.size() + 7 <= kMaxSocketPath ? base + QStringLiteral(".socket")
                                              : QStringLiteral("almadex-") + hash;
    lock_ = std::make_unique<QLockFile>(base + QStringLiteral(".lock"));
    // Held for the whole run: never stale by age; the lock of a program that died is taken over.
    lock_->setStaleLockTime(0);
    first_ = lock_->tryLock(0);
    if (!first_) return;

    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    QLocalServer::removeServer(name_); // the socket of a program that died; the lock says none is running
    server_->listen(name_);
    connect(server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                if (!socket->canReadLine()) return;
                if (socket->readLine() == kRequest) {
                    socket->write("ok\n");
                    socket->flush();
                    emit come_forward();
                }
            });
        }
    });
}

TSingleInstance::~TSingleInstance() = default;

bool TSingleInstance::ask_first_to_come_forward(int timeout_ms) const {
    // The first program may still be starting: the request is repeated until it is taken or time runs out.
    const QDeadlineTimer deadline(timeout_ms);
    while (!deadline.hasExpired()) {
        QLocalSocket socket;
        socket.connectToServer(name_);
        if (socket.waitForConnected(500)) {
            socket.write(kRequest);
            // Taken when written: the first program answers once its windows are made.
            if (socket.waitForBytesWritten(1000)) {
                socket.waitForReadyRead(static_cast<int>(std::min<qint64>(deadline.remainingTime(), 3000)));
                return true;
            }
        }
        QThread::msleep(100);
    }
    return false;
}

} // namespace almadex
