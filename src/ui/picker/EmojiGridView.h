#pragma once

#include "catalogue/EmojiGroup.h"
#include "ui/controls/AccessibleItems.h"

#include <QAbstractScrollArea>
#include <QHash>
#include <optional>

class EmojiImageCache;
class EmojiPicking;
class EmojiStore;
class Preferences;
class Toast;

// Every group of the store as one scrolling grid: per group a header (its
// title in upper case) and its emoji in rows of eight 42-point cells; while
// the search field holds text, first the best matches under "Best Matches".
// One painted view, which draws only what is in sight.
//
// A click selects an emoji; a double click (or Return on the selection)
// copies it, records it as recent and then pastes it (autopaste on) or shows
// "Copied!" by its cell; the context menu's "Copy" copies and records only.
// Arrow keys move the selection; from the keyboard (the Menu key, Shift+F10)
// the context menu is the selection's. Assistive technology sees a list of
// the headers and cells in sight: each header a heading named by its group's
// title, each cell named by its emoji's shown name (Emoji::shownName).
class EmojiGridView : public QAbstractScrollArea, public AccessibleItems {
    Q_OBJECT
public:
    static constexpr int columns = 8;
    static constexpr int cellSize = 42;

    static constexpr int symbolSize = 28;
    static inline const QString bestMatchesTitle = QStringLiteral("Best Matches");

    // The images are drawn at symbolSize in squares of cellSize.
    EmojiGridView(EmojiStore& store, EmojiImageCache& images, EmojiPicking& picking,
                  Preferences& preferences, QWidget* parent = nullptr);

    // Selection is by id: a copy of an emoji in "Recent" is not the catalogue's.
    const std::optional<Emoji>& selectedEmoji() const { return m_selectedEmoji; }
    void setSelectedEmoji(const std::optional<Emoji>& emoji);

    // Puts the group's header at the top, as far as the content allows.
    void scrollToGroup(const QString& title);
    // Selects the first emoji of the section and scrolls it into sight; false
    // when the section has none.
    bool selectFirstIn(const QString& title);

    // The headers in order, as shown.
    QStringList headers() const;
    // In viewport coordinates, wherever they are scrolled to; none when absent.
    std::optional<QRect> headerRect(const QString& title) const;
    std::optional<QRect> cellRect(const QUuid& id) const;
    std::optional<Emoji> emojiAt(const QPoint& position) const;

    QSize sizeHint() const override;

    QAccessible::Role accessibleRole() const override { return QAccessible::List; }
    QAccessible::Role accessibleItemRole() const override { return QAccessible::ListItem; }
    QList<Item> accessibleItems() const override;
    std::optional<Item> accessibleItem(const QString& key) const override;
    void pressAccessibleItem(const QString& key) override;

signals:
    void selectedEmojiChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    struct Section {
        QString title;
        QList<Emoji> emojis;
        int top = 0;      // of the header
        int cellsTop = 0; // of the first row
        int rows = 0;
        int bottom() const;
    };
    struct Position {
        int section;
        int index;
    };

    void relayout();
    void updateScrollRange();
    void openSelectionMenu();
    void openMenu(const Emoji& emoji, const QPoint& at);
    void activate(const Emoji& emoji);
    // The cell the picked emoji is in now.
    Emoji followPick(const Emoji& picked);
    void showCopiedToast(const Emoji& emoji, const QRect& cell);
    void moveSelection(int key);
    void scrollToShow(const Position& position);
    std::optional<Position> positionOf(const QUuid& id) const;
    std::optional<Position> firstVisiblePosition() const;
    QRect contentCellRect(const Position& position) const;
    QRect contentHeaderRect(const Section& section) const;
    Item headingItem(const Section& section) const;
    void prepareImages();
    // Calls visit(emoji, cell) for each cell that meets the area, both in the
    // content's coordinates.
    template <typename Visit> void forEachCellIn(const QRect& area, Visit visit) const;

    EmojiStore& m_store;
    EmojiImageCache& m_images;
    EmojiPicking& m_picking;
    Preferences& m_preferences;
    QList<Section> m_sections;
    int m_contentHeight = 0;
    int m_headerTextHeight = 0;
    std::optional<Emoji> m_selectedEmoji;
    bool m_firstPagePainted = false;
    QHash<QUuid, Toast*> m_toasts;
};
