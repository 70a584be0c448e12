#pragma once

#include "platform/TextMeasurer.h"

#include <QFont>
#include <QHash>
#include <QReadWriteLock>

// Measures in Noto Color Emoji, each text once per process. Needs a
// QGuiApplication; safe to use from any thread.
//
// The size is the advance width of the text and the line height of the font.
// A symbol the font draws as one glyph advances as far as any single emoji;
// a modifier the font cannot join advances as a second swatch, twice as far.
// The bounding rectangle is no use here: its height grows when U+FE0F follows
// the modifier although the font draws one glyph.
class FontTextMeasurer : public TextMeasurer {
public:
    FontTextMeasurer();

    QSizeF size(const QString& text) const override;

private:
    QFont m_font;
    mutable QReadWriteLock m_lock;
    mutable QHash<QString, QSizeF> m_sizes;
};
