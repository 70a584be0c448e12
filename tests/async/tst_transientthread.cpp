#include "TestEnvironment.h"
#include "WaitFor.h"
#include "async/TransientThread.h"
#include "platform/MessageError.h"

#include <QTest>
#include <future>
#include <thread>

using namespace std::chrono_literals;

namespace {

// Counts the calls the current thread has run: a new thread starts again at one.
thread_local int callsOnThisThread = 0;

int countedCall(TransientThread& thread) {
    int count = 0;
    thread.run([&count] { count = ++callsOnThisThread; });
    return count;
}

} // namespace

class TransientThreadTest : public QObject {
    Q_OBJECT

private slots:
    void callsFromSeveralThreadsRunOneAtATimeOnAThreadOfItsOwn() {
        TransientThread transient(1h, QStringLiteral("transient"));
        std::atomic_int running = 0;
        std::atomic_bool overlapped = false;
        std::atomic_int onCallers = 0;
        std::vector<std::thread> callers;
        for (int caller = 0; caller < 4; ++caller)
            callers.emplace_back([&] {
                const std::thread::id self = std::this_thread::get_id();
                for (int call = 0; call < 50; ++call)
                    transient.run([&] {
                        overlapped = overlapped || ++running > 1;
                        onCallers += std::this_thread::get_id() == self;
                        ++callsOnThisThread;
                        --running;
                    });
            });
        for (std::thread& caller : callers)
            caller.join();
        QVERIFY(!overlapped);
        QCOMPARE(onCallers.load(), 0);
        QCOMPARE(countedCall(transient), 201);
    }

    void aFailureOfTheCallReachesItsCallerAndTheThreadGoesOn() {
        TransientThread transient(1h, QStringLiteral("transient"));
        QVERIFY_THROWS_EXCEPTION(MessageError,
                                 transient.run([] { throw MessageError("the call failed"); }));
        QCOMPARE(countedCall(transient), 1);
        QVERIFY(transient.isRunning());
    }

    void theThreadEndsWhenNoCallComesAndTheNextCallStartsAFreshOne() {
        TransientThread transient(20ms, QStringLiteral("transient"));
        QCOMPARE(countedCall(transient), 1);
        QCOMPARE(countedCall(transient), 2);
        QVERIFY(waitUntil([&] { return !transient.isRunning(); }));
        QCOMPARE(countedCall(transient), 1);
    }

    void destroyingItEndsALingeringThreadWithoutWaitingOutTheLinger() {
        auto transient = std::make_unique<TransientThread>(1h, QStringLiteral("transient"));
        countedCall(*transient);
        std::future<void> destroyed =
            std::async(std::launch::async, [&transient] { transient.reset(); });
        QCOMPARE(destroyed.wait_for(10s), std::future_status::ready);
    }
};

TESSELLE_TEST_MAIN(TransientThreadTest, QCoreApplication)
#include "tst_transientthread.moc"
