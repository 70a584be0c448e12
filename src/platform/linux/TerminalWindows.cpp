#include "platform/linux/TerminalWindows.h"

#include <QStringList>

namespace TerminalWindows {

bool isTerminal(const QString& classOrAppId) {
    // The X11 classes and Wayland app_ids of the terminals Debian ships.
    static const QStringList terminals{"xterm",
                                       "uxterm",
                                       "gnome-terminal",
                                       "gnome-terminal-server",
                                       "org.gnome.Terminal",
                                       "org.gnome.Console",
                                       "kgx",
                                       "konsole",
                                       "org.kde.konsole",
                                       "kitty",
                                       "alacritty",
                                       "foot",
                                       "footclient",
                                       "urxvt",
                                       "rxvt",
                                       "st-256color",
                                       "xfce4-terminal",
                                       "terminator",
                                       "tilix",
                                       "com.gexperts.Tilix",
                                       "lxterminal",
                                       "mate-terminal",
                                       "qterminal",
                                       "terminology",
                                       "sakura",
                                       "guake",
                                       "tilda",
                                       "wezterm",
                                       "org.wezfurlong.wezterm",
                                       "cool-retro-term",
                                       "eterm",
                                       "x-terminal-emulator"};
    return !classOrAppId.isEmpty() && terminals.contains(classOrAppId, Qt::CaseInsensitive);
}

} // namespace TerminalWindows
