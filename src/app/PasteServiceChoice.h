#pragma once

#include "platform/PasteService.h"

#include <memory>

class DefaultsStore;
struct DesktopSession;

// The one way of pasting this session offers: X11's, a wlroots compositor's
// virtual keyboard through wtype (when it is installed), the desktop portal's
// remote desktop elsewhere on Wayland (which keeps its permission in
// `settings`), or none.
std::unique_ptr<PasteService> choosePasteService(const DesktopSession& session, bool hasWtype,
                                                 DefaultsStore& settings);
