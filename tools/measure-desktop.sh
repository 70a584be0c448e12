#!/usr/bin/env bash
# Measures Tesselle as a user feels it, from outside the program, on a virtual
# desktop of its own (Xvfb 1280x1024, openbox, trayer): start to tray icon,
# click to panel, memory with the panel open and after a first run, and quit.
# Several builds given at once are measured in turns, round by round, so that
# they meet the same machine.
#
# Usage: tools/measure-desktop.sh [--rounds N] [--load N] [--by-mapping] BINARY...
#   --rounds N     rounds per build (default 5)
#   --load N       keep N busy loops running while measuring (default 0)
#   --by-mapping   also print the largest mappings of each memory figure
#   --screenshot F a picture of the desktop with the panel after the tabs
#   --welcome-title T  the welcome window's title in the language measured
#                  (LANGUAGE=de: "Willkommen bei Tesselle")
# Each BINARY needs its resources in ../share/tesselle, as in a build tree.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../tests/desktop/desktop-helpers.sh"

for tool in Xvfb openbox trayer python3; do
    if ! command -v "$tool" > /dev/null; then
        echo "$tool is missing (scripts/deps.sh installs the desktop tools)" >&2
        exit 1
    fi
done

work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2> /dev/null || true; done
    wait 2> /dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# espanso as a user who installs Tesselle runs it: the tests' stand-in.
export PATH="$here/../tests/support/fake-espanso:$PATH"
export FAKE_ESPANSO_STATE="$work/espanso-state"
echo running > "$FAKE_ESPANSO_STATE"
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -p "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
unset WAYLAND_DISPLAY QT_QPA_PLATFORM DBUS_SESSION_BUS_ADDRESS

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3> "$work/display" > "$work/xvfb.log" 2>&1 &
pids+=($!)
wait_until 10000 test -s "$work/display" || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(head -1 "$work/display")"
wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK 2> /dev/null | grep -q 'window id'; }
for try in 1 2 3; do
    openbox --sm-disable > "$work/openbox.log" 2>&1 &
    pids+=($!)
    wait_until 5000 wm_running && break
    sleep 0.5
done
wm_running || { echo "openbox does not start on the virtual display" >&2; exit 1; }
trayer --edge top --align right --widthtype request --height 24 --SetDockType true \
    --transparent false > "$work/trayer.log" 2>&1 &
pids+=($!)
sleep 0.5

python3 "$here/measure-desktop.py" --work "$work" "$@"
