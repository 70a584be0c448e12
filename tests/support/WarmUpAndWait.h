#pragma once

#include "async/BackgroundTasks.h"
#include "catalogue/MeasurementWarmUp.h"

#include <QSemaphore>
#include <chrono>

// Runs the launch's measurement warm-up on a worker thread of its own and waits
// for its end; false when it did not end in time.
inline bool warmUpAndWait(const ResourceLocator& resources, const TextMeasurer& measurer,
                          std::chrono::milliseconds timeout = std::chrono::minutes(1)) {
    BackgroundTasks background;
    QSemaphore ended;
    warmUpMeasurements(background, resources, measurer, [&ended] { ended.release(); });
    return ended.tryAcquire(1, int(timeout.count()));
}
