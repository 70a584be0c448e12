#include "app/LocalListener.h"

#include <QFile>
#include <QLocalSocket>
#include <QSocketNotifier>
#include <QTimer>
#include <cerrno>
#include <cstring>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

using namespace std::chrono_literals;

namespace {

// Long enough not to spin while descriptors are short, short enough that a
// later start (which waits two seconds) is still answered.
constexpr auto retryDelay = 250ms;
constexpr int queueLength = 64;

} // namespace

LocalListener::LocalListener(QObject* parent) : QObject(parent) {}

LocalListener::~LocalListener() {
    if (m_fd < 0)
        return;
    ::close(m_fd);
    ::unlink(QFile::encodeName(m_path).constData());
}

QString LocalListener::listen(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (name.size() >= qsizetype(sizeof address.sun_path))
        return QStringLiteral("the path %1 is too long for a socket").arg(path);
    std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
        return QString::fromLocal8Bit(std::strerror(errno));
    ::unlink(name.constData());
    // Nobody can connect before listen(): the mode is set by then.
    if (::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
        ::chmod(name.constData(), S_IRUSR | S_IWUSR) != 0 || ::listen(fd, queueLength) != 0) {
        const QString error = QString::fromLocal8Bit(std::strerror(errno));
        ::close(fd);
        return error;
    }
    m_path = path;
    m_fd = fd;
    m_notifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &LocalListener::acceptWaiting);
    m_retry = new QTimer(this);
    m_retry->setSingleShot(true);
    m_retry->setInterval(retryDelay);
    connect(m_retry, &QTimer::timeout, this, &LocalListener::acceptAgain);
    return QString();
}

// These run while the process may have no descriptor left, where the
// undefined-behaviour sanitizer's type check cannot read memory (it needs a
// pipe) and reports every object it looks at: it is off for them.
__attribute__((no_sanitize("vptr"))) void LocalListener::acceptAgain() {
    m_notifier->setEnabled(true);
    acceptWaiting();
}

__attribute__((no_sanitize("vptr"))) void LocalListener::acceptWaiting() {
    for (;;) {
        const int client = ::accept4(m_fd, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (client >= 0) {
            auto* socket = new QLocalSocket(this);
            socket->setSocketDescriptor(client);
            emit connected(socket);
            continue;
        }
        if (errno == EINTR || errno == ECONNABORTED)
            continue;
        if (errno == EMFILE || errno == ENFILE || errno == ENOBUFS || errno == ENOMEM) {
            // The connection waits in the queue until a descriptor is free.
            m_notifier->setEnabled(false);
            m_retry->start();
        }
        return;
    }
}
