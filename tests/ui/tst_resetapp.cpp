#include "FakeTextMeasurer.h"
#include "ProgramInTestHome.h"
#include "TestEnvironment.h"
#include "WaitFor.h"
#include "app/WindowManager.h"
#include "async/SystemClock.h"
#include "catalogue/EmojiStore.h"
#include "settings/LaunchAtLogin.h"
#include "settings/Preferences.h"
#include "shortcuts/Preset.h"
#include "ui/controls/ModalWindow.h"
#include "ui/picker/PickerPanel.h"
#include "ui/settings/GeneralSettingsView.h"
#include "ui/settings/SettingsView.h"
#include "ui/welcome/WelcomeView.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QSettings>
#include <QTest>

namespace {

// The program over its real settings file, espanso list and autostart entry
// in this test's private HOME, as one start builds it, with the panel's store.
struct ProgramAtHome : ProgramInTestHome<FakeTextMeasurer, SystemClock> {
    ProgramAtHome() : ProgramInTestHome({.repairDelay = std::chrono::hours(1)}) {
        waitForTask(registry.restoreShortcuts());
    }

    Preferences& preferences = program.delegate().preferences();
    Preset& preset = program.delegate().preset();
    ShortcutRegistry& registry = program.registry();
    LaunchAtLogin::Observable& launchAtLogin = program.launchAtLogin();
    WindowManager& windowManager = program.windowManager();
    // The running picker's store, in the panel as the first opening builds it.
    EmojiStore& store = panelStore(windowManager);

    static EmojiStore& panelStore(WindowManager& windowManager) {
        windowManager.openPopover();
        windowManager.closePopover();
        return *windowManager.popover()->findChild<EmojiStore*>();
    }

    QStringList favorites() const { return symbolsOf(store.allFavoriteGroup()); }
    QStringList recents() const { return symbolsOf(store.recentGroup()); }
    static QStringList symbolsOf(const EmojiGroup& group) {
        QStringList symbols;
        for (const Emoji& emoji : group.emojis)
            symbols << emoji.symbol;
        return symbols;
    }
    const Emoji& firstEmoji() const { return store.systemGroups().first().emojis.first(); }
};

// What a start shows of the user's state.
struct State {
    QStringList settingsKeys;
    int listed = 0;
    int recorded = 0;
    bool installed = false;
    QStringList favorites;
    QStringList recents;
    bool opensAtLogin = false;
    bool autoPaste = false;

    bool operator==(const State&) const = default;
};

char* toString(const State& state) {
    return QTest::toString(QStringLiteral("keys %1, %2 listed, %3 recorded, installed %4, "
                                          "favourites %5, recents %6, login %7, autopaste %8")
                               .arg(state.settingsKeys.join(','))
                               .arg(state.listed)
                               .arg(state.recorded)
                               .arg(state.installed)
                               .arg(state.favorites.join(','), state.recents.join(','))
                               .arg(state.opensAtLogin)
                               .arg(state.autoPaste));
}

State stateOf(const ProgramAtHome& program) {
    QSettings settings(program.defaults.fileName(), QSettings::IniFormat);
    QStringList keys = settings.allKeys();
    keys.sort();
    return {keys,
            int(program.list.currentEntries().size()),
            int(program.registry.allShortcuts().size()),
            program.preset.installedConfiguration().has_value(),
            program.favorites(),
            program.recents(),
            program.launchAtLogin.isEnabled(),
            program.preferences.autoPaste()};
}

void removeUserFiles() {
    for (const char* folder : {"/tesselle", "/espanso", "/autostart"})
        QDir(qEnvironmentVariable("XDG_CONFIG_HOME") + folder).removeRecursively();
}

} // namespace

// "Reset App" on the real General page of a program that has been used.
class ResetAppTest : public QObject {
    Q_OBJECT

private slots:
    void init() { removeUserFiles(); }

    void afterResetTheProgramIsAsAFirstStartWouldLeaveIt() {
        State fresh;
        {
            ProgramAtHome first;
            QCoreApplication::processEvents();
            fresh = stateOf(first);
        }
        removeUserFiles();

        auto program = std::make_unique<ProgramAtHome>();
        waitForTask(program->preset.install({Gender::person, Tone::medium, std::nullopt}));
        waitForTask(program->registry.registerShortcuts({{"/mine", "🕺", true}}, true));
        program->store.addFavorite(program->firstEmoji());
        program->store.addRecent(program->firstEmoji());
        program->preferences.setAutoPaste(true);
        program->launchAtLogin.setEnabled(true);
        program->windowManager.openSettings();
        auto* page = program->windowManager.settingsWindow()->findChild<GeneralSettingsView*>();

        for (QPushButton* button : page->findChildren<QPushButton*>()) {
            if (button->text() == "Reset App")
                QTest::mouseClick(button, Qt::LeftButton);
        }
        QTRY_VERIFY_WITH_TIMEOUT(program->windowManager.welcomeWindow(), 10000);
        QVERIFY(program->windowManager.welcomeWindow()->isVisible());
        QVERIFY(!program->windowManager.settingsWindow()->isVisible());
        QCoreApplication::processEvents();
        QCOMPARE(stateOf(*program), fresh);

        // The running program writes nothing of the old state back at its next changes.
        program->store.addRecent(program->firstEmoji());
        waitForTask(program->registry.registerShortcuts({{"/new", "🎉", true}}, true));
        QCOMPARE(program->recents().size(), 1);
        QCOMPARE(program->favorites(), QStringList());

        // And a restart agrees.
        program.reset();
        ProgramAtHome restarted;
        QCOMPARE(restarted.registry.allShortcuts(), (QList<Shortcut>{{"/new", "🎉", true}}));
        QCOMPARE(restarted.recents().size(), 1);
        QCOMPARE(restarted.favorites(), QStringList());
        QVERIFY(!restarted.preset.installedConfiguration());
        QVERIFY(!restarted.launchAtLogin.isEnabled());
        QVERIFY(!restarted.preferences.autoPaste());
    }
};

TESSELLE_TEST_MAIN(ResetAppTest, QApplication)
#include "tst_resetapp.moc"
