#include "catalogue/MeasurementWarmUp.h"

#include "catalogue/EmojiRecord.h"
#include "catalogue/ToneRules.h"
#include "platform/ResourceLocator.h"

#include <QCoroTimer>
#include <QFile>

namespace {

// Symbols measured between two turns of the thread's event loop, so that the
// quit's removal of the shortcuts never waits for the whole warm-up.
constexpr int symbolsPerTurn = 32;

QList<EmojiRecord> catalogueRecords(const ResourceLocator& resources) {
    const std::optional<QString> path =
        resources.path(QStringLiteral("emojis"), QStringLiteral("json"));
    if (!path)
        return {};
    QFile file(*path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    try {
        return readEmojiRecords(file.readAll());
    } catch (const std::exception&) {
        return {};
    }
}

} // namespace

QCoro::Task<> warmUpMeasurements(const ResourceLocator& resources, const TextMeasurer& measurer) {
    const QList<EmojiRecord> records = catalogueRecords(resources);
    for (qsizetype i = 0; i < records.size(); ++i) {
        // The same measurements as loading the catalogue in any tone but yellow.
        supportsSkinTone(measurer, records[i].emoji);
        if ((i + 1) % symbolsPerTurn == 0)
            co_await QCoro::sleepFor(std::chrono::milliseconds(0));
    }
}
