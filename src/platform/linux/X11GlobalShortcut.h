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
// reported. The grab is released when another key is bound and at the end.
class X11GlobalShortcut : public GlobalShortcut, private QAbstractNativeEventFilter {
public:
    X11GlobalShortcut();
    ~X11GlobalShortcut() override;
    X11GlobalShortcut(const X11GlobalShortcut&) = delete;
    X11GlobalShortcut& operator=(const X11GlobalShortcut&) = delete;

    // Whether this session is X11, where the program can hold a key at all.
    static bool isAvailable();

    void bind(const QString& key, std::function<void()> pressed) override;

private:
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;
    std::optional<uint8_t> keycodeOf(uint32_t keysym) const;
    void release();

    xcb_connection_t* m_connection = nullptr;
    uint32_t m_root = 0;
    std::optional<uint8_t> m_keycode;
    uint16_t m_modifiers = 0;
    std::function<void()> m_pressed;
};
