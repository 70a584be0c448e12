#include "shortcuts/ShortcutRegistry.h"

#include "async/BackgroundTasks.h"
#include "platform/LineOutput.h"
#include "settings/SettingsKeys.h"

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

} // namespace

ShortcutRegistry::ShortcutRegistry(DefaultsStore& defaults, TextReplacementClient& client,
                                   Clock& clock, BackgroundTasks& background, LineOutput& output,
                                   std::chrono::milliseconds repairDelay)
    : m_client(client), m_clock(clock), m_background(background), m_output(output),
      m_repairDelay(repairDelay), m_setting(defaults, SettingsKeys::shortcuts, std::nullopt),
      m_map(m_setting.read().value_or(Map())) {}

QCoro::Task<> ShortcutRegistry::registerShortcuts(QList<Shortcut> shortcuts, bool override) {
    co_await m_registryLock.wait();
    try {
        co_await beginChange(shortcuts);
        QList<Shortcut> fresh;
        QList<Replacement> pairs;
        for (const Shortcut& shortcut : shortcuts) {
            if (!isRecorded(shortcut)) {
                fresh << shortcut;
                pairs << Replacement::from(shortcut);
            }
        }
        // Recorded and stored before the list is written: a process killed in
        // between leaves recorded shortcuts that the list lacks, which the next
        // launch's restore adds, instead of list entries that nothing records
        // and no quit would ever take out.
        const Map before = map();
        record(fresh, override);
        m_setting.write(map());
        std::exception_ptr failure;
        try {
            co_await m_client.addReplacements(std::move(pairs), override);
        } catch (...) {
            failure = std::current_exception();
        }
        if (failure) {
            replaceMap(before);
            m_setting.write(before);
            std::rethrow_exception(failure);
        }
        scheduleRepair();
    } catch (...) {
        m_registryLock.signal();
        throw;
    }
    m_registryLock.signal();
}

QCoro::Task<> ShortcutRegistry::unregisterShortcuts(QList<Shortcut> shortcuts) {
    co_await m_registryLock.wait();
    try {
        co_await beginChange(shortcuts);
        QList<Shortcut> owned;
        for (const Shortcut& shortcut : shortcuts) {
            if (isRecorded(shortcut))
                owned << shortcut;
        }
        co_await m_client.removeReplacements(textsOf(owned));
        forget(owned);
        m_setting.write(map());
        scheduleRepair();
    } catch (...) {
        m_registryLock.signal();
        throw;
    }
    m_registryLock.signal();
}

QCoro::Task<> ShortcutRegistry::beginChange(QList<Shortcut> shortcuts) {
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

void ShortcutRegistry::record(const QList<Shortcut>& fresh, bool override) {
    QWriteLocker lock(&m_mapLock);
    QList<Shortcut> snapshot;
    for (const QList<Shortcut>& list : std::as_const(m_map))
        snapshot += list;
    for (const Shortcut& shortcut : fresh) {
        const auto earlier =
            std::find_if(snapshot.cbegin(), snapshot.cend(),
                         [&](const Shortcut& s) { return s.text == shortcut.text; });
        if (earlier != snapshot.cend()) {
            if (!override)
                continue;
            m_map[earlier->phrase].removeIf(
                [&](const Shortcut& s) { return s.text == shortcut.text; });
        }
        m_map[shortcut.phrase].append(shortcut);
    }
    lock.unlock();
    emit changed();
}

void ShortcutRegistry::forget(const QList<Shortcut>& owned) {
    QWriteLocker lock(&m_mapLock);
    for (const Shortcut& shortcut : owned)
        m_map[shortcut.phrase].removeAll(shortcut);
    lock.unlock();
    emit changed();
}

bool ShortcutRegistry::isRecorded(const Shortcut& shortcut) const {
    const QList<Shortcut> recorded = shortcuts(shortcut.phrase);
    return std::any_of(recorded.cbegin(), recorded.cend(),
                       [&](const Shortcut& s) { return s.text == shortcut.text; });
}

void ShortcutRegistry::replaceMap(const Map& map) {
    QWriteLocker lock(&m_mapLock);
    m_map = map;
    lock.unlock();
    emit changed();
}

void ShortcutRegistry::scheduleRepair() {
    m_background.startAfter(m_repairDelay, [this] { return repairReplacements(); });
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
    QList<Replacement> pairs;
    const Map recorded = map();
    for (auto it = recorded.cbegin(); it != recorded.cend(); ++it) {
        for (const Shortcut& shortcut : it.value())
            pairs.append({shortcut.text, it.key()});
    }
    co_await m_client.addReplacements(std::move(pairs), false);
}

QCoro::Task<> ShortcutRegistry::removeAllShortcuts() {
    co_await m_client.removeReplacements(textsOf(allShortcuts()));
}

QCoro::Task<> ShortcutRegistry::repairReplacements() {
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
    co_await m_client.addReplacements(std::move(missing), true);
}

void to_json(nlohmann::json& json, const ShortcutRegistry::Map& map) {
    json = nlohmann::json::object();
    for (auto it = map.cbegin(); it != map.cend(); ++it)
        json[it.key().toStdString()] = it.value();
}

void from_json(const nlohmann::json& json, ShortcutRegistry::Map& map) {
    if (!json.is_object())
        throw nlohmann::json::type_error::create(302, "the registry is not an object", &json);
    map.clear();
    for (const auto& [phrase, list] : json.items())
        map.insert(QString::fromStdString(phrase), list.get<QList<Shortcut>>());
}
