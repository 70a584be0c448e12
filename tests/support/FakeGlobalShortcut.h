#pragma once

#include "platform/GlobalShortcut.h"
#include "platform/MessageError.h"

#include <QStringList>

// Records every key bound, an empty one for a release; refuses the keys the
// test says another program holds or the session cannot hold, and then keeps
// the key it held, as the backends do. As the desktop's keeper it answers when
// the test says so, and holds a key asked for once its answer says so.
class FakeGlobalShortcut : public GlobalShortcut {
public:
    bool canHold(const QString& key) const override { return !unholdable.contains(key); }
    void bind(const QString& key, std::function<void()> pressed) override {
        bound << key;
        if (taken.contains(key))
            throw MessageError(QStringLiteral("Another program uses %1").arg(key));
        if (unholdable.contains(key))
            throw MessageError(QStringLiteral("%1 cannot be a keyboard shortcut").arg(key));
        if (keptBy == Keeper::desktop && !key.isEmpty()) {
            m_asked = key;
            m_askedPressed = std::move(pressed);
            return;
        }
        m_held = key;
        m_pressed = key.isEmpty() ? nullptr : std::move(pressed);
    }
    // A press of the key held, as the backend reports it.
    void press() const {
        if (m_pressed)
            m_pressed();
    }
    const QString& held() const { return m_held; }
    Keeper keeper() const override { return keptBy; }
    void setAnswerHandler(std::function<void(Answer)> answered) override {
        m_answered = std::move(answered);
    }
    // The desktop's answer to the key asked for last.
    void answer(bool held, const QString& text) {
        if (held && !m_asked.isEmpty()) {
            m_held = m_asked;
            m_pressed = std::move(m_askedPressed);
        }
        m_asked.clear();
        m_answered({held, text});
    }

    QStringList bound;
    QStringList taken;
    QStringList unholdable;
    Keeper keptBy = Keeper::program;

private:
    QString m_held;
    std::function<void()> m_pressed;
    QString m_asked;
    std::function<void()> m_askedPressed;
    std::function<void(Answer)> m_answered;
};
