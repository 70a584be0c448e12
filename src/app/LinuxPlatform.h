#pragma once

#include "app/PlatformServices.h"
#include "app/ShellDesktop.h"
#include "async/SystemClock.h"
#include "platform/linux/EspansoReplacementService.h"
#include "platform/linux/EspansoStatus.h"
#include "platform/linux/EspansoUserTriggers.h"
#include "platform/linux/FontTextMeasurer.h"
#include "platform/linux/LocalUsageReporting.h"
#include "platform/linux/QtClipboardPasteboard.h"
#include "platform/linux/ResourceFolder.h"
#include "platform/linux/Syslog.h"
#include "platform/linux/XdgAutostart.h"

#include <memory>

// The Linux services the program runs over, chosen for the desktop session it
// was started in: the one place a backend is picked.
class LinuxPlatform {
public:
    // What is decided before anything else is built.
    struct Given {
        AppInfo& appInfo;
        LineOutput& output;
        DefaultsStore& defaults;
        DesktopSession session;
        qreal devicePixelRatio;
    };

    explicit LinuxPlatform(const Given& given);
    ~LinuxPlatform();
    LinuxPlatform(const LinuxPlatform&) = delete;
    LinuxPlatform& operator=(const LinuxPlatform&) = delete;

    PlatformServices services();
    // The session bus, the compositor's placing of windows where there is one,
    // and whether a tray shows Qt's icon.
    ShellDesktop desktop();

private:
    Given m_given;
    Syslog m_systemLog;
    ResourceFolder m_resources;
    XdgAutostart m_loginItems;
    QtClipboardPasteboard m_pasteboard;
    std::unique_ptr<PasteService> m_pasteService;
    LocalUsageReporting m_usageReporting;
    SystemClock m_clock;
    FontTextMeasurer m_measurer;
    EspansoReplacementService m_list;
    EspansoUserTriggers m_userTriggers;
    EspansoStatus m_espanso;
    std::unique_ptr<GlobalShortcut> m_globalShortcut;
    std::unique_ptr<WindowPlacer> m_windowPlacer;
};
