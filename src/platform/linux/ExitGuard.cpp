#include "platform/linux/ExitGuard.h"

#include "platform/LineOutput.h"

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace {

std::atomic<ExitGuard*> armed = nullptr;
QtMessageHandler previousHandler = nullptr;

} // namespace

ExitGuard::ExitGuard(std::function<void()> quitSteps, LineOutput& output)
    : m_quitSteps(std::move(quitSteps)), m_output(output) {
    static const bool registered = std::atexit(&ExitGuard::atExit) == 0;
    if (!registered)
        return;
    previousHandler = qInstallMessageHandler(&ExitGuard::onMessage);
    armed = this;
}

ExitGuard::~ExitGuard() {
    if (armed.exchange(nullptr) == this)
        qInstallMessageHandler(previousHandler);
}

// What Qt 6's xcb platform says before it calls exit(1).
void ExitGuard::onMessage(QtMsgType type, const QMessageLogContext& context,
                          const QString& message) {
    if (previousHandler)
        previousHandler(type, context, message);
    else
        std::fprintf(stderr, "%s\n", qPrintable(message));
    if (message.startsWith(QLatin1String("The X11 connection broke")))
        quitNow(QStringLiteral("The display connection broke: quitting in order first"));
}

void ExitGuard::atExit() {
    quitNow(QStringLiteral("Ended from within a library: quitting in order first"));
}

void ExitGuard::quitNow(const QString& why) {
    static std::atomic_bool quitting = false;
    ExitGuard* guard = armed.exchange(nullptr);
    if (!guard) {
        // Another thread runs the steps and ends the process: the exit handlers
        // and destructors must not run meanwhile.
        while (quitting)
            ::pause();
        return;
    }
    quitting = true;
    guard->m_output.writeLine(why);
    guard->m_quitSteps();
    std::fflush(stdout);
    std::_Exit(1);
}
