// A pointer for tests under a headless wlroots compositor, whose seat has no
// input devices: a virtual pointer (zwlr_virtual_pointer_manager_v1) driven by
// commands read from standard input, one a line:
//   move X Y          the pointer to X,Y of the layout
//   press BUTTON      left, right or middle; release BUTTON; click BUTTON
//   double-click      two left clicks, as quickly as a user makes them
// Prints "ready" once the seat has the pointer and "ok" once the compositor has
// handled each command (or "error: ..." for a line it does not understand).
// The device lives as long as the program: a test keeps it running.
//
// Usage: tesselle_virtual_pointer LAYOUT_WIDTH LAYOUT_HEIGHT

#include "wlr-virtual-pointer-unstable-v1-client-protocol.h"

#include <wayland-client.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <linux/input-event-codes.h>
#include <map>
#include <sstream>
#include <string>

namespace {

struct Globals {
    wl_seat* seat = nullptr;
    zwlr_virtual_pointer_manager_v1* manager = nullptr;
};

void announced(void* data, wl_registry* registry, uint32_t name, const char* interface, uint32_t) {
    auto* globals = static_cast<Globals*>(data);
    if (std::strcmp(interface, wl_seat_interface.name) == 0 && !globals->seat)
        globals->seat =
            static_cast<wl_seat*>(wl_registry_bind(registry, name, &wl_seat_interface, 1));
    else if (std::strcmp(interface, zwlr_virtual_pointer_manager_v1_interface.name) == 0)
        globals->manager = static_cast<zwlr_virtual_pointer_manager_v1*>(
            wl_registry_bind(registry, name, &zwlr_virtual_pointer_manager_v1_interface, 1));
}

void removed(void*, wl_registry*, uint32_t) {}

const wl_registry_listener registryListener{announced, removed};

uint32_t now() {
    using namespace std::chrono;
    return static_cast<uint32_t>(
        duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

class Pointer {
public:
    Pointer(zwlr_virtual_pointer_v1* device, uint32_t width, uint32_t height)
        : m_device(device), m_width(width), m_height(height) {}

    void move(uint32_t x, uint32_t y) {
        zwlr_virtual_pointer_v1_motion_absolute(m_device, now(), x, y, m_width, m_height);
        zwlr_virtual_pointer_v1_frame(m_device);
    }
    void button(uint32_t code, bool pressed, uint32_t time = now()) {
        zwlr_virtual_pointer_v1_button(m_device, time, code,
                                       pressed ? WL_POINTER_BUTTON_STATE_PRESSED
                                               : WL_POINTER_BUTTON_STATE_RELEASED);
        zwlr_virtual_pointer_v1_frame(m_device);
    }
    // The times of the events, not when they arrive, make the double click.
    void doubleClick() {
        const uint32_t start = now();
        button(BTN_LEFT, true, start);
        button(BTN_LEFT, false, start + 30);
        button(BTN_LEFT, true, start + 90);
        button(BTN_LEFT, false, start + 120);
    }

private:
    zwlr_virtual_pointer_v1* m_device;
    uint32_t m_width;
    uint32_t m_height;
};

const std::map<std::string, uint32_t> buttons{
    {"left", BTN_LEFT}, {"right", BTN_RIGHT}, {"middle", BTN_MIDDLE}};

// Whether the line was a command.
bool perform(Pointer& pointer, const std::string& line) {
    std::istringstream words(line);
    std::string command;
    words >> command;
    if (command == "move") {
        uint32_t x = 0;
        uint32_t y = 0;
        if (!(words >> x >> y))
            return false;
        pointer.move(x, y);
        return true;
    }
    if (command == "double-click") {
        pointer.doubleClick();
        return true;
    }
    std::string name;
    words >> name;
    const auto button = buttons.find(name);
    if (button == buttons.end())
        return false;
    if (command == "press" || command == "click")
        pointer.button(button->second, true);
    if (command == "release" || command == "click")
        pointer.button(button->second, false);
    return command == "press" || command == "release" || command == "click";
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fputs("Usage: tesselle_virtual_pointer LAYOUT_WIDTH LAYOUT_HEIGHT\n", stderr);
        return 2;
    }
    wl_display* display = wl_display_connect(nullptr);
    if (!display) {
        std::fputs("error: no Wayland display\n", stderr);
        return 1;
    }
    Globals globals;
    wl_registry* registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &registryListener, &globals);
    wl_display_roundtrip(display);
    if (!globals.manager) {
        std::fputs("error: the compositor offers no virtual pointer\n", stderr);
        return 1;
    }
    Pointer pointer(
        zwlr_virtual_pointer_manager_v1_create_virtual_pointer(globals.manager, globals.seat),
        static_cast<uint32_t>(std::stoul(argv[1])), static_cast<uint32_t>(std::stoul(argv[2])));
    wl_display_roundtrip(display);
    std::cout << "ready" << std::endl;
    for (std::string line; std::getline(std::cin, line);) {
        if (!perform(pointer, line)) {
            std::cout << "error: " << line << std::endl;
            continue;
        }
        if (wl_display_roundtrip(display) < 0) {
            std::fputs("error: the compositor has gone\n", stderr);
            return 1;
        }
        std::cout << "ok" << std::endl;
    }
    wl_display_disconnect(display);
    return 0;
}
