#include "platform/linux/DBusSignal.h"

void DBusSignal::receive(const QDBusMessage& message) {
    emit received(message);
}
