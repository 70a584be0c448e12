#include "platform/linux/EspansoMatchFolderWatch.h"

#include "platform/linux/EspansoConfigFolder.h"

#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>
#include <dirent.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr uint32_t treeEvents = IN_CREATE | IN_DELETE | IN_MODIFY | IN_CLOSE_WRITE | IN_MOVED_FROM |
                                IN_MOVED_TO | IN_DELETE_SELF | IN_MOVE_SELF | IN_ONLYDIR;
constexpr uint32_t aboveEvents = IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO | IN_ONLYDIR;

bool isMatchFileName(const QByteArray& name) {
    return name.endsWith(".yml") || name.endsWith(".yaml");
}

} // namespace

EspansoMatchFolderWatch::EspansoMatchFolderWatch(std::function<QString()> matchFolder,
                                                 std::chrono::milliseconds quiet, QObject* parent)
    : QObject(parent), m_matchFolder(std::move(matchFolder)),
      m_inotify(::inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {
    m_quiet.setSingleShot(true);
    m_quiet.setInterval(quiet);
    connect(&m_quiet, &QTimer::timeout, this, &EspansoMatchFolderWatch::changed);
    // Without inotify (no descriptors left) nothing is told: the files are
    // still read at each launch and repair.
    if (m_inotify < 0)
        return;
    m_notifier = new QSocketNotifier(m_inotify, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &EspansoMatchFolderWatch::readEvents);
}

EspansoMatchFolderWatch::~EspansoMatchFolderWatch() {
    if (m_inotify >= 0)
        ::close(m_inotify);
}

void EspansoMatchFolderWatch::watch() {
    if (m_inotify < 0)
        return;
    if (m_aboveWatch >= 0)
        ::inotify_rm_watch(m_inotify, m_aboveWatch);
    for (const int folder : std::as_const(m_folders))
        ::inotify_rm_watch(m_inotify, folder);
    m_folders.clear();
    const QFileInfo root(m_matchFolder());
    m_rootName = QFile::encodeName(root.fileName());
    m_aboveWatch =
        ::inotify_add_watch(m_inotify, QFile::encodeName(root.path()).constData(), aboveEvents);
    m_rootWatch = watchTree(QFile::encodeName(root.filePath()));
}

// Links are followed, as espanso does; a folder reached twice is watched once.
int EspansoMatchFolderWatch::watchTree(const QByteArray& folder) {
    const int watch = ::inotify_add_watch(m_inotify, folder.constData(), treeEvents);
    if (watch < 0 || m_folders.contains(watch))
        return watch;
    m_folders.insert(watch);
    DIR* listing = ::opendir(folder.constData());
    if (!listing)
        return watch;
    QList<QByteArray> folders;
    while (const dirent* entry = ::readdir(listing)) {
        const QByteArray name = entry->d_name;
        struct stat info {};
        const QByteArray path = folder + '/' + name;
        if (name != "." && name != ".." && ::stat(path.constData(), &info) == 0 &&
            S_ISDIR(info.st_mode))
            folders << path;
    }
    ::closedir(listing);
    for (const QByteArray& path : std::as_const(folders))
        watchTree(path);
    return watch;
}

void EspansoMatchFolderWatch::readEvents() {
    alignas(inotify_event) char buffer[16384];
    bool counts = false;
    for (;;) {
        const ssize_t size = ::read(m_inotify, buffer, sizeof buffer);
        if (size <= 0)
            break;
        for (ssize_t at = 0; at < size;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
            at += ssize_t(sizeof(inotify_event) + event->len);
            const QByteArray name(event->len > 0 ? event->name : "");
            if (event->mask & IN_Q_OVERFLOW)
                counts = true;
            else if (event->mask & IN_IGNORED)
                continue;
            else if (event->wd == m_aboveWatch)
                counts = counts || name == m_rootName;
            else if (event->mask & (IN_ISDIR | IN_DELETE_SELF | IN_MOVE_SELF))
                counts = true;
            else
                counts =
                    counts ||
                    (isMatchFileName(name) &&
                     !(event->wd == m_rootWatch && name == EspansoConfigFolder::ownMatchFileName));
        }
    }
    if (counts)
        m_quiet.start();
}
