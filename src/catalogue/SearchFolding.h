#pragma once

#include <QString>

// A text as search compares it, so that a user finds a word however its
// language lets it be typed: lower case; without the accents of Latin and
// Greek letters ("cœur" and "coeur", "Café" and "cafe", "Καφές" and "καφες")
// and with "ё" as "е", as Russian is commonly typed; ligatures and letters
// typed as two or as a plain one written out (œ, æ, ß, ø, ł, đ); full-width
// letters as plain ones; katakana as hiragana, as Japanese search does. Marks
// that make another letter (Japanese voicing marks, "й", Indic vowel signs)
// stay.
QString foldedForSearch(const QString& text);
