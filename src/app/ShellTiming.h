#pragma once

#include <chrono>

// How long the shell waits, and how close together two events must come to
// count as one. The defaults are the program's; tests shorten them.
struct ShellTiming {
    // From the tray icon's show to opening the panel when no tray shows the
    // icon: a tray host that starts with the session has had its moment.
    std::chrono::milliseconds noTrayIconOpenDelay = std::chrono::seconds(1);
    // From the end of the welcome flow to the panel opening.
    std::chrono::milliseconds panelDelayAfterWelcome = std::chrono::seconds(1);
    // A double click reported this soon after a click is that click again.
    std::chrono::milliseconds sameClickWindow{50};
    // A click on the icon this soon after the panel closed on losing the focus
    // is the click that took the focus away.
    std::chrono::milliseconds focusLossClickWindow{300};
};
