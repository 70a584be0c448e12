#pragma once

#include "platform/TextReplacementService.h"
#include "platform/linux/EspansoConfigFolder.h"
#include "settings/StoredSetting.h"

#include <QByteArray>
#include <QHash>
#include <QMutex>
#include <QString>

class LineOutput;

// The text-replacement list as one espanso match file that only this program
// writes. Every write replaces the whole file at once, so the espanso daemon,
// which reloads on every change in its folder, never reads half a file.
// Whatever else is found under the file's name (another layout, a link, a
// folder, another user's file, a damaged text) is not the list: it reads as
// empty and is renamed aside, exactly as it is, before the first write, which
// `output` is told. Completions run on the calling thread before the call returns.
class EspansoReplacementService : public TextReplacementService {
public:
    enum ErrorCode { ReadFailed = 1, WriteFailed = 2, NoSuchEntry = 3 };

    // Asks where espanso keeps its configuration; never throws.
    using Locate = std::function<QCoro::Task<EspansoConfigFolder>()>;

    // The list at a fixed place.
    EspansoReplacementService(QString matchFile, LineOutput& output);
    // The list in espanso's default folder until open() asks espanso where its
    // folder is and moves there for the run. The folder is remembered in the
    // settings; when espanso's folder moved since, the program's own list is
    // taken out of the old one (nothing else there is touched). A remembered
    // folder that may not be used (see EspansoConfigFolder::whyUnusable())
    // counts as the default one, which `output` is told.
    EspansoReplacementService(Locate locate, DefaultsStore& defaults, LineOutput& output);

    // $XDG_CONFIG_HOME/espanso/match/tesselle.yml
    static QString defaultMatchFile();

    QCoro::Task<> open() override;
    // Thread-safe.
    QString matchFile() const;
    QString matchFolder() const;

    void addEntries(const QList<TextReplacementEntry>& add,
                    const QList<TextReplacementEntry>& remove, Completion completion) override;
    void modifyEntry(const TextReplacementEntry& original, const TextReplacementEntry& replacement,
                     Completion completion) override;
    QString errorString(int code) const override;
    QList<TextReplacementEntry> currentEntries() const override;
    QString displacement() const override;

private:
    using Result = std::optional<TextReplacementError>;

    Result addAndRemove(const QList<TextReplacementEntry>& add,
                        const QList<TextReplacementEntry>& remove);
    Result modifyFirst(const TextReplacementEntry& original,
                       const TextReplacementEntry& replacement);
    Result replaceContent(const QList<TextReplacementEntry>& entries, QByteArray bytes);
    Result failure(ErrorCode code, const QString& reason);
    bool load(QString* reason) const;
    bool putAsideWhatIsNotTheList(QString* reason);
    // The folder of the run that last opened the list, if any.
    QString lastFolder() const;
    void removeOwnListFrom(const QString& folder);

    // What is at the path as last read or written. The client reads before
    // every change; an unchanged file is not parsed again.
    struct Snapshot {
        enum class Kind { none, own, foreign, damaged };
        Kind kind = Kind::none;
        QByteArray identity;
        QByteArray bytes;
        // Only the program's own file holds entries.
        QList<TextReplacementEntry> entries;
        bool isExtensible = false;
        // What a foreign thing is, as the output tells it.
        QString what;
    };

    // Set once by open(), before the registry uses the list; read under m_mutex.
    QString m_path;
    LineOutput& m_output;
    Locate m_locate;
    std::optional<StoredSetting<QString>> m_lastFolder;
    mutable QMutex m_mutex;
    mutable Snapshot m_file;
    mutable bool m_isFirstLoad = true;
    // The program's own list was at the path since open().
    mutable bool m_hasHadTheList = false;
    // A completion carries only a code; the system's reason of the latest
    // failure of each kind is kept for its text.
    QHash<int, QString> m_reasons;
};
