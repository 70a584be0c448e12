#!/usr/bin/env bash
# Pictures of the open picker panel on a virtual X11 desktop (Xvfb, openbox,
# trayer), in the light and the dark look, with a search typed and the first
# emoji it finds selected: for looking at the panel by eye. The dark look is a
# dark Qt palette from the qt6ct platform theme, as a user without a desktop
# of their own would set one.
#
# Usage: take-picker-screenshots.sh BUILD_DIR OUTPUT_DIR [SEARCH]
# Writes picker-light.png and picker-dark.png (the panel) and
# picker-light-screen.png and picker-dark-screen.png (the whole screen).
# Set TESSELLE_DISPLAY to a display number to use that one rather than the
# first free one. Needs Xvfb, xdpyinfo, openbox, trayer, xdotool, xwininfo,
# import (imagemagick) and qt6ct.
set -u
. "$(dirname "$0")/desktop-helpers.sh"

build=$(cd "$1" && pwd)
mkdir -p "$2"
out=$(cd "$2" && pwd)
search=${3:-cat}

for tool in Xvfb xdpyinfo openbox trayer xdotool xwininfo import; do
    command -v "$tool" > /dev/null || { echo "$tool is missing"; exit 1; }
done
[ -d /usr/share/qt6ct/colors ] || { echo "qt6ct is missing"; exit 1; }

work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2> /dev/null; done
    wait 2> /dev/null
    rm -rf "$work"
}
trap cleanup EXIT
unset WAYLAND_DISPLAY QT_QPA_PLATFORM QT_QPA_PLATFORMTHEME DBUS_SESSION_BUS_ADDRESS

tray_icon() { windows_of tesselle | awk '$2 <= 64 && $3 <= 64 && $4 > 0' | head -1; }
has_tray_icon() { [ -n "$(tray_icon)" ]; }
panel() { windows_of tesselle Tesselle | awk '$2 > 64' | head -1; }
panel_shown() {
    local id
    id=$(panel | cut -d' ' -f1)
    [ -n "$id" ] && xwininfo -id "$id" | grep -q 'Map State: IsViewable'
}

if [ -n "${TESSELLE_DISPLAY:-}" ]; then
    Xvfb ":$TESSELLE_DISPLAY" -screen 0 1280x1024x24 -nolisten tcp > "$work/xvfb.log" 2>&1 &
    echo "$TESSELLE_DISPLAY" > "$work/display"
else
    # Xvfb picks a free display number and writes it to descriptor 3.
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3> "$work/display" \
        > "$work/xvfb.log" 2>&1 &
fi
pids+=($!)
wait_until 10000 test -s "$work/display" || { echo "Xvfb did not start"; exit 1; }
export DISPLAY=":$(head -1 "$work/display")"
wait_until 10000 xdpyinfo > /dev/null 2>&1 || { echo "Xvfb did not start"; exit 1; }
openbox --sm-disable > "$work/openbox.log" 2>&1 &
pids+=($!)
wait_until 5000 sh -c "xprop -root _NET_SUPPORTING_WM_CHECK 2> /dev/null | grep -q 'window id'" ||
    { echo "openbox did not start"; exit 1; }
trayer --edge top --align right --widthtype request --height 24 --SetDockType true \
    --transparent false > "$work/trayer.log" 2>&1 &
pids+=($!)
sleep 0.5

for look in light dark; do
    # A private home for each look: nothing of the real user's is read or written.
    home="$work/$look"
    export HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_DATA_HOME="$home/.local/share"
    export XDG_CACHE_HOME="$home/.cache" XDG_STATE_HOME="$home/.local/state"
    export XDG_RUNTIME_DIR="$home/runtime"
    mkdir -p "$XDG_CONFIG_HOME/tesselle" "$XDG_RUNTIME_DIR"
    chmod 700 "$XDG_RUNTIME_DIR"
    # Past the welcome window, as after a first start.
    printf '[General]\nisWelcomeWasPresented=@ByteArray(true)\n' \
        > "$XDG_CONFIG_HOME/tesselle/tesselle.conf"
    if [ "$look" = dark ]; then
        mkdir -p "$XDG_CONFIG_HOME/qt6ct"
        # Qt's own default font, as in the light look.
        cat > "$XDG_CONFIG_HOME/qt6ct/qt6ct.conf" << 'EOF'
[Appearance]
color_scheme_path=/usr/share/qt6ct/colors/darker.conf
custom_palette=true
[Fonts]
general="Sans Serif,9,-1,5,400,0,0,0,0,0,0,0,0,0,0,1"
fixed="Monospace,9,-1,5,400,0,0,0,0,0,0,0,0,0,0,1"
EOF
        export QT_QPA_PLATFORMTHEME=qt6ct
    fi

    "$build/bin/tesselle" > "$work/tesselle-$look.log" 2>&1 &
    program=$!
    wait_until 10000 has_tray_icon || { echo "no tray icon ($look)"; exit 1; }
    read -r _ iw ih ix iy <<< "$(tray_icon)"
    xdotool mousemove $((ix + iw / 2)) $((iy + ih / 2)) click 1
    wait_until 10000 panel_shown || { echo "the panel did not open ($look)"; exit 1; }
    sleep 0.5
    # The search field has the focus; Down selects the first emoji found.
    xdotool type --delay 120 "$search"
    xdotool key Down
    sleep 1
    read -r _ pw ph px py <<< "$(panel)"
    import -window root "$out/picker-$look-screen.png"
    import -window root -crop "${pw}x${ph}+${px}+${py}" +repage "$out/picker-$look.png"
    echo "$out/picker-$look.png: panel ${pw}x${ph} at $px,$py"

    kill "$program"
    wait "$program" 2> /dev/null
    unset QT_QPA_PLATFORMTHEME
done
