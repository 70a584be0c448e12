#include "Fakes.h"
#include "RecordingReplacementService.h"
#include "TestEnvironment.h"
#include "WaitFor.h"
#include "async/BackgroundTasks.h"
#include "platform/MessageError.h"
#include "settings/SettingsKeys.h"
#include "shortcuts/ShortcutRegistry.h"

#include <QSemaphore>
#include <QTest>

namespace {

// Time that moves only when told to; a sleep moves it and returns at once.
class FakeClock : public Clock {
public:
    TimePoint now() const override { return m_now; }
    QCoro::Task<> sleepFor(std::chrono::duration<double> duration) override {
        sleeps.append(duration.count());
        advance(duration);
        co_return;
    }
    void advance(std::chrono::duration<double> duration) {
        m_now += std::chrono::duration_cast<std::chrono::steady_clock::duration>(duration);
    }
    QList<double> sleeps;

private:
    TimePoint m_now{std::chrono::seconds(1000)};
};

Shortcut preset(const QString& text, const QString& phrase) {
    return {text, phrase, false};
}

// A task that has nothing left to do.
QCoro::Task<> finished() {
    co_return;
}

using EntrySet = QSet<std::pair<QString, QString>>;

EntrySet entrySet(const QList<TextReplacementEntry>& entries) {
    EntrySet set;
    for (const TextReplacementEntry& entry : entries)
        set.insert({entry.shortcut, entry.phrase});
    return set;
}

} // namespace

namespace QTest {
template <> char* toString(const Shortcut& shortcut) {
    return qstrdup(qPrintable(shortcut.text + " -> " + shortcut.phrase +
                              (shortcut.isCustom ? " (custom)" : "")));
}
} // namespace QTest

class ShortcutRegistryTest : public QObject {
    Q_OBJECT

    struct Fixture {
        FakeDefaultsStore defaults;
        RecordingReplacementService service;
        RecordingLineOutput output;
        FakeClock clock;
        BackgroundTasks background;
        TextReplacementClient client{service, output};
        std::unique_ptr<ShortcutRegistry> registry = make();

        std::unique_ptr<ShortcutRegistry>
        make(std::chrono::milliseconds repairDelay = std::chrono::hours(1)) {
            return std::make_unique<ShortcutRegistry>(defaults, client, clock, background, output,
                                                      repairDelay);
        }
        QByteArray stored() const { return defaults.value(SettingsKeys::shortcuts).toByteArray(); }
    };

private slots:
    void registeringWithOverrideMovesAShortcutToItsNewPhrase() {
        Fixture f;
        waitForTask(f.registry->registerShortcuts({preset("/wave", "🙋")}, true));
        f.clock.advance(std::chrono::seconds(3));
        waitForTask(f.registry->registerShortcuts({preset("/wave", "👋")}, true));
        QCOMPARE(f.registry->shortcuts("🙋"), QList<Shortcut>());
        QCOMPARE(f.registry->shortcuts("👋"), QList<Shortcut>{preset("/wave", "👋")});
        QCOMPARE(f.service.currentEntries(), (QList<TextReplacementEntry>{{"/wave", "👋"}}));
        QCOMPARE(f.stored(), QByteArray(R"({"👋":[{"isCustom":false,"phrase":"👋","text":"/wave"}],)"
                                        R"("🙋":[]})"));
    }

    void registeringWithoutOverrideKeepsTheEarlierOwner() {
        Fixture f;
        waitForTask(f.registry->registerShortcuts({preset("/wave", "🙋")}, true));
        f.clock.advance(std::chrono::seconds(3));
        waitForTask(f.registry->registerShortcuts({{"/wave", "👋", true}}, false));
        QCOMPARE(f.registry->allShortcuts(), QList<Shortcut>{preset("/wave", "🙋")});
    }

    void registeringWhatIsRecordedSendsNothingButStillPersists() {
        Fixture f;
        waitForTask(f.registry->registerShortcuts({preset("/fire", "🔥")}, true));
        f.service.clearCalls();
        f.defaults.clear();
        f.clock.advance(std::chrono::seconds(3));
        waitForTask(f.registry->registerShortcuts({preset("/fire", "🔥")}, true));
        QVERIFY(f.service.calls().isEmpty());
        QCOMPARE(f.registry->allShortcuts(), QList<Shortcut>{preset("/fire", "🔥")});
        QVERIFY(!f.stored().isEmpty());
    }

    void unregisteringRemovesOnlyWhatIsRecordedUnderItsPhrase() {
        Fixture f;
        waitForTask(f.registry->registerShortcuts({preset("/a", "A"), preset("/b", "B")}, true));
        f.service.clearCalls();
        f.clock.advance(std::chrono::seconds(3));
        waitForTask(f.registry->unregisterShortcuts({preset("/a", "elsewhere")}));
        QVERIFY(f.service.calls().isEmpty());
        waitForTask(f.registry->unregisterShortcuts({preset("/a", "A")}));
        QCOMPARE(f.registry->shortcuts("A"), QList<Shortcut>());
        QCOMPARE(f.registry->map().keys(), (QStringList{"A", "B"}));
        QCOMPARE(f.service.currentEntries(), (QList<TextReplacementEntry>{{"/b", "B"}}));
    }

    void aChangeTouchingRecentTextsWaitsOutTheCoolDown_data() {
        QTest::addColumn<QString>("secondText");
        QTest::addColumn<double>("secondsLater");
        QTest::addColumn<QList<double>>("sleeps");
        QTest::newRow("the same text half a second later waits the remaining 1.5 seconds")
            << "/dance" << 0.5 << QList<double>{1.5};
        QTest::newRow("other texts do not wait") << "/other" << 0.5 << QList<double>{};
        QTest::newRow("three seconds later nothing waits") << "/dance" << 3.0 << QList<double>{};
    }
    void aChangeTouchingRecentTextsWaitsOutTheCoolDown() {
        QFETCH(QString, secondText);
        QFETCH(double, secondsLater);
        QFETCH(QList<double>, sleeps);
        Fixture f;
        waitForTask(f.registry->registerShortcuts({preset("/dance", "💃")}, true));
        f.clock.advance(std::chrono::duration<double>(secondsLater));
        waitForTask(f.registry->registerShortcuts({preset(secondText, "🕺")}, true));
        QCOMPARE(f.clock.sleeps, sleeps);
        QCOMPARE(f.output.lines(),
                 sleeps.isEmpty() ? QStringList() : QStringList{"Waiting 1.5 sec"});
    }

    void aStoreFailureLeavesTheRegistryAsItWasAndReleasesTheLock() {
        Fixture f;
        waitForTask(f.registry->registerShortcuts({preset("/a", "A")}, true));
        const QByteArray before = f.stored();
        f.service.errorTexts.insert(7, "No room");
        f.service.failCall({7, {}, {}});
        f.clock.advance(std::chrono::seconds(3));
        try {
            waitForTask(f.registry->registerShortcuts({preset("/b", "B")}, true));
            QFAIL("the failure was not passed on");
        } catch (const MessageError& error) {
            QCOMPARE(error.message(), "No room");
        }
        QCOMPARE(f.registry->allShortcuts(), QList<Shortcut>{preset("/a", "A")});
        QCOMPARE(f.stored(), before);
        waitForTask(f.registry->registerShortcuts({preset("/c", "C")}, true),
                    std::chrono::seconds(2));
        QCOMPARE(f.registry->allShortcuts().size(), 2);
    }

    // A process killed while the list is written must leave nothing in the list
    // that the record lacks: the next launch restores what is recorded, but no
    // quit would ever take out what is not.
    void aNewShortcutIsStoredBeforeTheListIsWritten() {
        Fixture f;
        QByteArray storedWhileWriting;
        f.service.beforeAdding = [&] { storedWhileWriting = f.stored(); };
        waitForTask(f.registry->registerShortcuts({preset("/dance", "💃")}, true));
        QVERIFY2(storedWhileWriting.contains("/dance"), storedWhileWriting.constData());
        QCOMPARE(f.stored(), storedWhileWriting);
    }

    void changesRunOneAtATimeInArrivalOrder() {
        Fixture f;
        std::vector<QCoro::Task<>> tasks;
        for (int i = 0; i < 20; ++i)
            tasks.push_back(
                f.registry->registerShortcuts({preset(QString("/s%1").arg(i), "X")}, true));
        for (auto& task : tasks)
            waitForTask(std::move(task));
        QStringList texts;
        for (const Shortcut& shortcut : f.registry->shortcuts("X"))
            texts << shortcut.text;
        QStringList expected;
        for (int i = 0; i < 20; ++i)
            expected << QString("/s%1").arg(i);
        QCOMPARE(texts, expected);
    }

    void theRepairLogsAndReAddsWhatTheListLost() {
        Fixture f;
        waitForTask(
            f.registry->registerShortcuts({preset("/dance", "💃"), preset("/fire", "🔥")}, true));
        f.service.setEntries({{"/fire", "🔥"}, {"/dance", "X"}});
        waitForTask(f.registry->repairReplacements());
        QCOMPARE(f.output.lines(), (QStringList{"Error - missing shortcut: /dance for Phrase: 💃",
                                                "Trying to fix replacements"}));
        QCOMPARE(f.service.currentEntries(),
                 (QList<TextReplacementEntry>{{"/fire", "🔥"}, {"/dance", "💃"}}));
    }

    void aRepairRunsOnItsOwnAfterEveryChange() {
        Fixture f;
        f.registry = f.make(std::chrono::milliseconds(10));
        // The background thread, where the repair is timed and run, waits
        // until the list has lost the entry.
        QSemaphore listEmptied;
        f.background.start([&listEmptied] {
            listEmptied.acquire();
            return finished();
        });
        waitForTask(f.registry->registerShortcuts({preset("/dance", "💃")}, true));
        f.service.setEntries({});
        listEmptied.release();
        QVERIFY(waitUntil([&] { return f.service.currentEntries().size() == 1; }));
        QCOMPARE(f.output.lines().last(), "Trying to fix replacements");
    }

    // The list is the program's own: after a restore it holds exactly the record.
    void restoreMakesTheListTheRecordAndTheQuitEmptiesIt() {
        Fixture f;
        f.defaults.setValue(SettingsKeys::shortcuts,
                            QByteArray(R"({"💃":[{"text":"/dance","phrase":"💃","isCustom":false},)"
                                       R"({"text":"/party","phrase":"💃","isCustom":true}],)"
                                       R"("🔥":[{"text":"/fire","phrase":"🔥","isCustom":false}]})"));
        f.registry = f.make();
        f.service.setEntries({{"/left", "L"}, {"/fire", "🔥"}, {"/dance", "old"}});
        waitForTask(f.registry->restoreShortcuts());
        QCOMPARE(entrySet(f.service.currentEntries()),
                 (EntrySet{{"/dance", "💃"}, {"/party", "💃"}, {"/fire", "🔥"}}));
        QCOMPARE(f.service.currentEntries().size(), 3);
        waitForTask(f.registry->removeAllShortcuts());
        QCOMPARE(f.service.currentEntries(), QList<TextReplacementEntry>());
        QCOMPARE(f.registry->allShortcuts().size(), 3);
    }

    void whatCannotBeReadOfTheRecordIsSkippedSaidAndKeptAside_data() {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<QStringList>("loaded");
        QTest::addColumn<int>("problems");
        const QString good = R"("🔥":[{"text":"/fire","phrase":"🔥","isCustom":false}])";
        QTest::newRow("not JSON") << QVariant(QByteArray("{\"💃\":[")) << QStringList() << 1;
        QTest::newRow("not data") << QVariant(QStringLiteral("{}")) << QStringList() << 1;
        QTest::newRow("a list instead of a map")
            << QVariant(QByteArray("[]")) << QStringList() << 1;
        QTest::newRow("one entry without isCustom beside a good one")
            << QVariant(QString(R"({"💃":[{"text":"/dance","phrase":"💃"}],)" + good + "}").toUtf8())
            << QStringList{"/fire"} << 1;
        QTest::newRow("one entry whose isCustom is a text, among good ones")
            << QVariant(QString(R"({"💃":[{"text":"/dance","phrase":"💃","isCustom":"yes"},)"
                                R"({"text":"/party","phrase":"💃","isCustom":true}],)" +
                                good + "}")
                            .toUtf8())
            << QStringList{"/party", "/fire"} << 1;
        QTest::newRow("an entry with an empty text beside a good one")
            << QVariant(QString(R"({"💃":[{"text":"","phrase":"💃","isCustom":false}],)" + good + "}")
                            .toUtf8())
            << QStringList{"/fire"} << 1;
        QTest::newRow("an entry recorded under another phrase than its own")
            << QVariant(QString(R"({"💃":[{"text":"/dance","phrase":"🕺","isCustom":false}],)" +
                                good + "}")
                            .toUtf8())
            << QStringList{"/fire"} << 1;
        QTest::newRow("a phrase whose list is not a list")
            << QVariant(QString(R"({"💃":"/dance",)" + good + "}").toUtf8()) << QStringList{"/fire"}
            << 1;
        QTest::newRow("one text recorded under two phrases keeps the first")
            << QVariant(QString(R"({"👋":[{"text":"/wave","phrase":"👋","isCustom":false}],)"
                                R"("🙋":[{"text":"/wave","phrase":"🙋","isCustom":false}],)" +
                                good + "}")
                            .toUtf8())
            << QStringList{"/wave", "/fire"} << 1;
        // One bad byte used to make the whole record unreadable, and the
        // list empty.
        QTest::newRow("a byte that is not UTF-8 in one text costs that shortcut only")
            << QVariant(R"({"💃":[{"text":"/da)" + QByteArray("\xff") +
                        R"(nce","phrase":"💃","isCustom":false},)"
                        R"({"text":"/party","phrase":"💃","isCustom":true}],)" +
                        good.toUtf8() + "}")
            << QStringList{"/party", "/fire"} << 1;
        QTest::newRow("a byte that is not UTF-8 in one phrase costs its shortcuts only")
            << QVariant(R"({"💃)" + QByteArray("\xc3") + R"(":[{"text":"/dance","phrase":"💃)" +
                        QByteArray("\xc3") + R"(","isCustom":false}],)" + good.toUtf8() + "}")
            << QStringList{"/fire"} << 1;
    }
    void whatCannotBeReadOfTheRecordIsSkippedSaidAndKeptAside() {
        QFETCH(QVariant, stored);
        QFETCH(QStringList, loaded);
        QFETCH(int, problems);
        Fixture f;
        f.defaults.setValue(SettingsKeys::shortcuts, stored);
        f.registry = f.make();

        QStringList texts;
        for (const Shortcut& shortcut : f.registry->allShortcuts())
            texts << shortcut.text;
        texts.sort();
        loaded.sort();
        QCOMPARE(texts, loaded);
        const QStringList lines = f.output.lines();
        QCOMPARE(lines.size(), problems + 1);
        const QStringList asideKeys = f.defaults.keys().filter("shortcuts-unreadable-");
        QCOMPARE(asideKeys.size(), 1);
        QVERIFY2(lines.last().contains(asideKeys.first()), qPrintable(lines.last()));
        QCOMPARE(f.defaults.value(asideKeys.first()), stored);

        // What loaded is stored again, so that a later start finds nothing to keep.
        f.registry = f.make();
        QCOMPARE(f.registry->allShortcuts().size(), loaded.size());
        QCOMPARE(f.defaults.keys().filter("shortcuts-unreadable-").size(), 1);

        // The list gets what loaded, and nothing else: no empty trigger.
        waitForTask(f.registry->restoreShortcuts());
        QStringList listed;
        for (const TextReplacementEntry& entry : f.service.currentEntries())
            listed << entry.shortcut;
        listed.sort();
        QCOMPARE(listed, loaded);
    }

    // A change after a partial load must not write over the shortcuts that did load.
    void aChangeAfterAPartialLoadKeepsWhatLoaded() {
        Fixture f;
        f.defaults.setValue(SettingsKeys::shortcuts,
                            QByteArray(R"({"💃":[{"text":"/dance","phrase":"💃","isCustom":"yes"}],)"
                                       R"("🔥":[{"text":"/fire","phrase":"🔥","isCustom":false}]})"));
        f.registry = f.make();
        waitForTask(f.registry->registerShortcuts({preset("/wave", "👋")}, true));
        f.registry = f.make();
        QCOMPARE(f.registry->allShortcuts().size(), 2);
    }

    void aPresetNeverTakesATextThatACustomShortcutHolds_data() {
        QTest::addColumn<QString>("customPhrase");
        QTest::newRow("the custom shortcut is for another emoji") << "🕺";
        QTest::newRow("the custom shortcut is for the same emoji") << "💃";
    }
    void aPresetNeverTakesATextThatACustomShortcutHolds() {
        QFETCH(QString, customPhrase);
        Fixture f;
        const Shortcut custom{"/dance", customPhrase, true};
        waitForTask(f.registry->registerShortcuts({custom}, true));
        f.clock.advance(std::chrono::seconds(3));

        waitForTask(
            f.registry->registerShortcuts({preset("/dance", "💃"), preset("/fire", "🔥")}, true));
        QCOMPARE(f.registry->shortcuts(customPhrase), QList<Shortcut>{custom});
        QCOMPARE(entrySet(f.service.currentEntries()),
                 (EntrySet{{"/dance", customPhrase}, {"/fire", "🔥"}}));

        // Taking the preset out leaves the custom shortcut recorded and in the list.
        f.clock.advance(std::chrono::seconds(3));
        waitForTask(f.registry->unregisterShortcuts({preset("/dance", "💃"), preset("/fire", "🔥")}));
        QCOMPARE(f.registry->allShortcuts(), QList<Shortcut>{custom});
        QCOMPARE(f.service.currentEntries(),
                 (QList<TextReplacementEntry>{{"/dance", customPhrase}}));
    }
};

TESSELLE_TEST_MAIN(ShortcutRegistryTest, QCoreApplication)
#include "tst_shortcutregistry.moc"
