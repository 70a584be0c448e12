#pragma once

#include "async/BackgroundTasks.h"
#include "shortcuts/ShortcutRegistry.h"
#include "shortcuts/TextReplacementClient.h"

// The shortcut registry over a replacement list, with the client it writes
// through and the background thread its tasks run on: built in the one order
// that works, and with the thread stopped before anything its tasks use goes.
class ShortcutStack {
public:
    ShortcutStack(DefaultsStore& defaults, TextReplacementService& list, Clock& clock,
                  LineOutput& output,
                  std::chrono::milliseconds repairDelay = std::chrono::seconds(3));
    ~ShortcutStack();
    ShortcutStack(const ShortcutStack&) = delete;
    ShortcutStack& operator=(const ShortcutStack&) = delete;

    BackgroundTasks& background() { return m_background; }
    TextReplacementClient& client() { return m_client; }
    ShortcutRegistry& registry() { return m_registry; }

private:
    BackgroundTasks m_background;
    TextReplacementClient m_client;
    ShortcutRegistry m_registry;
};
