#pragma once

#include "FakeGlobalShortcut.h"
#include "FakeTextMeasurer.h"
#include "Fakes.h"
#include "InstantClock.h"
#include "PresetFixture.h"
#include "RecordingReplacementService.h"
#include "app/AppManager.h"
#include "app/PlatformServices.h"
#include "app/Program.h"
#include "app/WindowManager.h"
#include "platform/linux/LocalUsageReporting.h"
#include "platform/linux/ResourceFolder.h"
#include "settings/LaunchAtLogin.h"
#include "settings/Preferences.h"

// The program's shared objects over fakes, for suites that build their own
// windows: the preferences, copy and paste, the shipped data and the preset
// over an in-memory list. A suite's fixture adds its windows and what it varies.
struct ProgramOverFakes {
    FakeDefaultsStore defaults;
    FakeLoginItemService loginItems;
    LaunchAtLogin::Observable launchAtLogin{loginItems};
    Preferences preferences{defaults, launchAtLogin};
    RecordingPasteboard pasteboard;
    FakePasteService pasteService;
    RecordingLineOutput output;
    AppManager appManager{pasteboard, pasteService, output};
    ResourceFolder resources{TESSELLE_SOURCE_RESOURCES};
    FakeAppInfo appInfo;
    FakeTextMeasurer measurer;
    PresetFixture presets{defaults, resources, measurer};
};

// The platform's services as fakes: settings in memory, copy and paste that
// record, the shipped data, an in-memory replacement list, a key held for the
// whole desktop, no waiting; the symbols measured by the suite's measurer.
template <typename Measurer = FakeTextMeasurer> struct PlatformFakes {
    FakeDefaultsStore defaults;
    RecordingLineOutput output;
    FakeAppInfo appInfo;
    ResourceFolder resources{TESSELLE_SOURCE_RESOURCES};
    FakeLoginItemService loginItems;
    RecordingPasteboard pasteboard;
    FakePasteService pasteService;
    LocalUsageReporting usageReporting;
    InstantClock clock;
    Measurer measurer;
    RecordingReplacementService list;
    FakeUserTriggerSource userTriggers;
    FakeGlobalShortcut keys;

    PlatformServices services(TextExpanderStatus& textExpander) {
        return {defaults,     output,         appInfo, resources, loginItems, pasteboard,
                pasteService, usageReporting, clock,   measurer,  list,       userTriggers,
                textExpander, &keys,          {},      1};
    }
};

// The program built as it runs, over those fakes, not launched; the text
// expander's status is the suite's: a fake, or the real service asking a
// stand-in espanso. The registry's repair check does not come within a test.
template <typename ExpanderStatus, typename Measurer = FakeTextMeasurer>
struct ProgramWindowsOverFakes : PlatformFakes<Measurer> {
    ExpanderStatus expanderStatus;
    Program program{this->services(expanderStatus), {.repairDelay = std::chrono::hours(1)}};
    Preferences& preferences = program.delegate().preferences();
    TextExpanderMonitor& textExpander = program.textExpander();
    WindowManager& windowManager = program.windowManager();
};
