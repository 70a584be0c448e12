#pragma once

#include "Fakes.h"
#include "InstantClock.h"
#include "RecordingReplacementService.h"
#include "async/BackgroundTasks.h"
#include "shortcuts/Preset.h"
#include "shortcuts/ShortcutStack.h"

// A Preset over a real registry on an in-memory replacement list, or on the
// list given. The registry's repair check does not come within a test.
struct PresetFixture {
    PresetFixture(DefaultsStore& defaults, const ResourceLocator& resources,
                  const TextMeasurer& measurer, TextReplacementService* list = nullptr)
        : stack(defaults, list ? *list : service, clock, output, std::chrono::hours(1)),
          preset(defaults, resources, measurer, registry, background) {}

    RecordingReplacementService service;
    RecordingLineOutput output;
    InstantClock clock;
    ShortcutStack stack;
    BackgroundTasks& background = stack.background();
    ShortcutRegistry& registry = stack.registry();
    Preset preset;
};
