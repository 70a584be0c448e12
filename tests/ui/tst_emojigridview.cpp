#include "PickerFixture.h"
#include "TestEnvironment.h"
#include "ui/controls/AccentColor.h"
#include "ui/controls/Popover.h"
#include "ui/controls/Toast.h"
#include "ui/picker/EmojiGridView.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

using namespace std::chrono_literals;

namespace {

enum class Action { doubleClick, returnKey, contextMenuCopy };

// Whether the selection outline runs along the cell's left edge.
bool looksSelected(EmojiGridView& grid, const QRect& cell) {
    QImage image(grid.viewport()->size(), QImage::Format_ARGB32);
    image.fill(Qt::white);
    grid.viewport()->render(&image);
    const QColor edge = image.pixelColor(cell.left() + 1, cell.center().y());
    const QColor accent = brandAccentColor();
    return qAbs(edge.red() - accent.red()) < 40 && qAbs(edge.green() - accent.green()) < 40 &&
           qAbs(edge.blue() - accent.blue()) < 60;
}

QList<Toast*> shownToasts(const EmojiGridView& grid) {
    QList<Toast*> shown;
    for (Toast* toast : grid.findChildren<Toast*>()) {
        if (toast->isShowing())
            shown << toast;
    }
    return shown;
}

} // namespace

Q_DECLARE_METATYPE(Action)

class EmojiGridViewTest : public QObject {
    Q_OBJECT

    std::unique_ptr<PickerFixture> fixture;
    std::unique_ptr<EmojiGridView> grid;

    QPoint centreOf(const Emoji& emoji) const { return grid->cellRect(emoji.id)->center(); }

private slots:
    void init() {
        fixture = std::make_unique<PickerFixture>();
        grid = std::make_unique<EmojiGridView>(*fixture->store, fixture->images, *fixture->picking,
                                               fixture->preferences);
        grid->resize(grid->width(), 400);
        grid->show();
        QVERIFY(QTest::qWaitForWindowExposed(grid.get()));
    }
    void cleanup() {
        grid.reset();
        fixture.reset();
    }

    void everyGroupHasItsHeaderInUpperCaseAndItsCellsInRowsOfEight() {
        QCOMPARE(grid->headers(),
                 (QStringList{"FAVORITES", "RECENT", "SMILEYS & PEOPLE", "ANIMALS & NATURE",
                              "FOOD & DRINK", "TRAVEL & PLACES", "ACTIVITIES", "OBJECTS", "SYMBOLS",
                              "FLAGS"}));
        const EmojiGroup& smileys = fixture->store->systemGroups().first();
        const QRect first = *grid->cellRect(smileys.emojis[0].id);
        const QRect ninth = *grid->cellRect(smileys.emojis[8].id);
        QCOMPARE(first.size(), QSize(42, 42));
        QCOMPARE(grid->cellRect(smileys.emojis[7].id)->left(), 7 * 42);
        QCOMPARE(ninth.topLeft(), first.topLeft() + QPoint(0, 48));
        QCOMPARE(first.top() - grid->headerRect("Smileys & People")->bottom() - 1, 3);
    }

    void theThreeActionsOfACell_data() {
        QTest::addColumn<Action>("action");
        QTest::addColumn<bool>("autoPaste");
        QTest::addColumn<bool>("pastes");
        QTest::addColumn<bool>("notice");
        QTest::addColumn<QString>("failure");
        QTest::newRow("a double click without autopaste shows Copied!")
            << Action::doubleClick << false << false << true << QString();
        QTest::newRow("a double click with autopaste pastes and shows nothing")
            << Action::doubleClick << true << true << false << QString();
        QTest::newRow("Return on the selection acts as a double click")
            << Action::returnKey << false << false << true << QString();
        QTest::newRow("Return on the selection pastes with autopaste")
            << Action::returnKey << true << true << false << QString();
        QTest::newRow("Copy in the context menu neither pastes nor shows a notice")
            << Action::contextMenuCopy << false << false << false << QString();
        QTest::newRow("Copy in the context menu does not paste with autopaste either")
            << Action::contextMenuCopy << true << false << false << QString();
        QTest::newRow("a double click whose autopaste fails shows Copied!")
            << Action::doubleClick << true << true << true
            << "Autopaste is not available in this session";
    }
    void theThreeActionsOfACell() {
        QFETCH(Action, action);
        QFETCH(bool, autoPaste);
        QFETCH(bool, pastes);
        QFETCH(bool, notice);
        QFETCH(QString, failure);
        fixture->preferences.setAutoPaste(autoPaste);
        fixture->pasteService.failure = failure;
        fixture->store->addRecent(fixture->catalogueEmoji("🐶"));
        const Emoji cat = fixture->catalogueEmoji("🐈");

        switch (action) {
        case Action::doubleClick:
            QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, centreOf(cat));
            QCOMPARE(grid->selectedEmoji()->id, cat.id);
            break;
        case Action::returnKey:
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, centreOf(cat));
            QTest::keyClick(grid.get(), Qt::Key_Return);
            break;
        case Action::contextMenuCopy: {
            QContextMenuEvent event(QContextMenuEvent::Mouse, centreOf(cat),
                                    grid->viewport()->mapToGlobal(centreOf(cat)));
            QApplication::sendEvent(grid->viewport(), &event);
            auto* menu = grid->findChild<QMenu*>();
            QVERIFY(menu);
            QCOMPARE(menu->actions().size(), 1);
            QCOMPARE(menu->actions().first()->text(), "Copy");
            menu->actions().first()->trigger();
            break;
        }
        }

        QCOMPARE(fixture->pasteboard.texts, QStringList{"🐈"});
        const QList<Emoji>& recent = fixture->store->recentGroup().emojis;
        QCOMPARE(recent.size(), 2);
        QCOMPARE(recent.first().symbol, "🐈");
        QCOMPARE(fixture->pasteService.steps().contains("paste"), pastes);
        const QList<Toast*> toasts = shownToasts(*grid);
        QCOMPARE(toasts.size(), notice ? 1 : 0);
        if (notice)
            QVERIFY(toasts.first()->bubble().isVisible());
    }

    void theKeyboardsContextMenuIsTheSelectedEmojis_data() {
        QTest::addColumn<QKeyCombination>("keys");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<bool>("scrolledAway");
        QTest::newRow("the Menu key copies the selection, not the emoji in the middle")
            << QKeyCombination(Qt::Key_Menu) << "😀" << false;
        QTest::newRow("Shift+F10 copies the selection")
            << QKeyCombination(Qt::ShiftModifier, Qt::Key_F10) << "🐈" << false;
        QTest::newRow("a selection out of sight is scrolled to")
            << QKeyCombination(Qt::Key_Menu) << "🇩🇪" << true;
        QTest::newRow("without a selection there is no menu")
            << QKeyCombination(Qt::Key_Menu) << QString() << false;
    }
    void theKeyboardsContextMenuIsTheSelectedEmojis() {
        QFETCH(QKeyCombination, keys);
        QFETCH(QString, selected);
        QFETCH(bool, scrolledAway);
        if (!selected.isEmpty()) {
            const Emoji emoji = fixture->catalogueEmoji(selected);
            if (scrolledAway)
                grid->scrollToGroup("Flags");
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, centreOf(emoji));
            if (scrolledAway)
                grid->scrollToGroup("Smileys & People");
            QCOMPARE(grid->viewport()->rect().contains(centreOf(emoji)), !scrolledAway);
        }
        QVERIFY(grid->emojiAt(grid->viewport()->rect().center()) != grid->selectedEmoji());
        grid->setFocus();
        if (keys.key() == Qt::Key_Menu) {
            // What the X11 platform makes of the key, for the window.
            QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(), QPoint());
            QApplication::sendEvent(grid->windowHandle(), &event);
        }
        QTest::keyClick(grid.get(), keys.key(), keys.keyboardModifiers());
        auto* menu = grid->findChild<QMenu*>();
        if (selected.isEmpty()) {
            QVERIFY(!menu);
            return;
        }
        QVERIFY(menu);
        const QRect cell = *grid->cellRect(grid->selectedEmoji()->id);
        QVERIFY(grid->viewport()->rect().contains(cell));
        QTRY_VERIFY(menu->isVisible());
        const QPoint at = menu->pos();
        menu->actions().first()->trigger();
        QCOMPARE(fixture->pasteboard.texts, QStringList{selected});
        QCOMPARE(fixture->store->recentGroup().emojis.first().symbol, selected);
        QCOMPARE(at, grid->viewport()->mapToGlobal(cell.center()));
    }

    // Timers fire in the order they fall due, however late the event loop gets
    // to them: the look below comes before the notice's own timer.
    void theNoticeOfACellShowsForOneAndAHalfSecondsAndThenGoes() {
        const Emoji cat = fixture->catalogueEmoji("🐈");
        std::optional<bool> showingShortlyBefore;
        QTimer::singleShot(1400ms, [&] { showingShortlyBefore = shownToasts(*grid).size() == 1; });
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, centreOf(cat));
        QCOMPARE(shownToasts(*grid).size(), 1);
        QVERIFY(waitUntil([&] { return grid->findChildren<Toast*>().isEmpty(); }));
        QVERIFY(showingShortlyBefore);
        QVERIFY(*showingShortlyBefore);
    }

    // A recent emoji picked again leaves its cell for a new copy at the front
    // of Recent: the selection was lost and the notice showed by the old cell.
    void aRecentEmojiPickedAgainStaysSelectedWithItsNoticeByIt_data() {
        QTest::addColumn<Action>("action");
        QTest::newRow("a double click") << Action::doubleClick;
        QTest::newRow("Return") << Action::returnKey;
        QTest::newRow("Copy in the context menu, which shows no notice") << Action::contextMenuCopy;
    }
    void aRecentEmojiPickedAgainStaysSelectedWithItsNoticeByIt() {
        QFETCH(Action, action);
        for (const char* symbol : {"🐈", "⚽", "🚀", "☕", "🐶", "👍", "🫂", "🤗", "😀"})
            fixture->store->addRecent(fixture->catalogueEmoji(symbol));
        // The first of the second row.
        const Emoji picked = fixture->store->recentGroup().emojis[8];
        QCOMPARE(picked.symbol, "🐈");
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, centreOf(picked));
        switch (action) {
        case Action::doubleClick:
            QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, centreOf(picked));
            break;
        case Action::returnKey:
            QTest::keyClick(grid.get(), Qt::Key_Return);
            break;
        case Action::contextMenuCopy: {
            QContextMenuEvent event(QContextMenuEvent::Mouse, centreOf(picked),
                                    grid->viewport()->mapToGlobal(centreOf(picked)));
            QApplication::sendEvent(grid->viewport(), &event);
            grid->findChild<QMenu*>()->actions().first()->trigger();
            break;
        }
        }
        const Emoji front = fixture->store->recentGroup().emojis.first();
        QCOMPARE(front.symbol, picked.symbol);
        QVERIFY(grid->selectedEmoji());
        QCOMPARE(grid->selectedEmoji()->id, front.id);
        const QRect cell = *grid->cellRect(front.id);
        QVERIFY(looksSelected(*grid, cell));
        const QList<Toast*> toasts = shownToasts(*grid);
        QCOMPARE(toasts.size(), action == Action::contextMenuCopy ? 0 : 1);
        if (!toasts.isEmpty())
            QCOMPARE(toasts.first()->bubble().y(),
                     grid->viewport()->mapToGlobal(QPoint(0, cell.bottom() + 1)).y());
    }

    void selectingInRecentHighlightsOnlyThatCell_data() {
        QTest::addColumn<bool>("clickRecent");
        QTest::newRow("the copy in Recent") << true;
        QTest::newRow("the emoji in its catalogue group") << false;
    }
    void selectingInRecentHighlightsOnlyThatCell() {
        QFETCH(bool, clickRecent);
        fixture->store->addRecent(fixture->catalogueEmoji("🐈"));
        const Emoji recent = fixture->store->recentGroup().emojis.first();
        const Emoji catalogue = fixture->catalogueEmoji("🐈");
        const Emoji& clicked = clickRecent ? recent : catalogue;
        const Emoji& other = clickRecent ? catalogue : recent;

        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, centreOf(clicked));
        QCOMPARE(grid->selectedEmoji()->id, clicked.id);
        QVERIFY(looksSelected(*grid, *grid->cellRect(clicked.id)));
        QVERIFY(!looksSelected(*grid, *grid->cellRect(other.id)));
    }

    // What the window shows, not a fresh rendering: the change must repaint it.
    void theHighlightTakesTheColourChosenAtOnce() {
        const Emoji cat = fixture->catalogueEmoji("🐈");
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, centreOf(cat));
        const QRect cell = *grid->cellRect(cat.id);
        const auto edgeShown = [&] {
            const QPoint edge =
                grid->viewport()->mapTo(grid->window(), QPoint(cell.left() + 1, cell.center().y()));
            const QImage window = grid->screen()->grabWindow(grid->window()->winId()).toImage();
            return window.pixelColor(edge);
        };
        const auto near = [](const QColor& shown, const QColor& expected) {
            return qAbs(shown.red() - expected.red()) < 40 &&
                   qAbs(shown.green() - expected.green()) < 40 &&
                   qAbs(shown.blue() - expected.blue()) < 60;
        };
        QVERIFY(waitUntil([&] { return near(edgeShown(), brandAccentColor()); }));
        fixture->preferences.setUseSystemColor(true);
        QVERIFY(!near(appAccentColor(true), brandAccentColor()));
        QVERIFY2(waitUntil([&] { return near(edgeShown(), appAccentColor(true)); }),
                 qPrintable(edgeShown().name()));
        fixture->preferences.setUseSystemColor(false);
        QVERIFY(waitUntil([&] { return near(edgeShown(), brandAccentColor()); }));
    }

    // Smileys & People holds 24 emoji (three rows), Animals & Nature 12 (two rows).
    void arrowKeysMoveTheSelection_data() {
        QTest::addColumn<QString>("fromGroup");
        QTest::addColumn<int>("fromIndex");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("toGroup");
        QTest::addColumn<int>("toIndex");
        const QString smileys = "Smileys & People";
        const QString animals = "Animals & Nature";
        QTest::newRow("right to the next emoji")
            << smileys << 0 << int(Qt::Key_Right) << smileys << 1;
        QTest::newRow("down by a row of eight")
            << smileys << 2 << int(Qt::Key_Down) << smileys << 10;
        QTest::newRow("left from a group's first into the one before")
            << animals << 0 << int(Qt::Key_Left) << smileys << 23;
        QTest::newRow("right from a group's last into the next")
            << smileys << 23 << int(Qt::Key_Right) << animals << 0;
        QTest::newRow("down from the last row into the next group's first row")
            << smileys << 17 << int(Qt::Key_Down) << animals << 1;
        QTest::newRow("down into a shorter last row stops at its end")
            << animals << 7 << int(Qt::Key_Down) << animals << 11;
        QTest::newRow("up from the first row into the last row of the group before")
            << animals << 1 << int(Qt::Key_Up) << smileys << 17;
        QTest::newRow("up past the empty Recent and Favorites goes nowhere")
            << smileys << 3 << int(Qt::Key_Up) << smileys << 3;
    }
    void arrowKeysMoveTheSelection() {
        QFETCH(QString, fromGroup);
        QFETCH(int, fromIndex);
        QFETCH(int, key);
        QFETCH(QString, toGroup);
        QFETCH(int, toIndex);
        auto emojiOf = [this](const QString& title, int index) {
            for (const EmojiGroup& group : fixture->store->systemGroups()) {
                if (group.id() == title)
                    return group.emojis[index];
            }
            return Emoji();
        };
        grid->setSelectedEmoji(emojiOf(fromGroup, fromIndex));
        QTest::keyClick(grid.get(), Qt::Key(key));
        QCOMPARE(grid->selectedEmoji()->id, emojiOf(toGroup, toIndex).id);
    }

    void anArrowKeyWithoutSelectionSelectsTheFirstEmojiInSight() {
        grid->scrollToGroup("Animals & Nature");
        QTest::keyClick(grid.get(), Qt::Key_Right);
        QCOMPARE(grid->selectedEmoji()->symbol, "🐈");
    }

    void aSelectionMovedOutOfSightIsScrolledIntoIt() {
        const EmojiGroup& flags = fixture->store->systemGroups().last();
        grid->setSelectedEmoji(flags.emojis[flags.emojis.size() - 9]);
        QTest::keyClick(grid.get(), Qt::Key_Down);
        const QRect cell = *grid->cellRect(grid->selectedEmoji()->id);
        QVERIFY(grid->viewport()->rect().contains(cell));
        QVERIFY(grid->verticalScrollBar()->value() > 0);
    }

    // A tab shows its group's first page at once: those pages are drawn
    // ahead. Further down, images are drawn once in sight, and only those are
    // kept.
    void theFirstPageOfEveryGroupIsDrawnAheadAndTheRestOnceInSight() {
        grid.reset();
        fixture = std::make_unique<PickerFixture>(100);
        grid = std::make_unique<EmojiGridView>(*fixture->store, fixture->images, *fixture->picking,
                                               fixture->preferences);
        grid->resize(grid->width(), 400);
        grid->show();
        QVERIFY(QTest::qWaitForWindowExposed(grid.get()));
        const EmojiGroup& flags = fixture->store->systemGroups().last();
        const Emoji& first = flags.emojis.first();
        const Emoji& last = flags.emojis.last();
        QVERIFY(!grid->cellRect(first.id)->intersects(grid->viewport()->rect()));
        QTRY_VERIFY_WITH_TIMEOUT(fixture->images.contains(first.symbol), 10000);
        fixture->images.waitForPreparation();
        QVERIFY(!fixture->images.contains(last.symbol));

        grid->verticalScrollBar()->setValue(grid->verticalScrollBar()->maximum());
        QVERIFY(grid->cellRect(last.id)->intersects(grid->viewport()->rect()));
        QTRY_VERIFY(fixture->images.contains(last.symbol));
    }

    void escapeIsLeftToThePanel() {
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(grid.get(), &escape);
        QVERIFY(!escape.isAccepted());
    }
};

TESSELLE_TEST_MAIN(EmojiGridViewTest, QApplication)
#include "tst_emojigridview.moc"
