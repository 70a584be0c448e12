#pragma once

#include <QStringList>

// The kind of desktop session the program was started in, found once at start
// by the platform backend; the rest of the program asks this, never the
// environment.
struct DesktopSession {
    enum class Kind { x11, wayland, none };

    Kind kind = Kind::none;
    // XDG_CURRENT_DESKTOP's names, most specific first, e.g. {"ubuntu", "GNOME"},
    // {"KDE"}, {"sway"}; empty where the session gives none.
    QStringList desktops;
    // A Wayland compositor built on wlroots (sway, Hyprland, river...): it offers
    // the virtual keyboard that lets a program type into another's window.
    bool wlroots = false;

    // Whether one of the desktop's names is this one, in any letter case.
    bool isDesktop(const QString& name) const {
        return desktops.contains(name, Qt::CaseInsensitive);
    }
};
