#pragma once

#include "platform/DesktopSession.h"

#include <QHash>
#include <QString>

// What the process was started in, looked at before any window exists.
namespace GraphicalSession {

using Environment = QHash<QString, QString>;

// Whether a display server answers: the Wayland socket named by WAYLAND_DISPLAY
// exists, or the X server named by DISPLAY accepts a connection. A platform
// chosen through QT_QPA_PLATFORM (such as offscreen) counts as one.
bool isReachable();

// XDG base directories must be absolute paths; a relative one is to be
// ignored, so it is removed from the environment before anything reads it.
void ignoreRelativeXdgFolders();

// The variables of this process.
Environment processEnvironment();

// The session these variables describe. A Wayland desktop sets DISPLAY too,
// for XWayland; there XDG_SESSION_TYPE tells which of the two the desktop is.
DesktopSession detect(const Environment& environment);

} // namespace GraphicalSession
