// Installs the full preset (person, medium skin tone, no family) with the
// program's real settings, espanso list and measurer, in whatever HOME it is
// given, and prints "installed" when done. A test kills it on the way.
#include "async/BackgroundTasks.h"
#include "platform/linux/EspansoReplacementService.h"
#include "platform/linux/FontTextMeasurer.h"
#include "platform/linux/QSettingsDefaultsStore.h"
#include "platform/linux/ResourceFolder.h"
#include "platform/linux/StandardOutput.h"
#include "shortcuts/Preset.h"
#include "shortcuts/ShortcutRegistry.h"
#include "shortcuts/SystemClock.h"
#include "shortcuts/TextReplacementClient.h"

#include <QCoroTask>
#include <QGuiApplication>

namespace {

QCoro::Task<> install(Preset& preset, LineOutput& output) {
    try {
        co_await preset.install(PresetConfiguration{Gender::person, Tone::medium, std::nullopt});
        output.writeLine(QStringLiteral("installed"));
    } catch (const std::exception& error) {
        output.writeLine(QString::fromUtf8(error.what()));
    }
}

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    StandardOutput output;
    QSettingsDefaultsStore defaults(QStringLiteral("tesselle"), QStringLiteral("tesselle"));
    ResourceFolder resources = ResourceFolder::besideApplication();
    BackgroundTasks background;
    SystemClock clock;
    EspansoReplacementService list(EspansoReplacementService::defaultMatchFile(), output);
    TextReplacementClient client(list, output);
    ShortcutRegistry registry(defaults, client, clock, background, output);
    FontTextMeasurer measurer;
    Preset preset(defaults, resources, measurer, registry, background);
    QCoro::Task<> installing = install(preset, output);
    app.exec();
    background.stop();
    return 0;
}
