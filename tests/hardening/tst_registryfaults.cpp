#include "Fakes.h"
#include "PresetFixture.h"
#include "RecordingReplacementService.h"
#include "TestEnvironment.h"
#include "WaitFor.h"
#include "async/BackgroundTasks.h"
#include "async/CancelledError.h"
#include "platform/MessageError.h"
#include "settings/SettingsKeys.h"
#include "shortcuts/ShortcutRegistry.h"

#include <QTest>

namespace {

using Pairs = QSet<std::pair<QString, QString>>;

Pairs pairsOf(const QList<TextReplacementEntry>& entries) {
    Pairs pairs;
    for (const TextReplacementEntry& entry : entries)
        pairs.insert({entry.shortcut, entry.phrase});
    return pairs;
}

Pairs pairsOf(const QList<Shortcut>& shortcuts) {
    Pairs pairs;
    for (const Shortcut& shortcut : shortcuts)
        pairs.insert({shortcut.text, shortcut.phrase});
    return pairs;
}

QList<Shortcut> presets(int count, const QString& prefix = QStringLiteral("/s")) {
    QList<Shortcut> shortcuts;
    for (int i = 0; i < count; ++i)
        shortcuts.append({prefix + QString::number(i), QStringLiteral("P%1").arg(i), false});
    return shortcuts;
}

// How a task started without waiting for it ended.
struct Ending {
    bool done = false;
    bool cancelled = false;
    QString failure;
};

QCoro::Task<> track(QCoro::Task<> task, std::shared_ptr<Ending> ending) {
    try {
        co_await task;
    } catch (const CancelledError&) {
        ending->cancelled = true;
    } catch (const std::exception& error) {
        ending->failure = QString::fromUtf8(error.what());
    }
    ending->done = true;
}

std::shared_ptr<Ending> start(QCoro::Task<> task) {
    auto ending = std::make_shared<Ending>();
    track(std::move(task), ending);
    return ending;
}

} // namespace

// The registry under quits, failures and damaged lists, on a list in memory
// whose calls complete on other threads.
class RegistryFaultsTest : public QObject {
    Q_OBJECT

    struct Fixture {
        FakeDefaultsStore defaults;
        RecordingReplacementService service;
        RecordingLineOutput output;
        InstantClock clock;
        BackgroundTasks background;
        TextReplacementClient client{service, output};
        std::unique_ptr<ShortcutRegistry> registry = make();

        std::unique_ptr<ShortcutRegistry> make() {
            return std::make_unique<ShortcutRegistry>(defaults, client, clock, background, output,
                                                      std::chrono::hours(1));
        }
        void record(const QList<Shortcut>& shortcuts) {
            StoredSetting<ShortcutRegistry::Map> setting(defaults, SettingsKeys::shortcuts, {});
            ShortcutRegistry::Map map;
            for (const Shortcut& shortcut : shortcuts)
                map[shortcut.phrase].append(shortcut);
            setting.write(map);
            registry = make();
        }
        // Lets the list take some calls of what runs.
        void waitForCalls(int count) {
            QVERIFY(waitUntil([&] { return service.calls().size() >= count; }));
        }
    };

public:
    enum class Running { installation, restore, repair };
    Q_ENUM(Running)

private slots:
    // A quit that ran beside the launch restore or an installation used to
    // leave entries in the list, written after its removal.
    void aQuitStopsWhatRunsThenEmptiesTheList_data() {
        QTest::addColumn<Running>("running");
        QTest::newRow("during an installation") << Running::installation;
        QTest::newRow("during the launch restore") << Running::restore;
        QTest::newRow("during a repair") << Running::repair;
    }
    void aQuitStopsWhatRunsThenEmptiesTheList() {
        QFETCH(Running, running);
        Fixture f;
        const QList<Shortcut> earlier = presets(3, "/e");
        waitForTask(f.registry->registerShortcuts(earlier, true));
        if (running != Running::installation)
            f.record(earlier + presets(1500));
        const Pairs recordedBefore = pairsOf(f.registry->allShortcuts());
        f.service.clearCalls();

        std::shared_ptr<Ending> change;
        switch (running) {
        case Running::installation:
            change = start(f.registry->registerShortcuts(presets(1500), true));
            break;
        case Running::restore:
            change = start(f.registry->restoreShortcuts());
            break;
        case Running::repair:
            change = start(f.registry->repairReplacements());
            break;
        }
        f.waitForCalls(5);
        // Changes that were still waiting for their turn, and one asked for later.
        const auto waiting = start(f.registry->registerShortcuts(presets(2, "/w"), true));
        waitForTask(f.registry->removeAllShortcuts());
        const auto later = start(f.registry->registerShortcuts(presets(2, "/l"), true));

        QVERIFY(waitUntil([&] { return change->done && waiting->done && later->done; }));
        QCOMPARE(f.service.currentEntries(), QList<TextReplacementEntry>());
        // The restore and the repair end quietly; a change fails as stopped.
        QCOMPARE(change->cancelled, running == Running::installation);
        QVERIFY(waiting->cancelled);
        QVERIFY(later->cancelled);
        // The record is what it was before the stopped change: what the next
        // start restores.
        QCOMPARE(pairsOf(f.registry->allShortcuts()), recordedBefore);
        QCOMPARE(pairsOf(f.make()->allShortcuts()), recordedBefore);
        // Nothing waits on the registry's lock when it goes.
        f.registry.reset();
    }

    void aQuitThatCannotEmptyTheListSaysHowManyAreLeft() {
        Fixture f;
        waitForTask(f.registry->registerShortcuts(presets(4), true));
        f.service.errorTexts.insert(7, "No room");
        f.service.failCall({7, {}, {}});
        QString failure;
        try {
            waitForTask(f.registry->removeAllShortcuts());
        } catch (const MessageError& error) {
            failure = error.message();
        }
        QCOMPARE(failure,
                 "Could not take the shortcuts out of the list, 4 are left in it: No room");
    }

    // The groups written before a later group failed stayed in the list for
    // good, with nothing recording them.
    void aFailedChangeLeavesTheListAndTheRecordAgreeing_data() {
        QTest::addColumn<QString>("change");
        QTest::addColumn<int>("callsBefore");
        QTest::newRow("an installation failing after ten groups") << "install" << 10;
        QTest::newRow("an installation failing at its first group") << "install" << 0;
        QTest::newRow("a removal failing") << "remove" << 0;
        QTest::newRow("a replacement of the preset failing at its removal") << "replace" << 0;
        QTest::newRow("a replacement of the preset failing after ten groups") << "replace" << 10;
    }
    void aFailedChangeLeavesTheListAndTheRecordAgreeing() {
        QFETCH(QString, change);
        QFETCH(int, callsBefore);
        Fixture f;
        const QList<Shortcut> earlier = presets(3, "/e");
        waitForTask(f.registry->registerShortcuts(
            earlier + (change == "install" ? QList<Shortcut>() : presets(1500)), true));
        const Pairs before = pairsOf(f.registry->allShortcuts());
        f.service.errorTexts.insert(7, "No room");
        f.service.failCall({7, {}, {}}, callsBefore);

        QString failure;
        try {
            waitForTask(change == "install"  ? f.registry->registerShortcuts(presets(1500), true)
                        : change == "remove" ? f.registry->unregisterShortcuts(presets(1500))
                                             : f.registry->replacePreset(presets(1000, "/r")));
        } catch (const MessageError& error) {
            failure = error.message();
        }
        QCOMPARE(failure, "No room");
        QCOMPARE(pairsOf(f.registry->allShortcuts()), before);
        QCOMPARE(pairsOf(f.service.currentEntries()), before);
        QCOMPARE(f.service.currentEntries().size(), before.size());
    }

    void restoreLeavesTheListHoldingExactlyTheRecord_data() {
        using Entries = QList<TextReplacementEntry>;
        QTest::addColumn<Entries>("listed");
        QTest::newRow("an emoji with two shortcuts, one of them listed") << Entries{{"/wave", "👋"}};
        QTest::newRow("a text listed with its old phrase") << Entries{{"/dance", "🕺"}};
        QTest::newRow("a text listed twice") << Entries{{"/dance", "💃"}, {"/dance", "💃"}};
        QTest::newRow("an entry that nothing records") << Entries{{"/gone", "G"}};
    }
    void restoreLeavesTheListHoldingExactlyTheRecord() {
        QFETCH(QList<TextReplacementEntry>, listed);
        Fixture f;
        const QList<Shortcut> recorded{
            {"/wave", "👋", false}, {"/hi", "👋", true}, {"/dance", "💃", false}};
        f.record(recorded);
        f.service.setEntries(listed);

        waitForTask(f.registry->restoreShortcuts());

        QCOMPARE(pairsOf(f.service.currentEntries()), pairsOf(recorded));
        QCOMPARE(f.service.currentEntries().size(), recorded.size());
    }

    // The repair used to run beside a change and add what the change was about
    // to add: the same trigger twice.
    void aRepairBesideAnInstallationNeverListsATextTwice() {
        Fixture f;
        const auto installation = start(f.registry->registerShortcuts(presets(1500), true));
        f.waitForCalls(3);
        const auto repair = start(f.registry->repairReplacements());
        QVERIFY(waitUntil([&] { return installation->done && repair->done; }));
        QVERIFY(installation->failure.isEmpty());
        QCOMPARE(f.service.currentEntries().size(), 1500);
        QCOMPARE(pairsOf(f.service.currentEntries()), pairsOf(f.registry->allShortcuts()));
    }

    void failuresOfTheBackgroundWorkAreSaid_data() {
        QTest::addColumn<bool>("restore");
        QTest::newRow("the launch restore") << true;
        QTest::newRow("the repair") << false;
    }
    void failuresOfTheBackgroundWorkAreSaid() {
        QFETCH(bool, restore);
        Fixture f;
        f.record(presets(2));
        f.service.failReads("The list is gone");
        waitForTask(restore ? f.registry->restoreShortcuts() : f.registry->repairReplacements());
        QCOMPARE(f.output.lines(), QStringList{"Error message: The list is gone"});
    }
};

TESSELLE_TEST_MAIN(RegistryFaultsTest, QCoreApplication)
#include "tst_registryfaults.moc"
