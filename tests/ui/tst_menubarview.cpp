#include "PickerFixture.h"
#include "TestEnvironment.h"
#include "app/WindowManager.h"
#include "ui/controls/AccentColor.h"
#include "ui/controls/CancellableSearchField.h"
#include "ui/controls/ImageButton.h"
#include "ui/controls/Popover.h"
#include "ui/controls/SymbolButton.h"
#include "ui/picker/EmojiGridView.h"
#include "ui/picker/EmojiPanelView.h"
#include "ui/picker/GroupTabBar.h"
#include "ui/picker/HoverButton.h"
#include "ui/picker/MenuBarView.h"
#include "ui/picker/PickerPanel.h"

#include <QApplication>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>

namespace {

int cellCount(const EmojiStore& store) {
    int count = 0;
    for (const EmojiGroup& group : store.allGroups())
        count += int(group.emojis.size());
    return count;
}

} // namespace

class MenuBarViewTest : public QObject {
    Q_OBJECT

    std::unique_ptr<PickerFixture> fixture;
    std::unique_ptr<WindowManager> windowManager;
    bool panelShownWhenSettingsOpened = false;

    PickerPanel& panel() const { return *windowManager->popover(); }
    MenuBarView& view() const { return *panel().findChild<MenuBarView*>(); }
    EmojiGridView& grid() const { return view().grid(); }
    QLineEdit& search() const { return view().searchField().lineEdit(); }
    void clickTab(EmojiGroupType group) {
        GroupTabBar& tabs = view().tabBar();
        QTest::mouseClick(&tabs, Qt::LeftButton, {},
                          tabs.tabRect(int(tabs.groups().indexOf(group))).center());
    }
    HoverButton* menuEntry(const QString& text) const {
        for (HoverButton* entry : view().menuPopover()->findChildren<HoverButton*>()) {
            if (entry->text() == text)
                return entry;
        }
        return nullptr;
    }

private slots:
    void init() {
        // Enough emoji that the last group can scroll to the top.
        fixture = std::make_unique<PickerFixture>(130);
        auto settings = [this](WindowManager&) {
            panelShownWhenSettingsOpened = panel().isVisible();
            return std::make_unique<QWidget>();
        };
        auto picker = [this](WindowManager& manager) -> std::unique_ptr<QWidget> {
            return std::make_unique<MenuBarView>(MenuBarView::Services{
                *fixture->store, fixture->images, fixture->preferences, *fixture->picking,
                fixture->shortcuts->registry, fixture->shortcuts->background, manager,
                fixture->resources, fixture->measurer, fixture->shortcuts->preset,
                fixture->shortcuts->userShortcuts});
        };
        windowManager = std::make_unique<WindowManager>(
            fixture->preferences, fixture->defaults, fixture->appManager, fixture->resources,
            WindowManager::Contents{
                picker, [](WindowManager&) { return std::make_unique<QWidget>(); }, settings});
        windowManager->openPopover();
        QVERIFY(QTest::qWaitForWindowExposed(&panel()));
    }
    void cleanup() {
        windowManager.reset();
        fixture.reset();
    }

    void thePanelFitsTheScreenWithTheGridAndNoDetailAtFirst() {
        // The offscreen screen is shorter than the picker: it is shortened.
        const QRect screen = panel().screen()->availableGeometry();
        QVERIFY(screen.height() < MenuBarView::fixedHeight);
        QVERIFY(screen.contains(panel().frameGeometry()));
        QVERIFY(view().height() < MenuBarView::fixedHeight);
        QCOMPARE(view().sizeHint().height(), MenuBarView::fixedHeight);
        QVERIFY(grid().isVisible());
        QVERIFY(!view().detailArea().isVisible());
        QCOMPARE(view().tabBar().groups().size(), 10);
        QCOMPARE(view().searchField().lineEdit().placeholderText(), "Search");
    }

    void aTabScrollsItsGroupToTheTop_data() {
        QTest::addColumn<EmojiGroupType>("group");
        QTest::newRow("Animals & Nature") << EmojiGroupType::animalsAndNature;
        QTest::newRow("Flags, the last group") << EmojiGroupType::flags;
        QTest::newRow("Recent, near the start") << EmojiGroupType::recent;
    }
    void aTabScrollsItsGroupToTheTop() {
        QFETCH(EmojiGroupType, group);
        QCOMPARE(view().tabBar().current(), EmojiGroupType::favorites);
        grid().verticalScrollBar()->setValue(grid().verticalScrollBar()->maximum() / 2);
        clickTab(group);
        QCOMPARE(view().tabBar().current(), group);
        // The header's top padding is all that is above its title.
        QCOMPARE(grid().headerRect(title(group))->top(), 16);
    }

    void clickingTheCurrentTabAgainDoesNotScrollBack() {
        clickTab(EmojiGroupType::flags);
        grid().verticalScrollBar()->setValue(0);
        clickTab(EmojiGroupType::flags);
        QCOMPARE(grid().verticalScrollBar()->value(), 0);
        clickTab(EmojiGroupType::objects);
        QCOMPARE(grid().headerRect("Objects")->top(), 16);
    }

    void everyKeystrokeFiltersAndNoMatchLeavesEveryHeader() {
        const QStringList headers = grid().headers();
        QCOMPARE(headers.size(), 10);
        QTest::keyClicks(&search(), "zz");
        QCOMPARE(fixture->store->searchText(), "zz");
        QTest::keyClick(&search(), Qt::Key_Z);
        QCOMPARE(fixture->store->searchText(), "zzz");
        QCOMPARE(cellCount(*fixture->store), 0);
        QCOMPARE(grid().headers(), QStringList{"BEST MATCHES"} + headers);
        for (const EmojiGroup& group : fixture->store->allGroups())
            QVERIFY(grid().headerRect(group.id()));
        QVERIFY(!grid().emojiAt(QPoint(20, 60)));
    }

    void clearingTheSearchRestoresEveryGroup_data() {
        QTest::addColumn<bool>("byButton");
        QTest::newRow("by the clear button") << true;
        QTest::newRow("by deleting the text") << false;
    }
    void clearingTheSearchRestoresEveryGroup() {
        QFETCH(bool, byButton);
        const int all = cellCount(*fixture->store);
        QTest::keyClicks(&search(), "animals");
        QCOMPARE(cellCount(*fixture->store), 130);
        QVERIFY(view().searchField().clearButton().isVisible());
        if (byButton) {
            QTest::mouseClick(&view().searchField().clearButton(), Qt::LeftButton);
        } else {
            for (int count = 0; count < 7; ++count)
                QTest::keyClick(&search(), Qt::Key_Backspace);
        }
        QCOMPARE(search().text(), QString());
        QCOMPARE(fixture->store->searchText(), QString());
        QCOMPARE(cellCount(*fixture->store), all);
        QVERIFY(!view().searchField().clearButton().isVisible());
        QVERIFY(!grid().headers().contains("BEST MATCHES"));
    }

    void aSelectionOpensTheDetailPanelWhichStaysWhileASearchHidesTheCell() {
        const Emoji dog = fixture->catalogueEmoji("🐶");
        QTest::mouseClick(grid().viewport(), Qt::LeftButton, {}, grid().cellRect(dog.id)->center());
        QVERIFY(view().detailArea().isVisible());
        QCOMPARE(view().detailPanel().emoji().id, dog.id);
        QTest::keyClicks(&search(), "flags");
        QVERIFY(!grid().cellRect(dog.id));
        QVERIFY(view().detailArea().isVisible());
        QCOMPARE(view().detailPanel().emoji().id, dog.id);
    }

    void theDetailBackgroundFollowsTheLook_data() {
        QTest::addColumn<QColor>("window");
        QTest::addColumn<QColor>("tint");
        QTest::newRow("light: white at 0.2") << QColor(236, 236, 236) << QColor(255, 255, 255);
        QTest::newRow("dark: black at 0.2") << QColor(40, 40, 40) << QColor(0, 0, 0);
    }
    void theDetailBackgroundFollowsTheLook() {
        QFETCH(QColor, window);
        QFETCH(QColor, tint);
        QPalette look = view().palette();
        look.setColor(QPalette::Window, window);
        view().setPalette(look);
        grid().setSelectedEmoji(fixture->catalogueEmoji("🐶"));
        QWidget& area = view().detailArea();
        QImage image(area.size(), QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        area.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
        const QColor corner = image.pixelColor(4, area.height() - 4);
        QCOMPARE(corner.rgb() & 0xFFFFFF, tint.rgb() & 0xFFFFFF);
        QVERIFY2(qAbs(corner.alphaF() - 0.2) < 0.01, qPrintable(QString::number(corner.alphaF())));
    }

    void settingsClosesThePanelBeforeTheSettingsWindowOpens() {
        QTest::mouseClick(&view().menuButton(), Qt::LeftButton);
        QVERIFY(view().isMenuPopoverPresented());
        QVERIFY(menuEntry("Quit"));
        QTest::mouseClick(menuEntry("Settings"), Qt::LeftButton);
        QVERIFY(!view().isMenuPopoverPresented());
        QVERIFY(!panel().isVisible());
        QVERIFY(windowManager->settingsWindow()->isVisible());
        QVERIFY(!panelShownWhenSettingsOpened);
    }

    void aMenuEntryShowsTheAccentColourOnlyUnderThePointer() {
        view().setMenuPopoverPresented(true);
        HoverButton* entry = menuEntry("Settings");
        auto accentAtEdge = [entry] {
            QImage image(entry->size(), QImage::Format_ARGB32);
            image.fill(Qt::transparent);
            entry->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
            return image.pixelColor(3, entry->height() / 2);
        };
        QCOMPARE(accentAtEdge().alpha(), 0);
        QEnterEvent enter(QPointF(3, 3), QPointF(3, 3), entry->mapToGlobal(QPointF(3, 3)));
        QApplication::sendEvent(entry, &enter);
        QVERIFY(entry->isHovered());
        QCOMPARE(accentAtEdge().rgb(), brandAccentColor().rgb());
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(entry, &leave);
        QCOMPARE(accentAtEdge().alpha(), 0);
    }

    void escapeClosesThePanel_data() {
        QTest::addColumn<bool>("inSearch");
        QTest::newRow("from the search field") << true;
        QTest::newRow("from the grid") << false;
    }
    void escapeClosesThePanel() {
        QFETCH(bool, inSearch);
        QWidget* target = inSearch ? static_cast<QWidget*>(&search()) : &grid();
        QTest::keyClick(target, Qt::Key_Escape);
        QVERIFY(!panel().isVisible());
    }

    void returnInTheSearchFieldDoesNothing() {
        QTest::keyClicks(&search(), "animals");
        QTest::keyClick(&search(), Qt::Key_Return);
        QVERIFY(panel().isVisible());
        QVERIFY(fixture->pasteboard.texts.isEmpty());
        QVERIFY(!grid().selectedEmoji());
    }

    // The favourite goes first among the equal fits: not the first cell of a group.
    void downInTheSearchFieldSelectsTheFirstBestMatchWhichReturnCopies() {
        fixture->store->addFavorite(fixture->catalogueEmoji("🐶"));
        grid().scrollToGroup("Flags");
        QTest::keyClicks(&search(), "animals");
        QCOMPARE(grid().headers().first(), "BEST MATCHES");
        const Emoji first = fixture->store->bestMatches().first();
        QCOMPARE(first.symbol, "🐶");
        QVERIFY(grid().viewport()->rect().contains(*grid().cellRect(first.id)));
        QVERIFY(grid().cellRect(first.id)->top() < grid().headerRect("Favorites")->top());

        QTest::keyClick(&search(), Qt::Key_Down);
        QVERIFY(grid().hasFocus());
        QCOMPARE(grid().selectedEmoji()->id, first.id);
        QCOMPARE(view().detailPanel().emoji().id, first.id);
        QTest::keyClick(&grid(), Qt::Key_Return);
        QCOMPARE(fixture->pasteboard.texts, QStringList{"🐶"});
    }

    void downInAnEmptySearchFieldSelectsTheFirstEmojiInSight() {
        QTest::keyClick(&search(), Qt::Key_Down);
        QVERIFY(grid().hasFocus());
        QCOMPARE(grid().selectedEmoji()->symbol, "😀");
    }
};

TESSELLE_TEST_MAIN(MenuBarViewTest, QApplication)
#include "tst_menubarview.moc"
