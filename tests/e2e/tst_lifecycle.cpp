#include "ProgramUnderTest.h"
#include "TestEnvironment.h"

#include <QSettings>

using namespace programUnderTest;

// The real program, started offscreen in this test's private HOME.
class LifecycleTest : public QObject {
    Q_OBJECT

    QStringList triggersInMatchFile() const {
        QStringList triggers;
        for (const auto& [trigger, replacement] : matchPairs())
            triggers << trigger;
        return triggers;
    }

private slots:
    void init() { removeProgramFiles(); }

    void aQuitSignalEndsTheProgramInOrder_data() {
        QTest::addColumn<int>("signal");
        QTest::newRow("SIGTERM") << int(SIGTERM);
        QTest::newRow("SIGINT, as Ctrl+C sends it") << int(SIGINT);
        QTest::newRow("SIGHUP, as the end of the session sends it") << int(SIGHUP);
    }
    void aQuitSignalEndsTheProgramInOrder() {
        QFETCH(int, signal);
        {
            QSettings settings(settingsFile(), QSettings::IniFormat);
            settings.setValue(
                "shortcuts",
                QByteArray(R"({"💃":[{"text":"/dance","phrase":"💃","isCustom":false}]})"));
        }
        QProcess program;
        start(program);
        // Running: the launch has put the recorded shortcut into the list.
        QTRY_COMPARE_WITH_TIMEOUT(triggersInMatchFile(), QStringList{"/dance"}, patienceMs);
        stop(program, signal);
        if (QTest::currentTestFailed())
            return;
        QVERIFY(triggersInMatchFile().isEmpty());
    }

    void recordedShortcutsAreInTheListOnlyWhileTheProgramRuns() {
        const QByteArray registry = R"({"💃":[{"text":"/dance","phrase":"💃","isCustom":false}],)"
                                    R"("🔥":[{"text":"/fire","phrase":"🔥","isCustom":false},)"
                                    R"({"text":"/lit","phrase":"🔥","isCustom":true}]})";
        {
            QSettings settings(settingsFile(), QSettings::IniFormat);
            settings.setValue("shortcuts", registry);
            settings.setValue("isWelcomeWasPresented", QByteArray("true"));
        }
        QProcess program;
        start(program);
        QTRY_COMPARE_WITH_TIMEOUT(triggersInMatchFile().size(), 3, patienceMs);
        QStringList triggers = triggersInMatchFile();
        triggers.sort();
        QCOMPARE(triggers, (QStringList{"/dance", "/fire", "/lit"}));

        stop(program, SIGTERM);
        QVERIFY(triggersInMatchFile().isEmpty());
        QSettings settings(settingsFile(), QSettings::IniFormat);
        QCOMPARE(settings.value("shortcuts").toByteArray(), registry);
    }
};

TESSELLE_TEST_MAIN(LifecycleTest, QCoreApplication)
#include "tst_lifecycle.moc"
