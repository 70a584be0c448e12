#!/usr/bin/env bash
# The program on a headless Wayland compositor (sway): a second start toggles
# the panel, which the compositor places as it likes (printed as facts, not
# checked yet); a pick with autopaste on copies the emoji and types it into
# the Wayland window the user worked in before, and into a terminal.
#
# Usage: run-wayland-tests.sh BUILD_DIR
# Set TESSELLE_SCREENSHOT to a file name to keep a picture of the open panel.
# Exits 77 (skipped) when the tools are missing.
set -u
. "$(dirname "$0")/../desktop/desktop-helpers.sh"
. "$(dirname "$0")/terminal-paste.sh"

build=$(cd "$1" && pwd)
bin="$build/bin"

for tool in sway swaymsg wtype wl-paste setpriv python3; do
    if ! command -v "$tool" > /dev/null; then
        echo "SKIP: $tool is missing"
        exit 77
    fi
done
if [ ! -x "$bin/tesselle" ] || [ ! -x "$bin/tesselle_paste_target" ]; then
    echo "SKIP: build tesselle and tesselle_paste_target first"
    exit 77
fi

work=$(mktemp -d)
chmod 755 "$work"
pids=()
failed=0
trap clean_up_test_run EXIT

patience=${TESSELLE_DESKTOP_PATIENCE:-10000}
passed=0

# --- the compositor ----------------------------------------------------------
# sway refuses to run as root: then it runs as nobody, in a runtime folder of
# its own that the program (root) can still reach.
compositor="$work/compositor"
mkdir -p "$compositor"
chmod 700 "$compositor"
as_compositor=()
if [ "$(id -u)" -eq 0 ]; then
    chown 65534:65534 "$compositor"
    as_compositor=(setpriv --reuid=65534 --regid=65534 --clear-groups)
fi
printf 'output HEADLESS-1 resolution 1280x1024\n' > "$work/sway.conf"
chmod 644 "$work/sway.conf"
start "$work/sway.log" "${as_compositor[@]}" env -i PATH=/usr/bin:/bin HOME="$compositor" \
    XDG_RUNTIME_DIR="$compositor" WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 \
    WLR_RENDERER=pixman sway -c "$work/sway.conf"
socket_ready() { compgen -G "$compositor/wayland-*[0-9]" > /dev/null &&
    compgen -G "$compositor/sway-ipc.*.sock" > /dev/null; }
wait_until 10000 socket_ready || { echo "FAIL: sway did not start"; failed=1; exit 1; }

# A private home, so that nothing of the real user's is read or written.
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share"
export XDG_CACHE_HOME="$work/home/.cache" XDG_STATE_HOME="$work/home/.local/state"
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -p "$XDG_CONFIG_HOME/tesselle" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
export PATH="$(cd "$(dirname "$0")/../support/fake-espanso" && pwd):$PATH"
export FAKE_ESPANSO_STATE="$work/espanso-state"
echo running > "$FAKE_ESPANSO_STATE"
export WAYLAND_DISPLAY=$(compgen -G "$compositor/wayland-*[0-9]" | head -1)
export SWAYSOCK=$(compgen -G "$compositor/sway-ipc.*.sock" | head -1)
export QT_QPA_PLATFORM=wayland XDG_SESSION_TYPE=wayland XDG_CURRENT_DESKTOP=sway
unset DISPLAY DBUS_SESSION_BUS_ADDRESS
# The welcome was done before and autopaste is on.
printf '[General]\nautoPaste=@ByteArray(true)\nisWelcomeWasPresented=@ByteArray(true)\n' \
    > "$XDG_CONFIG_HOME/tesselle/tesselle.conf"

# The headless seat has no input devices: a keyboard exists only while wtype
# runs, and each time it goes the focused window loses the keyboard focus (the
# panel closes). One virtual keyboard is kept for the whole run.
start "$work/keyboard.log" wtype -s 3600000 -k Escape

# Window facts from the compositor: "width height x y floating focused".
window_of() { # app_id and title
    swaymsg -t get_tree | python3 -c '
import json, sys
def walk(node, floating=False):
    if node.get("app_id") == sys.argv[1] and node.get("name") == sys.argv[2]:
        r = node["rect"]
        print(r["width"], r["height"], r["x"], r["y"], int(floating), int(node["focused"]))
    for child in node.get("nodes", []):
        walk(child, floating)
    for child in node.get("floating_nodes", []):
        walk(child, True)
walk(json.load(sys.stdin))' "$1" "$2"
}
shown() { [ -n "$(window_of "$1" "$2")" ]; }
gone() { [ -z "$(window_of "$1" "$2")" ]; }
focused() { [ "$(window_of "$1" "$2" | cut -d' ' -f6)" = 1 ]; }

# --- the program ---------------------------------------------------------------
start "$work/target.log" "$bin/tesselle_paste_target"
check "the text window is shown and focused" wait_until "$patience" focused tesselle_paste_target "Paste target"

start "$work/tesselle.log" "$bin/tesselle"
sleep 1
check "the program starts without opening the panel" gone tesselle Tesselle
timeout 10 "$bin/tesselle" > "$work/second.log" 2>&1
check "a second start opens the panel" wait_until "$patience" focused tesselle Tesselle
read -r pw ph px py pfloat _ <<< "$(window_of tesselle Tesselle)"
echo "FACT: the panel is ${pw}x${ph} at ${px},${py} on the 1280x1024 output, floating: $pfloat"
if [ -n "${TESSELLE_SCREENSHOT:-}" ] && command -v grim > /dev/null; then
    grim "$TESSELLE_SCREENSHOT"
fi
timeout 10 "$bin/tesselle" > /dev/null 2>&1
check "another start closes it" wait_until "$patience" gone tesselle Tesselle
check "... and the text window has the focus again" wait_until "$patience" focused tesselle_paste_target "Paste target"

# --- copy and autopaste --------------------------------------------------------
timeout 10 "$bin/tesselle" > /dev/null 2>&1
check "the panel opens again" wait_until "$patience" focused tesselle Tesselle
# Search, go down to the first result and pick it with Return.
wtype dancer
sleep 0.5
wtype -k Down
sleep 0.3
t0=$(now_ms)
wtype -k Return
pasted() { grep -q '^text: .' "$work/target.log"; }
check "the pick closes the panel" wait_until "$patience" gone tesselle Tesselle
check "the emoji arrives in the text window" wait_until "$patience" pasted
echo "FIGURE: Return on the emoji to the emoji in the text window: $(($(now_ms) - t0)) ms"
typed=$(grep '^text: ' "$work/target.log" | tail -1 | cut -d' ' -f2-)
clipboard=$(timeout 5 wl-paste --no-newline)
echo "FACT: pasted \"$typed\", clipboard \"$clipboard\""
check "the clipboard holds exactly the pasted emoji" test -n "$clipboard" -a "$typed" = "$clipboard"
check "no paste error was printed" test -z "$(grep '^Error' "$work/tesselle.log")"

check_terminal_paste
check "no paste error was printed into the terminal either" \
    test -z "$(grep '^Error' "$work/tesselle.log")"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
