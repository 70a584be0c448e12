#pragma once

#include <QCoroTask>
#include <QString>

// What the text expander that carries the program's shortcuts is doing, as far
// as it answered.
struct TextExpanderState {
    enum class Kind {
        NotInstalled,
        // Installed, and not running, or it did not say that it runs.
        NotRunning,
        Running,
    };

    Kind kind = Kind::NotInstalled;
    // The version it reports, e.g. "2.2.1"; empty when it did not say.
    QString version;
    // Set when an answer was missing or unexpected: one line for standard
    // output, e.g. "espanso did not answer `espanso status` within 3 s".
    QString reason;

    bool operator==(const TextExpanderState&) const = default;
};

// Finds, checks and starts the text expander, so that the program never
// installs shortcuts into one that is missing or stopped without saying so.
//
// Both calls run outside programs without blocking the awaiting thread, which
// needs a running event loop (the main thread, or the BackgroundTasks worker);
// the task goes on on that thread. Each outside program is bounded in time.
class TextExpanderStatus {
public:
    virtual ~TextExpanderStatus() = default;

    // Never throws: whatever went wrong is in the state's reason.
    virtual QCoro::Task<TextExpanderState> check() = 0;
    // Asks the text expander to start. Throws MessageError with a one-line
    // reason when it could not be asked or refused. Whether it then runs is
    // for a following check() to tell.
    virtual QCoro::Task<> start() = 0;
};
