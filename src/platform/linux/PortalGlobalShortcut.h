#pragma once

#include "platform/GlobalShortcut.h"
#include "platform/linux/DBusSignal.h"

#include <QCoroTask>
#include <QDBusConnection>
#include <QObject>
#include <QPointer>
#include <chrono>

// The key held by the desktop through its portal's GlobalShortcuts interface
// (KDE Plasma 5.27 and later, GNOME 48 and later), for Wayland sessions, where
// no program can hold a key itself. Each key bound gets a session of its own,
// as a session binds its shortcuts once; the stored key is only the preferred
// trigger: the desktop may ask the user, who can choose another there. The
// session of the key held before stays until the desktop holds the new one,
// so that a key it refuses leaves the old one held.
class PortalGlobalShortcut : public QObject, public GlobalShortcut {
    Q_OBJECT
public:
    explicit PortalGlobalShortcut(QDBusConnection bus);
    ~PortalGlobalShortcut() override;

    // Whether the session's portal offers global shortcuts. Blocks for at most
    // `patience`.
    static bool isOffered(QDBusConnection bus, std::chrono::milliseconds patience);
    // A key sequence's portable text ("Ctrl+Alt+E") as the freedesktop
    // shortcuts format writes a trigger ("CTRL+ALT+e"); empty for a key that
    // cannot be held.
    static QString trigger(const QString& key);

    bool canHold(const QString& key) const override;
    void bind(const QString& key, std::function<void()> pressed) override;
    Keeper keeper() const override { return Keeper::desktop; }
    void setAnswerHandler(std::function<void(Answer)> answered) override;

private:
    static QCoro::Task<> bindInNewSession(QPointer<PortalGlobalShortcut> self, QString key,
                                          int generation);
    void activated(const QDBusMessage& signal);
    void shortcutsChanged(const QDBusMessage& signal);
    void closeSession();
    void answer(bool held, const QString& text);

    QDBusConnection m_bus;
    std::function<void()> m_pressed;
    // For the key asked for, once the desktop holds it.
    std::function<void()> m_askedPressed;
    std::function<void(Answer)> m_answered;
    // Which bind is the latest: an older one that ends later closes its session.
    int m_generation = 0;
    QString m_session;
    DBusSignal m_activated;
    DBusSignal m_changed;
};
