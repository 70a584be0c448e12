#pragma once

#include "catalogue/Family.h"
#include "catalogue/Gender.h"
#include "catalogue/Tone.h"

// The user's choice of preset: which appearance list, which skin tone, and
// which family emoji the family shortcuts give (none installs no family shortcuts).
struct PresetConfiguration {
    Gender gender = Gender::person;
    Tone tone = Tone::yellow;
    std::optional<Family> family;

    bool operator==(const PresetConfiguration&) const = default;
};

// {"gender": raw text, "tone": raw integer, "family": raw text}; "family" is
// written only when present and read as absent when missing or null.
void to_json(nlohmann::json& json, const PresetConfiguration& configuration);
void from_json(const nlohmann::json& json, PresetConfiguration& configuration);
