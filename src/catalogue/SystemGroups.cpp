#include "catalogue/SystemGroups.h"

#include "catalogue/EmojiRecord.h"
#include "catalogue/ToneRules.h"
#include "platform/MessageError.h"
#include "platform/ResourceLocator.h"

#include <QFile>
#include <QHash>
#include <nlohmann/json.hpp>

namespace {

std::vector<EmojiRecord> readRecords(const ResourceLocator& resources) {
    const std::optional<QString> path =
        resources.path(QStringLiteral("emojis"), QStringLiteral("json"));
    if (!path)
        throw MessageError("No emojis resource found");
    QFile file(*path);
    if (!file.open(QIODevice::ReadOnly))
        throw MessageError(file.errorString());
    const QByteArray content = file.readAll();
    try {
        const nlohmann::json json = nlohmann::json::parse(content.cbegin(), content.cend());
        if (!json.is_array())
            throw nlohmann::json::type_error::create(302, "the catalogue is not an array", &json);
        return json.get<std::vector<EmojiRecord>>();
    } catch (const nlohmann::json::exception& error) {
        throw MessageError(error.what());
    }
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
