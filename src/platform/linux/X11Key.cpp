#include "platform/linux/X11Key.h"

#include <QKeySequence>

namespace {

// X11's modifier masks and key symbols (X.h, keysymdef.h) without Xlib's macros.
constexpr uint16_t shiftMask = 1 << 0;
constexpr uint16_t controlMask = 1 << 2;
constexpr uint16_t mod1Mask = 1 << 3;
constexpr uint16_t mod4Mask = 1 << 6;
constexpr uint32_t keysymF1 = 0xffbe;

std::optional<uint32_t> keysymOf(int key) {
    // Letters are grabbed by their lower-case symbol, the one on the key.
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return uint32_t(key - Qt::Key_A + 'a');
    if ((key >= Qt::Key_0 && key <= Qt::Key_9) || key == Qt::Key_Space)
        return uint32_t(key);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F12)
        return keysymF1 + uint32_t(key - Qt::Key_F1);
    return std::nullopt;
}

} // namespace

std::optional<X11Key> X11Key::fromPortableText(const QString& text) {
    const QKeySequence sequence = QKeySequence::fromString(text, QKeySequence::PortableText);
    if (sequence.count() != 1)
        return std::nullopt;
    const QKeyCombination combination = sequence[0];
    const std::optional<uint32_t> keysym = keysymOf(combination.key());
    if (!keysym)
        return std::nullopt;
    const Qt::KeyboardModifiers held = combination.keyboardModifiers();
    if (held & ~(Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return std::nullopt;
    X11Key result{*keysym, 0};
    if (held & Qt::ShiftModifier)
        result.modifiers |= shiftMask;
    if (held & Qt::ControlModifier)
        result.modifiers |= controlMask;
    if (held & Qt::AltModifier)
        result.modifiers |= mod1Mask;
    if (held & Qt::MetaModifier)
        result.modifiers |= mod4Mask;
    // A letter without Ctrl, Alt or Super would take it from every text field.
    const bool functionKey = combination.key() >= Qt::Key_F1 && combination.key() <= Qt::Key_F12;
    if (!functionKey && !(result.modifiers & (controlMask | mod1Mask | mod4Mask)))
        return std::nullopt;
    return result;
}
