#include "ui/picker/MenuBarView.h"

#include "catalogue/EmojiStore.h"
#include "ui/DesktopShell.h"
#include "ui/controls/BlurView.h"
#include "ui/controls/CancellableSearchField.h"
#include "ui/controls/Divider.h"
#include "ui/controls/ImageButton.h"
#include "ui/controls/Popover.h"
#include "ui/picker/EmojiGridView.h"
#include "ui/picker/EmojiPanelView.h"
#include "ui/picker/GroupTabBar.h"
#include "ui/picker/HoverButton.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QVBoxLayout>

namespace {
constexpr int headerInset = 16;
constexpr int headerSpacing = 8;
constexpr int searchRowSpacing = 16;
constexpr QSize menuImageSize(30, 22);
constexpr int dividerTopPadding = 6;
constexpr int menuPadding = 8;
constexpr qreal detailBackgroundOpacity = 0.2;
} // namespace

MenuBarView::MenuBarView(Services services, QWidget* parent)
    : QWidget(parent), m_services(services),
      m_background(new BlurView(BlurView::sidebarMaterial, this)) {
    // As tall as that where the screen allows; the panel shortens it on a
    // shorter screen.
    setMaximumHeight(fixedHeight);
    auto* stack = new QVBoxLayout(this);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->setSpacing(0);
    stack->addLayout(buildHeader());
    stack->addSpacing(dividerTopPadding);
    stack->addWidget(new Divider);

    m_grid = new EmojiGridView(m_services.emojiStore, m_services.images, m_services.picking,
                               m_services.preferences);
    stack->addWidget(m_grid, 1, Qt::AlignHCenter);

    m_detailArea = new QWidget;
    auto* detail = new QVBoxLayout(m_detailArea);
    detail->setContentsMargins(0, 0, 0, 0);
    detail->setSpacing(0);
    detail->addWidget(new Divider);
    m_detailPanel =
        new EmojiPanelView({m_services.picking, m_services.emojiStore, m_services.preferences,
                            m_services.registry, m_services.background, m_services.measurer,
                            m_services.preset, m_services.userShortcuts, m_services.resources});
    detail->addWidget(m_detailPanel);
    m_detailArea->hide();
    m_detailArea->installEventFilter(this);
    stack->addWidget(m_detailArea);

    connect(m_searchField, &SearchField::queryChanged, this, &MenuBarView::search);
    connect(m_tabBar, &GroupTabBar::tabClicked, this, &MenuBarView::selectGroup);
    connect(&m_services.emojiStore, &EmojiStore::systemGroupsChanged, this,
            &MenuBarView::refreshTabs);
    connect(m_grid, &EmojiGridView::selectedEmojiChanged, this, &MenuBarView::showSelection);
    connect(m_menuButton, &QAbstractButton::clicked, this,
            [this] { setMenuPopoverPresented(!isMenuPopoverPresented()); });
    m_searchField->lineEdit().installEventFilter(this);
    refreshTabs();
}

QLayout* MenuBarView::buildHeader() {
    auto* header = new QVBoxLayout;
    header->setContentsMargins(headerInset, headerInset, headerInset, 0);
    header->setSpacing(headerSpacing);

    auto* searchRow = new QHBoxLayout;
    searchRow->setSpacing(searchRowSpacing);
    m_searchField = new CancellableSearchField(QStringLiteral("Search"), m_services.resources);
    m_menuButton = new ImageButton(
        TemplateImage::named(m_services.resources, QStringLiteral("menu")), menuImageSize);
    m_menuButton->setAccessibleName(QStringLiteral("Menu"));
    m_searchField->lineEdit().setAccessibleName(QStringLiteral("Search emoji"));
    searchRow->addWidget(m_searchField, 1);
    searchRow->addWidget(m_menuButton);
    header->addLayout(searchRow);

    m_tabBar = new GroupTabBar(m_services.resources, m_services.preferences);
    header->addWidget(m_tabBar, 0, Qt::AlignHCenter);
    return header;
}

void MenuBarView::buildMenu() {
    m_menuPopover = new Popover(Popover::Behavior::transient, m_menuButton);
    auto* content = new QWidget;
    auto* entries = new QVBoxLayout(content);
    entries->setContentsMargins(0, 0, 0, 0);
    entries->setSpacing(0);
    auto* settings = new HoverButton(QStringLiteral("gearshape"), QStringLiteral("Settings"),
                                     m_services.preferences, m_services.resources);
    auto* quit = new HoverButton(QStringLiteral("power"), QStringLiteral("Quit"),
                                 m_services.preferences, m_services.resources);
    entries->addWidget(settings);
    entries->addWidget(quit);
    m_menuPopover->setContent(content, menuPadding);

    // The panel closes before the settings window opens.
    connect(settings, &QAbstractButton::clicked, this, [this] {
        setMenuPopoverPresented(false);
        m_services.windowManager.closePopover();
        m_services.windowManager.openSettings();
    });
    connect(quit, &QAbstractButton::clicked, this, [this] {
        setMenuPopoverPresented(false);
        QCoreApplication::quit();
    });
}

bool MenuBarView::isMenuPopoverPresented() const {
    return m_menuPopover && m_menuPopover->isVisible();
}

void MenuBarView::setMenuPopoverPresented(bool presented) {
    if (presented == isMenuPopoverPresented())
        return;
    if (!presented) {
        m_menuPopover->hide();
        return;
    }
    if (!m_menuPopover)
        buildMenu();
    m_menuPopover->showAt();
}

// The best matches open the grid while there is text.
void MenuBarView::search(const QString& text) {
    m_services.emojiStore.setSearchText(text);
    if (!text.isEmpty())
        m_grid->scrollToGroup(EmojiGridView::bestMatchesTitle);
}

// A click on the current tab does not scroll again, even after scrolling away.
void MenuBarView::selectGroup(EmojiGroupType group) {
    if (m_selectedGroup == group)
        return;
    m_selectedGroup = group;
    refreshTabs();
    m_grid->scrollToGroup(title(group));
}

void MenuBarView::refreshTabs() {
    QList<EmojiGroupType> groups;
    for (const EmojiGroup& group : m_services.emojiStore.allGroups())
        groups << group.type;
    m_tabBar->setGroups(groups);
    m_tabBar->setCurrent(m_selectedGroup.value_or(groups.first()));
}

// The panel keeps showing the last selection, also while a search hides its cell.
void MenuBarView::showSelection() {
    const auto& selected = m_grid->selectedEmoji();
    if (!selected)
        return;
    if (m_detailPanel->emoji().id != selected->id)
        m_detailPanel->setEmoji(*selected);
    m_detailArea->show();
}

// White or black at 0.2, by the light or dark look.
void MenuBarView::paintDetailBackground() {
    const bool dark = palette().color(QPalette::Window).lightness() < 128;
    QColor tint = dark ? Qt::black : Qt::white;
    tint.setAlphaF(detailBackgroundOpacity);
    QPainter(m_detailArea).fillRect(m_detailArea->rect(), tint);
}

bool MenuBarView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_detailArea && event->type() == QEvent::Paint)
        paintDetailBackground();
    // Down goes on to the grid: to the first best match while searching,
    // as the grid's own Down would otherwise.
    if (watched == &m_searchField->lineEdit() && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Down) {
        m_grid->setFocus(Qt::TabFocusReason);
        if (!m_grid->selectFirstIn(EmojiGridView::bestMatchesTitle)) {
            QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
            QCoreApplication::sendEvent(m_grid, &down);
        }
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

QSize MenuBarView::sizeHint() const {
    return {QWidget::sizeHint().width(), fixedHeight};
}

void MenuBarView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    m_background->setGeometry(rect());
    m_background->lower();
}
