#pragma once

#include <QColor>
#include <QRectF>
#include <QString>

class QPainter;

// The look the appearance and family pickers share: the emoji on a faint
// rounded tile, and the selection highlight over the chosen one.
namespace PickerCell {

constexpr int size = 32;
constexpr int emojiPixelSize = 20;

void paint(QPainter& painter, const QRectF& cell, const QString& emoji, bool isSelected,
           const QColor& accent);

} // namespace PickerCell
