#pragma once

#include "platform/linux/StatusNotifierTypes.h"

#include <QDBusAbstractAdaptor>
#include <QList>
#include <QPointer>

class QAction;

// A flat menu of actions as com.canonical.dbusmenu, the menu a tray host
// shows for a StatusNotifierItem: entry 0 is the menu, entries 1 to n the
// actions in order. A host's "clicked" triggers the action once the call has
// been answered. A change of an action's text or state is announced as a new
// layout.
class DBusMenuAdaptor : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "com.canonical.dbusmenu")
    Q_PROPERTY(uint Version READ version)
    Q_PROPERTY(QString TextDirection READ textDirection)
    Q_PROPERTY(QString Status READ status)
    Q_PROPERTY(QStringList IconThemePath READ iconThemePath)
public:
    // The actions belong to the caller and outlive the exported object.
    DBusMenuAdaptor(QObject* exported, QList<QAction*> actions);

    uint version() const { return 3; }
    QString textDirection() const;
    QString status() const { return QStringLiteral("normal"); }
    QStringList iconThemePath() const { return {}; }

public slots:
    uint GetLayout(int parentId, int recursionDepth, const QStringList& propertyNames,
                   DBusMenuLayoutItem& layout);
    QList<DBusMenuItem> GetGroupProperties(const QList<int>& ids, const QStringList& propertyNames);
    QDBusVariant GetProperty(int id, const QString& name);
    void Event(int id, const QString& eventId, const QDBusVariant& data, uint timestamp);
    QList<int> EventGroup(const QList<DBusMenuEvent>& events);
    bool AboutToShow(int id);
    QList<int> AboutToShowGroup(const QList<int>& ids, QList<int>& idErrors);

signals:
    void ItemsPropertiesUpdated(const QList<DBusMenuItem>& updated,
                                const QList<DBusMenuItemKeys>& removed);
    void LayoutUpdated(uint revision, int parent);
    void ItemActivationRequested(int id, uint timestamp);

private:
    QVariantMap propertiesOf(int id, const QStringList& names) const;
    bool exists(int id) const { return id >= 0 && id <= m_actions.size(); }
    // Whether the event was for an entry there is.
    bool handle(int id, const QString& eventId);

    QList<QPointer<QAction>> m_actions;
    uint m_revision = 1;
};
