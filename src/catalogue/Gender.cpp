#include "catalogue/Gender.h"

#include "settings/JsonTypes.h"

#include <array>

namespace {

const std::array<QString, 3>& rawValues() {
    static const std::array<QString, 3> values{QStringLiteral("🧑"), QStringLiteral("👩"),
                                               QStringLiteral("👨")};
    return values;
}

} // namespace

const QString& rawValue(Gender gender) {
    return rawValues()[static_cast<int>(gender)];
}

std::optional<Gender> genderFromRawValue(const QString& rawValue) {
    for (Gender gender : allGenders()) {
        if (::rawValue(gender) == rawValue)
            return gender;
    }
    return std::nullopt;
}

const QList<Gender>& allGenders() {
    static const QList<Gender> genders{Gender::person, Gender::female, Gender::male};
    return genders;
}

void to_json(nlohmann::json& json, Gender gender) {
    json = rawValue(gender);
}

void from_json(const nlohmann::json& json, Gender& gender) {
    const std::optional<Gender> decoded = genderFromRawValue(json.get<QString>());
    if (!decoded)
        throw nlohmann::json::out_of_range::create(401, "no appearance has this raw value", &json);
    gender = *decoded;
}
