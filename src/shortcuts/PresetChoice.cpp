#include "shortcuts/PresetChoice.h"

#include "settings/JsonTypes.h"

void to_json(nlohmann::json& json, const PresetChoice& choice) {
    json = nlohmann::json{{"configuration", choice.configuration}};
}

void from_json(const nlohmann::json& json, PresetChoice& choice) {
    json.at("configuration").get_to(choice.configuration);
}
