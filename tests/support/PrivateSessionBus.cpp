#include "PrivateSessionBus.h"

PrivateSessionBus::PrivateSessionBus() {
    m_daemon.start(QStringLiteral("dbus-daemon"),
                   {"--session", "--nofork", "--nopidfile", "--print-address"});
    // The daemon prints its address once it listens.
    if (m_daemon.waitForStarted() && m_daemon.waitForReadyRead(10000))
        m_address = QString::fromUtf8(m_daemon.readLine()).trimmed();
}

PrivateSessionBus::~PrivateSessionBus() {
    for (const QString& name : m_connections)
        QDBusConnection::disconnectFromBus(name);
    m_daemon.terminate();
    if (!m_daemon.waitForFinished(5000))
        m_daemon.kill();
    m_daemon.waitForFinished();
}

QDBusConnection PrivateSessionBus::connect() {
    m_connections.append(QStringLiteral("private-bus-%1").arg(m_connections.size()));
    return QDBusConnection::connectToBus(m_address, m_connections.last());
}
