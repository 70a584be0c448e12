#pragma once

#include "platform/GlobalShortcut.h"

#include <memory>

struct DesktopSession;

// Who can hold a key for the program in this session: the X server under X11,
// the desktop portal under Wayland where the desktop offers global shortcuts;
// null where neither can. Under Wayland, XWayland's root window would see only
// the keys typed into X11 programs. Asks the portal, waiting a moment at most.
std::unique_ptr<GlobalShortcut> chooseGlobalShortcut(const DesktopSession& session);
