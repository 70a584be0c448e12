#include "app/WindowManager.h"

#include "app/AppManager.h"
#include "app/TrayMenu.h"
#include "platform/LineOutput.h"
#include "platform/ResourceLocator.h"
#include "platform/WindowPlacer.h"
#include "platform/linux/StatusNotifierItem.h"
#include "settings/SettingsKeys.h"
#include "ui/controls/ErrorAlert.h"
#include "ui/controls/ModalWindow.h"
#include "ui/controls/ShownMessage.h"
#include "ui/picker/PanelPlacement.h"
#include "ui/picker/PickerPanel.h"

#include <QApplication>
#include <QCursor>
#include <QIcon>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QVBoxLayout>

WindowManager::WindowManager(Preferences& preferences, DefaultsStore& defaults,
                             AppManager& appManager, const ResourceLocator& resources,
                             Contents contents, ShellTiming timing, ShellDesktop desktop,
                             QObject* parent)
    : QObject(parent), m_preferences(preferences), m_appManager(appManager), m_resources(resources),
      m_contents(std::move(contents)), m_timing(timing), m_desktop(std::move(desktop)),
      m_isWelcomeWasPresented(defaults, SettingsKeys::isWelcomeWasPresented, false),
      m_trayMenu(std::make_unique<TrayMenu>(m_desktop.placer)) {
    connect(&appManager, &AppManager::firstPasteFailed, this,
            [this](const QString& reason) { showErrorAlert(&popoverBuilt(), reason); });
    // Queued: the icon's paint ends first.
    connect(this, &WindowManager::statusItemShown, this, &WindowManager::preparePopover,
            Qt::QueuedConnection);
    connect(m_trayMenu.get(), &TrayMenu::openRequested, this, &WindowManager::openPopover);
    connect(m_trayMenu.get(), &TrayMenu::settingsRequested, this, &WindowManager::openSettings);
    if (m_desktop.bus && m_desktop.bus->isConnected()) {
        m_trayItem =
            std::make_unique<StatusNotifierItem>(*m_desktop.bus, QStringLiteral("tesselle"),
                                                 QStringLiteral("Tesselle"), m_trayMenu->actions());
        connect(m_trayItem.get(), &StatusNotifierItem::activated, this,
                &WindowManager::trayItemClicked);
        connect(m_trayItem.get(), &StatusNotifierItem::contextMenuRequested, m_trayMenu.get(),
                &TrayMenu::popupAt);
        // Where a tray host comes after the start, its icon replaces Qt's.
        connect(m_trayItem.get(), &StatusNotifierItem::registeredChanged, this,
                [this](bool registered) {
                    if (registered && m_statusItem)
                        m_statusItem->hide();
                });
    }
}

WindowManager::~WindowManager() = default;

void WindowManager::LaterDeleter::operator()(QObject* object) const {
    object->deleteLater();
}

QSystemTrayIcon& WindowManager::statusItem() {
    if (!m_statusItem)
        m_statusItem = std::make_unique<QSystemTrayIcon>();
    return *m_statusItem;
}

void WindowManager::setupStatusItem() {
    QSystemTrayIcon& item = statusItem();
    // The SVG is drawn afresh at whatever size the tray asks for; an installed
    // copy in the icon theme serves when the resource folder lacks it.
    const auto image = m_resources.path(QStringLiteral("Tesselle"), QStringLiteral("svg"));
    const QIcon icon = image ? QIcon(*image) : QIcon::fromTheme(QStringLiteral("tesselle"));
    item.setIcon(icon);
    showShortcutsInactive(m_inactiveReason);
    connect(&item, &QSystemTrayIcon::activated, this, &WindowManager::statusItemClicked);
    if (m_trayItem) {
        m_trayItem->setIcon(icon);
        m_trayItem->show();
    }
    // Where a host watches the bus, Qt's icon would be a second item there;
    // and given the menu, Qt's item would free the menu's D-Bus half twice.
    if (!m_trayItem || !StatusNotifierItem::isWatcherOn(*m_desktop.bus)) {
        item.setContextMenu(&m_trayMenu->menu());
        item.show();
    }
    QTimer::singleShot(m_timing.noTrayIconOpenDelay, this, &WindowManager::openIfNoTrayIcon);
    // Qt draws the icon of an XEmbed tray (X11) in a window of its own, which
    // the tray docks and then has painted: the panel waits for that first
    // paint. A tray host that draws the icon itself (over D-Bus) has it at once.
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->inherits("QSystemTrayIconSys")) {
            window->installEventFilter(this);
            return;
        }
    }
    emit statusItemShown();
}

bool WindowManager::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint) {
        watched->removeEventFilter(this);
        emit statusItemShown();
    }
    return false;
}

// Before the icon is set up, whether a tray would show it.
bool WindowManager::hasTrayIcon() const {
    return (m_trayItem && m_trayItem->isRegistered()) ||
           ((!m_statusItem || m_statusItem->isVisible()) && m_desktop.isSystemTrayAvailable());
}

// On a first run the welcome comes first, and opens the panel when it is done.
void WindowManager::openIfNoTrayIcon() {
    if (m_desktop.wayInWithoutTray && !hasTrayIcon() && m_isWelcomeWasPresented.read())
        openPopover();
}

// The first click then only shows the panel. Building and the first rendering
// are two steps on the event loop, so that a quit waits for one at most.
void WindowManager::preparePopover() {
    if (m_popover)
        return;
    PickerPanel& panel = popoverBuilt();
    QTimer::singleShot(0, &panel, [this, &panel] {
        if (!panel.isVisible())
            panel.prepareAt(anchor());
    });
}

void WindowManager::showShortcutsInactive(const QString& reason) {
    m_inactiveReason = reason;
    const QString shown = shownMessage(reason);
    statusItem().setToolTip(reason.isEmpty()
                                ? QStringLiteral("Tesselle")
                                : tr("Tesselle: the shortcuts are not active, %1").arg(shown));
    if (m_trayItem)
        m_trayItem->setToolTip(
            QStringLiteral("Tesselle"),
            reason.isEmpty() ? QString() : tr("The shortcuts are not active, %1").arg(shown));
}

// The XEmbed tray reports a second click that comes quickly as a double click
// alone, so that one toggles too; a tray that reports it twice toggles once.
void WindowManager::statusItemClicked(QSystemTrayIcon::ActivationReason why) {
    const bool sameClick = why == QSystemTrayIcon::DoubleClick && m_lastClick.isValid() &&
                           m_lastClick.elapsed() < m_timing.sameClickWindow.count();
    if ((why != QSystemTrayIcon::Trigger && why != QSystemTrayIcon::DoubleClick) || sameClick)
        return;
    m_lastClick.start();
    toggle(true, std::nullopt);
}

// Hosts that know no point of the click send 0,0.
void WindowManager::trayItemClicked(QPoint at) {
    toggle(true, at.isNull() ? std::nullopt : std::optional(at));
}

void WindowManager::menuButtonToggle() {
    toggle(false, std::nullopt);
}

void WindowManager::toggle(bool fromTray, std::optional<QPoint> clickedAt) {
    PickerPanel& panel = popoverBuilt();
    if (panel.isVisible())
        panel.hide();
    else if (!panel.closedByFocusLossJustNow())
        openPanel(fromTray, clickedAt);
}

void WindowManager::openPopover() {
    openPanel(false, std::nullopt);
}

void WindowManager::openPanel(bool fromTray, std::optional<QPoint> clickedAt) {
    // An open panel is only brought forward: the window to paste into stays the
    // one the user worked in before it took the focus.
    if (m_popover && m_popover->isVisible()) {
        m_popover->raise();
        m_popover->activateWindow();
        return;
    }
    m_appManager.rememberActiveWindow();
    PickerPanel& panel = popoverBuilt();
    if (!m_isWayInSaid && m_desktop.wayInWithoutTray && !hasTrayIcon()) {
        const QString wayIn = m_desktop.wayInWithoutTray();
        panel.showNotice(shownMessage(wayIn));
        if (m_desktop.output)
            m_desktop.output->writeLine(wayIn);
        m_isWayInSaid = true;
    }
    if (fromTray && m_desktop.placer)
        m_desktop.placer->placeWhenShown(
            panel.windowTitle(), clickedAt, [](QPoint anchor, QSize window, QRect freeArea) {
                return panelPosition(QRect(anchor, QSize(1, 1)), window, freeArea);
            });
    panel.showAt(clickedAt ? QRect(*clickedAt, QSize(1, 1)) : anchor());
}

void WindowManager::closePopover() {
    if (m_popover)
        m_popover->hide();
}

PickerPanel& WindowManager::popoverBuilt() {
    if (!m_popover)
        m_popover =
            std::make_unique<PickerPanel>(m_contents.panel(*this), m_timing.focusLossClickWindow);
    return *m_popover;
}

QRect WindowManager::anchor() const {
    const QRect icon = m_statusItem ? m_statusItem->geometry() : QRect();
    if (!icon.isEmpty())
        return icon;
    return QRect(QCursor::pos(), QSize(1, 1));
}

void WindowManager::openSettings() {
    if (!m_settingsWindow) {
        m_settingsWindow = std::make_unique<QWidget>();
        m_settingsWindow->setWindowTitle(tr("Tesselle Settings"));
        auto* layout = new QVBoxLayout(m_settingsWindow.get());
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSizeConstraint(QLayout::SetFixedSize);
        layout->addWidget(m_contents.settings(*this).release());
    }
    m_settingsWindow->show();
    m_settingsWindow->raise();
    m_settingsWindow->activateWindow();
}

std::unique_ptr<ModalWindow> WindowManager::makeWelcomeWindow() {
    auto window = std::make_unique<ModalWindow>(m_contents.welcome(*this));
    window->centerOnScreen();
    return window;
}

void WindowManager::showWelcomeWindowIfNeeded() {
    if (m_isWelcomeWasPresented.read())
        return;
    std::unique_ptr<ModalWindow> window = makeWelcomeWindow();
    connect(window.get(), &QObject::destroyed, this, &WindowManager::welcomeWindowGone);
    window->show();
    window->raise();
    window->activateWindow();
    if (m_welcomeWindow)
        m_welcomeWindow->close();
    m_welcomeWindow.reset(window.release());
}

void WindowManager::finishWelcome() {
    m_isWelcomeWasPresented.write(true);
    if (m_welcomeWindow) {
        m_welcomeWindow->close();
        m_welcomeWindow.reset();
    }
    QTimer::singleShot(m_timing.panelDelayAfterWelcome, this, &WindowManager::openPopover);
}
