#include "platform/linux/EspansoReplacementService.h"

#include "platform/MessageError.h"

#include "platform/linux/EspansoMatchFormat.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace {

QString systemReason(int error) {
    return QString::fromStdString(std::system_category().message(error));
}

// A missing file is no file, not a failure.
bool readFile(const QString& path, bool* exists, QByteArray* bytes, QString* reason) {
    // Non-blocking, so that a pipe put in the file's place cannot stall the open.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        *exists = false;
        if (errno == ENOENT)
            return true;
        *reason = systemReason(errno);
        return false;
    }
    struct stat info {};
    const int statusError = ::fstat(fd, &info) != 0  ? errno
                            : S_ISDIR(info.st_mode)  ? EISDIR
                            : !S_ISREG(info.st_mode) ? EINVAL
                                                     : 0;
    if (statusError != 0) {
        *reason = systemReason(statusError);
        ::close(fd);
        return false;
    }
    // One byte more than the size, so that the end shows without growing.
    QByteArray content(qsizetype(info.st_size) + 1, Qt::Uninitialized);
    qsizetype filled = 0;
    for (;;) {
        if (filled == content.size())
            content.resize(content.size() * 2);
        const ssize_t count = ::read(fd, content.data() + filled, size_t(content.size() - filled));
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0) {
            *reason = systemReason(errno);
            ::close(fd);
            return false;
        }
        if (count == 0)
            break;
        filled += count;
    }
    ::close(fd);
    content.truncate(filled);
    *exists = true;
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

// Writes a temporary file beside the target and moves it into the target's place,
// so readers see the old file or the new one, never a part and never none.
// espanso loads every .yml and .yaml file of its folder except those whose names
// start with "_".
bool replaceFile(const QString& path, const QByteArray& bytes, QString* reason) {
    const QFileInfo file(path);
    std::error_code folderError;
    std::filesystem::create_directories(QFile::encodeName(file.absolutePath()).toStdString(),
                                        folderError);
    if (folderError) {
        *reason = QString::fromStdString(folderError.message());
        return false;
    }
    QByteArray temporary =
        QFile::encodeName(file.absolutePath() + "/_" + file.fileName() + ".tmp-XXXXXX");
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

} // namespace

EspansoReplacementService::EspansoReplacementService(QString matchFile)
    : m_path(std::move(matchFile)) {}

QString EspansoReplacementService::defaultMatchFile() {
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    // The XDG rules say to ignore a relative path.
    if (config.isEmpty() || QDir::isRelativePath(config))
        config = QDir::homePath() + "/.config";
    return config + "/espanso/match/tesselle.yml";
}

void EspansoReplacementService::addEntries(const QList<TextReplacementEntry>& add,
                                           const QList<TextReplacementEntry>& remove,
                                           Completion completion) {
    Result result;
    {
        QMutexLocker lock(&m_mutex);
        result = addAndRemove(add, remove);
    }
    if (completion)
        completion(std::move(result));
}

void EspansoReplacementService::modifyEntry(const TextReplacementEntry& original,
                                            const TextReplacementEntry& replacement,
                                            Completion completion) {
    Result result;
    {
        QMutexLocker lock(&m_mutex);
        result = modifyFirst(original, replacement);
    }
    if (completion)
        completion(std::move(result));
}

QString EspansoReplacementService::errorString(int code) const {
    QString text;
    switch (code) {
    case ReadFailed:
        text = QStringLiteral("Could not read the espanso match file %1").arg(m_path);
        break;
    case WriteFailed:
        text = QStringLiteral("Could not write the espanso match file %1").arg(m_path);
        break;
    case NoSuchEntry:
        return QStringLiteral("The entry to change is not in the espanso match file %1")
            .arg(m_path);
    default:
        return QStringLiteral("Unknown error %1 of the espanso match file").arg(code);
    }
    QMutexLocker lock(&m_mutex);
    const QString reason = m_reasons.value(code);
    return reason.isEmpty() ? text : text + ": " + reason;
}

QList<TextReplacementEntry> EspansoReplacementService::currentEntries() const {
    QMutexLocker lock(&m_mutex);
    QString reason;
    if (!load(&reason))
        throw MessageError(
            QStringLiteral("Could not read the espanso match file %1: %2").arg(m_path, reason));
    return m_file.entries;
}

EspansoReplacementService::Result
EspansoReplacementService::addAndRemove(const QList<TextReplacementEntry>& add,
                                        const QList<TextReplacementEntry>& remove) {
    if (add.isEmpty() && remove.isEmpty())
        return std::nullopt;
    QString reason;
    if (!load(&reason))
        return failure(ReadFailed, reason);
    QList<TextReplacementEntry> entries = m_file.entries;
    qsizetype removed = 0;
    if (!remove.isEmpty()) {
        QSet<std::pair<QString, QString>> targets;
        for (const TextReplacementEntry& entry : remove)
            targets.insert({entry.shortcut, entry.phrase});
        removed = entries.removeIf([&](const TextReplacementEntry& entry) {
            return targets.contains({entry.shortcut, entry.phrase});
        });
    }
    entries.append(add);
    if (entries == m_file.entries)
        return std::nullopt;
    // The client adds in up to 999 calls of one or two entries: extending the
    // text keeps each of those writes from encoding the whole list again.
    if (removed == 0 && m_file.isExtensible) {
        QByteArray bytes = m_file.bytes;
        EspansoMatchFormat::appendEntries(bytes, add);
        return replaceContent(entries, std::move(bytes));
    }
    return replaceContent(entries, EspansoMatchFormat::write(entries));
}

EspansoReplacementService::Result
EspansoReplacementService::modifyFirst(const TextReplacementEntry& original,
                                       const TextReplacementEntry& replacement) {
    QString reason;
    if (!load(&reason))
        return failure(ReadFailed, reason);
    const qsizetype at = m_file.entries.indexOf(original);
    if (at < 0)
        return failure(NoSuchEntry, {});
    if (original == replacement)
        return std::nullopt;
    QList<TextReplacementEntry> entries = m_file.entries;
    entries[at] = replacement;
    return replaceContent(entries, EspansoMatchFormat::write(entries));
}

EspansoReplacementService::Result
EspansoReplacementService::replaceContent(const QList<TextReplacementEntry>& entries,
                                          QByteArray bytes) {
    QString reason;
    if (m_file.isDamaged && !m_file.isKeptAside) {
        if (!keepDamagedFileAside(&reason))
            return failure(WriteFailed, reason);
        m_file.isKeptAside = true;
    }
    if (!replaceFile(m_path, bytes, &reason))
        return failure(WriteFailed, reason);
    m_file = {true, std::move(bytes), entries, false, !entries.isEmpty(), false};
    return std::nullopt;
}

EspansoReplacementService::Result EspansoReplacementService::failure(ErrorCode code,
                                                                     const QString& reason) {
    m_reasons.insert(code, reason);
    return TextReplacementError{code, {}, {}};
}

// Reads the file again only when its bytes changed since the last read or write.
bool EspansoReplacementService::load(QString* reason) const {
    bool exists = false;
    QByteArray bytes;
    if (!readFile(m_path, &exists, &bytes, reason))
        return false;
    if (exists == m_file.exists && bytes == m_file.bytes)
        return true;
    EspansoMatchFormat::Content content;
    if (exists)
        content = EspansoMatchFormat::read(bytes);
    m_file = {exists,
              std::move(bytes),
              std::move(content.entries),
              content.isDamaged,
              content.isExtensible,
              false};
    return true;
}

// A hard link under a name espanso does not load: the damaged text stays on disk
// after the new file replaces it.
bool EspansoReplacementService::keepDamagedFileAside(QString* reason) {
    const QByteArray source = QFile::encodeName(m_path);
    const QString stem =
        m_path + ".broken-" + QDateTime::currentDateTimeUtc().toString("yyyyMMdd'T'HHmmss'Z'");
    for (int attempt = 1;; ++attempt) {
        const QString name = attempt == 1 ? stem : stem + '-' + QString::number(attempt);
        if (::link(source.constData(), QFile::encodeName(name).constData()) == 0)
            return true;
        if (errno != EEXIST) {
            *reason = QStringLiteral("could not keep the damaged file aside: %1")
                          .arg(systemReason(errno));
            return false;
        }
    }
}
