#include "catalogue/MeasurementWarmUp.h"

#include "async/BackgroundTasks.h"
#include "catalogue/EmojiRecord.h"
#include "catalogue/ToneRules.h"
#include "platform/ResourceLocator.h"

#include <QFile>
#include <memory>

namespace {

constexpr qsizetype symbolsPerJob = 32;

struct WarmUp {
    BackgroundTasks& background;
    const TextMeasurer& measurer;
    std::function<void()> done;
    QList<EmojiRecord> records;
};

// The jobs do their share at once; this is the task they hand back.
QCoro::Task<> ended() {
    co_return;
}

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

void measureFrom(const std::shared_ptr<WarmUp>& warmUp, qsizetype from) {
    warmUp->background.start([warmUp, from]() -> QCoro::Task<> {
        const qsizetype end = std::min(from + symbolsPerJob, warmUp->records.size());
        for (qsizetype index = from; index < end; ++index)
            supportsSkinTone(warmUp->measurer, warmUp->records[index].emoji);
        if (end < warmUp->records.size())
            measureFrom(warmUp, end);
        else if (warmUp->done)
            warmUp->done();
        return ended();
    });
}

} // namespace

void warmUpMeasurements(BackgroundTasks& background, const ResourceLocator& resources,
                        const TextMeasurer& measurer, std::function<void()> done) {
    auto warmUp = std::make_shared<WarmUp>(WarmUp{background, measurer, std::move(done), {}});
    background.start([warmUp, &resources]() -> QCoro::Task<> {
        warmUp->records = catalogueRecords(resources);
        measureFrom(warmUp, 0);
        return ended();
    });
}
