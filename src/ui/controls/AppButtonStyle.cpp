#include "ui/controls/AppButtonStyle.h"

#include <QAbstractButton>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QStyleOptionButton>

namespace {

constexpr qreal cornerRadius = 6;
constexpr int labelPadding = 8;
constexpr qreal pressedOpacity = 0.9;
constexpr qreal bottomOpacity = 0.8;
// The stretch of the outline drawn as a highlight, as fractions of its length.
constexpr qreal outlineFrom = 0.505;
constexpr qreal outlineTo = 0.995;
constexpr int outlineSamples = 96;

QColor withOpacity(QColor color, qreal opacity) {
    color.setAlphaF(color.alphaF() * opacity);
    return color;
}

// The part of the path between two fractions of its length, as a polyline.
QPainterPath trimmed(const QPainterPath& path, qreal from, qreal to) {
    const qreal length = path.length();
    QPainterPath part;
    for (int sample = 0; sample <= outlineSamples; ++sample) {
        const qreal fraction = from + (to - from) * sample / outlineSamples;
        const QPointF point = path.pointAtPercent(path.percentAtLength(fraction * length));
        if (sample == 0)
            part.moveTo(point);
        else
            part.lineTo(point);
    }
    return part;
}

} // namespace

AppButtonStyle::AppButtonStyle(QColor color, QObject* owner) : m_color(std::move(color)) {
    setParent(owner);
}

void AppButtonStyle::setColor(QColor color) {
    m_color = std::move(color);
    for (const QPointer<QWidget>& widget : std::as_const(m_widgets)) {
        if (widget)
            widget->update();
    }
}

void AppButtonStyle::polish(QWidget* widget) {
    QProxyStyle::polish(widget);
    if (qobject_cast<QAbstractButton*>(widget)) {
        QSizePolicy policy = widget->sizePolicy();
        policy.setHorizontalPolicy(QSizePolicy::Expanding);
        widget->setSizePolicy(policy);
        m_widgets.removeAll(nullptr);
        m_widgets << widget;
    }
}

void AppButtonStyle::unpolish(QWidget* widget) {
    m_widgets.removeAll(widget);
    QProxyStyle::unpolish(widget);
}

void AppButtonStyle::drawControl(ControlElement element, const QStyleOption* option,
                                 QPainter* painter, const QWidget* widget) const {
    if (element == CE_PushButton) {
        if (const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option)) {
            drawButton(*button, *painter);
            return;
        }
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

void AppButtonStyle::drawButton(const QStyleOptionButton& option, QPainter& painter) const {
    const bool pressed = option.state & State_Sunken;
    const QColor base = pressed ? withOpacity(m_color, pressedOpacity) : m_color;
    const QRectF area = QRectF(option.rect).adjusted(0.5, 0.5, -0.5, -0.5);

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient gradient(area.topLeft(), area.bottomLeft());
    gradient.setColorAt(0, base);
    gradient.setColorAt(1, withOpacity(base, bottomOpacity));
    QPainterPath shape;
    shape.addRoundedRect(area, cornerRadius, cornerRadius);
    painter.fillPath(shape, gradient);

    QPen highlight(withOpacity(Qt::white, 0.2), 1, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    highlight.setMiterLimit(10);
    painter.strokePath(trimmed(shape, outlineFrom, outlineTo), highlight);

    painter.setPen(Qt::white);
    painter.drawText(option.rect.adjusted(labelPadding, labelPadding, -labelPadding, -labelPadding),
                     Qt::AlignCenter | Qt::TextShowMnemonic, option.text);
    painter.restore();
}

QSize AppButtonStyle::sizeFromContents(ContentsType type, const QStyleOption* option,
                                       const QSize& size, const QWidget* widget) const {
    if (type == CT_PushButton && option) {
        const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
        const QSize text =
            button ? option->fontMetrics.size(Qt::TextShowMnemonic, button->text) : size;
        return text.grownBy(QMargins(labelPadding, labelPadding, labelPadding, labelPadding));
    }
    return QProxyStyle::sizeFromContents(type, option, size, widget);
}
