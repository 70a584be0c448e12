#include "Fakes.h"
#include "TestEnvironment.h"
#include "app/SingleInstance.h"

#include <QCoreApplication>
#include <QFile>
#include <QSignalSpy>
#include <QSysInfo>
#include <QTest>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// A socket file with nobody listening, as a run that crashed leaves it.
bool leaveDeadSocket(const QString& path) {
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    std::copy(name.begin(), name.end(), address.sun_path);
    const bool bound = bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    close(fd);
    return bound;
}

} // namespace

Q_DECLARE_METATYPE(SingleInstance::Request)

class SingleInstanceTest : public QObject {
    Q_OBJECT

private slots:
    void aLaterStartAsksTheRunningOneToToggleItsPanel_data() {
        QTest::addColumn<QString>("leftover");
        QTest::newRow("a clean runtime folder") << "nothing";
        QTest::newRow("a socket left by a crashed run") << "dead socket";
        QTest::newRow("a stray file where the socket goes") << "file";
    }
    void aLaterStartAsksTheRunningOneToToggleItsPanel() {
        QFETCH(QString, leftover);
        const QString path = SingleInstance::defaultSocketPath("test.tesselle." + leftover.left(4));
        if (leftover == "dead socket")
            QVERIFY(leaveDeadSocket(path));
        if (leftover == "file") {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        RecordingLineOutput output;
        const QString lock = path + ".settings.lock";
        SingleInstance first(path, lock, output);
        QCOMPARE(first.claim(), SingleInstance::Claim::first);
        QSignalSpy toggles(&first, &SingleInstance::toggleRequested);

        SingleInstance second(path, lock, output);
        QCOMPARE(second.claim(), SingleInstance::Claim::handedOver);
        QTRY_COMPARE(toggles.size(), 1);
        SingleInstance third(path, lock, output);
        QCOMPARE(third.claim(), SingleInstance::Claim::handedOver);
        QTRY_COMPARE(toggles.size(), 2);
        QVERIFY(output.lines().isEmpty());
    }

    void eachRequestReachesTheRunningOneAsItsOwnSignal_data() {
        QTest::addColumn<SingleInstance::Request>("request");
        QTest::addColumn<QByteArray>("signal");
        QTest::newRow("toggle the panel")
            << SingleInstance::Request::toggle << QByteArray(SIGNAL(toggleRequested()));
        QTest::newRow("open the settings")
            << SingleInstance::Request::settings << QByteArray(SIGNAL(settingsRequested()));
        QTest::newRow("quit") << SingleInstance::Request::quit
                              << QByteArray(SIGNAL(quitRequested()));
    }
    void eachRequestReachesTheRunningOneAsItsOwnSignal() {
        QFETCH(SingleInstance::Request, request);
        QFETCH(QByteArray, signal);
        const QString path = SingleInstance::defaultSocketPath("test.tesselle.requests");
        RecordingLineOutput output;
        SingleInstance first(path, path + ".settings.lock", output);
        QCOMPARE(first.claim(), SingleInstance::Claim::first);
        QSignalSpy toggles(&first, &SingleInstance::toggleRequested);
        QSignalSpy settings(&first, &SingleInstance::settingsRequested);
        QSignalSpy quits(&first, &SingleInstance::quitRequested);
        QSignalSpy asked(&first, signal.constData());

        SingleInstance second(path, path + ".settings.lock", output);
        QCOMPARE(second.claim(request), SingleInstance::Claim::handedOver);
        QTRY_COMPARE(asked.size(), 1);
        QCOMPARE(toggles.size() + settings.size() + quits.size(), 1);
    }

    void quittingWhereNothingListensSaysSoAtOnce() {
        QCOMPARE(SingleInstance::quitRunning(SingleInstance::defaultSocketPath("test.nobody"),
                                             std::chrono::seconds(1)),
                 SingleInstance::QuitOutcome::notRunning);
    }

    // A home shared over the network, XDG_RUNTIME_DIR unset in one session, a
    // runtime path too long for a socket: the sockets differ, the settings do not.
    void aSecondProgramForTheSameSettingsIsRefusedWhenItCannotHandOver() {
        RecordingLineOutput output;
        const QString lock = SingleInstance::defaultSocketPath("test.settings") + ".lock-settings";
        SingleInstance first(SingleInstance::defaultSocketPath("test.runtime.one"), lock, output);
        QCOMPARE(first.claim(), SingleInstance::Claim::first);

        SingleInstance second(SingleInstance::defaultSocketPath("test.runtime.two"), lock, output);
        QCOMPARE(second.claim(), SingleInstance::Claim::unreachable);
        QCOMPARE(output.lines().size(), 1);
        QVERIFY2(
            output.lines().first().contains(QString::number(QCoreApplication::applicationPid())),
            qPrintable(output.lines().first()));
    }

    void aLockLeftByAProgramThatIsGoneIsTakenOver() {
        const QString lock = SingleInstance::defaultSocketPath("test.stale") + ".lock-settings";
        {
            QFile file(lock);
            QVERIFY(file.open(QIODevice::WriteOnly));
            // QLockFile's content: the process, the program's name, the host.
            file.write("999999\ntesselle\n" + QSysInfo::machineHostName().toUtf8() + "\n");
        }
        RecordingLineOutput output;
        SingleInstance instance(SingleInstance::defaultSocketPath("test.stale"), lock, output);
        QCOMPARE(instance.claim(), SingleInstance::Claim::first);
        QVERIFY(output.lines().isEmpty());
    }

    void theSocketIsInTheUsersRuntimeFolder() {
        QCOMPARE(SingleInstance::defaultSocketPath("io.tesselle.Tesselle"),
                 qEnvironmentVariable("XDG_RUNTIME_DIR") + "/io.tesselle.Tesselle.socket");
    }
};

TESSELLE_TEST_MAIN(SingleInstanceTest, QCoreApplication)
#include "tst_singleinstance.moc"
