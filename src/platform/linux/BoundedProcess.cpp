#include "platform/linux/BoundedProcess.h"

#include "async/ThreadResumer.h"

#include <QFileInfo>
#include <QProcess>
#include <QTimer>
#include <coroutine>
#include <csignal>
#include <memory>
#include <sys/prctl.h>
#include <unistd.h>
#include <utility>

namespace {

// A killed program is gone at once; this only bounds the wait for the news.
constexpr std::chrono::milliseconds reapBound{2000};
constexpr qsizetype quoteLength = 80;

// Awaits the end of a process (it finished, or never started) or the bound,
// whichever comes first; the result says whether it ended. The resume is
// posted to the awaiting thread, never made inside QProcess's own signals.
// QCoro's awaiter cannot wait for stateChanged, which covers both ends: it
// binds the signal's private tag argument to a null reference.
class ProcessEnd {
public:
    ProcessEnd(QProcess& process, std::chrono::milliseconds bound)
        : m_process(process), m_bound(bound) {}

    bool await_ready() const noexcept { return m_process.state() == QProcess::NotRunning; }
    void await_suspend(std::coroutine_handle<> awaiting) {
        auto* context = new QObject; // on the awaiting thread, like the process
        auto* deadline = new QTimer(context);
        // Once only: the connections go with the context, a turn later.
        auto wake = [isAwake = std::make_shared<bool>(false), context, deadline,
                     resumer = ThreadResumer(awaiting)] {
            if (std::exchange(*isAwake, true))
                return;
            deadline->stop();
            context->deleteLater();
            resumer.resume();
        };
        QObject::connect(&m_process, &QProcess::finished, context, wake);
        QObject::connect(&m_process, &QProcess::errorOccurred, context,
                         [wake](QProcess::ProcessError error) {
                             if (error == QProcess::FailedToStart)
                                 wake();
                         });
        deadline->setSingleShot(true);
        QObject::connect(deadline, &QTimer::timeout, context, wake);
        deadline->start(m_bound);
    }
    bool await_resume() const noexcept { return m_process.state() == QProcess::NotRunning; }

private:
    QProcess& m_process;
    const std::chrono::milliseconds m_bound;
};

} // namespace

QCoro::Task<BoundedProcess::Result> BoundedProcess::run(QString program, QStringList arguments,
                                                        std::chrono::milliseconds bound,
                                                        Output output) {
    Result result;
    result.command = (QStringList(QFileInfo(program).fileName()) + arguments).join(' ');
    result.bound = bound;
    QProcess process;
    process.setStandardInputFile(QProcess::nullDevice());
    if (output == Output::Discarded) {
        process.setStandardOutputFile(QProcess::nullDevice());
        process.setStandardErrorFile(QProcess::nullDevice());
    }
    // A run still going when the program ends (its coroutine never resumes
    // after the quit) must not outlive it: the kernel ends the child when the
    // thread that started it ends, however the program ends.
    const pid_t parent = ::getpid();
    process.setChildProcessModifier([parent] {
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (::getppid() != parent)
            ::_exit(127);
    });
    process.start(program, arguments);
    if (!co_await ProcessEnd(process, bound)) {
        process.kill();
        co_await ProcessEnd(process, reapBound);
        result.ending = Ending::TimedOut;
        co_return result;
    }
    if (process.error() == QProcess::FailedToStart) {
        result.ending = Ending::FailedToStart;
        result.startError = process.errorString();
        co_return result;
    }
    result.ending = process.exitStatus() == QProcess::CrashExit ? Ending::Crashed : Ending::Exited;
    result.exitCode = process.exitCode();
    if (output == Output::Captured) {
        result.standardOutput = process.readAllStandardOutput();
        result.standardError = process.readAllStandardError();
    }
    co_return result;
}

QString BoundedProcess::Result::failure() const {
    const QString quotedCommand = '`' + command + '`';
    switch (ending) {
    case Ending::TimedOut:
        return command.section(' ', 0, 0) + " did not answer " + quotedCommand + " within " +
               seconds(bound);
    case Ending::FailedToStart:
        return quotedCommand + " could not be started: " + startError;
    case Ending::Crashed:
        return quotedCommand + " crashed";
    case Ending::Exited:
        break;
    }
    if (exitCode == 0)
        return {};
    const QString said = quoted(standardError);
    return quotedCommand + " failed with exit code " + QString::number(exitCode) +
           (said.isEmpty() ? QString() : " (" + said + ')');
}

QString BoundedProcess::seconds(std::chrono::milliseconds bound) {
    return QString::number(double(bound.count()) / 1000.0) + " s";
}

QString BoundedProcess::quoted(const QByteArray& output) {
    const QString text = QString::fromUtf8(output).trimmed();
    QString line = text.section('\n', 0, 0).trimmed();
    const bool isCut = line.size() > quoteLength || line.size() < text.size();
    line.truncate(quoteLength);
    // A stray carriage return or escape sequence must not break the line.
    for (QChar& c : line) {
        if (c.category() == QChar::Other_Control)
            c = ' ';
    }
    return isCut ? line + "..." : line;
}
