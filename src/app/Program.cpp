#include "app/Program.h"

#include "app/LinuxPlatform.h"
#include "app/SingleInstance.h"
#include "app/WayInWithoutTray.h"
#include "app/WindowContents.h"
#include "app/WindowManager.h"
#include "platform/linux/FreedMemory.h"
#include "platform/linux/QuitSignals.h"
#include "ui/picker/EmojiGridView.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>

Program::Program(const Start& start)
    : Program(std::make_unique<LinuxPlatform>(LinuxPlatform::Given{start.appInfo, start.output,
                                                                   start.defaults, start.session,
                                                                   start.app.devicePixelRatio()}),
              std::nullopt, Timing{}) {
    connectRequestsAndQuit(start);
}

Program::Program(const PlatformServices& platform, Timing timing)
    : Program(nullptr, platform, timing) {}

Program::Program(std::unique_ptr<LinuxPlatform> linux,
                 const std::optional<PlatformServices>& platform, Timing timing)
    : m_linux(std::move(linux)), m_platform(platform ? *platform : m_linux->services()),
      m_timing(timing), m_launchAtLogin(m_platform.loginItems),
      m_appManager(m_platform.pasteboard, m_platform.pasteService, m_platform.output),
      m_emojiImages(EmojiGridView::symbolSize, EmojiGridView::cellSize,
                    m_platform.devicePixelRatio),
      m_shortcuts(m_platform.defaults, m_platform.list, m_platform.clock, m_platform.output,
                  timing.repairDelay),
      m_userShortcuts(m_platform.userTriggers),
      m_textExpander(m_platform.textExpander, m_platform.output),
      m_keyboardShortcut(m_platform.defaults, m_platform.globalShortcut, m_platform.session,
                         m_platform.output),
      m_delegate(delegateServices()) {}

Program::~Program() = default;

AppDelegate::Services Program::delegateServices() {
    AppDelegate::Services services{m_platform.defaults,
                                   m_launchAtLogin,
                                   m_platform.appInfo,
                                   m_platform.usageReporting,
                                   m_platform.resources,
                                   m_platform.measurer,
                                   registry(),
                                   registry(),
                                   m_shortcuts.background(),
                                   m_platform.output,
                                   m_userShortcuts,
                                   m_textExpander,
                                   [this](AppDelegate& owner) { return makeWindowManager(owner); }};
    services.welcomeDelay = m_timing.welcomeDelay;
    return services;
}

WindowManager& Program::windowManager() {
    m_delegate.windowManager();
    return *m_windowManager;
}

WindowServices Program::windowServices() {
    return {
        m_delegate.preferences(), m_delegate.preset(), m_platform.defaults, m_platform.resources,
        m_platform.measurer,      m_emojiImages,       m_appManager,        registry(),
        m_shortcuts.background(), m_launchAtLogin,     m_platform.clock,    m_platform.output,
        m_platform.appInfo,       m_userShortcuts,     m_textExpander,      m_keyboardShortcut};
}

std::unique_ptr<WindowManager> Program::makeWindowManager(AppDelegate& owner) {
    // The desktop's tray and placing of windows, for the program that runs;
    // the tests' shell has a tray and places nothing.
    ShellDesktop desktop;
    if (m_linux) {
        desktop = m_linux->desktop();
        desktop.wayInWithoutTray = [this] { return wayInWithoutTray(m_keyboardShortcut); };
        desktop.output = &m_platform.output;
    }
    auto manager = std::make_unique<WindowManager>(
        owner.preferences(), m_platform.defaults, m_appManager, m_platform.resources,
        makeWindowContents(windowServices()), m_timing.shell, std::move(desktop));
    m_windowManager = manager.get();
    if (m_instance) {
        QObject::connect(m_instance, &SingleInstance::toggleRequested, manager.get(),
                         &WindowManager::menuButtonToggle);
        QObject::connect(m_instance, &SingleInstance::settingsRequested, manager.get(),
                         &WindowManager::openSettings);
    }
    QObject::connect(&m_keyboardShortcut, &KeyboardShortcut::pressed, manager.get(),
                     &WindowManager::menuButtonToggle);
    QObject::connect(&owner.preferences(), &Preferences::didReset, &m_keyboardShortcut,
                     &KeyboardShortcut::reload);
    // Queued: the window's content goes after the window announced its end.
    QObject::connect(manager.get(), &WindowManager::welcomeWindowGone, manager.get(),
                     &returnFreedMemory, Qt::QueuedConnection);
    QObject::connect(&m_textExpander, &TextExpanderMonitor::stateChanged, manager.get(),
                     [this, manager = manager.get()] {
                         manager->showShortcutsInactive(m_textExpander.inactiveReason());
                     });
    return manager;
}

void Program::connectRequestsAndQuit(const Start& start) {
    QApplication& app = start.app;
    m_instance = &start.instance;
    m_quitSignals = std::make_unique<QuitSignals>();
    QObject::connect(m_quitSignals.get(), &QuitSignals::quitRequested, &app,
                     &QCoreApplication::quit);
    QObject::connect(m_instance, &SingleInstance::quitRequested, &app, &QCoreApplication::quit);
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &m_delegate,
                     &AppDelegate::applicationWillTerminate);
    // The key goes back to the desktop as soon as the program starts to quit.
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &m_keyboardShortcut,
                     &KeyboardShortcut::release);
    // The desktop session ends: quit in order before the session manager moves on.
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &app, &QCoreApplication::quit);

    QMetaObject::invokeMethod(&m_delegate, &AppDelegate::applicationDidFinishLaunching,
                              Qt::QueuedConnection);
    // A first start asked for the panel or the settings opens them once launched.
    if (start.action == CommandLine::Action::toggle)
        QMetaObject::invokeMethod(m_instance, &SingleInstance::toggleRequested,
                                  Qt::QueuedConnection);
    if (start.action == CommandLine::Action::settings)
        QMetaObject::invokeMethod(m_instance, &SingleInstance::settingsRequested,
                                  Qt::QueuedConnection);
}

int Program::finish() {
    if (m_delegate.isQuitUnfinished()) {
        // The background thread is stuck in the list: it cannot be joined.
        std::fflush(stdout);
        std::_Exit(m_delegate.exitCode());
    }
    m_shortcuts.background().stop();
    return m_delegate.exitCode();
}
