#pragma once

#include <QString>
#include <functional>

class LineOutput;

// Runs the program's quit steps before the process ends from within a
// library. Qt's X11 platform ends it with exit() when the display connection
// breaks (the X server died, the session ended abruptly); the guard runs the
// steps when Qt says so, just before, while every thread and every object is
// still sound. Any other call of exit() while the guard lives (Xlib's default
// I/O error handler makes one) runs them from the exit handlers, as well as
// they can by then. Either way the process then ends at once with exit code
// 1, without the destructors that threads still running would trip over.
class ExitGuard {
public:
    ExitGuard(std::function<void()> quitSteps, LineOutput& output);
    // A return from main calls exit() too: the guard is gone by then.
    ~ExitGuard();
    ExitGuard(const ExitGuard&) = delete;
    ExitGuard& operator=(const ExitGuard&) = delete;

private:
    static void atExit();
    static void onMessage(QtMsgType type, const QMessageLogContext& context,
                          const QString& message);
    // Once, from whichever comes first; a second caller waits for the end.
    static void quitNow(const QString& why);

    std::function<void()> m_quitSteps;
    LineOutput& m_output;
};
