#pragma once

#include "async/Clock.h"

// Time for a registry whose cool-downs pass at once.
class InstantClock : public Clock {
public:
    TimePoint now() const override { return std::chrono::steady_clock::now(); }
    QCoro::Task<> sleepFor(std::chrono::duration<double>) override { co_return; }
};
