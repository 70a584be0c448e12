#pragma once

#include <QCoroTask>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTest>
#include <QTimer>
#include <chrono>
#include <exception>
#include <memory>
#include <optional>

// Runs the event loop until the task has finished and returns its result,
// rethrowing its failure. A task that does not finish in time fails the test
// by throwing, instead of hanging the suite.
namespace detail {
template <typename T> struct Outcome {
    bool done = false;
    std::exception_ptr failure;
    std::optional<T> value;
};
template <> struct Outcome<void> {
    bool done = false;
    std::exception_ptr failure;
};

template <typename T>
QCoro::Task<> record(QCoro::Task<T> task, std::shared_ptr<Outcome<T>> outcome) {
    try {
        if constexpr (std::is_void_v<T>)
            co_await task;
        else
            outcome->value.emplace(co_await task);
    } catch (...) {
        outcome->failure = std::current_exception();
    }
    outcome->done = true;
}
} // namespace detail

struct WaitTimedOut : std::runtime_error {
    WaitTimedOut() : std::runtime_error("the task did not finish in time") {}
};

template <typename T>
T waitForTask(QCoro::Task<T> task, std::chrono::milliseconds timeout = std::chrono::seconds(10)) {
    auto outcome = std::make_shared<detail::Outcome<T>>();
    auto recorder = detail::record(std::move(task), outcome);
    QDeadlineTimer deadline(timeout);
    QTimer heartbeat; // wakes the blocking wait below to look at the deadline
    heartbeat.start(50);
    while (!outcome->done) {
        if (deadline.hasExpired())
            throw WaitTimedOut();
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
    if (outcome->failure)
        std::rethrow_exception(outcome->failure);
    if constexpr (!std::is_void_v<T>)
        return std::move(*outcome->value);
}

// Runs the event loop until `condition` holds; false when it does not hold in
// time. Unlike QTRY_* (QTest::qWait sleeps 10 ms between turns of the loop), it
// waits only for events, so a chain of hops between threads runs at full speed;
// a short heartbeat looks again at what other threads change without an event.
template <typename Condition>
bool waitUntil(Condition condition, std::chrono::milliseconds timeout = std::chrono::seconds(10)) {
    QDeadlineTimer deadline(timeout);
    QTimer heartbeat;
    heartbeat.start(5);
    while (!condition()) {
        if (deadline.hasExpired())
            return condition();
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
        // As QTest::qWait does: objects deleted later go now.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    return true;
}

// Lets run what is already queued on this thread (posted events, window-system
// events, timers of no delay), without waiting for anything new.
inline void processPendingEvents() {
    for (int turn = 0; turn < 3; ++turn) {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}
