#pragma once

#include "platform/Pasteboard.h"

#include <QClipboard>

// The application's clipboard, or on X11 the primary selection. Main thread
// only; the event loop must run for other programs to read what is put there.
class QtClipboardPasteboard : public Pasteboard {
public:
    explicit QtClipboardPasteboard(QClipboard::Mode mode = QClipboard::Clipboard);

    void setText(const QString& text) override;

private:
    QClipboard::Mode m_mode;
};
