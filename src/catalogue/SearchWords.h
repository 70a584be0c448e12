#pragma once

#include <QStringList>

// The words of a search, and of an emoji's names and keywords, as searching
// compares them: lower-cased, split at spaces, hyphens, underscores, colons
// and the punctuation around words ("see-no-evil", "see_no_evil" and
// "see no evil" are the same three words), without U+FE0F (a symbol pasted
// from elsewhere may lack it), with a typed apostrophe for a curly one.
QStringList searchWords(const QString& text);
