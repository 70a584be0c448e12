#include "ui/controls/Switch.h"

#include <QPainter>

namespace {
constexpr QSize trackSize(36, 20);
constexpr int knobMargin = 2;
constexpr int labelSpacing = 12;
} // namespace

Switch::Switch(const QString& label, QWidget* parent) : QAbstractButton(parent) {
    setText(label);
    setCheckable(true);
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

QSize Switch::sizeHint() const {
    const int labelWidth =
        text().isEmpty() ? 0 : fontMetrics().horizontalAdvance(text()) + labelSpacing;
    return {labelWidth + trackSize.width() + 2,
            std::max(trackSize.height() + 4, fontMetrics().height())};
}

QRect Switch::switchRect() const {
    QRect track(QPoint(), trackSize);
    track.moveCenter(QPoint(width() - 1 - trackSize.width() / 2, height() / 2));
    return track;
}

void Switch::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (!text().isEmpty()) {
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(rect().adjusted(0, 0, -(trackSize.width() + labelSpacing), 0),
                         Qt::AlignLeft | Qt::AlignVCenter, text());
    }
    const QRectF track = switchRect();
    QColor trackColor =
        isChecked() ? palette().color(QPalette::Highlight) : palette().color(QPalette::Mid);
    if (!isEnabled())
        trackColor.setAlphaF(0.4);
    painter.setPen(hasFocus() ? QPen(palette().color(QPalette::Highlight).darker(130), 1.5)
                              : Qt::NoPen);
    painter.setBrush(trackColor);
    painter.drawRoundedRect(track, track.height() / 2, track.height() / 2);

    const qreal knob = track.height() - 2 * knobMargin;
    const qreal x = isChecked() ? track.right() - knobMargin - knob : track.left() + knobMargin;
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QRectF(x, track.top() + knobMargin, knob, knob));
}
