#pragma once

#include <QList>
#include <QString>
#include <nlohmann/json_fwd.hpp>
#include <optional>

// The default skin tone. Raw values 0-5 are what the installed configuration stores.
enum class Tone { yellow = 0, light, mediumLight, medium, mediumDark, dark };

int rawValue(Tone tone);
// Accepts 0-5; anything else gives no tone.
std::optional<Tone> toneFromRawValue(int rawValue);

// All cases in declaration order, and all of them without yellow.
const QList<Tone>& allTones();
const QList<Tone>& tonedCases();

// The Fitzpatrick modifier of the tone; empty for yellow.
const QString& modifier(Tone tone);

// As its integer raw value; decoding refuses anything else.
void to_json(nlohmann::json& json, Tone tone);
void from_json(const nlohmann::json& json, Tone& tone);
