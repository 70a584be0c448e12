#include "app/SingleInstance.h"

#include "app/InstanceProtocol.h"
#include "app/LocalListener.h"
#include "platform/LineOutput.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>
#include <QTimer>

using namespace InstanceProtocol;
using namespace std::chrono_literals;

namespace {
constexpr int timeoutMs = 2000;
// A start sends its request at once; one that does not is dropped, so that
// connections left open cannot use up the program's file descriptors.
constexpr auto requestPatience = 5s;

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

void drop(QLocalSocket* socket) {
    socket->abort();
    socket->deleteLater();
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

QString SingleInstance::settingsLockPath(const QString& settingsFile) {
    return QFileInfo(settingsFile).absolutePath() + QStringLiteral("/tesselle.lock");
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

void SingleInstance::listen() {
    m_listener = new LocalListener(this);
    if (const QString error = m_listener->listen(m_socketPath); !error.isEmpty()) {
        m_output.writeLine("Cannot listen for later starts: " + error);
        return;
    }
    connect(m_listener, &LocalListener::connected, this, &SingleInstance::serve);
}

void SingleInstance::serve(QLocalSocket* socket) {
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    // Reading stops at a full buffer: a request without its line feed cannot grow it.
    socket->setReadBufferSize(longestRequest);
    auto* deadline = new QTimer(socket);
    deadline->setSingleShot(true);
    connect(deadline, &QTimer::timeout, socket, [socket] { drop(socket); });
    deadline->start(requestPatience);
    connect(socket, &QLocalSocket::readyRead, this,
            [this, socket, deadline] { readRequests(socket, deadline); });
    readRequests(socket, deadline);
}

void SingleInstance::readRequests(QLocalSocket* socket, QTimer* deadline) {
    while (socket->canReadLine()) {
        const QByteArray line = socket->readLine();
        if (line == toggleRequest) {
            emit toggleRequested();
        } else if (line == settingsRequest) {
            emit settingsRequested();
        } else if (line == quitRequest) {
            // The connection stays open until this process ends.
            deadline->stop();
            m_waitingForEnd << socket;
            socket->write(quittingAnswer + QByteArray::number(QCoreApplication::applicationPid()) +
                          '\n');
            socket->flush();
            emit quitRequested();
        }
    }
    if (socket->bytesAvailable() >= longestRequest)
        drop(socket);
}

void SingleInstance::announceEnd(int exitCode, const QString& failure) {
    QByteArray line = endedAnswer + QByteArray::number(exitCode);
    if (!failure.isEmpty())
        line += ' ' + failure.simplified().toUtf8();
    for (const QPointer<QLocalSocket>& socket : std::as_const(m_waitingForEnd)) {
        if (!socket || socket->state() != QLocalSocket::ConnectedState)
            continue;
        socket->write(line + '\n');
        socket->waitForBytesWritten(timeoutMs);
    }
    m_waitingForEnd.clear();
}
