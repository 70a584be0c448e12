#pragma once

#include "platform/GlobalShortcut.h"
#include "platform/MessageError.h"

#include <QStringList>

// Records every key bound, an empty one for a release; refuses the keys the
// test says another program holds or the session cannot hold, and then keeps
// the key it held, as the backends do.
class FakeGlobalShortcut : public GlobalShortcut {
public:
    bool canHold(const QString& key) const override { return !unholdable.contains(key); }
    void bind(const QString& key, std::function<void()> pressed) override {
        bound << key;
        if (taken.contains(key))
            throw MessageError(QStringLiteral("Another program uses %1").arg(key));
        if (unholdable.contains(key))
            throw MessageError(QStringLiteral("%1 cannot be a keyboard shortcut").arg(key));
        m_held = key;
        m_pressed = key.isEmpty() ? nullptr : std::move(pressed);
    }
    // A press of the key held, as the backend reports it.
    void press() const {
        if (m_pressed)
            m_pressed();
    }
    const QString& held() const { return m_held; }

    QStringList bound;
    QStringList taken;
    QStringList unholdable;

private:
    QString m_held;
    std::function<void()> m_pressed;
};
