#!/usr/bin/env bash
# Installs what is missing, builds, and starts Tesselle. Without a display it
# starts a virtual one (Xvfb) with a tray host, so the program still runs; Ctrl+C
# quits it in order (its shortcuts are taken out of the list first).
set -euo pipefail
cd "$(dirname "$0")/.."
# The program and its data only: the suites and benchmarks are for scripts/test.sh.
TESSELLE_TARGETS=tesselle bash scripts/build.sh
binary=build/bin/tesselle

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec "$binary" "$@"
fi

echo "No display found: starting Tesselle on a virtual display (Xvfb) with a tray host."
display=:$(( 90 + RANDOM % 100 ))
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
trayer --edge top --align right --widthtype request --height 24 >/dev/null 2>&1 &
tray=$!

"$binary" "$@" &
program=$!
stop() { kill -TERM "$program" 2>/dev/null || true; }
trap stop INT TERM
status=0
wait "$program" || status=$?
# A signal interrupts the first wait; wait again for the orderly quit to end.
kill -0 "$program" 2>/dev/null && { wait "$program" || status=$?; }
kill "$tray" "$xvfb" 2>/dev/null || true
exit "$status"
