#pragma once

#include <QFont>

// The font emoji are drawn in, at a size in logical pixels: the colour emoji
// font first, the desktop's font for anything it lacks. The desktop's default
// font alone draws some emoji (such as ☝) as plain text glyphs.
QFont emojiFont(int pixelSize);

// Rich text for a label that mixes words and emoji: each run of emoji is set in
// the colour emoji font, so that the text font never draws part of one (the
// sign of 🙋‍♀️ as a plain ♀, ⚡️ as a plain glyph). The rest is escaped.
QString withEmojiFont(const QString& text);
