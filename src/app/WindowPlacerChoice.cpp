#include "app/WindowPlacerChoice.h"

#include "platform/DesktopSession.h"
#include "platform/linux/SwayWindowPlacer.h"

#include <QCoreApplication>

std::unique_ptr<WindowPlacer> chooseWindowPlacer(const DesktopSession& session,
                                                 const GraphicalSession::Environment& environment) {
    const QString socket = environment.value(QStringLiteral("SWAYSOCK"));
    if (session.kind != DesktopSession::Kind::wayland || socket.isEmpty())
        return nullptr;
    return std::make_unique<SwayWindowPlacer>(socket, QCoreApplication::applicationPid());
}
