// The replacement list client over the real espanso match file, as a preset
// installation and the quit removal use it.
#include "Fakes.h"
#include "TestEnvironment.h"
#include "WaitFor.h"
#include "platform/linux/EspansoReplacementService.h"
#include "shortcuts/TextReplacementClient.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

QList<Replacement> freshPairs(int count) {
    QList<Replacement> pairs;
    for (int i = 0; i < count; ++i)
        pairs.append({QStringLiteral("/name%1").arg(i), QStringLiteral("😀%1").arg(i)});
    return pairs;
}

void registerFreshShortcutsWithOverride(benchmark::State& state) {
    const QList<Replacement> pairs = freshPairs(int(state.range(0)));
    RecordingLineOutput output;
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir root;
        EspansoReplacementService service(root.path() + "/match/tesselle.yml", discardedLines());
        TextReplacementClient client(service, output);
        state.ResumeTiming();
        waitForTask(client.addReplacements(pairs, true));
    }
}
BENCHMARK(registerFreshShortcutsWithOverride)->Arg(1750)->Unit(benchmark::kMillisecond);

void removeAllShortcuts(benchmark::State& state) {
    const QList<Replacement> pairs = freshPairs(int(state.range(0)));
    QStringList texts;
    for (const Replacement& pair : pairs)
        texts << pair.shortcut;
    RecordingLineOutput output;
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir root;
        EspansoReplacementService service(root.path() + "/match/tesselle.yml", discardedLines());
        TextReplacementClient client(service, output);
        waitForTask(client.addReplacements(pairs, false));
        state.ResumeTiming();
        waitForTask(client.removeReplacements(texts));
    }
}
BENCHMARK(removeAllShortcuts)->Arg(1750)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    TestEnvironment environment;
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
