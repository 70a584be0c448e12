#include "Fakes.h"
#include "TestEnvironment.h"
#include "WaitFor.h"
#include "app/QuitRequest.h"
#include "app/SingleInstance.h"

#include <QCoreApplication>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QProcess>
#include <QSignalSpy>
#include <QSysInfo>
#include <QTest>
#include <future>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

sockaddr_un addressOf(const QString& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    std::copy(name.begin(), name.end(), address.sun_path);
    return address;
}

// A socket file with nobody listening, as a run that crashed leaves it.
bool leaveDeadSocket(const QString& path) {
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    const sockaddr_un address = addressOf(path);
    const bool bound = bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    close(fd);
    return bound;
}

// Four megabytes and no line feed, until the program drops the connection.
void sendWithoutALineFeed(const QString& path) {
    QLocalSocket flood;
    flood.connectToServer(path);
    QVERIFY(flood.waitForConnected(2000));
    const QByteArray chunk(64 * 1024, 'x');
    for (int i = 0; i < 64 && flood.state() == QLocalSocket::ConnectedState; ++i) {
        flood.write(chunk);
        QVERIFY(waitUntil([&] { return flood.bytesToWrite() == 0 || !flood.isOpen(); }));
    }
    QVERIFY(waitUntil([&] { return flood.state() == QLocalSocket::UnconnectedState; }));
}

// A start waits to be taken while the program has no descriptor left.
void takeEveryDescriptorWhileAStartWaits(const QString& path) {
    const sockaddr_un address = addressOf(path);
    const int waiting = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    QCOMPARE(::connect(waiting, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    rlimit before{};
    QCOMPARE(getrlimit(RLIMIT_NOFILE, &before), 0);
    rlimit low = before;
    low.rlim_cur = 256;
    QCOMPARE(setrlimit(RLIMIT_NOFILE, &low), 0);
    QList<int> taken;
    for (int fd = dup(waiting); fd >= 0; fd = dup(waiting))
        taken << fd;
    QCOMPARE(errno, EMFILE);
    processPendingEvents();
    for (const int fd : std::as_const(taken))
        close(fd);
    close(waiting);
    QCOMPARE(setrlimit(RLIMIT_NOFILE, &before), 0);
    processPendingEvents();
}

// How a program asked to quit behaves, as the quit client sees it.
enum class Behaviour { endsInOrder, failsToEmptyTheList, endsWithoutSaying, livesOn, saysNothing };

} // namespace

Q_DECLARE_METATYPE(SingleInstance::Request)
Q_DECLARE_METATYPE(Behaviour)

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
        const QuitRequest::Answer answer =
            QuitRequest::send(SingleInstance::defaultSocketPath("test.nobody"),
                              SingleInstance::defaultSocketPath("test.nobody") + ".settings.lock",
                              std::chrono::seconds(1));
        QCOMPARE(answer.exitCode, 0);
        QCOMPARE(answer.message, "Tesselle is not running");
    }

    // It used to say "Tesselle is not running" while the program ran without its socket.
    void quittingAProgramThatHoldsTheSettingsButNoSocketFails() {
        const QString path = SingleInstance::defaultSocketPath("test.socketless");
        QLockFile settings(path + ".settings.lock");
        QVERIFY(settings.tryLock(0));
        const QuitRequest::Answer answer =
            QuitRequest::send(path, path + ".settings.lock", std::chrono::seconds(1));
        QCOMPARE(answer.exitCode, 1);
        QVERIFY2(answer.message.startsWith(
                     QStringLiteral("Tesselle runs with these settings (process %1")
                         .arg(QCoreApplication::applicationPid())),
                 qPrintable(answer.message));
    }

    // The quit client against a stand-in program: this test answers on the
    // socket, and a sleeping child process is the program that ends.
    void quitSaysHowTheProgramEnded_data() {
        QTest::addColumn<Behaviour>("behaviour");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        QTest::newRow("ended in order: nothing to say") << Behaviour::endsInOrder << 0 << QString();
        QTest::newRow("ended without emptying the list: why, and a failure")
            << Behaviour::failsToEmptyTheList << 1
            << "Tesselle quit, but its shortcuts may still be in espanso's list: Could not "
               "write the espanso match file";
        QTest::newRow("ended without a word, as a killed program does: a failure")
            << Behaviour::endsWithoutSaying << 1
            << "Tesselle ended without saying whether its shortcuts left espanso's list";
        QTest::newRow("not ended in time: a failure, never success")
            << Behaviour::livesOn << 1 << "Tesselle did not end within 1 seconds";
        QTest::newRow("no answer at all: a failure")
            << Behaviour::saysNothing << 1 << "Tesselle does not answer at %1";
    }
    void quitSaysHowTheProgramEnded() {
        QFETCH(Behaviour, behaviour);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        const QString path = SingleInstance::defaultSocketPath("test.quit.client");
        QLocalServer::removeServer(path);
        QLocalServer program;
        QVERIFY(program.listen(path));
        QProcess process;
        process.start("sleep", {"60"});
        QVERIFY(process.waitForStarted());
        auto answer = std::async(std::launch::async, [&path] {
            return QuitRequest::send(path, path + ".settings.lock", std::chrono::seconds(1));
        });
        QVERIFY(program.waitForNewConnection(5000));
        QLocalSocket* asking = program.nextPendingConnection();
        QVERIFY(waitUntil([&] { return asking->canReadLine(); }));
        QCOMPARE(asking->readLine(), "quit\n");
        if (behaviour != Behaviour::saysNothing)
            asking->write("quitting " + QByteArray::number(process.processId()) + '\n');
        if (behaviour == Behaviour::endsInOrder)
            asking->write("ended 0\n");
        if (behaviour == Behaviour::failsToEmptyTheList)
            asking->write("ended 1 Could not write the espanso match file\n");
        asking->flush();
        if (behaviour == Behaviour::endsWithoutSaying)
            asking->abort();
        if (behaviour != Behaviour::livesOn && behaviour != Behaviour::saysNothing)
            process.kill();
        QVERIFY(waitUntil(
            [&] { return answer.wait_for(std::chrono::seconds(0)) == std::future_status::ready; }));
        const QuitRequest::Answer said = answer.get();
        QCOMPARE(said.message, QString(message).replace("%1", path));
        QCOMPARE(said.exitCode, exitCode);
        process.kill();
        process.waitForFinished();
    }

    // A client sending a request without its line feed used to grow the
    // program's buffer by all it sent. Qt's server closed itself, deleting the
    // socket file, at the first accept() that failed: later starts and --quit
    // could not reach the program once it had run out of file descriptors.
    void laterStartsAreServedAfterAFloodOrAShortageOfDescriptors_data() {
        QTest::addColumn<bool>("flood");
        QTest::newRow("a client that sends no line feed is dropped") << true;
        QTest::newRow("no descriptor left to take a start with") << false;
    }
    void laterStartsAreServedAfterAFloodOrAShortageOfDescriptors() {
        QFETCH(bool, flood);
        const QString path = SingleInstance::defaultSocketPath("test.trouble");
        RecordingLineOutput output;
        SingleInstance first(path, path + ".settings.lock", output);
        QCOMPARE(first.claim(), SingleInstance::Claim::first);
        QSignalSpy toggles(&first, &SingleInstance::toggleRequested);
        if (flood)
            sendWithoutALineFeed(path);
        else
            takeEveryDescriptorWhileAStartWaits(path);

        QVERIFY(QFile::exists(path));
        SingleInstance second(path, path + ".settings.lock", output);
        QCOMPARE(second.claim(), SingleInstance::Claim::handedOver);
        QTRY_COMPARE(toggles.size(), 1);
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
