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

void KeyboardShortcut::setKey(const QString& key) {
    m_key = key;
    m_setting.write(key);
    bind();
}

void KeyboardShortcut::reload() {
    m_key = m_setting.read();
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
    try {
        // Queued by the backend, so the shortcut may be gone by then.
        m_keys->bind(m_key, [shortcut = QPointer(this)] {
            if (shortcut)
                emit shortcut->pressed();
        });
    } catch (const MessageError& error) {
        m_output.writeLine("Keyboard shortcut: " + error.message());
        setState(State::refused, error.message());
        return;
    }
    if (m_key.isEmpty())
        setState(State::none);
    else
        setState(keeper() == GlobalShortcut::Keeper::desktop ? State::pending : State::bound);
}

void KeyboardShortcut::answered(const GlobalShortcut::Answer& answer) {
    if (!answer.held) {
        m_output.writeLine("Keyboard shortcut: " + answer.text);
        setState(State::refused, answer.text);
        return;
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
