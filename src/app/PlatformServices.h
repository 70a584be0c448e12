#pragma once

#include "platform/DesktopSession.h"

#include <QtGlobal>

class AppInfo;
class Clock;
class DefaultsStore;
class GlobalShortcut;
class LineOutput;
class LoginItemService;
class Pasteboard;
class PasteService;
class ResourceLocator;
class TextExpanderStatus;
class TextMeasurer;
class TextReplacementService;
class UsageReporting;
class UserTriggerSource;

// What the program is built over: the platform's services, Linux's own
// (LinuxPlatform) or a test's.
struct PlatformServices {
    DefaultsStore& defaults;
    LineOutput& output;
    AppInfo& appInfo;
    ResourceLocator& resources;
    LoginItemService& loginItems;
    Pasteboard& pasteboard;
    PasteService& pasteService;
    UsageReporting& usageReporting;
    Clock& clock;
    TextMeasurer& measurer;
    // The text expander's list that holds the shortcuts, and the user's own.
    TextReplacementService& list;
    UserTriggerSource& userTriggers;
    TextExpanderStatus& textExpander;
    // None where no key can be held for the whole desktop.
    GlobalShortcut* globalShortcut;
    DesktopSession session;
    qreal devicePixelRatio;
};
