#pragma once

#include "platform/WindowPlacer.h"
#include "platform/linux/GraphicalSession.h"

#include <memory>

struct DesktopSession;

// Who places the program's windows: under Wayland, sway's IPC where the
// session has it (SWAYSOCK); none elsewhere (X11 lets a program place its own
// windows; other compositors place them themselves).
std::unique_ptr<WindowPlacer> chooseWindowPlacer(const DesktopSession& session,
                                                 const GraphicalSession::Environment& environment);
