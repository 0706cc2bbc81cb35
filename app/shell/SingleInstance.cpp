#include "shell/SingleInstance.hpp"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QMessageBox>
#include <algorithm>

namespace pellox::app {
namespace {

// What the running application answers a later launch.
const QByteArray answer = QByteArrayLiteral("raised");

int remainingMs(const QDeadlineTimer& deadline) {
    return static_cast<int>(std::max<qint64>(deadline.remainingTime(), 0));
}

}  // namespace

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
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            socket->write(answer);
            socket->disconnectFromServer();  // once the answer is written
            emit raiseRequested();
        }
    });
}

bool SingleInstance::raiseRunning(int timeoutMs) {
    const QDeadlineTimer deadline(timeoutMs);
    QLocalSocket socket;
    socket.connectToServer(serverName_);
    if (!socket.waitForConnected(remainingMs(deadline))) return false;
    // The system accepts the connection for a process that is stopped or hung too: only an answer counts.
    while (socket.bytesAvailable() < answer.size())
        if (!socket.waitForReadyRead(remainingMs(deadline))) return false;
    return socket.read(answer.size()) == answer;
}

int SingleInstance::handOverToRunning(const std::function<void(const QString&)>& tell, int timeoutMs) {
    if (raiseRunning(timeoutMs)) return 0;
    tell(QString::fromLatin1(notRespondingText));
    return 1;
}

void showNotResponding(const QString& text) {
    qWarning("%s", qPrintable(text));
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Pellox Poker"), text, QMessageBox::Ok);
    box.exec();
}

}  // namespace pellox::app
