#include "shell/SingleInstance.hpp"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>

namespace pellox::app {

SingleInstance::SingleInstance(const QString& settingsPath, QObject* parent)
    : QObject(parent), lockPath_(settingsPath + QStringLiteral(".lock")) {
    const QByteArray where = QFileInfo(settingsPath).absoluteFilePath().toUtf8();
    serverName_ =
        QStringLiteral("pellox-poker-") +
        QString::fromLatin1(QCryptographicHash::hash(where, QCryptographicHash::Sha1).toHex().left(16));
    lock_ = std::make_unique<QLockFile>(lockPath_);
    // Only a lock whose process is gone is stale, however long the holder has been running.
    lock_->setStaleLockTime(0);
}

SingleInstance::~SingleInstance() = default;

SingleInstance::Claim SingleInstance::claim() {
    QDir().mkpath(QFileInfo(lockPath_).absolutePath());
    if (lock_->tryLock(0)) {
        listen();
        return Claim::acquired;
    }
    return lock_->error() == QLockFile::LockFailedError ? Claim::heldElsewhere : Claim::unavailable;
}

void SingleInstance::listen() {
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    // A socket left by a process that died: the lock says it is no longer anyone's.
    QLocalServer::removeServer(serverName_);
    server_->listen(serverName_);
    connect(server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_->nextPendingConnection()) {
            socket->deleteLater();
            emit raiseRequested();
        }
    });
}

bool SingleInstance::raiseRunning(int timeoutMs) {
    QLocalSocket socket;
    socket.connectToServer(serverName_);
    if (!socket.waitForConnected(timeoutMs)) return false;
    socket.disconnectFromServer();
    return true;
}

}  // namespace pellox::app
