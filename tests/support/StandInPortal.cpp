#include "StandInPortal.h"

#include <QDBusArgument>
#include <QDBusError>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QMutexLocker>

namespace {

using Shortcuts = QList<QPair<QString, QVariantMap>>;

const QString portalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString remoteDesktop = QStringLiteral("org.freedesktop.portal.RemoteDesktop");
const QString globalShortcuts = QStringLiteral("org.freedesktop.portal.GlobalShortcuts");

QString senderPart(const QDBusMessage& call) {
    QString sender = call.service().mid(1);
    return sender.replace('.', '_');
}

QVariantMap mapAt(const QDBusMessage& call, int index) {
    return qdbus_cast<QVariantMap>(call.arguments().value(index).value<QDBusArgument>());
}

// "types=1 persist_mode=2": the options a test looks at, in a fixed order.
QString optionsText(const QVariantMap& options, const QStringList& keys) {
    QStringList parts;
    for (const QString& key : keys)
        if (options.contains(key))
            parts << key + '=' + options.value(key).toString();
    return parts.join(' ');
}

} // namespace

StandInPortal::StandInPortal(const QString& busAddress, Offer offer)
    : m_offer(std::move(offer)),
      m_connection(QDBusConnection::connectToBus(busAddress, QStringLiteral("stand-in portal"))) {
    qDBusRegisterMetaType<QPair<QString, QVariantMap>>();
    qDBusRegisterMetaType<Shortcuts>();
    m_connection.registerVirtualObject(portalPath, this, QDBusConnection::SubPath);
    m_connection.registerService(QStringLiteral("org.freedesktop.portal.Desktop"));
}

StandInPortal::~StandInPortal() {
    m_connection.unregisterObject(portalPath, QDBusConnection::UnregisterTree);
    QDBusConnection::disconnectFromBus(QStringLiteral("stand-in portal"));
}

QStringList StandInPortal::calls() const {
    QMutexLocker lock(&m_mutex);
    return m_calls;
}

void StandInPortal::clearCalls() {
    QMutexLocker lock(&m_mutex);
    m_calls.clear();
}

QString StandInPortal::lastSession() const {
    QMutexLocker lock(&m_mutex);
    return m_lastSession;
}

void StandInPortal::activate(const QString& session) {
    QDBusMessage signal = QDBusMessage::createSignal(portalPath, globalShortcuts, "Activated");
    signal << QVariant::fromValue(QDBusObjectPath(session)) << QStringLiteral("toggle")
           << qulonglong(0) << QVariantMap();
    m_connection.send(signal);
}

QString StandInPortal::introspect(const QString&) const {
    return {};
}

bool StandInPortal::handleMessage(const QDBusMessage& message, const QDBusConnection& connection) {
    const QString interface = message.interface();
    const QString member = message.member();
    if (interface == QStringLiteral("org.freedesktop.DBus.Properties"))
        return answerProperty(message, connection);
    if (interface == QStringLiteral("org.freedesktop.portal.Session") && member == "Close") {
        record("Session.Close");
        connection.send(message.createReply());
        return true;
    }
    const bool remote = interface == remoteDesktop && m_offer.remoteDesktop;
    const bool shortcuts = interface == globalShortcuts && m_offer.globalShortcuts;
    if (!remote && !shortcuts)
        return false;
    const QString prefix =
        (remote ? QStringLiteral("RemoteDesktop.") : "GlobalShortcuts.") + member;
    if (member == "CreateSession") {
        record(prefix);
        respond(message, connection, 0,
                {{"session_handle", QVariant::fromValue(QDBusObjectPath(newSession(message)))}});
    } else if (member == "SelectDevices") {
        record(prefix + ' ' +
               optionsText(mapAt(message, 1), {"types", "persist_mode", "restore_token"}));
        respond(message, connection, 0, {});
    } else if (member == "Start") {
        record(prefix);
        QVariantMap results{{"devices", m_offer.startAnswer == 0 ? 1u : 0u}};
        if (m_offer.startAnswer == 0 && *m_offer.remoteDesktop >= 2)
            results.insert("restore_token", QStringLiteral("token-%1").arg(++m_tokens));
        respond(message, connection, m_offer.startAnswer, results);
    } else if (member == "NotifyKeyboardKeysym") {
        record(QStringLiteral("%1 0x%2 %3")
                   .arg(prefix)
                   .arg(message.arguments().value(2).toInt(), 0, 16)
                   .arg(message.arguments().value(3).toUInt()));
        connection.send(message.createReply());
    } else if (member == "BindShortcuts") {
        const Shortcuts wanted =
            qdbus_cast<Shortcuts>(message.arguments().value(1).value<QDBusArgument>());
        QString text = prefix;
        for (const auto& [id, properties] : wanted)
            text += ' ' + id + ' ' + properties.value("preferred_trigger").toString();
        record(text);
        Shortcuts held;
        for (const auto& [id, properties] : wanted)
            held.append({id,
                         {{"description", properties.value("description")},
                          {"trigger_description", m_offer.triggerDescription}}});
        respond(message, connection, m_offer.bindAnswer,
                m_offer.bindAnswer == 0 ? QVariantMap{{"shortcuts", QVariant::fromValue(held)}}
                                        : QVariantMap{});
    } else {
        return false;
    }
    return true;
}

bool StandInPortal::answerProperty(const QDBusMessage& message, const QDBusConnection& connection) {
    const QString interface = message.arguments().value(0).toString();
    const QString name = message.arguments().value(1).toString();
    std::optional<QVariant> value;
    if (interface == remoteDesktop && m_offer.remoteDesktop)
        value = name == "version" ? QVariant(*m_offer.remoteDesktop) : QVariant(7u);
    if (interface == globalShortcuts && m_offer.globalShortcuts && name == "version")
        value = QVariant(1u);
    connection.send(value ? message.createReply(QVariant::fromValue(QDBusVariant(*value)))
                          : message.createErrorReply(QDBusError::InvalidArgs,
                                                     "No such interface " + interface));
    return true;
}

// The reply names the request's handle; its Response follows at once.
void StandInPortal::respond(const QDBusMessage& call, const QDBusConnection& connection, uint code,
                            const QVariantMap& results) {
    const QVariantMap options = mapAt(call, call.arguments().size() - 1);
    const QString handle = QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2")
                               .arg(senderPart(call), options.value("handle_token").toString());
    connection.send(call.createReply(QVariant::fromValue(QDBusObjectPath(handle))));
    QDBusMessage response = QDBusMessage::createSignal(
        handle, QStringLiteral("org.freedesktop.portal.Request"), QStringLiteral("Response"));
    response << code << results;
    connection.send(response);
}

QString StandInPortal::newSession(const QDBusMessage& call) {
    const QString token = mapAt(call, 0).value("session_handle_token").toString();
    QMutexLocker lock(&m_mutex);
    m_lastSession = QStringLiteral("/org/freedesktop/portal/desktop/session/%1/%2")
                        .arg(senderPart(call), token);
    return m_lastSession;
}

void StandInPortal::record(const QString& call) {
    QMutexLocker lock(&m_mutex);
    m_calls << call;
}
