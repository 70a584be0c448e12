#include "platform/linux/WtypePasteService.h"

#include "platform/MessageError.h"

#include <QProcess>
#include <QThread>

namespace {

constexpr std::chrono::milliseconds bound(3000);

// wtype's own words when the compositor has no virtual keyboard.
constexpr char unsupported[] = "does not support the virtual keyboard protocol";

} // namespace

WtypePasteService::WtypePasteService(std::chrono::milliseconds settle) : m_settle(settle) {}

void WtypePasteService::pasteIntoRememberedWindow() {
    QThread::msleep(m_settle.count());
    QProcess wtype;
    wtype.start(QStringLiteral("wtype"), {"-M", "ctrl", "v", "-m", "ctrl"});
    if (!wtype.waitForStarted(bound.count()))
        throw MessageError("Autopaste needs the wtype program, which cannot be started: " +
                           wtype.errorString());
    if (!wtype.waitForFinished(bound.count())) {
        wtype.kill();
        wtype.waitForFinished();
        throw MessageError(
            QStringLiteral("wtype did not send Ctrl+V within %1 s").arg(bound.count() / 1000));
    }
    if (wtype.exitStatus() == QProcess::CrashExit)
        throw MessageError("wtype crashed while sending Ctrl+V");
    if (wtype.exitCode() == 0)
        return;
    const QString error = QString::fromLocal8Bit(wtype.readAllStandardError()).trimmed();
    if (error.contains(unsupported, Qt::CaseInsensitive))
        throw MessageError("Autopaste is not available in this session: the compositor does not "
                           "offer the virtual keyboard protocol. The emoji is on the clipboard, "
                           "paste it with Ctrl+V");
    throw MessageError(QStringLiteral("wtype could not send Ctrl+V (exit code %1): %2")
                           .arg(wtype.exitCode())
                           .arg(error.section('\n', 0, 0)));
}
