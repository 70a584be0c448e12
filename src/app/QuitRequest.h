#pragma once

#include <QString>
#include <chrono>

// What `tesselle --quit` does: asks the program running for this user to quit
// in order, waits for its end and says how it went. It needs no display and
// no application object.
class QuitRequest {
public:
    struct Answer {
        // 0 once the program has ended with its shortcuts out of the list, or
        // when none runs.
        int exitCode = 0;
        // For standard output when the exit code is 0, else standard error;
        // may be empty.
        QString message;
    };

    // The settings lock tells a program that does not answer from none.
    static Answer send(const QString& socketPath, const QString& settingsLockPath,
                       std::chrono::milliseconds patience);
};
