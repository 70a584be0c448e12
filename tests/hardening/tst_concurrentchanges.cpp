#include "Fakes.h"
#include "TestEnvironment.h"
#include "WaitFor.h"
#include "platform/linux/EspansoReplacementService.h"
#include "settings/SettingsKeys.h"
#include "shortcuts/ShortcutStack.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

// Time that moves only when slept, so that the cool-downs between changes of
// the same shortcut cost nothing.
class InstantClock : public Clock {
public:
    TimePoint now() const override { return m_now; }
    QCoro::Task<> sleepFor(std::chrono::duration<double> duration) override {
        m_now += std::chrono::duration_cast<std::chrono::steady_clock::duration>(duration);
        co_return;
    }

private:
    TimePoint m_now{std::chrono::seconds(1000)};
};

struct Change {
    Shortcut shortcut;
    bool adds = true;
};

QCoro::Task<> apply(ShortcutRegistry* registry, Change change, int index, QList<int>* finished) {
    QList<Shortcut> shortcuts{change.shortcut};
    if (change.adds)
        co_await registry->registerShortcuts(std::move(shortcuts), false);
    else
        co_await registry->unregisterShortcuts(std::move(shortcuts));
    finished->append(index);
}

using Pairs = QSet<std::pair<QString, QString>>;

Pairs pairsOf(const QList<Shortcut>& shortcuts) {
    Pairs pairs;
    for (const Shortcut& shortcut : shortcuts)
        pairs.insert({shortcut.text, shortcut.phrase});
    return pairs;
}

} // namespace

class ConcurrentChangesTest : public QObject {
    Q_OBJECT

private slots:
    void aHundredChangesStartedAtOnceFinishInArrivalOrderWithNothingLost() {
        QTemporaryDir folder;
        EspansoReplacementService espanso(folder.filePath("match/tesselle.yml"), discardedLines());
        FakeDefaultsStore defaults;
        RecordingLineOutput output;
        InstantClock clock;
        ShortcutStack shortcuts(defaults, espanso, clock, output, std::chrono::hours(1));
        ShortcutRegistry& registry = shortcuts.registry();

        // 25 shortcuts added, removed and added again, each change touching the
        // previous one's shortcut; then 25 others added.
        QList<Change> changes;
        for (int round = 0; round < 3; ++round)
            for (int k = 0; k < 25; ++k)
                changes.append(
                    {{QStringLiteral("/s%1").arg(k), QStringLiteral("😀"), true}, round != 1});
        for (int k = 0; k < 25; ++k)
            changes.append({{QStringLiteral("/t%1").arg(k), QStringLiteral("🔥"), true}, true});
        QList<int> finished;
        std::vector<QCoro::Task<>> tasks;
        for (int i = 0; i < changes.size(); ++i)
            tasks.push_back(apply(&registry, changes[i], i, &finished));
        for (QCoro::Task<>& task : tasks)
            waitForTask(std::move(task), std::chrono::seconds(60));

        QList<int> arrival(changes.size());
        std::iota(arrival.begin(), arrival.end(), 0);
        QCOMPARE(finished, arrival);

        Pairs expected;
        for (const Change& change : changes.sliced(50))
            expected.insert({change.shortcut.text, change.shortcut.phrase});
        QCOMPARE(registry.allShortcuts().size(), 50);
        QCOMPARE(pairsOf(registry.allShortcuts()), expected);
        Pairs inFile;
        for (const TextReplacementEntry& entry : espanso.currentEntries())
            inFile.insert({entry.shortcut, entry.phrase});
        QCOMPARE(espanso.currentEntries().size(), 50);
        QCOMPARE(inFile, expected);
        const auto stored = StoredSetting<std::optional<ShortcutRegistry::Map>>(
                                defaults, SettingsKeys::shortcuts, std::nullopt)
                                .read();
        QVERIFY(stored);
        QCOMPARE(*stored, registry.map());
    }
};

TESSELLE_TEST_MAIN(ConcurrentChangesTest, QCoreApplication)
#include "tst_concurrentchanges.moc"
