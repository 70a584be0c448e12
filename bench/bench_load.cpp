// A registry of 10,000 custom shortcuts over the real espanso match file: the
// launch (decoding the settings, then the restore), the quit removal, the
// detail panel's lookups, and the memory the registry holds.
#include "Fakes.h"
#include "TestEnvironment.h"
#include "WaitFor.h"
#include "async/BackgroundTasks.h"
#include "async/SystemClock.h"
#include "platform/linux/EspansoReplacementService.h"
#include "settings/SettingsKeys.h"
#include "shortcuts/ShortcutRegistry.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <malloc.h>

namespace {

constexpr int shortcutCount = 10000;

// Five shortcuts for each of 2,000 emoji, as a user's own names would spread.
QString phraseOf(int i) {
    return QString::fromUcs4(std::u32string(1, char32_t(0x1F300 + i / 5)).data(), 1);
}

ShortcutRegistry::Map customMap() {
    ShortcutRegistry::Map map;
    for (int i = 0; i < shortcutCount; ++i)
        map[phraseOf(i)].append({QStringLiteral("/custom%1").arg(i), phraseOf(i), true});
    return map;
}

// Bytes in use on the heap: unlike the resident size, not hidden by memory that
// earlier benchmarks freed and the allocator kept.
double heapKilobytes() {
    return double(mallinfo2().uordblks) / 1024;
}

// The settings as a previous run left them, and an empty match file.
struct Launch {
    QTemporaryDir folder;
    EspansoReplacementService espanso{folder.filePath("match/tesselle.yml"), discardedLines()};
    FakeDefaultsStore defaults;
    RecordingLineOutput output;
    SystemClock clock;
    BackgroundTasks background;
    TextReplacementClient client{espanso, output};

    explicit Launch(const ShortcutRegistry::Map& map) {
        StoredSetting<std::optional<ShortcutRegistry::Map>>(defaults, SettingsKeys::shortcuts,
                                                            std::nullopt)
            .write(map);
    }
    ~Launch() { background.stop(); }
    std::unique_ptr<ShortcutRegistry> registry() {
        return std::make_unique<ShortcutRegistry>(defaults, client, clock, background, output);
    }
};

void launchRestore(benchmark::State& state) {
    const ShortcutRegistry::Map map = customMap();
    for (auto _ : state) {
        state.PauseTiming();
        Launch launch(map);
        state.ResumeTiming();
        const auto registry = launch.registry();
        waitForTask(registry->restoreShortcuts(), std::chrono::minutes(5));
        state.PauseTiming();
        if (launch.espanso.currentEntries().size() != shortcutCount)
            state.SkipWithError("The restore lost shortcuts");
        state.ResumeTiming();
    }
}
BENCHMARK(launchRestore)->Unit(benchmark::kMillisecond)->Iterations(3);

void quitRemoval(benchmark::State& state) {
    const ShortcutRegistry::Map map = customMap();
    for (auto _ : state) {
        state.PauseTiming();
        Launch launch(map);
        const auto registry = launch.registry();
        waitForTask(registry->restoreShortcuts(), std::chrono::minutes(5));
        state.ResumeTiming();
        waitForTask(registry->removeAllShortcuts(), std::chrono::minutes(5));
        state.PauseTiming();
        if (!launch.espanso.currentEntries().isEmpty())
            state.SkipWithError("The removal left shortcuts");
        state.ResumeTiming();
    }
}
BENCHMARK(quitRemoval)->Unit(benchmark::kMillisecond)->Iterations(3);

// What the detail panel asks for each emoji it shows.
void lookupByPhrase(benchmark::State& state) {
    Launch launch(customMap());
    const auto registry = launch.registry();
    int i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(registry->shortcuts(phraseOf(i)));
        i = (i + 7919) % shortcutCount;
    }
}
BENCHMARK(lookupByPhrase)->Unit(benchmark::kMicrosecond);

void allShortcuts(benchmark::State& state) {
    Launch launch(customMap());
    const auto registry = launch.registry();
    for (auto _ : state)
        benchmark::DoNotOptimize(registry->allShortcuts());
}
BENCHMARK(allShortcuts)->Unit(benchmark::kMillisecond);

// The heap memory a registry of 10,000 shortcuts adds, decoded from the
// settings as at launch.
void registryMemory(benchmark::State& state) {
    Launch launch(customMap());
    for (auto _ : state) {
        const double before = heapKilobytes();
        const auto registry = launch.registry();
        state.counters["heap_kB"] = heapKilobytes() - before;
        state.counters["settings_kB"] =
            double(launch.defaults.value(SettingsKeys::shortcuts).toByteArray().size()) / 1024;
    }
}
BENCHMARK(registryMemory)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

int main(int argc, char** argv) {
    TestEnvironment environment;
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
