#include "app/GlobalShortcutChoice.h"

#include "platform/DesktopSession.h"
#include "platform/linux/PortalGlobalShortcut.h"
#include "platform/linux/X11GlobalShortcut.h"

namespace {

// A running portal answers at once; one that D-Bus must start first takes longer.
constexpr std::chrono::milliseconds portalPatience(1000);

} // namespace

std::unique_ptr<GlobalShortcut> chooseGlobalShortcut(const DesktopSession& session) {
    switch (session.kind) {
    case DesktopSession::Kind::x11:
        if (X11GlobalShortcut::isAvailable())
            return std::make_unique<X11GlobalShortcut>();
        break;
    case DesktopSession::Kind::wayland:
        if (PortalGlobalShortcut::isOffered(QDBusConnection::sessionBus(), portalPatience))
            return std::make_unique<PortalGlobalShortcut>(QDBusConnection::sessionBus());
        break;
    case DesktopSession::Kind::none:
        break;
    }
    return nullptr;
}
