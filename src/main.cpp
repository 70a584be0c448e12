#include "app/CommandLine.h"
#include "app/Program.h"
#include "app/SingleInstance.h"
#include "platform/linux/BuildAppInfo.h"
#include "platform/linux/FreedMemory.h"
#include "platform/linux/GraphicalSession.h"
#include "platform/linux/QSettingsDefaultsStore.h"
#include "platform/linux/QuitSignals.h"
#include "platform/linux/StandardOutput.h"

#include <QApplication>
#include <cstdio>
#include <optional>

namespace {

QStringList argumentList(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
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
    const auto socketPath = [&appInfo] {
        return SingleInstance::defaultSocketPath(appInfo.identifier());
    };
    const auto settingsLockPath = [] {
        return SingleInstance::settingsLockPath(
            QSettingsDefaultsStore(QStringLiteral("tesselle"), QStringLiteral("tesselle"))
                .fileName());
    };
    if (const std::optional<int> code = command.answerWithoutStarting(socketPath, settingsLockPath))
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

    StandardOutput output;
    QSettingsDefaultsStore defaults(QStringLiteral("tesselle"), QStringLiteral("tesselle"));
    // A second start hands over to the running program and ends.
    SingleInstance instance(socketPath(), SingleInstance::settingsLockPath(defaults.fileName()),
                            output);
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

    Program program({app, appInfo, output, defaults, instance,
                     GraphicalSession::detect(GraphicalSession::processEnvironment()),
                     command.action});
    app.exec();
    return program.finish();
}
