#pragma once

#include "async/AsyncSemaphore.h"
#include "async/CancellationSource.h"
#include "async/Clock.h"
#include "settings/StoredSetting.h"
#include "shortcuts/ShortcutLifecycle.h"
#include "shortcuts/ShortcutRecord.h"
#include "shortcuts/TextReplacementClient.h"

#include <QObject>
#include <QReadWriteLock>
#include <QSet>

class BackgroundTasks;
class LineOutput;
class UserShortcuts;

// The program's record of every shortcut it has put into the replacement list,
// by phrase. The list is the program's own: after a restore or a repair it
// holds exactly the recorded pairs, each text once. Everything that writes the
// list (changes, restore, repair, quit) runs one at a time in arrival order;
// each change is checked against the list a few seconds later.
class ShortcutRegistry : public QObject, public ShortcutLifecycle {
    Q_OBJECT
public:
    using Map = ShortcutRecord::Map;

    // Loads the record; what cannot be read of it is said on `output` and the
    // stored value is kept under another key before anything replaces it.
    ShortcutRegistry(DefaultsStore& defaults, TextReplacementClient& client, Clock& clock,
                     BackgroundTasks& background, LineOutput& output,
                     std::chrono::milliseconds repairDelay = std::chrono::seconds(3));

    // Records, then writes the list. With `override` a recorded text moves to
    // its new phrase, except that a preset shortcut never takes a text that a
    // custom one holds. On failure the record is put back and the list made to
    // agree with it again.
    QCoro::Task<> registerShortcuts(QList<Shortcut> shortcuts, bool override);
    // Forgets the shortcuts recorded exactly so, and takes their texts out of the list.
    QCoro::Task<> unregisterShortcuts(QList<Shortcut> shortcuts);
    // Makes `shortcuts` the preset that is recorded, in one change: registers
    // them with override, and forgets every other shortcut that is not custom,
    // whatever list or font gave it, taking its text out of the list. None
    // forgets the whole preset.
    QCoro::Task<> replacePreset(QList<Shortcut> shortcuts);
    // Takes everything out of the list and empties the record.
    QCoro::Task<> unregisterAll();
    // Forgets the preset shortcuts whose texts the user's own files define, as
    // last read, and takes them out of the list: the text expander would
    // offer both at every use, and the user's own wins. Custom shortcuts
    // stay. What is taken out, and failures, are said on the output.
    QCoro::Task<> yieldToUserTriggers(const UserShortcuts& userShortcuts);

    // Safe from any thread, also while a change runs.
    QList<Shortcut> shortcuts(const QString& phrase) const;
    QList<Shortcut> allShortcuts() const;
    Map map() const;

    // Opens the list, then makes it hold exactly the record. Failures are said
    // on the output.
    QCoro::Task<> restoreShortcuts() override;
    // The quit: stops whatever runs before its next call of the list, empties
    // the list, and closes the registry, so that every change still waiting or
    // started later fails with CancelledError. The record stays. Fails with a
    // message saying how many entries are left when the list cannot be emptied,
    // or cannot be reached because something else took its place.
    QCoro::Task<> removeAllShortcuts() override;

    // Re-adds the recorded shortcuts that the list lacks; runs after every change.
    QCoro::Task<> repairReplacements();

signals:
    // The record changed. Emitted on the thread of the change (the background
    // thread in the program), so views connect with a queued connection.
    void changed();
    // The repair that a change scheduled has run, on the background thread: the
    // list has settled, for whoever waits on it.
    void scheduledRepairFinished();

private:
    struct Update {
        Clock::TimePoint date;
        QSet<QString> shortcuts;
    };

    void load(DefaultsStore& defaults, LineOutput& output);
    // The cool-down, then the new last update; runs under m_registryLock.
    QCoro::Task<> beginChange(QList<Shortcut> shortcuts);
    // Records what may be recorded of `shortcuts` and returns it.
    QList<Shortcut> record(const QList<Shortcut>& shortcuts, bool override);
    QList<Shortcut> forget(const QList<Shortcut>& shortcuts);
    void replaceMap(const Map& map);
    void store();
    // Takes the texts of `removed` out of the list and adds `added`, after the
    // record changed from `before`; on failure puts the record back first.
    // Then schedules the repair.
    QCoro::Task<> writeList(Map before, QList<Shortcut> removed, QList<Shortcut> added,
                            bool override);
    // After a failed change: the record as it was, and the list made to agree.
    QCoro::Task<> undo(Map before);
    // Removes what the record lacks (or holds under another phrase, or holds
    // twice) from the list, then adds what the list lacks.
    QCoro::Task<> makeListFollowRecord();
    void reportFailure(const std::exception& failure);
    void scheduleRepair();
    QCoro::Task<> scheduledRepair();

    TextReplacementClient& m_client;
    Clock& m_clock;
    BackgroundTasks& m_background;
    LineOutput& m_output;
    std::chrono::milliseconds m_repairDelay;
    StoredSetting<Map> m_setting;
    AsyncSemaphore m_registryLock{1};
    // Cancelled by the quit: the running operation stops before its next list call.
    CancellationSource m_quit;
    std::optional<Update> m_lastUpdate; // only touched while holding m_registryLock
    mutable QReadWriteLock m_mapLock;
    Map m_map;
};
