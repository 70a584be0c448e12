#include "ui/controls/SymbolButton.h"

#include "ui/controls/SymbolImage.h"

#include <QPainter>

SymbolButton::SymbolButton(const QString& symbolName, QSizeF symbolSize,
                           const ResourceLocator& resources, QWidget* parent)
    : QAbstractButton(parent), m_resources(resources), m_symbolName(symbolName),
      m_symbolSize(symbolSize) {
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::ArrowCursor);
}

void SymbolButton::setSymbolName(const QString& name) {
    m_symbolName = name;
    update();
}

void SymbolButton::setColor(std::optional<QColor> color) {
    m_color = std::move(color);
    update();
}

void SymbolButton::setOpacity(qreal opacity) {
    m_opacity = opacity;
    update();
}

void SymbolButton::setPadding(QMargins padding) {
    m_padding = padding;
    updateGeometry();
}

QSize SymbolButton::sizeHint() const {
    return m_symbolSize.toSize().grownBy(m_padding);
}

void SymbolButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setOpacity(isDown() ? m_opacity * 0.6 : m_opacity);
    const QRectF area = QRectF(rect()).marginsRemoved(m_padding.toMarginsF());
    QRectF symbol(QPointF(), m_symbolSize);
    symbol.moveCenter(area.center());
    SymbolImage::paint(m_resources, painter, symbol, m_symbolName,
                       m_color.value_or(palette().color(QPalette::WindowText)));
}
