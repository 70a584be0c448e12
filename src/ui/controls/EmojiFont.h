#pragma once

#include <QFont>

// The font emoji are drawn in, at a size in logical pixels: the colour emoji
// font first, the desktop's font for anything it lacks. The desktop's default
// font alone draws some emoji (such as ☝) as plain text glyphs.
QFont emojiFont(int pixelSize);

// What the font is given to draw an emoji: the symbol without the U+FE0F that
// something follows. Qt 6.4 ends a run of text at such a U+FE0F, so the font
// never joins the sequence, and 31 of the catalogue's emoji (❤️‍🔥, 🏳️‍🌈, the
// keycaps, ...) came out as two to eight pictures side by side; without it each
// is one. Every view that draws an emoji draws this. What is copied, stored or
// written to espanso is the symbol itself, fully qualified.
QString drawnEmoji(const QString& symbol);

// Rich text for a label that mixes words and emoji: each run of emoji is set in
// the colour emoji font, so that the text font never draws part of one (the
// sign of 🙋‍♀️ as a plain ♀, ⚡️ as a plain glyph), and drawn as drawnEmoji()
// draws it. The rest is escaped.
QString withEmojiFont(const QString& text);
