#pragma once

#include <QCoroTask>
#include <chrono>

// Time as the registry's cool-down sees it, so tests can run it without waiting.
class Clock {
public:
    using TimePoint = std::chrono::steady_clock::time_point;

    virtual ~Clock() = default;
    virtual TimePoint now() const = 0;
    virtual QCoro::Task<> sleepFor(std::chrono::duration<double> duration) = 0;
};
