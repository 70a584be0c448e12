#pragma once

#include "platform/TextReplacementService.h"

#include <QByteArray>
#include <QList>

// The text of the espanso match file this program generates: a header comment
// and a `matches:` list whose entries each have a `trigger`, a `replace` and
// `word: true`.
namespace EspansoMatchFormat {

struct Content {
    enum class Kind {
        own,     // written by write(), or empty
        foreign, // YAML, but not in the program's own layout (or without its header)
        damaged, // not YAML, or not a map with a `matches:` list
    };
    Kind kind = Kind::own;
    // The entries of an own text; none for the others.
    QList<TextReplacementEntry> entries;
    // An own text with at least one entry, which appendEntries() can extend.
    bool isExtensible = false;
};

// Every text is written double-quoted with escapes, so that any shortcut or
// phrase stays one scalar with exactly its text.
QByteArray write(const QList<TextReplacementEntry>& entries);
// Adds entries at the end of an extensible text, without writing it all again.
void appendEntries(QByteArray& text, const QList<TextReplacementEntry>& entries);

// Only a text that starts with the program's header and has exactly the
// layout of write() is its own: anything else may hold what write() cannot
// express (other keys, variables, regex triggers, comments).
Content read(const QByteArray& text);

} // namespace EspansoMatchFormat
