#pragma once

#include "platform/PasteService.h"

// Where no way of typing into another program's window is known: every paste
// fails with the same notice, and the emoji stays on the clipboard.
class UnavailablePasteService : public PasteService {
public:
    void prepare() override {}
    void rememberActiveWindow() override {}
    void pasteIntoRememberedWindow() override;
    void activateWindow(quintptr) override {}
};
