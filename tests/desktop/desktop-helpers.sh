# Shell functions shared by the scripts that drive the program on a virtual
# X11 desktop; sourced, not run.

now_ms() { date +%s%3N; }

# A check of a test script: says PASS or FAIL with what it checks, and counts
# both in $passed and $failed.
check() { # description, then a command that succeeds when the check holds
    local what=$1
    shift
    if "$@"; then
        echo "PASS: $what"
        passed=$((${passed:-0} + 1))
    else
        echo "FAIL: $what"
        failed=$((${failed:-0} + 1))
    fi
}

# A test script's end: stops what `start` started, shows the end of each log
# in $work when a check failed, and removes $work.
clean_up_test_run() {
    for pid in "${pids[@]}"; do kill "$pid" 2> /dev/null; done
    wait 2> /dev/null
    if [ "${failed:-0}" -gt 0 ]; then
        for log in "$work"/*.log; do echo "--- $log"; tail -20 "$log"; done
    fi
    rm -rf "$work"
}

# Runs a command in the background, its output in a log; its pid goes to
# $started and joins $pids, which the script's cleanup stops.
start() { # log file, then the command
    local log=$1
    shift
    "$@" > "$log" 2>&1 &
    started=$!
    pids+=("$started")
}

wait_until() { # timeout in ms, then a command that succeeds once it holds
    local deadline=$(($(now_ms) + $1))
    shift
    until "$@"; do
        [ "$(now_ms)" -ge "$deadline" ] && return 1
        sleep 0.005
    done
}

# Windows of a class as "id width height x y", from the whole window tree;
# with a name, only the windows of that name.
windows_of() { # class [name]
    xwininfo -root -tree | awk -v class="(\"$1\" \"$1\")" -v name="${2:+\"$2\":}" '
        index($0, class) && (name == "" || index($0, name)) {
            split($(NF-1), size, /[x+]/); split($NF, at, /\+/)
            print $1, size[1], size[2], at[2], at[3] }'
}

# A test script's start: a work folder ($work) removed at its end, with what
# the script started ($pids) stopped, and a private home in it.
begin_test_run() {
    work=$(mktemp -d)
    pids=()
    failed=0
    trap clean_up_test_run EXIT
    use_private_home
}

# espanso as a user who installs Tesselle runs it: the tests' stand-in, running.
use_running_fake_espanso() {
    export PATH="$(cd "$(dirname "${BASH_SOURCE[0]}")/../support/fake-espanso" && pwd):$PATH"
    export FAKE_ESPANSO_STATE="$work/espanso-state"
    echo running > "$FAKE_ESPANSO_STATE"
}

# A private home in $work, so that nothing of the real user's is read or
# written, and none of the user's sessions is reached.
use_private_home() {
    export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config"
    export XDG_DATA_HOME="$work/home/.local/share" XDG_CACHE_HOME="$work/home/.cache"
    export XDG_STATE_HOME="$work/home/.local/state" XDG_RUNTIME_DIR="$work/runtime"
    mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_RUNTIME_DIR"
    chmod 700 "$XDG_RUNTIME_DIR"
    unset WAYLAND_DISPLAY QT_QPA_PLATFORM DBUS_SESSION_BUS_ADDRESS
}

# A virtual display as $DISPLAY: Xvfb picks a free number and writes it to
# descriptor 3.
start_display() {
    start "$work/xvfb.log" Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3> "$work/display"
    wait_until 10000 test -s "$work/display" || return 1
    export DISPLAY=":$(head -1 "$work/display")"
}

wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK 2> /dev/null | grep -q 'window id'; }

# openbox on the display; one that cannot reach the fresh display at once gets
# two more tries.
start_window_manager() {
    local try
    for try in 1 2 3; do
        start "$work/openbox.log" openbox --sm-disable
        wait_until 5000 wm_running && return 0
        sleep 0.5 # before another try
    done
    return 1
}

# The tray host, which docks through the window manager: started after it.
start_tray() {
    start "$work/trayer.log" trayer --edge top --align right --widthtype request --height 24 \
        --SetDockType true --transparent false
}
tray_running() { xwininfo -root -tree | grep -q '("panel" "trayer")'; }
