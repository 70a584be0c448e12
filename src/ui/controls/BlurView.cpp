#include "ui/controls/BlurView.h"

#include <QPainter>

namespace {
// How much of the window colour covers what lies behind.
qreal coverage(int material) {
    return material == BlurView::sidebarMaterial ? 0.85 : 0.95;
}
} // namespace

BlurView::BlurView(int material, QWidget* parent) : QWidget(parent), m_material(material) {}

void BlurView::setMaterial(int material) {
    m_material = material;
    update();
}

void BlurView::setCornerRadius(qreal radius) {
    m_cornerRadius = radius;
    update();
}

void BlurView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QColor tint = palette().color(QPalette::Window);
    tint.setAlphaF(coverage(m_material));
    painter.setPen(Qt::NoPen);
    painter.setBrush(tint);
    painter.drawRoundedRect(rect(), m_cornerRadius, m_cornerRadius);
}
