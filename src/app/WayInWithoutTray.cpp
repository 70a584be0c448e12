#include "app/WayInWithoutTray.h"

#include "settings/KeyboardShortcut.h"

#include <QKeySequence>

QString wayInWithoutTray(const KeyboardShortcut& shortcut) {
    if (shortcut.state() == KeyboardShortcut::State::bound) {
        const QString key = QKeySequence::fromString(shortcut.key(), QKeySequence::PortableText)
                                .toString(QKeySequence::NativeText);
        return QStringLiteral("No tray shows Tesselle's icon here: press %1, or start tesselle "
                              "again, to open Tesselle.")
            .arg(key);
    }
    return QStringLiteral("No tray shows Tesselle's icon here: start tesselle again to open "
                          "Tesselle (a keyboard shortcut of your desktop can run it).");
}
