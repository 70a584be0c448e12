#include "ui/picker/EmojiGridView.h"

#include "catalogue/EmojiStore.h"
#include "settings/Preferences.h"
#include "ui/controls/AccentColor.h"
#include "ui/controls/Toast.h"
#include "ui/picker/EmojiImageCache.h"
#include "ui/picker/EmojiPicking.h"
#include "ui/picker/GroupTitle.h"

#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>

using namespace std::chrono_literals;

namespace {

constexpr int cellPadding = 3; // above and below each cell
constexpr int rowHeight = EmojiGridView::cellSize + 2 * cellPadding;
constexpr int gridWidth = EmojiGridView::columns * EmojiGridView::cellSize;
constexpr int headerTopPadding = 16;
constexpr int headerSidePadding = 16;
constexpr int headerFontSize = 12;
constexpr qreal selectionRadius = 6;
constexpr auto toastDuration = 1500ms;
// Before a group's title: the key of its heading for assistive technology.
const QString headingKey = QStringLiteral("heading:");

QFont headerFont(const QFont& base) {
    QFont font = base;
    font.setPixelSize(headerFontSize);
    font.setWeight(QFont::Normal);
    return font;
}

} // namespace

int EmojiGridView::Section::bottom() const {
    return cellsTop + rows * rowHeight;
}

EmojiGridView::EmojiGridView(EmojiStore& store, EmojiImageCache& images, EmojiPicking& picking,
                             Preferences& preferences, QWidget* parent)
    : QAbstractScrollArea(parent), m_store(store), m_images(images), m_picking(picking),
      m_preferences(preferences) {
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(tr("Emoji"));
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The panel's background shows through.
    viewport()->setAutoFillBackground(false);
    verticalScrollBar()->setSingleStep(rowHeight);
    setFixedWidth(gridWidth + verticalScrollBar()->sizeHint().width());

    connect(&m_store, &EmojiStore::systemGroupsChanged, this, &EmojiGridView::relayout);
    connect(&m_store, &EmojiStore::systemGroupsChanged, this, &EmojiGridView::prepareImages);
    connect(&m_store, &EmojiStore::favoriteGroupChanged, this, &EmojiGridView::relayout);
    connect(&m_store, &EmojiStore::recentGroupChanged, this, &EmojiGridView::relayout);
    connect(&m_preferences, &Preferences::useSystemColorChanged, viewport(),
            qOverload<>(&QWidget::update));
    relayout();
    makeItemsAccessible(this);
}

// What a tab shows at once, the first page of every group, is drawn ahead on
// a worker thread; the rest as it scrolls into sight, a few rows at a time.
// Images are kept only of what was shown or is a tab away. Searches only
// narrow the groups: there is nothing new to draw then.
void EmojiGridView::prepareImages() {
    if (!m_store.searchText().isEmpty())
        return;
    const int page = viewport()->height();
    QStringList symbols;
    for (const Section& section : std::as_const(m_sections)) {
        forEachCellIn(QRect(0, section.top, gridWidth, qMin(page, section.bottom() - section.top)),
                      [&symbols](const Emoji& emoji, const QRect&) { symbols << emoji.symbol; });
    }
    m_images.prepareInBackground(symbols);
}

QSize EmojiGridView::sizeHint() const {
    return QSize(width(), qMin(m_contentHeight, 480));
}

void EmojiGridView::relayout() {
    m_headerTextHeight = QFontMetrics(headerFont(font())).height();
    m_sections.clear();
    int y = 0;
    const auto add = [&](const QString& title, const QList<Emoji>& emojis) {
        Section section{title, emojis, y, y + headerTopPadding + m_headerTextHeight, 0};
        section.rows = int((emojis.size() + columns - 1) / columns);
        y = section.bottom();
        m_sections << section;
    };
    if (!m_store.searchText().isEmpty())
        add(bestMatchesTitle, m_store.bestMatches());
    for (const EmojiGroup& group : m_store.allGroups())
        add(group.id(), group.emojis);
    m_contentHeight = y;
    updateScrollRange();
    viewport()->update();
}

void EmojiGridView::updateScrollRange() {
    QScrollBar* bar = verticalScrollBar();
    bar->setPageStep(viewport()->height());
    bar->setRange(0, qMax(0, m_contentHeight - viewport()->height()));
}

void EmojiGridView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateScrollRange();
}

void EmojiGridView::scrollContentsBy(int, int dy) {
    viewport()->scroll(0, dy);
    // Notices stay by their cells.
    for (auto toast = m_toasts.cbegin(); toast != m_toasts.cend(); ++toast) {
        if (const auto cell = cellRect(toast.key()))
            toast.value()->setAnchor(*cell);
    }
}

void EmojiGridView::setSelectedEmoji(const std::optional<Emoji>& emoji) {
    const bool same = emoji.has_value() == m_selectedEmoji.has_value() &&
                      (!emoji || emoji->id == m_selectedEmoji->id);
    m_selectedEmoji = emoji;
    if (same)
        return;
    viewport()->update();
    if (m_selectedEmoji)
        announceSelectedItem(this, m_selectedEmoji->id.toString());
    emit selectedEmojiChanged();
}

// A group's header is a heading before its cells, named by the group's title.
AccessibleItems::Item EmojiGridView::headingItem(const Section& section) const {
    const QPoint origin = viewport()->pos() - QPoint(0, verticalScrollBar()->value());
    return Item{headingKey + section.title, shownTitle(section.title),
                contentHeaderRect(section).translated(origin), false, QAccessible::Heading};
}

std::optional<AccessibleItems::Item> EmojiGridView::accessibleItem(const QString& key) const {
    if (key.startsWith(headingKey)) {
        for (const Section& section : m_sections) {
            if (headingKey + section.title == key)
                return headingItem(section);
        }
        return std::nullopt;
    }
    const auto position = positionOf(QUuid(key));
    if (!position)
        return std::nullopt;
    const Emoji& emoji = m_sections[position->section].emojis[position->index];
    const QPoint origin = viewport()->pos() - QPoint(0, verticalScrollBar()->value());
    return Item{key, emoji.shownName(), contentCellRect(*position).translated(origin),
                m_selectedEmoji && m_selectedEmoji->id == emoji.id};
}

QList<AccessibleItems::Item> EmojiGridView::accessibleItems() const {
    const int offset = verticalScrollBar()->value();
    const QPoint origin = viewport()->pos() - QPoint(0, offset);
    const QRect view(0, offset, gridWidth, viewport()->height());
    QList<Item> items;
    for (const Section& section : m_sections) {
        const QRect area(0, section.top, gridWidth, section.bottom() - section.top);
        if (!area.intersects(view))
            continue;
        if (contentHeaderRect(section).intersects(view))
            items << headingItem(section);
        forEachCellIn(area & view, [&](const Emoji& emoji, const QRect& cell) {
            items << Item{emoji.id.toString(), emoji.shownName(), cell.translated(origin),
                          m_selectedEmoji && m_selectedEmoji->id == emoji.id};
        });
    }
    return items;
}

void EmojiGridView::pressAccessibleItem(const QString& key) {
    if (const auto position = positionOf(QUuid(key)))
        setSelectedEmoji(m_sections[position->section].emojis[position->index]);
}

void EmojiGridView::scrollToGroup(const QString& title) {
    for (const Section& section : std::as_const(m_sections)) {
        if (section.title == title) {
            verticalScrollBar()->setValue(section.top);
            return;
        }
    }
}

bool EmojiGridView::selectFirstIn(const QString& title) {
    for (int section = 0; section < m_sections.size(); ++section) {
        if (m_sections[section].title == title && !m_sections[section].emojis.isEmpty()) {
            setSelectedEmoji(m_sections[section].emojis.first());
            scrollToShow(Position{section, 0});
            return true;
        }
    }
    return false;
}

QStringList EmojiGridView::headers() const {
    QStringList titles;
    for (const Section& section : m_sections)
        titles << shownTitle(section.title).toUpper();
    return titles;
}

std::optional<QRect> EmojiGridView::headerRect(const QString& title) const {
    for (const Section& section : m_sections) {
        if (section.title == title)
            return contentHeaderRect(section).translated(0, -verticalScrollBar()->value());
    }
    return std::nullopt;
}

QRect EmojiGridView::contentHeaderRect(const Section& section) const {
    return QRect(headerSidePadding, section.top + headerTopPadding,
                 gridWidth - 2 * headerSidePadding, m_headerTextHeight);
}

std::optional<QRect> EmojiGridView::cellRect(const QUuid& id) const {
    const auto position = positionOf(id);
    if (!position)
        return std::nullopt;
    return contentCellRect(*position).translated(0, -verticalScrollBar()->value());
}

QRect EmojiGridView::contentCellRect(const Position& position) const {
    const Section& section = m_sections[position.section];
    const int row = position.index / columns;
    const int column = position.index % columns;
    return QRect(column * cellSize, section.cellsTop + row * rowHeight + cellPadding, cellSize,
                 cellSize);
}

std::optional<EmojiGridView::Position> EmojiGridView::positionOf(const QUuid& id) const {
    for (int section = 0; section < m_sections.size(); ++section) {
        const QList<Emoji>& emojis = m_sections[section].emojis;
        for (int index = 0; index < emojis.size(); ++index) {
            if (emojis[index].id == id)
                return Position{section, index};
        }
    }
    return std::nullopt;
}

std::optional<Emoji> EmojiGridView::emojiAt(const QPoint& position) const {
    const int y = position.y() + verticalScrollBar()->value();
    if (position.x() < 0 || position.x() >= gridWidth)
        return std::nullopt;
    for (const Section& section : m_sections) {
        if (y < section.cellsTop || y >= section.bottom())
            continue;
        const qsizetype index =
            qsizetype((y - section.cellsTop) / rowHeight) * columns + position.x() / cellSize;
        if (index < section.emojis.size())
            return section.emojis[index];
        return std::nullopt;
    }
    return std::nullopt;
}

template <typename Visit> void EmojiGridView::forEachCellIn(const QRect& area, Visit visit) const {
    for (const Section& section : m_sections) {
        if (section.bottom() <= area.top())
            continue;
        if (section.top > area.bottom())
            break;
        const int firstRow = qMax(0, (area.top() - section.cellsTop) / rowHeight);
        const int lastRow = qMin(section.rows - 1, (area.bottom() - section.cellsTop) / rowHeight);
        const QList<Emoji>& emojis = section.emojis;
        for (int row = firstRow; row <= lastRow; ++row) {
            for (int column = 0; column < columns; ++column) {
                const qsizetype index = qsizetype(row) * columns + column;
                if (index >= emojis.size())
                    break;
                visit(emojis[index],
                      QRect(column * cellSize, section.cellsTop + row * rowHeight + cellPadding,
                            cellSize, cellSize));
            }
        }
    }
}

void EmojiGridView::paintEvent(QPaintEvent* event) {
    const int offset = verticalScrollBar()->value();
    const QRect exposed = event->rect().translated(0, offset);
    // The images in sight that were never drawn, such as the whole first page,
    // are drawn together before any is painted.
    QStringList symbols;
    forEachCellIn(exposed,
                  [&symbols](const Emoji& emoji, const QRect&) { symbols << emoji.symbol; });
    m_images.drawNow(symbols);

    QPainter painter(viewport());
    painter.translate(0, -offset);
    painter.setFont(headerFont(font()));
    painter.setPen(palette().color(QPalette::WindowText));
    for (const Section& section : std::as_const(m_sections)) {
        const QRect header = contentHeaderRect(section);
        if (header.intersects(exposed))
            painter.drawText(header, Qt::AlignLeft | Qt::AlignVCenter,
                             shownTitle(section.title).toUpper());
    }
    const QColor accent = appAccentColor(m_preferences.useSystemColor());
    forEachCellIn(exposed, [this, &painter, &accent](const Emoji& emoji, const QRect& cell) {
        if (m_selectedEmoji && m_selectedEmoji->id == emoji.id) {
            painter.setRenderHint(QPainter::Antialiasing);
            QColor fill = accent;
            fill.setAlphaF(0.1);
            painter.setBrush(fill);
            painter.setPen(QPen(accent, 1));
            painter.drawRoundedRect(QRectF(cell).adjusted(1.5, 1.5, -1.5, -1.5), selectionRadius,
                                    selectionRadius);
            painter.setRenderHint(QPainter::Antialiasing, false);
        }
        const QImage image = m_images.image(emoji.symbol);
        const QSizeF size = image.deviceIndependentSize();
        painter.drawImage(QPointF(cell.center().x() + 0.5 - size.width() / 2,
                                  cell.center().y() + 0.5 - size.height() / 2),
                          image);
    });
    // The worker starts once the first page is drawn: started earlier, it draws
    // the same first symbols as this paint at the same time, and the panel
    // opens later.
    if (!m_firstPagePainted) {
        m_firstPagePainted = true;
        QMetaObject::invokeMethod(this, &EmojiGridView::prepareImages, Qt::QueuedConnection);
    }
}

void EmojiGridView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        if (const auto emoji = emojiAt(event->position().toPoint()))
            setSelectedEmoji(emoji);
    }
    QAbstractScrollArea::mousePressEvent(event);
}

void EmojiGridView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    if (const auto emoji = emojiAt(event->position().toPoint())) {
        setSelectedEmoji(emoji);
        activate(*emoji);
    }
}

// The Menu key comes as a context menu event at the middle of the grid; the
// menu is then the selected emoji's, as for Shift+F10.
void EmojiGridView::contextMenuEvent(QContextMenuEvent* event) {
    if (event->reason() == QContextMenuEvent::Keyboard) {
        openSelectionMenu();
        return;
    }
    if (const auto emoji = emojiAt(event->pos()))
        openMenu(*emoji, event->globalPos());
}

// At the selected cell, scrolled into sight; nothing without a selection.
void EmojiGridView::openSelectionMenu() {
    const auto position = m_selectedEmoji ? positionOf(m_selectedEmoji->id) : std::nullopt;
    if (!position)
        return;
    scrollToShow(*position);
    openMenu(*m_selectedEmoji, viewport()->mapToGlobal(cellRect(m_selectedEmoji->id)->center()));
}

void EmojiGridView::openMenu(const Emoji& emoji, const QPoint& at) {
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    connect(menu->addAction(tr("Copy")), &QAction::triggered, this, [this, emoji] {
        m_picking.pick(emoji, false);
        followPick(emoji);
    });
    menu->popup(at);
}

void EmojiGridView::activate(const Emoji& emoji) {
    const QRect cell = cellRect(emoji.id).value_or(QRect());
    const EmojiPicking::Outcome outcome = m_picking.pick(emoji, true);
    const Emoji shown = followPick(emoji);
    if (outcome == EmojiPicking::Outcome::copied)
        showCopiedToast(shown, cellRect(shown.id).value_or(cell));
}

// An emoji of "Recent" picked again leaves its cell for a new copy at the
// front of the group: the selection goes with it.
Emoji EmojiGridView::followPick(const Emoji& picked) {
    const QList<Emoji>& recents = m_store.recentGroup().emojis;
    if (positionOf(picked.id) || recents.isEmpty() || recents.first().symbol != picked.symbol)
        return picked;
    if (m_selectedEmoji && m_selectedEmoji->id == picked.id)
        setSelectedEmoji(recents.first());
    return recents.first();
}

// Each cell has its own notice, gone once hidden.
void EmojiGridView::showCopiedToast(const Emoji& emoji, const QRect& cell) {
    Toast*& toast = m_toasts[emoji.id];
    if (!toast) {
        toast = new Toast(tr("Copied!"), toastDuration, viewport());
        connect(toast, &Toast::isShowingChanged, this, [this, id = emoji.id](bool showing) {
            if (!showing)
                m_toasts.take(id)->deleteLater();
        });
    }
    toast->setAnchor(cell);
    toast->setShowing(true);
}

void EmojiGridView::keyPressEvent(QKeyEvent* event) {
    // Qt makes no context menu event of Shift+F10 on X11.
    if (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier) {
        openSelectionMenu();
        return;
    }
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        moveSelection(event->key());
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (m_selectedEmoji && positionOf(m_selectedEmoji->id))
            activate(*m_selectedEmoji);
        return;
    default:
        QAbstractScrollArea::keyPressEvent(event);
    }
}

// Left and right go through the emoji in order, up and down keep the column;
// both go on into the next or previous group with emoji.
void EmojiGridView::moveSelection(int key) {
    const std::optional<Position> current =
        m_selectedEmoji ? positionOf(m_selectedEmoji->id) : std::nullopt;
    std::optional<Position> next;
    if (!current) {
        next = firstVisiblePosition();
    } else {
        const int count = int(m_sections[current->section].emojis.size());
        const int column = current->index % columns;
        auto nonEmpty = [this](int section, int step) -> std::optional<int> {
            for (section += step; section >= 0 && section < m_sections.size(); section += step) {
                if (!m_sections[section].emojis.isEmpty())
                    return section;
            }
            return std::nullopt;
        };
        auto lastIn = [this](int section) { return int(m_sections[section].emojis.size()) - 1; };
        switch (key) {
        case Qt::Key_Right:
            if (current->index + 1 < count)
                next = Position{current->section, current->index + 1};
            else if (const auto section = nonEmpty(current->section, 1))
                next = Position{*section, 0};
            break;
        case Qt::Key_Left:
            if (current->index > 0)
                next = Position{current->section, current->index - 1};
            else if (const auto section = nonEmpty(current->section, -1))
                next = Position{*section, lastIn(*section)};
            break;
        case Qt::Key_Down:
            if (current->index / columns < (count - 1) / columns)
                next = Position{current->section, qMin(current->index + columns, count - 1)};
            else if (const auto section = nonEmpty(current->section, 1))
                next = Position{*section, qMin(column, lastIn(*section))};
            break;
        case Qt::Key_Up:
            if (current->index >= columns)
                next = Position{current->section, current->index - columns};
            else if (const auto section = nonEmpty(current->section, -1))
                next = Position{*section, qMin(lastIn(*section) / columns * columns + column,
                                               lastIn(*section))};
            break;
        }
    }
    if (!next)
        return;
    setSelectedEmoji(m_sections[next->section].emojis[next->index]);
    scrollToShow(*next);
}

std::optional<EmojiGridView::Position> EmojiGridView::firstVisiblePosition() const {
    const int top = verticalScrollBar()->value();
    std::optional<Position> first;
    for (int section = 0; section < m_sections.size(); ++section) {
        const qsizetype count = m_sections[section].emojis.size();
        for (qsizetype index = 0; index < count; index += columns) {
            const Position position{section, int(index)};
            if (!first)
                first = position;
            if (contentCellRect(position).top() >= top)
                return position;
        }
    }
    return first;
}

void EmojiGridView::scrollToShow(const Position& position) {
    const QRect cell = contentCellRect(position).adjusted(0, -cellPadding, 0, cellPadding);
    QScrollBar* bar = verticalScrollBar();
    if (cell.top() < bar->value())
        bar->setValue(cell.top());
    else if (cell.bottom() >= bar->value() + viewport()->height())
        bar->setValue(cell.bottom() + 1 - viewport()->height());
}
