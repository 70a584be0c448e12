#include "app/PasteServiceChoice.h"

#include "platform/DesktopSession.h"
#include "platform/linux/PortalPasteService.h"
#include "platform/linux/UnavailablePasteService.h"
#include "platform/linux/WtypePasteService.h"
#include "platform/linux/X11PasteService.h"

std::unique_ptr<PasteService> choosePasteService(const DesktopSession& session, bool hasWtype,
                                                 DefaultsStore& settings) {
    switch (session.kind) {
    case DesktopSession::Kind::x11:
        return std::make_unique<X11PasteService>();
    case DesktopSession::Kind::wayland:
        // wlroots' portal backend has no remote desktop.
        if (!session.wlroots)
            return std::make_unique<PortalPasteService>(QDBusConnection::sessionBus(), settings);
        if (!hasWtype)
            return std::make_unique<UnavailablePasteService>(
                "On this desktop Autopaste needs the wtype program, which is not installed.");
        return std::make_unique<WtypePasteService>();
    case DesktopSession::Kind::none:
        break;
    }
    return std::make_unique<UnavailablePasteService>(
        "This session has no desktop that Tesselle can type into.");
}
