#!/usr/bin/env bash
# Pictures of the welcome window and of the three settings pages, taken from the
# real program on a virtual display (Xvfb, openbox, trayer) in a private home:
# the first start's welcome window, then the same window with person and the
# medium skin tone chosen, then "Install Tesselle", the panel's menu, "Settings"
# and each of its tabs.
#
# Usage: take-screenshots.sh BUILD_DIR OUT_DIR [DISPLAY_NUMBER]
# Writes welcome.png, welcome-chosen.png, settings-general.png,
# settings-support.png and settings-about.png into OUT_DIR.
# In another language (LANGUAGE=de), give the two windows' titles in it:
# WELCOME_TITLE="Willkommen bei Tesselle" SETTINGS_TITLE="Tesselle-Einstellungen".
set -eu

build=$(cd "$1" && pwd)
mkdir -p "$2"
out=$(cd "$2" && pwd)
display=":${3:-72}"

for tool in Xvfb openbox trayer xdotool xwininfo xprop import convert; do
    command -v "$tool" > /dev/null || { echo "$tool is missing (scripts/deps.sh installs it)"; exit 1; }
done

work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2> /dev/null || true; done
    wait 2> /dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
start() { # log file, then the command
    "${@:2}" > "$work/$1" 2>&1 &
    pids+=($!)
}

# A private home, so that nothing of the real user's is read or written.
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share"
export XDG_CACHE_HOME="$work/home/.cache" XDG_STATE_HOME="$work/home/.local/state"
export XDG_RUNTIME_DIR="$work/runtime" DISPLAY="$display"
mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
unset WAYLAND_DISPLAY QT_QPA_PLATFORM DBUS_SESSION_BUS_ADDRESS

wait_until() { # seconds, then a command
    local tries=$(($1 * 20))
    shift
    until "$@"; do
        tries=$((tries - 1))
        [ "$tries" -gt 0 ] || return 1
        sleep 0.05
    done
}
viewable() { xwininfo -name "$1" 2> /dev/null | grep -q IsViewable; }
geometry() { # window name or -id ID; prints "x y width height"
    xwininfo "$@" | awk '/Absolute upper-left X/ {x=$NF}
        /Absolute upper-left Y/ {y=$NF} /Width/ {w=$NF} /Height/ {h=$NF} END {print x, y, w, h}'
}
# The program's top-level windows as "id width height x y".
windows() {
    xwininfo -root -tree | awk 'index($0, "(\"tesselle\" \"tesselle\")") {
        split($(NF-1), size, /[x+]/); split($NF, at, /\+/)
        print $1, size[1], size[2], at[2], at[3] }'
}
click() { xdotool mousemove "$1" "$2" click 1; }
shoot_area() { # file, then x y width height
    import -window root -crop "$4x$5+$2+$3" +repage "$out/$1"
    echo "$out/$1"
}

welcome_title=${WELCOME_TITLE:-Welcome to Tesselle}
settings_title=${SETTINGS_TITLE:-Tesselle Settings}

start xvfb.log Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp
display_up() { xprop -root > /dev/null 2>&1; }
wait_until 10 display_up
start openbox.log openbox --sm-disable
wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK 2> /dev/null | grep -q 'window id'; }
wait_until 10 wm_running
start trayer.log trayer --edge top --align right --widthtype request --height 24 \
    --SetDockType true --transparent false
sleep 0.5

start tesselle.log "$build/bin/tesselle"
wait_until 15 viewable "$welcome_title"
# The introduction video runs four seconds and stays on its last frame.
sleep 5
read -r wx wy ww wh <<< "$(geometry -name "$welcome_title")"
shoot_area welcome.png "$wx" "$wy" "$ww" "$wh"

# Person, and the fourth swatch (medium): the pickers sit at the rows' right
# end, 16 in from the window's edge, under the 310 high video.
click $((wx + ww - 16 - 3 * 32 - 2 * 10 + 16)) $((wy + 310 + 16 + 21))
click $((wx + ww - 16 - 6 * 18 - 5 * 10 + 3 * 28 + 9)) $((wy + 310 + 16 + 42 + 1 + 21))
sleep 0.5
shoot_area welcome-chosen.png "$wx" "$wy" "$ww" "$wh"

# "Install Tesselle" is the accent-coloured button at the bottom; a line about
# espanso may sit under it, so find it by its colour in the picture.
button_bottom=$(convert "$out/welcome-chosen.png" -crop "1x$wh+24+0" txt:- |
    awk -F'[,:() ]+' 'NR > 1 && $3 > 200 && $4 > 150 && $5 < 80 { y = $2 } END { print y }')
click $((wx + ww / 2)) $((wy + button_bottom - 8))
welcome_gone() { ! xwininfo -name "$welcome_title" > /dev/null 2>&1; }
wait_until 30 welcome_gone
# The panel opens a second after the welcome window closes.
panel() { windows | awk '$2 > 200 && $3 > 200' | head -1; }
panel_shown() { [ -n "$(panel)" ]; }
wait_until 10 panel_shown
sleep 1
read -r _ pw _ px py <<< "$(panel)"
before=$(windows)
# The menu button at the search field's right end.
click $((px + pw - 38)) $((py + 36))
sleep 0.8
read -r _ mw mh mx my <<< "$(comm -13 <(sort <<< "$before") <(windows | sort) | head -1)"
# "Settings" is the menu's first entry.
click $((mx + mw / 2)) $((my + mh / 3))
wait_until 10 viewable "$settings_title"
sleep 0.5

settings=$(xwininfo -name "$settings_title" | awk '/Window id/ {print $4}')
read -r sx sy _ _ <<< "$(geometry -id "$settings")"
import -frame -window "$settings" "$out/settings-general.png"
echo "$out/settings-general.png"
# The tabs, left to right, on the tab bar 16 in from the window's top left.
for tab in "support 170" "about 255"; do
    read -r name x <<< "$tab"
    click $((sx + x - 15)) $((sy + 16 + 12))
    sleep 0.8
    import -frame -window "$settings" "$out/settings-$name.png"
    echo "$out/settings-$name.png"
done
