#!/usr/bin/env bash
# Builds the Debian package tesselle_<version>_<arch>.deb in build-package/ (or
# $TESSELLE_PACKAGE_BUILD_DIR) and prints its path. Installs what is missing first.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
dir=${TESSELLE_PACKAGE_BUILD_DIR:-build-package}
# Built as Debian builds its own packages: its optimisation and hardening flags,
# no build type of CMake's on top, no sanitizers. Without -g: the package's
# binary is stripped (CPACK_STRIP_FILES), so debugging information would be
# compiled only to be thrown away. Precompiled Qt headers, as in CI's other
# build, since CI builds the package on every run.
export DEB_CXXFLAGS_MAINT_STRIP=-g
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=None \
  -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
  -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" \
  -DTESSELLE_SANITIZE=OFF -DTESSELLE_TSAN=OFF -DTESSELLE_FUZZ=OFF \
  -DTESSELLE_PRECOMPILE_HEADERS=ON -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON > /dev/null
# Only the program: the package holds nothing of the tests.
cmake --build "$dir" --target tesselle
rm -f "$dir"/tesselle_*.deb
if ! (cd "$dir" && cpack -G DEB > cpack.log 2>&1); then
  cat "$dir/cpack.log" >&2
  exit 1
fi
ls "$PWD/$dir"/tesselle_*.deb
