#include "ui/picker/PanelPlacement.h"

#include <algorithm>

namespace {
constexpr int gap = 4;
}

QPoint panelPosition(const QRect& anchor, const QSize& panel, const QRect& screen) {
    const bool above = anchor.center().y() > screen.center().y();
    int x = anchor.center().x() - panel.width() / 2;
    int y = above ? anchor.top() - gap - panel.height() : anchor.bottom() + 1 + gap;
    // A panel larger than the screen keeps its top left corner visible.
    x = std::max(screen.left(), std::min(x, screen.right() + 1 - panel.width()));
    y = std::max(screen.top(), std::min(y, screen.bottom() + 1 - panel.height()));
    return {x, y};
}

QSize fittedPanelSize(const QSize& panel, const QRect& screen) {
    return {std::min(panel.width(), screen.width()),
            std::min(panel.height(), screen.height() - 2 * gap)};
}
