"""The rounds of tools/measure-desktop.sh, on the display it started.

Watches the window tree through Xlib and clicks through XTest (both by
ctypes): a few microseconds a look, where a run of xwininfo or xdotool would
add milliseconds to every figure.
"""

import argparse
import ctypes
import os
import shutil
import signal
import statistics
import subprocess
import sys
import time

IS_VIEWABLE = 2
POLL = 0.002


class XWindowAttributes(ctypes.Structure):
    _fields_ = [("x", ctypes.c_int), ("y", ctypes.c_int), ("width", ctypes.c_int),
                ("height", ctypes.c_int), ("border_width", ctypes.c_int),
                ("depth", ctypes.c_int), ("visual", ctypes.c_void_p),
                ("root", ctypes.c_ulong), ("c_class", ctypes.c_int),
                ("bit_gravity", ctypes.c_int), ("win_gravity", ctypes.c_int),
                ("backing_store", ctypes.c_int), ("backing_planes", ctypes.c_ulong),
                ("backing_pixel", ctypes.c_ulong), ("save_under", ctypes.c_int),
                ("colormap", ctypes.c_ulong), ("map_installed", ctypes.c_int),
                ("map_state", ctypes.c_int), ("all_event_masks", ctypes.c_long),
                ("your_event_mask", ctypes.c_long),
                ("do_not_propagate_mask", ctypes.c_long),
                ("override_redirect", ctypes.c_int), ("screen", ctypes.c_void_p)]


class XClassHint(ctypes.Structure):
    _fields_ = [("res_name", ctypes.c_void_p), ("res_class", ctypes.c_void_p)]


class Display:
    """The windows of the display, and a mouse."""

    def __init__(self):
        self.x = ctypes.CDLL("libX11.so.6")
        self.xtst = ctypes.CDLL("libXtst.so.6")
        self.x.XOpenDisplay.restype = ctypes.c_void_p
        self.x.XDefaultRootWindow.restype = ctypes.c_ulong
        for name in ("XQueryTree", "XGetClassHint", "XGetWindowAttributes", "XFetchName",
                     "XTranslateCoordinates", "XFree", "XFlush", "XSync"):
            getattr(self.x, name).argtypes = None
        self.display = ctypes.c_void_p(self.x.XOpenDisplay(None))
        if not self.display:
            sys.exit("cannot open the display")
        self.root = ctypes.c_ulong(self.x.XDefaultRootWindow(self.display))
        # Windows come and go while the tree is read: ignore their errors.
        handler = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p, ctypes.c_void_p)
        self._ignore = handler(lambda display, event: 0)
        self.x.XSetErrorHandler(self._ignore)

    def _children(self, window):
        root, parent = ctypes.c_ulong(), ctypes.c_ulong()
        children, count = ctypes.POINTER(ctypes.c_ulong)(), ctypes.c_uint()
        if not self.x.XQueryTree(self.display, ctypes.c_ulong(window), ctypes.byref(root),
                                 ctypes.byref(parent), ctypes.byref(children),
                                 ctypes.byref(count)):
            return []
        found = [children[i] for i in range(count.value)]
        if children:
            self.x.XFree(children)
        return found

    def _class(self, window):
        hint = XClassHint()
        if not self.x.XGetClassHint(self.display, ctypes.c_ulong(window), ctypes.byref(hint)):
            return None
        name = ctypes.cast(hint.res_class, ctypes.c_char_p).value
        self.x.XFree(ctypes.c_void_p(hint.res_name))
        self.x.XFree(ctypes.c_void_p(hint.res_class))
        return name.decode() if name else None

    def _name(self, window):
        name = ctypes.c_char_p()
        if not self.x.XFetchName(self.display, ctypes.c_ulong(window), ctypes.byref(name)):
            return ""
        text = name.value.decode(errors="replace") if name.value else ""
        self.x.XFree(name)
        return text

    def windows(self, wm_class):
        """The viewable windows of a class: (name, x, y, width, height)."""
        shown = []
        pending = [self.root.value]
        while pending:
            window = pending.pop()
            for child in self._children(window):
                pending.append(child)
                if self._class(child) != wm_class:
                    continue
                attributes = XWindowAttributes()
                if not self.x.XGetWindowAttributes(self.display, ctypes.c_ulong(child),
                                                   ctypes.byref(attributes)):
                    continue
                if attributes.map_state != IS_VIEWABLE:
                    continue
                x, y, unused = ctypes.c_int(), ctypes.c_int(), ctypes.c_ulong()
                self.x.XTranslateCoordinates(self.display, ctypes.c_ulong(child), self.root,
                                             0, 0, ctypes.byref(x), ctypes.byref(y),
                                             ctypes.byref(unused))
                shown.append((self._name(child), x.value, y.value, attributes.width,
                              attributes.height))
        return shown

    def click(self, x, y):
        self.xtst.XTestFakeMotionEvent(self.display, -1, x, y, 0)
        self.xtst.XTestFakeButtonEvent(self.display, 1, 1, 0)
        self.xtst.XTestFakeButtonEvent(self.display, 1, 0, 0)
        self.x.XFlush(self.display)


def tray_icon(display, wm_class):
    for name, x, y, width, height in display.windows(wm_class):
        if width <= 64 and height <= 64 and x > 0:
            return x, y, width, height
    return None


def window_named(display, wm_class, title, min_width=65):
    for name, x, y, width, height in display.windows(wm_class):
        if name == title and width >= min_width:
            return x, y, width, height
    return None


def wait_for(what, timeout, description):
    """Polls `what` until it returns something; returns it and the seconds waited."""
    start = time.monotonic()
    while True:
        found = what()
        if found:
            return found, time.monotonic() - start
        if time.monotonic() - start > timeout:
            raise TimeoutError(f"no {description} after {timeout} s")
        time.sleep(POLL)


def memory(pid):
    """VmRSS and PSS in MB, from smaps_rollup."""
    values = {}
    with open(f"/proc/{pid}/smaps_rollup") as rollup:
        for line in rollup:
            parts = line.split()
            if len(parts) == 3 and parts[2] == "kB":
                values[parts[0].rstrip(":")] = int(parts[1]) / 1024
    return values["Rss"], values["Pss"]


def by_mapping(pid, count=12):
    """The mappings that hold the most, grouped by file (or kind), in MB of PSS."""
    totals = {}
    current = None
    with open(f"/proc/{pid}/smaps") as smaps:
        for line in smaps:
            fields = line.split()
            if "-" in fields[0] and ":" not in fields[0]:
                current = fields[5] if len(fields) > 5 else "[anonymous]"
                current = os.path.basename(current) if current.startswith("/") else current
            elif fields[0] in ("Rss:", "Pss:"):
                rss, pss = totals.get(current, (0, 0))
                size = int(fields[1]) / 1024
                totals[current] = (rss + size, pss) if fields[0] == "Rss:" else (rss, pss + size)
    largest = sorted(totals.items(), key=lambda item: -item[1][1])[:count]
    return [f"    {pss:7.1f} PSS {rss:7.1f} RSS  {name}" for name, (rss, pss) in largest]


def has_mesa(pid):
    """Whether an OpenGL driver is loaded (Qt links only the small dispatch libraries)."""
    with open(f"/proc/{pid}/maps") as maps:
        text = maps.read()
    return any(library in text for library in ("libLLVM", "_dri.so", "libGLX_mesa",
                                                "libEGL_mesa", "libgallium"))


class Program:
    """One run of a build in a home of its own."""

    def __init__(self, binary, home, log):
        env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=f"{home}/.config",
                   XDG_DATA_HOME=f"{home}/.local/share", XDG_CACHE_HOME=f"{home}/.cache",
                   XDG_STATE_HOME=f"{home}/.local/state")
        self.started = time.monotonic()
        self.process = subprocess.Popen([binary], env=env, stdout=log, stderr=subprocess.STDOUT)

    def quit(self):
        """Seconds from SIGTERM to the end of the process, and its exit code."""
        start = time.monotonic()
        self.process.send_signal(signal.SIGTERM)
        code = self.process.wait(timeout=30)
        return time.monotonic() - start, code


def settle_list(match, quiet=0.5, timeout=60):
    """Waits until the match file stops changing: the launch restore is done."""
    last, since = None, time.monotonic()
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        stamp = os.stat(match).st_mtime_ns if os.path.exists(match) else None
        if stamp != last:
            last, since = stamp, time.monotonic()
        elif stamp is not None and time.monotonic() - since >= quiet:
            return
        time.sleep(0.05)


class Measurement:
    def __init__(self, display, args):
        self.display = display
        self.args = args
        self.figures = {}
        self.mappings = {}
        self.notes = []

    def record(self, binary, figure, value):
        self.figures.setdefault(binary, {}).setdefault(figure, []).append(value)

    def first_run(self, binary, home, log):
        """Welcome, installation and the panel that opens after it."""
        program = Program(binary, home, log)
        welcome, _ = wait_for(lambda: window_named(self.display, "tesselle",
                                                   self.args.welcome_title), 20,
                              "welcome window")
        time.sleep(0.5)
        wx, wy, ww, wh = welcome
        # The female appearance, the dark skin tone, then "Install Tesselle";
        # as in tests/desktop/run-desktop-tests.sh.
        self.display.click(wx + ww - 16 - 3 * 32 - 2 * 10 + 42 + 16, wy + 310 + 16 + 21)
        time.sleep(0.1)
        self.display.click(wx + ww - 16 - 6 * 18 - 5 * 10 + 5 * 28 + 9,
                           wy + 310 + 16 + 42 + 1 + 21)
        time.sleep(0.1)
        self.display.click(wx + ww // 2, wy + wh - 16 - 12)
        wait_for(lambda: not window_named(self.display, "tesselle", self.args.welcome_title),
                 60, "end of the welcome")
        wait_for(lambda: window_named(self.display, "tesselle", "Tesselle"), 20,
                 "panel after the welcome")
        time.sleep(1)
        pid = program.process.pid
        self.record(binary, "first run, panel open: RSS MB", memory(pid)[0])
        self.record(binary, "first run, panel open: PSS MB", memory(pid)[1])
        self.record(binary, "first run: GL driver, LLVM mapped (1 yes)", int(has_mesa(pid)))
        if self.args.by_mapping:
            self.mappings[(binary, "first run, panel open")] = by_mapping(pid)
        program.quit()

    def normal_run(self, binary, home, log):
        match = f"{home}/.config/espanso/match/tesselle.yml"
        program = Program(binary, home, log)
        icon, waited = wait_for(lambda: tray_icon(self.display, "tesselle"), 20, "tray icon")
        self.record(binary, "start -> tray icon ms", waited * 1000)
        # A user clicks once the session has settled: after the launch restore.
        settle_list(match)
        time.sleep(0.5)
        x, y = icon[0] + icon[2] // 2, icon[1] + icon[3] // 2

        def panel():
            return window_named(self.display, "tesselle", "Tesselle")

        for opening in range(4):
            start = time.monotonic()
            self.display.click(x, y)
            found, _ = wait_for(panel, 20, "panel after a click")
            elapsed = (time.monotonic() - start) * 1000
            self.record(binary, "first click -> panel ms" if opening == 0
                        else "later openings ms", elapsed)
            time.sleep(0.4)
            if opening < 3:
                self.display.click(x, y)
                wait_for(lambda: not panel(), 20, "closing of the panel")
                time.sleep(0.4)
        self.visit_groups(found)
        time.sleep(1)
        if self.args.screenshot:
            subprocess.run(["import", "-window", "root", self.args.screenshot], check=False)
        pid = program.process.pid
        rss, pss = memory(pid)
        self.record(binary, "panel open, all groups: RSS MB", rss)
        self.record(binary, "panel open, all groups: PSS MB", pss)
        if self.args.by_mapping:
            self.mappings[(binary, "panel open, all groups")] = by_mapping(pid)
        settle_list(match)
        seconds, code = program.quit()
        self.record(binary, "quit (SIGTERM -> exit) ms", seconds * 1000)
        if code != 0:
            self.notes.append(f"{binary}: quit exited {code}")

    def visit_groups(self, panel):
        """Clicks every group tab: 28 square at 34 steps, centred under the search row."""
        px, py, pw, ph = panel
        count = self.args.groups
        for index in range(count):
            x = px + pw // 2 + int((index - (count - 1) / 2) * 34)
            self.display.click(x, py + 16 + 32 + 8 + 14)
            time.sleep(0.3)

    def run(self):
        for round_number in range(self.args.rounds):
            for index, binary in enumerate(self.args.binaries):
                home = f"{self.args.work}/home-{index}-{round_number}"
                os.makedirs(f"{home}/.config")
                with open(f"{self.args.work}/run-{index}-{round_number}.log", "w") as log:
                    self.first_run(binary, home, log)
                    self.normal_run(binary, home, log)
                shutil.rmtree(home)
            print(f"round {round_number + 1} of {self.args.rounds} done", file=sys.stderr)

    def report(self):
        for binary, figures in self.figures.items():
            print(f"\n{binary}  ({self.args.rounds} rounds)")
            print(f"  {'figure':40} {'min':>8} {'median':>8} {'max':>8}")
            for figure, values in figures.items():
                print(f"  {figure:40} {min(values):8.1f} {statistics.median(values):8.1f} "
                      f"{max(values):8.1f}")
        for (binary, what), lines in self.mappings.items():
            print(f"\n{binary}, {what}, largest mappings (MB, last round):")
            print("\n".join(lines))
        for note in self.notes:
            print(note)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--work", required=True)
    parser.add_argument("--rounds", type=int, default=5)
    parser.add_argument("--load", type=int, default=0)
    parser.add_argument("--groups", type=int, default=10,
                        help="group tabs: favourites, recents and the eight others")
    parser.add_argument("--by-mapping", action="store_true")
    parser.add_argument("--screenshot", help="a picture of the desktop after the tabs")
    parser.add_argument("--welcome-title", default="Welcome to Tesselle",
                        help="the welcome window's title in the language measured")
    parser.add_argument("binaries", nargs="+")
    args = parser.parse_args()
    args.binaries = [os.path.abspath(binary) for binary in args.binaries]
    load = [subprocess.Popen(["sh", "-c", "while :; do :; done"]) for _ in range(args.load)]
    try:
        print(f"{os.cpu_count()} cores, {args.load} busy loops, Xvfb 1280x1024", file=sys.stderr)
        measurement = Measurement(Display(), args)
        measurement.run()
        measurement.report()
    finally:
        for process in load:
            process.kill()


if __name__ == "__main__":
    main()
