#include "async/AsyncSemaphore.h"

#include "async/CancelledError.h"

#include <QObject>
#include <algorithm>
#include <memory>

// Takes a permit or queues the waiting coroutine. Everything from taking the
// permit to queueing happens under one lock, so a signal() can never slip in
// between and find nobody to hand its permit to.
class AsyncSemaphore::Awaiter {
public:
    Awaiter(AsyncSemaphore& semaphore, const CancellationToken* token)
        : m_semaphore(semaphore), m_token(token) {
        m_suspension.state = token ? Suspension::State::pending : Suspension::State::suspended;
    }

    bool await_ready() const noexcept { return false; }

    bool await_suspend(std::coroutine_handle<> continuation) {
        std::lock_guard lock(m_semaphore.m_mutex);
        if (m_semaphore.m_isClosed) {
            m_suspension.state = Suspension::State::cancelled;
            return false;
        }
        if (--m_semaphore.m_value >= 0)
            return false;
        if (m_token) {
            m_onCancel = std::make_unique<CancellationToken::Handler>(
                *m_token, [this] { m_semaphore.cancel(m_suspension); });
            if (m_suspension.state == Suspension::State::cancelled)
                return false;
            m_suspension.state = Suspension::State::suspendedUnlessCancelled;
        }
        m_suspension.continuation.emplace(continuation);
        m_semaphore.m_suspensions.push_front(&m_suspension);
        return true;
    }

    // Reads the state without the lock: whoever took the suspension out of
    // the queue wrote it before scheduling the resume, and nobody writes it
    // after. The semaphore itself may be gone by now.
    void await_resume() const {
        if (m_suspension.state == Suspension::State::cancelled)
            throw CancelledError();
    }

private:
    AsyncSemaphore& m_semaphore;
    const CancellationToken* m_token;
    Suspension m_suspension;
    // Declared last so that it is unregistered before the suspension goes.
    std::unique_ptr<CancellationToken::Handler> m_onCancel;
};

AsyncSemaphore::AsyncSemaphore(int value) : m_value(value) {
    if (value < 0)
        qFatal("AsyncSemaphore: negative initial value %d", value);
}

AsyncSemaphore::~AsyncSemaphore() {
    if (!m_suspensions.empty())
        qFatal("AsyncSemaphore: destroyed with %d waiting tasks", int(m_suspensions.size()));
}

QCoro::Task<> AsyncSemaphore::wait() {
    co_await Awaiter(*this, nullptr);
}

QCoro::Task<AsyncSemaphore::Permit> AsyncSemaphore::lock() {
    co_await Awaiter(*this, nullptr);
    co_return Permit(this);
}

QCoro::Task<> AsyncSemaphore::waitUnlessCancelled(CancellationToken token) {
    if (token.isCancelled())
        throw CancelledError();
    co_await Awaiter(*this, &token);
}

bool AsyncSemaphore::signal() {
    std::lock_guard lock(m_mutex);
    ++m_value;
    if (m_suspensions.empty())
        return false;
    Suspension* suspension = m_suspensions.back();
    m_suspensions.pop_back();
    resume(*suspension, Suspension::State::resumed);
    return true;
}

void AsyncSemaphore::close() {
    std::lock_guard lock(m_mutex);
    m_isClosed = true;
    while (!m_suspensions.empty()) {
        Suspension* suspension = m_suspensions.back();
        m_suspensions.pop_back();
        ++m_value;
        resume(*suspension, Suspension::State::cancelled);
    }
}

int AsyncSemaphore::value() const {
    std::lock_guard lock(m_mutex);
    return m_value;
}

// A cancellation that comes after signal() has taken the waiter out finds it
// `resumed` and does nothing: the waiter keeps the permit it was given and
// finishes its wait normally, and the permit count stays as it is. Resuming it
// again or giving the permit back would break the count.
void AsyncSemaphore::cancel(Suspension& suspension) {
    std::lock_guard lock(m_mutex);
    switch (suspension.state) {
    case Suspension::State::pending:
        ++m_value;
        suspension.state = Suspension::State::cancelled;
        break;
    case Suspension::State::suspendedUnlessCancelled:
        ++m_value;
        m_suspensions.erase(std::find(m_suspensions.begin(), m_suspensions.end(), &suspension));
        resume(suspension, Suspension::State::cancelled);
        break;
    case Suspension::State::suspended:
    case Suspension::State::cancelled:
    case Suspension::State::resumed:
        break;
    }
}

// Only schedules the waiting coroutine on its own thread: running it here
// would run the waiter's code inside signal() or cancel(), on a foreign thread.
void AsyncSemaphore::resume(Suspension& suspension, Suspension::State outcome) {
    suspension.state = outcome;
    // A copy: the suspension lives in the waiter's frame, which may be gone
    // by the time the copy's resume runs.
    const ThreadResumer continuation = *suspension.continuation;
    continuation.resume();
}
