#include "TestEnvironment.h"
#include "WaitFor.h"
#include "async/AsyncSemaphore.h"
#include "async/BackgroundTasks.h"
#include "async/CancellationSource.h"
#include "async/CancelledError.h"

#include <QCoroTimer>
#include <QTest>
#include <atomic>
#include <optional>
#include <thread>

namespace {

// What became of one waiting task.
struct Record {
    int resumed = 0;
    bool cancelled = false;
    QThread* finishedOn = nullptr;
};

// A wait, unless cancelled when given a token.
QCoro::Task<> takePermit(AsyncSemaphore* semaphore, std::optional<CancellationToken> token) {
    if (token)
        co_await semaphore->waitUnlessCancelled(*token);
    else
        co_await semaphore->wait();
}

QCoro::Task<> waitAndRecord(AsyncSemaphore* semaphore, std::optional<CancellationToken> token,
                            std::shared_ptr<Record> record) {
    try {
        co_await takePermit(semaphore, std::move(token));
        ++record->resumed;
    } catch (const CancelledError&) {
        record->cancelled = true;
    }
    record->finishedOn = QThread::currentThread();
}

// Appends its id to the log once it has the permit.
QCoro::Task<> waitAndLog(AsyncSemaphore* semaphore, std::optional<CancellationToken> token, int id,
                         std::shared_ptr<QList<int>> log) {
    try {
        co_await takePermit(semaphore, std::move(token));
        log->append(id);
    } catch (const CancelledError&) {
    }
}

std::shared_ptr<Record> startWait(AsyncSemaphore& semaphore,
                                  std::optional<CancellationToken> token = std::nullopt) {
    auto record = std::make_shared<Record>();
    waitAndRecord(&semaphore, std::move(token), record);
    return record;
}

// Hands out permits until nobody waits, so that a failed check does not leave
// tasks waiting on a semaphore that is about to be destroyed.
class ReleaseWaiters {
public:
    explicit ReleaseWaiters(AsyncSemaphore& semaphore) : m_semaphore(semaphore) {}
    ~ReleaseWaiters() {
        while (m_semaphore.value() < 0)
            m_semaphore.signal();
        QCoreApplication::processEvents();
    }

private:
    AsyncSemaphore& m_semaphore;
};

enum class CancelAt { beforeWait, whileWaiting, afterSignal };
enum class Release { signal, cancel };

// Many tasks on several threads share one semaphore.
struct StressRun {
    explicit StressRun(int permits) : permits(permits), semaphore(permits) {}
    const int permits;
    AsyncSemaphore semaphore;
    std::atomic<int> inside{0};
    std::atomic<int> overcrowded{0};
    std::atomic<int> entered{0};
    std::atomic<int> cancelled{0};
    std::atomic<int> wrongThread{0};
    std::atomic<int> finished{0};
    // Last, so that the threads stop before the semaphore goes.
    std::vector<std::unique_ptr<BackgroundTasks>> workers;
};

QCoro::Task<> cancelNow(std::shared_ptr<CancellationSource> source) {
    source->cancel();
    co_return;
}

// Rounds of taking a permit, holding it across a suspension and giving it back.
// Every third round is cancelled from another thread at an arbitrary moment:
// before, during or after its wait.
QCoro::Task<> stressTask(StressRun* run, int worker, int rounds) {
    for (int round = 0; round < rounds; ++round) {
        QThread* thread = QThread::currentThread();
        try {
            if (round % 3 == 0) {
                auto source = std::make_shared<CancellationSource>();
                run->workers[(worker + 1) % run->workers.size()]->start(
                    [source] { return cancelNow(source); });
                co_await run->semaphore.waitUnlessCancelled(source->token());
            } else if (round % 3 == 1) {
                co_await run->semaphore.waitUnlessCancelled(CancellationToken());
            } else {
                co_await run->semaphore.wait();
            }
        } catch (const CancelledError&) {
            ++run->cancelled;
            continue;
        }
        if (QThread::currentThread() != thread)
            ++run->wrongThread;
        if (++run->inside > run->permits)
            ++run->overcrowded;
        co_await QCoro::sleepFor(std::chrono::milliseconds(0));
        --run->inside;
        ++run->entered;
        run->semaphore.signal();
    }
    ++run->finished;
}

} // namespace

Q_DECLARE_METATYPE(CancelAt)
Q_DECLARE_METATYPE(Release)

class AsyncSemaphoreTest : public QObject {
    Q_OBJECT

private slots:
    void permitsAreTakenAndGivenBack() {
        AsyncSemaphore semaphore(1);
        ReleaseWaiters release(semaphore);

        QVERIFY(semaphore.wait().isReady());
        QCOMPARE(semaphore.value(), 0);

        auto second = semaphore.wait();
        QVERIFY(!second.isReady());
        QCOMPARE(semaphore.value(), -1);
        QVERIFY(semaphore.signal());
        QCOMPARE(semaphore.value(), 0);
        waitFor(std::move(second));

        QVERIFY(!semaphore.signal());
        QCOMPARE(semaphore.value(), 1);
    }

    void aPermitGuardReleasesOnEveryPath_data() {
        QTest::addColumn<bool>("throws");
        QTest::newRow("a scope that ends normally") << false;
        QTest::newRow("a scope left by a failure") << true;
    }
    void aPermitGuardReleasesOnEveryPath() {
        QFETCH(bool, throws);
        AsyncSemaphore semaphore(1);
        ReleaseWaiters release(semaphore);
        auto holder = [](AsyncSemaphore* semaphore, bool throws) -> QCoro::Task<> {
            const AsyncSemaphore::Permit permit = co_await semaphore->lock();
            co_await QCoro::sleepFor(std::chrono::milliseconds(1));
            if (throws)
                throw CancelledError();
        };
        auto first = holder(&semaphore, throws);
        auto second = holder(&semaphore, false);
        QCOMPARE(semaphore.value(), -1);
        try {
            waitForTask(std::move(first));
        } catch (const CancelledError&) {
        }
        waitForTask(std::move(second));
        QCOMPARE(semaphore.value(), 1);
    }

    // The quit closes the registry's lock with changes still waiting for it:
    // they must end, so that nothing is left waiting when the lock goes.
    void closingFailsEveryWaiterAndEveryLaterWait() {
        AsyncSemaphore semaphore(1);
        QVERIFY(semaphore.wait().isReady());
        const auto plain = startWait(semaphore);
        CancellationSource source;
        const auto cancellable = startWait(semaphore, source.token());
        QCOMPARE(semaphore.value(), -2);

        semaphore.close();
        const auto later = startWait(semaphore);

        QTRY_VERIFY(plain->cancelled && cancellable->cancelled && later->cancelled);
        QCOMPARE(plain->resumed + cancellable->resumed + later->resumed, 0);
        QCOMPARE(plain->finishedOn, QThread::currentThread());
    }

    void waitersResumeInArrivalOrder_data() {
        QTest::addColumn<int>("count");
        QTest::addColumn<bool>("cancellable");
        QTest::addColumn<int>("cancelEvery");
        QTest::newRow("three tasks that wait") << 3 << false << 0;
        QTest::newRow("three tasks that wait unless cancelled") << 3 << true << 0;
        QTest::newRow("two hundred tasks that wait") << 200 << false << 0;
        QTest::newRow("two hundred tasks, every third cancelled while waiting") << 200 << true << 3;
    }
    void waitersResumeInArrivalOrder() {
        QFETCH(int, count);
        QFETCH(bool, cancellable);
        QFETCH(int, cancelEvery);
        AsyncSemaphore semaphore(0);
        ReleaseWaiters release(semaphore);
        std::vector<CancellationSource> sources(count);
        auto log = std::make_shared<QList<int>>();
        for (int id = 0; id < count; ++id)
            waitAndLog(&semaphore, cancellable ? std::optional(sources[id].token()) : std::nullopt,
                       id, log);
        QList<int> expected;
        for (int id = 0; id < count; ++id) {
            if (cancelEvery && id % cancelEvery == 0)
                sources[id].cancel();
            else
                expected.append(id);
        }
        QCOMPARE(semaphore.value(), -expected.size());

        for (int i = 0; i < expected.size(); ++i)
            QVERIFY(semaphore.signal());
        QVERIFY(!semaphore.signal());
        QTRY_COMPARE(log->size(), expected.size());
        QCOMPARE(*log, expected);
        QCOMPARE(semaphore.value(), 1);
    }

    void cancellation_data() {
        QTest::addColumn<bool>("plainWait");
        QTest::addColumn<CancelAt>("cancelAt");
        QTest::addColumn<int>("valueAfterCancel");
        QTest::addColumn<bool>("taskCancelled");
        QTest::addColumn<bool>("nextSignalGoesToTask");

        QTest::newRow("a task cancelled before it waits fails at once and takes nothing")
            << false << CancelAt::beforeWait << 0 << true << false;
        QTest::newRow(
            "a task cancelled while waiting fails, leaves the queue and returns its place")
            << false << CancelAt::whileWaiting << 0 << true << false;
        QTest::newRow("a task cancelled after signal() chose it keeps its permit")
            << false << CancelAt::afterSignal << 0 << false << false;
        QTest::newRow("a plain wait ignores the cancellation and keeps its place")
            << true << CancelAt::whileWaiting << -1 << false << true;
    }
    void cancellation() {
        QFETCH(bool, plainWait);
        QFETCH(CancelAt, cancelAt);
        QFETCH(int, valueAfterCancel);
        QFETCH(bool, taskCancelled);
        QFETCH(bool, nextSignalGoesToTask);
        AsyncSemaphore semaphore(1);
        ReleaseWaiters release(semaphore);
        startWait(semaphore); // holds the only permit
        CancellationSource source;

        if (cancelAt == CancelAt::beforeWait)
            source.cancel();
        auto task = plainWait ? startWait(semaphore) : startWait(semaphore, source.token());
        if (cancelAt == CancelAt::afterSignal)
            QVERIFY(semaphore.signal());
        source.cancel();
        QCOMPARE(semaphore.value(), valueAfterCancel);

        // A task that waits afterwards must come after the task only if it still waits.
        auto later = startWait(semaphore);
        QVERIFY(semaphore.signal());
        if (nextSignalGoesToTask)
            QTRY_COMPARE(task->resumed, 1);
        else
            QTRY_COMPARE(later->resumed, 1);
        QCoreApplication::processEvents();
        QCOMPARE(task->cancelled, taskCancelled);
        QCOMPARE(task->resumed, taskCancelled ? 0 : 1);
        QCOMPARE(later->resumed, nextSignalGoesToTask ? 0 : 1);
    }

    void resumingOnlySchedulesTheWaiter_data() {
        QTest::addColumn<Release>("how");
        QTest::addColumn<bool>("fromOtherThread");
        QTest::newRow("signal() on the waiter's thread") << Release::signal << false;
        QTest::newRow("signal() on another thread") << Release::signal << true;
        QTest::newRow("cancel on the waiter's thread") << Release::cancel << false;
        QTest::newRow("cancel on another thread") << Release::cancel << true;
    }
    void resumingOnlySchedulesTheWaiter() {
        QFETCH(Release, how);
        QFETCH(bool, fromOtherThread);
        AsyncSemaphore semaphore(0);
        ReleaseWaiters release(semaphore);
        CancellationSource source;
        auto task = startWait(semaphore, source.token());

        auto releaseIt = [&] { how == Release::signal ? semaphore.signal() : source.cancel(); };
        if (fromOtherThread)
            std::thread(releaseIt).join();
        else
            releaseIt();
        QCOMPARE(task->resumed + task->cancelled, 0);

        QTRY_COMPARE(task->resumed + task->cancelled, 1);
        QCOMPARE(task->cancelled, how == Release::cancel);
        QCOMPARE(task->finishedOn, QThread::currentThread());
    }

    void tasksOnSeveralThreadsShareThePermits_data() {
        QTest::addColumn<int>("permits");
        QTest::newRow("one permit admits one task at a time") << 1;
        QTest::newRow("three permits admit three tasks at a time") << 3;
    }
    void tasksOnSeveralThreadsShareThePermits() {
        QFETCH(int, permits);
        const int threads = 4, tasksPerThread = 25, rounds = 40;
        StressRun run(permits);
        for (int i = 0; i < threads; ++i)
            run.workers.push_back(std::make_unique<BackgroundTasks>());
        for (int worker = 0; worker < threads; ++worker)
            for (int i = 0; i < tasksPerThread; ++i)
                run.workers[worker]->start(
                    [run = &run, worker] { return stressTask(run, worker, rounds); });

        QTRY_COMPARE_WITH_TIMEOUT(run.finished.load(), threads * tasksPerThread, 120000);
        QCOMPARE(run.overcrowded.load(), 0);
        QCOMPARE(run.wrongThread.load(), 0);
        QCOMPARE(run.entered + run.cancelled, threads * tasksPerThread * rounds);
        QCOMPARE(run.semaphore.value(), permits);
        qInfo() << run.entered.load() << "entries," << run.cancelled.load() << "cancelled waits";
    }
};

TESSELLE_TEST_MAIN(AsyncSemaphoreTest, QCoreApplication)
#include "tst_asyncsemaphore.moc"
