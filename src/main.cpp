#include "app/AppDelegate.h"
#include "app/WindowManager.h"
#include "async/BackgroundTasks.h"
#include "platform/linux/BuildAppInfo.h"
#include "platform/linux/EspansoReplacementService.h"
#include "platform/linux/LocalUsageReporting.h"
#include "platform/linux/QSettingsDefaultsStore.h"
#include "platform/linux/QuitSignals.h"
#include "platform/linux/ResourceFolder.h"
#include "platform/linux/StandardOutput.h"
#include "platform/linux/Syslog.h"
#include "platform/linux/XdgAutostart.h"
#include "shortcuts/ShortcutRegistry.h"
#include "shortcuts/SystemClock.h"
#include "shortcuts/TextReplacementClient.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("tesselle"));
    app.setApplicationDisplayName(QStringLiteral("Tesselle"));
    app.setQuitOnLastWindowClosed(false);

    // Process-wide services, built once and handed to whoever needs them.
    BuildAppInfo appInfo;
    StandardOutput output;
    Syslog systemLog(QStringLiteral("tesselle"));
    QSettingsDefaultsStore defaults(QStringLiteral("tesselle"), QStringLiteral("tesselle"));
    ResourceFolder resources = ResourceFolder::besideApplication();
    XdgAutostart loginItems(XdgAutostart::defaultEntryPath(appInfo.identifier()),
                            QCoreApplication::applicationFilePath(), systemLog);
    LocalUsageReporting usageReporting;
    BackgroundTasks background;
    SystemClock clock;
    EspansoReplacementService replacementList(EspansoReplacementService::defaultMatchFile());
    TextReplacementClient client(replacementList, output);
    ShortcutRegistry registry(defaults, client, clock, background, output);

    AppDelegate delegate(AppDelegate::Services{
        defaults, loginItems, appInfo, usageReporting, registry, background,
        [&](AppDelegate& owner) {
            return std::make_unique<WindowManager>(owner.preferences(), defaults, resources);
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
    return 0;
}
