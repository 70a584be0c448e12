// The espanso match file as the store client uses it: reads before every change,
// additions split into 999 calls, removals in one call.
#include "Fakes.h"
#include "platform/linux/EspansoReplacementService.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <optional>

namespace {

using Entries = QList<TextReplacementEntry>;

Entries shortcuts(int count) {
    const QStringList phrases{"💃",  "👍🏽", "👩🏿‍💻",
                              "🇫🇷", "❤️",   "🧑🏻‍🤝‍🧑🏾"};
    Entries entries;
    for (int i = 0; i < count; ++i)
        entries.append({QStringLiteral("/shortcut-%1").arg(i), phrases[i % phrases.size()]});
    return entries;
}

bool succeeds(const std::function<void(TextReplacementService::Completion)>& call) {
    bool ok = false;
    call([&ok](std::optional<TextReplacementError> error) { ok = !error; });
    return ok;
}

// As the client submits additions: group k holds positions k, k + 999, ...
bool addInGroups(EspansoReplacementService& service, const Entries& entries) {
    for (int k = 0; k < 999; ++k) {
        Entries group;
        for (qsizetype i = k; i < entries.size(); i += 999)
            group.append(entries[i]);
        if (!succeeds([&](auto done) { service.addEntries(group, {}, done); }))
            return false;
    }
    return true;
}

struct MatchFile {
    QTemporaryDir root;
    QString path = root.path() + "/espanso/match/tesselle.yml";
};

void readCurrentEntriesOf2000(benchmark::State& state) {
    MatchFile file;
    EspansoReplacementService writer(file.path, discardedLines());
    if (!succeeds([&](auto done) { writer.addEntries(shortcuts(2000), {}, done); }))
        state.SkipWithError("could not write the file");
    for (auto _ : state) {
        EspansoReplacementService service(file.path, discardedLines());
        benchmark::DoNotOptimize(service.currentEntries());
    }
}
BENCHMARK(readCurrentEntriesOf2000)->Unit(benchmark::kMillisecond);

void readCurrentEntriesOf2000Unchanged(benchmark::State& state) {
    MatchFile file;
    EspansoReplacementService service(file.path, discardedLines());
    if (!succeeds([&](auto done) { service.addEntries(shortcuts(2000), {}, done); }))
        state.SkipWithError("could not write the file");
    for (auto _ : state)
        benchmark::DoNotOptimize(service.currentEntries());
}
BENCHMARK(readCurrentEntriesOf2000Unchanged)->Unit(benchmark::kMillisecond);

// A file not in the layout this program writes goes through the YAML parser.
void readCurrentEntriesOf2000InAnotherLayout(benchmark::State& state) {
    MatchFile file;
    EspansoReplacementService writer(file.path, discardedLines());
    if (!succeeds([&](auto done) { writer.addEntries(shortcuts(2000), {}, done); }))
        state.SkipWithError("could not write the file");
    QFile match(file.path);
    if (!match.open(QIODevice::ReadWrite))
        state.SkipWithError("could not rewrite the file");
    QByteArray content = match.readAll().replace("    word: true\n", "    word: yes\n");
    match.resize(0);
    match.write(content);
    match.close();
    for (auto _ : state) {
        EspansoReplacementService service(file.path, discardedLines());
        benchmark::DoNotOptimize(service.currentEntries());
    }
}
BENCHMARK(readCurrentEntriesOf2000InAnotherLayout)->Unit(benchmark::kMillisecond);

// Every iteration starts from no file; the folders are made and removed untimed.
void add1750In999Calls(benchmark::State& state) {
    const Entries entries = shortcuts(1750);
    std::optional<MatchFile> file;
    std::optional<EspansoReplacementService> service;
    for (auto _ : state) {
        state.PauseTiming();
        service.reset();
        file.emplace();
        service.emplace(file->path, discardedLines());
        state.ResumeTiming();
        if (!addInGroups(*service, entries))
            state.SkipWithError("an addition failed");
    }
}
BENCHMARK(add1750In999Calls)->Unit(benchmark::kMillisecond);

void remove1750InOneCall(benchmark::State& state) {
    const Entries entries = shortcuts(1750);
    std::optional<MatchFile> file;
    std::optional<EspansoReplacementService> service;
    for (auto _ : state) {
        state.PauseTiming();
        service.reset();
        file.emplace();
        service.emplace(file->path, discardedLines());
        if (!succeeds([&](auto done) { service->addEntries(entries, {}, done); }))
            state.SkipWithError("could not write the file");
        state.ResumeTiming();
        if (!succeeds([&](auto done) { service->addEntries({}, entries, done); }))
            state.SkipWithError("the removal failed");
    }
}
BENCHMARK(remove1750InOneCall)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
