// Installs the full preset (person, no family, in the skin tone given as the
// first argument, medium by default) in the program as it is built, with its
// real settings, espanso list and measurer, in whatever HOME it is given, over
// whatever is installed, and prints "installed" when done. A test kills it on
// the way.
#include "app/LinuxPlatform.h"
#include "app/Program.h"
#include "platform/linux/BuildAppInfo.h"
#include "platform/linux/QSettingsDefaultsStore.h"
#include "platform/linux/StandardOutput.h"

#include <QApplication>
#include <QCoroTask>

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
    QApplication app(argc, argv);
    StandardOutput output;
    BuildAppInfo appInfo;
    QSettingsDefaultsStore defaults(QStringLiteral("tesselle"), QStringLiteral("tesselle"));
    // No session: no key is held and nothing is pasted.
    LinuxPlatform platform({appInfo, output, defaults, DesktopSession{}, 1});
    Program program(platform.services());
    const std::optional<Tone> tone =
        argc > 1 ? toneFromRawValue(QByteArray(argv[1]).toInt()) : Tone::medium;
    QCoro::Task<> installing =
        install(program.delegate().preset(), tone.value_or(Tone::medium), output);
    app.exec();
    return 0;
}
