#include "platform/linux/X11PasteService.h"

#include "platform/MessageError.h"
#include "platform/linux/TerminalWindows.h"

#include <QDeadlineTimer>
#include <QThread>
#include <algorithm>
#include <vector>

// xdo.h has no extern "C" guard and brings in Xlib's macros (None, Status,
// Bool...), so it stays in this one file, after every Qt header.
extern "C" {
#include <xdo.h>
}
#include <X11/Xatom.h>
#include <X11/Xutil.h>

namespace {

constexpr useconds_t keyDelay = 12000;
constexpr std::chrono::milliseconds activationTimeout(1000);

// Xlib's default error handler ends the process; a window may vanish between two
// of our requests, so errors are ignored while our requests run.
class IgnoredXErrors {
public:
    explicit IgnoredXErrors(Display* display) : m_display(display) {
        XSync(display, False);
        m_previous = XSetErrorHandler(&ignore);
    }
    ~IgnoredXErrors() {
        XSync(m_display, False);
        XSetErrorHandler(m_previous);
    }

private:
    static int ignore(Display*, XErrorEvent*) { return 0; }
    Display* m_display;
    XErrorHandler m_previous;
};

// A window id that names a real window, not None or PointerRoot.
bool isWindow(Window window) {
    return window > PointerRoot;
}

// The items of a 32-bit property (windows, atoms); empty when it is missing.
std::vector<unsigned long> readProperty(Display* display, Window owner, const char* name,
                                        Atom type) {
    Atom actualType;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    std::vector<unsigned long> items;
    if (XGetWindowProperty(display, owner, XInternAtom(display, name, False), 0, 4096, False, type,
                           &actualType, &format, &count, &after, &data) == Success &&
        data && format == 32) {
        const auto* values = reinterpret_cast<const unsigned long*>(data);
        items.assign(values, values + count);
    }
    if (data)
        XFree(data);
    return items;
}

} // namespace

X11PasteService::~X11PasteService() {
    if (m_xdo)
        xdo_free(m_xdo);
}

void X11PasteService::prepare() {
    const QByteArray display = qgetenv("DISPLAY");
    if (display.isEmpty()) {
        m_unavailable = QStringLiteral("Autopaste needs an X11 session");
        return;
    }
    // Opened here rather than by libxdo, which prints its own complaint.
    Display* connection = XOpenDisplay(display.constData());
    if (!connection) {
        m_unavailable = QStringLiteral("Autopaste needs an X11 session; cannot open the display %1")
                            .arg(QString::fromLocal8Bit(display));
        return;
    }
    m_xdo = xdo_new_with_opened_display(connection, display.constData(), 1);
    if (!m_xdo) {
        XCloseDisplay(connection);
        m_unavailable = QStringLiteral("Autopaste needs an X11 session");
        return;
    }
    m_xdo->quiet = 1;
}

void X11PasteService::rememberActiveWindow() {
    if (!m_xdo)
        return;
    IgnoredXErrors guard(m_xdo->xdpy);
    m_target = activeWindow();
}

// Every step is a short request to the X server, so the paste is done when
// the task is returned; a terminal asks for the primary selection later, and
// the event loop answers.
QCoro::Task<> X11PasteService::pasteIntoRememberedWindow(QString text) {
    pasteNow(text);
    co_return;
}

void X11PasteService::pasteNow(const QString& text) {
    if (!m_xdo)
        throw MessageError(m_unavailable);
    if (!isWindow(m_target))
        throw MessageError("No window was active before the panel opened");
    IgnoredXErrors guard(m_xdo->xdpy);
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(m_xdo->xdpy, m_target, &attributes))
        throw MessageError("The window to paste into is gone");
    if (!activateAndWait(m_target))
        throw MessageError("Cannot activate the window to paste into");
    if (isTerminal(m_target)) {
        // Typing the emoji is not safe: libxdo maps a spare key to each
        // character and restores the map at once, and a terminal that reads
        // the key after the restore (a busy one, on a loaded machine) finds no
        // character on it. Measured with xterm: stopped while the keys came,
        // it got nothing, even with the restore half a second later, so no
        // delay is surely enough. With Shift+Insert the terminal asks this
        // program for the text whenever it gets to the key. xterm, urxvt, st
        // and VTE's terminals (measured), Konsole, kitty and Alacritty paste
        // the primary selection with it, others the clipboard: both hold the
        // text. What the user had selected before is no longer the selection.
        m_primarySelection.setText(text);
        if (xdo_send_keysequence_window(m_xdo, CURRENTWINDOW, "shift+Insert", keyDelay) !=
            XDO_SUCCESS)
            throw MessageError("Cannot send Shift+Insert to the terminal");
        return;
    }
    if (xdo_send_keysequence_window(m_xdo, CURRENTWINDOW, "ctrl+v", keyDelay) != XDO_SUCCESS)
        throw MessageError("Cannot send Ctrl+V");
}

bool X11PasteService::isTerminal(unsigned long window) const {
    XClassHint hint{};
    if (!XGetClassHint(m_xdo->xdpy, window, &hint))
        return false;
    const bool terminal = TerminalWindows::isTerminal(QString::fromLocal8Bit(hint.res_name)) ||
                          TerminalWindows::isTerminal(QString::fromLocal8Bit(hint.res_class));
    XFree(hint.res_name);
    XFree(hint.res_class);
    return terminal;
}

void X11PasteService::activateWindow(quintptr window) {
    if (!m_xdo)
        return;
    IgnoredXErrors guard(m_xdo->xdpy);
    requestActivation(window);
}

// The window manager may advertise activation and then quit; its check window
// tells whether one runs now.
bool X11PasteService::windowManagerActivates() const {
    Display* display = m_xdo->xdpy;
    const Window root = DefaultRootWindow(display);
    const auto check = readProperty(display, root, "_NET_SUPPORTING_WM_CHECK", XA_WINDOW);
    if (check.size() != 1 || !isWindow(check.front()) ||
        readProperty(display, check.front(), "_NET_SUPPORTING_WM_CHECK", XA_WINDOW) != check)
        return false;
    const auto supported = readProperty(display, root, "_NET_SUPPORTED", XA_ATOM);
    const Atom activeWindow = XInternAtom(display, "_NET_ACTIVE_WINDOW", False);
    return std::find(supported.begin(), supported.end(), activeWindow) != supported.end();
}

unsigned long X11PasteService::activeWindow() const {
    Display* display = m_xdo->xdpy;
    if (windowManagerActivates()) {
        const auto active =
            readProperty(display, DefaultRootWindow(display), "_NET_ACTIVE_WINDOW", XA_WINDOW);
        return active.empty() ? 0 : active.front();
    }
    Window window = 0;
    xdo_get_focused_window_sane(m_xdo, &window);
    return window;
}

void X11PasteService::requestActivation(unsigned long window) const {
    if (windowManagerActivates()) {
        xdo_activate_window(m_xdo, window);
    } else {
        XRaiseWindow(m_xdo->xdpy, window);
        XSetInputFocus(m_xdo->xdpy, window, RevertToParent, CurrentTime);
    }
    XFlush(m_xdo->xdpy);
}

bool X11PasteService::activateAndWait(unsigned long window) const {
    requestActivation(window);
    const QDeadlineTimer deadline(activationTimeout);
    while (!deadline.hasExpired()) {
        if (activeWindow() == window)
            return true;
        QThread::msleep(10);
    }
    return false;
}
