#pragma once

#include "platform/DesktopSession.h"
#include "platform/GlobalShortcut.h"
#include "settings/StoredSetting.h"

#include <QObject>

class LineOutput;

// The key that toggles the panel from any application: the stored choice
// (settings key "keyboardShortcut", a key sequence's portable text, empty for
// none) and the binding that holds it. A choice the desktop refuses is kept:
// the key may be free at the next start.
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
        // The key is not held; refusal() says why (another program holds it).
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

    const QString& key() const { return m_key; }
    State state() const { return m_state; }
    const QString& refusal() const { return m_refusal; }
    // Who holds the key: this program, or the desktop on its behalf.
    GlobalShortcut::Keeper keeper() const;
    // How the desktop names the key it holds for the program, which the user
    // may have changed there; empty where the program holds the key itself.
    const QString& heldAs() const { return m_heldAs; }
    DesktopBinding desktopBinding() const;

    // Stores the key and holds it in place of the one held before.
    void setKey(const QString& key);
    // Holds the stored key again, after the settings were reset.
    void reload();
    // Gives the key back to the desktop, leaving the choice stored: at quit.
    void release();

signals:
    void pressed();
    void stateChanged();

private:
    void bind();
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
};
