#include "FakeTextMeasurer.h"
#include "Fakes.h"
#include "PresetFixture.h"
#include "ProgramOverFakes.h"
#include "TestEnvironment.h"
#include "app/AppManager.h"
#include "app/WindowContents.h"
#include "app/WindowManager.h"
#include "catalogue/EmojiStore.h"
#include "catalogue/ToneRules.h"
#include "platform/linux/ResourceFolder.h"
#include "settings/KeyboardShortcut.h"
#include "settings/LaunchAtLogin.h"
#include "settings/Preferences.h"
#include "shortcuts/TextExpanderMonitor.h"
#include "ui/controls/CancellableSearchField.h"
#include "ui/controls/ModalWindow.h"
#include "ui/picker/EmojiGridView.h"
#include "ui/picker/EmojiImageCache.h"
#include "ui/picker/EmojiPanelView.h"
#include "ui/picker/GroupTabBar.h"
#include "ui/picker/MenuBarView.h"
#include "ui/picker/PickerPanel.h"
#include "ui/picker/SkinToneRow.h"
#include "ui/settings/FamilyGrid.h"
#include "ui/settings/GenderPicker.h"
#include "ui/settings/SettingsView.h"
#include "ui/settings/TonePicker.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

namespace {

struct Event {
    QAccessible::Event type;
    QAccessible::Role role;
    QString name;
    bool focused;
};

QList<Event>& recordedEvents() {
    static QList<Event> events;
    return events;
}

void record(QAccessibleEvent* event) {
    QAccessibleInterface* target = event->accessibleInterface();
    if (target)
        recordedEvents() << Event{event->type(), target->role(), target->text(QAccessible::Name),
                                  bool(target->state().focused)};
}

// The program's windows over fakes, on the real catalogue.
struct Fixture : ProgramWindowsOverFakes<FakeTextExpanderStatus> {

    MenuBarView& picker() {
        windowManager.openPopover();
        return *windowManager.popover()->findChild<MenuBarView*>();
    }
};

enum class Painted { tones, appearances, families, skinTones, tabs };

// The painted control, with its second choice selected.
std::unique_ptr<QWidget> makePainted(Painted kind, Fixture& fixture) {
    switch (kind) {
    case Painted::tones: {
        auto picker = std::make_unique<TonePicker>();
        picker->setSelection(Tone::light);
        return picker;
    }
    case Painted::appearances: {
        auto picker = std::make_unique<GenderPicker>(fixture.preferences);
        picker->setSelection(Gender::female);
        return picker;
    }
    case Painted::families: {
        auto grid = std::make_unique<FamilyGrid>(fixture.preferences);
        grid->setSelection(allFamilies()[1]);
        return grid;
    }
    case Painted::skinTones: {
        auto row = std::make_unique<SkinToneRow>(fixture.preferences);
        const QStringList forms = skinToneVariants(QStringLiteral("👍"));
        row->setForms(forms, forms[1]);
        return row;
    }
    case Painted::tabs: {
        auto bar = std::make_unique<GroupTabBar>(fixture.resources, fixture.preferences);
        bar->setGroups(allGroupTypes());
        bar->setCurrent(allGroupTypes()[1]);
        return bar;
    }
    }
    return nullptr;
}

enum class Window { panel, panelWithSelection, welcome, general, support, about };

bool isInteractive(QAccessibleInterface* node) {
    static const QList<QAccessible::Role> roles{
        QAccessible::PushButton,   QAccessible::CheckBox, QAccessible::RadioButton,
        QAccessible::EditableText, QAccessible::ComboBox, QAccessible::ListItem,
        QAccessible::PageTab,      QAccessible::Link,     QAccessible::Slider,
        QAccessible::SpinBox,      QAccessible::List,     QAccessible::Cell};
    return node->state().focusable || roles.contains(node->role());
}

// What a screen reader would find without a name or a role, as
// "class (role)" lines; controls out of sight are not found.
QStringList unnamedControls(QAccessibleInterface* node) {
    if (!node || node->state().invisible)
        return {};
    QStringList unnamed;
    if (isInteractive(node) && (node->role() == QAccessible::NoRole ||
                                node->text(QAccessible::Name).trimmed().isEmpty())) {
        const QObject* object = node->object() ? node->object() : node->parent()->object();
        unnamed << QStringLiteral("%1 (role %2)")
                       .arg(QString::fromLatin1(object->metaObject()->className()))
                       .arg(int(node->role()), 0, 16);
    }
    for (int index = 0; index < node->childCount(); ++index)
        unnamed << unnamedControls(node->child(index));
    return unnamed;
}

QAccessibleInterface* accessible(QObject* object) {
    return QAccessible::queryAccessibleInterface(object);
}

} // namespace

Q_DECLARE_METATYPE(Window)
Q_DECLARE_METATYPE(Painted)

class AccessibilityTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Fixture> fixture;

private slots:
    void initTestCase() {
        // Qt passes accessibility events on only while its platform's
        // accessibility is active, which on a desktop an assistive technology
        // turns on; the offscreen platform has Qt's plain one.
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
        QVERIFY(QAccessible::isActive());
        QAccessible::installUpdateHandler(record);
    }
    void init() {
        fixture = std::make_unique<Fixture>();
        recordedEvents().clear();
    }
    void cleanup() { fixture.reset(); }

    void everyControlHasARoleAndAName_data() {
        QTest::addColumn<Window>("window");
        QTest::newRow("the picker panel") << Window::panel;
        QTest::newRow("the picker panel with an emoji and its skin tones shown")
            << Window::panelWithSelection;
        QTest::newRow("the welcome window") << Window::welcome;
        QTest::newRow("the General settings") << Window::general;
        QTest::newRow("the Support settings") << Window::support;
        QTest::newRow("the About settings") << Window::about;
    }
    void everyControlHasARoleAndAName() {
        QFETCH(Window, window);
        QWidget* shown = nullptr;
        if (window == Window::panel || window == Window::panelWithSelection) {
            MenuBarView& picker = fixture->picker();
            if (window == Window::panelWithSelection) {
                picker.searchField().setQuery(QStringLiteral("thumbs up"));
                picker.grid().setFocus();
                QTest::keyClick(&picker.grid(), Qt::Key_Right);
                QVERIFY(picker.grid().selectedEmoji());
            }
            shown = picker.window();
        } else if (window == Window::welcome) {
            fixture->windowManager.showWelcomeWindowIfNeeded();
            shown = fixture->windowManager.welcomeWindow();
        } else {
            fixture->windowManager.openSettings();
            shown = fixture->windowManager.settingsWindow();
            const int page = window == Window::general ? 0 : window == Window::support ? 1 : 2;
            shown->findChild<SettingsView*>()->tabs().setCurrentIndex(page);
        }
        QVERIFY(shown);
        QVERIFY(QTest::qWaitForWindowExposed(shown));
        const QStringList unnamed = unnamedControls(accessible(shown));
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QStringLiteral(", "))));
    }

    void eachPaintedChoiceIsNamedAndShowsWhetherItIsChosen_data() {
        QTest::addColumn<Painted>("kind");
        QTest::addColumn<QAccessible::Role>("role");
        QTest::addColumn<QStringList>("firstNames");
        QTest::newRow("the skin tone swatches")
            << Painted::tones << QAccessible::RadioButton
            << QStringList{"Yellow",           "Light skin tone",       "Medium-light skin tone",
                           "Medium skin tone", "Medium-dark skin tone", "Dark skin tone"};
        QTest::newRow("the appearance cells") << Painted::appearances << QAccessible::RadioButton
                                              << QStringList{"Person", "Woman", "Man"};
        QTest::newRow("the family cells") << Painted::families << QAccessible::RadioButton
                                          << QStringList{rawValue(allFamilies()[0])};
        QTest::newRow("the skin tones of the shown emoji")
            << Painted::skinTones << QAccessible::RadioButton
            << QStringList{"Yellow", "Light skin tone", "Medium-light skin tone"};
        QTest::newRow("the group tabs") << Painted::tabs << QAccessible::PageTab
                                        << QStringList{"Favorites", "Recent", "Smileys & People"};
    }
    void eachPaintedChoiceIsNamedAndShowsWhetherItIsChosen() {
        QFETCH(Painted, kind);
        QFETCH(QAccessible::Role, role);
        QFETCH(QStringList, firstNames);
        const std::unique_ptr<QWidget> widget = makePainted(kind, *fixture);
        widget->show();
        QVERIFY(QTest::qWaitForWindowExposed(widget.get()));
        QAccessibleInterface* container = accessible(widget.get());
        QVERIFY(container->childCount() >= firstNames.size());
        for (int index = 0; index < container->childCount(); ++index) {
            QAccessibleInterface* choice = container->child(index);
            QCOMPARE(choice->role(), role);
            QVERIFY(!choice->text(QAccessible::Name).isEmpty());
            if (index < firstNames.size())
                QCOMPARE(choice->text(QAccessible::Name), firstNames[index]);
            const QAccessible::State state = choice->state();
            QCOMPARE(state.checked || state.selected, index == 1);
            QVERIFY(QRect(widget->mapToGlobal(QPoint()), widget->size())
                        .contains(choice->rect().center()));
        }
    }

    void pressingAChoiceChoosesItAsAClickDoes() {
        TonePicker picker;
        QSignalSpy chosen(&picker, &TonePicker::selectionChanged);
        QAccessibleInterface* medium = accessible(&picker)->child(3);
        QVERIFY(medium && medium->actionInterface());
        medium->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(picker.selection(), Tone::medium);
        QCOMPARE(chosen.size(), 1);
        QVERIFY(medium->state().checked);
    }

    void theGridListsTheHeadersAndCellsInSightByName_data() {
        QTest::addColumn<QString>("group");
        QTest::addColumn<QString>("first");
        QTest::newRow("at the top") << "Smileys & People"
                                    << "grinning face";
        QTest::newRow("scrolled to a group") << "Animals & Nature"
                                             << "monkey face";
    }
    void theGridListsTheHeadersAndCellsInSightByName() {
        QFETCH(QString, group);
        QFETCH(QString, first);
        EmojiGridView& grid = fixture->picker().grid();
        QVERIFY(QTest::qWaitForWindowExposed(grid.window()));
        grid.scrollToGroup(group);
        QAccessibleInterface* list = accessible(&grid);
        QCOMPARE(list->role(), QAccessible::List);
        QVERIFY(!list->text(QAccessible::Name).isEmpty());
        // Rows of 48 points, less one for a group's header.
        const int fullRows = grid.viewport()->height() / 48 - 1;
        QVERIFY2(list->childCount() >= fullRows * EmojiGridView::columns,
                 qPrintable(QString::number(list->childCount())));
        QCOMPARE(list->child(0)->role(), QAccessible::Heading);
        QCOMPARE(list->child(0)->text(QAccessible::Name), group);
        QCOMPARE(list->child(1)->text(QAccessible::Name), first);
        const QRect viewport(grid.viewport()->mapToGlobal(QPoint()), grid.viewport()->size());
        int headings = 0;
        for (int index = 0; index < list->childCount(); ++index) {
            QAccessibleInterface* item = list->child(index);
            QCOMPARE(list->indexOfChild(item), index);
            const QPoint centre = item->rect().center();
            QVERIFY(viewport.contains(centre));
            QCOMPARE(list->childAt(centre.x(), centre.y()), item);
            const QPoint inGrid = grid.viewport()->mapFromGlobal(centre);
            if (item->role() == QAccessible::Heading) {
                ++headings;
                const QString title = item->text(QAccessible::Name);
                QVERIFY2(grid.headerRect(title)->contains(inGrid), qPrintable(title));
                QVERIFY(!item->state().selectable && !item->state().focusable);
                QVERIFY(item->actionInterface()->actionNames().isEmpty());
                continue;
            }
            QCOMPARE(item->role(), QAccessible::ListItem);
            QCOMPARE(item->text(QAccessible::Name), grid.emojiAt(inGrid)->description);
        }
        QVERIFY(headings >= 1);
    }

    void theArrowsMoveTheAccessibleFocusToTheSelectedEmoji_data() {
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<QString>("selected");
        QTest::newRow("the first arrow selects the first cell in sight")
            << QList<int>{Qt::Key_Right} << "grinning face";
        QTest::newRow("right goes to the next emoji")
            << QList<int>{Qt::Key_Right, Qt::Key_Right} << "grinning face with big eyes";
        QTest::newRow("down goes to the cell below")
            << QList<int>{Qt::Key_Right, Qt::Key_Down} << "slightly smiling face";
        QTest::newRow("down far enough scrolls the grid")
            << QList<int>(30, Qt::Key_Down) << QString();
    }
    void theArrowsMoveTheAccessibleFocusToTheSelectedEmoji() {
        QFETCH(QList<int>, keys);
        QFETCH(QString, selected);
        EmojiGridView& grid = fixture->picker().grid();
        QVERIFY(QTest::qWaitForWindowExposed(grid.window()));
        grid.setFocus();
        QTRY_VERIFY(grid.hasFocus());
        for (int key : keys)
            QTest::keyClick(&grid, Qt::Key(key));
        QVERIFY(grid.selectedEmoji());
        if (selected.isEmpty()) {
            QVERIFY(grid.verticalScrollBar()->value() > 0);
            selected = grid.selectedEmoji()->description;
        }
        QCOMPARE(grid.selectedEmoji()->description, selected);

        QList<Event> focusEvents;
        for (const Event& event : std::as_const(recordedEvents())) {
            if (event.type == QAccessible::Focus && event.role == QAccessible::ListItem)
                focusEvents << event;
        }
        QCOMPARE(focusEvents.size(), keys.size());
        QCOMPARE(focusEvents.last().name, selected);
        QVERIFY(focusEvents.last().focused);
        QAccessibleInterface* focused = accessible(&grid)->focusChild();
        QVERIFY(focused);
        QCOMPARE(focused->text(QAccessible::Name), selected);
        QVERIFY(focused->state().selected);
    }

    void downFromTheSearchFieldFocusesTheFirstBestMatch() {
        MenuBarView& picker = fixture->picker();
        QVERIFY(QTest::qWaitForWindowExposed(picker.window()));
        QLineEdit& search = picker.searchField().lineEdit();
        search.setFocus();
        QTRY_VERIFY(search.hasFocus());
        QTest::keyClicks(&search, QStringLiteral("fire"));
        recordedEvents().clear();
        QTest::keyClick(&search, Qt::Key_Down);

        QStringList focused;
        for (const Event& event : std::as_const(recordedEvents())) {
            if (event.type == QAccessible::Focus && event.role == QAccessible::ListItem &&
                event.focused)
                focused << event.name;
        }
        QCOMPARE(focused, QStringList{QStringLiteral("fire")});
        QCOMPARE(accessible(&picker.grid())->focusChild()->text(QAccessible::Name), "fire");
        QCOMPARE(picker.detailPanel().symbol(), QStringLiteral("🔥"));
        QTest::keyClick(&picker.grid(), Qt::Key_Return);
        QCOMPARE(fixture->pasteboard.texts, QStringList{QStringLiteral("🔥")});
    }

    void copyingSaysCopiedToAssistiveTechnology_data() {
        QTest::addColumn<bool>("fromDetailPanel");
        QTest::newRow("Return on the selected emoji") << false;
        QTest::newRow("the detail panel's Copy button") << true;
    }
    void copyingSaysCopiedToAssistiveTechnology() {
        QFETCH(bool, fromDetailPanel);
        MenuBarView& picker = fixture->picker();
        QVERIFY(QTest::qWaitForWindowExposed(picker.window()));
        picker.grid().setFocus();
        QTest::keyClick(&picker.grid(), Qt::Key_Right);
        recordedEvents().clear();
        if (fromDetailPanel) {
            for (QAbstractButton* button : picker.detailPanel().findChildren<QAbstractButton*>()) {
                if (button->accessibleName() == QStringLiteral("Copy"))
                    button->click();
            }
        } else {
            QTest::keyClick(&picker.grid(), Qt::Key_Return);
        }
        QCOMPARE(fixture->pasteboard.texts, QStringList{QStringLiteral("😀")});
        QStringList alerts;
        for (const Event& event : std::as_const(recordedEvents())) {
            if (event.type == QAccessible::Alert)
                alerts << event.name;
        }
        QCOMPARE(alerts, QStringList{QStringLiteral("Copied!")});
    }
};

TESSELLE_TEST_MAIN(AccessibilityTest, QApplication)
#include "tst_accessibility.moc"
