#include "Fakes.h"
#include "PrivateSessionBus.h"
#include "TestEnvironment.h"
#include "WaitFor.h"
#include "app/AppManager.h"
#include "app/TrayMenu.h"
#include "app/WindowManager.h"
#include "platform/linux/ResourceFolder.h"
#include "platform/linux/StatusNotifierItem.h"
#include "settings/Preferences.h"
#include "settings/SettingsKeys.h"
#include "ui/controls/ModalWindow.h"
#include "ui/picker/PickerPanel.h"

#include <QApplication>
#include <QCursor>
#include <QDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QSystemTrayIcon>
#include <QTest>
#include <QTimer>

using namespace std::chrono_literals;

namespace {

// The panel's stand-in content, counting its paintings.
class CountingLineEdit : public QLineEdit {
public:
    explicit CountingLineEdit(int& paints) : m_paints(paints) {}

protected:
    void paintEvent(QPaintEvent* event) override {
        ++m_paints;
        QLineEdit::paintEvent(event);
    }

private:
    int& m_paints;
};

// The shared objects and content factories that count how often they build.
struct Fixture {
    explicit Fixture(ShellTiming shellTiming = {}, ShellDesktop shellDesktop = {})
        : timing(shellTiming), desktop(std::move(shellDesktop)) {
        windowManager.setupStatusItem();
    }

    ShellTiming timing;
    ShellDesktop desktop;
    FakeDefaultsStore defaults;
    FakeLoginItemService loginItems;
    Preferences preferences{defaults, loginItems};
    RecordingPasteboard pasteboard;
    FakePasteService pasteService;
    RecordingLineOutput output;
    AppManager appManager{pasteboard, pasteService, output};
    ResourceFolder resources{TESSELLE_SOURCE_RESOURCES};
    int panelsBuilt = 0;
    int panelPaints = 0;
    int welcomesBuilt = 0;
    int settingsBuilt = 0;
    WindowManager windowManager{
        preferences,
        defaults,
        appManager,
        resources,
        WindowManager::Contents{[this](WindowManager&) {
                                    ++panelsBuilt;
                                    auto search = std::make_unique<CountingLineEdit>(panelPaints);
                                    search->setObjectName("search");
                                    return std::unique_ptr<QWidget>(std::move(search));
                                },
                                [this](WindowManager& manager) {
                                    ++welcomesBuilt;
                                    auto install = std::make_unique<QPushButton>("Install");
                                    QObject::connect(install.get(), &QPushButton::clicked, &manager,
                                                     &WindowManager::finishWelcome);
                                    return std::unique_ptr<QWidget>(std::move(install));
                                },
                                [this](WindowManager&) {
                                    ++settingsBuilt;
                                    auto page = std::make_unique<QWidget>();
                                    page->setFixedSize(370, 200);
                                    return page;
                                }},
        timing,
        desktop};

    void clickTrayIcon(QSystemTrayIcon::ActivationReason why = QSystemTrayIcon::Trigger) {
        emit windowManager.statusItem().activated(why);
    }
    PickerPanel* panel() const { return windowManager.popover(); }
    QLineEdit* search() const { return panel()->findChild<QLineEdit*>("search"); }
};

bool isShownAndActive(QWidget* window) {
    return window && window->isVisible() && QApplication::activeWindow() == window;
}

QString activeWindowName() {
    QWidget* active = QApplication::activeWindow();
    return active ? active->windowTitle() : "none";
}

// The user works in another window while the panel is closed. (The offscreen
// platform keeps a hidden window as its focus window, so reopening the panel
// straight away would not activate it there.)
void workElsewhere(QWidget& other) {
    other.show();
    other.activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), &other);
}

} // namespace

class WindowManagerTest : public QObject {
    Q_OBJECT

private slots:
    void theFirstFailedPasteOfARunIsToldOverThePanelThatStaysOpen() {
        Fixture fixture;
        fixture.clickTrayIcon();
        QTRY_VERIFY(isShownAndActive(fixture.panel()));
        fixture.pasteService.failure = QStringLiteral(
            "Autopaste is not available in this session: the emoji is on the clipboard, "
            "paste it with Ctrl+V");
        QVERIFY(!fixture.appManager.paste());
        QTRY_VERIFY(QApplication::activeModalWidget());
        QVERIFY(!fixture.appManager.paste());
        const auto alerts = fixture.panel()->findChildren<QMessageBox*>();
        QCOMPARE(alerts.size(), 1);
        QCOMPARE(alerts.first()->text(), fixture.pasteService.failure);
        QVERIFY(alerts.first()->isVisible());
        QVERIFY(fixture.panel()->isVisible());
    }

    void clicksOnTheTrayIconToggleOnePanelThatKeepsItsState() {
        Fixture fixture;
        QVERIFY(!fixture.panel());
        fixture.clickTrayIcon();
        QTRY_VERIFY(isShownAndActive(fixture.panel()));
        QCOMPARE(fixture.pasteService.steps(), (QStringList{"prepare", "remember"}));
        QTest::keyClicks(fixture.search(), "dance");

        fixture.clickTrayIcon();
        QVERIFY(!fixture.panel()->isVisible());
        QWidget other;
        workElsewhere(other);
        fixture.clickTrayIcon();
        QTRY_VERIFY2(isShownAndActive(fixture.panel()), qPrintable(activeWindowName()));
        QCOMPARE(fixture.search()->text(), "dance");
        QCOMPARE(fixture.panelsBuilt, 1);
        QVERIFY(fixture.panel()->windowFlags().testFlag(Qt::FramelessWindowHint));
        QVERIFY(fixture.panel()->testAttribute(Qt::WA_TranslucentBackground));
    }

    // Without a window of its own for the icon (offscreen), it is shown at once.
    void thePanelIsBuiltAndPaintedOnceTheTrayIconIsShownBeforeTheFirstClick() {
        Fixture fixture;
        QVERIFY(!fixture.panel());
        processPendingEvents();
        QVERIFY(fixture.panel() && fixture.panelPaints > 0);
        QVERIFY(!fixture.panel()->isVisible());
        QVERIFY(fixture.panel()->windowHandle());
        QVERIFY(fixture.search()->width() > 0);

        fixture.clickTrayIcon();
        QTRY_VERIFY(isShownAndActive(fixture.panel()));
        QCOMPARE(fixture.panelsBuilt, 1);
    }

    void aClickBeforeTheEarlyBuildOpensTheOnePanel() {
        Fixture fixture;
        fixture.clickTrayIcon();
        QTRY_VERIFY(isShownAndActive(fixture.panel()));
        const QRect shownAt = fixture.panel()->geometry();
        processPendingEvents();
        QCOMPARE(fixture.panelsBuilt, 1);
        QVERIFY(fixture.panel()->isVisible());
        QCOMPARE(fixture.panel()->geometry(), shownAt);
    }

    // The program's objects go once the event loop ends, whatever the build
    // has done by then.
    void aQuitAroundTheEarlyBuildEndsCleanly_data() {
        QTest::addColumn<bool>("built");
        QTest::newRow("a quit before the build") << false;
        QTest::newRow("a quit once the panel is built") << true;
    }
    void aQuitAroundTheEarlyBuildEndsCleanly() {
        QFETCH(bool, built);
        auto fixture = std::make_unique<Fixture>();
        if (built)
            QTRY_VERIFY(fixture->panel());
        QPointer<PickerPanel> panel = fixture->panel();
        fixture.reset();
        QVERIFY(!panel);
        bool later = false;
        QTimer::singleShot(0ms, [&later] { later = true; });
        QTRY_VERIFY(later);
    }

    void aQuickSecondClickReportedAsADoubleClickTogglesOnce_data() {
        QTest::addColumn<QList<QSystemTrayIcon::ActivationReason>>("secondClick");
        QTest::addColumn<std::chrono::milliseconds>("sameClickWindow");
        QTest::addColumn<bool>("open");
        // The first two come within their window of the first click, the
        // double click alone after it.
        QTest::newRow("reported as a double click alone")
            << QList{QSystemTrayIcon::DoubleClick} << 0ms << false;
        QTest::newRow("reported as a click and a double click")
            << QList{QSystemTrayIcon::Trigger, QSystemTrayIcon::DoubleClick}
            << std::chrono::milliseconds(1h) << false;
        QTest::newRow("a middle click does nothing")
            << QList{QSystemTrayIcon::MiddleClick} << std::chrono::milliseconds(1h) << true;
    }
    void aQuickSecondClickReportedAsADoubleClickTogglesOnce() {
        QFETCH(QList<QSystemTrayIcon::ActivationReason>, secondClick);
        QFETCH(std::chrono::milliseconds, sameClickWindow);
        QFETCH(bool, open);
        Fixture fixture(ShellTiming{.sameClickWindow = sameClickWindow});
        fixture.clickTrayIcon();
        QTRY_VERIFY(isShownAndActive(fixture.panel()));
        for (QSystemTrayIcon::ActivationReason why : secondClick)
            fixture.clickTrayIcon(why);
        processPendingEvents();
        QCOMPARE(fixture.panel()->isVisible(), open);
    }

    void openingAnOpenPanelKeepsTheWindowToPasteInto() {
        Fixture fixture;
        fixture.windowManager.openPopover();
        QTRY_VERIFY(isShownAndActive(fixture.panel()));
        fixture.windowManager.openPopover();
        QCOMPARE(fixture.pasteService.steps(), (QStringList{"prepare", "remember"}));
        QVERIFY(fixture.panel()->isVisible());
    }

    void withoutTrayGeometryThePanelOpensAtThePointer() {
        Fixture fixture;
        QCursor::setPos(400, 100);
        fixture.windowManager.openPopover();
        QTRY_VERIFY(fixture.panel()->isVisible());
        const QRect frame = fixture.panel()->geometry();
        QVERIFY2(frame.top() > 100 && frame.top() < 110, qPrintable(QString::number(frame.top())));
        QVERIFY2(qAbs(frame.center().x() - 400) <= 1,
                 qPrintable(QString::number(frame.center().x())));
    }

    void thePanelIsTransient_data() {
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("staysOpen");
        QTest::newRow("Escape closes it") << "escape" << false;
        QTest::newRow("activating another window closes it") << "other window" << false;
        QTest::newRow("a dialog the panel opens keeps it open") << "own dialog" << true;
    }
    void thePanelIsTransient() {
        QFETCH(QString, action);
        QFETCH(bool, staysOpen);
        Fixture fixture(ShellTiming{.focusLossClickWindow = 20ms});
        QWidget other;
        QDialog dialog;
        fixture.clickTrayIcon();
        QTRY_VERIFY(isShownAndActive(fixture.panel()));
        QTest::keyClicks(fixture.search(), "cat");
        if (action == "escape") {
            QTest::keyClick(fixture.search(), Qt::Key_Escape);
        } else {
            QWidget* window = &other;
            if (action == "own dialog") {
                dialog.setParent(fixture.panel(), Qt::Dialog);
                window = &dialog;
            }
            window->show();
            window->activateWindow();
            QTRY_COMPARE(QApplication::activeWindow(), window);
        }
        if (staysOpen) {
            // The panel judges a deactivation on the next turn of the loop.
            processPendingEvents();
            QVERIFY(fixture.panel()->isVisible());
            return;
        }
        QTRY_VERIFY(!fixture.panel()->isVisible());
        // A click on the icon opens it again once it no longer counts as the
        // click that took the focus away.
        QVERIFY(waitUntil([&] { return !fixture.panel()->closedByFocusLossJustNow(); }));
        workElsewhere(other);
        fixture.clickTrayIcon();
        QTRY_VERIFY(isShownAndActive(fixture.panel()));
        QCOMPARE(fixture.search()->text(), "cat");
    }

    // The click on the tray icon that took the focus away is the same click
    // that would open the panel again.
    void aClickRightAfterTheFocusLossClosedThePanelLeavesItClosed() {
        Fixture fixture(ShellTiming{.focusLossClickWindow = 1h});
        QWidget other;
        fixture.clickTrayIcon();
        QTRY_VERIFY(isShownAndActive(fixture.panel()));
        other.show();
        other.activateWindow();
        QTRY_VERIFY(!fixture.panel()->isVisible());
        QVERIFY(fixture.panel()->closedByFocusLossJustNow());
        fixture.clickTrayIcon();
        processPendingEvents();
        QVERIFY(!fixture.panel()->isVisible());
    }

    void theWelcomeWindowShowsUntilTheFlowIsFinished_data() {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<bool>("shown");
        QTest::newRow("nothing stored: a first start") << QVariant() << true;
        QTest::newRow("the flow was finished") << QVariant(QByteArray("true")) << false;
        QTest::newRow("stored false") << QVariant(QByteArray("false")) << true;
        QTest::newRow("a value that is not data reads as not finished") << QVariant(true) << true;
    }
    void theWelcomeWindowShowsUntilTheFlowIsFinished() {
        QFETCH(QVariant, stored);
        QFETCH(bool, shown);
        Fixture fixture;
        if (stored.isValid())
            fixture.defaults.setValue(SettingsKeys::isWelcomeWasPresented, stored);
        fixture.windowManager.showWelcomeWindowIfNeeded();
        ModalWindow* welcome = fixture.windowManager.welcomeWindow();
        QCOMPARE(welcome != nullptr, shown);
        QCOMPARE(fixture.welcomesBuilt, shown ? 1 : 0);
        if (!shown)
            return;
        QTRY_VERIFY(isShownAndActive(welcome));
        QVERIFY(welcome->windowFlags().testFlag(Qt::FramelessWindowHint));
        QVERIFY(welcome->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY((welcome->geometry().center() - screen.center()).manhattanLength() <= 2);
    }

    void showingTheWelcomeAgainReplacesTheOpenWindow() {
        Fixture fixture;
        fixture.windowManager.showWelcomeWindowIfNeeded();
        QPointer<ModalWindow> first = fixture.windowManager.welcomeWindow();
        fixture.windowManager.showWelcomeWindowIfNeeded();
        QVERIFY(fixture.windowManager.welcomeWindow() != first);
        QTRY_VERIFY(!first);
        QTRY_VERIFY(isShownAndActive(fixture.windowManager.welcomeWindow()));
    }

    void finishingTheWelcomeClosesItAtOnceAndOpensThePanelAfterItsDelay() {
        Fixture fixture(ShellTiming{.panelDelayAfterWelcome = 200ms});
        fixture.windowManager.showWelcomeWindowIfNeeded();
        QPointer<ModalWindow> welcome = fixture.windowManager.welcomeWindow();
        QSignalSpy gone(&fixture.windowManager, &WindowManager::welcomeWindowGone);
        QTRY_VERIFY(isShownAndActive(welcome));
        // Timers fire in the order they fall due, however late the event loop
        // gets to them: this look comes before the end of the delay.
        std::optional<bool> openShortlyBefore;
        QTimer::singleShot(
            150ms, [&] { openShortlyBefore = fixture.panel() && fixture.panel()->isVisible(); });
        QTest::mouseClick(welcome->findChild<QPushButton*>(), Qt::LeftButton);
        QVERIFY(!welcome || !welcome->isVisible());
        QCOMPARE(fixture.windowManager.welcomeWindow(), nullptr);
        QCOMPARE(fixture.defaults.value(SettingsKeys::isWelcomeWasPresented).toByteArray(), "true");
        QTRY_VERIFY(!welcome);
        QCOMPARE(gone.count(), 1);

        QVERIFY(waitUntil([&] { return fixture.panel() && fixture.panel()->isVisible(); }));
        QCOMPARE(openShortlyBefore, false);
    }

    // Where the compositor alone may place windows (sway), a click on the tray
    // hands it the click's point; other openings leave the panel centred.
    void aClickOnTheTrayPlacesThePanelOrTheMenuNextToIt_data() {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("title");
        QTest::addColumn<std::optional<QPoint>>("anchor");
        QTest::addColumn<QPoint>("position");
        const std::optional<QPoint> none;
        QTest::newRow("a click on swaybar's tray at the bottom right: above the bar, at the edge")
            << "activate 1269,1011"
            << "Tesselle" << std::optional(QPoint(1269, 1011)) << QPoint(902, 173);
        QTest::newRow("a click on a tray at the top left: under the bar")
            << "activate 10,12"
            << "Tesselle" << std::optional(QPoint(10, 12)) << QPoint(0, 24);
        QTest::newRow("a host that tells no point: at the pointer")
            << "activate 0,0"
            << "Tesselle" << none << QPoint();
        QTest::newRow("a right-click: the menu next to the icon")
            << "context menu 1269,1011"
            << "Tesselle menu" << std::optional(QPoint(1269, 1011)) << QPoint();
        QTest::newRow("a second start: where the compositor puts it")
            << "toggle" << QString() << none << QPoint();
    }
    void aClickOnTheTrayPlacesThePanelOrTheMenuNextToIt() {
        QFETCH(QString, action);
        QFETCH(QString, title);
        QFETCH(std::optional<QPoint>, anchor);
        QFETCH(QPoint, position);
        PrivateSessionBus bus;
        if (bus.address().isEmpty())
            QSKIP("dbus-daemon is missing");
        RecordingWindowPlacer placer;
        ShellDesktop desktop;
        desktop.bus = bus.connect();
        desktop.placer = &placer;
        Fixture fixture({}, desktop);
        StatusNotifierItem* item = fixture.windowManager.trayItem();
        QVERIFY(item);
        if (action.startsWith("activate 1269"))
            item->activate(1269, 1011);
        else if (action == "activate 10,12")
            item->activate(10, 12);
        else if (action == "activate 0,0")
            item->activate(0, 0);
        else if (action.startsWith("context menu"))
            item->contextMenu(1269, 1011);
        else
            fixture.windowManager.menuButtonToggle();
        QWidget* shown = title == "Tesselle menu"
                             ? static_cast<QWidget*>(&fixture.windowManager.trayMenu().menu())
                             : fixture.panel();
        QTRY_VERIFY(shown->isVisible());
        if (title.isEmpty()) {
            QVERIFY(placer.requests.isEmpty());
            return;
        }
        QCOMPARE(placer.requests.size(), 1);
        const RecordingWindowPlacer::Request& request = placer.requests.first();
        QCOMPARE(request.title, title);
        QCOMPARE(shown->windowTitle(), title);
        QCOMPARE(request.anchor, anchor);
        // A compositor floats a window whose size is fixed.
        QCOMPARE(shown->minimumSize(), shown->maximumSize());
        if (!position.isNull()) {
            const QRect freeArea =
                anchor->y() > 500 ? QRect(0, 0, 1280, 1001) : QRect(0, 24, 1280, 1000);
            QCOMPARE(request.position(*anchor, QSize(378, 828), freeArea), position);
        }
    }

    // Without a tray icon the program would start, show nothing and say
    // nothing.
    void withoutATrayIconThePanelOpensAndSaysTheWayInOnce_data() {
        QTest::addColumn<bool>("trayShowsIcon");
        QTest::addColumn<bool>("welcomeDone");
        QTest::newRow("the welcome was done: the panel opens a moment after the start")
            << false << true;
        QTest::newRow("a first run: the welcome first, then the panel") << false << false;
        QTest::newRow("a tray shows the icon: nothing opens") << true << true;
    }
    void withoutATrayIconThePanelOpensAndSaysTheWayInOnce() {
        QFETCH(bool, trayShowsIcon);
        QFETCH(bool, welcomeDone);
        const QString wayIn = "Start tesselle again to open Tesselle.";
        RecordingLineOutput output;
        // The welcome's state is stored before the delayed check runs.
        ShellDesktop desktop;
        desktop.isSystemTrayAvailable = [=] { return trayShowsIcon; };
        desktop.wayInWithoutTray = [=] { return wayIn; };
        desktop.output = &output;
        Fixture fixture(ShellTiming{.noTrayIconOpenDelay = 0ms, .panelDelayAfterWelcome = 0ms},
                        desktop);
        if (welcomeDone)
            fixture.defaults.setValue(SettingsKeys::isWelcomeWasPresented, QByteArray("true"));
        QCOMPARE(fixture.windowManager.hasTrayIcon(), trayShowsIcon);
        processPendingEvents();
        if (trayShowsIcon) {
            QVERIFY(!fixture.panel() || !fixture.panel()->isVisible());
            QVERIFY(output.lines().isEmpty());
            return;
        }
        if (!welcomeDone) {
            QVERIFY(!fixture.panel() || !fixture.panel()->isVisible());
            fixture.windowManager.showWelcomeWindowIfNeeded();
            fixture.windowManager.finishWelcome();
        }
        QTRY_VERIFY(isShownAndActive(fixture.panel()));
        QCOMPARE(fixture.panel()->notice(), wayIn);
        QCOMPARE(output.lines(), QStringList{wayIn});
        fixture.panel()->hide();
        QWidget other;
        workElsewhere(other);
        fixture.windowManager.menuButtonToggle();
        QTRY_VERIFY(isShownAndActive(fixture.panel()));
        QCOMPARE(fixture.panel()->notice(), QString());
        QCOMPARE(output.lines().size(), 1);
    }

    void theTrayMenuOpensThePanelAndTheSettings() {
        Fixture fixture;
        const QList<QAction*> entries = fixture.windowManager.trayMenu().actions();
        QStringList labels;
        for (const QAction* entry : entries)
            labels.append(entry->text());
        QCOMPARE(labels, (QStringList{"Open Tesselle", "Settings\u2026", "Quit"}));
        QCOMPARE(fixture.windowManager.statusItem().contextMenu(),
                 &fixture.windowManager.trayMenu().menu());
        entries[0]->trigger();
        QTRY_VERIFY(isShownAndActive(fixture.panel()));
        entries[1]->trigger();
        QTRY_VERIFY(isShownAndActive(fixture.windowManager.settingsWindow()));
    }

    void theSettingsWindowIsOneWindowShownAndActivated() {
        Fixture fixture;
        fixture.windowManager.openSettings();
        QWidget* settings = fixture.windowManager.settingsWindow();
        QTRY_VERIFY2(isShownAndActive(settings), qPrintable(activeWindowName()));
        settings->close();
        QWidget other;
        other.show();
        other.activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), &other);
        fixture.windowManager.openSettings();
        QCOMPARE(fixture.windowManager.settingsWindow(), settings);
        QTRY_VERIFY2(isShownAndActive(settings), qPrintable(activeWindowName()));
        QCOMPARE(fixture.settingsBuilt, 1);
    }
};

TESSELLE_TEST_MAIN(WindowManagerTest, QApplication)
#include "tst_windowmanager.moc"
