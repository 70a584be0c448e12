#include "async/BackgroundTasks.h"

#include <QSemaphore>
#include <QTimer>
#include <memory>

namespace {

QCoro::Task<> runToEnd(BackgroundTasks::Job job, std::function<void()> done) {
    try {
        co_await job();
    } catch (const std::exception&) {
        // Background failures are dropped here: whoever cares reports them inside the job.
    }
    if (done)
        done();
}

} // namespace

BackgroundTasks::BackgroundTasks() : m_context(new QObject) {
    m_thread.setObjectName(QStringLiteral("background"));
    m_context->moveToThread(&m_thread);
    QObject::connect(&m_thread, &QThread::finished, m_context, &QObject::deleteLater);
    m_thread.start();
}

BackgroundTasks::~BackgroundTasks() {
    stop();
}

void BackgroundTasks::stop() {
    m_thread.quit();
    m_thread.wait();
}

void BackgroundTasks::start(Job job) {
    QMetaObject::invokeMethod(
        m_context, [job = std::move(job)] { runToEnd(job, nullptr); }, Qt::QueuedConnection);
}

void BackgroundTasks::startAfter(std::chrono::milliseconds delay, Job job) {
    QMetaObject::invokeMethod(
        m_context,
        [this, delay, job = std::move(job)] {
            QTimer::singleShot(delay, m_context, [job] { runToEnd(job, nullptr); });
        },
        Qt::QueuedConnection);
}

bool BackgroundTasks::runAndWait(Job job, std::chrono::milliseconds timeout) {
    Q_ASSERT(QThread::currentThread() != &m_thread);
    // Shared, as the job may finish after this call has given up on it.
    auto finished = std::make_shared<QSemaphore>();
    QMetaObject::invokeMethod(
        m_context,
        [finished, job = std::move(job)] { runToEnd(job, [finished] { finished->release(); }); },
        Qt::QueuedConnection);
    return finished->tryAcquire(1, int(timeout.count()));
}
