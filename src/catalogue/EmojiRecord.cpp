#include "catalogue/EmojiRecord.h"

#include "settings/JsonTypes.h"

namespace {

QStringList stringList(const nlohmann::json& json) {
    if (!json.is_array())
        throw nlohmann::json::type_error::create(302, "expected an array of strings", &json);
    QStringList texts;
    texts.reserve(json.size());
    for (const nlohmann::json& element : json)
        texts << element.get<QString>();
    return texts;
}

} // namespace

void from_json(const nlohmann::json& json, EmojiRecord& record) {
    record.emoji = json.at("emoji").get<QString>();
    record.description = json.at("description").get<QString>();
    record.category = json.at("category").get<QString>();
    record.aliases = stringList(json.at("aliases"));
    record.tags = stringList(json.at("tags"));
}
