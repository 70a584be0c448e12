#include "app/WindowManager.h"

#include "app/AppManager.h"
#include "platform/ResourceLocator.h"
#include "settings/SettingsKeys.h"
#include "ui/controls/ErrorAlert.h"
#include "ui/controls/ModalWindow.h"
#include "ui/picker/PickerPanel.h"

#include <QApplication>
#include <QCursor>
#include <QIcon>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QVBoxLayout>

WindowManager::WindowManager(Preferences& preferences, DefaultsStore& defaults,
                             AppManager& appManager, const ResourceLocator& resources,
                             Contents contents, ShellTiming timing, QObject* parent)
    : QObject(parent), m_preferences(preferences), m_appManager(appManager), m_resources(resources),
      m_contents(std::move(contents)), m_timing(timing),
      m_isWelcomeWasPresented(defaults, SettingsKeys::isWelcomeWasPresented, false) {
    connect(&appManager, &AppManager::firstPasteFailed, this,
            [this](const QString& reason) { showErrorAlert(&popoverBuilt(), reason); });
    // Queued: the icon's paint ends first.
    connect(this, &WindowManager::statusItemShown, this, &WindowManager::preparePopover,
            Qt::QueuedConnection);
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
    item.setIcon(image ? QIcon(*image) : QIcon::fromTheme(QStringLiteral("tesselle")));
    showShortcutsInactive(m_inactiveReason);
    connect(&item, &QSystemTrayIcon::activated, this, &WindowManager::statusItemClicked);
    item.show();
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
    statusItem().setToolTip(reason.isEmpty() ? QStringLiteral("Tesselle")
                                             : "Tesselle: the shortcuts are not active, " + reason);
}

// The XEmbed tray reports a second click that comes quickly as a double click
// alone, so that one toggles too; a tray that reports it twice toggles once.
void WindowManager::statusItemClicked(QSystemTrayIcon::ActivationReason why) {
    const bool sameClick = why == QSystemTrayIcon::DoubleClick && m_lastClick.isValid() &&
                           m_lastClick.elapsed() < m_timing.sameClickWindow.count();
    if ((why != QSystemTrayIcon::Trigger && why != QSystemTrayIcon::DoubleClick) || sameClick)
        return;
    m_lastClick.start();
    menuButtonToggle();
}

void WindowManager::menuButtonToggle() {
    PickerPanel& panel = popoverBuilt();
    if (panel.isVisible())
        panel.hide();
    else if (!panel.closedByFocusLossJustNow())
        openPopover();
}

void WindowManager::openPopover() {
    // An open panel is only brought forward: the window to paste into stays the
    // one the user worked in before it took the focus.
    if (m_popover && m_popover->isVisible()) {
        m_popover->raise();
        m_popover->activateWindow();
        return;
    }
    m_appManager.rememberActiveWindow();
    popoverBuilt().showAt(anchor());
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
        m_settingsWindow->setWindowTitle(QStringLiteral("Tesselle Settings"));
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
