#include "FakeEspanso.h"
#include "ProgramUnderTest.h"
#include "TestEnvironment.h"
#include "WaitFor.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

using namespace programUnderTest;

namespace {

// A record as a full preset leaves it: this many shortcuts, one per emoji.
constexpr int recordedCount = 1705;

void recordShortcuts() {
    QJsonObject map;
    for (int i = 0; i < recordedCount; ++i) {
        const QString phrase = QStringLiteral("emoji %1").arg(i);
        map.insert(phrase, QJsonArray{QJsonObject{{"text", QStringLiteral("/s%1").arg(i)},
                                                  {"phrase", phrase},
                                                  {"isCustom", false}}});
    }
    QSettings settings(settingsFile(), QSettings::IniFormat);
    settings.setValue("shortcuts", QJsonDocument(map).toJson(QJsonDocument::Compact));
    settings.setValue("isWelcomeWasPresented", QByteArray("true"));
}

// Counted from the raw text: fast enough to catch the file being filled.
int entriesInMatchFile() {
    QFile file(matchFile());
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    return int(file.readAll().count("\n  - trigger:"));
}

// Whether one of the program's threads has this name.
bool hasThread(const QProcess& program, const QByteArray& name) {
    const QDir tasks(QStringLiteral("/proc/%1/task").arg(program.processId()));
    for (const QString& task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile comm(tasks.filePath(task + "/comm"));
        if (comm.open(QIODevice::ReadOnly) && comm.readAll().trimmed() == name)
            return true;
    }
    return false;
}

// Running, not ended: a child whose parent has gone may wait as a zombie
// for whoever adopts it.
bool isRunning(qint64 process) {
    QFile stat(QStringLiteral("/proc/%1/stat").arg(process));
    if (!stat.open(QIODevice::ReadOnly))
        return false;
    const QByteArray fields = stat.readAll();
    return fields.mid(fields.lastIndexOf(')') + 2, 1) != "Z";
}

QByteArray standardOutputOf(QProcess& program) {
    program.waitForFinished(10000);
    return program.readAllStandardOutput();
}

} // namespace

// The real program, started and ended at awkward moments, offscreen in this
// test's private HOME.
class StartAndQuitTest : public QObject {
    Q_OBJECT

private slots:
    void init() { removeProgramFiles(); }

    // The restore used to go on writing between the quit's removal and the end.
    void aQuitDuringTheLaunchRestoreLeavesNothingInTheList_data() {
        QTest::addColumn<int>("entriesBeforeQuit");
        for (int round = 1; round <= 2; ++round) {
            QTest::addRow("as the first entries arrive, round %d", round) << 1;
            QTest::addRow("with a fifth of the list written, round %d", round) << 340;
            QTest::addRow("with half of the list written, round %d", round) << 850;
            QTest::addRow("with most of the list written, round %d", round) << 1500;
        }
    }
    void aQuitDuringTheLaunchRestoreLeavesNothingInTheList() {
        QFETCH(int, entriesBeforeQuit);
        recordShortcuts();
        QProcess program;
        start(program);
        // Looked at every few milliseconds, so that the quit lands near its mark.
        QVERIFY(waitUntil([&] { return entriesInMatchFile() >= entriesBeforeQuit; },
                          std::chrono::seconds(20)));
        const int written = entriesInMatchFile();
        ::kill(pid_t(program.processId()), SIGTERM);
        // The quit stops the restore at its next write: the list must not go on filling.
        int peak = written;
        while (!program.waitForFinished(1))
            peak = qMax(peak, entriesInMatchFile());
        qInfo("quit with %d of %d entries written, %d at most after it", written, recordedCount,
              peak);
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
        QVERIFY2(peak < written + 300, qPrintable(QString::number(peak)));
        QCOMPARE(matchPairs(), (QList<std::pair<QString, QString>>()));
    }

    // Early in its start a quit signal used to end the program at once, with
    // the signal's own exit status. Held at the lock that a second start
    // waits on, the program must already catch it.
    void aQuitSignalEarlyInTheStartEndsInOrder() {
        QLockFile startLock(qEnvironmentVariable("XDG_RUNTIME_DIR") +
                            "/io.tesselle.Tesselle.socket.lock");
        QVERIFY(startLock.lock());
        QProcess program;
        start(program);
        QTRY_VERIFY_WITH_TIMEOUT(catches(program, SIGTERM), patienceMs);
        ::kill(pid_t(program.processId()), SIGTERM);
        startLock.unlock();
        QVERIFY(program.waitForFinished(10000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
    }

    // The launch measures every symbol off the main thread, on a thread that
    // takes its copy of the emoji font with it when it ends.
    void theMeasuringThreadEndsOnceTheSymbolsAreMeasuredAndAQuitMeanwhileEndsInOrder_data() {
        QTest::addColumn<bool>("quitWhileMeasuring");
        QTest::newRow("a quit while the symbols are measured") << true;
        QTest::newRow("a quit after the measuring") << false;
    }
    void theMeasuringThreadEndsOnceTheSymbolsAreMeasuredAndAQuitMeanwhileEndsInOrder() {
        QFETCH(bool, quitWhileMeasuring);
        recordShortcuts();
        QProcess program;
        start(program);
        const auto measuring = [&] { return hasThread(program, "Font measuring"); };
        QVERIFY(waitUntil(measuring, std::chrono::seconds(20)));
        if (!quitWhileMeasuring)
            QVERIFY(waitUntil([&] { return !measuring(); }, std::chrono::seconds(60)));
        stop(program, SIGTERM);
        QCOMPARE(matchPairs(), (QList<std::pair<QString, QString>>()));
    }

    // Each runtime folder has its own socket, so the second program cannot
    // reach the first: it must not write the same list beside it.
    void aSecondProgramWithAnotherRuntimeFolderIsRefused() {
        recordShortcuts();
        QProcess first;
        start(first);
        QTRY_COMPARE_WITH_TIMEOUT(entriesInMatchFile(), recordedCount, patienceMs);

        QTemporaryDir otherRuntime;
        QProcessEnvironment environment = offscreenEnvironment();
        environment.insert("XDG_RUNTIME_DIR", otherRuntime.path());
        QProcess second;
        start(second, QStringLiteral("tesselle"), environment);
        const QByteArray said = standardOutputOf(second);
        QCOMPARE(second.exitCode(), 1);
        QVERIFY2(said.contains("Tesselle already runs with these settings"), said.constData());

        QCOMPARE(first.state(), QProcess::Running);
        QCOMPARE(entriesInMatchFile(), recordedCount);
        stop(first, SIGTERM);
        QCOMPARE(entriesInMatchFile(), 0);
    }

    void anEspansoCommandThatHangsEndsWithTheProgram() {
        // Used to go on after the program had ended.
        FakeEspanso espanso;
        espanso.set("FAKE_ESPANSO_HANG", "status");
        QProcess program;
        start(program);
        qint64 status = 0;
        QVERIFY(waitUntil([&] { return (status = espanso.processOf("status")) > 0; },
                          std::chrono::seconds(20)));
        stop(program, SIGTERM);
        const bool hasEnded = waitUntil([&] { return !isRunning(status); });
        if (!hasEnded)
            ::kill(pid_t(status), SIGKILL);
        QVERIFY(hasEnded);
    }

    // Qt's X11 platform ends the process with exit() when the display goes:
    // the list used to keep every shortcut.
    void losingTheDisplayEmptiesTheListFirst_data() {
        QTest::addColumn<int>("signal");
        for (int round = 1; round <= 3; ++round)
            QTest::addRow("the X server ends, round %d", round) << SIGTERM;
        for (int round = 1; round <= 2; ++round)
            QTest::addRow("the X server is killed, round %d", round) << SIGKILL;
    }
    void losingTheDisplayEmptiesTheListFirst() {
        QFETCH(int, signal);
        if (QStandardPaths::findExecutable("Xvfb").isEmpty())
            QSKIP("Xvfb is missing (scripts/deps.sh installs it)");
        QProcess display;
        display.start("Xvfb", {"-displayfd", "1", "-nolisten", "tcp"});
        QVERIFY(display.waitForStarted());
        QVERIFY(waitUntil([&] { return display.canReadLine(); }, std::chrono::seconds(20)));
        const QString number = QString::fromLatin1(display.readLine().trimmed());
        recordShortcuts();
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove("QT_QPA_PLATFORM");
        environment.remove("WAYLAND_DISPLAY");
        environment.insert("DISPLAY", ':' + number);
        QProcess program;
        start(program, QStringLiteral("tesselle"), environment, QProcess::SeparateChannels);
        QTRY_COMPARE_WITH_TIMEOUT(entriesInMatchFile(), recordedCount, patienceMs);

        ::kill(pid_t(display.processId()), signal);
        QVERIFY(display.waitForFinished(10000));
        QVERIFY(program.waitForFinished(20000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 1);
        QCOMPARE(matchPairs(), (QList<std::pair<QString, QString>>()));
        QVERIFY(program.readAllStandardOutput().contains(
            "The display connection broke: quitting in order first\n"));
    }

    // A platform named in QT_QPA_PLATFORM that could not open used to abort (exit 134).
    void withoutTheDisplayItNeedsTheProgramSaysWhatIsMissingAndEnds_data() {
        QTest::addColumn<QString>("platform");
        QTest::addColumn<QByteArray>("said");
        QTest::newRow("no platform asked for")
            << QString() << QByteArray("Tesselle needs a graphical session (X11 or Wayland)\n");
        QTest::newRow("xcb") << "xcb"
                             << QByteArray("Tesselle cannot open QT_QPA_PLATFORM=xcb: xcb needs an "
                                           "X server, and DISPLAY is not set\n");
        QTest::newRow("wayland") << "wayland"
                                 << QByteArray("Tesselle cannot open QT_QPA_PLATFORM=wayland: "
                                               "wayland needs a Wayland compositor");
        QTest::newRow("a wrong name") << "xbc"
                                      << QByteArray("Tesselle cannot open QT_QPA_PLATFORM=xbc: Qt "
                                                    "has no platform named \"xbc\" here\n");
    }
    void withoutTheDisplayItNeedsTheProgramSaysWhatIsMissingAndEnds() {
        QFETCH(QString, platform);
        QFETCH(QByteArray, said);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
            environment.remove(name);
        if (!platform.isEmpty())
            environment.insert("QT_QPA_PLATFORM", platform);
        QProcess program;
        start(program, QStringLiteral("tesselle"), environment, QProcess::SeparateChannels);
        QVERIFY(program.waitForFinished(10000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 1);
        const QByteArray error = program.readAllStandardError();
        QVERIFY2(error.startsWith(said) && error.count('\n') == 1, error.constData());
    }

    // The XDG rules say to ignore a relative path.
    void aRelativeConfigFolderIsIgnored() {
        QTemporaryDir workingFolder;
        QProcessEnvironment environment = offscreenEnvironment();
        environment.insert("XDG_CONFIG_HOME", "relative-config");
        QProcess program;
        program.setWorkingDirectory(workingFolder.path());
        start(program, QStringLiteral("tesselle"), environment);
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(settingsFile()), patienceMs);
        stop(program, SIGTERM);
        QVERIFY(!QFile::exists(workingFolder.filePath("relative-config")));
    }

    void temporaryFilesLeftByAKilledRunAreRemovedAtTheNextStart() {
        recordShortcuts();
        QVERIFY(QDir().mkpath(QFileInfo(matchFile()).absolutePath()));
        const QString folder = QFileInfo(matchFile()).absolutePath() + '/';
        for (const char* name : {"_tesselle.yml.tmp-a1B2c3", "_tesselle.yml.tmp-zzzzzz",
                                 "_tesselle.yml.tmp-toolong", "_mine.yml.tmp-a1B2c3"}) {
            QFile file(folder + name);
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        QProcess program;
        start(program);
        QTRY_COMPARE_WITH_TIMEOUT(entriesInMatchFile(), recordedCount, patienceMs);
        stop(program, SIGTERM);
        QStringList left = QDir(folder).entryList(QDir::Files | QDir::Hidden);
        left.sort();
        QCOMPARE(left, (QStringList{"_mine.yml.tmp-a1B2c3", "_tesselle.yml.tmp-toolong",
                                    "tesselle.yml"}));
    }
};

TESSELLE_TEST_MAIN(StartAndQuitTest, QCoreApplication)
#include "tst_startandquit.moc"
