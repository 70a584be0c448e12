#pragma once

#include <QCoroTask>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QVariantMap>
#include <chrono>
#include <optional>

// The desktop portal (xdg-desktop-portal) on the session bus: what its
// interfaces share. A call that involves the user answers later, through the
// Response signal of a Request object whose path the caller can know in advance.
namespace DesktopPortal {

inline const QString service = QStringLiteral("org.freedesktop.portal.Desktop");
inline const QString path = QStringLiteral("/org/freedesktop/portal/desktop");
inline const QString sessionInterface = QStringLiteral("org.freedesktop.portal.Session");
// The method that creates a session, and the key of its handle in the answer.
inline const QString createSession = QStringLiteral("CreateSession");
inline const QString sessionHandleKey = QStringLiteral("session_handle");

// The portal's answer to a request: 0 granted, 1 cancelled by the user, 2
// ended otherwise.
struct Response {
    uint code = 2;
    QVariantMap results;
};

// A property of one of the portal's interfaces, such as its "version"; nothing
// when the portal or that interface is missing or has not answered within
// `patience`. Blocks: for a worker thread, or the start.
std::optional<QVariant> property(QDBusConnection bus, const QString& interface, const QString& name,
                                 std::chrono::milliseconds patience);

// An object path in a response: portals send some as strings.
QString objectPath(const QVariant& value);

// A token for a request or session handle: unique in this process, not guessable.
QString newToken();

// The options of a call that creates a session: a new session handle token.
QVariantMap newSessionOptions();

// Closes a session of the portal, without waiting for the answer.
void closeSession(QDBusConnection bus, const QString& session);

// Calls a method of the portal that answers at once. Throws MessageError
// quoting the portal's error.
QCoro::Task<QDBusMessage> call(QDBusConnection bus, QString interface, QString method,
                               QVariantList arguments);

// Calls a method of the portal whose last argument is its options, and awaits
// its Response for at most `patience` (it may wait for the user). Throws
// MessageError when the call fails or no answer comes.
QCoro::Task<Response> request(QDBusConnection bus, QString interface, QString method,
                              QVariantList arguments, QVariantMap options,
                              std::chrono::milliseconds patience);

} // namespace DesktopPortal
