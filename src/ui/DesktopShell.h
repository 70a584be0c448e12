#pragma once

// The program's windows and tray icon, as the launch steps and the views ask
// for them. The window manager of the application layer provides them.
class DesktopShell {
public:
    virtual ~DesktopShell() = default;

    // Shows the tray icon; a click on it toggles the picker panel.
    virtual void setupStatusItem() = 0;
    // Opens the welcome window unless the welcome flow was completed.
    virtual void showWelcomeWindowIfNeeded() = 0;
    // Records the completed welcome, closes its window and opens the panel a
    // second later.
    virtual void finishWelcome() = 0;
    // Shows and activates the one settings window.
    virtual void openSettings() = 0;
    virtual void closePopover() = 0;
};
