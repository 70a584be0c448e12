#pragma once

#include <QList>
#include <QString>
#include <nlohmann/json_fwd.hpp>
#include <optional>

// The default appearance: which of the person, woman and man lists is installed.
// The raw values are the single person, woman and man emoji.
enum class Gender { person, female, male };

const QString& rawValue(Gender gender);
// Matches the text exactly; anything else gives no value.
std::optional<Gender> genderFromRawValue(const QString& rawValue);
const QList<Gender>& allGenders();

// As its raw text; decoding refuses anything else.
void to_json(nlohmann::json& json, Gender gender);
void from_json(const nlohmann::json& json, Gender& gender);
