#include "TestEnvironment.h"
#include "WaitFor.h"
#include "async/BackgroundCall.h"
#include "platform/MessageError.h"

#include <QCoroTimer>
#include <QTest>
#include <QTimer>

namespace {

struct Threads {
    QThread* job = nullptr;
    QThread* afterJob = nullptr;
};

QCoro::Task<> job(Threads* threads, bool fails) {
    threads->job = QThread::currentThread();
    // A suspension on the worker, as the registry's calls have.
    QTimer timer;
    timer.setSingleShot(true);
    timer.start(1);
    co_await timer;
    if (fails)
        throw MessageError("the job failed");
}

QCoro::Task<> caller(BackgroundTasks* background, Threads* threads, bool fails) {
    co_await BackgroundCall(*background, [threads, fails] { return job(threads, fails); });
    threads->afterJob = QThread::currentThread();
}

} // namespace

class BackgroundCallTest : public QObject {
    Q_OBJECT

private slots:
    void theJobRunsOnTheWorkerAndTheCallerGoesOnAtHome() {
        BackgroundTasks background;
        Threads threads;
        waitForTask(caller(&background, &threads, false));
        QCOMPARE(threads.job, background.thread());
        QCOMPARE(threads.afterJob, thread());
    }

    void theJobsFailureReachesTheCallerAtHome() {
        BackgroundTasks background;
        Threads threads;
        QThread* caughtOn = nullptr;
        QString message;
        auto catching = [](BackgroundTasks* background, Threads* threads, QThread** caughtOn,
                           QString* message) -> QCoro::Task<> {
            try {
                co_await caller(background, threads, true);
            } catch (const MessageError& error) {
                *caughtOn = QThread::currentThread();
                *message = error.message();
            }
        };
        waitForTask(catching(&background, &threads, &caughtOn, &message));
        QCOMPARE(message, "the job failed");
        QCOMPARE(caughtOn, thread());
        QCOMPARE(threads.afterJob, nullptr);
    }
};

TESSELLE_TEST_MAIN(BackgroundCallTest, QCoreApplication)
#include "tst_backgroundcall.moc"
