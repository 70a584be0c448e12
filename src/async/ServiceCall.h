#pragma once

#include "async/ThreadResumer.h"

#include <functional>
#include <optional>

// Awaits one call of a service that reports its outcome to a completion
// handler, exactly once, on any thread or before the call returns. The
// handler only stores the outcome; the awaiting task goes on on its own thread.
template <typename Outcome> class ServiceCall {
public:
    using Completion = std::function<void(Outcome)>;
    using Start = std::function<void(Completion)>;

    explicit ServiceCall(Start start) : m_start(std::move(start)) {}

    bool await_ready() const noexcept { return false; }

    void await_suspend(std::coroutine_handle<> awaiting) {
        m_start([this, resumer = ThreadResumer(awaiting)](Outcome outcome) {
            m_outcome.emplace(std::move(outcome));
            resumer.resume();
        });
    }

    Outcome await_resume() { return std::move(*m_outcome); }

private:
    Start m_start;
    std::optional<Outcome> m_outcome;
};
