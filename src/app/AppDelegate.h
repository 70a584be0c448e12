#pragma once

#include "settings/Preferences.h"
#include "shortcuts/Preset.h"
#include "ui/DesktopShell.h"

#include <QCoroTask>
#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>

class AppInfo;
class BackgroundTasks;
class LineOutput;
class ResourceLocator;
class ShortcutLifecycle;
class TextExpanderMonitor;
class UserShortcuts;
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
        LineOutput& output;
        UserShortcuts& userShortcuts;
        // Checked at launch, in the background.
        TextExpanderMonitor& textExpander;
        // Builds the window manager on first use.
        std::function<std::unique_ptr<DesktopShell>(AppDelegate&)> makeWindowManager;
        // How long the quit waits for the shortcuts to leave the list: a list
        // that never answers must not hold up the end of a session.
        std::chrono::milliseconds quitPatience = std::chrono::seconds(5);
        // How long after the launch the welcome window is shown, if needed.
        std::chrono::milliseconds welcomeDelay = std::chrono::seconds(1);
    };

    explicit AppDelegate(Services services, QObject* parent = nullptr);
    ~AppDelegate() override;

    Preferences& preferences() { return m_preferences; }
    Preset& preset() { return m_preset; }
    DesktopShell& windowManager();

    void applicationDidFinishLaunching();
    // Blocks until the shortcuts are out of the list, or the patience runs out;
    // a failure is said on the output. Runs once; later calls return at once.
    void applicationWillTerminate();
    // Non-zero when the quit could not take every shortcut out of the list.
    int exitCode() const { return m_exitCode; }
    // Why, when it could not.
    const QString& quitFailure() const { return m_quitFailure; }
    // The quit gave up while the list was still busy: the background thread
    // cannot be stopped in order.
    bool isQuitUnfinished() const { return m_isQuitUnfinished; }

private:
    void startUsageReporting();
    static QCoro::Task<> restoreShortcuts(QPointer<AppDelegate> delegate);
    static QCoro::Task<> removeShortcuts(ShortcutLifecycle& shortcuts, LineOutput& output,
                                         std::shared_ptr<QString> failure);

    Services m_services;
    Preferences m_preferences;
    Preset m_preset;
    std::unique_ptr<DesktopShell> m_windowManager;
    bool m_terminated = false;
    int m_exitCode = 0;
    QString m_quitFailure;
    bool m_isQuitUnfinished = false;
};
