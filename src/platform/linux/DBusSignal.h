#pragma once

#include <QDBusMessage>
#include <QObject>

// Receives a D-Bus signal whatever its arguments, for QDBusConnection::connect,
// which delivers only to slots: connect to `received` instead.
class DBusSignal : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // The slot's signature for QDBusConnection::connect.
    static inline const char* const slot = SLOT(receive(QDBusMessage));

public slots:
    void receive(const QDBusMessage& message);

signals:
    void received(const QDBusMessage& message);
};
