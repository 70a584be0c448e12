#include "IntroScene.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace {

const QString prefix = QStringLiteral("Let's ");
const QString shortcut = QStringLiteral("/dance");
const QString emoji = QStringLiteral("\U0001F57A");

// The timeline, in seconds.
constexpr double typingStart = 0.5;
constexpr double perCharacter = 0.11;
constexpr double pauseBeforeReplacement = 0.35;
constexpr double popDuration = 0.25;
constexpr double cursorPeriod = 1.0;

double typingEnd() {
    return typingStart + (prefix.size() + shortcut.size()) * perCharacter;
}

double replacementTime() {
    return typingEnd() + pauseBeforeReplacement;
}

QFont textFont(double pointSize) {
    QFont font;
    font.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Noto Color Emoji")});
    font.setPixelSize(qRound(pointSize));
    return font;
}

// Ease out: fast at first, settling at the end.
double easeOut(double progress) {
    const double clamped = std::clamp(progress, 0.0, 1.0);
    return 1 - std::pow(1 - clamped, 3);
}

} // namespace

IntroScene::IntroScene(Appearance appearance) {
    const QColor brand(0xF2, 0xB7, 0x05);
    if (appearance == Appearance::light) {
        m_palette = {QColor(0xFF, 0xF8, 0xE4),
                     QColor(0xFF, 0xFF, 0xFF),
                     QColor(0xFF, 0xFF, 0xFF),
                     QColor(0, 0, 0, 40),
                     QColor(0x1D, 0x1D, 0x1F),
                     QColor(0x6E, 0x6E, 0x73),
                     brand};
    } else {
        m_palette = {QColor(0x2C, 0x2A, 0x24),
                     QColor(0x1C, 0x1C, 0x1E),
                     QColor(0x2C, 0x2C, 0x2E),
                     QColor(255, 255, 255, 50),
                     QColor(0xF5, 0xF5, 0xF7),
                     QColor(0x98, 0x98, 0x9D),
                     brand};
    }
}

int IntroScene::frameCount() const {
    return qRound(seconds * framesPerSecond);
}

QString IntroScene::typedText(double time) const {
    if (isReplaced(time))
        return prefix + emoji;
    const int typed = std::clamp(int((time - typingStart) / perCharacter) + 1, 0,
                                 int(prefix.size() + shortcut.size()));
    return (prefix + shortcut).left(time < typingStart ? 0 : typed);
}

bool IntroScene::isReplaced(double time) const {
    return time >= replacementTime();
}

QImage IntroScene::frame(int index) const {
    const double time = double(index) / framesPerSecond;
    // Drawn in the welcome window's points on an image of twice the pixels.
    QImage image(width, height, QImage::Format_RGBA8888);
    image.setDevicePixelRatio(width / 400.0);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);

    const QRectF bounds(0, 0, 400, 310);
    QLinearGradient background(0, 0, 0, bounds.height());
    background.setColorAt(0, m_palette.backgroundTop);
    background.setColorAt(1, m_palette.backgroundBottom);
    painter.fillRect(bounds, background);

    // The caption changes when the shortcut fires.
    painter.setFont(textFont(15));
    painter.setPen(m_palette.caption);
    const QString caption = isReplaced(time) ? QStringLiteral("\u2026and it becomes an emoji.")
                                             : QStringLiteral("Type a shortcut anywhere\u2026");
    painter.drawText(QRectF(0, 92, bounds.width(), 30), Qt::AlignCenter, caption);

    // The field glows in the brand colour for a moment after the replacement.
    const QRectF field(50, 135, 300, 52);
    const double glow = isReplaced(time) ? 1 - easeOut((time - replacementTime()) / 0.8) : 0;
    if (glow > 0) {
        QColor halo = m_palette.accent;
        halo.setAlphaF(0.45 * glow);
        painter.setPen(QPen(halo, 6));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(field.adjusted(-3, -3, 3, 3), 9, 9);
    }
    painter.setPen(QPen(m_palette.fieldOutline, 1));
    painter.setBrush(m_palette.field);
    painter.drawRoundedRect(field, 6, 6);

    // The text, with the emoji popping in at its full size.
    const QRectF textArea = field.adjusted(16, 0, -16, 0);
    const QFont font = textFont(24);
    const QFontMetricsF metrics(font);
    painter.setFont(font);
    painter.setPen(m_palette.text);
    const QString text = typedText(time);
    const double baseline = textArea.center().y() + (metrics.ascent() - metrics.descent()) / 2;
    double cursorX = textArea.left();
    if (isReplaced(time)) {
        painter.drawText(QPointF(textArea.left(), baseline), prefix);
        const double popScale = 0.6 + 0.4 * easeOut((time - replacementTime()) / popDuration);
        const QPointF origin(textArea.left() + metrics.horizontalAdvance(prefix), baseline);
        const double emojiWidth = metrics.horizontalAdvance(emoji);
        const QPointF centre = origin + QPointF(emojiWidth / 2, -metrics.ascent() / 2);
        painter.save();
        painter.translate(centre);
        painter.scale(popScale, popScale);
        painter.drawText(origin - centre, emoji);
        painter.restore();
        cursorX += metrics.horizontalAdvance(prefix) + emojiWidth;
    } else {
        painter.drawText(QPointF(textArea.left(), baseline), text);
        cursorX += metrics.horizontalAdvance(text);
    }

    // A blinking cursor, steady while typing.
    const bool typing = time >= typingStart && time < typingEnd();
    if (typing || std::fmod(time, cursorPeriod) < cursorPeriod / 2) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(m_palette.accent);
        painter.drawRect(QRectF(cursorX + 1.5, textArea.center().y() - 14, 2, 28));
    }
    painter.end();
    return image;
}
