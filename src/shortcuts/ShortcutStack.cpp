#include "shortcuts/ShortcutStack.h"

ShortcutStack::ShortcutStack(DefaultsStore& defaults, TextReplacementService& list, Clock& clock,
                             LineOutput& output, std::chrono::milliseconds repairDelay)
    : m_client(list, output),
      m_registry(defaults, m_client, clock, m_background, output, repairDelay) {}

// Pending tasks (a repair, say) use the registry and the client.
ShortcutStack::~ShortcutStack() {
    m_background.stop();
}
