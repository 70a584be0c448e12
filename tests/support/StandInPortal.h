#pragma once

#include <QDBusConnection>
#include <QDBusVirtualObject>
#include <QMutex>
#include <QStringList>
#include <optional>

// The desktop portal's RemoteDesktop and GlobalShortcuts interfaces as a
// desktop offers them, on a bus of the test's own: records every call in
// order, answers each request with the Response the test chose. Serves from
// the main thread's event loop: a client that blocks must do so on another.
class StandInPortal : public QDBusVirtualObject {
    Q_OBJECT
public:
    struct Offer {
        // The RemoteDesktop interface's version; none: the interface is missing.
        std::optional<uint> remoteDesktop = 2;
        // The answer to Start: 0 granted, 1 refused by the user.
        uint startAnswer = 0;
        bool globalShortcuts = true;
        // The answer to BindShortcuts, and the key the desktop says it holds.
        uint bindAnswer = 0;
        QString triggerDescription = QStringLiteral("Ctrl+Alt+E");
    };

    StandInPortal(const QString& busAddress, Offer offer);
    ~StandInPortal() override;

    QStringList calls() const;
    void clearCalls();
    // The GlobalShortcuts interface's Activated signal for the session's toggle.
    void activate(const QString& session);
    // The handle of the last session created.
    QString lastSession() const;

    QString introspect(const QString& path) const override;
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override;

private:
    void record(const QString& call);
    void respond(const QDBusMessage& call, const QDBusConnection& connection, uint code,
                 const QVariantMap& results);
    QString newSession(const QDBusMessage& call);
    bool answerProperty(const QDBusMessage& message, const QDBusConnection& connection);

    Offer m_offer;
    QDBusConnection m_connection;
    mutable QMutex m_mutex;
    QStringList m_calls;
    QString m_lastSession;
    int m_tokens = 0;
};
