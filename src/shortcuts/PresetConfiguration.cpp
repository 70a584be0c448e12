#include "shortcuts/PresetConfiguration.h"

#include <nlohmann/json.hpp>

void to_json(nlohmann::json& json, const PresetConfiguration& configuration) {
    json = nlohmann::json{{"gender", configuration.gender}, {"tone", configuration.tone}};
    if (configuration.family)
        json["family"] = *configuration.family;
}

void from_json(const nlohmann::json& json, PresetConfiguration& configuration) {
    json.at("gender").get_to(configuration.gender);
    json.at("tone").get_to(configuration.tone);
    const auto family = json.find("family");
    if (family == json.end() || family->is_null())
        configuration.family.reset();
    else
        configuration.family = family->get<Family>();
}
