#pragma once

#include "async/CancellationToken.h"
#include "async/ThreadResumer.h"

#include <QCoroTask>
#include <list>
#include <mutex>
#include <optional>
#include <utility>

// A counting semaphore for coroutines: a task that finds no permit is suspended,
// not blocked, and waiting tasks get the released permits in arrival order. Any
// thread may wait or signal. A waiting task always resumes on the thread it
// waited on, through that thread's event loop, which must be running.
class AsyncSemaphore {
public:
    // A permit taken for a scope: released when the guard goes, on every path.
    class Permit {
    public:
        Permit(Permit&& other) noexcept : m_semaphore(std::exchange(other.m_semaphore, nullptr)) {}
        Permit& operator=(Permit&&) = delete;
        ~Permit() {
            if (m_semaphore)
                m_semaphore->signal();
        }

    private:
        friend class AsyncSemaphore;
        explicit Permit(AsyncSemaphore* semaphore) : m_semaphore(semaphore) {}
        AsyncSemaphore* m_semaphore;
    };

    // The value must not be negative.
    explicit AsyncSemaphore(int value);
    // There must be no waiting task left.
    ~AsyncSemaphore();
    AsyncSemaphore(const AsyncSemaphore&) = delete;
    AsyncSemaphore& operator=(const AsyncSemaphore&) = delete;

    // Takes a permit, waiting as long as it takes; fails with CancelledError
    // only once the semaphore is closed.
    QCoro::Task<> wait();
    // wait(), with the permit held by the returned guard.
    QCoro::Task<Permit> lock();
    // Takes a permit unless the token is cancelled first; then fails with
    // CancelledError and takes nothing. Nothing in the program waits this way
    // today (the quit closes the registry's lock instead); it is kept, with its
    // tests, for a caller that must be able to give up its turn.
    QCoro::Task<> waitUnlessCancelled(CancellationToken token);
    // Releases a permit. Returns whether a waiting task was given it; that
    // task is only scheduled to resume, never run inside this call.
    bool signal();
    // For the end of the program: every waiting task and every later wait fail
    // with CancelledError, so nothing is left waiting when the semaphore goes.
    void close();

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
        std::optional<ThreadResumer> continuation;
    };
    class Awaiter;

    void cancel(Suspension& suspension);
    void resume(Suspension& suspension, Suspension::State outcome);

    // Recursive: a token that is already cancelled runs its handler inside the
    // registration, which happens while the lock is held.
    mutable std::recursive_mutex m_mutex;
    int m_value;
    bool m_isClosed = false;
    // New waiters go in at the front; signal() takes the longest-waiting from the back.
    std::list<Suspension*> m_suspensions;
};
