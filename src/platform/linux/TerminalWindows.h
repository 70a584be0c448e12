#pragma once

#include <QString>

// Terminals take Ctrl+V for a control character (xterm binds no key at all
// to the clipboard by default), so autopaste gives them the text another way.
namespace TerminalWindows {

// Whether a window of this X11 class (either part of WM_CLASS) or Wayland
// app_id is a terminal emulator's, in any letter case.
bool isTerminal(const QString& classOrAppId);

} // namespace TerminalWindows
