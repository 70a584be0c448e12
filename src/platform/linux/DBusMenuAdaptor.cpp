#include "platform/linux/DBusMenuAdaptor.h"

#include <QAction>
#include <QGuiApplication>

namespace {

// dbusmenu marks the mnemonic with "_" where Qt uses "&".
QString menuLabel(QString text) {
    text.replace(QLatin1Char('_'), QStringLiteral("__"));
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.replace(QLatin1Char('&'), QLatin1Char('_'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return text;
}

} // namespace

DBusMenuAdaptor::DBusMenuAdaptor(QObject* exported, QList<QAction*> actions)
    : QDBusAbstractAdaptor(exported) {
    for (QAction* action : actions) {
        m_actions.append(action);
        connect(action, &QAction::changed, this, [this] { emit LayoutUpdated(++m_revision, 0); });
    }
}

QString DBusMenuAdaptor::textDirection() const {
    return QGuiApplication::layoutDirection() == Qt::RightToLeft ? QStringLiteral("rtl")
                                                                 : QStringLiteral("ltr");
}

QVariantMap DBusMenuAdaptor::propertiesOf(int id, const QStringList& names) const {
    QVariantMap properties;
    if (id == 0) {
        properties.insert(QStringLiteral("children-display"), QStringLiteral("submenu"));
    } else if (const QAction* action = m_actions.value(id - 1)) {
        if (action->isSeparator())
            properties.insert(QStringLiteral("type"), QStringLiteral("separator"));
        else
            properties.insert(QStringLiteral("label"), menuLabel(action->text()));
        if (!action->isEnabled())
            properties.insert(QStringLiteral("enabled"), false);
        if (!action->isVisible())
            properties.insert(QStringLiteral("visible"), false);
    }
    if (names.isEmpty())
        return properties;
    QVariantMap asked;
    for (const QString& name : names) {
        if (properties.contains(name))
            asked.insert(name, properties.value(name));
    }
    return asked;
}

uint DBusMenuAdaptor::GetLayout(int parentId, int recursionDepth, const QStringList& propertyNames,
                                DBusMenuLayoutItem& layout) {
    layout = DBusMenuLayoutItem{parentId, propertiesOf(parentId, propertyNames), {}};
    if (parentId == 0 && recursionDepth != 0) {
        for (int id = 1; id <= m_actions.size(); ++id)
            layout.children.append({id, propertiesOf(id, propertyNames), {}});
    }
    return m_revision;
}

QList<DBusMenuItem> DBusMenuAdaptor::GetGroupProperties(const QList<int>& ids,
                                                        const QStringList& propertyNames) {
    QList<DBusMenuItem> items;
    for (int id : ids) {
        if (exists(id))
            items.append({id, propertiesOf(id, propertyNames)});
    }
    return items;
}

QDBusVariant DBusMenuAdaptor::GetProperty(int id, const QString& name) {
    return QDBusVariant(propertiesOf(id, {}).value(name));
}

void DBusMenuAdaptor::Event(int id, const QString& eventId, const QDBusVariant&, uint) {
    handle(id, eventId);
}

QList<int> DBusMenuAdaptor::EventGroup(const QList<DBusMenuEvent>& events) {
    QList<int> idErrors;
    for (const DBusMenuEvent& event : events) {
        if (!handle(event.id, event.eventId))
            idErrors.append(event.id);
    }
    return idErrors;
}

bool DBusMenuAdaptor::handle(int id, const QString& eventId) {
    if (!exists(id))
        return false;
    QAction* action = id > 0 ? m_actions.value(id - 1).data() : nullptr;
    // After the answer: an action may quit the program or open a window.
    if (action && eventId == QLatin1String("clicked"))
        QMetaObject::invokeMethod(action, &QAction::trigger, Qt::QueuedConnection);
    return true;
}

bool DBusMenuAdaptor::AboutToShow(int) {
    return false;
}

QList<int> DBusMenuAdaptor::AboutToShowGroup(const QList<int>& ids, QList<int>& idErrors) {
    for (int id : ids) {
        if (!exists(id))
            idErrors.append(id);
    }
    return {};
}
