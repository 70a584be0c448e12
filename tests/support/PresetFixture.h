#pragma once

#include "Fakes.h"
#include "InstantClock.h"
#include "RecordingReplacementService.h"
#include "async/BackgroundTasks.h"
#include "shortcuts/Preset.h"
#include "shortcuts/ShortcutStack.h"
#include "shortcuts/UserShortcuts.h"

// A Preset over a real registry on an in-memory replacement list, or on the
// list given, with the user's own triggers as the test sets them or from the
// source given. The registry's repair check does not come within a test,
// unless it is given a delay.
struct PresetFixture {
    PresetFixture(DefaultsStore& defaults, const ResourceLocator& resources,
                  const TextMeasurer& measurer, TextReplacementService* list = nullptr,
                  const UserTriggerSource* triggers = nullptr,
                  std::chrono::milliseconds repairDelay = std::chrono::hours(1))
        : stack(defaults, list ? *list : service, clock, output, repairDelay),
          userShortcuts(triggers ? *triggers : userTriggers),
          preset(defaults, resources, measurer, registry, userShortcuts, background) {}
    // The preset's readings of the user's files, which every repair starts,
    // run there until the thread ends.
    ~PresetFixture() { background.stop(); }

    RecordingReplacementService service;
    RecordingLineOutput output;
    InstantClock clock;
    ShortcutStack stack;
    BackgroundTasks& background = stack.background();
    ShortcutRegistry& registry = stack.registry();
    FakeUserTriggerSource userTriggers;
    UserShortcuts userShortcuts;
    Preset preset;
};
