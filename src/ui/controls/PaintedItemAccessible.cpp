#include "ui/controls/PaintedItemAccessible.h"

PaintedItemAccessible::PaintedItemAccessible(QWidget* widget, AccessibleItems& items, QString key)
    : m_widget(widget), m_items(items), m_key(std::move(key)) {}

std::optional<AccessibleItems::Item> PaintedItemAccessible::item() const {
    if (!m_widget)
        return std::nullopt;
    return m_items.accessibleItem(m_key);
}

int PaintedItemAccessible::index() const {
    if (!m_widget)
        return -1;
    const QList<AccessibleItems::Item> items = m_items.accessibleItems();
    for (int index = 0; index < items.size(); ++index) {
        if (items[index].key == m_key)
            return index;
    }
    return -1;
}

bool PaintedItemAccessible::isValid() const {
    return !m_widget.isNull();
}

QWindow* PaintedItemAccessible::window() const {
    return m_widget ? m_widget->window()->windowHandle() : nullptr;
}

QAccessibleInterface* PaintedItemAccessible::parent() const {
    return m_widget ? QAccessible::queryAccessibleInterface(m_widget) : nullptr;
}

QString PaintedItemAccessible::text(QAccessible::Text type) const {
    if (type != QAccessible::Name)
        return {};
    const auto shown = item();
    return shown ? shown->name : QString();
}

QRect PaintedItemAccessible::rect() const {
    const auto shown = item();
    if (!shown)
        return {};
    return QRect(m_widget->mapToGlobal(shown->rect.topLeft()), shown->rect.size());
}

QAccessible::Role PaintedItemAccessible::role() const {
    if (!m_widget)
        return QAccessible::NoRole;
    const auto shown = item();
    return shown && shown->role ? *shown->role : m_items.accessibleItemRole();
}

bool PaintedItemAccessible::isChoice() const {
    const auto shown = item();
    return shown && !shown->role;
}

// An item scrolled out of sight is still there, only off the screen.
QAccessible::State PaintedItemAccessible::state() const {
    QAccessible::State state;
    const auto shown = item();
    if (!shown) {
        state.invisible = true;
        return state;
    }
    state.offscreen = !m_widget->rect().intersects(shown->rect);
    // A heading is only read.
    if (shown->role)
        return state;
    const bool checkable = role() == QAccessible::RadioButton;
    state.checkable = checkable;
    state.checked = checkable && shown->selected;
    state.selectable = !checkable;
    state.selected = !checkable && shown->selected;
    state.focusable = m_widget->focusPolicy() != Qt::NoFocus;
    state.focused = shown->selected && m_widget->hasFocus();
    return state;
}

void* PaintedItemAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::ActionInterface)
        return static_cast<QAccessibleActionInterface*>(this);
    return nullptr;
}

QStringList PaintedItemAccessible::actionNames() const {
    return isChoice() ? QStringList{pressAction()} : QStringList();
}

void PaintedItemAccessible::doAction(const QString& actionName) {
    if (actionName == pressAction() && isChoice())
        m_items.pressAccessibleItem(m_key);
}
