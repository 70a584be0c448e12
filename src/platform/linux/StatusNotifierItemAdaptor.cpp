#include "platform/linux/StatusNotifierItemAdaptor.h"

#include "platform/linux/StatusNotifierItem.h"

StatusNotifierItemAdaptor::StatusNotifierItemAdaptor(StatusNotifierItem& item)
    : QDBusAbstractAdaptor(&item), m_item(item) {
    connect(&item, &StatusNotifierItem::iconChanged, this, &StatusNotifierItemAdaptor::NewIcon);
    connect(&item, &StatusNotifierItem::toolTipChanged, this,
            &StatusNotifierItemAdaptor::NewToolTip);
}

QString StatusNotifierItemAdaptor::id() const {
    return m_item.id();
}

QString StatusNotifierItemAdaptor::title() const {
    return m_item.title();
}

QList<TrayIconPixmap> StatusNotifierItemAdaptor::iconPixmap() const {
    return m_item.iconPixmaps();
}

TrayToolTip StatusNotifierItemAdaptor::toolTip() const {
    return m_item.toolTip();
}

QDBusObjectPath StatusNotifierItemAdaptor::menu() const {
    return QDBusObjectPath(StatusNotifierItem::menuPath);
}

void StatusNotifierItemAdaptor::Activate(int x, int y) {
    m_item.activate(x, y);
}

void StatusNotifierItemAdaptor::SecondaryActivate(int, int) {}

void StatusNotifierItemAdaptor::ContextMenu(int x, int y) {
    m_item.contextMenu(x, y);
}

void StatusNotifierItemAdaptor::Scroll(int, const QString&) {}
