#pragma once

#include "catalogue/Family.h"
#include "ui/controls/AccessibleItems.h"

#include <QWidget>

class FamilyGrid;
class Popover;
class Preferences;

// The default family: one cell showing the chosen family (blank for none)
// that opens a popover of all families. The popover stays open across
// choices; a click outside it or on the cell closes it. The owner keeps the choice.
// Assistive technology sees the cell as a button naming the family.
class FamilyPicker : public QWidget, public AccessibleItems {
    Q_OBJECT
public:
    explicit FamilyPicker(const Preferences& preferences, QWidget* parent = nullptr);

    std::optional<Family> selection() const { return m_selection; }
    // Shows the owner's choice; announces nothing.
    void setSelection(std::optional<Family> selection);

    bool isPickerPresented() const { return m_isPickerPresented; }
    void setPickerPresented(bool presented);
    Popover& popover() const { return *m_popover; }
    FamilyGrid& grid() const { return *m_grid; }

    QSize sizeHint() const override;

    QAccessible::Role accessibleRole() const override { return QAccessible::Grouping; }
    QAccessible::Role accessibleItemRole() const override { return QAccessible::PushButton; }
    QList<Item> accessibleItems() const override;
    void pressAccessibleItem(const QString& key) override;

signals:
    // A choice in the popover other than the one shown.
    void selectionChanged(std::optional<Family> selection);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void pick(std::optional<Family> family);

    const Preferences& m_preferences;
    Popover* m_popover;
    FamilyGrid* m_grid;
    std::optional<Family> m_selection;
    bool m_isPickerPresented = false;
    bool m_pressed = false;
};
