#pragma once

#include <QByteArray>
#include <QObject>
#include <QSet>
#include <QTimer>
#include <chrono>
#include <functional>

class QSocketNotifier;

// Tells when the user's espanso match files change, so that their triggers are
// read again: the match folder and every folder below it are watched
// (inotify), and the folder above it for the match folder's coming and going.
// Only match files (.yml, .yaml) and folders count; the program's own list and
// its temporary files do not. A burst of changes (an editor's save, a package
// installed) is told once, when the files have been quiet for a while.
// Files imported from outside the match folder are not watched.
class EspansoMatchFolderWatch : public QObject {
    Q_OBJECT
public:
    // matchFolder: asked again at every watch(), as the folder settles where
    // espanso is only once the program's list is opened.
    explicit EspansoMatchFolderWatch(std::function<QString()> matchFolder,
                                     std::chrono::milliseconds quiet = std::chrono::seconds(1),
                                     QObject* parent = nullptr);
    ~EspansoMatchFolderWatch() override;

    // Watches the folders as they are now, in place of any watched before:
    // call it after every reading of the files, which sees new folders too.
    void watch();

signals:
    void changed();

private:
    // Returns the folder's watch descriptor, or -1.
    int watchTree(const QByteArray& folder);
    void readEvents();

    const std::function<QString()> m_matchFolder;
    int m_inotify = -1;
    QSocketNotifier* m_notifier = nullptr;
    QTimer m_quiet;
    // Watch descriptors: of the folder above the match folder, of the match
    // folder, and of every folder of the tree.
    int m_aboveWatch = -1;
    int m_rootWatch = -1;
    QByteArray m_rootName;
    QSet<int> m_folders;
};
