#pragma once

#include "async/CancellationToken.h"

#include <QCoroTask>
#include <coroutine>
#include <list>
#include <mutex>

class QObject;

// A counting semaphore for coroutines: a task that finds no permit is suspended,
// not blocked, and waiting tasks get the released permits in arrival order. Any
// thread may wait or signal. A waiting task always resumes on the thread it
// waited on, through that thread's event loop, which must be running.
class AsyncSemaphore {
public:
    // The value must not be negative.
    explicit AsyncSemaphore(int value);
    // There must be no waiting task left.
    ~AsyncSemaphore();
    AsyncSemaphore(const AsyncSemaphore&) = delete;
    AsyncSemaphore& operator=(const AsyncSemaphore&) = delete;

    // Takes a permit, waiting as long as it takes.
    QCoro::Task<> wait();
    // Takes a permit unless the token is cancelled first; then fails with
    // CancelledError and takes nothing.
    QCoro::Task<> waitUnlessCancelled(CancellationToken token);
    // Releases a permit. Returns whether a waiting task was given it; that
    // task is only scheduled to resume, never run inside this call.
    bool signal();

    // Permits available when positive; minus the number of waiting tasks when negative.
    int value() const;

private:
    struct Suspension {
        enum class State {
            suspendedUnlessCancelled, // queued by waitUnlessCancelled()
            suspended,                // queued by wait()
            pending,                  // in waitUnlessCancelled(), not queued yet
            cancelled,                // taken out by the cancellation; resumes with CancelledError
            resumed,                  // taken out by signal(); resumes with the permit
        };
        State state;
        std::coroutine_handle<> continuation;
        QObject* context = nullptr; // lives on the waiting thread
    };
    class Awaiter;

    void cancel(Suspension& suspension);
    void resume(Suspension& suspension, Suspension::State outcome);

    // Recursive: a token that is already cancelled runs its handler inside the
    // registration, which happens while the lock is held.
    mutable std::recursive_mutex m_mutex;
    int m_value;
    // New waiters go in at the front; signal() takes the longest-waiting from the back.
    std::list<Suspension*> m_suspensions;
};
