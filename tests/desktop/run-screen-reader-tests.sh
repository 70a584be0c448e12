#!/usr/bin/env bash
# What a screen reader finds of the real program: on a virtual desktop (Xvfb,
# openbox, trayer) with a private session bus (dbus-daemon) and the
# accessibility bus on it (at-spi2-core), Tesselle runs with Qt's accessibility
# on, and read-screen-reader-tree.py reads its tree through AT-SPI: the welcome
# window, the panel's search field, tabs, emoji list with its headings and the
# selection the arrow keys move, the detail panel, and the settings window.
#
# Usage: run-screen-reader-tests.sh BUILD_DIR
# Exits 77 (skipped) when the tools are missing: scripts/deps.sh installs them.
set -u
. "$(dirname "$0")/desktop-helpers.sh"

build=$(cd "$1" && pwd)
program="$build/bin/tesselle"
bus_launcher=/usr/libexec/at-spi-bus-launcher

for tool in Xvfb openbox trayer xdotool xwininfo dbus-daemon dbus-send "$bus_launcher"; do
    if ! command -v "$tool" > /dev/null; then
        echo "SKIP: $tool is missing (scripts/deps.sh installs it)"
        exit 77
    fi
done
# pyatspi is Debian's, for Debian's Python: another python3 earlier on PATH lacks it.
python=
for candidate in python3 /usr/bin/python3; do
    if "$candidate" -c 'import pyatspi' 2> /dev/null; then
        python=$candidate
        break
    fi
done
[ -n "$python" ] || { echo "SKIP: python3-pyatspi is missing (scripts/deps.sh installs it)"; exit 77; }

begin_test_run
use_running_fake_espanso

start_display || { echo "FAIL: Xvfb did not start"; exit 1; }
start_window_manager || { echo "FAIL: openbox did not start"; failed=1; exit 1; }
start_tray
wait_until 10000 tray_running || { echo "FAIL: trayer did not start"; failed=1; exit 1; }

# The session bus, which the accessibility bus's launcher registers on; the
# launcher starts the accessibility bus and its registry at once.
dbus-daemon --session --nofork --print-address=3 3> "$work/bus" > "$work/dbus.log" 2>&1 &
pids+=($!)
wait_until 10000 test -s "$work/bus" || { echo "FAIL: dbus-daemon did not start"; failed=1; exit 1; }
export DBUS_SESSION_BUS_ADDRESS=$(head -1 "$work/bus")
start "$work/at-spi.log" "$bus_launcher" --launch-immediately
accessibility_bus_up() {
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
        org.a11y.Bus.GetAddress > /dev/null 2>&1
}
wait_until 10000 accessibility_bus_up ||
    { echo "FAIL: the accessibility bus did not start"; failed=1; exit 1; }

# Qt leaves accessibility off until a screen reader asks, unless told.
start "$work/tesselle.log" env QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program"
"$python" "$(dirname "$0")/read-screen-reader-tree.py" "$program" || failed=1
exit "$failed"
