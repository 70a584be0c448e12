#include "shortcuts/ShortcutRegistry.h"

#include "async/BackgroundTasks.h"
#include "async/CancelledError.h"
#include "platform/LineOutput.h"
#include "platform/MessageError.h"
#include "settings/SettingsKeys.h"
#include "shortcuts/UserShortcuts.h"

#include <QDateTime>

namespace {

// Changes that touch a text the previous change touched wait until it is this old,
// so that the list has settled before the same entry is written again.
constexpr std::chrono::duration<double> coolDown = std::chrono::seconds(2);

QStringList textsOf(const QList<Shortcut>& shortcuts) {
    QStringList texts;
    for (const Shortcut& shortcut : shortcuts)
        texts << shortcut.text;
    return texts;
}

QList<Replacement> replacementsOf(const QList<Shortcut>& shortcuts) {
    QList<Replacement> pairs;
    for (const Shortcut& shortcut : shortcuts)
        pairs << Replacement::from(shortcut);
    return pairs;
}

// A free name beside the key, such as "shortcuts-unreadable-20261207T101500Z".
QString asideKey(const DefaultsStore& defaults) {
    const QString stem = QString(SettingsKeys::shortcuts) + "-unreadable-" +
                         QDateTime::currentDateTimeUtc().toString("yyyyMMdd'T'HHmmss'Z'");
    QString key = stem;
    for (int attempt = 2; defaults.value(key).isValid(); ++attempt)
        key = stem + '-' + QString::number(attempt);
    return key;
}

} // namespace

ShortcutRegistry::ShortcutRegistry(DefaultsStore& defaults, TextReplacementClient& client,
                                   Clock& clock, BackgroundTasks& background, LineOutput& output,
                                   std::chrono::milliseconds repairDelay)
    : m_client(client), m_clock(clock), m_background(background), m_output(output),
      m_repairDelay(repairDelay), m_setting(defaults, SettingsKeys::shortcuts, Map()) {
    load(defaults, output);
}

// What cannot be read is kept under another key, and the record stored again
// without it, so that no later write loses it and the next start does not keep
// it once more.
void ShortcutRegistry::load(DefaultsStore& defaults, LineOutput& output) {
    const QVariant stored = defaults.value(m_setting.key());
    ShortcutRecord::Loaded loaded = ShortcutRecord::read(stored);
    m_map = std::move(loaded.map);
    for (const QString& problem : std::as_const(loaded.problems))
        output.writeLine(problem);
    if (!loaded.isPartial)
        return;
    const QString key = asideKey(defaults);
    defaults.setValue(key, stored);
    output.writeLine("Kept the recorded shortcuts as they were stored under \"" + key + "\"");
    store();
}

QCoro::Task<> ShortcutRegistry::registerShortcuts(QList<Shortcut> shortcuts, bool override) {
    const AsyncSemaphore::Permit permit = co_await m_registryLock.lock();
    co_await beginChange(shortcuts);
    // Recorded and stored before the list is written: a process killed in
    // between leaves recorded shortcuts that the list lacks, which the next
    // launch's restore adds, instead of list entries that nothing records.
    const Map before = map();
    const QList<Shortcut> recorded = record(shortcuts, override);
    store();
    co_await writeList(before, {}, recorded, override);
}

QCoro::Task<> ShortcutRegistry::unregisterShortcuts(QList<Shortcut> shortcuts) {
    const AsyncSemaphore::Permit permit = co_await m_registryLock.lock();
    co_await beginChange(shortcuts);
    // Forgotten before the list is written, for the same reason as above: a
    // kill leaves list entries that the next restore takes out.
    const Map before = map();
    const QList<Shortcut> forgotten = forget(shortcuts);
    store();
    co_await writeList(before, forgotten, {}, false);
}

QCoro::Task<> ShortcutRegistry::replacePreset(QList<Shortcut> shortcuts) {
    const AsyncSemaphore::Permit permit = co_await m_registryLock.lock();
    QSet<QString> texts;
    for (const Shortcut& shortcut : std::as_const(shortcuts))
        texts.insert(shortcut.text);
    QList<Shortcut> stale = allShortcuts();
    stale.removeIf([&](const Shortcut& shortcut) {
        return shortcut.isCustom || texts.contains(shortcut.text);
    });
    co_await beginChange(shortcuts + stale);
    const Map before = map();
    const QList<Shortcut> forgotten = forget(stale);
    const QList<Shortcut> recorded = record(shortcuts, true);
    store();
    co_await writeList(before, forgotten, recorded, true);
}

QCoro::Task<> ShortcutRegistry::writeList(Map before, QList<Shortcut> removed,
                                          QList<Shortcut> added, bool override) {
    std::exception_ptr failure;
    try {
        if (!removed.isEmpty())
            co_await m_client.removeReplacements(textsOf(removed), m_quit.token());
        if (!added.isEmpty())
            co_await m_client.addReplacements(replacementsOf(added), override, m_quit.token());
    } catch (...) {
        failure = std::current_exception();
    }
    if (failure) {
        co_await undo(before);
        std::rethrow_exception(failure);
    }
    scheduleRepair();
}

QCoro::Task<> ShortcutRegistry::unregisterAll() {
    const AsyncSemaphore::Permit permit = co_await m_registryLock.lock();
    const Map before = map();
    replaceMap(Map());
    store();
    std::exception_ptr failure;
    try {
        QStringList texts;
        for (const TextReplacementEntry& entry : m_client.readSystemEntries())
            texts << entry.shortcut;
        co_await m_client.removeReplacements(texts, m_quit.token());
    } catch (...) {
        failure = std::current_exception();
    }
    if (failure) {
        replaceMap(before);
        store();
        std::rethrow_exception(failure);
    }
}

QCoro::Task<> ShortcutRegistry::yieldToUserTriggers(const UserShortcuts& userShortcuts) {
    QList<Shortcut> defined;
    for (const Shortcut& shortcut : allShortcuts()) {
        if (!shortcut.isCustom && userShortcuts.fileDefining(shortcut.text))
            defined << shortcut;
    }
    if (defined.isEmpty())
        co_return;
    try {
        co_await unregisterShortcuts(defined);
        m_output.writeLine("Took " + textsOf(defined).join(", ") +
                           " out of Tesselle's list: your own espanso files define them");
    } catch (const CancelledError&) {
    } catch (const std::exception& failure) {
        reportFailure(failure);
    }
}

QCoro::Task<> ShortcutRegistry::beginChange(QList<Shortcut> shortcuts) {
    if (m_quit.isCancelled())
        throw CancelledError();
    const QStringList texts = textsOf(shortcuts);
    if (m_lastUpdate) {
        const std::chrono::duration<double> elapsed = m_clock.now() - m_lastUpdate->date;
        if (elapsed > coolDown) {
            m_lastUpdate.reset();
        } else if (m_lastUpdate->shortcuts.intersects(
                       QSet<QString>(texts.cbegin(), texts.cend()))) {
            const auto remaining = coolDown - elapsed;
            m_output.writeLine("Waiting " + QString::number(remaining.count()) + " sec");
            co_await m_clock.sleepFor(remaining);
        }
    }
    m_lastUpdate = Update{m_clock.now(), QSet<QString>(texts.cbegin(), texts.cend())};
}

QList<Shortcut> ShortcutRegistry::record(const QList<Shortcut>& shortcuts, bool override) {
    QWriteLocker lock(&m_mapLock);
    QHash<QString, Shortcut> holders;
    for (const QList<Shortcut>& list : std::as_const(m_map)) {
        for (const Shortcut& shortcut : list)
            holders.insert(shortcut.text, shortcut);
    }
    QList<Shortcut> recorded;
    for (const Shortcut& shortcut : shortcuts) {
        const auto holder = holders.constFind(shortcut.text);
        if (holder != holders.cend()) {
            // Already recorded here; or held elsewhere and not to be taken: a
            // text the user gave an emoji of their own stays theirs.
            if (holder->phrase == shortcut.phrase || !override ||
                (holder->isCustom && !shortcut.isCustom))
                continue;
            m_map[holder->phrase].removeIf(
                [&](const Shortcut& s) { return s.text == shortcut.text; });
        }
        m_map[shortcut.phrase].append(shortcut);
        holders.insert(shortcut.text, shortcut);
        recorded << shortcut;
    }
    lock.unlock();
    emit changed();
    return recorded;
}

QList<Shortcut> ShortcutRegistry::forget(const QList<Shortcut>& shortcuts) {
    QWriteLocker lock(&m_mapLock);
    QList<Shortcut> forgotten;
    for (const Shortcut& shortcut : shortcuts) {
        const auto list = m_map.find(shortcut.phrase);
        if (list != m_map.end() && list->removeAll(shortcut) > 0)
            forgotten << shortcut;
    }
    lock.unlock();
    emit changed();
    return forgotten;
}

void ShortcutRegistry::replaceMap(const Map& map) {
    QWriteLocker lock(&m_mapLock);
    m_map = map;
    lock.unlock();
    emit changed();
}

void ShortcutRegistry::store() {
    m_setting.write(map());
}

QCoro::Task<> ShortcutRegistry::undo(Map before) {
    replaceMap(before);
    store();
    // A quit empties the list itself.
    if (m_quit.isCancelled())
        co_return;
    try {
        co_await makeListFollowRecord();
    } catch (const std::exception& failure) {
        reportFailure(failure);
    }
}

QCoro::Task<> ShortcutRegistry::makeListFollowRecord() {
    QHash<QString, QString> recorded;
    for (const Shortcut& shortcut : allShortcuts())
        recorded.insert(shortcut.text, shortcut.phrase);
    QSet<QString> listed;
    QStringList stale;
    for (const TextReplacementEntry& entry : m_client.readSystemEntries()) {
        const auto phrase = recorded.constFind(entry.shortcut);
        if (phrase == recorded.cend() || *phrase != entry.phrase || listed.contains(entry.shortcut))
            stale << entry.shortcut;
        listed.insert(entry.shortcut);
    }
    if (!stale.isEmpty())
        co_await m_client.removeReplacements(stale, m_quit.token());
    for (const QString& text : std::as_const(stale))
        listed.remove(text);
    QList<Replacement> missing;
    for (const Shortcut& shortcut : allShortcuts()) {
        if (!listed.contains(shortcut.text))
            missing << Replacement::from(shortcut);
    }
    if (!missing.isEmpty())
        co_await m_client.addReplacements(std::move(missing), false, m_quit.token());
}

void ShortcutRegistry::scheduleRepair() {
    m_background.startAfter(m_repairDelay, [this] { return scheduledRepair(); });
}

QCoro::Task<> ShortcutRegistry::scheduledRepair() {
    co_await repairReplacements();
    emit scheduledRepairFinished();
}

void ShortcutRegistry::reportFailure(const std::exception& failure) {
    m_output.writeLine("Error message: " + QString::fromUtf8(failure.what()));
}

QList<Shortcut> ShortcutRegistry::shortcuts(const QString& phrase) const {
    QReadLocker lock(&m_mapLock);
    return m_map.value(phrase);
}

QList<Shortcut> ShortcutRegistry::allShortcuts() const {
    QReadLocker lock(&m_mapLock);
    QList<Shortcut> all;
    for (const QList<Shortcut>& list : m_map)
        all += list;
    return all;
}

ShortcutRegistry::Map ShortcutRegistry::map() const {
    QReadLocker lock(&m_mapLock);
    return m_map;
}

QCoro::Task<> ShortcutRegistry::restoreShortcuts() {
    try {
        const AsyncSemaphore::Permit permit = co_await m_registryLock.lock();
        co_await m_client.open();
        co_await makeListFollowRecord();
    } catch (const CancelledError&) {
    } catch (const std::exception& failure) {
        reportFailure(failure);
    }
}

QCoro::Task<> ShortcutRegistry::removeAllShortcuts() {
    m_quit.cancel();
    const AsyncSemaphore::Permit permit = co_await m_registryLock.lock();
    m_registryLock.close();
    QString reason;
    bool isCountable = true;
    try {
        QStringList texts;
        for (const TextReplacementEntry& entry : m_client.readSystemEntries())
            texts << entry.shortcut;
        co_await m_client.removeReplacements(texts);
        // Something else in the list's place reads as an empty list, while
        // what the program wrote may be in it.
        reason = m_client.displacement();
        if (reason.isEmpty())
            co_return;
        isCountable = false;
    } catch (const std::exception& failure) {
        reason = QString::fromUtf8(failure.what());
    }
    QString left = QStringLiteral("an unknown number");
    try {
        if (isCountable)
            left = QString::number(m_client.readSystemEntries().size());
    } catch (const std::exception&) {
    }
    throw MessageError("Could not take the shortcuts out of the list, " + left +
                       " are left in it: " + reason);
}

QCoro::Task<> ShortcutRegistry::repairReplacements() {
    try {
        const AsyncSemaphore::Permit permit = co_await m_registryLock.lock();
        QSet<std::pair<QString, QString>> present;
        for (const Replacement& pair : m_client.readSystemReplacements())
            present.insert({pair.shortcut, pair.phrase});
        QList<Replacement> missing;
        for (const Shortcut& shortcut : allShortcuts()) {
            if (!present.contains({shortcut.text, shortcut.phrase}))
                missing.append(Replacement::from(shortcut));
        }
        if (missing.isEmpty())
            co_return;
        for (const Replacement& pair : missing)
            m_output.writeLine("Error - missing shortcut: " + pair.shortcut +
                               " for Phrase: " + pair.phrase);
        m_output.writeLine(QStringLiteral("Trying to fix replacements"));
        co_await makeListFollowRecord();
    } catch (const CancelledError&) {
    } catch (const std::exception& failure) {
        reportFailure(failure);
    }
}
