#pragma once

#include "catalogue/Tone.h"
#include "ui/controls/AccessibleItems.h"

#include <QWidget>

// The default skin tone: six round swatches in tone order, a white dot on the
// chosen one. A click chooses; the owner keeps the choice. Assistive technology
// sees the swatches as radio buttons named by tone.
class TonePicker : public QWidget, public AccessibleItems {
    Q_OBJECT
public:
    explicit TonePicker(QWidget* parent = nullptr);

    static QColor swatchColor(Tone tone);

    std::optional<Tone> selection() const { return m_selection; }
    // Shows the owner's choice; announces nothing.
    void setSelection(std::optional<Tone> selection);
    QRect swatchRect(Tone tone) const;

    QSize sizeHint() const override;
    // It draws its cells at their size: it does not shrink.
    QSize minimumSizeHint() const override { return sizeHint(); }

    QAccessible::Role accessibleRole() const override { return QAccessible::Grouping; }
    QAccessible::Role accessibleItemRole() const override { return QAccessible::RadioButton; }
    QList<Item> accessibleItems() const override;
    void pressAccessibleItem(const QString& key) override;

signals:
    // A click chose another tone than the one shown.
    void selectionChanged(std::optional<Tone> selection);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void choose(Tone tone);
    std::optional<Tone> toneAt(const QPoint& point) const;

    std::optional<Tone> m_selection;
    std::optional<Tone> m_pressed;
};
