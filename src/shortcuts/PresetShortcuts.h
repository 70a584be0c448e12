#pragma once

#include "shortcuts/PresetConfiguration.h"
#include "shortcuts/Shortcut.h"

class ResourceLocator;
class TextMeasurer;

// The shortcuts a configuration installs: "common", then its appearance list,
// then, with a family, every name of "family" giving that family emoji; every
// phrase that takes skin tones in the configured tone. Fails with the failure
// of the first list that cannot be read ("No emojis resource found").
QList<Shortcut> buildPresetShortcuts(const ResourceLocator& resources, const TextMeasurer& measurer,
                                     const PresetConfiguration& configuration);
