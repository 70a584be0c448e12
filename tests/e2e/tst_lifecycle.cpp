#include "ProgramUnderTest.h"
#include "TestEnvironment.h"

#include <QFileInfo>
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

    // Running: the launch has put the recorded shortcut into the list.
    void startWithDanceRecorded(QProcess& program) {
        {
            QSettings settings(settingsFile(), QSettings::IniFormat);
            settings.setValue(
                "shortcuts",
                QByteArray(R"({"💃":[{"text":"/dance","phrase":"💃","isCustom":false}]})"));
        }
        start(program);
        QTRY_COMPARE_WITH_TIMEOUT(triggersInMatchFile(), QStringList{"/dance"}, patienceMs);
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
        QProcess program;
        startWithDanceRecorded(program);
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

    // espanso offered both at every use of /dance.
    void aTriggerOfTheUsersOwnTakesThePlaceOfTheProgramsShortcut_data() {
        QTest::addColumn<bool>("whileRunning");
        QTest::newRow("defined before the start") << false;
        QTest::newRow("defined while the program runs") << true;
    }
    void aTriggerOfTheUsersOwnTakesThePlaceOfTheProgramsShortcut() {
        QFETCH(bool, whileRunning);
        {
            QSettings settings(settingsFile(), QSettings::IniFormat);
            settings.setValue(
                "shortcuts",
                QByteArray(R"({"🕺":[{"text":"/dance","phrase":"🕺","isCustom":false}],)"
                           R"("🔥":[{"text":"/fire","phrase":"🔥","isCustom":false}]})"));
            settings.setValue("isWelcomeWasPresented", QByteArray("true"));
        }
        const QString base = QFileInfo(matchFile()).path() + "/base.yml";
        const auto defineDance = [&] {
            QDir().mkpath(QFileInfo(base).path());
            QFile file(base);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("matches:\n  - trigger: /dance\n    replace: my own dance\n");
        };
        if (!whileRunning)
            defineDance();
        QProcess program;
        start(program);
        if (whileRunning) {
            QTRY_COMPARE_WITH_TIMEOUT(triggersInMatchFile().size(), 2, patienceMs);
            defineDance();
        }
        // The list holds /fire alone for a moment while it is being filled.
        QByteArray said;
        QTRY_VERIFY_WITH_TIMEOUT(
            (said += program.readAllStandardOutput())
                .contains("Took /dance out of Tesselle's list: your own espanso files define them"),
            patienceMs);
        QTRY_COMPARE_WITH_TIMEOUT(triggersInMatchFile(), QStringList{"/fire"}, patienceMs);
        stop(program, SIGTERM);
        QSettings settings(settingsFile(), QSettings::IniFormat);
        QVERIFY(!settings.value("shortcuts").toByteArray().contains("/dance"));
    }

    // The quit used to end with 0 and nothing said.
    void aQuitThatFindsAFolderInTheListsPlaceSaysSoAndFails() {
        QProcess program;
        startWithDanceRecorded(program);
        const QString aside = matchFile() + ".moved";
        QVERIFY(QFile::rename(matchFile(), aside));
        QVERIFY(QDir().mkdir(matchFile()));
        QVERIFY(QFile::rename(aside, matchFile() + "/tesselle.yml"));

        ::kill(pid_t(program.processId()), SIGTERM);
        QVERIFY(program.waitForFinished(10000));
        QCOMPARE(program.exitCode(), 1);
        const QByteArray said = program.readAllStandardOutput();
        QVERIFY2(said.contains("a folder took the place of the espanso match file " +
                               QFile::encodeName(matchFile())),
                 said.constData());
    }
};

TESSELLE_TEST_MAIN(LifecycleTest, QCoreApplication)
#include "tst_lifecycle.moc"
