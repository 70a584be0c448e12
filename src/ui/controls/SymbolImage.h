#pragma once

#include <QPainterPath>
#include <QString>

class QPainter;
class QRectF;
class QColor;

// The small symbol images of buttons and fields, drawn as vector shapes in one
// colour, the way the desktop draws template symbols: "magnifyingglass",
// "xmark", "xmark.circle.fill", "plus.circle.fill", "info.circle",
// "questionmark.circle", "star", "star.fill", "doc.on.doc", "gearshape",
// "power", "bolt", "bubble.left.and.bubble.right".
namespace SymbolImage {

// The symbol's outline in a 24 x 24 square; empty for a name not listed above.
const QPainterPath& shape(const QString& name);

// Fills the symbol into the rectangle, keeping its aspect ratio, centred.
void paint(QPainter& painter, const QRectF& rect, const QString& name, const QColor& color);

} // namespace SymbolImage
