#include "platform/linux/FontTextMeasurer.h"

#include <QFontMetricsF>

FontTextMeasurer::FontTextMeasurer() : m_font(QStringLiteral("Noto Color Emoji")) {}

QSizeF FontTextMeasurer::size(const QString& text) const {
    {
        QReadLocker lock(&m_lock);
        const auto found = m_sizes.constFind(text);
        if (found != m_sizes.cend())
            return *found;
    }
    // Measured under the write lock, so that no text is measured twice.
    QWriteLocker lock(&m_lock);
    const auto found = m_sizes.constFind(text);
    if (found != m_sizes.cend())
        return *found;
    const QFontMetricsF metrics(m_font);
    const QSizeF measured(metrics.horizontalAdvance(text), metrics.height());
    m_sizes.insert(text, measured);
    return measured;
}
