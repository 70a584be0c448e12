#pragma once

#include <QProcess>
#include <QString>

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

private:
    QProcess m_daemon;
    QString m_address;
};
