#pragma once

#include <QAccessibleInterface>
#include <QPointer>
#include <QWidget>
#include <optional>

#include "ui/controls/AccessibleItems.h"

// One item of a painted widget (see AccessibleItems), found again by its key
// each time it is asked about: the widget's items change as it scrolls.
class PaintedItemAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    PaintedItemAccessible(QWidget* widget, AccessibleItems& items, QString key);

    const QString& key() const { return m_key; }
    // Where the item is among the widget's items now; -1 when it is not shown.
    int index() const;

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QString text(QAccessible::Text type) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    std::optional<AccessibleItems::Item> item() const;
    // A choice, not a heading.
    bool isChoice() const;

    QPointer<QWidget> m_widget;
    AccessibleItems& m_items;
    QString m_key;
};
