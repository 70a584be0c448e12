#pragma once

#include "app/DesktopShell.h"
#include "settings/Preferences.h"
#include "shortcuts/Preset.h"

#include <QObject>
#include <functional>
#include <memory>

class AppInfo;
class BackgroundTasks;
class ResourceLocator;
class ShortcutLifecycle;
class TextMeasurer;
class UsageReporting;

// Owns the shared model objects and runs the launch and quit steps.
class AppDelegate : public QObject {
    Q_OBJECT
public:
    struct Services {
        DefaultsStore& defaults;
        LoginItemService& loginItems;
        AppInfo& appInfo;
        UsageReporting& usageReporting;
        ResourceLocator& resources;
        TextMeasurer& measurer;
        ShortcutRegistry& registry;
        // What launch and quit ask of the registry (the registry itself in the program).
        ShortcutLifecycle& shortcuts;
        BackgroundTasks& background;
        // Builds the window manager on first use.
        std::function<std::unique_ptr<DesktopShell>(AppDelegate&)> makeWindowManager;
    };

    explicit AppDelegate(Services services, QObject* parent = nullptr);
    ~AppDelegate() override;

    Preferences& preferences() { return m_preferences; }
    Preset& preset() { return m_preset; }
    DesktopShell& windowManager();

    void applicationDidFinishLaunching();
    // Blocks until the recorded shortcuts are out of the list. Runs once; later
    // calls return at once.
    void applicationWillTerminate();

private:
    void startUsageReporting();

    Services m_services;
    Preferences m_preferences;
    Preset m_preset;
    std::unique_ptr<DesktopShell> m_windowManager;
    bool m_terminated = false;
};
