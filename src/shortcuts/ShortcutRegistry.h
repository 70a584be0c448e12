#pragma once

#include "settings/StoredSetting.h"
#include "shortcuts/AsyncSemaphore.h"
#include "shortcuts/Clock.h"
#include "shortcuts/ShortcutLifecycle.h"
#include "shortcuts/TextReplacementClient.h"

#include <QMap>
#include <QObject>
#include <QReadWriteLock>
#include <QSet>

class BackgroundTasks;
class LineOutput;

// The program's record of every shortcut it has put into the replacement list,
// by phrase. Changes run one at a time in arrival order; each is checked against
// the list a few seconds later and what the list lost is added again.
class ShortcutRegistry : public QObject, public ShortcutLifecycle {
    Q_OBJECT
public:
    using Map = QMap<QString, QList<Shortcut>>;

    ShortcutRegistry(DefaultsStore& defaults, TextReplacementClient& client, Clock& clock,
                     BackgroundTasks& background, LineOutput& output,
                     std::chrono::milliseconds repairDelay = std::chrono::seconds(3));

    QCoro::Task<> registerShortcuts(QList<Shortcut> shortcuts, bool override);
    QCoro::Task<> unregisterShortcuts(QList<Shortcut> shortcuts);

    // Safe from any thread, also while a change runs.
    QList<Shortcut> shortcuts(const QString& phrase) const;
    QList<Shortcut> allShortcuts() const;
    Map map() const;

    QCoro::Task<> restoreShortcuts() override;
    QCoro::Task<> removeAllShortcuts() override;

    // Re-adds the recorded shortcuts that the list lacks; runs after every change.
    QCoro::Task<> repairReplacements();

signals:
    // The record changed. Emitted on the thread of the change (the background
    // thread in the program), so views connect with a queued connection.
    void changed();

private:
    struct Update {
        Clock::TimePoint date;
        QSet<QString> shortcuts;
    };

    // The cool-down, then the new last update; runs under m_registryLock.
    QCoro::Task<> beginChange(QList<Shortcut> shortcuts);
    void record(const QList<Shortcut>& fresh, bool override);
    void forget(const QList<Shortcut>& owned);
    bool isRecorded(const Shortcut& shortcut) const;
    void replaceMap(const Map& map);
    void scheduleRepair();

    TextReplacementClient& m_client;
    Clock& m_clock;
    BackgroundTasks& m_background;
    LineOutput& m_output;
    std::chrono::milliseconds m_repairDelay;
    StoredSetting<std::optional<Map>> m_setting;
    AsyncSemaphore m_registryLock{1};
    std::optional<Update> m_lastUpdate; // only touched while holding m_registryLock
    mutable QReadWriteLock m_mapLock;
    Map m_map;
};

void to_json(nlohmann::json& json, const ShortcutRegistry::Map& map);
void from_json(const nlohmann::json& json, ShortcutRegistry::Map& map);
