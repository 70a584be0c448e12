#include "FakeTextMeasurer.h"
#include "Fakes.h"
#include "RecordingReplacementService.h"
#include "TestEnvironment.h"
#include "WaitFor.h"
#include "app/AppDelegate.h"
#include "async/BackgroundTasks.h"
#include "async/SystemClock.h"
#include "platform/MessageError.h"
#include "platform/linux/LocalUsageReporting.h"
#include "platform/linux/ResourceFolder.h"
#include "shortcuts/ShortcutLifecycle.h"
#include "shortcuts/ShortcutRegistry.h"
#include "shortcuts/TextExpanderMonitor.h"
#include "shortcuts/UserShortcuts.h"

#include <QCoroTimer>
#include <QTest>
#include <QThread>
#include <QTimer>

using namespace std::chrono_literals;

namespace {

// One ordered record of every step, from whichever thread it ran on.
struct Journal {
    void add(const QString& step) {
        QMutexLocker lock(&mutex);
        steps << step;
    }
    QStringList all() const {
        QMutexLocker lock(&mutex);
        return steps;
    }
    mutable QMutex mutex;
    QStringList steps;
};

class RecordingShell : public DesktopShell {
public:
    explicit RecordingShell(Journal& journal) : m_journal(journal) {}
    void setupStatusItem() override { m_journal.add("setupStatusItem"); }
    void showWelcomeWindowIfNeeded() override { m_journal.add("showWelcomeWindowIfNeeded"); }
    void finishWelcome() override { m_journal.add("finishWelcome"); }
    void openSettings() override { m_journal.add("openSettings"); }
    void closePopover() override { m_journal.add("closePopover"); }

private:
    Journal& m_journal;
};

class RecordingLifecycle : public ShortcutLifecycle {
public:
    explicit RecordingLifecycle(Journal& journal) : m_journal(journal) {}
    QCoro::Task<> restoreShortcuts() override {
        m_journal.add(onMainThread() ? "restore on main thread" : "restore");
        co_return;
    }
    QCoro::Task<> removeAllShortcuts() override {
        co_await QCoro::sleepFor(removalTime);
        m_journal.add(onMainThread() ? "remove on main thread" : "remove");
        if (failRemoval)
            throw MessageError("the list is gone");
    }
    bool failRemoval = false;
    // Long enough that a quit that did not wait would be back before the end.
    std::chrono::milliseconds removalTime{50};

private:
    static bool onMainThread() {
        return QThread::currentThread() == QCoreApplication::instance()->thread();
    }
    Journal& m_journal;
};

} // namespace

class AppDelegateTest : public QObject {
    Q_OBJECT

    struct Fixture {
        Journal journal;
        FakeDefaultsStore defaults;
        FakeLoginItemService loginItems;
        FakeAppInfo appInfo;
        LocalUsageReporting usage;
        RecordingLifecycle lifecycle{journal};
        ResourceFolder resources{QStringLiteral(TESSELLE_SOURCE_RESOURCES)};
        FakeTextMeasurer measurer;
        // Stopped before what its tasks use goes.
        BackgroundTasks background;
        RecordingReplacementService list;
        RecordingLineOutput output;
        TextReplacementClient client{list, output};
        SystemClock clock;
        ShortcutRegistry registry{defaults, client, clock, background, output};
        FakeUserTriggerSource userTriggers;
        UserShortcuts userShortcuts{userTriggers};
        FakeTextExpanderStatus expanderStatus;
        TextExpanderMonitor textExpander{expanderStatus, output};
        int windowManagersBuilt = 0;

        std::unique_ptr<AppDelegate>
        makeDelegate(std::chrono::milliseconds quitPatience = std::chrono::seconds(5),
                     std::chrono::milliseconds welcomeDelay = std::chrono::hours(1)) {
            return std::make_unique<AppDelegate>(AppDelegate::Services{
                defaults, loginItems, appInfo, usage, resources, measurer, registry, lifecycle,
                background, output, userShortcuts, textExpander,
                [this](AppDelegate&) {
                    ++windowManagersBuilt;
                    return std::make_unique<RecordingShell>(journal);
                },
                quitPatience, welcomeDelay});
        }
    };

private slots:
    void launchShowsTheStatusItemRestoresInTheBackgroundAndChecksWelcomeAfterItsDelay() {
        Fixture fixture;
        auto delegate = fixture.makeDelegate(std::chrono::seconds(5), 200ms);
        // Timers fire in the order they fall due, however late the event loop
        // gets to them: this look comes before the end of the delay.
        std::optional<QStringList> shortlyBefore;
        QTimer::singleShot(150ms, [&] { shortlyBefore = fixture.journal.all(); });
        delegate->applicationDidFinishLaunching();
        // The restore may already have run on its thread; never before the icon.
        QCOMPARE(fixture.journal.all().value(0), "setupStatusItem");
        QVERIFY(waitUntil([&] { return fixture.journal.all().size() == 3; }));
        QVERIFY(shortlyBefore);
        QVERIFY(!shortlyBefore->contains("showWelcomeWindowIfNeeded"));
        QStringList steps = fixture.journal.all();
        std::sort(steps.begin() + 1, steps.end());
        QCOMPARE(steps, (QStringList{"setupStatusItem", "restore", "showWelcomeWindowIfNeeded"}));
    }

    void launchMeasuresTheCatalogueOffTheMainThread() {
        Fixture fixture;
        auto delegate = fixture.makeDelegate();
        delegate->applicationDidFinishLaunching();
        QTRY_VERIFY_WITH_TIMEOUT(fixture.measurer.texts().size() > 300, 10000);
        QVERIFY(!fixture.measurer.threads().contains(QThread::currentThread()));
    }

    void theWindowManagerIsBuiltOnceWhoeverAsksFirst() {
        Fixture fixture;
        auto delegate = fixture.makeDelegate();
        DesktopShell& early = delegate->windowManager();
        delegate->applicationDidFinishLaunching();
        QCOMPARE(&delegate->windowManager(), &early);
        QCOMPARE(fixture.windowManagersBuilt, 1);
    }

    void terminationBlocksUntilTheRemovalHasFinishedOffTheMainThread_data() {
        QTest::addColumn<bool>("removalFails");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("a removal that succeeds ends the program with 0")
            << false << 0 << QStringList();
        QTest::newRow("a removal that fails is said and ends the program with 1")
            << true << 1 << QStringList{"Error message: the list is gone"};
    }
    void terminationBlocksUntilTheRemovalHasFinishedOffTheMainThread() {
        QFETCH(bool, removalFails);
        QFETCH(int, exitCode);
        QFETCH(QStringList, lines);
        Fixture fixture;
        fixture.lifecycle.failRemoval = removalFails;
        auto delegate = fixture.makeDelegate();
        delegate->applicationWillTerminate();
        QCOMPARE(fixture.journal.all(), QStringList{"remove"});
        delegate->applicationWillTerminate();
        QCOMPARE(fixture.journal.all(), QStringList{"remove"});
        QCOMPARE(delegate->exitCode(), exitCode);
        QVERIFY(!delegate->isQuitUnfinished());
        QCOMPARE(fixture.output.lines(), lines);
    }

    // A list that never answers must not hold up the end of a desktop session.
    void terminationGivesUpOnARemovalThatDoesNotEnd() {
        Fixture fixture;
        fixture.lifecycle.removalTime = std::chrono::seconds(3);
        auto delegate = fixture.makeDelegate(std::chrono::milliseconds(100));
        delegate->applicationWillTerminate();
        QVERIFY(fixture.journal.all().isEmpty());
        QVERIFY(delegate->isQuitUnfinished());
        QCOMPARE(delegate->exitCode(), 1);
        QCOMPARE(fixture.output.lines(),
                 QStringList{"Gave up waiting 100 ms for the list to let go of the shortcuts: "
                             "they may still be in it"});
    }
};

TESSELLE_TEST_MAIN(AppDelegateTest, QCoreApplication)
#include "tst_appdelegate.moc"
