# Autopaste into a Wayland terminal under the headless sway of
# run-wayland-tests.sh; sourced, not run. Needs that script's helpers and a
# running program with autopaste on, its panel closed.

# foot running `cat > FILE` gets the picked emoji typed (a terminal takes
# Ctrl+V for a control character), and the file holds exactly the emoji on the
# clipboard. The terminal passes what is typed on at once (no line editing),
# so the file shows when it arrives.
check_terminal_paste() {
    if ! command -v foot > /dev/null; then
        echo "SKIP: autopaste into a Wayland terminal needs foot"
        return
    fi
    local typed="$work/foot.txt" terminal
    start "$work/foot.log" foot --title "Terminal target" sh -c "stty -icanon; exec cat > '$typed'"
    terminal=$started
    check "the terminal is shown and focused" wait_until "$patience" focused foot "Terminal target"
    wait_until "$patience" test -e "$typed"
    timeout 10 "$bin/tesselle" > /dev/null 2>&1
    check "the panel opens over the terminal" wait_until "$patience" focused tesselle Tesselle
    pick_with_keys dancer
    arrived() { [ -s "$typed" ] && [ "$(cat "$typed")" = "$(timeout 5 wl-paste --no-newline)" ]; }
    check "autopaste into foot running cat gives exactly the emoji on the clipboard" \
        wait_until "$patience" arrived
    echo "FIGURE: Return on the emoji to the emoji in foot: $(($(now_ms) - picked)) ms"
    echo "FACT: foot received \"$(cat "$typed")\""
    kill "$terminal" 2> /dev/null
    wait "$terminal" 2> /dev/null
}
