#pragma once

#include <QStringList>

// The words of a search, and of an emoji's names and keywords, as searching
// compares them: lower-cased, split at spaces, hyphens, underscores, colons
// and the punctuation around words ("see-no-evil", "see_no_evil" and
// "see no evil" are the same three words), without U+FE0F (a symbol pasted
// from elsewhere may lack it), with a typed apostrophe for a curly one.
QStringList searchWords(const QString& text);

// A word as its other forms share it: "cherries" and "cherry", "sleeping" and
// "sleep", "boxes" and "box" have one stem. Only the English plural and
// "-ing", and only for words of plain letters a to z; any other word is its
// own stem.
QString wordStem(const QString& word);
