#!/usr/bin/env bash
# Builds the Debian package and checks it the way a user meets it: the desktop
# file, the metainfo and the package pass their validators (lintian with no
# errors; its warnings are printed), apt installs it, the installed program
# shows its tray icon on a virtual desktop (Xvfb, openbox, trayer) and quits
# with 0 on SIGTERM, and removing it with --purge leaves none of its files.
#
# Usage: check-package.sh [PACKAGE.deb]   (without one, scripts/package.sh makes it)
# Installs and removes a system package: run it as root (or through sudo) on a
# machine where Tesselle is not installed already, such as CI's.
set -euo pipefail
cd "$(dirname "$0")/.."
. tests/desktop/desktop-helpers.sh

sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
if dpkg-query -W -f='${Status}' tesselle 2> /dev/null | grep -q 'install ok installed'; then
  echo "FAIL: tesselle is installed already; this check installs and removes it" >&2
  exit 1
fi

# The validators and the virtual desktop's tools.
bash scripts/deps.sh
if [ $# -gt 0 ]; then
  deb=$(realpath "$1")
else
  deb=$(bash scripts/package.sh | tail -1)
fi
echo "Package: $deb"
work=$(mktemp -d)
pids=()
installed=0
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2> /dev/null || true; done
  wait 2> /dev/null || true
  # A check that stopped half-way leaves the system as it found it.
  if [ "$installed" -eq 1 ]; then
    "${sudo_cmd[@]}" apt-get remove --purge -y -qq tesselle > /dev/null 2>&1 || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT
trap 'echo "FAIL: stopped at line $LINENO: $BASH_COMMAND" >&2' ERR

failed=0

# --- what is in the package ------------------------------------------------------
dpkg-deb -I "$deb" | sed -n 's/^ \(Version\|Architecture\|Installed-Size\|Depends\|Suggests\):/\1:/p'
dpkg-deb -x "$deb" "$work/content"
app_id=io.tesselle.Tesselle
check "the package has the binary, the data, the menu entry, the icon, the metainfo and the manual page" \
  test -x "$work/content/usr/bin/tesselle" -a -f "$work/content/usr/share/tesselle/emojis.json" \
  -a -f "$work/content/usr/share/applications/tesselle.desktop" \
  -a -f "$work/content/usr/share/icons/hicolor/scalable/apps/tesselle.svg" \
  -a -f "$work/content/usr/share/metainfo/$app_id.metainfo.xml" \
  -a -f "$work/content/usr/share/man/man1/tesselle.1.gz"
check "desktop-file-validate passes the desktop file" \
  desktop-file-validate "$work/content/usr/share/applications/tesselle.desktop"
check "appstreamcli passes the metainfo" \
  appstreamcli validate --no-net "$work/content/usr/share/metainfo/$app_id.metainfo.xml"
man_lists_options() {
  local option page
  page=$(zcat "$work/content/usr/share/man/man1/tesselle.1.gz")
  for option in help version toggle settings quit; do
    grep -qF -- "-\\-$option" <<< "$page" || return 1
  done
}
check "the manual page lists the options" man_lists_options
# lintian exits non-zero on errors only; the warnings are printed for the record.
echo "--- lintian"
check "lintian finds no errors" lintian --info "$deb"
echo "---"

# --- installed --------------------------------------------------------------------
dpkg-deb -c "$deb" | awk '{print $NF}' | sed 's|^\./|/|; s|/$||' | grep -v '^$' > "$work/files"
installed=1
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq "$deb" > "$work/apt.log" 2>&1 ||
  { cat "$work/apt.log"; echo "FAIL: apt installs the package"; exit 1; }
check "apt installs the package" test -x /usr/bin/tesselle

# A private home, so that the installed program touches nothing of the user's.
use_private_home
start_display || { echo "FAIL: Xvfb did not start"; exit 1; }
start_window_manager || { echo "FAIL: openbox did not start"; exit 1; }
start_tray
wait_until 10000 tray_running || { echo "FAIL: trayer did not start"; cat "$work/trayer.log"; exit 1; }

/usr/bin/tesselle > "$work/tesselle.log" 2>&1 &
program=$!
pids+=("$program")
# The icon only shows when the installed program found its data in /usr/share/tesselle.
has_tray_icon() { [ -n "$(windows_of tesselle | awk '$2 <= 64 && $3 <= 64 && $4 > 0')" ]; }
check "the installed program shows its tray icon" wait_until 10000 has_tray_icon
kill -TERM "$program"
code=0
wait "$program" || code=$?
check "... and quits with 0 on SIGTERM" test "$code" -eq 0
[ "$code" -eq 0 ] || cat "$work/tesselle.log"

# --- removed ----------------------------------------------------------------------
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get remove --purge -y -qq tesselle \
  > "$work/apt.log" 2>&1 || cat "$work/apt.log"
check "apt-get remove --purge removes the package" sh -c \
  "! dpkg-query -W -f='\${Status}' tesselle 2> /dev/null | grep -q installed"
# What the package held and no other package owns is gone; shared folders
# such as /usr/share/applications stay.
left() {
  local path
  while read -r path; do
    if [ -e "$path" ] || [ -L "$path" ]; then
      dpkg -S "$path" > /dev/null 2>&1 || echo "$path"
    fi
  done < "$work/files"
}
check "... and leaves none of its files behind" test -z "$(left)"
check "... nor its data folder" test ! -e /usr/share/tesselle -a ! -e /usr/share/doc/tesselle
left

echo "Installed-Size: $(dpkg-deb -f "$deb" Installed-Size) KiB"
[ "$failed" -eq 0 ] && echo "The package checks passed." || echo "$failed package checks failed."
[ "$failed" -eq 0 ]
