#include "app/SingleInstance.h"

#include "platform/LineOutput.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>
#include <cerrno>
#include <poll.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {
constexpr int timeoutMs = 2000;
constexpr char toggleRequest[] = "toggle\n";
constexpr char settingsRequest[] = "settings\n";
constexpr char quitRequest[] = "quit\n";
// The answer to a quit: the process to wait for.
constexpr char quittingAnswer[] = "quitting ";

const char* requestLine(SingleInstance::Request request) {
    switch (request) {
    case SingleInstance::Request::settings:
        return settingsRequest;
    case SingleInstance::Request::quit:
        return quitRequest;
    case SingleInstance::Request::toggle:
        break;
    }
    return toggleRequest;
}

// Whether the process ended within the patience. A pidfd also reports the end
// of a process that is not this one's child.
bool waitForEnd(pid_t pid, std::chrono::milliseconds patience) {
    const int pidfd = int(syscall(SYS_pidfd_open, pid, 0));
    if (pidfd < 0)
        return errno == ESRCH;
    pollfd ended{pidfd, POLLIN, 0};
    int ready;
    do {
        ready = poll(&ended, 1, int(patience.count()));
    } while (ready < 0 && errno == EINTR);
    close(pidfd);
    return ready > 0;
}
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

SingleInstance::Claim SingleInstance::claim(Request request) {
    // Two programs started at the same moment must not both become the first.
    QLockFile lock(m_socketPath + ".lock");
    lock.lock();
    if (askRunningInstance(request))
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

bool SingleInstance::askRunningInstance(Request request) const {
    QLocalSocket socket;
    socket.connectToServer(m_socketPath);
    if (!socket.waitForConnected(timeoutMs))
        return false;
    socket.write(requestLine(request));
    return socket.waitForBytesWritten(timeoutMs);
}

SingleInstance::QuitOutcome SingleInstance::quitRunning(const QString& socketPath,
                                                        std::chrono::milliseconds patience) {
    QLocalSocket socket;
    socket.connectToServer(socketPath);
    if (!socket.waitForConnected(timeoutMs))
        return QuitOutcome::notRunning;
    socket.write(quitRequest);
    if (!socket.waitForBytesWritten(timeoutMs))
        return QuitOutcome::notRunning;
    while (!socket.canReadLine()) {
        if (!socket.waitForReadyRead(timeoutMs))
            return QuitOutcome::stillRunning;
    }
    const QByteArray answer = socket.readLine().trimmed();
    bool isNumber = false;
    const pid_t pid = answer.mid(int(sizeof quittingAnswer) - 1).toInt(&isNumber);
    if (!answer.startsWith(quittingAnswer) || !isNumber)
        return QuitOutcome::stillRunning;
    return waitForEnd(pid, patience) ? QuitOutcome::ended : QuitOutcome::stillRunning;
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
                const QByteArray line = socket->readLine();
                if (line == toggleRequest) {
                    emit toggleRequested();
                } else if (line == settingsRequest) {
                    emit settingsRequested();
                } else if (line == quitRequest) {
                    // The connection stays open until this process ends.
                    socket->write(quittingAnswer +
                                  QByteArray::number(QCoreApplication::applicationPid()) + '\n');
                    socket->flush();
                    emit quitRequested();
                }
            }
        };
        connect(socket, &QLocalSocket::readyRead, this, read);
        read();
    }
}
