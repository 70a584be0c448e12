#pragma once

#include "FakeTextMeasurer.h"
#include "Fakes.h"
#include "PresetFixture.h"
#include "app/AppManager.h"
#include "platform/linux/ResourceFolder.h"
#include "settings/LaunchAtLogin.h"
#include "settings/Preferences.h"

// The program's shared objects over fakes, for suites that build its windows:
// the preferences, copy and paste, the shipped data and the preset over an
// in-memory list. A suite's fixture adds its windows and what it varies.
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
