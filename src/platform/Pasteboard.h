#pragma once

#include <QString>

// The desktop's clipboard, as plain text only.
class Pasteboard {
public:
    virtual ~Pasteboard() = default;
    // Replaces whatever the clipboard held with this one plain-text value.
    virtual void setText(const QString& text) = 0;
};
