#pragma once

#include <QString>
#include <functional>

// A key that reaches this program from any application, as the desktop's own
// keyboard shortcuts do.
class GlobalShortcut {
public:
    virtual ~GlobalShortcut() = default;

    // Holds the key, written as a key sequence's portable text ("Ctrl+Alt+E"),
    // in place of the one held before, and calls pressed on the main thread at
    // each press; an empty key holds none. Throws MessageError saying why the
    // key cannot be held (another program holds it); then none is held.
    virtual void bind(const QString& key, std::function<void()> pressed) = 0;
};
