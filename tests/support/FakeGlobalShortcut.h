#pragma once

#include "platform/GlobalShortcut.h"
#include "platform/MessageError.h"

#include <QStringList>

// Records every key bound, an empty one for a release, and refuses the keys
// the test says another program holds. As the desktop's keeper it answers when
// the test says so.
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
    Keeper keeper() const override { return keptBy; }
    void setAnswerHandler(std::function<void(Answer)> answered) override {
        m_answered = std::move(answered);
    }
    void answer(bool held, const QString& text) const { m_answered({held, text}); }

    QStringList bound;
    QStringList taken;
    Keeper keptBy = Keeper::program;

private:
    std::function<void()> m_pressed;
    std::function<void(Answer)> m_answered;
};
