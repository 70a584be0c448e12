#include "settings/KeyboardShortcut.h"

#include "platform/GlobalShortcut.h"
#include "platform/LineOutput.h"
#include "platform/MessageError.h"
#include "settings/SettingsKeys.h"

#include <QPointer>

namespace {

const QString toggleCommand = QStringLiteral("tesselle --toggle");

} // namespace

KeyboardShortcut::KeyboardShortcut(DefaultsStore& store, GlobalShortcut* keys,
                                   DesktopSession session, LineOutput& output, QObject* parent)
    : QObject(parent), m_setting(store, SettingsKeys::keyboardShortcut, defaultKey), m_keys(keys),
      m_session(std::move(session)), m_output(output), m_key(m_setting.read()) {
    bind();
}

KeyboardShortcut::DesktopBinding KeyboardShortcut::desktopBinding() const {
    if (m_session.isDesktop(QStringLiteral("GNOME")))
        return {QStringLiteral("GNOME lets no program hold a key: add one in Settings > Keyboard > "
                               "Custom Shortcuts that runs this command."),
                toggleCommand};
    if (m_session.isDesktop(QStringLiteral("sway")))
        return {QStringLiteral("sway lets no program hold a key: add this line to its config "
                               "file and reload it."),
                QStringLiteral("bindsym Ctrl+Alt+e exec ") + toggleCommand};
    return {QStringLiteral("This session lets no program hold a key: bind one in your desktop's "
                           "keyboard settings to this command."),
            toggleCommand};
}

bool KeyboardShortcut::canHold(const QString& key) const {
    return m_keys && m_keys->canHold(key);
}

void KeyboardShortcut::setKey(const QString& key) {
    if (!m_keys) {
        setState(State::unavailable);
        return;
    }
    if (const std::optional<QString> failure = hold(key)) {
        setState(m_state, *failure);
        return;
    }
    m_key = key;
    m_setting.write(key);
    setState(key.isEmpty() ? State::none : State::bound);
}

void KeyboardShortcut::reload() {
    m_key = m_setting.read();
    bind();
}

void KeyboardShortcut::release() {
    if (m_keys && m_state == State::bound)
        m_keys->bind(QString(), {});
}

void KeyboardShortcut::bind() {
    if (!m_keys) {
        setState(State::unavailable);
        return;
    }
    if (const std::optional<QString> failure = hold(m_key)) {
        // After a reset the key held before is no longer the choice.
        m_keys->bind(QString(), {});
        setState(State::refused, *failure);
        return;
    }
    setState(m_key.isEmpty() ? State::none : State::bound);
}

std::optional<QString> KeyboardShortcut::hold(const QString& key) {
    try {
        // Queued by the backend, so the shortcut may be gone by then.
        m_keys->bind(key, [shortcut = QPointer(this)] {
            if (shortcut)
                emit shortcut->pressed();
        });
    } catch (const MessageError& error) {
        m_output.writeLine("Keyboard shortcut: " + error.message());
        return error.message();
    }
    return std::nullopt;
}

void KeyboardShortcut::setState(State state, const QString& refusal) {
    m_state = state;
    m_refusal = refusal;
    emit stateChanged();
}
