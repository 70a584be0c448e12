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
    if (m_keys)
        m_keys->setAnswerHandler([shortcut = QPointer(this)](GlobalShortcut::Answer answer) {
            if (shortcut)
                shortcut->answered(answer);
        });
    bind();
}

GlobalShortcut::Keeper KeyboardShortcut::keeper() const {
    return m_keys ? m_keys->keeper() : GlobalShortcut::Keeper::program;
}

KeyboardShortcut::DesktopBinding KeyboardShortcut::desktopBinding() const {
    if (m_session.isDesktop(QStringLiteral("GNOME")))
        return {tr("GNOME lets no program hold a key: add one in Settings > Keyboard > Custom "
                   "Shortcuts that runs this command."),
                toggleCommand};
    if (m_session.isDesktop(QStringLiteral("sway")))
        return {tr("sway lets no program hold a key: add this line to its config file and "
                   "reload it."),
                QStringLiteral("bindsym Ctrl+Alt+e exec ") + toggleCommand};
    return {tr("This session lets no program hold a key: bind one in your desktop's keyboard "
               "settings to this command."),
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
    // A choice still waiting for the desktop's answer gives way to this one.
    const Before before = m_before.value_or(Before{m_key, m_state, m_heldAs});
    if (const std::optional<QString> failure = hold(key)) {
        setState(m_state, *failure);
        return;
    }
    m_key = key;
    if (!key.isEmpty() && keeper() == GlobalShortcut::Keeper::desktop) {
        // Stored once the desktop holds it.
        m_before = before;
        setState(State::pending);
        return;
    }
    m_before.reset();
    m_setting.write(key);
    setState(key.isEmpty() ? State::none : State::bound);
}

void KeyboardShortcut::reload() {
    m_key = m_setting.read();
    m_before.reset();
    bind();
}

void KeyboardShortcut::release() {
    if (m_keys && (m_state == State::bound || m_state == State::pending))
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
    if (m_key.isEmpty())
        setState(State::none);
    else
        setState(keeper() == GlobalShortcut::Keeper::desktop ? State::pending : State::bound);
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

void KeyboardShortcut::answered(const GlobalShortcut::Answer& answer) {
    if (!answer.held) {
        m_output.writeLine("Keyboard shortcut: " + answer.text);
        if (!m_before) {
            setState(State::refused, answer.text);
            return;
        }
        // The desktop keeps the key it held before.
        const Before before = *m_before;
        m_before.reset();
        m_key = before.key;
        m_heldAs = before.heldAs;
        setState(before.state, answer.text);
        return;
    }
    if (m_before) {
        m_before.reset();
        m_setting.write(m_key);
    }
    m_heldAs = answer.text;
    setState(State::bound);
}

void KeyboardShortcut::setState(State state, const QString& refusal) {
    if (state != State::bound)
        m_heldAs.clear();
    m_state = state;
    m_refusal = refusal;
    emit stateChanged();
}
