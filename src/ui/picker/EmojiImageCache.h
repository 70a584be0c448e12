#pragma once

#include <QHash>
#include <QImage>
#include <QReadWriteLock>
#include <QStringList>
#include <atomic>
#include <thread>

// The grid's emoji, each drawn once per process and then only copied. The
// colour emoji font decodes a symbol's bitmap every time it lays the symbol
// out and again when it first draws it, about a millisecond a symbol: drawn
// as text, a new page of the grid would take tens of milliseconds.
//
// Images are drawn on demand on any thread, a page at a time on several
// threads at once, or ahead of use on a worker thread of their own. These
// threads end when they are done, so that the fonts they loaded go with them.
class EmojiImageCache {
public:
    // Symbols at `pixelSize`, centred in squares of `side` logical pixels, for
    // screens of this pixel ratio. Only the band of the square that symbols
    // reach is kept: `side` wide and as high as the font's line, with the same
    // centre, so that an image centred in a cell draws as the square would.
    EmojiImageCache(int pixelSize, int side, qreal devicePixelRatio);
    // Stops a preparation in progress and waits for it.
    ~EmojiImageCache();
    EmojiImageCache(const EmojiImageCache&) = delete;
    EmojiImageCache& operator=(const EmojiImageCache&) = delete;

    // The symbol's image, drawn now unless it was drawn before.
    QImage image(const QString& symbol) const;
    bool contains(const QString& symbol) const;

    // Draws those of the symbols not drawn yet at once, on this thread and
    // helper threads together, and returns when all are drawn.
    void drawNow(const QStringList& symbols);
    // Draws the symbols not drawn yet, in this order, on the worker thread.
    // Replaces a preparation that is still running. Call from one thread.
    void prepareInBackground(QStringList symbols);
    // Waits until the current preparation is done.
    void waitForPreparation();

private:
    QImage draw(const QString& symbol) const;
    void stopPreparation();

    int m_pixelSize;
    int m_side;
    int m_height;
    qreal m_devicePixelRatio;
    mutable QReadWriteLock m_lock;
    mutable QHash<QString, QImage> m_images;
    std::atomic<bool> m_stopping = false;
    std::thread m_preparation;
};
