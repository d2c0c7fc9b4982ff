#include "platform/SingleInstance.h"

#include "platform/Application.h"

#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>

namespace {

QString socketPath() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) folder = QDir::tempPath();
    return folder + "/" + QString::fromLatin1(AppId) + ".socket";
}

// "R" to come out, or "O" and the book's path as bytes.
QByteArray message(const std::optional<std::string>& book) {
    if (!book) return "R";
    return "O" + QByteArray::fromStdString(*book);
}

} // namespace

bool SingleInstance::handOver(const std::optional<std::string>& book) {
    QLocalSocket socket;
    socket.connectToServer(socketPath());
    if (!socket.waitForConnected(1000)) return false;
    socket.write(message(book));
    socket.flush();
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState) socket.waitForDisconnected(2000);
    return true;
}

void SingleInstance::listen(Request onRequest) {
    request = std::move(onRequest);
    const QString path = socketPath();
    // Nothing answered on it: whatever socket is there was left behind.
    QLocalServer::removeServer(path);
    server.setSocketOptions(QLocalServer::UserAccessOption);
    if (!server.listen(path)) return;
    connect(&server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* client = server.nextPendingConnection()) {
            auto* received = new QByteArray;
            connect(client, &QLocalSocket::readyRead, client,
                    [client, received] { received->append(client->readAll()); });
            connect(client, &QLocalSocket::disconnected, client, [this, client, received] {
                received->append(client->readAll());
                const QByteArray text = *received;
                delete received;
                client->deleteLater();
                if (text.startsWith('O'))
                    request(text.mid(1).toStdString());
                else if (text.startsWith('R'))
                    request(std::nullopt);
            });
        }
    });
}
