#pragma once

#include "platform/PasteService.h"
#include "platform/linux/QtClipboardPasteboard.h"

#include <QString>

struct xdo;

// Paste on X11 through libxdo (XTest). The active window is read through the
// window manager (EWMH) where it offers that, otherwise from the input focus.
// A terminal, which takes Ctrl+V for a control character, gets Shift+Insert
// with the text on the primary selection too. Where no X11 display can be
// opened (a Wayland session without XWayland) every paste fails, saying that
// autopaste needs an X11 session.
class X11PasteService : public PasteService {
public:
    X11PasteService() = default;
    ~X11PasteService() override;
    X11PasteService(const X11PasteService&) = delete;
    X11PasteService& operator=(const X11PasteService&) = delete;

    void prepare() override;
    void rememberActiveWindow() override;
    QCoro::Task<> pasteIntoRememberedWindow(QString text) override;
    void activateWindow(quintptr window) override;

private:
    void pasteNow(const QString& text);
    bool isTerminal(unsigned long window) const;
    bool windowManagerActivates() const;
    unsigned long activeWindow() const;
    void requestActivation(unsigned long window) const;
    bool activateAndWait(unsigned long window) const;

    xdo* m_xdo = nullptr;
    QtClipboardPasteboard m_primarySelection{QClipboard::Selection};
    QString m_unavailable;
    unsigned long m_target = 0;
};
