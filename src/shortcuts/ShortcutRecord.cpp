#include "shortcuts/ShortcutRecord.h"

#include <QSet>

namespace ShortcutRecord {
namespace {

// Stands for a byte that is not UTF-8 while the record is parsed: a
// noncharacter, which no emoji holds.
constexpr char16_t badByte = u'\uFDD0';

QString shown(const nlohmann::json& json) {
    return QString::fromStdString(
               json.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace))
        .replace(QChar(badByte), QChar::ReplacementCharacter);
}

// The length of the UTF-8 sequence at `at`, or 0 when the byte there starts none.
qsizetype sequenceLength(QByteArrayView data, qsizetype at) {
    if (uchar(data[at]) < 0x80)
        return 1;
    for (qsizetype length = 2; length <= 4 && at + length <= data.size(); ++length) {
        if (data.sliced(at, length).isValidUtf8())
            return length;
    }
    return 0;
}

// The parser refuses a whole text for one byte that is not UTF-8. With each
// such byte replaced by `badByte`, only the shortcut whose text holds it is
// lost. Nothing when every byte is UTF-8, or when the data holds `badByte`
// already (then nothing could tell the two apart).
std::optional<QByteArray> replaceBadBytes(const QByteArray& data) {
    const QByteArray replacement = QString(QChar(badByte)).toUtf8();
    if (data.isValidUtf8() || data.contains(replacement) || data.toLower().contains("\\ufdd0"))
        return std::nullopt;
    QByteArray replaced;
    for (qsizetype at = 0; at < data.size();) {
        const qsizetype length = sequenceLength(data, at);
        replaced += length == 0 ? replacement : data.sliced(at, length);
        at += std::max<qsizetype>(length, 1);
    }
    return replaced;
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
    const std::optional<QByteArray> replaced = replaceBadBytes(stored.toByteArray());
    const QByteArray data = replaced.value_or(stored.toByteArray());
    const auto isBad = [&replaced](const QString& text) {
        return replaced && text.contains(QChar(badByte));
    };
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
        if (isBad(phrase)) {
            loaded.problems << "Skipped the recorded shortcuts of an emoji that is not valid "
                               "text: " +
                                   shown(nlohmann::json{{key, list}});
            loaded.isPartial = true;
            continue;
        }
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
            if (shortcut.phrase != phrase || shortcut.text.isEmpty() || isBad(shortcut.text)) {
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
