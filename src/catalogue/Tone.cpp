#include "catalogue/Tone.h"

#include <array>
#include <nlohmann/json.hpp>

int rawValue(Tone tone) {
    return static_cast<int>(tone);
}

std::optional<Tone> toneFromRawValue(int rawValue) {
    if (rawValue < 0 || rawValue > 5)
        return std::nullopt;
    return static_cast<Tone>(rawValue);
}

const QList<Tone>& allTones() {
    static const QList<Tone> tones{Tone::yellow, Tone::light,      Tone::mediumLight,
                                   Tone::medium, Tone::mediumDark, Tone::dark};
    return tones;
}

const QList<Tone>& tonedCases() {
    static const QList<Tone> tones = allTones().sliced(1);
    return tones;
}

const QString& modifier(Tone tone) {
    static const std::array<QString, 6> modifiers = [] {
        std::array<QString, 6> texts;
        for (int raw = 1; raw < 6; ++raw) {
            const char32_t scalar = U'\U0001F3FA' + raw;
            texts[raw] = QString::fromUcs4(&scalar, 1);
        }
        return texts;
    }();
    return modifiers[rawValue(tone)];
}

void to_json(nlohmann::json& json, Tone tone) {
    json = rawValue(tone);
}

void from_json(const nlohmann::json& json, Tone& tone) {
    // get<int>() would also take true or 2.5.
    if (!json.is_number_integer())
        throw nlohmann::json::type_error::create(302, "a tone is an integer", &json);
    const auto raw = json.get<std::int64_t>();
    const std::optional<Tone> decoded = raw == int(raw) ? toneFromRawValue(int(raw)) : std::nullopt;
    if (!decoded)
        throw nlohmann::json::out_of_range::create(401, "no tone has this raw value", &json);
    tone = *decoded;
}
