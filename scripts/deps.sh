#!/usr/bin/env bash
# Installs the Debian packages that building, testing and running Tesselle need,
# and only those that are missing. Works as root and through sudo.
set -euo pipefail

packages=(
  # build
  build-essential cmake ninja-build pkg-config python3
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev
  qcoro-qt6-dev nlohmann-json3-dev libyaml-cpp-dev
  libxdo-dev libxtst-dev libx11-dev libxcb1-dev
  qt6-multimedia-dev  # the welcome window's video
  # tests and benchmarks
  libbenchmark-dev clang libclang-rt-14-dev
  qt6-base-private-dev  # the accessibility test switches Qt's platform accessibility on
  clang-format  # the formatting check
  lld  # links the suites faster than the default linker
  unicode-data  # emoji-test.txt, for the skin-tone test with the real font
  # running: platform plugins, emoji font, a virtual display with a tray host
  qt6-qpa-plugins libqt6svg6 fonts-noto-color-emoji
  xvfb xauth x11-utils trayer xdotool xclip openbox
  # the portal tests' private session bus; the terminals autopaste types into
  # in the X11 and Wayland tests
  dbus-daemon xterm foot
  # the screen reader's view: the accessibility bus (at-spi2-core) on that
  # session bus, read through AT-SPI by Debian's Python (pyatspi)
  dbus-bin at-spi2-core python3-pyatspi
  # Qt Multimedia with its FFmpeg backend, which decodes the H.264 videos
  # without GStreamer plugins; ffmpeg encodes them (tools/introvideo)
  libqt6multimedia6 ffmpeg
  # Wayland sessions: Qt's Wayland platform, and wtype, which types the paste
  # key on wlroots compositors; the Wayland test runs a headless sway and reads
  # the clipboard with wl-paste
  qt6-wayland wtype sway wl-clipboard
  # the Wayland test's pointer (tests/wayland/VirtualPointer.cpp): wayland-scanner
  # builds its protocol code, libwayland-dev has the client library; grim takes
  # its screenshots; dbus-send asks the session bus of swaybar's tray (run by
  # dbus-daemon, above) whether the tray watches it
  libwayland-bin libwayland-dev grim dbus-bin
  # the Debian package (scripts/package.sh) and its checks (scripts/check-package.sh):
  # dpkg-shlibdeps and dpkg-buildflags, file (how CPack finds the binaries to
  # ask dpkg-shlibdeps about), and the validators of the desktop file, the
  # metainfo and the package
  dpkg-dev file desktop-file-utils appstream lintian
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
