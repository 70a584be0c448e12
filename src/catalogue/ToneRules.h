#pragma once

#include "catalogue/Emoji.h"
#include "catalogue/EmojiRecord.h"
#include "catalogue/Tone.h"

class TextMeasurer;

// The rules that give a symbol a skin tone, on Unicode scalars. Only the first
// person of a sequence is toned: the modifier goes directly after the first
// scalar, in place of a U+FE0F or a modifier already there, which gives
// Unicode's fully-qualified toned sequences.
QString applyTone(Tone tone, const QString& symbol);

// The symbol without a modifier directly after its first scalar; a base drawn
// as text by default gets back the U+FE0F that the modifier took the place of.
QString removeSkinTone(const QString& symbol);

// Whether the emoji font draws the light form of the symbol as one glyph, which
// it does only for symbols that take skin tones; otherwise the modifier shows as
// a second swatch beside it.
bool supportsSkinTone(const TextMeasurer& measurer, const QString& symbol);

// The untoned form, then the form for each of tonedCases(): always six entries.
// Callers check supportsSkinTone() first.
QStringList skinToneVariants(const QString& symbol);

// The catalogue record as shown: in the default tone when it takes one.
Emoji makeEmoji(const TextMeasurer& measurer, const EmojiRecord& record, std::optional<Tone> tone);
