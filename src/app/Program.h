#pragma once

#include "app/AppDelegate.h"
#include "app/AppManager.h"
#include "app/CommandLine.h"
#include "app/PlatformServices.h"
#include "app/ShellTiming.h"
#include "app/WindowContents.h"
#include "settings/KeyboardShortcut.h"
#include "settings/LaunchAtLogin.h"
#include "shortcuts/ShortcutStack.h"
#include "shortcuts/TextExpanderMonitor.h"
#include "shortcuts/UserShortcuts.h"
#include "ui/picker/EmojiImageCache.h"

#include <chrono>
#include <memory>
#include <optional>

class ExitGuard;
class LinuxPlatform;
class QApplication;
class QuitSignals;
class SingleInstance;
class WindowManager;

// How long the program waits; tests change it.
struct ProgramTiming {
    // From the launch to the welcome window, when it is needed.
    std::chrono::milliseconds welcomeDelay = std::chrono::seconds(1);
    // From a change of the shortcuts to the check of the list.
    std::chrono::milliseconds repairDelay = std::chrono::seconds(3);
    ShellTiming shell{};
};

// The running program: builds every service once, in order, owns them and
// connects them; what each is built over is the platform's (LinuxPlatform's,
// or a test's).
class Program {
public:
    // What main decides before the program is built.
    struct Start {
        QApplication& app;
        AppInfo& appInfo;
        LineOutput& output;
        DefaultsStore& defaults;
        // Claimed already: this is the only instance.
        SingleInstance& instance;
        DesktopSession session;
        CommandLine::Action action;
    };
    using Timing = ProgramTiming;

    // The program over Linux's services. It launches once the event loop
    // runs, and the application's end runs its quit steps.
    explicit Program(const Start& start);
    // The same objects over the given services, neither launched nor tied to
    // the application's end: the tests'.
    explicit Program(const PlatformServices& platform, Timing timing = {});
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    AppDelegate& delegate() { return m_delegate; }
    // Built by the launch, or here when first asked for.
    WindowManager& windowManager();
    ShortcutRegistry& registry() { return m_shortcuts.registry(); }
    TextExpanderMonitor& textExpander() { return m_textExpander; }
    LaunchAtLogin::Observable& launchAtLogin() { return m_launchAtLogin; }
    // What the windows are built over.
    WindowServices windowServices();

    // Once the event loop has ended: tells a waiting --quit how the quit went,
    // stops the background thread in order and returns the exit code. A quit
    // that gave up on the thread (stuck in the list) cannot join it: the
    // process ends here.
    int finish();

private:
    Program(std::unique_ptr<LinuxPlatform> linux, const std::optional<PlatformServices>& platform,
            Timing timing);
    AppDelegate::Services delegateServices();
    std::unique_ptr<WindowManager> makeWindowManager(AppDelegate& delegate);
    void connectRequestsAndQuit(const Start& start);
    // The quit's removal, and the answer to a waiting --quit.
    void quitSteps();

    // Linux's services, for the program that runs; none over a test's.
    std::unique_ptr<LinuxPlatform> m_linux;
    PlatformServices m_platform;
    Timing m_timing;
    SingleInstance* m_instance = nullptr;
    LaunchAtLogin::Observable m_launchAtLogin;
    AppManager m_appManager;
    EmojiImageCache m_emojiImages;
    ShortcutStack m_shortcuts;
    UserShortcuts m_userShortcuts;
    TextExpanderMonitor m_textExpander;
    KeyboardShortcut m_keyboardShortcut;
    WindowManager* m_windowManager = nullptr;
    AppDelegate m_delegate;
    std::unique_ptr<QuitSignals> m_quitSignals;
    // Qt ends the process with exit() when the display connection breaks.
    std::unique_ptr<ExitGuard> m_exitGuard;
};
