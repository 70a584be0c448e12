#pragma once

#include "ui/controls/AccessibleItems.h"

#include <QStringList>
#include <QWidget>

class Preferences;

// The skin-tone forms of the shown emoji in a row; the current form is marked
// in the accent colour. A click chooses a form, a double click also copies it.
// Assistive technology sees radio buttons named by tone.
class SkinToneRow : public QWidget, public AccessibleItems {
    Q_OBJECT
public:
    explicit SkinToneRow(Preferences& preferences, QWidget* parent = nullptr);

    void setForms(const QStringList& forms, const QString& current);
    const QStringList& forms() const { return m_forms; }
    QRect formRect(int index) const;

    QSize sizeHint() const override;

    QAccessible::Role accessibleRole() const override { return QAccessible::Grouping; }
    QAccessible::Role accessibleItemRole() const override { return QAccessible::RadioButton; }
    QList<Item> accessibleItems() const override;
    void pressAccessibleItem(const QString& key) override;

signals:
    void formClicked(const QString& form);
    void formDoubleClicked(const QString& form);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    int formAt(const QPoint& position) const;
    QSize formSize() const;

    Preferences& m_preferences;
    QStringList m_forms;
    QString m_current;
};
