#include "app/SingleInstance.h"

#include "platform/LineOutput.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>

namespace {
constexpr int timeoutMs = 2000;
constexpr char toggleRequest[] = "toggle\n";
} // namespace

SingleInstance::SingleInstance(QString socketPath, LineOutput& output, QObject* parent)
    : QObject(parent), m_socketPath(std::move(socketPath)), m_output(output) {}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::defaultSocketPath(const QString& appId) {
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) + '/' + appId +
           ".socket";
}

bool SingleInstance::claim() {
    // Two programs started at the same moment must not both become the first.
    QLockFile lock(m_socketPath + ".lock");
    lock.lock();
    if (askRunningInstance())
        return false;
    listen();
    return true;
}

bool SingleInstance::askRunningInstance() const {
    QLocalSocket socket;
    socket.connectToServer(m_socketPath);
    if (!socket.waitForConnected(timeoutMs))
        return false;
    socket.write(toggleRequest);
    return socket.waitForBytesWritten(timeoutMs);
}

void SingleInstance::listen() {
    // Nobody answered, so a socket file that is there was left by a crash.
    QLocalServer::removeServer(m_socketPath);
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(m_socketPath)) {
        m_output.writeLine("Cannot listen for later starts: " + m_server->errorString());
        return;
    }
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::readRequests);
}

void SingleInstance::readRequests() {
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        auto read = [this, socket] {
            while (socket->canReadLine()) {
                if (socket->readLine() == toggleRequest)
                    emit toggleRequested();
            }
        };
        connect(socket, &QLocalSocket::readyRead, this, read);
        read();
    }
}
