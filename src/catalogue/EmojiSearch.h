#pragma once

#include "catalogue/Emoji.h"

// Search over emoji: a query matches an emoji when one of its words contains
// the query as a substring, both lower-cased with the full Unicode mapping.

// The words an emoji is found by, lower-cased: symbol, description, tags, aliases.
QStringList searchWords(const Emoji& emoji);

// Whether one of the lower-cased words contains the lower-cased query.
bool matchesQuery(const QStringList& words, const QString& lowerQuery);

// The emoji that match the text, in order; all of them when the text is empty.
QList<Emoji> filterEmojis(const QList<Emoji>& emojis, const QString& text);
