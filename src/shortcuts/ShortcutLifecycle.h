#pragma once

#include <QCoroTask>

// What launch and quit ask of the shortcut registry.
class ShortcutLifecycle {
public:
    virtual ~ShortcutLifecycle() = default;
    // Puts every recorded shortcut back into the text-replacement list.
    virtual QCoro::Task<> restoreShortcuts() = 0;
    // Takes every recorded shortcut out of the list; the record stays.
    virtual QCoro::Task<> removeAllShortcuts() = 0;
};
