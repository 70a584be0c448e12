#pragma once

#include <QDBusConnection>
#include <QProcess>
#include <QStandardPaths>

// A D-Bus session bus of the test's own (dbus-daemon --session), so that no
// test talks to the user's: connections to it are named and closed with it.
class PrivateSessionBus {
public:
    PrivateSessionBus() {
        if (QStandardPaths::findExecutable(QStringLiteral("dbus-daemon")).isEmpty())
            return;
        m_daemon.start(QStringLiteral("dbus-daemon"),
                       {QStringLiteral("--session"), QStringLiteral("--nofork"),
                        QStringLiteral("--print-address")});
        if (!m_daemon.waitForStarted() || !m_daemon.waitForReadyRead(10000))
            return;
        m_address = QString::fromUtf8(m_daemon.readLine()).trimmed();
    }
    ~PrivateSessionBus() {
        for (const QString& name : m_names)
            QDBusConnection::disconnectFromBus(name);
        m_daemon.terminate();
        m_daemon.waitForFinished();
    }
    PrivateSessionBus(const PrivateSessionBus&) = delete;
    PrivateSessionBus& operator=(const PrivateSessionBus&) = delete;

    // Empty where dbus-daemon is missing or did not start.
    const QString& address() const { return m_address; }

    // A new connection to the bus, as another program would have; it lasts
    // as long as the bus.
    QDBusConnection connect() {
        m_names.append(QStringLiteral("private-bus-%1").arg(m_names.size()));
        return QDBusConnection::connectToBus(m_address, m_names.last());
    }

private:
    QProcess m_daemon;
    QString m_address;
    QStringList m_names;
};
