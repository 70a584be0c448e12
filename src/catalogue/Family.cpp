#include "catalogue/Family.h"

#include "settings/JsonTypes.h"

#include <QHash>

namespace {

// The case names, in declaration order; each letter is one member.
constexpr const char* spellings[] = {"wg",   "mg",   "mwg",  "wwg",  "mmg",  "wb",   "mb",
                                     "mwb",  "wwb",  "mmb",  "wgg",  "mgg",  "mwgg", "wwgg",
                                     "mmgg", "wgb",  "mgb",  "mwgb", "wwgb", "mmgb", "wbb",
                                     "mbb",  "mwbb", "wwbb", "mmbb"};

QString membersJoined(const char* spelling) {
    static const QHash<char, char32_t> members{
        {'m', U'\U0001F468'}, {'w', U'\U0001F469'}, {'g', U'\U0001F467'}, {'b', U'\U0001F466'}};
    QList<char32_t> scalars;
    for (const char* letter = spelling; *letter; ++letter) {
        if (!scalars.isEmpty())
            scalars << U'\u200D';
        scalars << members.value(*letter);
    }
    return QString::fromUcs4(scalars.constData(), scalars.size());
}

const QList<QString>& rawValues() {
    static const QList<QString> values = [] {
        QList<QString> texts;
        for (const char* spelling : spellings)
            texts << membersJoined(spelling);
        texts << QStringLiteral("👪");
        return texts;
    }();
    return values;
}

} // namespace

const QString& rawValue(Family family) {
    return rawValues()[static_cast<int>(family)];
}

std::optional<Family> familyFromRawValue(const QString& rawValue) {
    const qsizetype index = rawValues().indexOf(rawValue);
    if (index < 0)
        return std::nullopt;
    return static_cast<Family>(index);
}

const QList<Family>& allFamilies() {
    static const QList<Family> families = [] {
        QList<Family> cases;
        for (int index = 0; index <= static_cast<int>(Family::nnn); ++index)
            cases << static_cast<Family>(index);
        return cases;
    }();
    return families;
}

void to_json(nlohmann::json& json, Family family) {
    json = rawValue(family);
}

void from_json(const nlohmann::json& json, Family& family) {
    const std::optional<Family> decoded = familyFromRawValue(json.get<QString>());
    if (!decoded)
        throw nlohmann::json::out_of_range::create(401, "no family has this raw value", &json);
    family = *decoded;
}
