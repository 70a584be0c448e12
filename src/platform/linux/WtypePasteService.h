#pragma once

#include "platform/PasteService.h"

#include <chrono>

// Paste on a Wayland compositor that offers the virtual keyboard protocol
// (wlroots: sway, Hyprland, river...), through the `wtype` program. Wayland
// lets no client activate another's window: Ctrl+V goes to the window the
// compositor focuses, which is the previous one once the panel has closed.
class WtypePasteService : public PasteService {
public:
    // `settle` is waited before typing, so that the compositor has given the
    // focus back to the previous window.
    explicit WtypePasteService(std::chrono::milliseconds settle = std::chrono::milliseconds(100));

    void prepare() override {}
    void rememberActiveWindow() override {}
    void pasteIntoRememberedWindow() override;
    void activateWindow(quintptr) override {}
    bool pastesIntoFocusedWindow() const override { return true; }

private:
    std::chrono::milliseconds m_settle;
};
