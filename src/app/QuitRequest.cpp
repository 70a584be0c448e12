#include "app/QuitRequest.h"

#include "app/InstanceProtocol.h"

#include <QDeadlineTimer>
#include <QLocalSocket>
#include <QLockFile>
#include <QSysInfo>
#include <cerrno>
#include <csignal>
#include <optional>
#include <poll.h>
#include <sys/syscall.h>
#include <unistd.h>

using namespace InstanceProtocol;

namespace {

// A running program answers at once.
constexpr int answerMs = 2000;

// Whether the process ended before the deadline. A pidfd also reports the end
// of a process that is not this one's child.
bool waitForEnd(pid_t pid, const QDeadlineTimer& deadline) {
    const int pidfd = int(syscall(SYS_pidfd_open, pid, 0));
    if (pidfd < 0)
        return errno == ESRCH;
    pollfd ended{pidfd, POLLIN, 0};
    int ready;
    do {
        ready = poll(&ended, 1, int(deadline.remainingTime()));
    } while (ready < 0 && errno == EINTR);
    close(pidfd);
    return ready > 0;
}

// The next line from the program, without its line feed; none when the
// connection ended or the deadline passed first.
std::optional<QByteArray> readLine(QLocalSocket& socket, const QDeadlineTimer& deadline) {
    while (!socket.canReadLine()) {
        if (deadline.hasExpired() || !socket.waitForReadyRead(int(deadline.remainingTime())))
            return std::nullopt;
    }
    return socket.readLine().chopped(1);
}

// The process holding the settings lock, if it is alive on this machine.
std::optional<qint64> lockHolder(const QString& settingsLockPath) {
    QLockFile lock(settingsLockPath);
    qint64 pid = 0;
    QString host;
    QString application;
    if (!lock.getLockInfo(&pid, &host, &application) || pid <= 0)
        return std::nullopt;
    if (!host.isEmpty() && host != QSysInfo::machineHostName())
        return std::nullopt;
    if (::kill(pid_t(pid), 0) != 0 && errno != EPERM)
        return std::nullopt;
    return pid;
}

QuitRequest::Answer failed(const QString& message) {
    return {1, message};
}

} // namespace

QuitRequest::Answer QuitRequest::send(const QString& socketPath, const QString& settingsLockPath,
                                      std::chrono::milliseconds patience) {
    QLocalSocket socket;
    socket.connectToServer(socketPath);
    if (!socket.waitForConnected(answerMs)) {
        if (const std::optional<qint64> pid = lockHolder(settingsLockPath))
            return failed(QStringLiteral("Tesselle runs with these settings (process %1, holding "
                                         "%2) but does not answer at %3")
                              .arg(*pid)
                              .arg(settingsLockPath, socketPath));
        return {0, QStringLiteral("Tesselle is not running")};
    }
    socket.write(quitRequest);
    const std::optional<QByteArray> quitting = socket.waitForBytesWritten(answerMs)
                                                   ? readLine(socket, QDeadlineTimer(answerMs))
                                                   : std::nullopt;
    bool isNumber = false;
    const pid_t pid =
        quitting ? pid_t(quitting->mid(qsizetype(sizeof quittingAnswer) - 1).toInt(&isNumber)) : 0;
    if (!quitting || !quitting->startsWith(quittingAnswer) || !isNumber)
        return failed("Tesselle does not answer at " + socketPath);

    const QDeadlineTimer deadline(patience);
    const std::optional<QByteArray> ended = readLine(socket, deadline);
    const QString notEnded =
        QStringLiteral("Tesselle did not end within %1 seconds")
            .arg(std::chrono::duration_cast<std::chrono::seconds>(patience).count());
    if (!ended) {
        // The connection ends with the process, whether it said how or not.
        if (socket.state() == QLocalSocket::ConnectedState || !waitForEnd(pid, deadline))
            return failed(notEnded);
        return failed(QStringLiteral("Tesselle ended without saying whether its shortcuts left "
                                     "espanso's list"));
    }
    if (!waitForEnd(pid, deadline))
        return failed(notEnded);
    const QByteArray outcome = ended->mid(qsizetype(sizeof endedAnswer) - 1);
    const qsizetype space = outcome.indexOf(' ');
    const int code = (space < 0 ? outcome : outcome.left(space)).toInt(&isNumber);
    if (!ended->startsWith(endedAnswer) || !isNumber)
        return failed(QStringLiteral("Tesselle ended without saying whether its shortcuts left "
                                     "espanso's list"));
    if (code == 0)
        return {};
    if (space < 0)
        return failed(QStringLiteral("Tesselle ended with exit code %1: its shortcuts may still "
                                     "be in espanso's list")
                          .arg(code));
    return failed("Tesselle quit, but its shortcuts may still be in espanso's list: " +
                  QString::fromUtf8(outcome.mid(space + 1)));
}
