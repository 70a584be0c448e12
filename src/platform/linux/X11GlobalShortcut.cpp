#include "platform/linux/X11GlobalShortcut.h"

#include "platform/MessageError.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <xcb/xcb.h>

namespace {

// Caps Lock and Num Lock (Mod2 on every common layout) must not stop the key.
constexpr uint16_t lockCombinations[] = {0, XCB_MOD_MASK_LOCK, XCB_MOD_MASK_2,
                                         XCB_MOD_MASK_LOCK | XCB_MOD_MASK_2};
constexpr uint16_t relevantModifiers =
    XCB_MOD_MASK_SHIFT | XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1 | XCB_MOD_MASK_4;
constexpr uint8_t badAccess = 10;

xcb_connection_t* qtConnection() {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

} // namespace

X11GlobalShortcut::X11GlobalShortcut() : m_connection(qtConnection()) {
    if (!m_connection)
        return;
    m_root = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;
    QCoreApplication::instance()->installNativeEventFilter(this);
}

X11GlobalShortcut::~X11GlobalShortcut() {
    if (!m_connection)
        return;
    if (m_grab)
        ungrab(*m_grab);
    QCoreApplication::instance()->removeNativeEventFilter(this);
}

bool X11GlobalShortcut::isAvailable() {
    return qtConnection() != nullptr;
}

bool X11GlobalShortcut::canHold(const QString& key) const {
    return grabOf(key).has_value();
}

// The key's symbol must be on the keyboard the server has now.
std::optional<X11GlobalShortcut::Grab> X11GlobalShortcut::grabOf(const QString& key) const {
    if (!m_connection)
        return std::nullopt;
    const std::optional<X11Key> wanted = X11Key::fromPortableText(key);
    const std::optional<uint8_t> keycode = wanted ? keycodeOf(wanted->keysym) : std::nullopt;
    if (!keycode)
        return std::nullopt;
    return Grab{*keycode, wanted->modifiers};
}

void X11GlobalShortcut::bind(const QString& key, std::function<void()> pressed) {
    if (key.isEmpty()) {
        if (m_grab)
            ungrab(*m_grab);
        m_grab.reset();
        m_pressed = nullptr;
        return;
    }
    if (!m_connection)
        throw MessageError(QStringLiteral("The keyboard shortcut needs an X11 session"));
    const std::optional<Grab> wanted = grabOf(key);
    if (!wanted)
        throw MessageError(QStringLiteral("%1 cannot be a keyboard shortcut").arg(key));
    // Grabbed again, the key held now would be released with the old grab.
    if (wanted != m_grab) {
        std::optional<uint8_t> refusal;
        for (const uint16_t locks : lockCombinations) {
            const xcb_void_cookie_t cookie =
                xcb_grab_key_checked(m_connection, 1, m_root, wanted->modifiers | locks,
                                     wanted->keycode, XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC);
            if (xcb_generic_error_t* error = xcb_request_check(m_connection, cookie)) {
                refusal = error->error_code;
                free(error);
            }
        }
        if (refusal) {
            // Only the grabs that succeeded are released; the other program
            // keeps its own, and this one the key it held.
            ungrab(*wanted);
            if (*refusal == badAccess)
                throw MessageError(QStringLiteral("Another program uses %1").arg(key));
            throw MessageError(QStringLiteral("%1 cannot be a keyboard shortcut").arg(key));
        }
        if (m_grab)
            ungrab(*m_grab);
        m_grab = wanted;
    }
    m_pressed = std::move(pressed);
}

void X11GlobalShortcut::ungrab(const Grab& grab) {
    for (const uint16_t locks : lockCombinations)
        xcb_ungrab_key(m_connection, grab.keycode, m_root, grab.modifiers | locks);
    xcb_flush(m_connection);
}

std::optional<uint8_t> X11GlobalShortcut::keycodeOf(uint32_t keysym) const {
    const xcb_setup_t* setup = xcb_get_setup(m_connection);
    const int first = setup->min_keycode;
    const int count = setup->max_keycode - first + 1;
    xcb_get_keyboard_mapping_reply_t* mapping = xcb_get_keyboard_mapping_reply(
        m_connection, xcb_get_keyboard_mapping(m_connection, uint8_t(first), uint8_t(count)),
        nullptr);
    if (!mapping)
        return std::nullopt;
    const xcb_keysym_t* symbols = xcb_get_keyboard_mapping_keysyms(mapping);
    const int perKey = mapping->keysyms_per_keycode;
    std::optional<uint8_t> found;
    for (int code = 0; code < count && !found; ++code) {
        for (int level = 0; level < perKey; ++level) {
            if (symbols[code * perKey + level] == keysym) {
                found = uint8_t(first + code);
                break;
            }
        }
    }
    free(mapping);
    return found;
}

bool X11GlobalShortcut::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (!m_grab || eventType != "xcb_generic_event_t")
        return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & ~0x80) != XCB_KEY_PRESS)
        return false;
    const auto* press = static_cast<const xcb_key_press_event_t*>(message);
    if (press->event != m_root || press->detail != m_grab->keycode ||
        (press->state & relevantModifiers) != m_grab->modifiers)
        return false;
    // Later, so that a bind from the call does not run inside the event filter.
    QMetaObject::invokeMethod(
        qApp, [pressed = m_pressed] { pressed(); }, Qt::QueuedConnection);
    return true;
}
