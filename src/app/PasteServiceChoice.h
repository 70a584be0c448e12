#pragma once

#include "platform/PasteService.h"

#include <memory>

struct DesktopSession;

// The one way of pasting this session offers: X11's, a wlroots compositor's
// virtual keyboard through wtype (when it is installed), or none.
std::unique_ptr<PasteService> choosePasteService(const DesktopSession& session, bool hasWtype);
