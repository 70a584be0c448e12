#include "ui/settings/TonePicker.h"

#include "ui/controls/ToneName.h"

#include <QMouseEvent>
#include <QPainter>

namespace {
constexpr int swatchSize = 18;
constexpr int spacing = 10;
constexpr qreal dotSize = 5;
} // namespace

TonePicker::TonePicker(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    makeItemsAccessible(this);
}

QColor TonePicker::swatchColor(Tone tone) {
    switch (tone) {
    case Tone::yellow:
        return QColor(255, 198, 0);
    case Tone::light:
        return QColor(246, 220, 192);
    case Tone::mediumLight:
        return QColor(217, 188, 154);
    case Tone::medium:
        return QColor(183, 146, 110);
    case Tone::mediumDark:
        return QColor(147, 102, 70);
    case Tone::dark:
        return QColor(85, 69, 58);
    }
    return {};
}

void TonePicker::setSelection(std::optional<Tone> selection) {
    m_selection = selection;
    update();
}

QSize TonePicker::sizeHint() const {
    const int count = allTones().size();
    return {count * swatchSize + (count - 1) * spacing, swatchSize};
}

QRect TonePicker::swatchRect(Tone tone) const {
    const int top = (height() - swatchSize) / 2;
    return {int(allTones().indexOf(tone)) * (swatchSize + spacing), top, swatchSize, swatchSize};
}

std::optional<Tone> TonePicker::toneAt(const QPoint& point) const {
    for (Tone tone : allTones()) {
        if (swatchRect(tone).contains(point))
            return tone;
    }
    return std::nullopt;
}

void TonePicker::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    for (Tone tone : allTones()) {
        const QRectF swatch = swatchRect(tone);
        painter.setBrush(swatchColor(tone));
        painter.drawEllipse(swatch);
        if (m_selection == tone) {
            QRectF dot(0, 0, dotSize, dotSize);
            dot.moveCenter(swatch.center());
            painter.setBrush(Qt::white);
            painter.drawEllipse(dot);
        }
    }
}

void TonePicker::mousePressEvent(QMouseEvent* event) {
    m_pressed =
        event->button() == Qt::LeftButton ? toneAt(event->position().toPoint()) : std::nullopt;
}

// A click is a press and a release on the same swatch.
void TonePicker::mouseReleaseEvent(QMouseEvent* event) {
    const std::optional<Tone> pressed = std::exchange(m_pressed, std::nullopt);
    if (!pressed || event->button() != Qt::LeftButton ||
        toneAt(event->position().toPoint()) != pressed)
        return;
    choose(*pressed);
}

void TonePicker::choose(Tone tone) {
    if (m_selection == tone)
        return;
    setSelection(tone);
    emit selectionChanged(m_selection);
}

QList<AccessibleItems::Item> TonePicker::accessibleItems() const {
    QList<Item> items;
    for (Tone tone : allTones())
        items << Item{QString::number(rawValue(tone)), toneName(tone), swatchRect(tone),
                      m_selection == tone};
    return items;
}

void TonePicker::pressAccessibleItem(const QString& key) {
    if (const auto tone = toneFromRawValue(key.toInt()))
        choose(*tone);
}
