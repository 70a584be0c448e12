#include "platform/linux/FontTextMeasurer.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QThread>

FontTextMeasurer::FontTextMeasurer(std::chrono::milliseconds linger)
    : m_font(QStringLiteral("Noto Color Emoji")),
      m_measuring(linger, QStringLiteral("Font measuring")) {}

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
    QSizeF measured;
    if (QThread::currentThread() == QCoreApplication::instance()->thread())
        measured = measure(text);
    else
        m_measuring.run([this, &text, &measured] { measured = measure(text); });
    m_sizes.insert(text, measured);
    return measured;
}

QSizeF FontTextMeasurer::measure(const QString& text) const {
    const QFontMetricsF metrics(m_font);
    return {metrics.horizontalAdvance(text), metrics.height()};
}
