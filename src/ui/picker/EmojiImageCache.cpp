#include "ui/picker/EmojiImageCache.h"

#include "ui/controls/EmojiFont.h"

#include <QPainter>
#include <QtMath>

EmojiImageCache::EmojiImageCache(int pixelSize, int side, qreal devicePixelRatio)
    : m_pixelSize(pixelSize), m_side(side), m_devicePixelRatio(devicePixelRatio) {}

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
    const int pixels = qCeil(m_side * m_devicePixelRatio);
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(m_devicePixelRatio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setFont(emojiFont(m_pixelSize));
    painter.drawText(QRectF(0, 0, m_side, m_side), Qt::AlignCenter, symbol);
    return image;
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
