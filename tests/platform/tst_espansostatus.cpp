#include "FakeEspanso.h"
#include "TestEnvironment.h"
#include "WaitFor.h"
#include "platform/MessageError.h"
#include "platform/linux/EspansoStatus.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QTest>

using Kind = TextExpanderState::Kind;
using namespace std::chrono_literals;

Q_DECLARE_METATYPE(Kind)
Q_DECLARE_METATYPE(std::chrono::milliseconds)

char* toString(const TextExpanderState& state) {
    static const char* const kinds[] = {"not installed", "not running", "running"};
    return QTest::toString(QStringLiteral("%1, version \"%2\", reason \"%3\"")
                               .arg(kinds[int(state.kind)], state.version, state.reason));
}

namespace {

QString startFailure(TextExpanderStatus& status) {
    try {
        waitForTask(status.start());
    } catch (const MessageError& error) {
        return error.message();
    }
    return {};
}

} // namespace

class EspansoStatusTest : public QObject {
    Q_OBJECT

    FakeEspanso m_espanso;

private slots:
    void init() {
        // A process still running when its QProcess goes away was not killed.
        QTest::failOnWarning(QRegularExpression("Destroyed while process"));
        m_espanso.reset();
    }

    void eachStateIsReportedWithTheVersion_data() {
        QTest::addColumn<bool>("onPath");
        QTest::addColumn<bool>("running");
        QTest::addColumn<QByteArray>("variable");
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<std::chrono::milliseconds>("bound");
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<QString>("version");
        QTest::addColumn<QString>("reason");

        QTest::newRow("without espanso on PATH it is not installed")
            << false << false << QByteArray() << QByteArray() << 3000ms << Kind::NotInstalled << ""
            << "";
        QTest::newRow("installed and stopped it is not running, with its version")
            << true << false << QByteArray() << QByteArray() << 3000ms << Kind::NotRunning
            << "2.2.1"
            << "";
        QTest::newRow("running it is running, with its version")
            << true << true << QByteArray() << QByteArray() << 3000ms << Kind::Running << "2.2.1"
            << "";
        QTest::newRow("another version is reported as espanso prints it")
            << true << true << QByteArray("FAKE_ESPANSO_VERSION") << QByteArray("2.3.0-beta")
            << 3000ms << Kind::Running << "2.3.0-beta"
            << "";
        QTest::newRow("a version line with more words is no version")
            << true << true << QByteArray("FAKE_ESPANSO_VERSION") << QByteArray("unknown build")
            << 3000ms << Kind::Running << ""
            << "`espanso --version` printed \"espanso unknown build\" instead of its version";
        QTest::newRow("an unexpected version line is no version")
            << true << true << QByteArray("FAKE_ESPANSO_GARBLE") << QByteArray("--version")
            << 3000ms << Kind::Running << ""
            << "`espanso --version` printed \"something unexpected\" instead of its version";
        QTest::newRow("a failing version command still lets the status through")
            << true << true << QByteArray("FAKE_ESPANSO_FAIL") << QByteArray("--version") << 3000ms
            << Kind::Running << ""
            << "`espanso --version` failed with exit code 1 (stand-in espanso: told to fail "
               "`--version`)";
        QTest::newRow("a status hanging past the bound reads as not running, with a reason")
            << true << true << QByteArray("FAKE_ESPANSO_HANG") << QByteArray("status") << 300ms
            << Kind::NotRunning << "2.2.1"
            << "espanso did not answer `espanso status` within 0.3 s";
        QTest::newRow("a failing status reads as not running, with its error")
            << true << true << QByteArray("FAKE_ESPANSO_FAIL") << QByteArray("status") << 3000ms
            << Kind::NotRunning << "2.2.1"
            << "`espanso status` failed with exit code 1 (stand-in espanso: told to fail "
               "`status`)";
        QTest::newRow("an unexpected status text reads as not running, with a reason")
            << true << true << QByteArray("FAKE_ESPANSO_GARBLE") << QByteArray("status") << 3000ms
            << Kind::NotRunning << "2.2.1"
            << "`espanso status` printed \"something unexpected\" instead of whether it runs";
        QTest::newRow("espanso hanging on everything gives both reasons")
            << true << true << QByteArray("FAKE_ESPANSO_HANG") << QByteArray("all") << 300ms
            << Kind::NotRunning << ""
            << "espanso did not answer `espanso --version` within 0.3 s; espanso did not answer "
               "`espanso status` within 0.3 s";
    }
    void eachStateIsReportedWithTheVersion() {
        QFETCH(bool, onPath);
        QFETCH(bool, running);
        QFETCH(QByteArray, variable);
        QFETCH(QByteArray, value);
        QFETCH(std::chrono::milliseconds, bound);
        QFETCH(Kind, kind);
        QFETCH(QString, version);
        QFETCH(QString, reason);
        if (!onPath)
            m_espanso.removeFromPath();
        m_espanso.setRunning(running);
        if (!variable.isEmpty())
            m_espanso.set(variable.constData(), value);

        EspansoStatus status(bound);
        QCOMPARE(waitForTask(status.check()), (TextExpanderState{kind, version, reason}));
        QCOMPARE(m_espanso.calls(), onPath ? QStringList({"--version", "status"}) : QStringList());
    }

    void anEspansoThatCannotBeStartedIsNotRunningWithTheReason() {
        m_espanso.replaceWithBrokenOne();
        EspansoStatus status;
        QCOMPARE(waitForTask(status.check()),
                 (TextExpanderState{Kind::NotRunning,
                                    {},
                                    "`espanso --version` could not be started: execvp: No such "
                                    "file or directory; `espanso status` could not be started: "
                                    "execvp: No such file or directory"}));
    }

    void startingRunsTheStartCommandAndTheNextCheckSaysRunning() {
        EspansoStatus status;
        QCOMPARE(waitForTask(status.check()).kind, Kind::NotRunning);

        waitForTask(status.start());

        QCOMPARE(m_espanso.calls(), QStringList({"--version", "status", "start"}));
        QCOMPARE(waitForTask(status.check()), (TextExpanderState{Kind::Running, "2.2.1", {}}));
    }

    void aStartThatDoesNotWorkSaysWhy_data() {
        QTest::addColumn<bool>("onPath");
        QTest::addColumn<QByteArray>("variable");
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<QString>("failure");

        QTest::newRow("a failing start gives its exit code")
            << true << QByteArray("FAKE_ESPANSO_FAIL") << QByteArray("start")
            << "`espanso start` failed with exit code 1";
        QTest::newRow("a start hanging past the bound is given up")
            << true << QByteArray("FAKE_ESPANSO_HANG") << QByteArray("start")
            << "espanso did not answer `espanso start` within 0.3 s";
        QTest::newRow("without espanso on PATH there is nothing to start")
            << false << QByteArray() << QByteArray()
            << "espanso is not installed: no `espanso` on PATH";
    }
    void aStartThatDoesNotWorkSaysWhy() {
        QFETCH(bool, onPath);
        QFETCH(QByteArray, variable);
        QFETCH(QByteArray, value);
        QFETCH(QString, failure);
        if (!onPath)
            m_espanso.removeFromPath();
        if (!variable.isEmpty())
            m_espanso.set(variable.constData(), value);

        EspansoStatus status(300ms);
        QCOMPARE(startFailure(status), failure);
    }
};

TESSELLE_TEST_MAIN(EspansoStatusTest, QCoreApplication)
#include "tst_espansostatus.moc"
