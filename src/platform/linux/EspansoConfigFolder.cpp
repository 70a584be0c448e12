#include "platform/linux/EspansoConfigFolder.h"

#include "platform/linux/BoundedProcess.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString notOneFolder = QStringLiteral("which is not one absolute folder");
const QString notEncodable = QStringLiteral("which is not valid in the file system's encoding");

enum class Owner { none, user, other };

// Of a folder: whether it is there and whose it is. For root, who owns the
// system's folders, a folder is its own only inside its home folder.
Owner ownerOfFolder(const QString& path, bool* isFolder) {
    struct stat info {};
    *isFolder = false;
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return Owner::none;
    *isFolder = S_ISDIR(info.st_mode);
    const uid_t user = ::geteuid();
    const QString home = QDir::cleanPath(QDir::homePath());
    const bool isInHome = path == home || path.startsWith(home == "/" ? home : home + '/');
    return info.st_uid == user && (user != 0 || isInHome) ? Owner::user : Owner::other;
}

} // namespace

QString EspansoConfigFolder::whyUnusable(const QString& path) {
    if (!QDir::isAbsolutePath(path))
        return notOneFolder;
    if (QFile::decodeName(QFile::encodeName(path)) != path)
        return notEncodable;
    const QString clean = QDir::cleanPath(path);
    if (clean == "/")
        return QStringLiteral("which is the root folder");
    bool isFolder = false;
    switch (ownerOfFolder(clean, &isFolder)) {
    case Owner::user:
        return isFolder ? QString() : QStringLiteral("which is not a folder");
    case Owner::other:
        return isFolder ? QStringLiteral("which is not a folder of yours")
                        : QStringLiteral("which is not a folder");
    case Owner::none:
        break;
    }
    // Absent: espanso would make it, in a folder of the user's.
    const Owner parentOwner = ownerOfFolder(QFileInfo(clean).path(), &isFolder);
    if (!isFolder)
        return QStringLiteral("which does not exist, nor does its parent folder");
    if (parentOwner != Owner::user)
        return QStringLiteral("which does not exist, in a folder that is not yours");
    return {};
}

QCoro::Task<EspansoConfigFolder> EspansoConfigFolder::locate(std::chrono::milliseconds bound) {
    EspansoConfigFolder folder{defaultPath(), Source::DefaultWithoutEspanso, {}};
    const QString espanso = QStandardPaths::findExecutable(QStringLiteral("espanso"));
    if (espanso.isEmpty())
        co_return folder;
    const BoundedProcess::Result result = co_await BoundedProcess::run(espanso,
                                                                       QStringList() << "path"
                                                                                     << "config",
                                                                       bound);
    QString failure = result.failure();
    if (result.succeeded()) {
        // Bytes, not text: a path that the file system's encoding cannot
        // hold would name another folder once decoded.
        const QByteArray printed = result.standardOutput.trimmed();
        const QString path = QFile::decodeName(printed);
        const QString why = printed.contains('\n')               ? notOneFolder
                            : QFile::encodeName(path) != printed ? notEncodable
                                                                 : whyUnusable(path);
        if (why.isEmpty())
            co_return EspansoConfigFolder{QDir::cleanPath(path), Source::Espanso, {}};
        const QString command = '`' + result.command + '`';
        failure = printed.isEmpty()
                      ? command + " printed no folder"
                      : command + " printed \"" + BoundedProcess::quoted(printed) + "\", " + why;
    }
    folder.source = Source::DefaultAfterFailure;
    folder.reason = failure + ": using " + folder.path;
    co_return folder;
}

QString EspansoConfigFolder::defaultPath() {
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (config.isEmpty() || QDir::isRelativePath(config))
        config = QDir::homePath() + "/.config";
    return config + "/espanso";
}
