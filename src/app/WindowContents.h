#pragma once

#include "app/WindowManager.h"

class AppInfo;
class AppManager;
class BackgroundTasks;
class Clock;
class DefaultsStore;
class EmojiImageCache;
class KeyboardShortcut;
class LineOutput;
class Preferences;
class Preset;
class ResourceLocator;
class ShortcutRegistry;
class TextExpanderMonitor;
class TextMeasurer;
class UserShortcuts;

namespace LaunchAtLogin {
class Observable;
}

// What the windows need of the program's services.
struct WindowServices {
    Preferences& preferences;
    Preset& preset;
    DefaultsStore& defaults;
    const ResourceLocator& resources;
    const TextMeasurer& measurer;
    // The grid's emoji images, kept for the whole run.
    EmojiImageCache& images;
    AppManager& appManager;
    ShortcutRegistry& registry;
    BackgroundTasks& background;
    LaunchAtLogin::Observable& launchAtLogin;
    // The settings page's pause between the removal and the installation of
    // a reinstall.
    Clock& clock;
    LineOutput& output;
    const AppInfo& appInfo;
    const UserShortcuts& userShortcuts;
    TextExpanderMonitor& textExpander;
    KeyboardShortcut& keyboardShortcut;
    // The languages the user reads, best first (UserLanguages): the picker
    // reads the emoji's words in the first that has them.
    QStringList languages{};
};

// The contents of the three windows, each built when its window is first
// needed: the picker with its emoji store (created with it and kept as long),
// the welcome view and the settings pages.
WindowManager::Contents makeWindowContents(WindowServices services);
