#pragma once

#include "catalogue/EmojiGroupType.h"
#include "ui/controls/AccessibleItems.h"
#include "ui/controls/TemplateImage.h"

#include <QWidget>

class Preferences;
class ResourceLocator;

// The row of group tabs above the grid: each group's icon, in the accent
// colour for the current tab and the text colour for the others. Assistive
// technology sees tabs named by group.
class GroupTabBar : public QWidget, public AccessibleItems {
    Q_OBJECT
public:
    GroupTabBar(const ResourceLocator& resources, Preferences& preferences,
                QWidget* parent = nullptr);

    void setGroups(const QList<EmojiGroupType>& groups);
    const QList<EmojiGroupType>& groups() const { return m_groups; }
    void setCurrent(EmojiGroupType group);
    EmojiGroupType current() const { return m_current; }
    QRect tabRect(int index) const;

    QSize sizeHint() const override;

    QAccessible::Role accessibleRole() const override { return QAccessible::PageTabList; }
    QAccessible::Role accessibleItemRole() const override { return QAccessible::PageTab; }
    QList<Item> accessibleItems() const override;
    void pressAccessibleItem(const QString& key) override;

signals:
    void tabClicked(EmojiGroupType group);

protected:
    bool event(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    int tabAt(const QPoint& position) const;

    Preferences& m_preferences;
    QList<TemplateImage> m_icons; // by group type, in declaration order
    QList<EmojiGroupType> m_groups;
    EmojiGroupType m_current = EmojiGroupType::favorites;
};
