#pragma once

#include "platform/PasteService.h"

#include <QByteArray>
#include <chrono>

// Paste on a Wayland compositor that offers the virtual keyboard protocol
// (wlroots: sway, Hyprland, river...), through the `wtype` program. Wayland
// lets no client activate another's window: Ctrl+V goes to the window the
// compositor focuses, which is the previous one once the panel has closed. On
// sway, whose IPC names the focused window, a terminal gets the text typed
// instead. Nothing here blocks the main thread: the programs run while its
// event loop goes on.
class WtypePasteService : public PasteService {
public:
    // `settle` is waited before typing, so that the compositor has given the
    // focus back to the previous window.
    explicit WtypePasteService(std::chrono::milliseconds settle = std::chrono::milliseconds(100));

    // The app_id (or, for an X11 window, the class) of the focused window in
    // sway's tree (`swaymsg -t get_tree`); empty when there is none.
    static QString focusedWindowIn(const QByteArray& swayTree);

    void prepare() override {}
    void rememberActiveWindow() override {}
    QCoro::Task<> pasteIntoRememberedWindow(QString text) override;
    void activateWindow(quintptr) override {}
    bool pastesIntoFocusedWindow() const override { return true; }

private:
    std::chrono::milliseconds m_settle;
};
