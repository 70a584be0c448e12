#include "Fakes.h"
#include "TestEnvironment.h"
#include "app/AppManager.h"

#include <QApplication>
#include <QPromise>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>
#include <optional>

class AppManagerTest : public QObject {
    Q_OBJECT

private slots:
    void thePasteServiceIsPreparedOnceOffTheMainThreadBeforeItsFirstUse() {
        RecordingPasteboard pasteboard;
        FakePasteService service;
        // A preparation that takes a while: a use that did not wait for it
        // would be recorded first. (No gate can stand in for the time: the
        // main thread is blocked in the first use until it ends.)
        service.prepareDelayMs = 50;
        RecordingLineOutput output;
        AppManager manager(pasteboard, service, output);
        manager.rememberActiveWindow();
        manager.paste();
        QCOMPARE(service.steps(), (QStringList{"prepare", "remember", "paste"}));
    }

    void aPasteActivatesTheRememberedWindowAndThenBringsOursBack_data() {
        QTest::addColumn<bool>("intoFocusedWindow");
        QTest::addColumn<QString>("failure");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<bool>("shownAtPaste");
        QTest::newRow("a paste that succeeds re-activates our window")
            << false << QString() << QStringList{"prepare", "remember", "paste", "activate"}
            << QStringList() << true;
        QTest::newRow("a paste that fails prints two lines and re-activates nothing")
            << false << "Autopaste needs an X11 session"
            << QStringList{"prepare", "remember", "paste"}
            << QStringList{"Error message: Autopaste needs an X11 session",
                           "Error: Autopaste needs an X11 session"}
            << true;
        QTest::newRow("a paste into the focused window closes ours first and brings back nothing")
            << true << QString() << QStringList{"prepare", "remember", "paste"} << QStringList()
            << false;
    }
    void aPasteActivatesTheRememberedWindowAndThenBringsOursBack() {
        QFETCH(bool, intoFocusedWindow);
        QFETCH(QString, failure);
        QFETCH(QStringList, steps);
        QFETCH(QStringList, lines);
        QFETCH(bool, shownAtPaste);
        RecordingPasteboard pasteboard;
        FakePasteService service;
        service.failure = failure;
        service.intoFocusedWindow = intoFocusedWindow;
        RecordingLineOutput output;
        AppManager manager(pasteboard, service, output);
        QWidget panel;
        std::optional<bool> panelShown;
        service.onPaste = [&] { panelShown = panel.isVisible(); };
        panel.show();
        panel.activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), &panel);

        manager.copy(QStringLiteral("💃"));
        manager.rememberActiveWindow();
        manager.paste();
        QCOMPARE(service.steps(), steps);
        QCOMPARE(output.lines(), lines);
        QCOMPARE(panelShown, std::optional(shownAtPaste));
        QCOMPARE(service.activated, failure.isEmpty() && shownAtPaste ? panel.winId() : 0);
        // The emoji stays on the clipboard either way, for pasting by hand.
        QCOMPARE(pasteboard.texts, QStringList{QStringLiteral("💃")});
    }

    // The desktop may take a while (a question to the user, a program to run):
    // the event loop goes on meanwhile, and the outcome is said when it comes.
    void aPasteThatWaitsForTheDesktopSaysItsFailureWhenItComes() {
        const QStringList lines{"Error message: The desktop did not answer",
                                "Error: The desktop did not answer"};
        RecordingPasteboard pasteboard;
        FakePasteService service;
        service.intoFocusedWindow = true;
        service.failure = "The desktop did not answer";
        QPromise<void> desktop;
        desktop.start();
        service.hold = desktop.future();
        RecordingLineOutput output;
        AppManager manager(pasteboard, service, output);
        QSignalSpy announced(&manager, &AppManager::firstPasteFailed);
        manager.copy(QStringLiteral("💃"));
        QVERIFY(manager.paste());
        QCOMPARE(service.pasted, QStringList{QStringLiteral("💃")});
        QCOMPARE(output.lines(), QStringList());
        desktop.finish();
        QTRY_COMPARE(output.lines(), lines);
        QCOMPARE(announced.count(), 1);
    }

    void theUserIsToldOnceARunAtTheFirstPasteThatFailed_data() {
        QTest::addColumn<QStringList>("failures");
        QTest::addColumn<QStringList>("notices");
        const QString unavailable = QStringLiteral(
            "Autopaste is not available in this session: the emoji is on the clipboard, "
            "paste it with Ctrl+V");
        QTest::newRow("every paste fails: one notice, at the first")
            << QStringList{unavailable, unavailable, unavailable} << QStringList{unavailable};
        QTest::newRow("pastes that work announce nothing")
            << QStringList{QString(), QString()} << QStringList();
        QTest::newRow("a failure after pastes that worked is announced")
            << QStringList{QString(), "Cannot send Ctrl+V", unavailable}
            << QStringList{"Cannot send Ctrl+V"};
    }
    void theUserIsToldOnceARunAtTheFirstPasteThatFailed() {
        QFETCH(QStringList, failures);
        QFETCH(QStringList, notices);
        RecordingPasteboard pasteboard;
        FakePasteService service;
        RecordingLineOutput output;
        AppManager manager(pasteboard, service, output);
        QSignalSpy announced(&manager, &AppManager::firstPasteFailed);
        QStringList lines;
        manager.copy(QStringLiteral("💃"));
        for (const QString& failure : failures) {
            service.failure = failure;
            QCOMPARE(manager.paste(), failure.isEmpty());
            if (!failure.isEmpty())
                lines << "Error message: " + failure << "Error: " + failure;
        }
        QStringList shown;
        for (const QList<QVariant>& notice : announced)
            shown << notice.first().toString();
        QCOMPARE(shown, notices);
        // Every failure still prints its lines, and the emoji stays on the clipboard.
        QCOMPARE(output.lines(), lines);
        QCOMPARE(pasteboard.texts, QStringList{QStringLiteral("💃")});
    }
};

TESSELLE_TEST_MAIN(AppManagerTest, QApplication)
#include "tst_appmanager.moc"
