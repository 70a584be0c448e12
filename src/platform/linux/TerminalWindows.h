#pragma once

#include <QString>

// Terminals take Ctrl+V for a control character (xterm and urxvt have no
// paste key at all by default), so autopaste types the text into them instead.
namespace TerminalWindows {

// Whether a window of this X11 class (either part of WM_CLASS) or Wayland
// app_id is a terminal emulator's, in any letter case.
bool isTerminal(const QString& classOrAppId);

} // namespace TerminalWindows
