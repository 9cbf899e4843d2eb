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

} // namespace

TSingleInstance::TSingleInstance(const QString& data_folder, QObject* parent) : QObject(parent) {
    // The user and the folder, hashed into a short name that a socket path can hold.
    const QByteArray key = QByteArray::number(static_cast<qulonglong>(::getuid())) + '\0' +
                           QFileInfo(data_folder).absoluteFilePath().toUtf8();
    name_ = QStringLiteral("almadex-") +
            QString::fromLatin1(QCryptographicHash::hash(key, QCryptographicHash::Sha256).toHex().left(24));
    lock_ = std::make_unique<QLockFile>(QDir(QDir::tempPath()).filePath(name_ + QStringLiteral(".lock")));
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
