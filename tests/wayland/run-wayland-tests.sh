#!/usr/bin/env bash
# The program on a headless Wayland compositor (sway), in phases that each
# start a compositor of their own through the shared setup below:
# - without a tray: the panel opens by itself a moment after the start,
#   floating, centred and whole on the output, and the program says how to
#   open it again; a second start toggles it; a double click through the
#   virtual pointer copies; a pick with autopaste on copies the emoji and
#   types it into the Wayland window the user worked in before, and into a
#   terminal;
# - with swaybar's tray on a session bus of its own: a click on the icon opens
#   the panel next to it, above the bar; the icon's menu opens there too and
#   its entries work; a click outside closes the panel.
# A new phase is a function phase_NAME, named in the list at the end, that
# begins with setup_phase and ends with end_phase.
#
# Usage: run-wayland-tests.sh BUILD_DIR
# Set TESSELLE_WAYLAND_PHASES to run only some phases ("without_tray").
# Set TESSELLE_SCREENSHOTS to a folder to keep pictures of the output with
# the panel open without a tray (sway-panel-without-tray.png) and next to the
# tray icon (sway-panel.png), and with the tray menu open (sway-tray-menu.png).
# Exits 77 (skipped) when the tools are missing.
set -u
. "$(dirname "$0")/../desktop/desktop-helpers.sh"
. "$(dirname "$0")/terminal-paste.sh"

build=$(cd "$1" && pwd)
bin="$build/bin"

for tool in sway swaymsg swaybar wtype wl-paste grim dbus-daemon dbus-send setpriv python3; do
    if ! command -v "$tool" > /dev/null; then
        echo "SKIP: $tool is missing (scripts/deps.sh installs it)"
        exit 77
    fi
done
for program in tesselle tesselle_paste_target tesselle_virtual_pointer; do
    if [ ! -x "$bin/$program" ]; then
        echo "SKIP: build $program first"
        exit 77
    fi
done

work=$(mktemp -d)
chmod 755 "$work"
pids=()
failed=0
trap clean_up_test_run EXIT

patience=${TESSELLE_DESKTOP_PATIENCE:-10000}
passed=0
# The output, and its free area less swaybar's 23 pixels at the bottom.
width=1280
height=1024

# --- shared setup ------------------------------------------------------------
stop() { # pids
    kill "$@" 2> /dev/null
    wait "$@" 2> /dev/null
}

# A private home, so that nothing of the real user's is read or written: the
# welcome was done before and autopaste is on.
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share"
export XDG_CACHE_HOME="$work/home/.cache" XDG_STATE_HOME="$work/home/.local/state"
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -p "$XDG_CONFIG_HOME/tesselle" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
export PATH="$(cd "$(dirname "$0")/../support/fake-espanso" && pwd):$PATH"
export FAKE_ESPANSO_STATE="$work/espanso-state"
echo running > "$FAKE_ESPANSO_STATE"
export QT_QPA_PLATFORM=wayland XDG_SESSION_TYPE=wayland XDG_CURRENT_DESKTOP=sway
unset DISPLAY DBUS_SESSION_BUS_ADDRESS
printf '[General]\nautoPaste=@ByteArray(true)\nisWelcomeWasPresented=@ByteArray(true)\n' \
    > "$XDG_CONFIG_HOME/tesselle/tesselle.conf"

# sway refuses to run as root: then it runs as nobody, in a runtime folder of
# its own that the program (root) can still reach; its session bus lets every
# user in.
as_compositor=()
[ "$(id -u)" -eq 0 ] && as_compositor=(setpriv --reuid=65534 --regid=65534 --clear-groups)

# Starts a compositor with one output, with swaybar and its tray on a session
# bus when asked ("tray"), one virtual keyboard and one virtual pointer. Sets
# WAYLAND_DISPLAY, SWAYSOCK and, with a tray, DBUS_SESSION_BUS_ADDRESS.
setup_phase() { # name, [tray]
    local phase=$1 tray=${2:-} folder="$work/$1"
    mkdir -p "$folder"
    chmod 700 "$folder"
    [ "$(id -u)" -eq 0 ] && chown 65534:65534 "$folder"
    phase_pids=()
    printf 'output HEADLESS-1 resolution %dx%d\n' "$width" "$height" > "$work/$phase.conf"
    local bus_variable=()
    unset DBUS_SESSION_BUS_ADDRESS
    if [ "$tray" = tray ]; then
        printf 'bar {\n  position bottom\n  tray_output *\n}\n' >> "$work/$phase.conf"
        cat > "$work/$phase-bus.conf" << EOF
<busconfig>
  <type>session</type>
  <listen>unix:path=$folder/bus</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow user="*"/>
    <allow own="*"/>
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
  </policy>
</busconfig>
EOF
        chmod 644 "$work/$phase-bus.conf"
        start "$work/$phase-bus.log" "${as_compositor[@]}" dbus-daemon \
            --config-file="$work/$phase-bus.conf" --nofork
        phase_pids+=("$started")
        wait_until 10000 test -S "$folder/bus" || { check "the session bus starts" false; return 1; }
        export DBUS_SESSION_BUS_ADDRESS="unix:path=$folder/bus"
        bus_variable=(DBUS_SESSION_BUS_ADDRESS="$DBUS_SESSION_BUS_ADDRESS")
    fi
    chmod 644 "$work/$phase.conf"
    start "$work/$phase-sway.log" "${as_compositor[@]}" env -i PATH=/usr/bin:/bin HOME="$folder" \
        XDG_RUNTIME_DIR="$folder" WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 \
        WLR_RENDERER=pixman "${bus_variable[@]}" sway -c "$work/$phase.conf"
    phase_pids+=("$started")
    socket_ready() { compgen -G "$folder/wayland-*[0-9]" > /dev/null &&
        compgen -G "$folder/sway-ipc.*.sock" > /dev/null; }
    wait_until 10000 socket_ready || { check "sway starts" false; return 1; }
    export WAYLAND_DISPLAY=$(compgen -G "$folder/wayland-*[0-9]" | head -1)
    export SWAYSOCK=$(compgen -G "$folder/sway-ipc.*.sock" | head -1)
    if [ "$tray" = tray ]; then
        bar_shown() { [ "$(free_area | cut -d' ' -f4)" -lt "$height" ]; }
        watcher_on_bus() { dbus-send --session --print-reply --dest=org.freedesktop.DBus \
            /org/freedesktop/DBus org.freedesktop.DBus.ListNames | grep -q StatusNotifierWatcher; }
        wait_until 10000 bar_shown || { check "swaybar shows" false; return 1; }
        wait_until 10000 watcher_on_bus || { check "swaybar's tray watches the bus" false; return 1; }
    fi

    # The headless seat has no input devices: a keyboard exists only while
    # wtype runs, and each time it goes the focused window loses the keyboard
    # focus (the panel closes). One virtual keyboard is kept for the phase.
    start "$work/$phase-keyboard.log" wtype -s 3600000 -k Escape
    phase_pids+=("$started")
    # The pointer reads its commands from a pipe held open for the phase
    # (opened for reading and writing, so that neither end waits for the other).
    rm -f "$work/pointer.in"
    mkfifo "$work/pointer.in"
    exec {pointer_in}<> "$work/pointer.in"
    pointer_log="$work/$phase-pointer.log"
    # (Not through start: a command put in the background there reads nothing.)
    "$bin/tesselle_virtual_pointer" "$width" "$height" < "$work/pointer.in" > "$pointer_log" 2>&1 &
    pids+=($!)
    phase_pids+=($!)
    pointer_done=0
    wait_until 10000 grep -qx ready "$pointer_log" || { check "the virtual pointer starts" false; return 1; }
}

end_phase() {
    exec {pointer_in}>&-
    stop "${phase_pids[@]}"
}

# Each line is a pointer command: "move X Y", "click left|right", "double-click".
pointer() {
    local command
    for command in "$@"; do
        echo "$command" >&"$pointer_in"
        pointer_done=$((pointer_done + 1))
    done
    wait_until "$patience" pointer_caught_up
}
pointer_caught_up() { [ "$(grep -cx ok "$pointer_log")" -ge "$pointer_done" ]; }

# Searches the open panel for the text, goes down to the first emoji found and
# picks it with Return, whose time goes to $picked. The panel shows nothing
# that tells when the search has caught up with the keys: pauses stand in.
pick_with_keys() { # search text
    wtype "$1"
    sleep 0.5
    wtype -k Down
    sleep 0.3
    picked=$(now_ms)
    wtype -k Return
}

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
# The free area of the output: "x y width height".
free_area() {
    swaymsg -t get_workspaces | python3 -c '
import json, sys
for w in json.load(sys.stdin):
    if w["visible"]:
        r = w["rect"]; print(r["x"], r["y"], r["width"], r["height"])'
}

# Where in the output a picture shows: the middle of the pixels of the region
# "x y width height" that are strongly coloured (or, with "unlike-bar", unlike
# the bar's own colour), as "x y"; nothing when none are.
find_in_output() { # x y width height [unlike-bar]
    grim -t ppm - | python3 -c '
import sys
x0, y0, w0, h0 = map(int, sys.argv[1:5])
mode = sys.argv[5] if len(sys.argv) > 5 else "coloured"
data = sys.stdin.buffer.read()
header, rest = data.split(b"\n", 1)
size, rest = rest.split(b"\n", 1)
_, pixels = rest.split(b"\n", 1)
width, height = map(int, size.split())
def at(x, y):
    i = (y * width + x) * 3
    return pixels[i:i + 3]
bar = at(x0 + w0 // 2, y0 + h0 // 2)
xs, ys = [], []
for y in range(y0, min(y0 + h0, height)):
    for x in range(x0, min(x0 + w0, width)):
        p = at(x, y)
        if mode == "unlike-bar":
            hit = max(abs(p[i] - bar[i]) for i in range(3)) > 60
        else:
            hit = max(p) - min(p) > 120
        if hit:
            xs.append(x); ys.append(y)
# Coloured: the first thing from the top left, a grid cell large at most (a
# search shows its emoji twice: among the best matches and in its group).
if xs and mode == "coloured":
    top = min(ys)
    hits = [(x, y) for x, y in zip(xs, ys) if y < top + 42]
    left = min(x for x, _ in hits)
    xs, ys = zip(*[(x, y) for x, y in hits if x < left + 42])
if xs:
    print((min(xs) + max(xs)) // 2, (min(ys) + max(ys)) // 2)' "$@"
}

screenshot() { # file name in $TESSELLE_SCREENSHOTS
    if [ -n "${TESSELLE_SCREENSHOTS:-}" ]; then
        mkdir -p "$TESSELLE_SCREENSHOTS"
        grim "$TESSELLE_SCREENSHOTS/$1"
    fi
}

start_tesselle() { # log name
    start "$work/$1.log" "$bin/tesselle"
    tesselle=$started
    phase_pids+=("$started")
}

# --- without a tray ------------------------------------------------------------
phase_without_tray() {
    setup_phase notray || return
    start "$work/target.log" "$bin/tesselle_paste_target"
    phase_pids+=("$started")
    check "the text window is shown and focused" wait_until "$patience" focused tesselle_paste_target "Paste target"

    start_tesselle notray-tesselle
    check "without a tray the panel opens by itself" wait_until "$patience" focused tesselle Tesselle
    read -r pw ph px py pfloat _ <<< "$(window_of tesselle Tesselle)"
    echo "FACT: the panel is ${pw}x${ph} at ${px},${py} on the ${width}x${height} output, floating: $pfloat"
    screenshot sway-panel-without-tray.png
    check "... floating, whole on the output and centred on it" test "$pfloat" = 1 -a "$px" -ge 0 \
        -a "$py" -ge 0 -a $((px + pw)) -le "$width" -a $((py + ph)) -le "$height" \
        -a $(((2 * px + pw - width) ** 2)) -le 4 -a $(((2 * py + ph - height) ** 2)) -le 4
    check "... and the program says how to open it again" grep -qxF \
        -e "No tray shows Tesselle's icon here: press Ctrl+Alt+E, or start tesselle again, to open Tesselle." \
        -e "No tray shows Tesselle's icon here: start tesselle again to open Tesselle (a keyboard shortcut of your desktop can run it)." \
        "$work/notray-tesselle.log"
    timeout 10 "$bin/tesselle" > /dev/null 2>&1
    check "another start closes it" wait_until "$patience" gone tesselle Tesselle
    check "... and the text window has the focus again" wait_until "$patience" focused tesselle_paste_target "Paste target"
    timeout 10 "$bin/tesselle" > "$work/second.log" 2>&1
    check "a second start opens it again" wait_until "$patience" focused tesselle Tesselle
    check "... saying nothing more about the way in" test "$(grep -c "^No tray" "$work/notray-tesselle.log")" -eq 1

    # A double click on the one emoji that "woman dancing" finds copies it and,
    # with autopaste on, types it into the text window.
    wtype "woman dancing"
    read -r pw ph px py _ <<< "$(window_of tesselle Tesselle)"
    cell_found() { cell=$(find_in_output "$px" $((py + 100)) "$pw" $((ph - 100))); [ -n "$cell" ]; }
    check "the search shows the emoji" wait_until "$patience" cell_found
    read -r cx cy <<< "$cell"
    echo "FACT: the emoji's cell is at $cx,$cy"
    pointer "move $cx $cy" double-click
    check "a double click through the virtual pointer closes the panel" wait_until "$patience" gone tesselle Tesselle
    check "... and the emoji arrives in the text window" wait_until "$patience" grep -qx "text: 💃" "$work/target.log"
    check "... and on the clipboard, as wl-paste reads it" test "$(timeout 5 wl-paste --no-newline)" = "💃"

    # Search, go down to the first result and pick it with Return.
    timeout 10 "$bin/tesselle" > /dev/null 2>&1
    check "the panel opens again" wait_until "$patience" focused tesselle Tesselle
    wtype -k Escape
    check "Escape closes it" wait_until "$patience" gone tesselle Tesselle
    timeout 10 "$bin/tesselle" > /dev/null 2>&1
    wait_until "$patience" focused tesselle Tesselle
    local before
    before=$(grep '^text: ' "$work/target.log" | tail -1 | cut -d' ' -f2-)
    pasted() { [ "$(grep -c '^text: ' "$work/target.log")" -gt "$1" ]; }
    local lines
    lines=$(grep -c '^text: ' "$work/target.log")
    pick_with_keys dancer
    check "a pick with the keys closes the panel" wait_until "$patience" gone tesselle Tesselle
    check "... and the emoji arrives in the text window" wait_until "$patience" pasted "$lines"
    echo "FIGURE: Return on the emoji to the emoji in the text window: $(($(now_ms) - picked)) ms"
    typed=$(grep '^text: ' "$work/target.log" | tail -1 | cut -d' ' -f2-)
    clipboard=$(timeout 5 wl-paste --no-newline)
    echo "FACT: pasted \"${typed#"$before"}\", clipboard \"$clipboard\""
    check "the clipboard holds exactly the pasted emoji" test -n "$clipboard" -a "$typed" = "$before$clipboard"
    check "no paste error was printed" test -z "$(grep '^Error' "$work/notray-tesselle.log")"

    check_terminal_paste
    check "no paste error was printed into the terminal either" \
        test -z "$(grep '^Error' "$work/notray-tesselle.log")"
    end_phase
}

# --- with swaybar's tray ---------------------------------------------------------
phase_with_tray() {
    setup_phase tray tray || return
    read -r fx fy fw fh <<< "$(free_area)"
    echo "FACT: the free area is ${fw}x${fh} at ${fx},${fy}, below it the bar"
    start_tesselle tray-tesselle
    icon_found() { icon=$(find_in_output $((width - 200)) $((fy + fh)) 200 $((height - fy - fh)) unlike-bar); [ -n "$icon" ]; }
    check "swaybar shows the program's icon" wait_until "$patience" icon_found
    read -r ix iy <<< "$icon"
    sleep 1.5
    check "with a tray the panel does not open by itself" gone tesselle Tesselle

    # The compositor's news of windows, each with the time it came, for the figures.
    swaymsg -t subscribe -m '["window"]' | python3 -u -c '
import json, sys, time
for line in sys.stdin:
    event = json.loads(line)
    print(int(time.time() * 1000), event["change"], event["container"].get("name"))' \
        > "$work/window-events.log" 2>&1 &
    pids+=($!)
    phase_pids+=($!)
    placed_above_icon() {
        read -r pw ph px py pfloat _ <<< "$(window_of tesselle Tesselle)"
        [ "$pfloat" = 1 ] && [ $((py + ph)) -eq $((fy + fh)) ] && [ "$px" -le "$ix" ] &&
            [ $((px + pw)) -ge "$ix" -o $((px + pw)) -eq "$width" ]
    }
    # From the click to the compositor's news that the panel is there (placed
    # one request later), and to the script seeing it in place.
    local t0 opening
    click_to_panel() { # which opening
        t0=$(now_ms)
        pointer "move $ix $iy" "click left"
        wait_until "$patience" placed_above_icon || return 1
        local seen=$(now_ms) mapped
        mapped=$(awk -v t0="$t0" '$1 >= t0 && $2 == "new" { print $1; exit }' "$work/window-events.log")
        echo "FIGURE: click on the tray icon to the panel shown, opening $1: $((mapped - t0)) ms" \
            "(placed next to the icon and seen by the script at $((seen - t0)) ms)"
    }
    check "a click on the icon opens the panel next to it" click_to_panel 1
    read -r pw ph px py pfloat _ <<< "$(window_of tesselle Tesselle)"
    echo "FACT: clicked at ${ix},${iy}; the panel is ${pw}x${ph} at ${px},${py}, floating: $pfloat"
    check "... floating, whole on the output, next to the icon and not over the bar" placed_above_icon
    screenshot sway-panel.png
    pointer "move 200 200" "click left"
    check "a click outside closes it" wait_until "$patience" gone tesselle Tesselle
    # A click on the icon within 0.3 s of a close by focus loss is taken for
    # the click that closed it (ShellTiming::focusLossClickWindow): a user's pause.
    sleep 0.4
    check "a click on the icon opens it again" click_to_panel 2
    pointer "click left"
    check "... and another one closes it" wait_until "$patience" gone tesselle Tesselle
    for opening in 3 4; do
        click_to_panel "$opening"
        pointer "click left"
        wait_until "$patience" gone tesselle Tesselle
    done

    # The menu: entries chosen with the keys, each from a fresh opening.
    menu_entry() { # number of Downs
        pointer "move $ix $iy" "click right"
        if ! wait_until "$patience" focused tesselle "Tesselle menu"; then
            echo "the menu did not take the focus: $(window_of tesselle "Tesselle menu")"
            return 1
        fi
        local down
        for ((down = 0; down < $1; down++)); do wtype -k Down; done
        wtype -k Return
    }
    pointer "move $ix $iy" "click right"
    check "a right-click on the icon opens the menu" wait_until "$patience" shown tesselle "Tesselle menu"
    read -r mw mh mx my mfloat _ <<< "$(window_of tesselle "Tesselle menu")"
    echo "FACT: the menu is ${mw}x${mh} at ${mx},${my}, floating: $mfloat"
    check "... next to the icon, above the bar" test "$mfloat" = 1 -a $((my + mh)) -eq $((fy + fh)) \
        -a "$mx" -le "$ix" -a $((mx + mw)) -le "$width"
    screenshot sway-tray-menu.png
    wtype -k Escape
    check "Escape closes the menu" wait_until "$patience" gone tesselle "Tesselle menu"
    menu_entry 1
    check "\"Open Tesselle\" opens the panel" wait_until "$patience" shown tesselle Tesselle
    wtype -k Escape
    wait_until "$patience" gone tesselle Tesselle
    menu_entry 2
    check "\"Settings…\" opens the settings window" wait_until "$patience" shown tesselle "Tesselle Settings"
    # With another of its windows open, Qt makes the menu a popup of that
    # window, which the compositor's tree does not list.
    swaymsg '[title="^Tesselle Settings$"] kill' > /dev/null
    wait_until "$patience" gone tesselle "Tesselle Settings"
    menu_entry 3
    check "\"Quit\" ends the program" wait_until "$patience" ended "$tesselle"
    if ended "$tesselle"; then
        wait "$tesselle"
        local code=$?
        check "... in order (exit code 0)" test "$code" -eq 0
    fi
    end_phase
}

# A child that has ended but is not yet waited for is a zombie (Z).
ended() { ! [ -e "/proc/$1" ] || grep -q '^[0-9]* (.*) Z' "/proc/$1/stat"; }

# TESSELLE_WAYLAND_PHASES names the phases to run, by default all of them.
for phase in ${TESSELLE_WAYLAND_PHASES:-without_tray with_tray}; do
    "phase_$phase"
done

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
