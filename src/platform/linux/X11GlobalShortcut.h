#pragma once

#include "platform/GlobalShortcut.h"
#include "platform/linux/X11Key.h"

#include <QAbstractNativeEventFilter>
#include <optional>

struct xcb_connection_t;

// The key as a passive grab on the root window of Qt's own X11 connection:
// the X server gives its presses to this program whichever window has the
// focus. The grab covers Caps Lock and Num Lock being on or off. A key that
// another program grabbed first is refused by the server (BadAccess) and
// reported. A new key is grabbed before the old one is released, so that a
// refused key leaves the old one held; the grab ends at the end.
class X11GlobalShortcut : public GlobalShortcut, private QAbstractNativeEventFilter {
public:
    X11GlobalShortcut();
    ~X11GlobalShortcut() override;
    X11GlobalShortcut(const X11GlobalShortcut&) = delete;
    X11GlobalShortcut& operator=(const X11GlobalShortcut&) = delete;

    // Whether this session is X11, where the program can hold a key at all.
    static bool isAvailable();

    bool canHold(const QString& key) const override;
    void bind(const QString& key, std::function<void()> pressed) override;

private:
    struct Grab {
        uint8_t keycode = 0;
        uint16_t modifiers = 0;
        bool operator==(const Grab&) const = default;
    };

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;
    std::optional<Grab> grabOf(const QString& key) const;
    std::optional<uint8_t> keycodeOf(uint32_t keysym) const;
    void ungrab(const Grab& grab);

    xcb_connection_t* m_connection = nullptr;
    uint32_t m_root = 0;
    std::optional<Grab> m_grab;
    std::function<void()> m_pressed;
};
