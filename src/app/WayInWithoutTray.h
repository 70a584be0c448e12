#pragma once

#include <QString>

class KeyboardShortcut;

// How to open the panel where no tray shows the program's icon: its keyboard
// shortcut where the program holds one, and starting the program again, which
// toggles the running one's panel.
QString wayInWithoutTray(const KeyboardShortcut& shortcut);
