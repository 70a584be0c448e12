#pragma once

#include "catalogue/Emoji.h"

// The emoji that match the text, in order; all of them when the text is empty.
// An emoji matches when one of its words (symbol, description, tags, aliases)
// contains the text, both lower-cased with the full Unicode mapping. For short
// lists, such as the favourites; the catalogue has its EmojiSearchIndex.
QList<Emoji> filterEmojis(const QList<Emoji>& emojis, const QString& text);
