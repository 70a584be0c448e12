#pragma once

#include <QDBusConnection>
#include <QProcess>
#include <QString>
#include <QStringList>

// A D-Bus session bus of the test's own (`dbus-daemon --session`), so that no
// test talks to the real desktop's portal. Ends with the object.
class PrivateSessionBus {
public:
    PrivateSessionBus();
    ~PrivateSessionBus();
    PrivateSessionBus(const PrivateSessionBus&) = delete;
    PrivateSessionBus& operator=(const PrivateSessionBus&) = delete;

    // Empty when dbus-daemon could not be started.
    const QString& address() const { return m_address; }

    // A new connection to the bus, as another program would have; it closes
    // with the bus.
    QDBusConnection connect();

private:
    QProcess m_daemon;
    QString m_address;
    QStringList m_connections;
};
