#pragma once

#include <QByteArray>
#include <QDBusArgument>
#include <QDBusVariant>
#include <QList>
#include <QMetaType>
#include <QString>
#include <QStringList>
#include <QVariantMap>

// The values the tray's D-Bus interfaces (StatusNotifierItem and
// com.canonical.dbusmenu) carry, with their D-Bus signatures. Registered once
// with registerStatusNotifierTypes() before the first call. The adaptors'
// slots name lists as QList<...>: D-Bus finds a slot's types by the names
// written there, which know no aliases.

// (iiay): one size of the icon, ARGB32 pixels in network byte order.
struct TrayIconPixmap {
    int width = 0;
    int height = 0;
    QByteArray argb;
};
using TrayIconPixmaps = QList<TrayIconPixmap>;

// (sa(iiay)ss): the tooltip.
struct TrayToolTip {
    QString iconName;
    TrayIconPixmaps icon;
    QString title;
    QString text;
};

// (ia{sv}av): a menu entry with its children, each child a variant of the same.
struct DBusMenuLayoutItem {
    int id = 0;
    QVariantMap properties;
    QList<DBusMenuLayoutItem> children;
};

// (ia{sv}): an entry's properties.
struct DBusMenuItem {
    int id = 0;
    QVariantMap properties;
};
using DBusMenuItems = QList<DBusMenuItem>;

// (ias): the names of an entry's properties that were removed.
struct DBusMenuItemKeys {
    int id = 0;
    QStringList names;
};
using DBusMenuItemKeysList = QList<DBusMenuItemKeys>;

// (isvu): something that happened to an entry ("clicked", "hovered", ...).
struct DBusMenuEvent {
    int id = 0;
    QString eventId;
    QDBusVariant data;
    uint timestamp = 0;
};
using DBusMenuEvents = QList<DBusMenuEvent>;

Q_DECLARE_METATYPE(TrayIconPixmap)
Q_DECLARE_METATYPE(TrayToolTip)
Q_DECLARE_METATYPE(DBusMenuLayoutItem)
Q_DECLARE_METATYPE(DBusMenuItem)
Q_DECLARE_METATYPE(DBusMenuItemKeys)
Q_DECLARE_METATYPE(DBusMenuEvent)

QDBusArgument& operator<<(QDBusArgument& argument, const TrayIconPixmap& pixmap);
const QDBusArgument& operator>>(const QDBusArgument& argument, TrayIconPixmap& pixmap);
QDBusArgument& operator<<(QDBusArgument& argument, const TrayToolTip& toolTip);
const QDBusArgument& operator>>(const QDBusArgument& argument, TrayToolTip& toolTip);
QDBusArgument& operator<<(QDBusArgument& argument, const DBusMenuLayoutItem& item);
const QDBusArgument& operator>>(const QDBusArgument& argument, DBusMenuLayoutItem& item);
QDBusArgument& operator<<(QDBusArgument& argument, const DBusMenuItem& item);
const QDBusArgument& operator>>(const QDBusArgument& argument, DBusMenuItem& item);
QDBusArgument& operator<<(QDBusArgument& argument, const DBusMenuItemKeys& keys);
const QDBusArgument& operator>>(const QDBusArgument& argument, DBusMenuItemKeys& keys);
QDBusArgument& operator<<(QDBusArgument& argument, const DBusMenuEvent& event);
const QDBusArgument& operator>>(const QDBusArgument& argument, DBusMenuEvent& event);

void registerStatusNotifierTypes();
