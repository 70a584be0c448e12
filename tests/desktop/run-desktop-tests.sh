#!/usr/bin/env bash
# The shell on a real X11 desktop: a virtual display (Xvfb) with a window
# manager (openbox) and a tray host (trayer). Checks the tray icon, the panel
# under it, the command line's requests, the welcome installation in a skin
# tone and the settings window's title, the keyboard shortcut, the tray
# icon's menu, copy and autopaste (into a text field and into xterm, also a
# busy one), the failure lines, a second start, the installation, and the
# autostart log line as an unprivileged user.
#
# Usage: run-desktop-tests.sh BUILD_DIR
# Set TESSELLE_SCREENSHOT to a file name to keep a picture of the open panel.
# Exits 77 (skipped) when the desktop tools are missing: scripts/deps.sh
# installs them.
set -u
. "$(dirname "$0")/desktop-helpers.sh"

build=$(cd "$1" && pwd)
bin="$build/bin"

for tool in Xvfb openbox trayer xdotool xclip xwininfo; do
    if ! command -v "$tool" > /dev/null; then
        echo "SKIP: $tool is missing (scripts/deps.sh installs the desktop tools)"
        exit 77
    fi
done

begin_test_run
use_running_fake_espanso
# Named as its application, so that its windows' class is that name.
driver="$work/tesselle-driver"
ln -s "$bin/tesselle_desktop_driver" "$driver"

# How long a check waits for what it expects; the sanitizer build is slower.
patience=${TESSELLE_DESKTOP_PATIENCE:-10000}
passed=0

# --- the display -----------------------------------------------------------
start_display || { echo "FAIL: Xvfb did not start"; exit 1; }
# The focus checks need a window manager (clicks activate windows through it).
if ! start_window_manager; then
    echo "FAIL: openbox does not start on the virtual display"
    failed=1
    exit 1
fi

tray_icon() { windows_of "$1" | awk '$2 <= 64 && $3 <= 64 && $4 > 0' | head -1; }
# Docked and mapped: a click before that reaches nothing.
has_tray_icon() { local icon; icon=$(tray_icon "$1"); [ -n "$icon" ] && is_viewable "${icon%% *}"; }
is_viewable() { xwininfo -id "$1" 2> /dev/null | grep -q 'Map State: IsViewable'; }
panel_id() { windows_of "$1" Tesselle | awk '$2 > 64 { print $1 }' | head -1; }
has_panel_window() { [ -n "$(panel_id "$1")" ]; }
panel_shown() { local id; id=$(panel_id "$1"); [ -n "$id" ] && is_viewable "$id"; }
panel_hidden() { ! panel_shown "$1"; }
panel_geometry() { # class; prints "x y width height", or nothing without a panel
    local id
    id=$(panel_id "$1")
    # Without an id xwininfo would wait for a click on a window.
    [ -n "$id" ] || return 0
    xwininfo -id "$id" | awk '/Absolute upper-left X/ {x=$NF}
        /Absolute upper-left Y/ {y=$NF} /Width/ {w=$NF} /Height/ {h=$NF} END {print x, y, w, h}'
}
# The name of the active window, as the window manager says; a stale id gives
# an empty name.
active_name() {
    local id
    id=$(xprop -root _NET_ACTIVE_WINDOW 2> /dev/null | awk '{print $NF}')
    xprop -id "$id" WM_NAME 2> /dev/null | sed -n 's/^WM_NAME([^)]*) = "\(.*\)"$/\1/p'
}
active_is() { [ "$(active_name)" = "$1" ]; }
click_at() { xdotool mousemove "$1" "$2" click 1; }
# The text of the code points given in hexadecimal.
text_of() { perl -CS -e 'print map { chr hex } @ARGV' "$@"; }
icon_center() { awk '{ print $4 + int($2 / 2), $5 + int($3 / 2) }' <<< "$1"; }

# --- a desktop without a tray ------------------------------------------------
# The first start still shows the welcome window, and a second start (bound to
# a key by the user) opens the panel at the pointer.
if [ -x "$bin/tesselle" ]; then
    start "$work/notray.log" "$bin/tesselle"
    notray=$started
    check "without a tray the first start shows the welcome window" wait_until "$patience" sh -c \
        "xwininfo -name 'Welcome to Tesselle' 2> /dev/null | grep -q IsViewable"
    xdotool mousemove 300 100
    timeout 10 "$bin/tesselle" > /dev/null 2>&1
    check "... and a second start opens the panel" wait_until "$patience" panel_shown tesselle
    read -r px py pw ph <<< "$(panel_geometry tesselle)"
    check "... just under the pointer" test "$px" -le 300 -a $((px + pw)) -ge 300 \
        -a "$py" -ge 100 -a "$py" -le 116
    timeout 10 "$bin/tesselle" --toggle > /dev/null 2>&1
    check "tesselle --toggle closes it" wait_until "$patience" panel_hidden tesselle

    # The command line's requests to a running program and to none.
    settings_open() { xwininfo -name 'Tesselle Settings' 2> /dev/null | grep -q IsViewable; }
    # A child that has ended but is not yet waited for is a zombie (Z).
    ended() { ! [ -e "/proc/$1" ] || grep -q '^[0-9]* (.*) Z' "/proc/$1/stat"; }
    timeout 10 "$bin/tesselle" --settings > /dev/null 2>&1
    check "tesselle --settings opens the running program's settings" \
        wait_until "$patience" settings_open
    timeout 40 "$bin/tesselle" --quit > "$work/quit.log" 2>&1
    code=$?
    check "tesselle --quit exits 0, saying nothing" \
        sh -c "[ $code -eq 0 ] && [ ! -s '$work/quit.log' ]"
    check "... once the running program has ended" ended "$notray"
    wait "$notray" 2> /dev/null
    code=$?
    check "... in order (exit code 0)" test "$code" -eq 0
    start "$work/settings.log" "$bin/tesselle" --settings
    check "tesselle --settings with no program running starts it with the settings open" \
        wait_until "$patience" settings_open
    kill "$started"
    wait "$started" 2> /dev/null
fi

start_tray
wait_until 10000 "$driver" --tray-available || { echo "FAIL: trayer did not start"; failed=1; exit 1; }

# --- the tray icon and the panel, timed ---------------------------------------
shell_checks() { # program, class, and whether a first start shows the welcome window
    local program=$1 class=$2 welcome=$3 icon x y t0 id
    t0=$(now_ms)
    start "$work/$class.log" "$program"
    local shell=$started
    if ! wait_until 10000 has_tray_icon "$class"; then
        check "the tray icon of $class appears" false
        return
    fi
    echo "FIGURE: $class start to tray icon shown: $(($(now_ms) - t0)) ms"
    icon=$(tray_icon "$class")
    check "the tray icon of $class appears" test -n "$icon"
    # Built and painted hidden once the icon has been painted.
    check "... and the panel is made ready, unmapped, before any click" \
        wait_until "$patience" has_panel_window "$class"
    read -r x y <<< "$(icon_center "$icon")"
    if [ "$welcome" = welcome ]; then
        check "a first start shows the welcome window" wait_until "$patience" active_is "Welcome to Tesselle"
        xdotool key alt+F4
        # Nothing shows that the request has come and been refused: a moment
        # in which a window that took it would be gone.
        sleep 0.3
        check "... which refuses the desktop's close request" sh -c \
            "xwininfo -name 'Welcome to Tesselle' | grep -q IsViewable"
    fi

    t0=$(now_ms)
    click_at "$x" "$y"
    check "a click on the icon opens the panel" wait_until "$patience" panel_shown "$class"
    echo "FIGURE: $class click to panel shown, first opening: $(($(now_ms) - t0)) ms"
    read -r px py pw ph <<< "$(panel_geometry "$class")"
    read -r _ iw ih ix iy <<< "$icon"
    check "the panel hangs under the icon, within the screen" \
        test "$py" -ge $((iy + ih)) -a "$py" -le $((iy + ih + 16)) -a "$px" -le "$x" \
        -a $((px + pw)) -ge "$x" -a $((px + pw)) -le 1280
    if [ -n "${TESSELLE_SCREENSHOT:-}" ] && command -v import > /dev/null; then
        import -window root "$TESSELLE_SCREENSHOT"
    fi

    # Escape closes the panel without a loss of focus, after which the program
    # would take a click on the icon within its click window for the click
    # that took the focus: the next opening needs no pause.
    local opening
    for opening in 2 3 4; do
        xdotool key Escape
        wait_until "$patience" panel_hidden "$class"
        t0=$(now_ms)
        click_at "$x" "$y"
        wait_until "$patience" panel_shown "$class" &&
            echo "FIGURE: $class click to panel shown, opening $opening: $(($(now_ms) - t0)) ms"
    done
    xdotool key Escape
    wait_until "$patience" panel_hidden "$class"

    local code
    timeout 10 "$program" > /dev/null 2>&1
    code=$?
    check "a second start exits 0" test "$code" -eq 0
    check "... and opens the running one's panel" wait_until "$patience" panel_shown "$class"
    timeout 10 "$program" > /dev/null 2>&1
    check "a third start closes it again" wait_until "$patience" panel_hidden "$class"

    click_at "$x" "$y"
    wait_until "$patience" panel_shown "$class"
    click_at "$x" "$y"
    check "a second click closes it" wait_until "$patience" panel_hidden "$class"
    kill "$shell"
    wait "$shell" 2> /dev/null
    sed -n 's/^TIMING /FIGURE: '"$class"', measured inside: /p' "$work/$class.log"
}

shell_checks "$driver" tesselle-driver none
if [ -x "$bin/tesselle" ]; then
    shell_checks "$bin/tesselle" tesselle welcome
fi

# --- the welcome installation and the settings window ----------------------------
# A first start installs with the female appearance and the dark skin tone; the
# match file then holds only sequences that Unicode lists as fully-qualified.
if [ -x "$bin/tesselle" ]; then
    rm -rf "$XDG_CONFIG_HOME/tesselle" "$XDG_CONFIG_HOME/espanso"
    match="$XDG_CONFIG_HOME/espanso/match/tesselle.yml"
    emoji_test=/usr/share/unicode/emoji/emoji-test.txt
    welcome_shown() { xwininfo -name 'Welcome to Tesselle' 2> /dev/null | grep -q IsViewable; }
    welcome_gone() { ! xwininfo -name 'Welcome to Tesselle' > /dev/null 2>&1; }
    replacement_of() { # trigger
        awk -v entry="  - trigger: \"$1\"" '$0 == entry { getline
            sub(/^    replace: "/, ""); sub(/"$/, ""); print; exit }' "$match"
    }
    # The replacements that are no fully-qualified line of emoji-test.txt.
    not_fully_qualified() {
        sed -n 's/^    replace: "\(.*\)"$/\1/p' "$match" | grep -vxFf <(perl -CSD -ne \
            'print map({ chr hex } split " ", $1), "\n" if /^([0-9A-F ]+?)\s*; fully-qualified/' \
            "$emoji_test")
    }

    start "$work/welcome.log" "$bin/tesselle"
    welcome=$started
    check "a first start shows the welcome window" wait_until "$patience" welcome_shown
    check "... which plays its video" wait_until "$patience" grep -q libavcodec "/proc/$welcome/maps"
    read -r wx wy ww wh <<< "$(xwininfo -name 'Welcome to Tesselle' | awk '/Absolute upper-left X/ {x=$NF}
        /Absolute upper-left Y/ {y=$NF} /Width/ {w=$NF} /Height/ {h=$NF} END {print x, y, w, h}')"
    # The pickers sit at the rows' right end, 16 in from the window's edge,
    # under the 310 high video: the second of three 32 cells (female), the
    # sixth of six 18 swatches (dark); the button is the last 16 in.
    click_at $((wx + ww - 16 - 3 * 32 - 2 * 10 + 42 + 16)) $((wy + 310 + 16 + 21))
    click_at $((wx + ww - 16 - 6 * 18 - 5 * 10 + 5 * 28 + 9)) $((wy + 310 + 16 + 42 + 1 + 21))
    click_at $((wx + ww / 2)) $((wy + wh - 16 - 12))
    check "\"Install Tesselle\" closes the welcome window" wait_until 30000 welcome_gone
    check "... and writes the match file" test -s "$match"
    if [ -r "$emoji_test" ]; then
        check "... with only fully-qualified sequences" test -z "$(not_fully_qualified)"
    else
        echo "SKIP: the fully-qualified check needs $emoji_test (package unicode-data)"
    fi
    check "/detective is the dark woman detective" \
        test "$(replacement_of /detective)" = "$(text_of 1F575 1F3FF 200D 2640 FE0F)"
    check "/golfing is the dark woman golfing" \
        test "$(replacement_of /golfing)" = "$(text_of 1F3CC 1F3FF 200D 2640 FE0F)"
    check "/victory is the dark victory hand" \
        test "$(replacement_of /victory)" = "$(text_of 270C 1F3FF)"

    # The panel opens after the welcome window; "Settings" is the first entry
    # of the menu at the search field's right end.
    check "the panel opens after the installation" wait_until "$patience" panel_shown tesselle
    # Qt Multimedia converts video frames through OpenGL where it may: on Xvfb
    # that is Mesa's software renderer, which would stay mapped for the run.
    check "... and no OpenGL driver was loaded for the video" \
        sh -c "! grep -qE 'libLLVM|_dri\.so|libGLX_mesa|libEGL_mesa' /proc/$welcome/maps"
    read -r px py pw ph <<< "$(panel_geometry tesselle)"
    before=$(windows_of tesselle | sort)
    click_at $((px + pw - 38)) $((py + 36))
    menu_shown() { [ -n "$(comm -13 <(echo "$before") <(windows_of tesselle | sort))" ]; }
    wait_until "$patience" menu_shown
    read -r _ mw mh mx my <<< "$(comm -13 <(echo "$before") <(windows_of tesselle | sort) | head -1)"
    click_at $((mx + mw / 2)) $((my + mh / 3))
    settings_shown() { xwininfo -name 'Tesselle Settings' 2> /dev/null | grep -q IsViewable; }
    check "\"Settings\" in the panel's menu opens the settings window" \
        wait_until "$patience" settings_shown
    settings=$(xwininfo -name 'Tesselle Settings' | awk '/Window id/ {print $4}')
    check "... which the window manager calls \"Tesselle Settings\"" test \
        "$(xprop -id "$settings" _NET_WM_NAME)" = '_NET_WM_NAME(UTF8_STRING) = "Tesselle Settings"'

    kill "$welcome"
    wait "$welcome" 2> /dev/null
    log_lacks() { ! grep -qE "$1" "$work/welcome.log"; }
    check "the welcome window wrote nothing on standard output" log_lacks '^Init$'
    check "... nor Qt Multimedia's codec probing on standard error" \
        log_lacks 'listing codecs|Checking HW'
fi

# --- the keyboard shortcut ------------------------------------------------------------
# Ctrl+Alt+E opens and closes the panel from another program's window; a key
# that another program holds first is reported.
if [ -x "$bin/tesselle" ]; then
    start "$work/keytarget.log" "$driver" --paste-target
    keytarget=$started
    wait_until "$patience" sh -c "xdotool search --name '^Paste target$' > /dev/null"
    xdotool search --name '^Paste target$' windowactivate --sync 2> /dev/null
    start "$work/shortcut.log" "$bin/tesselle"
    shortcut=$started
    wait_until 10000 has_tray_icon tesselle
    check "another program's window is active" wait_until "$patience" active_is "Paste target"
    xdotool key ctrl+alt+e
    check "Ctrl+Alt+E opens the panel from another program's window" \
        wait_until "$patience" panel_shown tesselle
    check "... and gives it the keyboard" wait_until "$patience" active_is Tesselle
    xdotool type --delay 50 dance
    xdotool key Down Return
    # In the skin tone the welcome installation chose.
    copied_dancer() { case "$(xclip -o -selection clipboard 2> /dev/null)" in 💃*) ;; *) return 1 ;; esac; }
    check "typing \"dance\", Down and Return there copies the first match" \
        wait_until "$patience" copied_dancer
    sleep 0.4
    panel_shown tesselle || xdotool key ctrl+alt+e
    wait_until "$patience" panel_shown tesselle
    xdotool key ctrl+alt+e
    check "Ctrl+Alt+E again closes it" wait_until "$patience" panel_hidden tesselle
    kill "$shortcut"
    wait "$shortcut" 2> /dev/null
    start "$work/holder.log" "$driver" --hold-key Ctrl+Alt+E
    holder=$started
    check "the key is free once the program has quit" \
        wait_until "$patience" grep -qx "holding Ctrl+Alt+E" "$work/holder.log"
    start "$work/taken.log" "$bin/tesselle"
    taken=$started
    check "a key that another program holds is reported" wait_until "$patience" \
        grep -qx "Keyboard shortcut: Another program uses Ctrl+Alt+E" \
        "$work/taken.log"
    check "... and the program runs on" wait_until 10000 has_tray_icon tesselle
    # A key refused in place of the one held leaves that one held.
    start "$work/rebind.log" "$driver" --hold-key Ctrl+Alt+K --hold-key Ctrl+Alt+E \
        --hold-key Ctrl+Alt+Left
    rebind=$started
    check "a key another program holds, taken in place of the key held, is refused" \
        wait_until "$patience" grep -qx "Another program uses Ctrl+Alt+E" "$work/rebind.log"
    check "... and so is a key X11 cannot hold" wait_until "$patience" \
        grep -qx "Ctrl+Alt+Left cannot be a keyboard shortcut" "$work/rebind.log"
    xdotool key ctrl+alt+k
    check "... while the key held before still works" \
        wait_until "$patience" grep -qx pressed "$work/rebind.log"
    kill "$taken" "$holder" "$keytarget" "$rebind"
    wait "$taken" "$holder" "$keytarget" "$rebind" 2> /dev/null
fi

# --- the tray icon's menu -------------------------------------------------------------
# A right-click on the icon opens the menu; its entries, chosen with the keys,
# open the panel and the settings, and quit in order.
if [ -x "$bin/tesselle" ]; then
    start "$work/traymenu.log" "$bin/tesselle"
    traymenu=$started
    wait_until 10000 has_tray_icon tesselle
    read -r x y <<< "$(icon_center "$(tray_icon tesselle)")"
    menu_open() { xwininfo -name 'Tesselle menu' 2> /dev/null | grep -q IsViewable; }
    # A click that comes while the tray still docks the icon, or while a popup
    # that has just closed still holds the pointer, reaches nothing (1 in 3
    # here): right-click again, as a user would.
    open_tray_menu() {
        local try
        for try in 1 2 3; do
            xdotool mousemove "$x" "$y" click 3
            wait_until 2000 menu_open && return 0
        done
        return 1
    }
    choose_in_tray_menu() { # number of Downs
        if ! open_tray_menu; then
            echo "the tray menu did not open"
            return 1
        fi
        local down
        for ((down = 0; down < $1; down++)); do xdotool key Down; done
        xdotool key Return
    }
    check "a right-click on the tray icon opens its menu" open_tray_menu
    xdotool key Escape
    wait_until "$patience" sh -c "! xwininfo -name 'Tesselle menu' 2> /dev/null | grep -q IsViewable"
    choose_in_tray_menu 1
    check "\"Open Tesselle\" in the tray menu opens the panel" wait_until "$patience" panel_shown tesselle
    xdotool key Escape
    wait_until "$patience" panel_hidden tesselle
    choose_in_tray_menu 2
    check "\"Settings…\" opens the settings window" wait_until "$patience" sh -c \
        "xwininfo -name 'Tesselle Settings' 2> /dev/null | grep -q IsViewable"
    # Its activation, which comes after, would close a menu opened before it.
    wait_until "$patience" active_is "Tesselle Settings"
    choose_in_tray_menu 3
    tray_menu_ended() { ! [ -e "/proc/$traymenu" ] || grep -q '^[0-9]* (.*) Z' "/proc/$traymenu/stat"; }
    # The quit takes the installed preset's shortcuts out of the list first.
    check "\"Quit\" ends the program" wait_until 40000 tray_menu_ended
    if tray_menu_ended; then
        wait "$traymenu"
        code=$?
        check "... in order (exit code 0)" test "$code" -eq 0
    else
        kill "$traymenu"
        wait "$traymenu" 2> /dev/null
    fi
fi

# --- copy, autopaste and its failures ---------------------------------------------
class=tesselle-driver
double_click_panel() {
    read -r px py pw ph <<< "$(panel_geometry "$class")"
    xdotool mousemove $((px + pw / 2)) $((py + ph / 2)) click --repeat 2 --delay 80 1
}
clipboard_is() { [ "$(xclip -o -selection clipboard 2> /dev/null)" = "$1" ]; }
only_text_targets() {
    local targets
    targets=$(xclip -o -selection clipboard -t TARGETS 2> /dev/null) || return 1
    ! grep -qvE '^(TARGETS|MULTIPLE|TIMESTAMP|SAVE_TARGETS|text/plain.*|UTF8_STRING|STRING|TEXT|COMPOUND_TEXT)$' <<< "$targets"
}
open_panel() {
    read -r x y <<< "$(icon_center "$(tray_icon "$class")")"
    click_at "$x" "$y"
    wait_until "$patience" panel_shown "$class"
}

echo "earlier" | xclip -selection clipboard -t text/html -i
start "$work/copy.log" "$driver"
wait_until 10000 has_tray_icon "$class"
open_panel
double_click_panel
check "a double click puts exactly the emoji on the clipboard" wait_until "$patience" clipboard_is "💃"
check "... as plain text only" only_text_targets
kill "$started"
wait "$started" 2> /dev/null

start "$work/target.log" "$driver" --paste-target
target=$started
wait_until "$patience" sh -c "xdotool search --name '^Paste target$' > /dev/null"
xdotool search --name '^Paste target$' windowactivate --sync 2> /dev/null
start "$work/autopaste.log" "$driver" --autopaste
shell=$started
wait_until 10000 has_tray_icon "$class"
check "the text field is active before the panel opens" wait_until "$patience" active_is "Paste target"
open_panel
t0=$(now_ms)
double_click_panel
check "autopaste types the emoji into the field that was active" \
    wait_until "$patience" grep -q "^text: 💃$" "$work/target.log"
echo "FIGURE: double click to the emoji in the text field: $(($(now_ms) - t0)) ms"
check "... and brings the panel back to the front" wait_until "$patience" active_is Tesselle
check "the panel is still open after the paste" panel_shown "$class"

# A click into another window closes the panel; then the field's window goes
# away while the panel is open again.
click_at 250 420
check "a click into another window closes the panel" wait_until "$patience" panel_hidden "$class"
# Within 300 ms of that close the program takes a click on the icon for the
# click that took the focus, and nothing outside it tells when that ends.
sleep 0.4
open_panel
kill "$target"
wait "$target" 2> /dev/null
double_click_panel
check "a failed paste prints the reason twice" wait_until "$patience" sh -c \
    "grep -qx 'Error message: The window to paste into is gone' '$work/autopaste.log' &&
     grep -qx 'Error: The window to paste into is gone' '$work/autopaste.log'"
check "... and leaves the emoji on the clipboard" clipboard_is "💃"
kill "$shell"
wait "$shell" 2> /dev/null

# Autopaste into a terminal: xterm takes Ctrl+V (and Ctrl+Shift+V) for a
# control character, so it gets Shift+Insert and the emoji on the primary
# selection. The terminal passes what it gets on at once (no line editing), so
# the file shows when it arrives.
if command -v xterm > /dev/null; then
    typed="$work/terminal.txt"
    start "$work/xterm.log" xterm -u8 -T "Terminal target" -e sh -c "stty -icanon; exec cat > '$typed'"
    terminal=$started
    wait_until "$patience" test -e "$typed"
    xdotool search --name '^Terminal target$' windowactivate --sync > /dev/null 2>&1
    start "$work/termpaste.log" "$driver" --autopaste
    shell=$started
    wait_until 10000 has_tray_icon "$class"
    check "the terminal is active before the panel opens" \
        wait_until "$patience" active_is "Terminal target"
    open_panel
    holds() { [ "$(od -An -tx1 "$typed")" = "$(printf '%s' "$1" | od -An -tx1)" ]; }
    holds_emoji() { holds "💃"; }
    t0=$(now_ms)
    double_click_panel
    check "autopaste into xterm -u8 running cat gives exactly the emoji" \
        wait_until "$patience" holds_emoji
    echo "FIGURE: double click to the emoji in xterm: $(($(now_ms) - t0)) ms"
    sed -n 's/^TIMING paste/FIGURE: the paste into xterm/p' "$work/termpaste.log"
    kill "$shell"
    wait "$shell" 2> /dev/null

    # A terminal that reads its keys late (a busy one on a loaded machine;
    # here stopped until the paste has returned) gets the whole emoji too, a
    # sequence of four code points joined.
    flag=$(text_of 1F3F3 FE0F 200D 1F308)
    xdotool search --name '^Terminal target$' windowactivate --sync > /dev/null 2>&1
    start "$work/busyterm.log" "$driver" --autopaste --emoji "$flag"
    shell=$started
    wait_until 10000 has_tray_icon "$class"
    wait_until "$patience" active_is "Terminal target"
    open_panel
    kill -STOP "$terminal"
    double_click_panel
    wait_until "$patience" grep -q '^TIMING paste' "$work/busyterm.log"
    kill -CONT "$terminal"
    holds_both() { holds "💃$flag"; }
    check "... and into one that reads the keys only after the paste has returned" \
        wait_until "$patience" holds_both
    kill "$shell" "$terminal"
    wait "$shell" "$terminal" 2> /dev/null
else
    echo "SKIP: autopaste into a terminal needs xterm"
fi

env -u DISPLAY QT_QPA_PLATFORM=offscreen "$driver" --paste-without-display > "$work/nox.log" 2>&1
check "without X11 the failure lines say that autopaste needs an X11 session" \
    test "$(grep -v '^clipboard' "$work/nox.log")" = "$(printf 'Error message: Autopaste needs an X11 session\nError: Autopaste needs an X11 session')"
check "... and the clipboard keeps the emoji" grep -qx "clipboard: 💃" "$work/nox.log"

# --- installation -------------------------------------------------------------------
prefix="$work/prefix"
if cmake --install "$build" --prefix "$prefix" > "$work/install.log" 2>&1; then
    check "the installation has the menu entry, the icon and the resources" test \
        -f "$prefix/share/applications/tesselle.desktop" \
        -a -f "$prefix/share/icons/hicolor/scalable/apps/tesselle.svg" \
        -a -f "$prefix/share/tesselle/Tesselle.svg" -a -f "$prefix/share/tesselle/emojis.json" \
        -a -f "$prefix/share/tesselle/symbols/star.fill.svg"
    if [ -x "$prefix/bin/tesselle" ]; then
        start "$work/installed.log" "$prefix/bin/tesselle"
        # The icon only shows when the installed program found its resources.
        check "the installed program shows its tray icon" wait_until 10000 \
            sh -c "xwininfo -root -tree | grep -q '(\"tesselle\" \"tesselle\")  22x22'"
        kill "$started"
        wait "$started" 2> /dev/null
    fi
else
    check "cmake --install succeeds" false
fi

# --- the autostart log line in a read-only folder ------------------------------------
# Root writes into read-only folders, so that case runs as an unprivileged user.
as_nobody() { setpriv --reuid=65534 --regid=65534 --clear-groups "$@"; }
if [ "$(id -u)" -eq 0 ] && command -v setpriv > /dev/null && [ -x "$bin/tst_xdgautostart" ]; then
    if ! as_nobody test -x "$bin/tst_xdgautostart"; then
        echo "SKIP: the unprivileged user cannot reach $bin"
    else
        sandbox=$(mktemp -d)
        chown 65534:65534 "$sandbox"
        (cd "$sandbox" && as_nobody env -i PATH="$PATH" TMPDIR="$sandbox" \
            ASAN_OPTIONS="${ASAN_OPTIONS:-}" "$bin/tst_xdgautostart" aFailedWriteOrRemovalIsLogged) \
            > "$work/readonly.log" 2>&1
        rm -rf "$sandbox"
        check "turning launch at login on or off in a read-only folder logs the failure" \
            grep -q 'Totals: 6 passed, 0 failed, 0 skipped' "$work/readonly.log"
    fi
fi

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
