#pragma once

#include <QDBusConnection>
#include <QString>
#include <functional>
#include <optional>

class LineOutput;
class WindowPlacer;

// What the desktop offers the shell for its tray icon and its windows'
// places. The defaults are what tests need: no bus, no placing, and a tray
// that shows Qt's icon.
struct ShellDesktop {
    // The session bus, where tray hosts look for StatusNotifierItems.
    std::optional<QDBusConnection> bus;
    // Places windows where the compositor alone may (sway); null where the
    // window system lets the program place them (X11) or nobody can.
    WindowPlacer* placer = nullptr;
    // Whether a tray shows Qt's tray icon.
    std::function<bool()> isSystemTrayAvailable = [] { return true; };
    // How to open the panel again where no tray shows the icon, in a sentence.
    // Without it, the panel does not open on its own for want of a tray icon.
    std::function<QString()> wayInWithoutTray;
    // Where that sentence is also written, for a user who started the program
    // from a terminal.
    LineOutput* output = nullptr;
};
