#include "ProgramUnderTest.h"
#include "TestEnvironment.h"
#include "WaitFor.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSettings>

using namespace programUnderTest;

// The full preset being installed when the process is killed outright: the
// next start must bring the record and the match file back into agreement.
class KilledInstallTest : public QObject {
    Q_OBJECT

    // Counted from the raw text: fast enough to catch the file half written.
    static int entriesInMatchFile() {
        QFile file(matchFile());
        if (!file.open(QIODevice::ReadOnly))
            return 0;
        return int(file.readAll().count("\n  - trigger:"));
    }

    // (text, phrase) of every recorded shortcut, a text recorded twice included.
    static QList<std::pair<QString, QString>> recordedPairs() {
        QSettings settings(settingsFile(), QSettings::IniFormat);
        const QJsonObject map =
            QJsonDocument::fromJson(settings.value("shortcuts").toByteArray()).object();
        QList<std::pair<QString, QString>> pairs;
        for (auto it = map.begin(); it != map.end(); ++it) {
            for (const auto& shortcut : it.value().toArray())
                pairs.append({shortcut.toObject().value("text").toString(), it.key()});
        }
        return pairs;
    }

    // Entries whose phrase carries the dark skin tone.
    static int darkEntriesInMatchFile() {
        QFile file(matchFile());
        if (!file.open(QIODevice::ReadOnly))
            return 0;
        return int(file.readAll().count(QStringLiteral("\U0001F3FF").toUtf8()));
    }

    // The list holds exactly the recorded pairs, each trigger once.
    static bool agree() {
        const QList<std::pair<QString, QString>> listed = matchPairs();
        const QList<std::pair<QString, QString>> recorded = recordedPairs();
        const QSet<std::pair<QString, QString>> listedSet(listed.cbegin(), listed.cend());
        const QSet<std::pair<QString, QString>> recordedSet(recorded.cbegin(), recorded.cend());
        QSet<QString> triggers;
        for (const auto& [trigger, phrase] : listed)
            triggers.insert(trigger);
        return !listed.isEmpty() && listed.size() == triggers.size() &&
               recorded.size() == recordedSet.size() && listedSet == recordedSet;
    }

private slots:
    void init() { removeProgramFiles(); }

    void theNextStartMakesTheRecordAndTheListAgree_data() {
        QTest::addColumn<bool>("overAnotherTone");
        QTest::addColumn<int>("killAt");
        QTest::newRow("killed as the first entries are written") << false << 1;
        QTest::newRow("killed with a quarter of the list written") << false << 400;
        QTest::newRow("killed with half the list written") << false << 800;
        QTest::newRow("killed with most of the list written") << false << 1300;
        // The phrases of a tone change are rewritten in place, one by one.
        QTest::newRow("killed as the first entries change tone") << true << 5;
        QTest::newRow("killed with a third of the toned entries changed") << true << 50;
        QTest::newRow("killed with most toned entries changed") << true << 120;
    }
    void theNextStartMakesTheRecordAndTheListAgree() {
        QFETCH(bool, overAnotherTone);
        QFETCH(int, killAt);
        if (overAnotherTone)
            installCompletely(QStringLiteral("1"));
        QProcess installer;
        installer.setArguments({QStringLiteral("5")});
        start(installer, QStringLiteral("tesselle_install_driver"));
        const auto progress = overAnotherTone ? darkEntriesInMatchFile : entriesInMatchFile;
        // Looked at every few milliseconds, so that the kill lands near its mark.
        QVERIFY(waitUntil(
            [&] { return progress() >= killAt || installer.state() == QProcess::NotRunning; },
            std::chrono::minutes(1)));
        if (installer.state() == QProcess::NotRunning)
            QSKIP("the installation ended before the kill");
        ::kill(pid_t(installer.processId()), SIGKILL);
        QVERIFY(installer.waitForFinished(5000));
        const qsizetype recorded = recordedPairs().size();
        qInfo("killed with %d entries in the list and %lld shortcuts recorded",
              entriesInMatchFile(), recorded);

        {
            QSettings settings(settingsFile(), QSettings::IniFormat);
            settings.setValue("isWelcomeWasPresented", QByteArray("true"));
        }
        QProcess program;
        start(program);
        // Counted before read in full: reading the whole list takes time
        // that the program's restore needs.
        QTRY_VERIFY_WITH_TIMEOUT(entriesInMatchFile() == recorded && agree(), patienceMs);
        QCOMPARE(recordedPairs().size(), recorded);

        stop(program, SIGTERM);
        QVERIFY(matchPairs().isEmpty());
        QCOMPARE(recordedPairs().size(), recorded);
    }
};

TESSELLE_TEST_MAIN(KilledInstallTest, QCoreApplication)
#include "tst_killedinstall.moc"
