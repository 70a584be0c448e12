#include "platform/linux/UnavailablePasteService.h"

#include "platform/MessageError.h"

void UnavailablePasteService::pasteIntoRememberedWindow() {
    throw MessageError("Autopaste is not available in this session: the emoji is on the "
                       "clipboard, paste it with Ctrl+V");
}
