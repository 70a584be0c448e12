#pragma once

#include "shortcuts/Shortcut.h"

class ResourceLocator;

// Reads a shipped list of "emoji,name" lines into shortcuts "/name" (lower case).
// Lines without exactly one comma are skipped; nothing is trimmed.
// Fails with "No emojis resource found" when the resource does not exist.
QList<Shortcut> readPresetShortcuts(const ResourceLocator& resources, const QString& baseName,
                                    const QString& extension = QStringLiteral("csv"));
