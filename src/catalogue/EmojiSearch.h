#pragma once

#include "catalogue/Emoji.h"

// Search over emoji: a query matches an emoji when one of its words contains
// the query as a substring, both lower-cased with the full Unicode mapping.

// Whether one of the emoji's words (symbol, description, tags, aliases),
// lower-cased, contains the lower-cased query.
bool matchesQuery(const Emoji& emoji, const QString& lowerQuery);

// The emoji that match the text, in order; all of them when the text is empty.
QList<Emoji> filterEmojis(const QList<Emoji>& emojis, const QString& text);
