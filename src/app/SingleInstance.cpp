#include "app/SingleInstance.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>

namespace corkwise {

namespace {

// A request is one short line; anything longer is not one.
constexpr qsizetype kMaxRequest = 64;

QString canonicalPath(const QString& path) {
    const QFileInfo file(path);
    const QString whole = file.canonicalFilePath();
    if (!whole.isEmpty()) {
        return whole;
    }
    const QString folder = QFileInfo(file.absolutePath()).canonicalFilePath();
    return QDir(folder.isEmpty() ? file.absolutePath() : folder).filePath(file.fileName());
}

}  // namespace

SingleInstance::SingleInstance(QObject* parent) : QObject(parent) {}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::channelName(const QString& personalPath) {
    const QByteArray hash =
        QCryptographicHash::hash(canonicalPath(personalPath).toUtf8(), QCryptographicHash::Sha256);
    return QStringLiteral("corkwise-") + QString::fromLatin1(hash.toHex().left(16));
}

bool SingleInstance::listen(const QString& name, QString* error) {
    if (server_ == nullptr) {
        server_ = new QLocalServer(this);
        // Only this user's programs may ask.
        server_->setSocketOptions(QLocalServer::UserAccessOption);
        connect(server_, &QLocalServer::newConnection, this, &SingleInstance::onNewConnection);
    }
    if (server_->isListening()) {
        return true;
    }
    if (!server_->listen(name)) {
        // A socket file left by a program that died; the caller knows no one listens there.
        QLocalServer::removeServer(name);
        if (!server_->listen(name)) {
            if (error != nullptr) {
                *error = server_->errorString();
            }
            return false;
        }
    }
    return true;
}

bool SingleInstance::isListening() const {
    return server_ != nullptr && server_->isListening();
}

bool SingleInstance::ask(const QString& name, int timeoutMs) {
    const QDeadlineTimer deadline(timeoutMs);
    QLocalSocket socket;
    socket.connectToServer(name);
    if (!socket.waitForConnected(static_cast<int>(deadline.remainingTime()))) {
        return false;
    }
    socket.write(kActivate);
    if (!socket.waitForBytesWritten(static_cast<int>(deadline.remainingTime()))) {
        return false;
    }
    QByteArray answer;
    while (!answer.contains('\n') && answer.size() < kMaxRequest) {
        if (!socket.waitForReadyRead(static_cast<int>(deadline.remainingTime()))) {
            return false;
        }
        answer += socket.readAll();
    }
    return answer == kActivated;
}

void SingleInstance::onNewConnection() {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { onRequest(socket); });
    }
}

void SingleInstance::onRequest(QLocalSocket* socket) {
    if (!socket->canReadLine()) {
        if (socket->bytesAvailable() > kMaxRequest) {
            socket->abort();
        }
        return;
    }
    const QByteArray request = socket->readLine(kMaxRequest);
    if (request != kActivate) {
        socket->abort();
        return;
    }
    Q_EMIT activationRequested();
    socket->write(kActivated);
    socket->flush();
    socket->disconnectFromServer();
}

}  // namespace corkwise
