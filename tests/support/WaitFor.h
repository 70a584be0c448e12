#pragma once

#include <QCoroTask>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTest>
#include <QTimer>
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
