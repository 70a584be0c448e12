#include "async/BackgroundTasks.h"

#include <QSemaphore>
#include <QTimer>

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

void BackgroundTasks::runAndWait(Job job) {
    Q_ASSERT(QThread::currentThread() != &m_thread);
    QSemaphore finished;
    QMetaObject::invokeMethod(
        m_context,
        [&finished, job = std::move(job)] { runToEnd(job, [&finished] { finished.release(); }); },
        Qt::QueuedConnection);
    finished.acquire();
}
