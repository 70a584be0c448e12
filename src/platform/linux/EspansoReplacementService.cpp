#include "platform/linux/EspansoReplacementService.h"

#include "platform/LineOutput.h"
#include "platform/MessageError.h"
#include "platform/linux/EspansoMatchFormat.h"
#include "platform/linux/MatchFileAccess.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

namespace {
constexpr auto lastFolderKey = "espansoFolder";
} // namespace

EspansoReplacementService::EspansoReplacementService(QString matchFile, LineOutput& output)
    : m_path(std::move(matchFile)), m_output(output) {}

EspansoReplacementService::EspansoReplacementService(Locate locate, DefaultsStore& defaults,
                                                     LineOutput& output)
    : m_path(defaultMatchFile()), m_output(output), m_locate(std::move(locate)) {
    m_lastFolder.emplace(defaults, lastFolderKey, QString());
}

QCoro::Task<> EspansoReplacementService::open() {
    if (!m_locate)
        co_return;
    const EspansoConfigFolder folder = co_await m_locate();
    if (!folder.reason.isEmpty())
        m_output.writeLine(folder.reason);
    {
        QMutexLocker lock(&m_mutex);
        m_path = folder.ownMatchFile();
        m_file = {};
        m_isFirstLoad = true;
        m_hasHadTheList = false;
    }
    const QString last = lastFolder();
    if (!last.isEmpty() && last != QDir::cleanPath(folder.path))
        removeOwnListFrom(last);
    m_lastFolder->write(folder.path);
}

QString EspansoReplacementService::matchFile() const {
    QMutexLocker lock(&m_mutex);
    return m_path;
}

QString EspansoReplacementService::matchFolder() const {
    return QFileInfo(matchFile()).absolutePath();
}

// A value that is not a folder to look into, such as a relative path, which
// would lead into the working folder, stands for the default folder.
QString EspansoReplacementService::lastFolder() const {
    const QString last = m_lastFolder->read();
    if (last.isEmpty())
        return {};
    const QString why = EspansoConfigFolder::whyUnusable(last);
    if (why.isEmpty())
        return QDir::cleanPath(last);
    const QString fallback = EspansoConfigFolder::defaultPath();
    m_output.writeLine("Ignored the espanso folder of an earlier run, \"" + last + "\", " + why +
                       ": using " + fallback);
    return QDir::cleanPath(fallback);
}

// Only a file in the program's own layout: whatever else is there stays.
void EspansoReplacementService::removeOwnListFrom(const QString& folder) {
    const QString path = EspansoConfigFolder{folder, {}, {}}.ownMatchFile();
    MatchFileAccess::Found found;
    QString reason;
    if (!MatchFileAccess::read(path, &found, &reason) ||
        found.kind != MatchFileAccess::Found::Kind::file ||
        EspansoMatchFormat::read(found.bytes).kind != EspansoMatchFormat::Content::Kind::own)
        return;
    if (QFile::remove(path))
        m_output.writeLine("Took Tesselle's list out of " + path +
                           ", as espanso's configuration is now in " +
                           QFileInfo(matchFolder()).absolutePath());
}

QString EspansoReplacementService::defaultMatchFile() {
    return EspansoConfigFolder{EspansoConfigFolder::defaultPath(), {}, {}}.ownMatchFile();
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

QString EspansoReplacementService::displacement() const {
    QMutexLocker lock(&m_mutex);
    QString reason;
    if (!m_hasHadTheList || !load(&reason) || m_file.kind == Snapshot::Kind::none ||
        m_file.kind == Snapshot::Kind::own)
        return {};
    const QString what =
        m_file.kind == Snapshot::Kind::damaged ? QStringLiteral("a damaged file") : m_file.what;
    return what + " took the place of the espanso match file " + m_path;
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
    if (!putAsideWhatIsNotTheList(&reason) || !MatchFileAccess::replace(m_path, bytes, &reason))
        return failure(WriteFailed, reason);
    const bool isExtensible = !entries.isEmpty();
    m_file = {Snapshot::Kind::own, {}, std::move(bytes), entries, isExtensible, {}};
    m_hasHadTheList = true;
    return std::nullopt;
}

EspansoReplacementService::Result EspansoReplacementService::failure(ErrorCode code,
                                                                     const QString& reason) {
    m_reasons.insert(code, reason);
    return TextReplacementError{code, {}, {}};
}

// Parses the file again only when something else is at the path since the
// last read or write.
bool EspansoReplacementService::load(QString* reason) const {
    if (m_isFirstLoad) {
        m_isFirstLoad = false;
        MatchFileAccess::removeLeftovers(m_path);
    }
    MatchFileAccess::Found found;
    if (!MatchFileAccess::read(m_path, &found, reason))
        return false;
    using Kind = Snapshot::Kind;
    switch (found.kind) {
    case MatchFileAccess::Found::Kind::none:
        m_file = {};
        return true;
    case MatchFileAccess::Found::Kind::other:
        if (m_file.kind != Kind::foreign || m_file.identity != found.identity)
            m_file = {Kind::foreign, found.identity, {}, {}, false, found.what};
        return true;
    case MatchFileAccess::Found::Kind::file:
        if (m_file.kind != Kind::none && m_file.identity.isEmpty() && found.bytes == m_file.bytes)
            return true;
        break;
    }
    EspansoMatchFormat::Content content = EspansoMatchFormat::read(found.bytes);
    const Kind kind = content.kind == EspansoMatchFormat::Content::Kind::own       ? Kind::own
                      : content.kind == EspansoMatchFormat::Content::Kind::damaged ? Kind::damaged
                                                                                   : Kind::foreign;
    m_file = {kind,
              {},
              std::move(found.bytes),
              std::move(content.entries),
              content.isExtensible,
              QStringLiteral("a file Tesselle did not write")};
    m_hasHadTheList = m_hasHadTheList || kind == Kind::own;
    return true;
}

// Renamed, never copied or followed: a link stays a link, and the user's file
// stays byte for byte what it was, under a name espanso does not load.
bool EspansoReplacementService::putAsideWhatIsNotTheList(QString* reason) {
    using Kind = Snapshot::Kind;
    if (m_file.kind != Kind::foreign && m_file.kind != Kind::damaged)
        return true;
    const bool isDamaged = m_file.kind == Kind::damaged;
    const std::optional<QString> aside = MatchFileAccess::putAside(
        m_path, isDamaged ? QStringLiteral("broken") : QStringLiteral("kept"), reason);
    if (!aside) {
        *reason = "could not put aside what is in its place: " + *reason;
        return false;
    }
    m_output.writeLine(isDamaged ? "Kept the damaged espanso file " + m_path + " aside as " + *aside
                                 : "Kept " + m_file.what + " found at " + m_path + " aside as " +
                                       *aside + ": Tesselle writes its own list there");
    m_file = {};
    return true;
}
