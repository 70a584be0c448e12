#pragma once

#include "shortcuts/Shortcut.h"

#include <QMap>
#include <QStringList>
#include <QVariant>

// The stored form of the shortcut registry: a JSON object from phrase to the
// list of shortcuts recorded for it.
namespace ShortcutRecord {

using Map = QMap<QString, QList<Shortcut>>;

struct Loaded {
    Map map;
    // One line per shortcut that was skipped or dropped, for standard output.
    QStringList problems;
    // Something stored could not be read whole; it must be kept before the
    // next write replaces it.
    bool isPartial = false;
};

// What is stored, as much of it as can be read: a shortcut that does not
// decode (or names another phrase than its key, or holds a byte that is not
// UTF-8) is skipped, a text recorded a second time is dropped, and a value
// that is no JSON object at all reads as empty. Nothing stored reads as empty
// and complete.
Loaded read(const QVariant& stored);

} // namespace ShortcutRecord

void to_json(nlohmann::json& json, const ShortcutRecord::Map& map);
// Strict: any entry that does not decode fails the whole map.
void from_json(const nlohmann::json& json, ShortcutRecord::Map& map);
