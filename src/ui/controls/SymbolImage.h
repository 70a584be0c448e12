#pragma once

class QColor;
class QPainter;
class QRectF;
class QString;
class ResourceLocator;

// The small symbol images of buttons and fields, drawn in one colour the way
// the desktop draws template symbols. Each is the resource
// "symbols/<name>.svg" on a 24 x 24 view box: "magnifyingglass", "xmark",
// "xmark.circle.fill", "plus.circle.fill", "info.circle",
// "questionmark.circle", "star", "star.fill", "doc.on.doc", "gearshape",
// "power", "bolt", "bubble.left.and.bubble.right".
namespace SymbolImage {

// Fills the symbol into the largest square centred in the rectangle; draws
// nothing for a name without an image. The pictures are kept for the whole
// run per file, size and colour: repaints only copy them.
void paint(const ResourceLocator& resources, QPainter& painter, const QRectF& rect,
           const QString& name, const QColor& color);

} // namespace SymbolImage
