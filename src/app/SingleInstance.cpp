#include "app/SingleInstance.h"

#include <QLocalSocket>

namespace {

constexpr int WaitMs = 1000;

QString userName()
{
    const QString user = qEnvironmentVariable("USER");
    return user.isEmpty() ? qEnvironmentVariable("USERNAME") : user;
}

} // namespace

SingleInstance::SingleInstance(const QString& guardName, const QString& messageName,
                               QObject* parent)
    : QObject(parent), serverName_(guardName + QLatin1Char('-') + userName()),
      message_(messageName.toUtf8())
{
    connect(&server_, &QLocalServer::newConnection, this, &SingleInstance::readMessage);
}

bool SingleInstance::claim()
{
    QLocalSocket socket;
    socket.connectToServer(serverName_);
    if (socket.waitForConnected(WaitMs)) {
        socket.write(message_);
        socket.waitForBytesWritten(WaitMs);
        socket.disconnectFromServer();
        return false;
    }
    // Nobody answers: whatever socket file is left belongs to a copy that has ended.
    QLocalServer::removeServer(serverName_);
    server_.listen(serverName_);
    return true;
}

void SingleInstance::readMessage()
{
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (socket->readAll().startsWith(message_))
                emit activationRequested();
        });
    }
}
