#pragma once

#include <functional>
#include <stop_token>

// The read side of a cancellation: a task holds a token, whoever may cancel the
// task holds the CancellationSource. Copies share one state; thread-safe.
class CancellationToken {
public:
    // A token that is never cancelled.
    CancellationToken() = default;

    bool isCancelled() const { return m_token.stop_requested(); }

    // Runs a function once when the token is cancelled: on the cancelling
    // thread, or at once on this thread if the token already is. Destroying the
    // handler unregisters the function; if it is running on another thread at
    // that moment, the destructor waits for it to return.
    class Handler {
    public:
        Handler(const CancellationToken& token, std::function<void()> onCancel)
            : m_callback(token.m_token, std::move(onCancel)) {}

    private:
        std::stop_callback<std::function<void()>> m_callback;
    };

private:
    friend class CancellationSource;
    explicit CancellationToken(std::stop_token token) : m_token(std::move(token)) {}

    std::stop_token m_token;
};
