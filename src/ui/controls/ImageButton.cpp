#include "ui/controls/ImageButton.h"

#include <QPainter>

ImageButton::ImageButton(TemplateImage image, QSize size, QWidget* parent)
    : QAbstractButton(parent), m_image(std::move(image)), m_size(size) {
    setFocusPolicy(Qt::NoFocus);
    setFixedSize(size);
}

void ImageButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (isDown())
        painter.setOpacity(0.6);
    m_image.paint(painter, rect(), palette().color(QPalette::WindowText));
}
