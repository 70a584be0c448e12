#pragma once

#include "platform/WindowPlacer.h"
#include "platform/linux/SwayIpcConnection.h"

#include <QJsonObject>
#include <QObject>

// Places windows through sway's IPC, which any client may use: it follows
// the compositor's news of windows, and when this process's window of the
// title asked for floats, it asks where the free area of the output is (the
// workspace's rectangle: the output less its bars) and moves the window there
// ("[con_id=N] move absolute position X Y"). A window with no anchor first
// goes to the pointer ("move position mouse"), which then serves as the
// anchor. Tiled windows are left where the compositor put them.
class SwayWindowPlacer : public QObject, public WindowPlacer {
    Q_OBJECT
public:
    SwayWindowPlacer(const QString& socketPath, qint64 pid, QObject* parent = nullptr);

    void placeWhenShown(const QString& title, std::optional<QPoint> anchor,
                        Position position) override;

signals:
    // A window was placed (for tests and the figures); its top left corner.
    void placed(const QString& title, QPoint at);

private:
    struct Placement {
        QString title;
        std::optional<QPoint> anchor;
        Position position;
    };

    void windowEvent(const QJsonObject& event);
    void placeAtPointer(qint64 id, Placement placement);
    void place(qint64 id, QSize size, QPoint anchor, const Placement& placement);
    void move(qint64 id, const QString& where);

    SwayIpcConnection m_events;
    SwayIpcConnection m_commands;
    qint64 m_pid;
    std::optional<Placement> m_waiting;
};
