#pragma once

#include "FakeTextMeasurer.h"
#include "Fakes.h"
#include "PresetFixture.h"
#include "app/AppManager.h"
#include "app/WindowContents.h"
#include "app/WindowManager.h"
#include "platform/linux/ResourceFolder.h"
#include "settings/KeyboardShortcut.h"
#include "settings/LaunchAtLogin.h"
#include "settings/Preferences.h"
#include "shortcuts/TextExpanderMonitor.h"
#include "ui/picker/EmojiGridView.h"
#include "ui/picker/EmojiImageCache.h"

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

// The program's windows built by the real contents over those objects; the text
// expander's status is the suite's: a fake, or the real service asking a
// stand-in espanso.
template <typename ExpanderStatus> struct ProgramWindowsOverFakes : ProgramOverFakes {
    ExpanderStatus expanderStatus;
    TextExpanderMonitor textExpander{expanderStatus, output};
    KeyboardShortcut keyboardShortcut{defaults, nullptr, {}, output};
    EmojiImageCache images{EmojiGridView::symbolSize, EmojiGridView::cellSize, 1};
    WindowManager windowManager{
        preferences, defaults, appManager, resources,
        makeWindowContents({preferences, presets.preset, defaults, resources, measurer, images,
                            appManager, presets.registry, presets.background, launchAtLogin,
                            presets.clock, output, appInfo, presets.userShortcuts, textExpander,
                            keyboardShortcut})};
};
