#pragma once

#include "catalogue/Family.h"
#include "ui/controls/AccessibleItems.h"

#include <QWidget>

class Preferences;

// The family choices inside the family picker's popover: 25 families in a
// grid of five columns, then the single family emoji and an empty cell for
// "no family" on a row of their own. Assistive technology sees radio buttons
// named by the family emoji, which screen readers speak by their names.
class FamilyGrid : public QWidget, public AccessibleItems {
    Q_OBJECT
public:
    explicit FamilyGrid(const Preferences& preferences, QWidget* parent = nullptr);

    void setSelection(std::optional<Family> selection);
    // The cell of a family, or the empty cell for no family.
    QRect cellRect(std::optional<Family> family) const;

    QSize sizeHint() const override;

    QAccessible::Role accessibleRole() const override { return QAccessible::Grouping; }
    QAccessible::Role accessibleItemRole() const override { return QAccessible::RadioButton; }
    QList<Item> accessibleItems() const override;
    void pressAccessibleItem(const QString& key) override;

signals:
    // Every click on a cell, also on the one already chosen.
    void picked(std::optional<Family> family);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    struct Cell {
        std::optional<Family> family;
        QRect rect;
    };
    const Cell* cellAt(const QPoint& point) const;

    const Preferences& m_preferences;
    QList<Cell> m_cells;
    std::optional<Family> m_selection;
    const Cell* m_pressed = nullptr;
};
