#pragma once

#include "platform/TextReplacementService.h"

#include <QByteArray>
#include <QList>

// The text of the espanso match file this program generates: a header comment
// and a `matches:` list whose entries each have a `trigger`, a `replace` and
// `word: true`.
namespace EspansoMatchFormat {

struct Content {
    QList<TextReplacementEntry> entries;
    // The text is not YAML, or not a map with a `matches:` list.
    bool isDamaged = false;
    // The text is in the layout write() produces, with at least one entry, so
    // appendEntries() can extend it.
    bool isExtensible = false;
};

// Every text is written double-quoted with escapes, so that any shortcut or
// phrase stays one scalar with exactly its text.
QByteArray write(const QList<TextReplacementEntry>& entries);
// Adds entries at the end of an extensible text, without writing it all again.
void appendEntries(QByteArray& text, const QList<TextReplacementEntry>& entries);

// Entries that are not a map with a text `trigger` and a text `replace` are
// skipped.
Content read(const QByteArray& text);

} // namespace EspansoMatchFormat
