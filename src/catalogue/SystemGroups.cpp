#include "catalogue/SystemGroups.h"

#include "catalogue/EmojiRecord.h"
#include "catalogue/ToneRules.h"
#include "platform/MessageError.h"
#include "platform/ResourceLocator.h"

#include <QFile>
#include <QHash>

namespace {

QList<EmojiRecord> readRecords(const ResourceLocator& resources) {
    const std::optional<QString> path =
        resources.path(QStringLiteral("emojis"), QStringLiteral("json"));
    if (!path)
        throw MessageError("No emojis resource found");
    QFile file(*path);
    if (!file.open(QIODevice::ReadOnly))
        throw MessageError(file.errorString());
    return readEmojiRecords(file.readAll());
}

} // namespace

QList<EmojiGroup> loadSystemGroups(const ResourceLocator& resources, const TextMeasurer& measurer,
                                   std::optional<Tone> tone) {
    QHash<QString, QList<Emoji>> byCategory;
    for (const EmojiRecord& record : readRecords(resources))
        byCategory[record.category].append(makeEmoji(measurer, record, tone));

    QList<EmojiGroup> groups;
    for (EmojiGroupType type : allGroupTypes()) {
        QList<Emoji> emojis;
        for (const QString& category : categories(type))
            emojis += byCategory.value(category);
        if (!emojis.isEmpty())
            groups.append({type, std::move(emojis)});
    }
    return groups;
}
