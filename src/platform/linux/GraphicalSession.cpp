#include "platform/linux/GraphicalSession.h"

#include <QDir>
#include <QFileInfo>
#include <X11/Xlib.h>

namespace GraphicalSession {

bool isReachable() {
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        return true;
    const QString wayland = qEnvironmentVariable("WAYLAND_DISPLAY");
    if (!wayland.isEmpty()) {
        const QString socket = QDir::isAbsolutePath(wayland)
                                   ? wayland
                                   : qEnvironmentVariable("XDG_RUNTIME_DIR") + '/' + wayland;
        if (QFileInfo::exists(socket))
            return true;
    }
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        return false;
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        return false;
    XCloseDisplay(display);
    return true;
}

void ignoreRelativeXdgFolders() {
    for (const char* name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_STATE_HOME",
                             "XDG_RUNTIME_DIR"}) {
        const QString value = qEnvironmentVariable(name);
        if (!value.isEmpty() && QDir::isRelativePath(value))
            qunsetenv(name);
    }
}

} // namespace GraphicalSession
