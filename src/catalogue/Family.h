#pragma once

#include <QList>
#include <QString>
#include <nlohmann/json_fwd.hpp>
#include <optional>

// The default family emoji. Each case spells its members, one letter each
// (m man, w woman, g girl, b boy); the raw value is their emoji joined by
// U+200D, and nnn is the single family emoji U+1F46A.
enum class Family {
    wg,
    mg,
    mwg,
    wwg,
    mmg,
    wb,
    mb,
    mwb,
    wwb,
    mmb,
    wgg,
    mgg,
    mwgg,
    wwgg,
    mmgg,
    wgb,
    mgb,
    mwgb,
    wwgb,
    mmgb,
    wbb,
    mbb,
    mwbb,
    wwbb,
    mmbb,
    nnn
};

const QString& rawValue(Family family);
// Matches the text exactly against the 26 raw values; anything else gives no value.
std::optional<Family> familyFromRawValue(const QString& rawValue);
// All 26 cases in declaration order.
const QList<Family>& allFamilies();

// As its raw text; decoding refuses anything else.
void to_json(nlohmann::json& json, Family family);
void from_json(const nlohmann::json& json, Family& family);
