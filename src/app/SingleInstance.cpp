#include "app/SingleInstance.h"

#include "platform/LineOutput.h"

#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>

namespace {
constexpr int timeoutMs = 2000;
constexpr char toggleRequest[] = "toggle\n";
} // namespace

SingleInstance::SingleInstance(QString socketPath, QString settingsLockPath, LineOutput& output,
                               QObject* parent)
    : QObject(parent), m_socketPath(std::move(socketPath)),
      m_settingsLockPath(std::move(settingsLockPath)), m_output(output) {}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::defaultSocketPath(const QString& appId) {
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) + '/' + appId +
           ".socket";
}

SingleInstance::Claim SingleInstance::claim() {
    // Two programs started at the same moment must not both become the first.
    QLockFile lock(m_socketPath + ".lock");
    lock.lock();
    if (askRunningInstance())
        return Claim::handedOver;
    if (!lockSettings())
        return Claim::unreachable;
    listen();
    return Claim::first;
}

// A lock of a process that is gone is taken over; a lock never goes stale
// with age, as the program runs for days.
bool SingleInstance::lockSettings() {
    QDir().mkpath(QFileInfo(m_settingsLockPath).absolutePath());
    m_settingsLock = std::make_unique<QLockFile>(m_settingsLockPath);
    m_settingsLock->setStaleLockTime(0);
    if (m_settingsLock->tryLock(0))
        return true;
    if (m_settingsLock->error() != QLockFile::LockFailedError) {
        // An unwritable settings folder: nothing to protect, nothing to refuse.
        m_output.writeLine("Cannot take the lock " + m_settingsLockPath +
                           ": continuing without it");
        return true;
    }
    qint64 pid = 0;
    QString host;
    QString application;
    m_settingsLock->getLockInfo(&pid, &host, &application);
    m_output.writeLine(QStringLiteral("Tesselle already runs with these settings (process %1 on "
                                      "%2, holding %3) and does not answer here")
                           .arg(pid)
                           .arg(host, m_settingsLockPath));
    return false;
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
