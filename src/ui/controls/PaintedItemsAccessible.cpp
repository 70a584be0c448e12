#include "ui/controls/PaintedItemsAccessible.h"

#include "ui/controls/PaintedItemAccessible.h"

namespace {

QAccessibleInterface* itemsFactory(const QString&, QObject* object) {
    if (!object || !object->isWidgetType())
        return nullptr;
    if (auto* items = dynamic_cast<AccessibleItems*>(object))
        return new PaintedItemsAccessible(static_cast<QWidget*>(object), *items);
    return nullptr;
}

} // namespace

void AccessibleItems::makeItemsAccessible(QWidget* widget) {
    static const bool installed = [] {
        QAccessible::installFactory(itemsFactory);
        return true;
    }();
    Q_UNUSED(installed);
    if (!QAccessible::isActive())
        return;
    QAccessibleInterface* early = QAccessible::queryAccessibleInterface(widget);
    if (early && !dynamic_cast<PaintedItemsAccessible*>(early))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(early));
}

void AccessibleItems::announceSelectedItem(QWidget* widget, const QString& key) {
    if (!QAccessible::isActive())
        return;
    auto* container =
        dynamic_cast<PaintedItemsAccessible*>(QAccessible::queryAccessibleInterface(widget));
    QAccessibleInterface* item = container ? container->itemInterface(key) : nullptr;
    if (!item || !container->items().accessibleItem(key))
        return;
    if (widget->hasFocus()) {
        QAccessibleEvent focus(item, QAccessible::Focus);
        QAccessible::updateAccessibility(&focus);
    }
    QAccessibleEvent selection(item, QAccessible::Selection);
    QAccessible::updateAccessibility(&selection);
}

std::optional<AccessibleItems::Item> AccessibleItems::accessibleItem(const QString& key) const {
    for (const Item& item : accessibleItems()) {
        if (item.key == key)
            return item;
    }
    return std::nullopt;
}

PaintedItemsAccessible::PaintedItemsAccessible(QWidget* widget, AccessibleItems& items)
    : QAccessibleWidget(widget, items.accessibleRole()), m_items(items) {}

PaintedItemsAccessible::~PaintedItemsAccessible() {
    for (QAccessible::Id id : std::as_const(m_children))
        QAccessible::deleteAccessibleInterface(id);
}

// The widget's own child widgets (a scroll area's viewport and bars) are left
// out: only the items mean something to the user.
int PaintedItemsAccessible::childCount() const {
    return int(m_items.accessibleItems().size());
}

QAccessibleInterface* PaintedItemsAccessible::child(int index) const {
    const QList<AccessibleItems::Item> items = m_items.accessibleItems();
    if (index < 0 || index >= items.size())
        return nullptr;
    return itemInterface(items[index].key);
}

QAccessibleInterface* PaintedItemsAccessible::itemInterface(const QString& key) const {
    if (const auto id = m_children.constFind(key); id != m_children.cend())
        return QAccessible::accessibleInterface(*id);
    forgetHiddenItems();
    auto* item = new PaintedItemAccessible(widget(), m_items, key);
    m_children.insert(key, QAccessible::registerAccessibleInterface(item));
    return item;
}

// Items that went out of sight keep their interfaces until others are made.
void PaintedItemsAccessible::forgetHiddenItems() const {
    const QList<AccessibleItems::Item> items = m_items.accessibleItems();
    if (m_children.size() < 2 * items.size() + 64)
        return;
    QSet<QString> shown;
    for (const AccessibleItems::Item& item : items)
        shown.insert(item.key);
    for (auto child = m_children.begin(); child != m_children.end();) {
        if (shown.contains(child.key())) {
            ++child;
        } else {
            QAccessible::deleteAccessibleInterface(child.value());
            child = m_children.erase(child);
        }
    }
}

int PaintedItemsAccessible::indexOfChild(const QAccessibleInterface* child) const {
    const auto* item = dynamic_cast<const PaintedItemAccessible*>(child);
    return item && item->parent() == this ? item->index() : -1;
}

QAccessibleInterface* PaintedItemsAccessible::childAt(int x, int y) const {
    const QPoint point = widget()->mapFromGlobal(QPoint(x, y));
    for (const AccessibleItems::Item& item : m_items.accessibleItems()) {
        if (item.rect.contains(point))
            return itemInterface(item.key);
    }
    return nullptr;
}

QAccessibleInterface* PaintedItemsAccessible::focusChild() const {
    if (!widget()->hasFocus())
        return nullptr;
    for (const AccessibleItems::Item& item : m_items.accessibleItems()) {
        if (item.selected)
            return itemInterface(item.key);
    }
    return nullptr;
}
