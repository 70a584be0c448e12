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

    void keyAnotherProgramHoldsIsReportedAndKept() {
        FakeDefaultsStore store;
        FakeGlobalShortcut keys;
        keys.taken << "Ctrl+Alt+E";
        RecordingLineOutput output;
        KeyboardShortcut shortcut(store, &keys, {}, output);
        QCOMPARE(shortcut.state(), KeyboardShortcut::State::refused);
        QCOMPARE(shortcut.refusal(), "Another program uses Ctrl+Alt+E");
        QCOMPARE(output.lines(), QStringList{"Keyboard shortcut: Another program uses Ctrl+Alt+E"});

        keys.taken << "Ctrl+Shift+K";
        shortcut.setKey("Ctrl+Shift+K");
        QCOMPARE(shortcut.key(), "Ctrl+Shift+K");
        QCOMPARE(shortcut.refusal(), "Another program uses Ctrl+Shift+K");
        QCOMPARE(store.value(SettingsKeys::keyboardShortcut).toByteArray(), "\"Ctrl+Shift+K\"");

        keys.taken.clear();
        shortcut.setKey("Ctrl+Alt+E");
        QCOMPARE(shortcut.state(), KeyboardShortcut::State::bound);
        QCOMPARE(shortcut.refusal(), QString());
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

    void resetHoldsTheDefaultKeyAgain() {
        FakeDefaultsStore store;
        FakeGlobalShortcut keys;
        KeyboardShortcut shortcut(store, &keys, {}, discardedLines());
        shortcut.setKey("");
        store.clear();
        shortcut.reload();
        QCOMPARE(shortcut.key(), "Ctrl+Alt+E");
        QCOMPARE(keys.held(), "Ctrl+Alt+E");
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
