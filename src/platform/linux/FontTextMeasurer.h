#pragma once

#include "async/TransientThread.h"
#include "platform/TextMeasurer.h"

#include <QFont>
#include <QHash>
#include <QReadWriteLock>
#include <chrono>

// Measures in Noto Color Emoji and keeps each size for the run. Needs a
// QGuiApplication; safe to use from any thread.
//
// The size is the advance width of the text and the line height of the font.
// A symbol the font draws as one glyph advances as far as any single emoji;
// a modifier the font cannot join advances as a second swatch, twice as far.
// The bounding rectangle is no use here: its height grows when U+FE0F follows
// the modifier although the font draws one glyph.
//
// Qt keeps the fonts a thread used, the font file mapped, until that thread
// ends. The main thread draws the emoji anyway and measures itself; other
// threads hand their texts to a thread of the measurer's that ends once
// `linger` passes without a text, so the background thread that lives for
// the whole run never holds a second copy of the font.
class FontTextMeasurer : public TextMeasurer {
public:
    explicit FontTextMeasurer(std::chrono::milliseconds linger = std::chrono::seconds(1));

    QSizeF size(const QString& text) const override;
    // Whether the measurer's own thread is there; for the tests.
    bool isMeasuringOffMainThread() const { return m_measuring.isRunning(); }

private:
    static QSizeF measure(const QFont& font, const QString& text);

    // The main thread and the measuring thread measure at once: each has a
    // font of its own, as a font caches the engine of the thread that used it.
    QFont m_measuringThreadFont;
    QFont m_mainThreadFont;
    mutable QReadWriteLock m_lock;
    mutable QHash<QString, QSizeF> m_sizes;
    mutable TransientThread m_measuring;
};
