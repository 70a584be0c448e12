#include "platform/linux/BoundedProcess.h"

#include <QCoroSignal>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QProcess>

namespace {

// A killed program is gone at once; this only bounds the wait for the news.
constexpr std::chrono::milliseconds reapBound{2000};
constexpr qsizetype quoteLength = 80;

// Whether the process stopped running (it ended, or never started) before the
// deadline. stateChanged covers both, unlike finished().
QCoro::Task<bool> stopped(QProcess& process, QDeadlineTimer deadline) {
    while (process.state() != QProcess::NotRunning) {
        if (deadline.hasExpired())
            co_return false;
        co_await qCoro(&process, &QProcess::stateChanged,
                       std::chrono::milliseconds(deadline.remainingTime()));
    }
    co_return true;
}

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
    process.start(program, arguments);
    if (!co_await stopped(process, QDeadlineTimer(bound))) {
        process.kill();
        co_await stopped(process, QDeadlineTimer(reapBound));
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
