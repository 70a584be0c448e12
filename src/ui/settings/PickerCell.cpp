#include "ui/settings/PickerCell.h"

#include "ui/controls/EmojiFont.h"

#include <QApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>

namespace PickerCell {

namespace {
constexpr qreal cornerRadius = 6;
}

void paint(QPainter& painter, const QRectF& cell, const QString& emoji, bool isSelected,
           const QColor& accent) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath tile;
    tile.addRoundedRect(cell, cornerRadius, cornerRadius);
    QColor background = QApplication::palette().color(QPalette::PlaceholderText);
    background.setAlphaF(0.1);
    painter.fillPath(tile, background);
    painter.setClipPath(tile);
    painter.setFont(emojiFont(emojiPixelSize));
    painter.setPen(QApplication::palette().color(QPalette::WindowText));
    painter.drawText(cell, Qt::AlignCenter, drawnEmoji(emoji));
    if (isSelected) {
        // A hairline in the accent colour over a faint wash of it, one point in.
        QColor wash = accent;
        wash.setAlphaF(0.1);
        painter.setPen(QPen(accent, 1));
        painter.setBrush(wash);
        painter.drawRoundedRect(cell.adjusted(1.5, 1.5, -1.5, -1.5), cornerRadius, cornerRadius);
    }
    painter.restore();
}

} // namespace PickerCell
