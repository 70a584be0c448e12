#pragma once

#include "platform/DesktopSession.h"

#include <QHash>
#include <QString>
#include <functional>
#include <optional>

// What the process was started in, looked at before any window exists.
namespace GraphicalSession {

using Environment = QHash<QString, QString>;

// What is looked at to tell whether Qt can open its platform.
struct DisplayProbe {
    std::function<bool(const QString& socketPath)> waylandListens;
    std::function<bool(const QString& display)> xServerAnswers;
    // Whether Qt has the platform plugin of that name (offscreen, vnc, ...).
    std::function<bool(const QString& platform)> hasPlatform;
};

// The sockets, the X server and the plugins of this machine.
DisplayProbe systemProbe();

// Why Qt could open none of the platforms it would try, which would abort
// the program; nothing when one would open. Without QT_QPA_PLATFORM that is
// the Wayland socket named by WAYLAND_DISPLAY or the X server named by
// DISPLAY; with it, each platform it lists in turn.
std::optional<QString> missingDisplay(const Environment& environment, const DisplayProbe& probe);

// XDG base directories must be absolute paths; a relative one is to be
// ignored, so it is removed from the environment before anything reads it.
void ignoreRelativeXdgFolders();

// The variables of this process.
Environment processEnvironment();

// The session these variables describe. A Wayland desktop sets DISPLAY too,
// for XWayland; there XDG_SESSION_TYPE tells which of the two the desktop is.
DesktopSession detect(const Environment& environment);

} // namespace GraphicalSession
