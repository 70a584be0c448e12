#include "ui/controls/InputFieldModifier.h"

#include <QHBoxLayout>
#include <QPainter>

namespace {
constexpr qreal cornerRadius = 6;
}

InputFieldModifier::InputFieldModifier(QWidget* parent)
    : QWidget(parent), m_row(new QHBoxLayout(this)) {
    m_row->setContentsMargins(4, 2, 4, 2);
}

void InputFieldModifier::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::gray, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), cornerRadius,
                            cornerRadius);
}
