#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Where the picker panel goes: centred under the anchor (the tray icon, or the
// pointer when the tray tells no geometry), above it when the anchor is in the
// lower half of the screen, and moved as little as needed to stay on the screen.
QPoint panelPosition(const QRect& anchor, const QSize& panel, const QRect& screen);

// The panel's size on a screen: a screen too short for the whole panel gets a
// shorter one (its grid scrolls), with the same gap to the screen's edges.
QSize fittedPanelSize(const QSize& panel, const QRect& screen);
