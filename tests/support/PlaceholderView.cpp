#include "PlaceholderView.h"

#include <QPainter>

PlaceholderView::PlaceholderView(const QString& title, const QSize& size, QWidget* parent)
    : QWidget(parent), m_title(title), m_size(size) {
    setObjectName(QStringLiteral("PlaceholderView"));
    setMinimumSize(size);
}

void PlaceholderView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette().color(QPalette::Window));
    painter.drawRoundedRect(QRectF(rect()), 10, 10);
    painter.setPen(palette().color(QPalette::PlaceholderText));
    QFont font = painter.font();
    font.setPointSizeF(font.pointSizeF() * 1.4);
    painter.setFont(font);
    painter.drawText(rect(), Qt::AlignCenter, m_title);
}
