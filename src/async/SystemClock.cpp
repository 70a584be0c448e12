#include "async/SystemClock.h"

#include <QCoroTimer>

QCoro::Task<> SystemClock::sleepFor(std::chrono::duration<double> duration) {
    co_await QCoro::sleepFor(std::chrono::ceil<std::chrono::milliseconds>(duration));
}
