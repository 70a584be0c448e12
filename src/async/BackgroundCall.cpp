#include "async/BackgroundCall.h"

void BackgroundCall::await_suspend(std::coroutine_handle<> awaiting) {
    auto* context = new QObject; // lives on the awaiting thread
    m_background.start([job = m_job, call = this, awaiting, context] {
        return run(job, call, awaiting, context);
    });
}

void BackgroundCall::await_resume() const {
    if (m_failure)
        std::rethrow_exception(m_failure);
}

QCoro::Task<> BackgroundCall::run(BackgroundTasks::Job job, BackgroundCall* call,
                                  std::coroutine_handle<> awaiting, QObject* context) {
    try {
        co_await job();
    } catch (...) {
        call->m_failure = std::current_exception();
    }
    QMetaObject::invokeMethod(
        context,
        [awaiting, context] {
            context->deleteLater();
            awaiting.resume();
        },
        Qt::QueuedConnection);
}
