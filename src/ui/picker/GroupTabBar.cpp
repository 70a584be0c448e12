#include "ui/picker/GroupTabBar.h"

#include "settings/Preferences.h"
#include "ui/controls/AccentColor.h"
#include "ui/picker/GroupTitle.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

namespace {
constexpr int iconSize = 16;
constexpr int iconPadding = 6;
constexpr int tabSize = iconSize + 2 * iconPadding;
constexpr int spacing = 6;
} // namespace

GroupTabBar::GroupTabBar(const ResourceLocator& resources, Preferences& preferences,
                         QWidget* parent)
    : QWidget(parent), m_preferences(preferences) {
    for (EmojiGroupType type : allGroupTypes())
        m_icons << TemplateImage::named(resources, icon(type));
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    connect(&m_preferences, &Preferences::useSystemColorChanged, this,
            qOverload<>(&QWidget::update));
    makeItemsAccessible(this);
}

void GroupTabBar::setGroups(const QList<EmojiGroupType>& groups) {
    if (groups == m_groups)
        return;
    m_groups = groups;
    updateGeometry();
    update();
}

void GroupTabBar::setCurrent(EmojiGroupType group) {
    m_current = group;
    update();
}

QRect GroupTabBar::tabRect(int index) const {
    return QRect(index * (tabSize + spacing), 0, tabSize, tabSize);
}

QSize GroupTabBar::sizeHint() const {
    const int count = int(m_groups.size());
    return QSize(count > 0 ? count * tabSize + (count - 1) * spacing : 0, tabSize);
}

int GroupTabBar::tabAt(const QPoint& position) const {
    for (int index = 0; index < m_groups.size(); ++index) {
        if (tabRect(index).contains(position))
            return index;
    }
    return -1;
}

QList<AccessibleItems::Item> GroupTabBar::accessibleItems() const {
    QList<Item> items;
    for (int index = 0; index < m_groups.size(); ++index) {
        items << Item{title(m_groups[index]), shownTitle(title(m_groups[index])), tabRect(index),
                      m_groups[index] == m_current};
    }
    return items;
}

void GroupTabBar::pressAccessibleItem(const QString& key) {
    for (EmojiGroupType group : std::as_const(m_groups)) {
        if (title(group) == key)
            emit tabClicked(group);
    }
}

bool GroupTabBar::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const int index = tabAt(help->pos());
        if (index >= 0)
            QToolTip::showText(help->globalPos(), shownTitle(title(m_groups[index])), this,
                               tabRect(index));
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}

void GroupTabBar::mousePressEvent(QMouseEvent* event) {
    const int index = tabAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && index >= 0)
        emit tabClicked(m_groups[index]);
}

void GroupTabBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QColor accent = appAccentColor(m_preferences.useSystemColor());
    const QColor primary = palette().color(QPalette::WindowText);
    for (int index = 0; index < m_groups.size(); ++index) {
        const EmojiGroupType group = m_groups[index];
        const QRectF icon =
            QRectF(tabRect(index)).adjusted(iconPadding, iconPadding, -iconPadding, -iconPadding);
        m_icons[static_cast<int>(group)].paint(painter, icon,
                                               group == m_current ? accent : primary);
    }
}
