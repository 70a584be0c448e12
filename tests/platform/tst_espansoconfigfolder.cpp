#include "FakeEspanso.h"
#include "TestEnvironment.h"
#include "WaitFor.h"
#include "platform/linux/EspansoConfigFolder.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

using Source = EspansoConfigFolder::Source;
using namespace std::chrono_literals;

Q_DECLARE_METATYPE(Source)
Q_DECLARE_METATYPE(std::chrono::milliseconds)

class EspansoConfigFolderTest : public QObject {
    Q_OBJECT

    FakeEspanso m_espanso;

    static QString defaultFolder() { return qEnvironmentVariable("HOME") + "/.config/espanso"; }

private slots:
    void init() {
        // A process still running when its QProcess goes away was not killed.
        QTest::failOnWarning(QRegularExpression("Destroyed while process"));
        m_espanso.reset();
    }

    void theFolderComesFromEspansoOrElseTheDefault_data() {
        QTest::addColumn<bool>("onPath");
        QTest::addColumn<QByteArray>("variable");
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<std::chrono::milliseconds>("bound");
        QTest::addColumn<QString>("folder"); // empty for the default folder
        QTest::addColumn<Source>("source");
        QTest::addColumn<QString>("reason"); // "@" stands for the default folder

        const QByteArray home = qgetenv("HOME");
        const QString homePath = QString::fromUtf8(home);
        QTest::newRow("the folder espanso names is used")
            << true << QByteArray("FAKE_ESPANSO_CONFIG") << home + "/srv/ada/espanso" << 3000ms
            << homePath + "/srv/ada/espanso" << Source::Espanso << "";
        QTest::newRow("a folder printed with spaces and a trailing slash is used as a clean path")
            << true << QByteArray("FAKE_ESPANSO_CONFIG") << "  " + home + "/my espanso/ " << 3000ms
            << homePath + "/my espanso" << Source::Espanso << "";
        QTest::newRow("a folder that espanso would make in a folder of the user's is used")
            << true << QByteArray("FAKE_ESPANSO_CONFIG") << home + "/srv/new" << 3000ms
            << homePath + "/srv/new" << Source::Espanso << "";
        QTest::newRow("espanso's own default is taken from espanso like any folder")
            << true << QByteArray() << QByteArray() << 3000ms << "" << Source::Espanso << "";
        QTest::newRow("espanso hanging past the bound gives the default folder and says so")
            << true << QByteArray("FAKE_ESPANSO_HANG") << QByteArray("path") << 300ms << ""
            << Source::DefaultAfterFailure
            << "espanso did not answer `espanso path config` within 0.3 s: using @";
        QTest::newRow("espanso failing gives the default folder with its error")
            << true << QByteArray("FAKE_ESPANSO_FAIL") << QByteArray("path") << 3000ms << ""
            << Source::DefaultAfterFailure
            << "`espanso path config` failed with exit code 1 (stand-in espanso: told to fail "
               "`path config`): using @";
        QTest::newRow("a relative folder is not used")
            << true << QByteArray("FAKE_ESPANSO_CONFIG") << QByteArray("espanso") << 3000ms << ""
            << Source::DefaultAfterFailure
            << "`espanso path config` printed \"espanso\", which is not one absolute folder: "
               "using @";
        QTest::newRow("two lines are not one folder")
            << true << QByteArray("FAKE_ESPANSO_CONFIG") << QByteArray("/srv/a\n/srv/b") << 3000ms
            << "" << Source::DefaultAfterFailure
            << "`espanso path config` printed \"/srv/a...\", which is not one absolute folder: "
               "using @";
        QTest::newRow("an empty answer is not used")
            << true << QByteArray("FAKE_ESPANSO_CONFIG") << QByteArray("") << 3000ms << ""
            << Source::DefaultAfterFailure << "`espanso path config` printed no folder: using @";
        // Each of these used to be written into: another folder than the one
        // named, the root, a system folder, or nothing at all.
        QTest::newRow("a path the file system's encoding cannot hold is not used")
            << true << QByteArray("FAKE_ESPANSO_CONFIG") << home + "/caf\xe9" << 3000ms << ""
            << Source::DefaultAfterFailure
            << "`espanso path config` printed \"" + homePath +
                   "/caf\uFFFD\", which is not valid in the "
                   "file system's encoding: using @";
        QTest::newRow("the root folder is not used")
            << true << QByteArray("FAKE_ESPANSO_CONFIG") << QByteArray("/") << 3000ms << ""
            << Source::DefaultAfterFailure
            << "`espanso path config` printed \"/\", which is the root folder: using @";
        QTest::newRow("a system folder is not used")
            << true << QByteArray("FAKE_ESPANSO_CONFIG") << QByteArray("/etc") << 3000ms << ""
            << Source::DefaultAfterFailure
            << "`espanso path config` printed \"/etc\", which is not a folder of yours: using @";
        QTest::newRow("a file is not used")
            << true << QByteArray("FAKE_ESPANSO_CONFIG") << home + "/file" << 3000ms << ""
            << Source::DefaultAfterFailure
            << "`espanso path config` printed \"" + homePath +
                   "/file\", which is not a folder: using @";
        QTest::newRow("a folder that cannot be made is not used")
            << true << QByteArray("FAKE_ESPANSO_CONFIG") << home + "/gone/espanso" << 3000ms << ""
            << Source::DefaultAfterFailure
            << "`espanso path config` printed \"" + homePath +
                   "/gone/espanso\", which does not exist, nor does its parent folder: using @";
        QTest::newRow("without espanso on PATH the default folder is used without a reason")
            << false << QByteArray() << QByteArray() << 3000ms << ""
            << Source::DefaultWithoutEspanso << "";
    }
    void theFolderComesFromEspansoOrElseTheDefault() {
        QFETCH(bool, onPath);
        QFETCH(QByteArray, variable);
        QFETCH(QByteArray, value);
        QFETCH(std::chrono::milliseconds, bound);
        QFETCH(QString, folder);
        QFETCH(Source, source);
        QFETCH(QString, reason);
        QDir().mkpath(qEnvironmentVariable("HOME") + "/srv/ada/espanso");
        QFile(qEnvironmentVariable("HOME") + "/file").open(QIODevice::WriteOnly);
        if (!onPath)
            m_espanso.removeFromPath();
        if (!variable.isEmpty())
            m_espanso.set(variable.constData(), value);

        const EspansoConfigFolder found = waitForTask(EspansoConfigFolder::locate(bound));

        QCOMPARE(found.path, folder.isEmpty() ? defaultFolder() : folder);
        QCOMPARE(found.source, source);
        QCOMPARE(found.reason, reason.replace('@', defaultFolder()));
        QCOMPARE(m_espanso.calls(), onPath ? QStringList("path config") : QStringList());
    }

    void waitingForEspansoLeavesTheThreadFree() {
        m_espanso.set("FAKE_ESPANSO_HANG", "path");
        int ticks = 0;
        QTimer ticker;
        connect(&ticker, &QTimer::timeout, [&ticks] { ++ticks; });
        ticker.start(20);
        waitForTask(EspansoConfigFolder::locate(500ms));
        // A blocked thread would have run the timer once, after the wait.
        QVERIFY2(ticks >= 3, qPrintable(QString::number(ticks)));
    }

    void theDefaultFolderFollowsTheXdgRules_data() {
        QTest::addColumn<QByteArray>("configHome"); // null: unset
        QTest::addColumn<QString>("folder");        // "~" stands for HOME
        QTest::newRow("an absolute XDG_CONFIG_HOME holds it")
            << QByteArray("/srv/config") << "/srv/config/espanso";
        QTest::newRow("a relative XDG_CONFIG_HOME is ignored")
            << QByteArray("config") << "~/.config/espanso";
        QTest::newRow("an empty XDG_CONFIG_HOME is ignored")
            << QByteArray("") << "~/.config/espanso";
        QTest::newRow("without XDG_CONFIG_HOME it is under ~/.config")
            << QByteArray() << "~/.config/espanso";
    }
    void theDefaultFolderFollowsTheXdgRules() {
        QFETCH(QByteArray, configHome);
        QFETCH(QString, folder);
        const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
        if (configHome.isNull())
            qunsetenv("XDG_CONFIG_HOME");
        else
            qputenv("XDG_CONFIG_HOME", configHome);
        const QString found = EspansoConfigFolder::defaultPath();
        qputenv("XDG_CONFIG_HOME", saved);
        QCOMPARE(found, folder.replace('~', qEnvironmentVariable("HOME")));
    }
};

TESSELLE_TEST_MAIN(EspansoConfigFolderTest, QCoreApplication)
#include "tst_espansoconfigfolder.moc"
