#include "ProgramUnderTest.h"
#include "TestEnvironment.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSettings>
#include <QTemporaryDir>

using namespace programUnderTest;

namespace {

constexpr int recordedCount = 40;

void recordShortcuts() {
    QJsonObject map;
    for (int i = 0; i < recordedCount; ++i) {
        const QString phrase = QStringLiteral("emoji %1").arg(i);
        map.insert(phrase, QJsonArray{QJsonObject{{"text", QStringLiteral("/c%1").arg(i)},
                                                  {"phrase", phrase},
                                                  {"isCustom", false}}});
    }
    QSettings settings(settingsFile(), QSettings::IniFormat);
    settings.setValue("shortcuts", QJsonDocument(map).toJson(QJsonDocument::Compact));
    settings.setValue("isWelcomeWasPresented", QByteArray("true"));
}

QString socketPath() {
    return qEnvironmentVariable("XDG_RUNTIME_DIR") + "/io.tesselle.Tesselle.socket";
}

// No display at all: what needs none must not need one.
QProcessEnvironment withoutDisplay() {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        environment.remove(name);
    return environment;
}

// The stand-in espanso on PATH, writing a line per call: the settings page asks
// for espanso's state each time it is shown.
QProcessEnvironment withEspansoCalls(QProcessEnvironment environment, const QString& calls) {
    environment.insert("PATH",
                       QStringLiteral(TESSELLE_FAKE_ESPANSO_DIR ":") + environment.value("PATH"));
    environment.insert("FAKE_ESPANSO_CALLS", calls);
    return environment;
}

int statusCalls(const QString& calls) {
    QFile file(calls);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    return int(file.readAll().count("status\n"));
}

struct Finished {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

Finished run(const QStringList& arguments, const QProcessEnvironment& environment,
             int patienceMs = 10000) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(TESSELLE_BINARY_DIR "/tesselle"), arguments);
    if (!process.waitForFinished(patienceMs)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    if (process.exitStatus() != QProcess::NormalExit)
        return {};
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

} // namespace

// The program's command line, run as a separate process in this test's private HOME.
class CommandLineTest : public QObject {
    Q_OBJECT

private slots:
    // A socket left by a program that a failed test killed would pass for a
    // running one.
    void init() {
        removeProgramFiles();
        QFile::remove(socketPath());
    }

    void anOptionThatStartsNothingWorksWithoutADisplay_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QByteArray>("out");
        QTest::addColumn<QByteArray>("err");
        QTest::newRow("--help lists the options")
            << QStringList{"--help"} << 0 << QByteArray("--quit") << QByteArray();
        QTest::newRow("-h is --help")
            << QStringList{"-h"} << 0 << QByteArray("--settings") << QByteArray();
        QTest::newRow("--version names the program and its version")
            << QStringList{"--version"} << 0 << QByteArray("Tesselle 0.1.0\n") << QByteArray();
        QTest::newRow("an unknown option is named, with where to look")
            << QStringList{"--frobnicate"} << 2 << QByteArray()
            << QByteArray("tesselle: Unknown option 'frobnicate'.\n"
                          "Try 'tesselle --help' for the options.\n");
        QTest::newRow("an argument that is no option is refused")
            << QStringList{"smile"} << 2 << QByteArray()
            << QByteArray("tesselle: unexpected argument 'smile'.\n"
                          "Try 'tesselle --help' for the options.\n");
        QTest::newRow("two requests at once are refused")
            << QStringList{"--toggle", "--quit"} << 2 << QByteArray()
            << QByteArray("tesselle: --toggle, --settings and --quit exclude each other.\n"
                          "Try 'tesselle --help' for the options.\n");
        QTest::newRow("--quit without a running program says so")
            << QStringList{"--quit"} << 0 << QByteArray("Tesselle is not running\n")
            << QByteArray();
    }
    void anOptionThatStartsNothingWorksWithoutADisplay() {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QByteArray, out);
        QFETCH(QByteArray, err);
        const Finished finished = run(arguments, withoutDisplay());
        QCOMPARE(finished.exitCode, exitCode);
        QVERIFY2(out.isEmpty() ? finished.out.isEmpty() : finished.out.contains(out),
                 finished.out.constData());
        QCOMPARE(finished.err, err);
        // Nothing started: no settings written, nobody listening.
        QVERIFY(!QFile::exists(settingsFile()));
        QVERIFY(!QFile::exists(socketPath()));
    }

    void theHelpListsEveryOption() {
        const QByteArray help = run({"--help"}, withoutDisplay()).out;
        for (const char* option : {"--help", "--version", "--toggle", "--settings", "--quit"})
            QVERIFY2(help.contains(option), option);
    }

    void quitEndsTheRunningProgramInOrderAndWaitsForIt() {
        recordShortcuts();
        QProcess program;
        start(program);
        QTRY_COMPARE_WITH_TIMEOUT(matchPairs().size(), recordedCount, patienceMs);
        const Finished quit = run({"--quit"}, withoutDisplay(), 40000);
        QCOMPARE(quit.exitCode, 0);
        QCOMPARE(quit.out, QByteArray());
        // Ended by the time --quit returned (no waiting here), in order: the
        // shortcuts are out of the list.
        QVERIFY(program.waitForFinished(0));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
        QCOMPARE(matchPairs(), (QList<std::pair<QString, QString>>()));
        QVERIFY(!QFile::exists(socketPath()));
    }

    // The client used to wait only for the program's end: it exited 0 while
    // the program it stopped exited 1 with the shortcuts still in the list.
    void quitThatCannotEmptyTheListFailsAndSaysWhy() {
        recordShortcuts();
        QProcess program;
        start(program);
        QTRY_COMPARE_WITH_TIMEOUT(matchPairs().size(), recordedCount, patienceMs);
        const QString matchFolder = QFileInfo(matchFile()).absolutePath();
        QVERIFY(QDir(matchFolder).removeRecursively());
        QFile file(matchFolder);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        const Finished quit = run({"--quit"}, withoutDisplay(), 40000);
        QCOMPARE(quit.exitCode, 1);
        QVERIFY2(quit.err.startsWith("Tesselle quit, but its shortcuts may still be in espanso's "
                                     "list: ") &&
                     quit.err.contains("Could not read the espanso match file"),
                 quit.err.constData());
        QVERIFY(program.waitForFinished(0));
        QCOMPARE(program.exitCode(), 1);
    }

    // The settings page asks for espanso's state when it is shown. A first start
    // with --settings asks while the launch's own check still runs, so that case
    // is checked on the virtual desktop, where the window can be seen.
    void settingsOpensTheRunningProgramsSettings() {
        QTemporaryDir folder;
        const QString calls = folder.filePath("calls");
        const QProcessEnvironment environment = withEspansoCalls(offscreenEnvironment(), calls);
        recordShortcuts();
        QProcess program;
        start(program, QStringLiteral("tesselle"), environment);
        // The launch asks once.
        QTRY_COMPARE_WITH_TIMEOUT(statusCalls(calls), 1, 10000);
        const Finished second = run({"--settings"}, environment);
        QCOMPARE(second.exitCode, 0);
        QTRY_COMPARE_WITH_TIMEOUT(statusCalls(calls), 2, 10000);
        QCOMPARE(program.state(), QProcess::Running);
        stop(program, SIGTERM);
    }

    void toggleHandsOverToTheRunningProgram() {
        recordShortcuts();
        QProcess program;
        start(program);
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(socketPath()), 10000);
        const Finished second = run({"--toggle"}, offscreenEnvironment());
        QCOMPARE(second.exitCode, 0);
        QCOMPARE(program.state(), QProcess::Running);
        stop(program, SIGTERM);
    }
};

TESSELLE_TEST_MAIN(CommandLineTest, QCoreApplication)
#include "tst_commandline.moc"
