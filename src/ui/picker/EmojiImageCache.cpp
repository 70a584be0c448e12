#include "ui/picker/EmojiImageCache.h"

#include "ui/controls/EmojiFont.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QThread>
#include <QtMath>
#include <vector>

namespace {
// The fewest symbols worth a helper thread.
constexpr qsizetype minimumShare = 8;
// Above and below the font's line, where a few symbols reach.
constexpr int bandMargin = 2;
// The font's line and its margins, with the square's parity: the band's
// centre falls on the square's, not half a pixel off.
int bandHeight(int pixelSize, int side) {
    const int line = qCeil(QFontMetricsF(emojiFont(pixelSize)).height()) + 2 * bandMargin;
    return qMin(side, line + (side - line) % 2);
}

} // namespace

EmojiImageCache::EmojiImageCache(int pixelSize, int side, qreal devicePixelRatio)
    : m_pixelSize(pixelSize), m_side(side), m_height(bandHeight(pixelSize, side)),
      m_devicePixelRatio(devicePixelRatio) {}

EmojiImageCache::~EmojiImageCache() {
    stopPreparation();
}

bool EmojiImageCache::contains(const QString& symbol) const {
    QReadLocker lock(&m_lock);
    return m_images.contains(symbol);
}

QImage EmojiImageCache::image(const QString& symbol) const {
    {
        QReadLocker lock(&m_lock);
        const auto found = m_images.constFind(symbol);
        if (found != m_images.cend())
            return *found;
    }
    const QImage drawn = draw(symbol);
    QWriteLocker lock(&m_lock);
    // Drawn twice at the same time: either image serves.
    return *m_images.insert(symbol, drawn);
}

QImage EmojiImageCache::draw(const QString& symbol) const {
    QImage image(qCeil(m_side * m_devicePixelRatio), qCeil(m_height * m_devicePixelRatio),
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(m_devicePixelRatio);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setFont(emojiFont(m_pixelSize));
        // Centred in the band as it would be in the whole square.
        painter.drawText(QRectF(0, (m_height - m_side) / 2.0, m_side, m_side), Qt::AlignCenter,
                         drawnEmoji(symbol));
    }
    // An image keeps the paint engine that drew it, a third of its size again:
    // the copy kept leaves it behind.
    return image.copy();
}

// The font draws on several threads at once: a page of symbols not drawn yet
// (the first opening's) takes half the time on two cores.
void EmojiImageCache::drawNow(const QStringList& symbols) {
    QStringList missing;
    for (const QString& symbol : symbols) {
        if (!contains(symbol))
            missing << symbol;
    }
    std::atomic<qsizetype> next = 0;
    const auto drawMissing = [this, &missing, &next] {
        for (qsizetype index = next++; index < missing.size(); index = next++)
            image(missing[index]);
    };
    // A helper's start and its own copy of the font cost about as much as a
    // few symbols.
    const qsizetype helpers =
        qMin(qsizetype(QThread::idealThreadCount()) - 1, missing.size() / minimumShare);
    std::vector<std::thread> threads;
    for (qsizetype helper = 0; helper < helpers; ++helper)
        threads.emplace_back(drawMissing);
    drawMissing();
    for (std::thread& thread : threads)
        thread.join();
}

void EmojiImageCache::prepareInBackground(QStringList symbols) {
    stopPreparation();
    m_stopping = false;
    m_preparation = std::thread([this, symbols = std::move(symbols)] {
        for (const QString& symbol : symbols) {
            if (m_stopping)
                return;
            if (!contains(symbol))
                image(symbol);
        }
    });
}

void EmojiImageCache::waitForPreparation() {
    if (m_preparation.joinable())
        m_preparation.join();
}

void EmojiImageCache::stopPreparation() {
    m_stopping = true;
    waitForPreparation();
}
