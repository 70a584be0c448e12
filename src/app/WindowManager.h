#pragma once

#include "app/ShellDesktop.h"
#include "app/ShellTiming.h"
#include "settings/StoredSetting.h"
#include "ui/DesktopShell.h"

#include <QElapsedTimer>
#include <QObject>
#include <QRect>
#include <QSystemTrayIcon>
#include <functional>
#include <memory>
#include <optional>

class AppManager;
class ModalWindow;
class PickerPanel;
class Preferences;
class QWidget;
class ResourceLocator;
class StatusNotifierItem;
class TrayMenu;

// Every window of the program and the tray icon: the picker panel that a click
// on the icon toggles, the icon's menu, the settings window and the welcome
// window. The icon is the program's own StatusNotifierItem where a tray host
// watches the session bus, and Qt's tray icon elsewhere (an X11 tray). Where
// no tray shows the icon, the panel opens a moment after the start (after the
// welcome on a first run) and says once how to open it again.
class WindowManager : public QObject, public DesktopShell {
    Q_OBJECT
public:
    // Builds a window's content; called once per window, when it is first needed.
    using ContentFactory = std::function<std::unique_ptr<QWidget>(WindowManager&)>;
    struct Contents {
        ContentFactory panel;
        ContentFactory welcome;
        ContentFactory settings;
    };

    WindowManager(Preferences& preferences, DefaultsStore& defaults, AppManager& appManager,
                  const ResourceLocator& resources, Contents contents, ShellTiming timing = {},
                  ShellDesktop desktop = {}, QObject* parent = nullptr);
    ~WindowManager() override;

    Preferences& preferences() { return m_preferences; }
    AppManager& appManager() { return m_appManager; }

    void setupStatusItem() override;
    void showWelcomeWindowIfNeeded() override;
    void finishWelcome() override;
    void openSettings() override;
    void closePopover() override;

    // The tray icon's tooltip says why, when a reason is given.
    void showShortcutsInactive(const QString& reason);

    // Toggles the panel from elsewhere than the tray icon (a second start, the
    // keyboard shortcut).
    void menuButtonToggle();
    // Opens the panel under the tray icon, or at the pointer where the tray
    // tells no geometry; under Wayland where the compositor puts it (centred).
    void openPopover();
    // Whether a tray shows the program's icon.
    bool hasTrayIcon() const;
    // A new welcome window, centred and not yet shown.
    std::unique_ptr<ModalWindow> makeWelcomeWindow();

    QSystemTrayIcon& statusItem();
    // Null where the session has no bus.
    StatusNotifierItem* trayItem() const { return m_trayItem.get(); }
    TrayMenu& trayMenu() { return *m_trayMenu; }
    // Null until they are first needed; the panel is built once the tray icon
    // is shown.
    PickerPanel* popover() const { return m_popover.get(); }
    ModalWindow* welcomeWindow() const { return m_welcomeWindow.get(); }
    QWidget* settingsWindow() const { return m_settingsWindow.get(); }

signals:
    // The tray icon is on screen: painted, where the program draws it in a
    // window of its own, or handed over to the tray.
    void statusItemShown();
    // The welcome window, its video player and decoders are destroyed.
    void welcomeWindowGone();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The welcome content that asks for its window to close is still running
    // when it does, so windows are deleted on the event loop.
    struct LaterDeleter {
        void operator()(QObject* object) const;
    };

    void statusItemClicked(QSystemTrayIcon::ActivationReason why);
    void trayItemClicked(QPoint at);
    void toggle(bool fromTray, std::optional<QPoint> clickedAt);
    // A click on the tray icon places the panel next to it (at the pointer
    // where the tray tells no point); other openings leave it where the window
    // system puts it.
    void openPanel(bool fromTray, std::optional<QPoint> clickedAt);
    void openIfNoTrayIcon();
    void preparePopover();
    PickerPanel& popoverBuilt();
    QRect anchor() const;

    Preferences& m_preferences;
    AppManager& m_appManager;
    const ResourceLocator& m_resources;
    Contents m_contents;
    ShellTiming m_timing;
    ShellDesktop m_desktop;
    StoredSetting<bool> m_isWelcomeWasPresented;
    std::unique_ptr<TrayMenu> m_trayMenu;
    std::unique_ptr<QSystemTrayIcon> m_statusItem;
    std::unique_ptr<StatusNotifierItem> m_trayItem;
    bool m_isWayInSaid = false;
    QString m_inactiveReason;
    QElapsedTimer m_lastClick;
    std::unique_ptr<PickerPanel> m_popover;
    std::unique_ptr<ModalWindow, LaterDeleter> m_welcomeWindow;
    std::unique_ptr<QWidget> m_settingsWindow;
};
