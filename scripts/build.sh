#!/usr/bin/env bash
# Installs what is missing and builds Tesselle into build/ (or $TESSELLE_BUILD_DIR).
# Arguments go to the CMake configure step; $TESSELLE_TARGETS, when set, names
# the targets to build instead of all of them.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
build_dir=${TESSELLE_BUILD_DIR:-build}
cmake -S . -B "$build_dir" -G Ninja "$@" >/dev/null
targets=()
for target in ${TESSELLE_TARGETS:-}; do targets+=(--target "$target"); done
cmake --build "$build_dir" "${targets[@]}"
