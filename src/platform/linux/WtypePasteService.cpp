#include "platform/linux/WtypePasteService.h"

#include "platform/MessageError.h"
#include "platform/linux/BoundedProcess.h"
#include "platform/linux/TerminalWindows.h"

#include <QCoroTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

constexpr std::chrono::milliseconds bound(3000);
constexpr std::chrono::milliseconds swayBound(1000);
// g++ 12 cannot copy a literal of a co_await expression into the coroutine's
// frame: the programs and arguments are constants.
const QString swaymsg = QStringLiteral("swaymsg");
const QStringList getTree{QStringLiteral("-t"), QStringLiteral("get_tree")};
const QString wtypeProgram = QStringLiteral("wtype");

// wtype's own words when the compositor has no virtual keyboard.
constexpr char unsupported[] = "does not support the virtual keyboard protocol";

QString focusedIn(const QJsonObject& node) {
    if (node.value("focused").toBool()) {
        const QString appId = node.value("app_id").toString();
        return appId.isEmpty()
                   ? node.value("window_properties").toObject().value("class").toString()
                   : appId;
    }
    for (const char* children : {"nodes", "floating_nodes"})
        for (const QJsonValue child : node.value(children).toArray())
            if (const QString found = focusedIn(child.toObject()); !found.isEmpty())
                return found;
    return {};
}

// Whether the focused window is a terminal, where sway can say; elsewhere it
// is taken for an ordinary window.
QCoro::Task<bool> focusIsOnTerminal() {
    const BoundedProcess::Result tree = co_await BoundedProcess::run(swaymsg, getTree, swayBound);
    co_return tree.succeeded() &&
        TerminalWindows::isTerminal(WtypePasteService::focusedWindowIn(tree.standardOutput));
}

} // namespace

WtypePasteService::WtypePasteService(std::chrono::milliseconds settle) : m_settle(settle) {}

QString WtypePasteService::focusedWindowIn(const QByteArray& swayTree) {
    return focusedIn(QJsonDocument::fromJson(swayTree).object());
}

QCoro::Task<> WtypePasteService::pasteIntoRememberedWindow(QString text) {
    co_await QCoro::sleepFor(m_settle);
    const bool terminal = co_await focusIsOnTerminal();
    const QStringList arguments =
        terminal ? QStringList{"--", text} : QStringList{"-M", "ctrl", "v", "-m", "ctrl"};
    const QString keys = terminal ? QStringLiteral("the emoji") : QStringLiteral("Ctrl+V");
    const BoundedProcess::Result wtype =
        co_await BoundedProcess::run(wtypeProgram, arguments, bound);
    switch (wtype.ending) {
    case BoundedProcess::Ending::Exited:
        break;
    case BoundedProcess::Ending::FailedToStart:
        throw MessageError("Autopaste needs the wtype program, which cannot be started: " +
                           wtype.startError);
    case BoundedProcess::Ending::TimedOut:
        throw MessageError(QStringLiteral("wtype did not send %1 within %2")
                               .arg(keys, BoundedProcess::seconds(bound)));
    case BoundedProcess::Ending::Crashed:
        throw MessageError("wtype crashed while sending " + keys);
    }
    if (wtype.exitCode == 0)
        co_return;
    const QString error = QString::fromLocal8Bit(wtype.standardError).trimmed();
    if (error.contains(unsupported, Qt::CaseInsensitive))
        throw MessageError("Autopaste is not available in this session: the compositor does not "
                           "offer the virtual keyboard protocol. The emoji is on the clipboard, "
                           "paste it with Ctrl+V");
    throw MessageError(QStringLiteral("wtype could not send %1 (exit code %2): %3")
                           .arg(keys)
                           .arg(wtype.exitCode)
                           .arg(BoundedProcess::quoted(wtype.standardError)));
}
