#include "platform/linux/SwayWindowPlacer.h"

#include <QJsonArray>

namespace {

QRect rectOf(const QJsonValue& value) {
    const QJsonObject rect = value.toObject();
    return QRect(rect.value("x").toInt(), rect.value("y").toInt(), rect.value("width").toInt(),
                 rect.value("height").toInt());
}

// The container's whole size: its rectangle holds the border, and its title
// bar lies above it.
QSize outerSize(const QJsonObject& container) {
    return rectOf(container.value("rect")).size() +
           QSize(0, rectOf(container.value("deco_rect")).height());
}

std::optional<QJsonObject> nodeWithId(const QJsonObject& node, qint64 id) {
    if (node.value("id").toInteger() == id)
        return node;
    for (const char* children : {"nodes", "floating_nodes"}) {
        for (const QJsonValue& child : node.value(children).toArray()) {
            if (auto found = nodeWithId(child.toObject(), id))
                return found;
        }
    }
    return std::nullopt;
}

// The free area of the output the point is on: its visible workspace's.
QRect freeAreaAt(const QJsonArray& workspaces, QPoint point) {
    QRect focused;
    for (const QJsonValue& value : workspaces) {
        const QJsonObject workspace = value.toObject();
        const QRect area = rectOf(workspace.value("rect"));
        if (!workspace.value("visible").toBool())
            continue;
        if (area.contains(point))
            return area;
        if (workspace.value("focused").toBool())
            focused = area;
    }
    // A click on a bar lies outside every free area: the nearest one below or
    // above it, on the same output.
    for (const QJsonValue& value : workspaces) {
        const QJsonObject workspace = value.toObject();
        const QRect area = rectOf(workspace.value("rect"));
        if (workspace.value("visible").toBool() && point.x() >= area.left() &&
            point.x() <= area.right())
            return area;
    }
    return focused;
}

} // namespace

SwayWindowPlacer::SwayWindowPlacer(const QString& socketPath, qint64 pid, QObject* parent)
    : QObject(parent), m_events(socketPath), m_commands(socketPath), m_pid(pid) {
    connect(&m_events, &SwayIpcConnection::event, this,
            [this](quint32 type, const QJsonDocument& payload) {
                if (type == SwayIpcConnection::windowEvent)
                    windowEvent(payload.object());
            });
    m_events.send(SwayIpcConnection::subscribe, R"(["window"])");
}

void SwayWindowPlacer::placeWhenShown(const QString& title, std::optional<QPoint> anchor,
                                      Position position) {
    m_waiting = Placement{title, anchor, std::move(position)};
}

// A new window is announced before its title, and before it floats: the
// first news of this process's window with that title, floating, places it.
void SwayWindowPlacer::windowEvent(const QJsonObject& event) {
    const QJsonObject container = event.value("container").toObject();
    if (!m_waiting || container.value("pid").toInteger() != m_pid ||
        container.value("type").toString() != "floating_con" ||
        container.value("name").toString() != m_waiting->title)
        return;
    Placement placement = std::move(*m_waiting);
    m_waiting.reset();
    const qint64 id = container.value("id").toInteger();
    if (placement.anchor)
        place(id, outerSize(container), *placement.anchor, placement);
    else
        placeAtPointer(id, std::move(placement));
}

// The compositor tells no program where its pointer is, but centres a window
// on it: the window's centre is then the pointer, unless the output's edge
// held it back.
void SwayWindowPlacer::placeAtPointer(qint64 id, Placement placement) {
    move(id, QStringLiteral("position mouse"));
    m_commands.send(SwayIpcConnection::getTree, {},
                    [this, id, placement](const QJsonDocument& tree) {
                        const auto container = nodeWithId(tree.object(), id);
                        if (!container)
                            return;
                        const QRect rect = rectOf(container->value("rect"));
                        place(id, outerSize(*container), rect.center(), placement);
                    });
}

void SwayWindowPlacer::place(qint64 id, QSize size, QPoint anchor, const Placement& placement) {
    m_commands.send(SwayIpcConnection::getWorkspaces, {},
                    [this, id, size, anchor, placement](const QJsonDocument& workspaces) {
                        const QRect area = freeAreaAt(workspaces.array(), anchor);
                        if (area.isEmpty())
                            return;
                        const QPoint at = placement.position(anchor, size, area);
                        move(id, QStringLiteral("absolute position %1 %2").arg(at.x()).arg(at.y()));
                        emit placed(placement.title, at);
                    });
}

void SwayWindowPlacer::move(qint64 id, const QString& where) {
    m_commands.send(SwayIpcConnection::runCommand,
                    QStringLiteral("[con_id=%1] move %2").arg(id).arg(where).toUtf8());
}
