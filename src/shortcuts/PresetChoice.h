#pragma once

#include "shortcuts/PresetConfiguration.h"

// The configuration the user chose last, while the change to it runs: kept
// under "presetChoice" until the change is done, so that the next start
// finishes a change that a quit or a kill interrupted. No configuration is the
// choice to uninstall.
struct PresetChoice {
    std::optional<PresetConfiguration> configuration;

    bool operator==(const PresetChoice&) const = default;
};

// {"configuration": the configuration, or null}.
void to_json(nlohmann::json& json, const PresetChoice& choice);
void from_json(const nlohmann::json& json, PresetChoice& choice);
