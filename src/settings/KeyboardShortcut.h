#pragma once

#include "platform/DesktopSession.h"
#include "platform/GlobalShortcut.h"
#include "settings/StoredSetting.h"

#include <QObject>
#include <optional>

class LineOutput;

// The key that toggles the panel from any application: the stored choice
// (settings key "keyboardShortcut", a key sequence's portable text, empty for
// none) and the binding that holds it. A stored key that the desktop refuses
// at start is kept: it may be free at the next start. A new choice that is
// refused, at once or by the desktop's later answer, changes nothing: the key
// held and stored before stays.
class KeyboardShortcut : public QObject {
    Q_OBJECT
public:
    enum class State {
        // The program holds the key.
        bound,
        // The user chose no key.
        none,
        // The desktop has been asked to hold the key and has not answered yet.
        pending,
        // The stored key is not held; refusal() says why (another program holds it).
        refused,
        // This session lets no program hold a key.
        unavailable,
    };
    Q_ENUM(State)

    // How to bind the desktop's own keyboard shortcut to the program instead.
    struct DesktopBinding {
        QString sentence;
        QString command;
    };

    static inline const QString defaultKey = QStringLiteral("Ctrl+Alt+E");

    // keys is null where the session lets no program hold a key. Binds the
    // stored key at once.
    KeyboardShortcut(DefaultsStore& store, GlobalShortcut* keys, DesktopSession session,
                     LineOutput& output, QObject* parent = nullptr);

    // The key held or being asked for.
    const QString& key() const { return m_key; }
    State state() const { return m_state; }
    // Why the stored key, or the last key chosen, is not held; empty once a
    // key is held or none chosen.
    const QString& refusal() const { return m_refusal; }
    // Who holds the key: this program, or the desktop on its behalf.
    GlobalShortcut::Keeper keeper() const;
    // How the desktop names the key it holds for the program, which the user
    // may have changed there; empty where the program holds the key itself.
    const QString& heldAs() const { return m_heldAs; }
    DesktopBinding desktopBinding() const;
    // Whether this session could hold the key, another program's claim aside.
    bool canHold(const QString& key) const;

    // Holds the key in place of the one held before and stores it, once held;
    // a key that cannot be held is only said (refusal()).
    void setKey(const QString& key);
    // Holds the stored key again, after the settings were reset.
    void reload();
    // Gives the key back to the desktop, leaving the choice stored: at quit.
    void release();

signals:
    void pressed();
    void stateChanged();

private:
    // What was held before a new choice that the desktop has yet to answer.
    struct Before {
        QString key;
        State state;
        QString heldAs;
    };

    // The failure's message, or nothing once the key is held or asked for.
    std::optional<QString> hold(const QString& key);
    void bind();
    void choose(const QString& key);
    void setState(State state, const QString& refusal = QString());
    void answered(const GlobalShortcut::Answer& answer);

    StoredSetting<QString> m_setting;
    GlobalShortcut* m_keys;
    DesktopSession m_session;
    LineOutput& m_output;
    QString m_key;
    State m_state = State::none;
    QString m_refusal;
    QString m_heldAs;
    std::optional<Before> m_before;
};
