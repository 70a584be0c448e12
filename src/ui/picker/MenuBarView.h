#pragma once

#include "catalogue/EmojiGroupType.h"

#include <QWidget>
#include <optional>

class BackgroundTasks;
class BlurView;
class CancellableSearchField;
class DesktopShell;
class EmojiGridView;
class EmojiImageCache;
class EmojiPanelView;
class EmojiPicking;
class EmojiStore;
class GroupTabBar;
class ImageButton;
class Popover;
class Preferences;
class Preset;
class ResourceLocator;
class ShortcutRegistry;
class TextMeasurer;
class UserShortcuts;

// The whole picker, the content of the panel under the tray icon: the search
// field and the small menu ("Settings", "Quit"), the group tabs, the grid of
// every group and, once an emoji is selected, its detail panel. Each keystroke
// in the search field filters and ranks at once, and shows the best matches at
// the top; a tab scrolls its group to the top. Down in the search field goes
// on to the grid, selecting the first best match.
class MenuBarView : public QWidget {
    Q_OBJECT
public:
    static constexpr int fixedHeight = 816;

    struct Services {
        EmojiStore& emojiStore;
        // The grid's emoji images, kept for the whole run.
        EmojiImageCache& images;
        Preferences& preferences;
        EmojiPicking& picking;
        ShortcutRegistry& registry;
        BackgroundTasks& background;
        DesktopShell& windowManager;
        const ResourceLocator& resources;
        const TextMeasurer& measurer;
        Preset& preset;
        const UserShortcuts& userShortcuts;
    };

    explicit MenuBarView(Services services, QWidget* parent = nullptr);

    CancellableSearchField& searchField() const { return *m_searchField; }
    GroupTabBar& tabBar() const { return *m_tabBar; }
    EmojiGridView& grid() const { return *m_grid; }
    // Shown only while an emoji is selected.
    EmojiPanelView& detailPanel() const { return *m_detailPanel; }
    QWidget& detailArea() const { return *m_detailArea; }
    ImageButton& menuButton() const { return *m_menuButton; }
    // Built when first opened.
    Popover* menuPopover() const { return m_menuPopover; }

    bool isMenuPopoverPresented() const;
    void setMenuPopoverPresented(bool presented);
    QSize sizeHint() const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QLayout* buildHeader();
    void buildMenu();
    void search(const QString& text);
    void selectGroup(EmojiGroupType group);
    void showSelection();
    void refreshTabs();
    void paintDetailBackground();

    Services m_services;
    std::optional<EmojiGroupType> m_selectedGroup;
    BlurView* m_background;
    CancellableSearchField* m_searchField;
    ImageButton* m_menuButton;
    Popover* m_menuPopover = nullptr;
    GroupTabBar* m_tabBar;
    EmojiGridView* m_grid;
    QWidget* m_detailArea;
    EmojiPanelView* m_detailPanel;
};
