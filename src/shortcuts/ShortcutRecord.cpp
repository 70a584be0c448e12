#include "shortcuts/ShortcutRecord.h"

#include <QSet>

namespace ShortcutRecord {
namespace {

QString shown(const nlohmann::json& json) {
    return QString::fromStdString(
        json.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace));
}

} // namespace

Loaded read(const QVariant& stored) {
    Loaded loaded;
    if (!stored.isValid())
        return loaded;
    loaded.isPartial = true;
    if (stored.typeId() != QMetaType::QByteArray) {
        loaded.problems << QStringLiteral("The recorded shortcuts are not stored as data");
        return loaded;
    }
    const QByteArray data = stored.toByteArray();
    const nlohmann::json json = nlohmann::json::parse(data.begin(), data.end(), nullptr, false);
    if (json.is_discarded() || !json.is_object()) {
        loaded.problems << QStringLiteral("The recorded shortcuts are not a JSON object");
        return loaded;
    }
    loaded.isPartial = false;
    // A text belongs to one phrase: the first record of it wins, in stored order.
    QHash<QString, QString> owners;
    for (const auto& [key, list] : json.items()) {
        const QString phrase = QString::fromStdString(key);
        QList<Shortcut>& shortcuts = loaded.map[phrase];
        if (!list.is_array()) {
            loaded.problems << "Skipped the recorded shortcuts of " + phrase + ": " + shown(list);
            loaded.isPartial = true;
            continue;
        }
        for (const nlohmann::json& entry : list) {
            Shortcut shortcut;
            try {
                entry.get_to(shortcut);
            } catch (const nlohmann::json::exception&) {
                shortcut.phrase.clear();
            }
            if (shortcut.phrase != phrase || shortcut.text.isEmpty()) {
                loaded.problems << "Skipped a recorded shortcut of " + phrase +
                                       " that could not be read: " + shown(entry);
                loaded.isPartial = true;
                continue;
            }
            const auto owner = owners.constFind(shortcut.text);
            if (owner != owners.cend()) {
                loaded.problems << "Dropped " + shortcut.text + " for " + phrase +
                                       ": it is recorded for " + *owner + " already";
                loaded.isPartial = true;
                continue;
            }
            owners.insert(shortcut.text, phrase);
            shortcuts.append(shortcut);
        }
    }
    return loaded;
}

} // namespace ShortcutRecord

void to_json(nlohmann::json& json, const ShortcutRecord::Map& map) {
    json = nlohmann::json::object();
    for (auto it = map.cbegin(); it != map.cend(); ++it)
        json[it.key().toStdString()] = it.value();
}

void from_json(const nlohmann::json& json, ShortcutRecord::Map& map) {
    if (!json.is_object())
        throw nlohmann::json::type_error::create(302, "the registry is not an object", &json);
    map.clear();
    for (const auto& [phrase, list] : json.items())
        map.insert(QString::fromStdString(phrase), list.get<QList<Shortcut>>());
}
