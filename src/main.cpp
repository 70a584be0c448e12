#include "app/AppDelegate.h"
#include "app/AppManager.h"
#include "app/CommandLine.h"
#include "app/PasteServiceChoice.h"
#include "app/QuitRequest.h"
#include "app/SingleInstance.h"
#include "app/WindowContents.h"
#include "app/WindowManager.h"
#include "async/SystemClock.h"
#include "platform/linux/BuildAppInfo.h"
#include "platform/linux/EspansoConfigFolder.h"
#include "platform/linux/EspansoReplacementService.h"
#include "platform/linux/EspansoStatus.h"
#include "platform/linux/EspansoUserTriggers.h"
#include "platform/linux/ExitGuard.h"
#include "platform/linux/FontTextMeasurer.h"
#include "platform/linux/FreedMemory.h"
#include "platform/linux/GraphicalSession.h"
#include "platform/linux/LocalUsageReporting.h"
#include "platform/linux/QSettingsDefaultsStore.h"
#include "platform/linux/QtClipboardPasteboard.h"
#include "platform/linux/QuitSignals.h"
#include "platform/linux/ResourceFolder.h"
#include "platform/linux/StandardOutput.h"
#include "platform/linux/Syslog.h"
#include "platform/linux/X11GlobalShortcut.h"
#include "platform/linux/XdgAutostart.h"
#include "settings/KeyboardShortcut.h"
#include "settings/LaunchAtLogin.h"
#include "shortcuts/ShortcutStack.h"
#include "shortcuts/TextExpanderMonitor.h"
#include "shortcuts/UserShortcuts.h"
#include "ui/picker/EmojiGridView.h"
#include "ui/picker/EmojiImageCache.h"

#include <QApplication>
#include <QStandardPaths>
#include <cstdio>
#include <cstdlib>
#include <optional>

namespace {

constexpr std::chrono::seconds quitPatience(30);

QStringList argumentList(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

// The help, the version, a mistake and --quit need neither a display nor a
// program of their own: answered here, they start nothing.
std::optional<int> answerWithoutStarting(const CommandLine& command, const AppInfo& appInfo) {
    switch (command.action) {
    case CommandLine::Action::print:
        std::fputs(command.text.toLocal8Bit().constData(), stdout);
        return 0;
    case CommandLine::Action::mistake:
        std::fputs(command.text.toLocal8Bit().constData(), stderr);
        return 2;
    case CommandLine::Action::quit: {
        const QuitRequest::Answer answer = QuitRequest::send(
            SingleInstance::defaultSocketPath(appInfo.identifier()),
            SingleInstance::settingsLockPath(
                QSettingsDefaultsStore(QStringLiteral("tesselle"), QStringLiteral("tesselle"))
                    .fileName()),
            quitPatience);
        if (!answer.message.isEmpty())
            std::fputs((answer.message + '\n').toLocal8Bit().constData(),
                       answer.exitCode == 0 ? stdout : stderr);
        return answer.exitCode;
    }
    default:
        return std::nullopt;
    }
}

} // namespace

int main(int argc, char** argv) {
    shareOneAllocatorArena();
    // A quit asked for while starting up runs once the event loop does.
    QuitSignals::catchEarly();
    GraphicalSession::ignoreRelativeXdgFolders();
    BuildAppInfo appInfo;
    const CommandLine command = CommandLine::parse(
        argumentList(argc, argv),
        appInfo.value(QStringLiteral("CFBundleShortVersionString")).value_or(QString()));
    if (const std::optional<int> code = answerWithoutStarting(command, appInfo))
        return *code;
    if (const std::optional<QString> missing = GraphicalSession::missingDisplay(
            GraphicalSession::processEnvironment(), GraphicalSession::systemProbe())) {
        std::fputs((*missing + '\n').toLocal8Bit().constData(), stderr);
        return 1;
    }
    // Every window paints in software. Qt Multimedia would otherwise convert
    // the welcome video's frames through an OpenGL context of its own: on a
    // machine without a GPU that is Mesa's llvmpipe, some 60 MB kept mapped for
    // the whole run, for a four-second video.
    QCoreApplication::setAttribute(Qt::AA_ForceRasterWidgets);
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("tesselle"));
    // No display name: Qt would append it to every window title that does not
    // end with it ("Tesselle Settings — Tesselle"), and the titles name the
    // program already.
    app.setQuitOnLastWindowClosed(false);
    app.setDesktopFileName(QStringLiteral("tesselle"));

    // Process-wide services, built once and handed to whoever needs them.
    StandardOutput output;
    QSettingsDefaultsStore defaults(QStringLiteral("tesselle"), QStringLiteral("tesselle"));
    // A second start hands over to the running program and ends.
    SingleInstance instance(SingleInstance::defaultSocketPath(appInfo.identifier()),
                            SingleInstance::settingsLockPath(defaults.fileName()), output);
    switch (instance.claim(command.action == CommandLine::Action::settings
                               ? SingleInstance::Request::settings
                               : SingleInstance::Request::toggle)) {
    case SingleInstance::Claim::first:
        break;
    case SingleInstance::Claim::handedOver:
        return 0;
    case SingleInstance::Claim::unreachable:
        return 1;
    }
    Syslog systemLog(QStringLiteral("tesselle"));
    ResourceFolder resources = ResourceFolder::besideApplication();
    XdgAutostart loginItems(XdgAutostart::defaultEntryPath(appInfo.identifier()),
                            QCoreApplication::applicationFilePath(), systemLog);
    LaunchAtLogin::Observable launchAtLogin(loginItems);
    QtClipboardPasteboard pasteboard;
    const DesktopSession session = GraphicalSession::detect(GraphicalSession::processEnvironment());
    const std::unique_ptr<PasteService> pasteService = choosePasteService(
        session, !QStandardPaths::findExecutable(QStringLiteral("wtype")).isEmpty());
    AppManager appManager(pasteboard, *pasteService, output);
    LocalUsageReporting usageReporting;
    SystemClock clock;
    FontTextMeasurer measurer;
    EmojiImageCache emojiImages(EmojiGridView::symbolSize, EmojiGridView::cellSize,
                                app.devicePixelRatio());
    // espanso is asked where its folder is when the launch restore opens the list.
    EspansoReplacementService replacementList([] { return EspansoConfigFolder::locate(); },
                                              defaults, output);
    ShortcutStack shortcuts(defaults, replacementList, clock, output);
    ShortcutRegistry& registry = shortcuts.registry();
    EspansoUserTriggers userTriggers([&replacementList] { return replacementList.matchFolder(); },
                                     output);
    UserShortcuts userShortcuts(userTriggers);
    EspansoStatus espanso;
    TextExpanderMonitor textExpander(espanso, output);

    // A key that toggles the panel from any application, where X11 lets a
    // program hold one. Under Wayland, XWayland's root window would see only the
    // keys typed into X11 programs.
    std::optional<X11GlobalShortcut> globalShortcut;
    if (session.kind == DesktopSession::Kind::x11 && X11GlobalShortcut::isAvailable())
        globalShortcut.emplace();
    KeyboardShortcut keyboardShortcut(defaults, globalShortcut ? &*globalShortcut : nullptr,
                                      session, output);

    AppDelegate delegate(AppDelegate::Services{
        defaults, launchAtLogin, appInfo, usageReporting, resources, measurer, registry, registry,
        shortcuts.background(), output, userShortcuts, textExpander, [&](AppDelegate& owner) {
            auto windowManager = std::make_unique<WindowManager>(
                owner.preferences(), defaults, appManager, resources,
                makeWindowContents({owner.preferences(), owner.preset(), defaults, resources,
                                    measurer, emojiImages, appManager, registry,
                                    shortcuts.background(), launchAtLogin, clock, output, appInfo,
                                    userShortcuts, textExpander, keyboardShortcut}));
            QObject::connect(&instance, &SingleInstance::toggleRequested, windowManager.get(),
                             &WindowManager::menuButtonToggle);
            QObject::connect(&instance, &SingleInstance::settingsRequested, windowManager.get(),
                             &WindowManager::openSettings);
            QObject::connect(&keyboardShortcut, &KeyboardShortcut::pressed, windowManager.get(),
                             &WindowManager::menuButtonToggle);
            QObject::connect(&owner.preferences(), &Preferences::didReset, &keyboardShortcut,
                             &KeyboardShortcut::reload);
            // Queued: the window's content goes after the window announced its end.
            QObject::connect(windowManager.get(), &WindowManager::welcomeWindowGone, &app,
                             &returnFreedMemory, Qt::QueuedConnection);
            QObject::connect(&textExpander, &TextExpanderMonitor::stateChanged, windowManager.get(),
                             [&textExpander, manager = windowManager.get()] {
                                 manager->showShortcutsInactive(textExpander.inactiveReason());
                             });
            return windowManager;
        }});

    QuitSignals quitSignals;
    QObject::connect(&quitSignals, &QuitSignals::quitRequested, &app, &QCoreApplication::quit);
    QObject::connect(&instance, &SingleInstance::quitRequested, &app, &QCoreApplication::quit);
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &delegate,
                     &AppDelegate::applicationWillTerminate);
    // The key goes back to the desktop as soon as the program starts to quit.
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &keyboardShortcut,
                     &KeyboardShortcut::release);
    // The desktop session ends: quit in order before the session manager moves on.
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &app, &QCoreApplication::quit);

    // Qt ends the process with exit() when the display connection breaks.
    const ExitGuard exitGuard(
        [&] {
            delegate.applicationWillTerminate();
            instance.announceEnd(delegate.exitCode(), delegate.quitFailure());
        },
        output);

    QMetaObject::invokeMethod(&delegate, &AppDelegate::applicationDidFinishLaunching,
                              Qt::QueuedConnection);
    // A first start asked for the panel or the settings opens them once launched.
    if (command.action == CommandLine::Action::toggle)
        QMetaObject::invokeMethod(&instance, &SingleInstance::toggleRequested,
                                  Qt::QueuedConnection);
    if (command.action == CommandLine::Action::settings)
        QMetaObject::invokeMethod(&instance, &SingleInstance::settingsRequested,
                                  Qt::QueuedConnection);
    app.exec();
    instance.announceEnd(delegate.exitCode(), delegate.quitFailure());
    if (delegate.isQuitUnfinished()) {
        // The background thread is stuck in the list: it cannot be joined.
        std::fflush(stdout);
        std::_Exit(delegate.exitCode());
    }
    shortcuts.background().stop();
    return delegate.exitCode();
}
