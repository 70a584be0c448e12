#pragma once

// What the process was started in, looked at before any window exists.
namespace GraphicalSession {

// Whether a display server answers: the Wayland socket named by WAYLAND_DISPLAY
// exists, or the X server named by DISPLAY accepts a connection. A platform
// chosen through QT_QPA_PLATFORM (such as offscreen) counts as one.
bool isReachable();

// XDG base directories must be absolute paths; a relative one is to be
// ignored, so it is removed from the environment before anything reads it.
void ignoreRelativeXdgFolders();

} // namespace GraphicalSession
