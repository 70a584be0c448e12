#include "platform/linux/DesktopPortal.h"

#include "platform/MessageError.h"
#include "platform/linux/DBusSignal.h"

#include <QCoroDBusPendingCall>
#include <QCoroSignal>
#include <QDBusArgument>
#include <QDBusObjectPath>
#include <QDBusPendingCall>
#include <QDBusVariant>
#include <QRandomGenerator>
#include <atomic>

namespace DesktopPortal {

namespace {

const QString requestInterface = QStringLiteral("org.freedesktop.portal.Request");

// Where the portal puts the Request object of a call with this token: the
// caller's unique name without its colon, dots made underscores.
QString requestPath(const QDBusConnection& bus, const QString& token) {
    QString sender = bus.baseService().mid(1);
    sender.replace('.', '_');
    return QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2").arg(sender, token);
}

QString quotedError(const QDBusMessage& reply) {
    return reply.errorMessage().isEmpty() ? reply.errorName() : reply.errorMessage();
}

} // namespace

std::optional<QVariant> property(QDBusConnection bus, const QString& interface, const QString& name,
                                 std::chrono::milliseconds patience) {
    QDBusMessage get = QDBusMessage::createMethodCall(
        service, path, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    get << interface << name;
    const QDBusMessage reply = bus.call(get, QDBus::Block, int(patience.count()));
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return std::nullopt;
    return reply.arguments().first().value<QDBusVariant>().variant();
}

QString objectPath(const QVariant& value) {
    if (value.canConvert<QDBusObjectPath>() && value.typeId() != QMetaType::QString)
        return value.value<QDBusObjectPath>().path();
    return value.toString();
}

QString newToken() {
    static std::atomic<quint32> count{0};
    return QStringLiteral("tesselle%1_%2").arg(++count).arg(QRandomGenerator::global()->generate());
}

QVariantMap newSessionOptions() {
    return {{QStringLiteral("session_handle_token"), newToken()}};
}

void closeSession(QDBusConnection bus, const QString& session) {
    bus.send(QDBusMessage::createMethodCall(service, session, sessionInterface,
                                            QStringLiteral("Close")));
}

QCoro::Task<QDBusMessage> call(QDBusConnection bus, QString interface, QString method,
                               QVariantList arguments) {
    QDBusMessage message = QDBusMessage::createMethodCall(service, path, interface, method);
    message.setArguments(arguments);
    const QDBusPendingCall pending = bus.asyncCall(message);
    const QDBusMessage reply = co_await pending;
    if (reply.type() != QDBusMessage::ReplyMessage)
        throw MessageError(
            QStringLiteral("The desktop portal refused %1: %2").arg(method, quotedError(reply)));
    co_return reply;
}

QCoro::Task<Response> request(QDBusConnection bus, QString interface, QString method,
                              QVariantList arguments, QVariantMap options,
                              std::chrono::milliseconds patience) {
    const QString token = newToken();
    options.insert(QStringLiteral("handle_token"), token);
    arguments << options;
    // Listening before the call: the answer may come before the call's reply.
    DBusSignal response;
    std::optional<Response> answer;
    QObject::connect(&response, &DBusSignal::received, [&answer](const QDBusMessage& message) {
        const QVariantList values = message.arguments();
        answer = Response{values.value(0).toUInt(),
                          qdbus_cast<QVariantMap>(values.value(1).value<QDBusArgument>())};
    });
    QString handle = requestPath(bus, token);
    bus.connect(service, handle, requestInterface, QStringLiteral("Response"), &response,
                DBusSignal::slot);
    const QDBusMessage reply = co_await call(bus, interface, method, arguments);
    // Portals older than 0.9 chose the path themselves.
    const QString given = reply.arguments().value(0).value<QDBusObjectPath>().path();
    if (!given.isEmpty() && given != handle) {
        bus.disconnect(service, handle, requestInterface, QStringLiteral("Response"), &response,
                       DBusSignal::slot);
        handle = given;
        bus.connect(service, handle, requestInterface, QStringLiteral("Response"), &response,
                    DBusSignal::slot);
    }
    if (!answer) {
        auto arrival = qCoro(&response, &DBusSignal::received, patience);
        co_await arrival;
    }
    bus.disconnect(service, handle, requestInterface, QStringLiteral("Response"), &response,
                   DBusSignal::slot);
    if (!answer)
        throw MessageError(QStringLiteral("The desktop portal did not answer %1").arg(method));
    co_return *answer;
}

} // namespace DesktopPortal
