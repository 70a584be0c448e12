#pragma once

#include "async/Clock.h"

class SystemClock : public Clock {
public:
    TimePoint now() const override { return std::chrono::steady_clock::now(); }
    QCoro::Task<> sleepFor(std::chrono::duration<double> duration) override;
};
