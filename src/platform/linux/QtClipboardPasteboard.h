#pragma once

#include "platform/Pasteboard.h"

// The application's clipboard (not the X11 primary selection). Main thread only;
// the event loop must run for other programs to read what is put there.
class QtClipboardPasteboard : public Pasteboard {
public:
    void setText(const QString& text) override;
};
