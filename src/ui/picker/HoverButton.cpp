#include "ui/picker/HoverButton.h"

#include "settings/Preferences.h"
#include "ui/controls/AccentColor.h"
#include "ui/controls/SymbolImage.h"

#include <QPainter>

namespace {
constexpr int verticalPadding = 4;
constexpr int horizontalPadding = 8;
constexpr int symbolSize = 14;
constexpr int symbolSpacing = 6;
constexpr qreal cornerRadius = 6;
} // namespace

HoverButton::HoverButton(const QString& systemImage, const QString& text, Preferences& preferences,
                         const ResourceLocator& resources, QWidget* parent)
    : QAbstractButton(parent), m_systemImage(systemImage), m_preferences(preferences),
      m_resources(resources) {
    setText(text);
    setFocusPolicy(Qt::NoFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

QSize HoverButton::sizeHint() const {
    const QFontMetrics metrics(font());
    return QSize(symbolSize + symbolSpacing + metrics.horizontalAdvance(text()),
                 qMax(symbolSize, metrics.height()))
        .grownBy(QMargins(horizontalPadding, verticalPadding, horizontalPadding, verticalPadding));
}

void HoverButton::enterEvent(QEnterEvent* event) {
    m_isHovered = true;
    update();
    QAbstractButton::enterEvent(event);
}

void HoverButton::leaveEvent(QEvent* event) {
    m_isHovered = false;
    update();
    QAbstractButton::leaveEvent(event);
}

void HoverButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (m_isHovered) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(appAccentColor(m_preferences.useSystemColor()));
        painter.drawRoundedRect(rect(), cornerRadius, cornerRadius);
    }
    const QRect content = rect().marginsRemoved(
        QMargins(horizontalPadding, verticalPadding, horizontalPadding, verticalPadding));
    const QColor color = palette().color(QPalette::WindowText);
    const QRectF symbol(content.left(), content.center().y() + 1 - symbolSize / 2.0, symbolSize,
                        symbolSize);
    SymbolImage::paint(m_resources, painter, symbol, m_systemImage, color);
    painter.setPen(color);
    painter.drawText(content.adjusted(symbolSize + symbolSpacing, 0, 0, 0),
                     Qt::AlignLeft | Qt::AlignVCenter, text());
}
