#include "platform/linux/MatchFileAccess.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace MatchFileAccess {
namespace {

QString systemReason(int error) {
    return QString::fromStdString(std::system_category().message(error));
}

QByteArray identityOf(const struct stat& info) {
    return QByteArray::number(qulonglong(info.st_dev)) + ':' +
           QByteArray::number(qulonglong(info.st_ino)) + ':' +
           QByteArray::number(qlonglong(info.st_mtim.tv_sec)) + '.' +
           QByteArray::number(qlonglong(info.st_mtim.tv_nsec)) + ':' +
           QByteArray::number(qlonglong(info.st_size)) + ':' +
           QByteArray::number(uint(info.st_mode));
}

QString describe(const struct stat& info) {
    if (S_ISLNK(info.st_mode))
        return QStringLiteral("a symbolic link");
    if (S_ISDIR(info.st_mode))
        return QStringLiteral("a folder");
    if (!S_ISREG(info.st_mode))
        return QStringLiteral("not a regular file");
    return QStringLiteral("a file of another user");
}

bool readAll(int fd, qsizetype sizeHint, QByteArray* bytes, QString* reason) {
    // One byte more than the size, so that the end shows without growing.
    QByteArray content(sizeHint + 1, Qt::Uninitialized);
    qsizetype filled = 0;
    for (;;) {
        if (filled == content.size())
            content.resize(content.size() * 2);
        const ssize_t count = ::read(fd, content.data() + filled, size_t(content.size() - filled));
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0) {
            *reason = systemReason(errno);
            return false;
        }
        if (count == 0)
            break;
        filled += count;
    }
    content.truncate(filled);
    *bytes = std::move(content);
    return true;
}

bool writeAll(int fd, const QByteArray& bytes) {
    for (qsizetype written = 0; written < bytes.size();) {
        const ssize_t count =
            ::write(fd, bytes.constData() + written, size_t(bytes.size() - written));
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            return false;
        written += count;
    }
    return true;
}

// espanso loads every .yml and .yaml file of its folder except those whose
// names start with "_".
QString temporaryPattern(const QFileInfo& file) {
    return "_" + file.fileName() + ".tmp-";
}

} // namespace

bool read(const QString& path, Found* found, QString* reason) {
    const QByteArray name = QFile::encodeName(path);
    struct stat info {};
    if (::lstat(name.constData(), &info) != 0) {
        if (errno == ENOENT) {
            *found = {};
            return true;
        }
        *reason = systemReason(errno);
        return false;
    }
    if (!S_ISREG(info.st_mode) || info.st_uid != ::geteuid()) {
        *found = {Found::Kind::other, {}, describe(info), identityOf(info)};
        return true;
    }
    // No link and no pipe can have taken its place since: neither is followed
    // nor waited for.
    const int fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (fd < 0) {
        if (errno == ELOOP) {
            *found = {Found::Kind::other, {}, QStringLiteral("a symbolic link"), "link"};
            return true;
        }
        *reason = systemReason(errno);
        return false;
    }
    Found file{Found::Kind::file, {}, {}, {}};
    const bool isRead = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) &&
                        readAll(fd, qsizetype(info.st_size), &file.bytes, reason);
    if (!isRead && reason->isEmpty())
        *reason = systemReason(EINVAL);
    ::close(fd);
    if (!isRead)
        return false;
    file.identity = identityOf(info);
    *found = std::move(file);
    return true;
}

bool replace(const QString& path, const QByteArray& bytes, QString* reason) {
    const QFileInfo file(path);
    std::error_code folderError;
    std::filesystem::create_directories(QFile::encodeName(file.absolutePath()).toStdString(),
                                        folderError);
    if (folderError) {
        *reason = QString::fromStdString(folderError.message());
        return false;
    }
    QByteArray temporary =
        QFile::encodeName(file.absolutePath() + '/' + temporaryPattern(file) + "XXXXXX");
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) {
        *reason = systemReason(errno);
        return false;
    }
    const auto fail = [&](int error) {
        *reason = systemReason(error);
        ::unlink(temporary.constData());
        return false;
    };
    if (!writeAll(fd, bytes)) {
        const int error = errno;
        ::close(fd);
        return fail(error);
    }
    if (::close(fd) != 0)
        return fail(errno);
    // Swapping the two names replaces the file as atomically as rename() does, but
    // spares ext4 from writing out every version and waiting for that I/O when the
    // old one is dropped: 1 to 3 ms a write, and the client writes up to 999 times
    // in a row. The old version leaves under the temporary name.
    const QByteArray target = QFile::encodeName(path);
    if (::renameat2(AT_FDCWD, temporary.constData(), AT_FDCWD, target.constData(),
                    RENAME_EXCHANGE) == 0) {
        ::unlink(temporary.constData());
        return true;
    }
    // No file yet, or a file system that cannot swap.
    if (::rename(temporary.constData(), target.constData()) != 0)
        return fail(errno);
    return true;
}

std::optional<QString> putAside(const QString& path, const QString& label, QString* reason) {
    const QByteArray source = QFile::encodeName(path);
    const QString stem =
        path + '.' + label + '-' + QDateTime::currentDateTimeUtc().toString("yyyyMMdd'T'HHmmss'Z'");
    for (int attempt = 1;; ++attempt) {
        const QString name = attempt == 1 ? stem : stem + '-' + QString::number(attempt);
        if (::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, QFile::encodeName(name).constData(),
                        RENAME_NOREPLACE) == 0)
            return name;
        if (errno != EEXIST) {
            *reason = systemReason(errno);
            return std::nullopt;
        }
    }
}

void removeLeftovers(const QString& path) {
    const QFileInfo file(path);
    const QRegularExpression leftover('^' + QRegularExpression::escape(temporaryPattern(file)) +
                                      "[A-Za-z0-9]{6}$");
    const QDir folder = file.absoluteDir();
    for (const QString& name : folder.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (leftover.match(name).hasMatch())
            QFile::remove(folder.filePath(name));
    }
}

} // namespace MatchFileAccess
