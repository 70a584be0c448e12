#include "ui/controls/ProgressIndicator.h"

#include <QPainter>

namespace {
constexpr int spokes = 12;
constexpr std::chrono::milliseconds stepInterval(80);
} // namespace

ProgressIndicator::ProgressIndicator(int diameter, QWidget* parent) : QWidget(parent) {
    setFixedSize(diameter, diameter);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    m_timer.setInterval(stepInterval);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        m_step = (m_step + 1) % spokes;
        update();
    });
}

void ProgressIndicator::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    m_timer.start();
}

void ProgressIndicator::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    m_timer.stop();
}

void ProgressIndicator::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(rect().center() + QPointF(0.5, 0.5));
    const qreal radius = width() / 2.0;
    QColor spoke = palette().color(QPalette::WindowText);
    for (int index = 0; index < spokes; ++index) {
        // The newest spoke is the brightest; the ones behind it fade.
        const int age = (m_step - index + spokes) % spokes;
        spoke.setAlphaF(1.0 - 0.75 * age / spokes);
        painter.setPen(QPen(spoke, radius / 4, Qt::SolidLine, Qt::RoundCap));
        painter.save();
        painter.rotate(360.0 * index / spokes);
        painter.drawLine(QPointF(0, -radius * 0.45), QPointF(0, -radius * 0.85));
        painter.restore();
    }
}
