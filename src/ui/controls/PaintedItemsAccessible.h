#pragma once

#include <QAccessibleWidget>
#include <QHash>

class AccessibleItems;
class PaintedItemAccessible;

// The interface of a painted widget whose children are its items (see
// AccessibleItems). An item keeps its interface, by key, while it is shown,
// so that events sent for it stay valid when others scroll away.
class PaintedItemsAccessible : public QAccessibleWidget {
public:
    PaintedItemsAccessible(QWidget* widget, AccessibleItems& items);
    ~PaintedItemsAccessible() override;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

    // The item's interface, made when first asked for; none for an unknown key.
    QAccessibleInterface* itemInterface(const QString& key) const;
    AccessibleItems& items() const { return m_items; }

private:
    void forgetHiddenItems() const;

    AccessibleItems& m_items;
    mutable QHash<QString, QAccessible::Id> m_children;
};
