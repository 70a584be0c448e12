#pragma once

#include "catalogue/EmojiGroup.h"
#include "catalogue/Tone.h"

class ResourceLocator;
class TextMeasurer;

// The catalogue groups from the resource "emojis.json", in tab order, each
// non-empty, with the emoji that take skin tones in the given tone. Records of
// other categories are left out; repeated records are kept. Fails with
// "No emojis resource found", the read error, or the decoding error of the first
// bad record: there is no partial catalogue.
QList<EmojiGroup> loadSystemGroups(const ResourceLocator& resources, const TextMeasurer& measurer,
                                   std::optional<Tone> tone);
