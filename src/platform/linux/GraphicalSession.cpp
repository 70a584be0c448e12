#include "platform/linux/GraphicalSession.h"

#include <QDir>
#include <QFileInfo>
#include <QProcessEnvironment>
#include <X11/Xlib.h>
#include <algorithm>

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

Environment processEnvironment() {
    const QProcessEnvironment system = QProcessEnvironment::systemEnvironment();
    Environment environment;
    for (const QString& name : system.keys())
        environment.insert(name, system.value(name));
    return environment;
}

DesktopSession detect(const Environment& environment) {
    DesktopSession session;
    const bool wayland = !environment.value("WAYLAND_DISPLAY").isEmpty();
    const bool x11 = !environment.value("DISPLAY").isEmpty();
    if (wayland && (!x11 || environment.value("XDG_SESSION_TYPE") != "x11"))
        session.kind = DesktopSession::Kind::wayland;
    else if (x11)
        session.kind = DesktopSession::Kind::x11;
    session.desktops = environment.value("XDG_CURRENT_DESKTOP").split(':', Qt::SkipEmptyParts);
    static const QStringList wlrootsDesktops{"sway",  "Hyprland", "river",
                                             "labwc", "Wayfire",  "wlroots"};
    const bool wlrootsNamed =
        std::any_of(wlrootsDesktops.begin(), wlrootsDesktops.end(),
                    [&](const QString& name) { return session.isDesktop(name); });
    session.wlroots = session.kind == DesktopSession::Kind::wayland &&
                      (!environment.value("SWAYSOCK").isEmpty() || wlrootsNamed);
    return session;
}

} // namespace GraphicalSession
