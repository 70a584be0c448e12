#pragma once

#include <QString>
#include <functional>

// A key that reaches this program from any application, as the desktop's own
// keyboard shortcuts do.
class GlobalShortcut {
public:
    // Who keeps the key: the program itself, or the desktop on its behalf,
    // which may ask the user first and lets them change the key in its own
    // settings.
    enum class Keeper { program, desktop };

    // The desktop's answer, which comes later, to the binding of a key: whether
    // it holds the key, and how it names the key it holds, or why it does not.
    struct Answer {
        bool held = false;
        QString text;
    };

    virtual ~GlobalShortcut() = default;

    // Holds the key, written as a key sequence's portable text ("Ctrl+Alt+E"),
    // in place of the one held before, and calls pressed on the main thread at
    // each press; an empty key holds none. Throws MessageError saying why the
    // key cannot be held (another program holds it); then none is held.
    virtual void bind(const QString& key, std::function<void()> pressed) = 0;
    virtual Keeper keeper() const { return Keeper::program; }
    // Where the desktop keeps the key, `answered` is called on the main thread
    // with its answer to each key bound, and again when the desktop changes it.
    virtual void setAnswerHandler(std::function<void(Answer)> answered) { (void)answered; }
};
