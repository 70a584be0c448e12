// Installs the full preset (person, no family, in the skin tone given as the
// first argument, medium by default) with the program's real settings,
// espanso list and measurer, in whatever HOME it is given, over whatever is
// installed, and prints "installed" when done. A test kills it on the way.
#include "async/SystemClock.h"
#include "platform/linux/EspansoReplacementService.h"
#include "platform/linux/EspansoUserTriggers.h"
#include "platform/linux/FontTextMeasurer.h"
#include "platform/linux/QSettingsDefaultsStore.h"
#include "platform/linux/ResourceFolder.h"
#include "platform/linux/StandardOutput.h"
#include "shortcuts/Preset.h"
#include "shortcuts/ShortcutStack.h"
#include "shortcuts/TextReplacementClient.h"
#include "shortcuts/UserShortcuts.h"

#include <QCoroTask>
#include <QGuiApplication>

namespace {

QCoro::Task<> install(Preset& preset, Tone tone, LineOutput& output) {
    try {
        co_await preset.install(PresetConfiguration{Gender::person, tone, std::nullopt});
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
    SystemClock clock;
    FontTextMeasurer measurer;
    EspansoReplacementService list(EspansoReplacementService::defaultMatchFile(), output);
    ShortcutStack shortcuts(defaults, list, clock, output);
    EspansoUserTriggers userTriggers([&list] { return list.matchFolder(); }, output);
    UserShortcuts userShortcuts(userTriggers);
    Preset preset(defaults, resources, measurer, shortcuts.registry(), userShortcuts,
                  shortcuts.background());
    const std::optional<Tone> tone =
        argc > 1 ? toneFromRawValue(QByteArray(argv[1]).toInt()) : Tone::medium;
    QCoro::Task<> installing = install(preset, tone.value_or(Tone::medium), output);
    app.exec();
    return 0;
}
