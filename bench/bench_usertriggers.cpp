// Reading the user's own espanso triggers, as a check for collisions does
// before shortcuts are installed, and the memory a large file leaves behind.
#include "Fakes.h"
#include "ProcessMemory.h"
#include "platform/linux/EspansoUserTriggers.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

QByteArray matchFile(int count, const QString& prefix) {
    QByteArray text = "matches:\n";
    for (int i = 0; i < count; ++i) {
        text += "  - trigger: \"/" + prefix.toUtf8() + QByteArray::number(i) +
                "\"\n    replace: \"❤️ and some words\"\n    word: true\n";
    }
    return text;
}

bool write(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

void run(benchmark::State& state, const QString& matchFolder, qsizetype expected) {
    RecordingLineOutput output;
    const EspansoUserTriggers reader(matchFolder, output);
    for (auto _ : state) {
        if (reader.userTriggers().size() != expected)
            state.SkipWithError("wrong number of triggers");
    }
}

void readBaseFileOf1000Matches(benchmark::State& state) {
    QTemporaryDir root;
    if (!write(root.filePath("match/base.yml"), matchFile(1000, "base")))
        state.SkipWithError("could not write the files");
    run(state, root.filePath("match"), 1000);
}
BENCHMARK(readBaseFileOf1000Matches)->Unit(benchmark::kMillisecond);

void read200PackagesOf20Matches(benchmark::State& state) {
    QTemporaryDir root;
    for (int i = 0; i < 200; ++i) {
        const QString package = root.filePath("match/packages/p%1/").arg(i);
        if (!write(package + "package.yml", matchFile(20, QStringLiteral("p%1-").arg(i))) ||
            !write(package + "_manifest.yml", "name: p\nversion: 0.1.0\n"))
            state.SkipWithError("could not write the files");
    }
    run(state, root.filePath("match"), 4000);
}
BENCHMARK(read200PackagesOf20Matches)->Unit(benchmark::kMillisecond);

// What the process holds after reading one large file: the parse takes some
// forty times its size, which must go back to the system. A file over the
// bound is not read at all.
void residentMemoryAfterALargeFile(benchmark::State& state) {
    const int count = int(state.range(0));
    QTemporaryDir root;
    qsizetype size = 0;
    {
        const QByteArray text = matchFile(count, "word");
        size = text.size();
        if (!write(root.filePath("match/large.yml"), text))
            state.SkipWithError("could not write the file");
    }
    const bool isRead = size_t(size) <= EspansoUserTriggers::maxFileSize;
    RecordingLineOutput output;
    const EspansoUserTriggers reader(root.filePath("match"), output);
    for (auto _ : state) {
        resetPeakResidentMemory();
        const long before = processStatusKilobytes("VmRSS");
        if (reader.userTriggers().size() != (isRead ? count : 0))
            state.SkipWithError("wrong number of triggers");
        state.counters["file_MB"] = double(size) / (1 << 20);
        state.counters["added_rss_MB"] = double(processStatusKilobytes("VmRSS") - before) / 1024;
        state.counters["added_peak_MB"] = double(processStatusKilobytes("VmHWM") - before) / 1024;
    }
}
// Just under the bound, then a million matches.
BENCHMARK(residentMemoryAfterALargeFile)
    ->Arg(26000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

} // namespace

BENCHMARK_MAIN();
