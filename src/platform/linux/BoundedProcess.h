#pragma once

#include <QByteArray>
#include <QCoroTask>
#include <QString>
#include <QStringList>
#include <chrono>

// One run of an outside program that may be missing, fail or hang. The run
// never blocks the thread that awaits it: that thread needs a running event
// loop, and the coroutine goes on there. A program still running when the bound
// has passed is killed, and so is one still running when the thread that
// started it ends (at the latest, when this program ends).
//
// QCoro's own QProcess awaiters are not used: in QCoro 0.8 a program that
// cannot be started makes start() wait out its whole timeout, and
// waitForFinished() reports a time-out for a program that ended before it was
// awaited.
class BoundedProcess {
public:
    enum class Ending { Exited, FailedToStart, TimedOut, Crashed };
    // Discarded: the program's output goes to /dev/null. For programs that
    // leave a daemon behind, which would otherwise inherit pipes that close
    // when the run is over.
    enum class Output { Captured, Discarded };

    struct Result {
        // As the user would type it, e.g. "espanso path config".
        QString command;
        std::chrono::milliseconds bound{};
        Ending ending = Ending::FailedToStart;
        int exitCode = 0;
        QByteArray standardOutput;
        QByteArray standardError;
        QString startError;

        bool succeeded() const { return ending == Ending::Exited && exitCode == 0; }
        // One line saying what went wrong, e.g. "espanso did not answer
        // `espanso status` within 3 s"; empty for a run that succeeded.
        QString failure() const;
    };

    static QCoro::Task<Result> run(QString program, QStringList arguments,
                                   std::chrono::milliseconds bound,
                                   Output output = Output::Captured);

    // "3 s", "0.5 s": how a bound reads in a line for the user.
    static QString seconds(std::chrono::milliseconds bound);
    // The first line of a program's output, trimmed and shortened (then
    // ending in "..."), to quote it in a one-line reason.
    static QString quoted(const QByteArray& output);
};
