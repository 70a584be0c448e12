#pragma once

#include <QAccessible>
#include <QList>
#include <QRect>
#include <QString>
#include <optional>

class QWidget;

// What a painted widget shows as separate choices (cells, swatches, tabs),
// and the headings between them, told to assistive technology as children of
// the widget: a widget that
// derives from this gets a PaintedItemsAccessible as its interface.
class AccessibleItems {
public:
    struct Item {
        QString key; // stays the same while the item is shown
        QString name;
        QRect rect; // in the widget's coordinates
        bool selected = false;
        // Another than the choices' role, such as the heading of a group of
        // them, which is neither chosen nor focused.
        std::optional<QAccessible::Role> role = std::nullopt;
    };

    virtual ~AccessibleItems() = default;

    virtual QAccessible::Role accessibleRole() const = 0;
    virtual QAccessible::Role accessibleItemRole() const = 0;
    // Those in sight, in reading order.
    virtual QList<Item> accessibleItems() const = 0;
    // Also one out of sight, such as a selection about to be scrolled to.
    virtual std::optional<Item> accessibleItem(const QString& key) const;
    // Does what a click on the item does.
    virtual void pressAccessibleItem(const QString& key) = 0;

protected:
    // Each such widget calls it at the end of its constructor: an interface
    // asked for while it was being built was the base class's.
    static void makeItemsAccessible(QWidget* widget);
    // Tells assistive technology that the item is now the selected one, and
    // the focused one while the widget has the focus.
    static void announceSelectedItem(QWidget* widget, const QString& key);
};
