// The catalogue as the picker and the preset installation use it, with the
// shipped data and the emoji font.
#include "FakeTextMeasurer.h"
#include "PresetFixture.h"
#include "ProcessMemory.h"
#include "TestEnvironment.h"
#include "WarmUpAndWait.h"
#include "catalogue/EmojiStore.h"
#include "catalogue/EmojiWords.h"
#include "catalogue/SystemGroups.h"
#include "platform/linux/FontTextMeasurer.h"
#include "platform/linux/ResourceFolder.h"
#include "shortcuts/PresetShortcuts.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>

namespace {

// Shared by the benchmarks: measured once, as after the launch warm-up.
struct Shared {
    ResourceFolder resources = ResourceFolder::besideApplication();
    FontTextMeasurer measurer;
    FakeDefaultsStore defaults;
    PresetFixture fixture{defaults, resources, measurer};

    Shared() { warmUpAndWait(resources, measurer); }
};

Shared* shared = nullptr;

// Each keystroke filters every group and ranks the best matches.
void searchKeystroke(benchmark::State& state, QStringList typed) {
    EmojiStore store(shared->fixture.preset, shared->defaults, shared->resources, shared->measurer);
    qsizetype keystroke = 0;
    for (auto _ : state) {
        store.setSearchText(typed[keystroke++ % typed.size()]);
        benchmark::DoNotOptimize(store.systemGroups());
        benchmark::DoNotOptimize(store.bestMatches());
    }
}
BENCHMARK_CAPTURE(searchKeystroke, oneWord, QStringList{"f", "fa", "fac", "face"})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(searchKeystroke, severalWords,
                  QStringList{"s", "se", "see", "see ", "see n", "see no", "see no e", "see no ev",
                              "see no evi", "see no evil"})
    ->Unit(benchmark::kMicrosecond);

// The same with every emoji's German words given, as for a user with LANGUAGE=de.
void searchKeystrokeWithGermanWords(benchmark::State& state) {
    EmojiStore store(shared->fixture.preset, shared->defaults, shared->resources, shared->measurer);
    store.setWords(std::make_shared<EmojiWords>(EmojiWords::load(shared->resources, "de")));
    const QStringList typed{"h", "he", "her", "herz"};
    qsizetype keystroke = 0;
    for (auto _ : state) {
        store.setSearchText(typed[keystroke++ % typed.size()]);
        benchmark::DoNotOptimize(store.systemGroups());
    }
}
BENCHMARK(searchKeystrokeWithGermanWords)->Unit(benchmark::kMicrosecond);

// What the background thread does once for a user with LANGUAGE=de.
void loadGermanWords(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(EmojiWords::load(shared->resources, "de"));
}
BENCHMARK(loadGermanWords)->Unit(benchmark::kMillisecond);

// What the picker's store keeps resident: the catalogue with its words and
// the search index. Run alone, so that no earlier benchmark's freed memory
// is reused.
void residentMemoryOfTheStore(benchmark::State& state) {
    for (auto _ : state) {
        const long before = processStatusKilobytes("VmRSS");
        const EmojiStore store(shared->fixture.preset, shared->defaults, shared->resources,
                               shared->measurer);
        state.counters["added_rss_MB"] = double(processStatusKilobytes("VmRSS") - before) / 1024;
    }
}
BENCHMARK(residentMemoryOfTheStore)->Unit(benchmark::kMillisecond)->Iterations(1);

void loadCatalogueWithWarmMeasurements(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(loadSystemGroups(shared->resources, shared->measurer, Tone::dark));
}
BENCHMARK(loadCatalogueWithWarmMeasurements)->Unit(benchmark::kMillisecond);

// Loading plus the search words and the favourites and recents.
void constructStoreWithWarmMeasurements(benchmark::State& state) {
    for (auto _ : state) {
        EmojiStore store(shared->fixture.preset, shared->defaults, shared->resources,
                         shared->measurer);
        benchmark::DoNotOptimize(store.systemGroups());
    }
}
BENCHMARK(constructStoreWithWarmMeasurements)->Unit(benchmark::kMillisecond);

void buildFullPresetList(benchmark::State& state) {
    const PresetConfiguration configuration{Gender::person, Tone::medium, Family::mwgb};
    for (auto _ : state)
        benchmark::DoNotOptimize(
            buildPresetShortcuts(shared->resources, shared->measurer, configuration));
}
BENCHMARK(buildFullPresetList)->Unit(benchmark::kMillisecond);

// The launch warm-up with nothing measured yet, on the background thread.
void coldMeasurementOfTheCatalogue(benchmark::State& state) {
    for (auto _ : state) {
        const FontTextMeasurer cold;
        const ResourceLocator& resources = shared->resources;
        warmUpAndWait(resources, cold);
    }
}
BENCHMARK(coldMeasurementOfTheCatalogue)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);

} // namespace

int main(int argc, char** argv) {
    TestEnvironment environment;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    Shared data;
    shared = &data;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
