#include "TestEnvironment.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTest>
#include <csignal>
#include <yaml-cpp/yaml.h>

// The real program, started offscreen in this test's private HOME.
class LifecycleTest : public QObject {
    Q_OBJECT

    QString configHome() const { return qEnvironmentVariable("XDG_CONFIG_HOME"); }
    QString matchFile() const { return configHome() + "/espanso/match/tesselle.yml"; }
    QString settingsFile() const { return configHome() + "/tesselle/tesselle.conf"; }

    QStringList triggersInMatchFile() const {
        QStringList triggers;
        if (!QFile::exists(matchFile()))
            return triggers;
        try {
            for (const auto& match : YAML::LoadFile(matchFile().toStdString())["matches"])
                triggers << QString::fromStdString(match["trigger"].as<std::string>());
        } catch (const YAML::Exception&) {
            // Read again on the next try.
        }
        return triggers;
    }

    void start(QProcess& program) {
        program.setProgram(QStringLiteral(TESSELLE_BINARY_DIR "/tesselle"));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        program.setProcessEnvironment(environment);
        program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        program.start();
        QVERIFY(program.waitForStarted());
    }

    void stop(QProcess& program, int signal) {
        QElapsedTimer clock;
        clock.start();
        ::kill(pid_t(program.processId()), signal);
        QVERIFY(program.waitForFinished(5000));
        qInfo("quit took %lld ms", clock.elapsed());
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
    }

private slots:
    void init() {
        QDir(configHome() + "/espanso").removeRecursively();
        QDir(configHome() + "/tesselle").removeRecursively();
    }

    void aQuitSignalEndsTheProgramInOrder_data() {
        QTest::addColumn<int>("signal");
        QTest::newRow("SIGTERM") << int(SIGTERM);
        QTest::newRow("SIGINT, as Ctrl+C sends it") << int(SIGINT);
        QTest::newRow("SIGHUP, as the end of the session sends it") << int(SIGHUP);
    }
    void aQuitSignalEndsTheProgramInOrder() {
        QFETCH(int, signal);
        QProcess program;
        start(program);
        QTest::qWait(1000);
        stop(program, signal);
    }

    void recordedShortcutsAreInTheListOnlyWhileTheProgramRuns() {
        const QByteArray registry =
            R"({"💃":[{"text":"/dance","phrase":"💃","isCustom":false}],)"
            R"("🔥":[{"text":"/fire","phrase":"🔥","isCustom":false},)"
            R"({"text":"/lit","phrase":"🔥","isCustom":true}]})";
        {
            QSettings settings(settingsFile(), QSettings::IniFormat);
            settings.setValue("shortcuts", registry);
            settings.setValue("isWelcomeWasPresented", QByteArray("true"));
        }
        QProcess program;
        start(program);
        QTRY_COMPARE_WITH_TIMEOUT(triggersInMatchFile().size(), 3, 1000);
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
