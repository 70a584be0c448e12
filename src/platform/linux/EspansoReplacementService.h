#pragma once

#include "platform/TextReplacementService.h"

#include <QByteArray>
#include <QHash>
#include <QMutex>
#include <QString>

// The text-replacement list as one espanso match file that only this program
// writes. Every write replaces the whole file at once, so the espanso daemon,
// which reloads on every change in its folder, never reads half a file.
// Completions run on the calling thread before the call returns.
class EspansoReplacementService : public TextReplacementService {
public:
    enum ErrorCode { ReadFailed = 1, WriteFailed = 2, NoSuchEntry = 3 };

    explicit EspansoReplacementService(QString matchFile);

    // $XDG_CONFIG_HOME/espanso/match/tesselle.yml
    static QString defaultMatchFile();

    void addEntries(const QList<TextReplacementEntry>& add,
                    const QList<TextReplacementEntry>& remove, Completion completion) override;
    void modifyEntry(const TextReplacementEntry& original, const TextReplacementEntry& replacement,
                     Completion completion) override;
    QString errorString(int code) const override;
    QList<TextReplacementEntry> currentEntries() const override;

private:
    using Result = std::optional<TextReplacementError>;

    Result addAndRemove(const QList<TextReplacementEntry>& add,
                        const QList<TextReplacementEntry>& remove);
    Result modifyFirst(const TextReplacementEntry& original,
                       const TextReplacementEntry& replacement);
    Result replaceContent(const QList<TextReplacementEntry>& entries, QByteArray bytes);
    Result failure(ErrorCode code, const QString& reason);
    bool load(QString* reason) const;
    bool keepDamagedFileAside(QString* reason);

    // The file as last read or written, and what it holds. The client reads
    // before every change; unchanged bytes are not parsed again.
    struct Snapshot {
        bool exists = false;
        QByteArray bytes;
        QList<TextReplacementEntry> entries;
        bool isDamaged = false;
        bool isExtensible = false;
        bool isKeptAside = false;
    };

    const QString m_path;
    mutable QMutex m_mutex;
    mutable Snapshot m_file;
    // A completion carries only a code; the system's reason of the latest
    // failure of each kind is kept for its text.
    QHash<int, QString> m_reasons;
};
