#include "app/AppDelegate.h"
#include "app/AppManager.h"
#include "app/PasteServiceChoice.h"
#include "app/SingleInstance.h"
#include "app/WindowContents.h"
#include "app/WindowManager.h"
#include "async/SystemClock.h"
#include "platform/linux/BuildAppInfo.h"
#include "platform/linux/EspansoConfigFolder.h"
#include "platform/linux/EspansoReplacementService.h"
#include "platform/linux/EspansoStatus.h"
#include "platform/linux/EspansoUserTriggers.h"
#include "platform/linux/FontTextMeasurer.h"
#include "platform/linux/GraphicalSession.h"
#include "platform/linux/LocalUsageReporting.h"
#include "platform/linux/QSettingsDefaultsStore.h"
#include "platform/linux/QtClipboardPasteboard.h"
#include "platform/linux/QuitSignals.h"
#include "platform/linux/ResourceFolder.h"
#include "platform/linux/StandardOutput.h"
#include "platform/linux/Syslog.h"
#include "platform/linux/XdgAutostart.h"
#include "settings/LaunchAtLogin.h"
#include "shortcuts/ShortcutStack.h"
#include "shortcuts/TextExpanderMonitor.h"
#include "shortcuts/UserShortcuts.h"
#include "ui/picker/EmojiGridView.h"
#include "ui/picker/EmojiImageCache.h"

#include <QApplication>
#include <QFileInfo>
#include <QStandardPaths>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    // A quit asked for while starting up runs once the event loop does.
    QuitSignals::catchEarly();
    GraphicalSession::ignoreRelativeXdgFolders();
    if (!GraphicalSession::isReachable()) {
        std::fputs("Tesselle needs a graphical session (X11 or Wayland)\n", stderr);
        return 1;
    }
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("tesselle"));
    // No display name: Qt would append it to every window title that does not
    // end with it ("Tesselle Settings — Tesselle"), and the titles name the
    // program already.
    app.setQuitOnLastWindowClosed(false);
    app.setDesktopFileName(QStringLiteral("tesselle"));

    // Process-wide services, built once and handed to whoever needs them.
    BuildAppInfo appInfo;
    StandardOutput output;
    QSettingsDefaultsStore defaults(QStringLiteral("tesselle"), QStringLiteral("tesselle"));
    // A second start hands over to the running program and ends.
    SingleInstance instance(SingleInstance::defaultSocketPath(appInfo.identifier()),
                            QFileInfo(defaults.fileName()).absolutePath() + "/tesselle.lock",
                            output);
    switch (instance.claim()) {
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
    const std::unique_ptr<PasteService> pasteService =
        choosePasteService(GraphicalSession::detect(GraphicalSession::processEnvironment()),
                           !QStandardPaths::findExecutable(QStringLiteral("wtype")).isEmpty());
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

    AppDelegate delegate(AppDelegate::Services{
        defaults, launchAtLogin, appInfo, usageReporting, resources, measurer, registry, registry,
        shortcuts.background(), output, userShortcuts, textExpander, [&](AppDelegate& owner) {
            auto windowManager = std::make_unique<WindowManager>(
                owner.preferences(), defaults, appManager, resources,
                makeWindowContents({owner.preferences(), owner.preset(), defaults, resources,
                                    measurer, emojiImages, appManager, registry,
                                    shortcuts.background(), launchAtLogin, clock, output, appInfo,
                                    userShortcuts, textExpander}));
            QObject::connect(&instance, &SingleInstance::toggleRequested, windowManager.get(),
                             &WindowManager::menuButtonToggle);
            QObject::connect(&textExpander, &TextExpanderMonitor::stateChanged, windowManager.get(),
                             [&textExpander, manager = windowManager.get()] {
                                 manager->showShortcutsInactive(textExpander.inactiveReason());
                             });
            return windowManager;
        }});

    QuitSignals quitSignals;
    QObject::connect(&quitSignals, &QuitSignals::quitRequested, &app, &QCoreApplication::quit);
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &delegate,
                     &AppDelegate::applicationWillTerminate);
    // The desktop session ends: quit in order before the session manager moves on.
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &app, &QCoreApplication::quit);

    QMetaObject::invokeMethod(&delegate, &AppDelegate::applicationDidFinishLaunching,
                              Qt::QueuedConnection);
    app.exec();
    if (delegate.isQuitUnfinished()) {
        // The background thread is stuck in the list: it cannot be joined.
        std::fflush(stdout);
        std::_Exit(delegate.exitCode());
    }
    shortcuts.background().stop();
    return delegate.exitCode();
}
