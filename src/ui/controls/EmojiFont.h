#pragma once

#include <QFont>

// The font emoji are drawn in, at a size in logical pixels: the colour emoji
// font first, the desktop's font for anything it lacks. The desktop's default
// font alone draws some emoji (such as ☝) as plain text glyphs.
QFont emojiFont(int pixelSize);
