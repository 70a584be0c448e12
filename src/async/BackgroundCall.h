#pragma once

#include "async/BackgroundTasks.h"
#include "async/ThreadResumer.h"

#include <coroutine>
#include <exception>

// Awaits a job run on the background thread: `co_await BackgroundCall(tasks, job)`.
// The awaiting coroutine goes on on its own thread (the resume is posted there,
// so that thread needs an event loop), with the job's failure rethrown.
class BackgroundCall {
public:
    BackgroundCall(BackgroundTasks& background, BackgroundTasks::Job job)
        : m_background(background), m_job(std::move(job)) {}

    bool await_ready() const noexcept { return false; }
    void await_suspend(std::coroutine_handle<> awaiting);
    void await_resume() const;

private:
    static QCoro::Task<> run(BackgroundTasks::Job job, BackgroundCall* call, ThreadResumer resumer);

    BackgroundTasks& m_background;
    BackgroundTasks::Job m_job;
    std::exception_ptr m_failure;
};
