#pragma once

#include "platform/GlobalShortcut.h"
#include "platform/MessageError.h"

#include <QStringList>

// Records every key bound, an empty one for a release, and refuses the keys
// the test says another program holds.
class FakeGlobalShortcut : public GlobalShortcut {
public:
    void bind(const QString& key, std::function<void()> pressed) override {
        bound << key;
        m_pressed = nullptr;
        if (taken.contains(key))
            throw MessageError(QStringLiteral("Another program uses %1").arg(key));
        m_pressed = std::move(pressed);
    }
    // A press of the key held, as the backend reports it.
    void press() const {
        if (m_pressed)
            m_pressed();
    }
    QString held() const { return m_pressed && !bound.isEmpty() ? bound.last() : QString(); }

    QStringList bound;
    QStringList taken;

private:
    std::function<void()> m_pressed;
};
