#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <functional>
#include <optional>

// Places this program's windows where the window system does not let a
// program place its own (Wayland): through the compositor's own interface.
class WindowPlacer {
public:
    // The top left corner of the window, for the point it hangs from, its
    // size with the compositor's decorations and the free area (the output
    // less its bars) of the output that point is on.
    using Position = std::function<QPoint(QPoint anchor, QSize window, QRect freeArea)>;

    virtual ~WindowPlacer() = default;

    // Places the window of this program titled title as soon as the
    // compositor shows it: at position, for the anchor given, or else for
    // where the pointer is. Replaces a placement still waiting.
    virtual void placeWhenShown(const QString& title, std::optional<QPoint> anchor,
                                Position position) = 0;
};
