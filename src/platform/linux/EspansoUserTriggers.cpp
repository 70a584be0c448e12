#include "platform/linux/EspansoUserTriggers.h"

#include "platform/LineOutput.h"
#include "platform/linux/EspansoConfigFolder.h"
#include "platform/linux/FreedMemory.h"

#include <QFile>
#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <linux/magic.h>
#include <set>
#include <string>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <system_error>
#include <unistd.h>
#include <utility>
#include <vector>
#include <yaml-cpp/yaml.h>

namespace {

QString systemReason(int error) {
    return QString::fromStdString(std::system_category().message(error));
}

QString tooLarge() {
    return QStringLiteral("larger than %1 MiB").arg(EspansoUserTriggers::maxFileSize >> 20);
}

bool isMatchFileName(const std::string& name) {
    return name.ends_with(".yml") || name.ends_with(".yaml");
}

// The kernel's own files (/proc, /sys) say they are regular, but have no
// size and may read on without end.
bool isKernelFile(int fd) {
    struct statfs system {};
    return ::fstatfs(fd, &system) == 0 &&
           (system.f_type == PROC_SUPER_MAGIC || system.f_type == SYSFS_MAGIC);
}

bool readAll(int fd, size_t sizeHint, std::string* bytes, QString* reason) {
    // Up to one byte over the bound, which shows a file that grew past it.
    constexpr size_t limit = EspansoUserTriggers::maxFileSize + 1;
    bytes->assign(std::min(sizeHint + 1, limit), '\0');
    size_t filled = 0;
    for (;;) {
        if (filled == bytes->size()) {
            if (filled == limit)
                break;
            bytes->resize(std::min(filled * 2, limit));
        }
        const ssize_t count = ::read(fd, bytes->data() + filled, bytes->size() - filled);
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0) {
            *reason = systemReason(errno);
            return false;
        }
        if (count == 0)
            break;
        filled += size_t(count);
    }
    if (filled > EspansoUserTriggers::maxFileSize) {
        *reason = tooLarge();
        return false;
    }
    bytes->resize(filled);
    return true;
}

// Non-blocking, so that a pipe swapped in after the type check cannot stall
// the open or the reads.
bool readFile(const std::string& path, std::string* bytes, QString* reason) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        *reason = systemReason(errno);
        return false;
    }
    struct stat info {};
    bool isRead = false;
    if (::fstat(fd, &info) != 0)
        *reason = systemReason(errno);
    else if (!S_ISREG(info.st_mode) || isKernelFile(fd))
        *reason = QStringLiteral("not a regular file");
    else if (info.st_size > off_t(EspansoUserTriggers::maxFileSize))
        *reason = tooLarge();
    else
        isRead = readAll(fd, size_t(info.st_size), bytes, reason);
    ::close(fd);
    return isRead;
}

void appendText(const YAML::Node& node, std::vector<std::string>& texts) {
    if (node.IsScalar() && !node.Scalar().empty())
        texts.push_back(node.Scalar());
}

void appendTexts(const YAML::Node& node, std::vector<std::string>& texts) {
    if (node && node.IsSequence()) {
        for (const YAML::Node& item : node)
            appendText(item, texts);
    }
}

// What one match file holds for this reader.
struct MatchFile {
    std::vector<std::string> triggers;
    // As written: relative to the file's folder, or absolute.
    std::vector<std::string> imports;
};

// False with the reason when the text cannot be used as a match file.
bool readMatchFile(const std::string& text, MatchFile* file, QString* reason) {
    try {
        const YAML::Node document = YAML::Load(text);
        if (document.IsNull())
            return true;
        if (!document.IsMap()) {
            *reason = QStringLiteral("its top level is not a map");
            return false;
        }
        appendTexts(document["imports"], file->imports);
        const YAML::Node matches = document["matches"];
        if (!matches || matches.IsNull())
            return true;
        if (!matches.IsSequence()) {
            *reason = QStringLiteral("its `matches` is not a list");
            return false;
        }
        for (const YAML::Node& match : matches) {
            if (!match.IsMap())
                continue;
            if (const YAML::Node trigger = match["trigger"])
                appendText(trigger, file->triggers);
            appendTexts(match["triggers"], file->triggers);
        }
        return true;
    } catch (const YAML::Exception& error) {
        *reason = QStringLiteral("not valid YAML (%1, line %2)")
                      .arg(QString::fromStdString(error.msg))
                      .arg(error.mark.line + 1);
    } catch (const std::exception& error) {
        *reason = QString::fromUtf8(error.what());
    }
    return false;
}

// One reading of the match folder. Folders are read in name order, each once
// even when links lead to it again, so that a link loop ends. A file imported
// by another is read right after it, wherever it is and whatever its name;
// every file is read once.
class Walk {
public:
    Walk(const QString& root, LineOutput& output)
        : m_root(normal(QFile::encodeName(root).toStdString())), m_output(output) {}

    QList<UserTrigger> run() {
        struct stat info {};
        if (::stat(m_root.c_str(), &info) != 0) {
            if (errno != ENOENT)
                skipFolder({}, systemReason(errno));
            return {};
        }
        if (!S_ISDIR(info.st_mode)) {
            skipFolder({}, QStringLiteral("not a folder"));
            return {};
        }
        folder({}, info);
        return std::move(m_triggers);
    }

private:
    using Identity = std::pair<dev_t, ino_t>;

    static std::string normal(const std::string& path) {
        std::string normalPath = std::filesystem::path(path).lexically_normal().string();
        if (normalPath.size() > 1 && normalPath.ends_with('/'))
            normalPath.pop_back();
        return normalPath;
    }
    static std::string joined(const std::string& folder, const std::string& name) {
        return folder.empty() ? name : folder + '/' + name;
    }
    std::string path(const std::string& relative) const { return joined(m_root, relative); }
    // Relative to the match folder when inside it, else the absolute path.
    std::string shown(const std::string& path) const {
        return path.starts_with(m_root + '/') ? path.substr(m_root.size() + 1) : path;
    }

    void folder(const std::string& relative, const struct stat& info) {
        if (!m_folders.insert({info.st_dev, info.st_ino}).second) {
            skipFolder(relative, QStringLiteral("it leads to a folder read already"));
            return;
        }
        DIR* listing = ::opendir(path(relative).c_str());
        if (!listing) {
            skipFolder(relative, systemReason(errno));
            return;
        }
        std::vector<std::string> names;
        while (const dirent* entry = ::readdir(listing)) {
            const std::string name = entry->d_name;
            if (name != "." && name != "..")
                names.push_back(name);
        }
        ::closedir(listing);
        std::sort(names.begin(), names.end());
        for (const std::string& name : names)
            entry(joined(relative, name), name);
    }

    void entry(const std::string& relative, const std::string& name) {
        const bool isCandidate = isMatchFileName(name) && !name.starts_with('_');
        struct stat info {};
        if (::stat(path(relative).c_str(), &info) != 0) {
            if (isCandidate)
                skipFile(relative, systemReason(errno));
            return;
        }
        if (S_ISDIR(info.st_mode)) {
            if (isCandidate)
                skipFile(relative, QStringLiteral("it is a folder"));
            folder(relative, info);
        } else if (isCandidate) {
            file(path(relative), info);
        }
    }

    void imported(const std::string& importer, const std::string& import) {
        const std::string target =
            normal(import.starts_with('/')
                       ? import
                       : std::filesystem::path(importer).parent_path().string() + '/' + import);
        struct stat info {};
        if (::stat(target.c_str(), &info) != 0)
            skipFile(shown(target), systemReason(errno));
        else
            file(target, info);
    }

    void file(const std::string& path, const struct stat& info) {
        const std::string name = shown(path);
        if (name == EspansoConfigFolder::ownMatchFileName ||
            !m_files.insert({info.st_dev, info.st_ino}).second)
            return;
        if (!S_ISREG(info.st_mode)) {
            skipFile(name, S_ISDIR(info.st_mode) ? QStringLiteral("it is a folder")
                                                 : QStringLiteral("not a regular file"));
            return;
        }
        std::string text;
        MatchFile content;
        QString reason;
        if (!readFile(path, &text, &reason) || !readMatchFile(text, &content, &reason)) {
            skipFile(name, reason);
            return;
        }
        const QString file = QFile::decodeName(name.c_str());
        for (const std::string& trigger : content.triggers)
            m_triggers.append({QString::fromStdString(trigger), file});
        for (const std::string& import : content.imports)
            imported(path, import);
    }

    void skipFile(const std::string& shownPath, const QString& reason) {
        m_output.writeLine("Skipped espanso match file \"" + QFile::decodeName(shownPath.c_str()) +
                           "\": " + reason);
    }
    void skipFolder(const std::string& relative, const QString& reason) {
        const std::string shownPath = relative.empty() ? m_root : relative;
        m_output.writeLine("Skipped espanso match folder \"" +
                           QFile::decodeName(shownPath.c_str()) + "\": " + reason);
    }

    const std::string m_root;
    LineOutput& m_output;
    std::set<Identity> m_folders;
    std::set<Identity> m_files;
    QList<UserTrigger> m_triggers;
};

} // namespace

EspansoUserTriggers::EspansoUserTriggers(QString matchFolder, LineOutput& output)
    : m_matchFolder([folder = std::move(matchFolder)] { return folder; }), m_output(output) {}

EspansoUserTriggers::EspansoUserTriggers(std::function<QString()> matchFolder, LineOutput& output)
    : m_matchFolder(std::move(matchFolder)), m_output(output) {}

QList<UserTrigger> EspansoUserTriggers::userTriggers() const {
    QList<UserTrigger> triggers = Walk(m_matchFolder(), m_output).run();
    // A parsed file takes some thirty times its size while it is read; the
    // allocator would keep that for the rest of the run.
    returnFreedMemory();
    return triggers;
}
