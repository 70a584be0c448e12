#pragma once

#include <QString>
#include <cstdint>
#include <optional>

// A key and its modifiers as the X server names them, from a key sequence's
// portable text such as "Ctrl+Alt+E". Only keys that make sense held for the
// whole desktop: letters, digits, the space bar and F1 to F12 with at least
// one modifier, or a function key alone.
struct X11Key {
    uint32_t keysym = 0;
    uint16_t modifiers = 0; // X11 modifier masks: Shift, Control, Mod1 (Alt), Mod4 (Super)

    static std::optional<X11Key> fromPortableText(const QString& text);

    bool operator==(const X11Key&) const = default;
};
