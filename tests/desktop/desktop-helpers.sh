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
