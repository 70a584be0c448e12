#pragma once

#include <QObject>
#include <coroutine>

// Resumes a suspended coroutine on the thread it suspended on, through that
// thread's event loop, which must be running. A completion handler that ran
// on another thread and resumed the coroutine there would leave it on that
// thread, where its later timers fail and its task never finishes.
class ThreadResumer {
public:
    // On the suspending thread, in await_suspend().
    explicit ThreadResumer(std::coroutine_handle<> handle)
        : m_handle(handle), m_context(new QObject) {}

    // Once, from any thread; only schedules the coroutine, never runs it here.
    void resume() const {
        QMetaObject::invokeMethod(
            m_context,
            [context = m_context, handle = m_handle] {
                context->deleteLater();
                handle.resume();
            },
            Qt::QueuedConnection);
    }

private:
    std::coroutine_handle<> m_handle;
    QObject* m_context; // lives on the suspending thread
};
