# Shell functions shared by the scripts that drive the program on a virtual
# X11 desktop; sourced, not run.

now_ms() { date +%s%3N; }

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
