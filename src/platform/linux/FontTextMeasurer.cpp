#include "platform/linux/FontTextMeasurer.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QThread>

FontTextMeasurer::FontTextMeasurer(std::chrono::milliseconds linger)
    : m_measuringThreadFont(QStringLiteral("Noto Color Emoji")),
      m_mainThreadFont(m_measuringThreadFont.family()),
      m_measuring(linger, QStringLiteral("Font measuring")) {}

QSizeF FontTextMeasurer::size(const QString& text) const {
    {
        QReadLocker lock(&m_lock);
        const auto found = m_sizes.constFind(text);
        if (found != m_sizes.cend())
            return *found;
    }
    // Measured without the lock, so that the main thread's look-ups never wait
    // for a hand-over to the measuring thread; a text two threads measure at
    // once is measured twice, to the same size.
    QSizeF measured;
    if (QThread::currentThread() == QCoreApplication::instance()->thread())
        measured = measure(m_mainThreadFont, text);
    else
        m_measuring.run(
            [this, &text, &measured] { measured = measure(m_measuringThreadFont, text); });
    QWriteLocker lock(&m_lock);
    m_sizes.insert(text, measured);
    return measured;
}

QSizeF FontTextMeasurer::measure(const QFont& font, const QString& text) {
    const QFontMetricsF metrics(font);
    return {metrics.horizontalAdvance(text), metrics.height()};
}
