#include "FakeGlobalShortcut.h"
#include "ProgramOverFakes.h"
#include "TestEnvironment.h"
#include "WaitFor.h"
#include "app/TrayMenu.h"
#include "app/WindowManager.h"
#include "platform/linux/InterfaceTranslations.h"
#include "settings/KeyboardShortcut.h"
#include "settings/UserLanguages.h"
#include "shortcuts/TextExpanderMonitor.h"
#include "ui/controls/CancellableSearchField.h"
#include "ui/controls/ErrorAlert.h"
#include "ui/controls/ModalWindow.h"
#include "ui/controls/Popover.h"
#include "ui/controls/PopoverButton.h"
#include "ui/controls/ShownMessage.h"
#include "ui/controls/SingleChordEdit.h"
#include "ui/controls/Switch.h"
#include "ui/picker/EmojiGridView.h"
#include "ui/picker/EmojiPanelView.h"
#include "ui/picker/MenuBarView.h"
#include "ui/picker/PickerPanel.h"
#include "ui/settings/KeyboardShortcutField.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTextDocumentFragment>

namespace {

const ResourceFolder builtResources(QStringLiteral(TESSELLE_BINARY_DIR "/../share/tesselle"));

// The program over fakes, in the languages of LANG, with espanso missing (the
// longest status), a key held for the panel (the key field) and one the
// session cannot hold (the field's refusal).
struct Windows : PlatformFakes<> {
    explicit Windows(const QString& locale) {
        QProcessEnvironment environment;
        environment.insert("LANG", locale);
        languages = UserLanguages::preferred(environment);
        expanderStatus.state = {TextExpanderState::Kind::NotInstalled, {}, {}};
        keys.unholdable = {unholdableKey};
    }
    static inline const QString unholdableKey = QStringLiteral("Ctrl+Alt+Left");
    QStringList languages;
    FakeTextExpanderStatus expanderStatus;
    FakeGlobalShortcut keys;
    std::unique_ptr<Program> program;

    void build() {
        PlatformServices platform = services(expanderStatus);
        platform.globalShortcut = &keys;
        platform.languages = languages;
        program = std::make_unique<Program>(platform,
                                            ProgramTiming{.repairDelay = std::chrono::hours(1)});
    }
};

QString describe(const QWidget* widget) {
    QString text;
    if (const auto* label = qobject_cast<const QLabel*>(widget))
        text = label->text();
    else if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
        text = button->text();
    return QString::fromLatin1(widget->metaObject()->className()) + " \"" + text + '"';
}

bool showsText(const QWidget* widget) {
    if (const auto* label = qobject_cast<const QLabel*>(widget))
        return !label->text().isEmpty();
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
        return !button->text().isEmpty();
    return false;
}

// Whether the widget's own text has the room it needs.
QString textFault(const QWidget* widget) {
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        if (label->text().isEmpty())
            return {};
        if (!label->wordWrap())
            return label->minimumSizeHint().width() > label->width() ||
                           label->minimumSizeHint().height() > label->height()
                       ? "is cut"
                       : QString();
        if (label->heightForWidth(label->width()) > label->height())
            return "wraps to more lines than it has room for";
        const QString plain = label->textFormat() == Qt::RichText
                                  ? QTextDocumentFragment::fromHtml(label->text()).toPlainText()
                                  : label->text();
        // Wrapped where the language allows a break, the text keeps to the width.
        const QRect width(0, 0, label->contentsRect().width(), QWIDGETSIZE_MAX);
        if (label->fontMetrics().boundingRect(width, Qt::TextWordWrap, plain).width() >
            width.width())
            return "has a word wider than itself";
        return {};
    }
    if (const auto* toggle = qobject_cast<const Switch*>(widget)) {
        return toggle->minimumSizeHint().width() > toggle->width() ||
                       toggle->heightForWidth(toggle->width()) > toggle->height()
                   ? "is cut"
                   : QString();
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
        return !button->text().isEmpty() && button->sizeHint().width() > button->width()
                   ? "is narrower than its text"
                   : QString();
    }
    // A painted control (a picker) draws what it asks for, whatever it is given.
    if (!widget->minimumSizeHint().isValid() && widget->sizeHint().isValid() &&
        widget->sizeHint().width() > widget->width())
        return "is narrower than it draws";
    if (const auto* edit = qobject_cast<const QLineEdit*>(widget)) {
        const QMargins frame = edit->textMargins() + QMargins(4, 0, 4, 0);
        return edit->fontMetrics().horizontalAdvance(edit->text()) >
                       edit->contentsRect().marginsRemoved(frame).width()
                   ? "is narrower than its text " + edit->text()
                   : QString();
    }
    if (const auto* tabs = qobject_cast<const QTabBar*>(widget)) {
        for (int index = 0; index < tabs->count(); ++index) {
            const int text = tabs->fontMetrics().horizontalAdvance(tabs->tabText(index));
            if (text + tabs->iconSize().width() > tabs->tabRect(index).width() ||
                tabs->tabRect(index).right() >= tabs->width())
                return "cuts the tab " + tabs->tabText(index);
        }
    }
    return {};
}

// Every text in the window has its room, inside its parent, and no two texts
// side by side overlap.
QStringList layoutFaults(QWidget* window) {
    QStringList faults;
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);
    for (QWidget* widget : std::as_const(widgets)) {
        if (!widget->isVisibleTo(window) && widget != window)
            continue;
        if (const QString fault = textFault(widget); !fault.isEmpty())
            faults << describe(widget) + ' ' + fault;
        QWidget* parent = widget->parentWidget();
        // Controls too: a picker pushed under the hint button is cut.
        if (widget != window && parent && parent->layout() &&
            !parent->rect().contains(widget->geometry()))
            faults << describe(widget) + " reaches out of " + describe(parent);
        QList<QWidget*> texts;
        for (QObject* child : widget->children()) {
            auto* childWidget = qobject_cast<QWidget*>(child);
            if (childWidget && childWidget->isVisibleTo(window) && showsText(childWidget))
                texts << childWidget;
        }
        for (int a = 0; a < texts.size(); ++a) {
            for (int b = a + 1; b < texts.size(); ++b) {
                if (texts[a]->geometry().intersects(texts[b]->geometry()))
                    faults << describe(texts[a]) + " overlaps " + describe(texts[b]);
            }
        }
    }
    return faults;
}

QStringList shownLabels(const QWidget* parent) {
    QStringList texts;
    for (const QLabel* label : parent->findChildren<QLabel*>())
        if (label->isVisibleTo(parent) && !label->text().isEmpty())
            texts << label->text();
    return texts;
}

// The name of the grid's first emoji; the group's heading before it is named
// in the user's language from the start.
QString firstEmojiName(const EmojiGridView& grid) {
    for (const AccessibleItems::Item& item : grid.accessibleItems())
        if (!item.role)
            return item.name;
    return {};
}

PickerPanel* shownPanel() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* panel = qobject_cast<PickerPanel*>(window); panel && panel->isVisible())
            return panel;
    }
    return nullptr;
}

} // namespace

class TranslatedLayoutsTest : public QObject {
    Q_OBJECT

    QStringList m_faults;

    void check(const QString& where, QWidget* window) {
        QVERIFY2(window, qPrintable(where));
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        // A row that found less room than it asked for lays out again.
        for (int pass = 0; pass < 3; ++pass)
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        for (const QString& fault : layoutFaults(window))
            m_faults << where + ": " + fault;
    }

private slots:
    void cleanup() {
        for (QWidget* window : QApplication::topLevelWidgets())
            window->close();
        m_faults.clear();
    }

    void everyWindowsTextsHaveTheirRoomInEveryLanguage_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("language");
        QTest::newRow("English") << "C.UTF-8"
                                 << "";
        QTest::newRow("German") << "de_DE.UTF-8"
                                << "de";
        QTest::newRow("French") << "fr_FR.UTF-8"
                                << "fr";
        QTest::newRow("Spanish") << "es_ES.UTF-8"
                                 << "es";
        QTest::newRow("Italian") << "it_IT.UTF-8"
                                 << "it";
        QTest::newRow("Brazilian Portuguese") << "pt_BR.UTF-8"
                                              << "pt_BR";
        QTest::newRow("Russian") << "ru_RU.UTF-8"
                                 << "ru";
        QTest::newRow("Japanese") << "ja_JP.UTF-8"
                                  << "ja";
        QTest::newRow("Simplified Chinese") << "zh_CN.UTF-8"
                                            << "zh_CN";
    }
    void everyWindowsTextsHaveTheirRoomInEveryLanguage() {
        QFETCH(QString, locale);
        QFETCH(QString, language);
        Windows windows(locale);
        const InterfaceTranslations translations(windows.languages, builtResources,
                                                 InterfaceTranslations::qtTranslationsFolder());
        QCOMPARE(translations.language().value_or(QString()), language);
        windows.build();
        WindowManager& manager = windows.program->windowManager();

        // Qt's icon, not shown: no tray shows it, and the General settings say
        // how to open the panel.
        manager.statusItem();
        manager.openSettings();
        QWidget* settings = manager.settingsWindow();
        auto* tabs = settings->findChild<QTabWidget*>();
        for (int tab = 0; tab < tabs->count(); ++tab) {
            tabs->setCurrentIndex(tab);
            check("settings, " + tabs->tabText(tab), settings);
        }
        tabs->setCurrentIndex(0);
        // English where the user's language has its own words: the texts that
        // came after the interface was first translated.
        // A key, named as Qt names it in the language, fills the %1.
        QStringList untranslated;
        const auto says = [&](const QString& shown, QString english, const QString& key = {}) {
            QString words = shown;
            for (const auto form : {QKeySequence::NativeText, QKeySequence::PortableText})
                if (!key.isEmpty())
                    words.remove(QKeySequence(key).toString(form));
            if ((words == english.remove("%1")) != language.isEmpty())
                untranslated << shown;
        };
        says(settings->findChild<QLabel*>("wayIn")->text(),
             "No tray shows Tesselle's icon here: press %1, or start tesselle again, to open "
             "Tesselle.",
             KeyboardShortcut::defaultKey);
        auto* keyField = settings->findChild<KeyboardShortcutField*>();
        SingleChordEdit* chord = keyField->findChild<SingleChordEdit*>();
        chord->setFocus();
        QTest::keyClick(chord, Qt::Key_Left, Qt::ControlModifier | Qt::AltModifier);
        check("settings, a key refused", settings);
        says(shownLabels(keyField).value(0), "%1 cannot be a keyboard shortcut in this session",
             windows.unholdableKey);
        for (PopoverButton* hint : settings->findChildren<PopoverButton*>()) {
            hint->setPopoverPresented(true);
            check("hint " + hint->accessibleName().left(40), hint->popover());
            hint->setPopoverPresented(false);
        }

        QMenu& trayMenu = manager.trayMenu().menu();
        check("tray menu", &trayMenu);
        says(trayMenu.windowTitle(), "Tesselle menu");
        const QStringList entries{"Open Tesselle", "Settings\u2026", "Quit"};
        for (int entry = 0; entry < entries.size(); ++entry)
            says(manager.trayMenu().actions().value(entry)->text(), entries[entry]);
        trayMenu.close();

        manager.showWelcomeWindowIfNeeded();
        check("welcome", manager.welcomeWindow());

        manager.openPopover();
        PickerPanel* panel = shownPanel();
        QVERIFY(panel);
        auto* picker = panel->findChild<MenuBarView*>();
        picker->setMenuPopoverPresented(true);
        check("panel menu", picker->menuPopover());
        picker->setMenuPopoverPresented(false);
        // The words in the user's language arrive from the background thread.
        if (!language.isEmpty())
            QTRY_VERIFY(!firstEmojiName(picker->grid()).isEmpty() &&
                        firstEmojiName(picker->grid()) != "grinning face");
        // The detail panel of emoji with long names: a flag and a family.
        for (const QString& symbol :
             {QStringLiteral("🇬🇸"), QStringLiteral("👨‍👩‍👧‍👦")}) {
            picker->searchField().setQuery(symbol);
            QTest::keyClick(&picker->searchField().lineEdit(), Qt::Key_Down);
            QTRY_VERIFY(picker->grid().selectedEmoji());
            const Emoji& shown = *picker->grid().selectedEmoji();
            QCOMPARE(shown.symbol, symbol);
            QCOMPARE(shown.localName.isEmpty(), language.isEmpty());
            check("panel showing " + shown.shownName(), panel);
        }

        QMessageBox* alert = showErrorAlert(
            panel, "Autopaste is not available in this session: the emoji is on the clipboard, "
                   "paste it with Ctrl+V");
        check("alert", alert);
        QVERIFY(alert->text() != "Autopaste is not available in this session: the emoji is on "
                                 "the clipboard, paste it with Ctrl+V" ||
                language.isEmpty());

        QVERIFY2(m_faults.isEmpty(), qPrintable(m_faults.join('\n')));
        QVERIFY2(untranslated.isEmpty(), qPrintable(untranslated.join('\n')));
    }

    // As the paste, key and portal services and the espanso list give them
    // (their own suites hold them to these words): the parts filled in stay.
    void messagesOfTheServicesAreShownInTheUsersLanguage_data() {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QStringList>("kept");
        QTest::newRow("the desktop refused to let the program type")
            << "The desktop did not allow Tesselle to type into other windows; Tesselle asks "
               "again at its next start."
            << QStringList();
        QTest::newRow("no remote desktop portal")
            << "This desktop offers no remote desktop portal, through which Tesselle would type "
               "into other windows."
            << QStringList();
        QTest::newRow("the desktop refused the key")
            << "The desktop did not take the key" << QStringList();
        QTest::newRow("the portal did not answer")
            << "The desktop portal did not answer BindShortcuts" << QStringList{"BindShortcuts"};
        QTest::newRow("an X11 paste without a display")
            << "Autopaste needs an X11 session; cannot open the display :9" << QStringList{":9"};
        QTest::newRow("a terminal that did not get the keys")
            << "Cannot send Shift+Insert to the terminal" << QStringList();
        QTest::newRow("wtype that hung typing into a terminal")
            << "wtype did not send the emoji within 5 s" << QStringList{"5"};
        QTest::newRow("a reason after a colon reads in the language too")
            << "Could not take the shortcuts out of the list, an unknown number are left in it: "
               "Could not write the espanso match file /home/u/match/tesselle.yml: disk full"
            << QStringList{"/home/u/match/tesselle.yml: disk full"};
    }
    void messagesOfTheServicesAreShownInTheUsersLanguage() {
        QFETCH(QString, message);
        QFETCH(QStringList, kept);
        for (const QString& locale :
             {QStringLiteral("de_DE.UTF-8"), QStringLiteral("ru_RU.UTF-8")}) {
            QProcessEnvironment environment;
            environment.insert("LANG", locale);
            const InterfaceTranslations translations(UserLanguages::preferred(environment),
                                                     builtResources,
                                                     InterfaceTranslations::qtTranslationsFolder());
            const QString shown = shownMessage(message);
            // No English sentence is left, even inside another.
            for (const QString& words :
                 {QStringLiteral("The "), QStringLiteral("Could not"), QStringLiteral("an unknown"),
                  QStringLiteral("Cannot"), QStringLiteral("This desktop"),
                  QStringLiteral(" needs "), QStringLiteral(" did not ")})
                QVERIFY2(!shown.contains(words), qPrintable(locale + ": " + shown));
            for (const QString& part : kept)
                QVERIFY2(shown.contains(part), qPrintable(locale + ": " + shown));
        }
    }
};

TESSELLE_TEST_MAIN(TranslatedLayoutsTest, QApplication)
#include "tst_translatedlayouts.moc"
