#include "platform/linux/UnavailablePasteService.h"

#include "platform/MessageError.h"

QString UnavailablePasteService::notice() {
    return QStringLiteral("Autopaste is not available in this session: the emoji is on the "
                          "clipboard, paste it with Ctrl+V");
}

QCoro::Task<> UnavailablePasteService::pasteIntoRememberedWindow(QString) {
    throw MessageError(notice());
    co_return;
}
