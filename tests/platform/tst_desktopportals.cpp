#include "Fakes.h"
#include "PrivateSessionBus.h"
#include "StandInPortal.h"
#include "TestEnvironment.h"
#include "WaitFor.h"
#include "platform/MessageError.h"
#include "platform/linux/PortalGlobalShortcut.h"
#include "platform/linux/PortalPasteService.h"
#include "settings/SettingsKeys.h"
#include "settings/StoredSetting.h"

#include <QGuiApplication>
#include <QtConcurrent>
#include <atomic>
#include <memory>

Q_DECLARE_METATYPE(std::optional<uint>)

namespace {

const QString notice = QStringLiteral(
    "Autopaste is not available in this session: the emoji is on the clipboard, paste it with "
    "Ctrl+V");
const QStringList ctrlV{
    "RemoteDesktop.NotifyKeyboardKeysym 0xffe3 1", "RemoteDesktop.NotifyKeyboardKeysym 0x76 1",
    "RemoteDesktop.NotifyKeyboardKeysym 0x76 0", "RemoteDesktop.NotifyKeyboardKeysym 0xffe3 0"};

// The client's own connection to the private bus, as the program's would be
// to the session bus.
QDBusConnection clientBus(const QString& address) {
    static std::atomic<int> count = 0;
    return QDBusConnection::connectToBus(address, QStringLiteral("client%1").arg(++count));
}

// Prepared off the main thread, as the program does, while the main thread
// serves the stand-in portal.
void prepare(PortalPasteService& service) {
    QFuture<void> preparation = QtConcurrent::run([&service] { service.prepare(); });
    QVERIFY(waitUntil([&] { return preparation.isFinished(); }));
}

// Asked off the main thread, which serves the stand-in portal.
bool globalShortcutsOffered(const QString& address) {
    QFuture<bool> answer = QtConcurrent::run([address] {
        return PortalGlobalShortcut::isOffered(clientBus(address), std::chrono::seconds(5));
    });
    if (!waitUntil([&] { return answer.isFinished(); }))
        return false;
    return answer.result();
}

// The failure of a paste, empty when it pasted.
QString pasteFailure(PortalPasteService& service) {
    try {
        waitForTask(service.pasteIntoRememberedWindow(QStringLiteral("💃")));
    } catch (const MessageError& error) {
        return error.message();
    }
    return {};
}

QString storedToken(FakeDefaultsStore& settings) {
    return StoredSetting<QString>(settings, SettingsKeys::remoteDesktopRestoreToken, "").read();
}

} // namespace

class DesktopPortalsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<PrivateSessionBus> m_bus;

private slots:
    void initTestCase() {
        m_bus = std::make_unique<PrivateSessionBus>();
        if (m_bus->address().isEmpty())
            QSKIP("dbus-daemon cannot be started");
    }
    void cleanupTestCase() { m_bus.reset(); }

    void aRemoteDesktopSessionWithTheKeyboardStartsAtTheFirstPasteAndServesTheRun_data() {
        QTest::addColumn<uint>("version");
        QTest::addColumn<QString>("selection");
        QTest::addColumn<QString>("note");
        QTest::addColumn<QString>("token");
        QTest::newRow("version 1 asks in every session, and the hint says so")
            << 1u << "RemoteDesktop.SelectDevices types=1"
            << "This desktop asks for it once in every session." << QString();
        QTest::newRow("version 2 asks to keep the permission and keeps the token")
            << 2u << "RemoteDesktop.SelectDevices types=1 persist_mode=2" << QString() << "token-1";
    }
    void aRemoteDesktopSessionWithTheKeyboardStartsAtTheFirstPasteAndServesTheRun() {
        QFETCH(uint, version);
        QFETCH(QString, selection);
        QFETCH(QString, note);
        QFETCH(QString, token);
        StandInPortal portal(m_bus->address(), {version});
        FakeDefaultsStore settings;
        PortalPasteService service(clientBus(m_bus->address()), settings);
        prepare(service);
        QCOMPARE(service.unavailableReason(), QString());
        QCOMPARE(service.permissionNote(), note);
        QCOMPARE(pasteFailure(service), QString());
        QCOMPARE(pasteFailure(service), QString());
        QCOMPARE(portal.calls(),
                 QStringList({"RemoteDesktop.CreateSession", selection, "RemoteDesktop.Start"}) +
                     ctrlV + ctrlV);
        QCOMPARE(storedToken(settings), token);
    }

    void theNextRunRestoresTheSessionWithTheKeptToken() {
        StandInPortal portal(m_bus->address(), {2u});
        FakeDefaultsStore settings;
        for (int run = 1; run <= 2; ++run) {
            PortalPasteService service(clientBus(m_bus->address()), settings);
            prepare(service);
            QCOMPARE(pasteFailure(service), QString());
        }
        QCOMPARE(portal.calls(),
                 QStringList({"RemoteDesktop.CreateSession",
                              "RemoteDesktop.SelectDevices types=1 persist_mode=2",
                              "RemoteDesktop.Start"}) +
                     ctrlV +
                     QStringList({"RemoteDesktop.CreateSession",
                                  "RemoteDesktop.SelectDevices types=1 persist_mode=2 "
                                  "restore_token=token-1",
                                  "RemoteDesktop.Start"}) +
                     ctrlV);
        // The portal gives a new token at each start: the last one is kept.
        QCOMPARE(storedToken(settings), "token-2");
    }

    void aRefusalOrAMissingPortalGivesTheNoticeAndTypesNothing_data() {
        QTest::addColumn<bool>("portalRuns");
        QTest::addColumn<std::optional<uint>>("version");
        QTest::addColumn<QStringList>("calls");
        QTest::addColumn<QString>("reason");
        QTest::newRow("the user refuses the desktop's question")
            << true << std::optional<uint>(2u)
            << QStringList{"RemoteDesktop.CreateSession",
                           "RemoteDesktop.SelectDevices types=1 persist_mode=2 "
                           "restore_token=refused-token",
                           "RemoteDesktop.Start", "Session.Close"}
            << "The desktop did not allow Tesselle to type into other windows; Tesselle asks "
               "again at its next start.";
        QTest::newRow("a portal without the remote desktop")
            << true << std::optional<uint>() << QStringList()
            << "This desktop offers no remote desktop portal, through which Tesselle would type "
               "into other windows.";
        QTest::newRow("no portal at all")
            << false << std::optional<uint>() << QStringList()
            << "This desktop offers no remote desktop portal, through which Tesselle would type "
               "into other windows.";
    }
    void aRefusalOrAMissingPortalGivesTheNoticeAndTypesNothing() {
        QFETCH(bool, portalRuns);
        QFETCH(std::optional<uint>, version);
        QFETCH(QStringList, calls);
        QFETCH(QString, reason);
        std::optional<StandInPortal> portal;
        if (portalRuns)
            portal.emplace(m_bus->address(), StandInPortal::Offer{version, 1});
        FakeDefaultsStore settings;
        settings.setValue(SettingsKeys::remoteDesktopRestoreToken, QByteArray("\"refused-token\""));
        PortalPasteService service(clientBus(m_bus->address()), settings);
        prepare(service);
        // A second paste asks no more in the same run.
        QCOMPARE(pasteFailure(service), notice);
        QCOMPARE(pasteFailure(service), notice);
        QCOMPARE(service.unavailableReason(), reason);
        // The session the user refused is closed, without waiting for the answer.
        QVERIFY(waitUntil([&] { return (portal ? portal->calls() : QStringList()) == calls; }));
        if (portalRuns && version)
            QCOMPARE(storedToken(settings), QString());
    }

    void theDesktopHoldsTheKeyInASessionOfItsOwnAndItsPressesArrive() {
        StandInPortal portal(m_bus->address(), {});
        QVERIFY(globalShortcutsOffered(m_bus->address()));
        PortalGlobalShortcut shortcut(clientBus(m_bus->address()));
        QList<GlobalShortcut::Answer> answers;
        shortcut.setAnswerHandler([&](GlobalShortcut::Answer answer) { answers << answer; });
        int presses = 0;
        shortcut.bind("Ctrl+Alt+E", [&] { ++presses; });
        QVERIFY(waitUntil([&] { return !answers.isEmpty(); }));
        QCOMPARE(answers.first().held, true);
        QCOMPARE(answers.first().text, "Ctrl+Alt+E");
        const QString first = portal.lastSession();
        portal.activate(first);
        QVERIFY(waitUntil([&] { return presses == 1; }));

        shortcut.bind("Ctrl+Shift+K", [&] { presses += 10; });
        QVERIFY(waitUntil([&] { return answers.size() == 2; }));
        // The first session's key is gone with its session, once the second is held.
        portal.activate(first);
        portal.activate(portal.lastSession());
        QVERIFY(waitUntil([&] { return presses > 1; }));
        QCOMPARE(presses, 11);
        QCOMPARE(portal.calls(), QStringList({"GlobalShortcuts.CreateSession",
                                              "GlobalShortcuts.BindShortcuts toggle CTRL+ALT+e",
                                              "GlobalShortcuts.CreateSession",
                                              "GlobalShortcuts.BindShortcuts toggle CTRL+SHIFT+k",
                                              "Session.Close"}));
    }

    // The first session used to close before the desktop answered the second.
    void aKeyTheDesktopRefusesLeavesTheKeyItHeldBefore() {
        StandInPortal portal(m_bus->address(), {});
        PortalGlobalShortcut shortcut(clientBus(m_bus->address()));
        QList<GlobalShortcut::Answer> answers;
        shortcut.setAnswerHandler([&](GlobalShortcut::Answer answer) { answers << answer; });
        int presses = 0;
        shortcut.bind("Ctrl+Alt+E", [&] { ++presses; });
        QVERIFY(waitUntil([&] { return answers.size() == 1; }));
        const QString first = portal.lastSession();

        portal.setBindAnswer(1);
        shortcut.bind("Ctrl+Shift+K", [&] { presses += 10; });
        QVERIFY(waitUntil([&] { return answers.size() == 2; }));
        QCOMPARE(answers.last().held, false);
        portal.activate(first);
        QVERIFY(waitUntil([&] { return presses > 0; }));
        QCOMPARE(presses, 1);
        // Only the refused session is closed.
        QCOMPARE(portal.calls(), QStringList({"GlobalShortcuts.CreateSession",
                                              "GlobalShortcuts.BindShortcuts toggle CTRL+ALT+e",
                                              "GlobalShortcuts.CreateSession",
                                              "GlobalShortcuts.BindShortcuts toggle CTRL+SHIFT+k",
                                              "Session.Close"}));
        // A key no desktop can hold is refused at once and changes nothing.
        QVERIFY(!shortcut.canHold("E"));
        QVERIFY_THROWS_EXCEPTION(MessageError, shortcut.bind("E", [] {}));
        portal.activate(first);
        QVERIFY(waitUntil([&] { return presses > 1; }));
        QCOMPARE(presses, 2);
    }

    void aKeyTheDesktopRefusesOrAPortalWithoutShortcutsIsSaid_data() {
        QTest::addColumn<bool>("offered");
        QTest::addColumn<uint>("bindAnswer");
        QTest::newRow("the user refuses the key") << true << 1u;
        QTest::newRow("a portal without global shortcuts") << false << 0u;
    }
    void aKeyTheDesktopRefusesOrAPortalWithoutShortcutsIsSaid() {
        QFETCH(bool, offered);
        QFETCH(uint, bindAnswer);
        StandInPortal::Offer offer;
        offer.globalShortcuts = offered;
        offer.bindAnswer = bindAnswer;
        StandInPortal portal(m_bus->address(), offer);
        QCOMPARE(globalShortcutsOffered(m_bus->address()), offered);
        if (!offered)
            return;
        PortalGlobalShortcut shortcut(clientBus(m_bus->address()));
        std::optional<GlobalShortcut::Answer> answer;
        shortcut.setAnswerHandler([&](GlobalShortcut::Answer given) { answer = given; });
        shortcut.bind("Ctrl+Alt+E", [] {});
        QVERIFY(waitUntil([&] { return answer.has_value(); }));
        QCOMPARE(answer->held, false);
        QCOMPARE(answer->text, "The desktop did not take the key");
    }

    void theKeyIsOfferedInTheDesktopsShortcutFormat_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("trigger");
        QTest::newRow("letters in lower case, modifiers in upper") << "Ctrl+Alt+E"
                                                                   << "CTRL+ALT+e";
        QTest::newRow("Super is LOGO, Shift is SHIFT") << "Meta+Shift+Space"
                                                       << "SHIFT+LOGO+space";
        QTest::newRow("a function key alone") << "F9"
                                              << "F9";
        QTest::newRow("a key no desktop can hold") << "E"
                                                   << "";
    }
    void theKeyIsOfferedInTheDesktopsShortcutFormat() {
        QFETCH(QString, key);
        QFETCH(QString, trigger);
        QCOMPARE(PortalGlobalShortcut::trigger(key), trigger);
    }
};

TESSELLE_TEST_MAIN(DesktopPortalsTest, QGuiApplication)
#include "tst_desktopportals.moc"
