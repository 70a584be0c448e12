#include "FakeGlobalShortcut.h"
#include "Fakes.h"
#include "TestEnvironment.h"
#include "platform/linux/QSettingsDefaultsStore.h"
#include "settings/KeyboardShortcut.h"
#include "settings/SettingsKeys.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>

class KeyboardShortcutTest : public QObject {
    Q_OBJECT

    // Each case gets its own settings file, so a read sees what a new start would.
    QString newDomain() { return QStringLiteral("shortcut%1").arg(++m_domains); }
    int m_domains = 0;

private slots:
    void storedKeyIsReadBackOrFallsBackToTheDefault_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("expected");
        QTest::newRow("nothing stored is the default key") << QByteArray() << "Ctrl+Alt+E";
        QTest::newRow("a stored key is that key")
            << QByteArray("[General]\nkeyboardShortcut=\"@ByteArray(\\\"Ctrl+Shift+K\\\")\"\n")
            << "Ctrl+Shift+K";
        QTest::newRow("a stored empty key is no key")
            << QByteArray("[General]\nkeyboardShortcut=\"@ByteArray(\\\"\\\")\"\n") << "";
        QTest::newRow("data that is not JSON is the default key")
            << QByteArray("[General]\nkeyboardShortcut=\"@ByteArray(\\\"Ctrl+)\"\n")
            << "Ctrl+Alt+E";
        QTest::newRow("JSON of another type is the default key")
            << QByteArray("[General]\nkeyboardShortcut=@ByteArray(42)\n") << "Ctrl+Alt+E";
        QTest::newRow("a plain text that is not data is the default key")
            << QByteArray("[General]\nkeyboardShortcut=Ctrl+Shift+K\n") << "Ctrl+Alt+E";
    }
    void storedKeyIsReadBackOrFallsBackToTheDefault() {
        QFETCH(QByteArray, file);
        QFETCH(QString, expected);
        const QString domain = newDomain();
        const QString folder =
            QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
            "/tesselle-test";
        if (!file.isEmpty()) {
            QDir().mkpath(folder);
            QFile settings(folder + '/' + domain + ".conf");
            QVERIFY(settings.open(QIODevice::WriteOnly));
            settings.write(file);
        }
        QSettingsDefaultsStore store("tesselle-test", domain);
        FakeGlobalShortcut keys;
        KeyboardShortcut shortcut(store, &keys, {}, discardedLines());
        QCOMPARE(shortcut.key(), expected);
        QCOMPARE(keys.bound, QStringList{expected});
    }

    void chosenKeyIsWhatTheNextStartHolds_data() {
        QTest::addColumn<QString>("choice");
        QTest::newRow("another key") << "Ctrl+Shift+K";
        QTest::newRow("no key") << "";
    }
    void chosenKeyIsWhatTheNextStartHolds() {
        QFETCH(QString, choice);
        const QString domain = newDomain();
        {
            QSettingsDefaultsStore store("tesselle-test", domain);
            FakeGlobalShortcut keys;
            KeyboardShortcut(store, &keys, {}, discardedLines()).setKey(choice);
        }
        QSettingsDefaultsStore store("tesselle-test", domain);
        FakeGlobalShortcut keys;
        KeyboardShortcut shortcut(store, &keys, {}, discardedLines());
        QCOMPARE(shortcut.key(), choice);
        QCOMPARE(keys.bound, QStringList{choice});
    }

    void changingTheKeyRebindsAtOnce_data() {
        QTest::addColumn<QString>("choice");
        QTest::addColumn<KeyboardShortcut::State>("state");
        QTest::addColumn<QString>("held");
        QTest::newRow("another key is held in place of the default")
            << "Ctrl+Shift+K" << KeyboardShortcut::State::bound << "Ctrl+Shift+K";
        QTest::newRow("clearing the key releases it and holds none")
            << "" << KeyboardShortcut::State::none << "";
    }
    void changingTheKeyRebindsAtOnce() {
        QFETCH(QString, choice);
        QFETCH(KeyboardShortcut::State, state);
        QFETCH(QString, held);
        FakeDefaultsStore store;
        FakeGlobalShortcut keys;
        KeyboardShortcut shortcut(store, &keys, {}, discardedLines());
        QSignalSpy changes(&shortcut, &KeyboardShortcut::stateChanged);
        shortcut.setKey(choice);
        QCOMPARE(keys.bound, (QStringList{"Ctrl+Alt+E", choice}));
        QCOMPARE(keys.held(), held);
        QCOMPARE(shortcut.state(), state);
        QCOMPARE(changes.count(), 1);
        QCOMPARE(store.value(SettingsKeys::keyboardShortcut).toByteArray(),
                 '"' + choice.toUtf8() + '"');
    }

    void storedKeyAnotherProgramHoldsIsReportedAndKept() {
        FakeDefaultsStore store;
        FakeGlobalShortcut keys;
        keys.taken << "Ctrl+Alt+E";
        RecordingLineOutput output;
        KeyboardShortcut shortcut(store, &keys, {}, output);
        QCOMPARE(shortcut.state(), KeyboardShortcut::State::refused);
        QCOMPARE(shortcut.refusal(), "Another program uses Ctrl+Alt+E");
        QCOMPARE(output.lines(), QStringList{"Keyboard shortcut: Another program uses Ctrl+Alt+E"});
        QCOMPARE(shortcut.key(), "Ctrl+Alt+E");

        keys.taken.clear();
        shortcut.setKey("Ctrl+Alt+E");
        QCOMPARE(shortcut.state(), KeyboardShortcut::State::bound);
        QCOMPARE(shortcut.refusal(), QString());
        QCOMPARE(keys.held(), "Ctrl+Alt+E");
    }

    // Releasing the old key first left the user with none, now and at the next start.
    void aRefusedChoiceLeavesTheKeyHeldAndStoredBefore_data() {
        QTest::addColumn<QString>("held");
        QTest::addColumn<QString>("choice");
        QTest::addColumn<bool>("takenByAnother");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("a key another program holds")
            << "Ctrl+Shift+K"
            << "Ctrl+Alt+L" << true << "Another program uses Ctrl+Alt+L";
        QTest::newRow("a key the session cannot hold")
            << "Ctrl+Shift+K"
            << "Ctrl+Alt+Left" << false << "Ctrl+Alt+Left cannot be a keyboard shortcut";
        QTest::newRow("after no key, still no key")
            << ""
            << "Meta+." << false << "Meta+. cannot be a keyboard shortcut";
    }
    void aRefusedChoiceLeavesTheKeyHeldAndStoredBefore() {
        QFETCH(QString, held);
        QFETCH(QString, choice);
        QFETCH(bool, takenByAnother);
        QFETCH(QString, refusal);
        const QString domain = newDomain();
        {
            QSettingsDefaultsStore store("tesselle-test", domain);
            FakeGlobalShortcut keys;
            (takenByAnother ? keys.taken : keys.unholdable) << choice;
            KeyboardShortcut shortcut(store, &keys, {}, discardedLines());
            shortcut.setKey(held);
            shortcut.setKey(choice);
            QCOMPARE(shortcut.refusal(), refusal);
            QCOMPARE(shortcut.key(), held);
            QCOMPARE(keys.held(), held);
            QCOMPARE(shortcut.state(), held.isEmpty() ? KeyboardShortcut::State::none
                                                      : KeyboardShortcut::State::bound);
        }
        QSettingsDefaultsStore store("tesselle-test", domain);
        FakeGlobalShortcut keys;
        KeyboardShortcut shortcut(store, &keys, {}, discardedLines());
        QCOMPARE(keys.held(), held);
    }

    // Where the desktop keeps the key, its later answer says whether and as
    // what it holds it; the user may have chosen another key there.
    void theDesktopsAnswerSaysWhoHoldsTheKey_data() {
        QTest::addColumn<bool>("held");
        QTest::addColumn<QString>("text");
        QTest::addColumn<KeyboardShortcut::State>("state");
        QTest::addColumn<QString>("heldAs");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("the desktop holds the key the user changed there")
            << true << "Ctrl+Alt+T" << KeyboardShortcut::State::bound << "Ctrl+Alt+T"
            << QStringList();
        QTest::newRow("the desktop refuses the key")
            << false << "The desktop did not take the key" << KeyboardShortcut::State::refused
            << QString() << QStringList{"Keyboard shortcut: The desktop did not take the key"};
    }
    void theDesktopsAnswerSaysWhoHoldsTheKey() {
        QFETCH(bool, held);
        QFETCH(QString, text);
        QFETCH(KeyboardShortcut::State, state);
        QFETCH(QString, heldAs);
        QFETCH(QStringList, lines);
        FakeDefaultsStore store;
        FakeGlobalShortcut keys;
        keys.keptBy = GlobalShortcut::Keeper::desktop;
        RecordingLineOutput output;
        KeyboardShortcut shortcut(store, &keys, {}, output);
        QCOMPARE(shortcut.state(), KeyboardShortcut::State::pending);
        QCOMPARE(shortcut.keeper(), GlobalShortcut::Keeper::desktop);
        keys.answer(held, text);
        QCOMPARE(shortcut.state(), state);
        QCOMPARE(shortcut.heldAs(), heldAs);
        QCOMPARE(output.lines(), lines);
        // The choice stays stored either way.
        QCOMPARE(shortcut.key(), "Ctrl+Alt+E");
        shortcut.setKey("Ctrl+Shift+K");
        QCOMPARE(shortcut.state(), KeyboardShortcut::State::pending);
        QCOMPARE(shortcut.heldAs(), QString());
    }

    // The desktop answers a new key later: until it holds it, the key it held
    // before is the one held and stored.
    void aKeyTheDesktopRefusesLaterLeavesTheKeyHeldAndStoredBefore_data() {
        QTest::addColumn<bool>("held");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("refused: the key before stays") << false << "Ctrl+Alt+E"
                                                       << "The desktop did not take the key";
        QTest::newRow("held: the new key is stored") << true << "Ctrl+Shift+K" << QString();
    }
    void aKeyTheDesktopRefusesLaterLeavesTheKeyHeldAndStoredBefore() {
        QFETCH(bool, held);
        QFETCH(QString, key);
        QFETCH(QString, refusal);
        FakeDefaultsStore store;
        FakeGlobalShortcut keys;
        keys.keptBy = GlobalShortcut::Keeper::desktop;
        KeyboardShortcut shortcut(store, &keys, {}, discardedLines());
        keys.answer(true, "Ctrl+Alt+E");
        shortcut.setKey("Ctrl+Shift+K");
        QCOMPARE(shortcut.state(), KeyboardShortcut::State::pending);
        QCOMPARE(keys.held(), "Ctrl+Alt+E");
        keys.answer(held, held ? "Ctrl+Shift+K" : "The desktop did not take the key");
        QCOMPARE(shortcut.state(), KeyboardShortcut::State::bound);
        QCOMPARE(shortcut.key(), key);
        QCOMPARE(shortcut.heldAs(), key);
        QCOMPARE(shortcut.refusal(), refusal);
        QCOMPARE(keys.held(), key);
        QCOMPARE(store.value(SettingsKeys::keyboardShortcut).toByteArray(),
                 held ? QByteArray("\"Ctrl+Shift+K\"") : QByteArray());
    }

    void pressOfTheHeldKeyIsAnnounced() {
        FakeDefaultsStore store;
        FakeGlobalShortcut keys;
        KeyboardShortcut shortcut(store, &keys, {}, discardedLines());
        QSignalSpy presses(&shortcut, &KeyboardShortcut::pressed);
        keys.press();
        QCOMPARE(presses.count(), 1);
    }

    void quitReleasesTheKeyAndKeepsTheChoice() {
        FakeDefaultsStore store;
        FakeGlobalShortcut keys;
        KeyboardShortcut shortcut(store, &keys, {}, discardedLines());
        shortcut.setKey("Ctrl+Shift+K");
        shortcut.release();
        QCOMPARE(keys.bound.last(), QString());
        QCOMPARE(shortcut.key(), "Ctrl+Shift+K");
        QCOMPARE(store.value(SettingsKeys::keyboardShortcut).toByteArray(), "\"Ctrl+Shift+K\"");
    }

    void resetHoldsTheDefaultKeyAgain_data() {
        QTest::addColumn<bool>("defaultTaken");
        QTest::addColumn<QString>("held");
        QTest::newRow("the default key is held again") << false << "Ctrl+Alt+E";
        QTest::newRow("with the default taken, the key chosen before is let go") << true << "";
    }
    void resetHoldsTheDefaultKeyAgain() {
        QFETCH(bool, defaultTaken);
        QFETCH(QString, held);
        FakeDefaultsStore store;
        FakeGlobalShortcut keys;
        KeyboardShortcut shortcut(store, &keys, {}, discardedLines());
        shortcut.setKey("Ctrl+Shift+K");
        if (defaultTaken)
            keys.taken << "Ctrl+Alt+E";
        store.clear();
        shortcut.reload();
        QCOMPARE(shortcut.key(), "Ctrl+Alt+E");
        QCOMPARE(keys.held(), held);
    }

    void sessionWithoutKeysSaysHowToBindTheDesktopsOwn_data() {
        QTest::addColumn<QStringList>("desktops");
        QTest::addColumn<QString>("where");
        QTest::addColumn<QString>("command");
        QTest::newRow("GNOME names its keyboard settings")
            << QStringList{"ubuntu", "GNOME"} << "Settings > Keyboard > Custom Shortcuts"
            << "tesselle --toggle";
        QTest::newRow("sway gets the line for its config file")
            << QStringList{"sway"} << "config file"
            << "bindsym Ctrl+Alt+e exec tesselle --toggle";
        QTest::newRow("another desktop gets the command alone")
            << QStringList{"Hyprland"} << "keyboard settings"
            << "tesselle --toggle";
    }
    void sessionWithoutKeysSaysHowToBindTheDesktopsOwn() {
        QFETCH(QStringList, desktops);
        QFETCH(QString, where);
        QFETCH(QString, command);
        FakeDefaultsStore store;
        KeyboardShortcut shortcut(store, nullptr,
                                  DesktopSession{DesktopSession::Kind::wayland, desktops},
                                  discardedLines());
        QCOMPARE(shortcut.state(), KeyboardShortcut::State::unavailable);
        QVERIFY2(shortcut.desktopBinding().sentence.contains(where),
                 qPrintable(shortcut.desktopBinding().sentence));
        QCOMPARE(shortcut.desktopBinding().command, command);
    }
};

TESSELLE_TEST_MAIN(KeyboardShortcutTest, QCoreApplication)
#include "tst_keyboardshortcut.moc"
