#pragma once

#include "catalogue/Gender.h"
#include "ui/controls/AccessibleItems.h"

#include <QWidget>

class Preferences;

// The default appearance: the person, woman and man emoji side by side, the
// chosen one highlighted. A click chooses; the owner keeps the choice.
// Assistive technology sees the cells as radio buttons named by appearance.
class GenderPicker : public QWidget, public AccessibleItems {
    Q_OBJECT
public:
    explicit GenderPicker(const Preferences& preferences, QWidget* parent = nullptr);

    std::optional<Gender> selection() const { return m_selection; }
    // Shows the owner's choice; announces nothing.
    void setSelection(std::optional<Gender> selection);
    QRect cellRect(Gender gender) const;

    QSize sizeHint() const override;
    // It draws its cells at their size: it does not shrink.
    QSize minimumSizeHint() const override { return sizeHint(); }

    QAccessible::Role accessibleRole() const override { return QAccessible::Grouping; }
    QAccessible::Role accessibleItemRole() const override { return QAccessible::RadioButton; }
    QList<Item> accessibleItems() const override;
    void pressAccessibleItem(const QString& key) override;

signals:
    // A click chose another appearance than the one shown.
    void selectionChanged(std::optional<Gender> selection);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void choose(Gender gender);
    std::optional<Gender> genderAt(const QPoint& point) const;

    const Preferences& m_preferences;
    std::optional<Gender> m_selection;
    std::optional<Gender> m_pressed;
};
