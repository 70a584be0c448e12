#include "async/BackgroundCall.h"

void BackgroundCall::await_suspend(std::coroutine_handle<> awaiting) {
    m_background.start([job = m_job, call = this, resumer = ThreadResumer(awaiting)] {
        return run(job, call, resumer);
    });
}

void BackgroundCall::await_resume() const {
    if (m_failure)
        std::rethrow_exception(m_failure);
}

QCoro::Task<> BackgroundCall::run(BackgroundTasks::Job job, BackgroundCall* call,
                                  ThreadResumer resumer) {
    try {
        co_await job();
    } catch (...) {
        call->m_failure = std::current_exception();
    }
    resumer.resume();
}
