#include "platform/linux/GraphicalSession.h"

#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QProcessEnvironment>
#include <X11/Xlib.h>
#include <algorithm>

namespace GraphicalSession {

namespace {

QString waylandSocket(const Environment& environment, const QString& name) {
    return QDir::isAbsolutePath(name) ? name : environment.value("XDG_RUNTIME_DIR") + '/' + name;
}

// Why the platform, one entry of QT_QPA_PLATFORM, would not open.
std::optional<QString> whyNot(const QString& entry, const Environment& environment,
                              const DisplayProbe& probe) {
    // Options follow the name after a colon: "xcb:nograb".
    const QString platform = entry.section(':', 0, 0).trimmed();
    if (platform == QLatin1String("xcb")) {
        const QString display = environment.value("DISPLAY");
        if (display.isEmpty())
            return QStringLiteral("xcb needs an X server, and DISPLAY is not set");
        if (!probe.xServerAnswers(display))
            return QStringLiteral("xcb needs an X server, and none answers at DISPLAY %1")
                .arg(display);
        return std::nullopt;
    }
    if (platform.startsWith(QLatin1String("wayland"))) {
        // Qt's own default name.
        const QString name = environment.value("WAYLAND_DISPLAY", QStringLiteral("wayland-0"));
        const QString socket = waylandSocket(environment, name.isEmpty() ? "wayland-0" : name);
        if (!probe.waylandListens(socket))
            return QStringLiteral("%1 needs a Wayland compositor, and none listens at %2")
                .arg(platform, socket);
        return std::nullopt;
    }
    if (!probe.hasPlatform(platform))
        return QStringLiteral("Qt has no platform named \"%1\" here").arg(platform);
    return std::nullopt;
}

bool xServerAnswers(const QString& display) {
    Display* connection = XOpenDisplay(display.toLocal8Bit().constData());
    if (!connection)
        return false;
    XCloseDisplay(connection);
    return true;
}

bool hasPlatform(const QString& platform) {
    QStringList folders = qEnvironmentVariable("QT_PLUGIN_PATH").split(':', Qt::SkipEmptyParts);
    folders << QLibraryInfo::path(QLibraryInfo::PluginsPath);
    return std::any_of(folders.begin(), folders.end(), [&platform](const QString& folder) {
        return QFileInfo::exists(folder + "/platforms/libq" + platform + ".so");
    });
}

} // namespace

DisplayProbe systemProbe() {
    return {[](const QString& socket) { return QFileInfo::exists(socket); }, &xServerAnswers,
            &hasPlatform};
}

std::optional<QString> missingDisplay(const Environment& environment, const DisplayProbe& probe) {
    const QString platforms = environment.value("QT_QPA_PLATFORM");
    if (platforms.trimmed().isEmpty()) {
        const QString wayland = environment.value("WAYLAND_DISPLAY");
        if (!wayland.isEmpty() && probe.waylandListens(waylandSocket(environment, wayland)))
            return std::nullopt;
        const QString display = environment.value("DISPLAY");
        if (!display.isEmpty() && probe.xServerAnswers(display))
            return std::nullopt;
        return QStringLiteral("Tesselle needs a graphical session (X11 or Wayland)");
    }
    // Qt tries each in turn.
    QStringList reasons;
    for (const QString& entry : platforms.split(';', Qt::SkipEmptyParts)) {
        const std::optional<QString> reason = whyNot(entry, environment, probe);
        if (!reason)
            return std::nullopt;
        reasons << *reason;
    }
    return QStringLiteral("Tesselle cannot open QT_QPA_PLATFORM=%1: %2")
        .arg(platforms, reasons.join(QStringLiteral("; ")));
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
