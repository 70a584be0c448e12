#include "PickerFixture.h"
#include "TestEnvironment.h"
#include "async/BackgroundCall.h"
#include "ui/controls/InputFieldModifier.h"
#include "ui/controls/Popover.h"
#include "ui/controls/PopoverButton.h"
#include "ui/controls/Toast.h"
#include "ui/picker/EmojiPanelView.h"
#include "ui/picker/SkinToneRow.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace {

Shortcut preset(const QString& text, const QString& phrase) {
    return {text, phrase, false};
}
Shortcut custom(const QString& text, const QString& phrase) {
    return {text, phrase, true};
}

QStringList textsOf(const QList<Shortcut>& shortcuts) {
    QStringList texts;
    for (const Shortcut& shortcut : shortcuts)
        texts << shortcut.text;
    return texts;
}

// A change of nothing, made as the view makes its changes.
QCoro::Task<> changeNothing(BackgroundTasks& background, ShortcutRegistry& registry) {
    co_await BackgroundCall(background, [&registry] { return registry.unregisterShortcuts({}); });
}

} // namespace

class EmojiPanelViewTest : public QObject {
    Q_OBJECT

    std::unique_ptr<PickerFixture> fixture;
    std::unique_ptr<EmojiPanelView> view;

    void show(const QString& symbol) { view->setEmoji(fixture->catalogueEmoji(symbol)); }
    QLineEdit& input() const { return *view->findChild<QLineEdit*>(); }
    SymbolButton* button(const QString& name) const {
        for (SymbolButton* button : view->findChildren<SymbolButton*>()) {
            if (button->accessibleName() == name)
                return button;
        }
        return nullptr;
    }
    SkinToneRow& skinTones() const { return *view->findChild<SkinToneRow*>(); }
    QList<Toast*> shownToasts(QObject* parent) const {
        QList<Toast*> shown;
        for (Toast* toast : parent->findChildren<Toast*>()) {
            if (toast->isShowing())
                shown << toast;
        }
        return shown;
    }
    QStringList entriesOf(const QString& phrase) const {
        QStringList shortcuts;
        for (const TextReplacementEntry& entry : fixture->shortcuts->service.currentEntries()) {
            if (entry.phrase == phrase)
                shortcuts << entry.shortcut;
        }
        return shortcuts;
    }
    void waitForChange() {
        QSignalSpy changed(view.get(), &EmojiPanelView::shortcutsChanged);
        QVERIFY(changed.wait(5000));
    }
    // Changes run one at a time in the order they are asked for: once this
    // one is back, any change the view asked for before has ended, and the
    // view has heard how.
    void waitForEarlierChanges() {
        waitForTask(changeNothing(fixture->shortcuts->background, fixture->shortcuts->registry));
    }

private slots:
    void init() {
        fixture = std::make_unique<PickerFixture>();
        view = std::make_unique<EmojiPanelView>(EmojiPanelView::Services{
            *fixture->picking, *fixture->store, fixture->preferences, fixture->shortcuts->registry,
            fixture->shortcuts->background, fixture->measurer, fixture->shortcuts->preset,
            fixture->shortcuts->userShortcuts, fixture->resources});
        view->show();
        QVERIFY(QTest::qWaitForWindowExposed(view.get()));
    }
    void cleanup() {
        view.reset();
        fixture.reset();
    }

    void theDescriptionHasEveryWordCapitalised_data() {
        QTest::addColumn<QString>("description");
        QTest::addColumn<QString>("shown");
        QTest::newRow("plain words") << "grinning face"
                                     << "Grinning Face";
        QTest::newRow("after punctuation and hyphens") << "flag: united states"
                                                       << "Flag: United States";
        QTest::newRow("capitals inside words are lowered") << "T-REX"
                                                           << "T-Rex";
        QTest::newRow("an apostrophe does not start a word") << "one o’clock"
                                                             << "One O’clock";
    }
    void theDescriptionHasEveryWordCapitalised() {
        QFETCH(QString, description);
        QFETCH(QString, shown);
        view->setEmoji(Emoji::make("🕐", description, {}, {}));
        QVERIFY(view->findChildren<QLabel*>().first()->text() == shown);
    }

    void theShownFormListsPresetShortcutsBeforeCustomOnes_data() {
        QTest::addColumn<QList<Shortcut>>("recorded");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<int>("removable");
        QTest::newRow("a form absent from the registry has no rows")
            << QList<Shortcut>{preset("/dog", "🐶")} << QStringList() << 0;
        QTest::newRow("preset entries first, then custom ones")
            << QList<Shortcut>{custom("/cuddle", "🤗"), preset("/hugging", "🤗"),
                               custom("/embrace", "🤗")}
            << QStringList{"/hugging", "/cuddle", "/embrace"} << 2;
        QTest::newRow("only custom entries are only removable rows")
            << QList<Shortcut>{custom("/cuddle", "🤗")} << QStringList{"/cuddle"} << 1;
    }
    void theShownFormListsPresetShortcutsBeforeCustomOnes() {
        QFETCH(QList<Shortcut>, recorded);
        QFETCH(QStringList, rows);
        QFETCH(int, removable);
        fixture->record(recorded);
        show("🤗");
        QCOMPARE(textsOf(view->shortcuts()), rows);
        // One outline per row, and one for the input.
        QCOMPARE(view->findChildren<InputFieldModifier*>().size(), rows.size() + 1);
        QCOMPARE(view->findChildren<PopoverButton*>().size(), rows.size() - removable);
        for (PopoverButton* info : view->findChildren<PopoverButton*>())
            QCOMPARE(info->hint(), "What should be here?");
    }

    void spacesAreRemovedWhileTyping() {
        show("🤗");
        QTest::keyClicks(&input(), "dance party");
        QCOMPARE(input().text(), "danceparty");
        QVERIFY(fixture->shortcuts->service.calls().isEmpty());
    }

    void addingWithAnEmptyFieldDoesNothing() {
        show("🤗");
        QTest::mouseClick(button("Add"), Qt::LeftButton);
        QTest::keyClick(&input(), Qt::Key_Return);
        waitForEarlierChanges();
        QVERIFY(fixture->shortcuts->service.calls().isEmpty());
        QVERIFY(!view->confirmation());
    }

    void anUnusedTextIsInstalledAtOnceBelowThePresetRows_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("byReturn");
        QTest::newRow("by Return in the field") << "Cuddle" << true;
        QTest::newRow("by the plus button") << "Cuddle" << false;
        QTest::newRow("a slash typed first is not doubled") << "/Cuddle" << true;
    }
    void anUnusedTextIsInstalledAtOnceBelowThePresetRows() {
        QFETCH(QString, typed);
        QFETCH(bool, byReturn);
        fixture->record({preset("/hugging", "🤗")});
        show("🤗");
        QTest::keyClicks(&input(), typed);
        if (byReturn)
            QTest::keyClick(&input(), Qt::Key_Return);
        else
            QTest::mouseClick(button("Add"), Qt::LeftButton);
        QVERIFY(!view->confirmation());
        waitForChange();
        QCOMPARE(textsOf(view->shortcuts()), (QStringList{"/hugging", "/Cuddle"}));
        QVERIFY(view->shortcuts().last().isCustom);
        QCOMPARE(input().text(), QString());
        QCOMPARE(entriesOf("🤗"), (QStringList{"/hugging", "/Cuddle"}));
    }

    void aTextInUseIsReplacedOnlyAfterConfirmation_data() {
        QTest::addColumn<QString>("owner");
        QTest::addColumn<bool>("confirm");
        QTest::addColumn<QList<Shortcut>>("after");
        QTest::newRow("confirming moves the shortcut of another emoji")
            << "🫂" << true << QList<Shortcut>{custom("/hug", "🤗")};
        QTest::newRow("cancelling changes nothing") << "🫂" << false << QList<Shortcut>();
        // The registry already records that text for this emoji.
        QTest::newRow("the same emoji's own shortcut asks too and stays")
            << "🤗" << true << QList<Shortcut>{preset("/hug", "🤗")};
    }
    void aTextInUseIsReplacedOnlyAfterConfirmation() {
        QFETCH(QString, owner);
        QFETCH(bool, confirm);
        QFETCH(QList<Shortcut>, after);
        fixture->record({preset("/hug", owner)});
        fixture->shortcuts->service.clearCalls();
        show("🤗");
        QTest::keyClicks(&input(), "hug");
        QTest::keyClick(&input(), Qt::Key_Return);

        QMessageBox* question = view->confirmation();
        QVERIFY(question);
        QCOMPARE(question->text(),
                 "Are you sure you want to replace the shortcut for " + owner + "?");
        QVERIFY(fixture->shortcuts->service.calls().isEmpty());
        QPushButton* ok = nullptr;
        for (QAbstractButton* button : question->buttons()) {
            if (button->text() == "OK")
                ok = qobject_cast<QPushButton*>(button);
        }
        QVERIFY(ok);
        QCOMPARE(question->buttonRole(ok), QMessageBox::DestructiveRole);

        if (!confirm) {
            QTest::keyClick(question, Qt::Key_Escape);
            QTRY_VERIFY(!view->confirmation());
            waitForEarlierChanges();
            QVERIFY(fixture->shortcuts->service.calls().isEmpty());
            QCOMPARE(input().text(), "hug");
            QCOMPARE(fixture->shortcuts->registry.shortcuts(owner).size(), 1);
            return;
        }
        QTest::mouseClick(ok, Qt::LeftButton);
        waitForChange();
        QVERIFY(!view->confirmation());
        QCOMPARE(fixture->shortcuts->registry.shortcuts("🤗"), after);
        QCOMPARE(view->shortcuts(), after);
        if (owner != "🤗")
            QVERIFY(fixture->shortcuts->registry.shortcuts(owner).isEmpty());
        QCOMPARE(entriesOf("🤗"), QStringList{"/hug"});
    }

    void aPresetTextTheUsersEspansoFilesDefineShowsWhereItIsDefined() {
        QFile common(fixture->folder.filePath("common.csv"));
        QVERIFY(common.open(QIODevice::WriteOnly));
        common.write("🤗,hug\n🤗,cuddle\n");
        common.close();
        QFile person(fixture->folder.filePath("person.csv"));
        QVERIFY(person.open(QIODevice::WriteOnly));
        person.close();
        fixture->shortcuts->userTriggers.setTriggers({{"/hug", "base.yml"}});
        show("🤗");

        waitForTask(
            fixture->shortcuts->preset.install({Gender::person, Tone::yellow, std::nullopt}));

        QTRY_COMPARE(textsOf(view->shortcuts()), QStringList{"/cuddle"});
        QStringList labels;
        for (QLabel* label : view->findChildren<QLabel*>())
            labels << label->text();
        QVERIFY(labels.contains("/hug"));
        QVERIFY(labels.contains("Defined in your espanso file base.yml"));
        QCOMPARE(entriesOf("🤗"), QStringList{"/cuddle"});
    }

    void aCustomTextTheUsersEspansoFilesDefineIsAddedOnlyAfterConfirmation() {
        fixture->shortcuts->userTriggers.setTriggers({{"/squeeze", "packages/p/package.yml"}});
        fixture->shortcuts->userShortcuts.refresh();
        show("🤗");
        QTest::keyClicks(&input(), "squeeze");
        QTest::keyClick(&input(), Qt::Key_Return);

        QMessageBox* question = view->confirmation();
        QVERIFY(question);
        QCOMPARE(question->text(),
                 "/squeeze is defined in your espanso file packages/p/package.yml, "
                 "and espanso would ask which one to type. Add it here too?");
        QVERIFY(fixture->shortcuts->service.calls().isEmpty());
        for (QAbstractButton* button : question->buttons()) {
            if (button->text() == "OK")
                QTest::mouseClick(button, Qt::LeftButton);
        }
        waitForChange();
        QCOMPARE(view->shortcuts(), QList<Shortcut>{custom("/squeeze", "🤗")});
    }

    void removingACustomRowTakesItOutOfTheList() {
        fixture->record({preset("/hugging", "🤗"), custom("/cuddle", "🤗")});
        show("🤗");
        QTest::mouseClick(button("Remove"), Qt::LeftButton);
        waitForChange();
        QCOMPARE(textsOf(view->shortcuts()), QStringList{"/hugging"});
        QCOMPARE(entriesOf("🤗"), QStringList{"/hugging"});
        QVERIFY(!button("Remove"));
    }

    // Uninstalls, reinstalls and resets change the registry away from the panel.
    void theRowsFollowChangesOfTheRegistryMadeElsewhere_data() {
        QTest::addColumn<bool>("closedMeanwhile");
        QTest::addColumn<bool>("removing");
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("an uninstall while the panel is open takes its preset rows away")
            << false << true << QStringList{"/cuddle"};
        QTest::newRow("an uninstall while the panel is closed shows when it opens again")
            << true << true << QStringList{"/cuddle"};
        QTest::newRow("an installation while the panel is open adds the form's rows")
            << false << false << QStringList{"/hugging", "/hug", "/cuddle"};
        QTest::newRow("an installation while the panel is closed shows when it opens again")
            << true << false << QStringList{"/hugging", "/hug", "/cuddle"};
    }
    void theRowsFollowChangesOfTheRegistryMadeElsewhere() {
        QFETCH(bool, closedMeanwhile);
        QFETCH(bool, removing);
        QFETCH(QStringList, rows);
        fixture->record({preset("/hugging", "🤗"), custom("/cuddle", "🤗")});
        show("🤗");
        QCOMPARE(textsOf(view->shortcuts()), (QStringList{"/hugging", "/cuddle"}));
        if (closedMeanwhile)
            view->hide();
        ShortcutRegistry& registry = fixture->shortcuts->registry;
        if (removing)
            waitForTask(registry.unregisterShortcuts({preset("/hugging", "🤗")}));
        else
            fixture->record({preset("/hug", "🤗"), preset("/dog", "🐶")});
        // The registry's notice reaches the view on a later turn of the loop.
        processPendingEvents();
        if (closedMeanwhile)
            view->show();
        QTRY_COMPARE(textsOf(view->shortcuts()), rows);
        QCOMPARE(view->findChildren<InputFieldModifier*>().size(), rows.size() + 1);
    }

    void aFailedChangeLeavesTheListAsItWas_data() {
        QTest::addColumn<bool>("adding");
        QTest::newRow("adding") << true;
        QTest::newRow("removing") << false;
    }
    void aFailedChangeLeavesTheListAsItWas() {
        QFETCH(bool, adding);
        fixture->record({custom("/cuddle", "🤗")});
        show("🤗");
        fixture->shortcuts->service.clearCalls();
        fixture->shortcuts->service.failCall(TextReplacementError{3, {}, {}});
        QSignalSpy changed(view.get(), &EmojiPanelView::shortcutsChanged);
        if (adding) {
            QTest::keyClicks(&input(), "embrace");
            QTest::mouseClick(button("Add"), Qt::LeftButton);
        } else {
            QTest::mouseClick(button("Remove"), Qt::LeftButton);
        }
        QTRY_VERIFY(!fixture->shortcuts->service.calls().isEmpty());
        waitForEarlierChanges();
        QCOMPARE(changed.count(), 0);
        QCOMPARE(textsOf(view->shortcuts()), QStringList{"/cuddle"});
        QCOMPARE(input().text(), adding ? "embrace" : "");
        QCOMPARE(textsOf(fixture->shortcuts->registry.shortcuts("🤗")), QStringList{"/cuddle"});
    }

    void onlyAnEmojiThatTakesSkinTonesHasTheRow_data() {
        QTest::addColumn<QString>("symbol");
        QTest::addColumn<int>("forms");
        QTest::newRow("no skin tones") << "😀" << 0;
        QTest::newRow("six forms") << "👍" << 6;
    }
    void onlyAnEmojiThatTakesSkinTonesHasTheRow() {
        QFETCH(QString, symbol);
        QFETCH(int, forms);
        show(symbol);
        QCOMPARE(skinTones().isVisible(), forms > 0);
        QCOMPARE(skinTones().forms().size(), forms);
        if (forms > 0)
            QCOMPARE(skinTones().forms().first(), symbol);
    }

    void clickingAFormShowsThatFormsShortcuts() {
        fixture->record({preset("/thumbsup", "👍"), preset("/thumbsupdark", "👍🏿")});
        show("👍");
        QCOMPARE(textsOf(view->shortcuts()), QStringList{"/thumbsup"});
        QTest::mouseClick(&skinTones(), Qt::LeftButton, {}, skinTones().formRect(5).center());
        QCOMPARE(view->symbol(), "👍🏿");
        QCOMPARE(textsOf(view->shortcuts()), QStringList{"/thumbsupdark"});
    }

    void doubleClickingAFormCopiesIt_data() {
        QTest::addColumn<bool>("autoPaste");
        QTest::newRow("without autopaste: Copied! on that form only") << false;
        QTest::newRow("with autopaste: pasted, no notice") << true;
    }
    void doubleClickingAFormCopiesIt() {
        QFETCH(bool, autoPaste);
        fixture->preferences.setAutoPaste(autoPaste);
        show("👍");
        QTest::mouseDClick(&skinTones(), Qt::LeftButton, {}, skinTones().formRect(3).center());
        QCOMPARE(fixture->pasteboard.texts, QStringList{"👍🏽"});
        QCOMPARE(fixture->store->recentGroup().emojis.first().symbol, "👍🏽");
        QCOMPARE(fixture->pasteService.steps().contains("paste"), autoPaste);
        const QList<Toast*> shown = shownToasts(&skinTones());
        QCOMPARE(shown.size(), autoPaste ? 0 : 1);
        if (!autoPaste) {
            const QRect bubble(shown.first()->bubble().pos(), shown.first()->bubble().size());
            const QPoint form = skinTones().mapToGlobal(skinTones().formRect(3).center());
            QVERIFY(bubble.left() < form.x() && form.x() < bubble.right());
        }
    }

    void theCopyButtonCopiesTheShownFormAndNeverPastes() {
        fixture->preferences.setAutoPaste(true);
        show("👋");
        QTest::mouseClick(&skinTones(), Qt::LeftButton, {}, skinTones().formRect(1).center());
        QTest::mouseClick(button("Copy"), Qt::LeftButton);
        QCOMPARE(fixture->pasteboard.texts, QStringList{"👋🏻"});
        QCOMPARE(fixture->store->recentGroup().emojis.first().symbol, "👋🏻");
        QVERIFY(!fixture->pasteService.steps().contains("paste"));
        QCOMPARE(shownToasts(button("Copy")).size(), 1);
    }

    // The form is drawn whole; what is copied and kept is the symbol as it is.
    void aSequenceIsDrawnAsOnePictureAndCopiedFullyQualified_data() {
        QTest::addColumn<QString>("symbol");
        QTest::newRow("a flag joined from two") << "🏳️‍🌈";
        QTest::newRow("a heart on fire") << "❤️‍🔥";
        QTest::newRow("a keycap") << "#️⃣";
    }
    void aSequenceIsDrawnAsOnePictureAndCopiedFullyQualified() {
        QFETCH(QString, symbol);
        // The frame clips wider pictures: the label's text is measured in its font.
        auto* form = view->findChild<QLabel*>("form");
        const auto advance = [form] {
            return QFontMetricsF(form->font()).horizontalAdvance(form->text());
        };
        view->setEmoji(Emoji::make("😀", "grinning face", {}, {}));
        const qreal single = advance();
        view->setEmoji(Emoji::make(symbol, "a sequence", {}, {}));
        QVERIFY2(advance() < single * 1.5, qPrintable(QString::number(advance() / single)));

        QTest::mouseClick(button("Copy"), Qt::LeftButton);
        QTest::mouseClick(view->findChild<SymbolButton*>("favorite"), Qt::LeftButton);
        QCOMPARE(fixture->pasteboard.texts, QStringList{symbol});
        QCOMPARE(fixture->store->recentGroup().emojis.first().symbol, symbol);
        QCOMPARE(fixture->store->allFavoriteGroup().emojis.first().symbol, symbol);
    }

    void theStarAddsOrRemovesTheShownForm_data() {
        QTest::addColumn<QStringList>("favorites");
        QTest::addColumn<QString>("search");
        QTest::addColumn<QStringList>("after");
        QTest::newRow("not yet a favourite: added")
            << QStringList{"🐶"} << QString() << QStringList{"🐶", "🤗"};
        QTest::newRow("a favourite: removed")
            << QStringList{"🤗", "🐶"} << QString() << QStringList{"🐶"};
        QTest::newRow("a favourite that the search hides is still one: removed, not doubled")
            << QStringList{"🤗"} << "dog" << QStringList();
    }
    void theStarAddsOrRemovesTheShownForm() {
        QFETCH(QStringList, favorites);
        QFETCH(QString, search);
        QFETCH(QStringList, after);
        for (const QString& symbol : favorites)
            fixture->store->addFavorite(fixture->catalogueEmoji(symbol));
        const Emoji hug = fixture->catalogueEmoji("🤗");
        fixture->store->setSearchText(search);
        view->setEmoji(hug);
        auto* star = view->findChild<SymbolButton*>("favorite");
        QCOMPARE(star->symbolName(), favorites.contains("🤗") ? "star.fill" : "star");

        QTest::mouseClick(star, Qt::LeftButton);
        QStringList symbols;
        for (const Emoji& emoji : fixture->store->allFavoriteGroup().emojis)
            symbols << emoji.symbol;
        QCOMPARE(symbols, after);
        QCOMPARE(star->symbolName(), after.contains("🤗") ? "star.fill" : "star");
    }
};

TESSELLE_TEST_MAIN(EmojiPanelViewTest, QApplication)
#include "tst_emojipanelview.moc"
