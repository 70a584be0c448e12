#pragma once

// The windows and the status item, as the launch steps use them.
class DesktopShell {
public:
    virtual ~DesktopShell() = default;
    virtual void setupStatusItem() = 0;
    virtual void showWelcomeWindowIfNeeded() = 0;
};
