#include "shortcuts/ShortcutRecord.h"

#include <QSet>
#include <cstdlib>

// Whatever is stored, reading gives a record (empty at worst) without a text
// recorded twice, and what was read, stored again, reads back whole and the same.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray stored(reinterpret_cast<const char*>(data), qsizetype(size));
    const ShortcutRecord::Loaded loaded = ShortcutRecord::read(stored);
    QSet<QString> texts;
    for (const QList<Shortcut>& list : loaded.map) {
        for (const Shortcut& shortcut : list) {
            if (texts.contains(shortcut.text))
                abort();
            texts.insert(shortcut.text);
        }
    }
    const QByteArray again = QByteArray::fromStdString(nlohmann::json(loaded.map).dump());
    const ShortcutRecord::Loaded reloaded = ShortcutRecord::read(again);
    if (reloaded.isPartial || reloaded.map != loaded.map)
        abort();
    return 0;
}
