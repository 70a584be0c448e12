#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test.
#   scripts/test.sh             the normal build, in build/
#   scripts/test.sh --sanitize  the same suite built with ASan and UBSan, in build-sanitize/
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "${1:-}" = "--sanitize" ]; then
  export TESSELLE_BUILD_DIR=build-sanitize
  bash scripts/build.sh -DTESSELLE_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
else
  export TESSELLE_BUILD_DIR=build
  bash scripts/build.sh
fi
cd "$TESSELLE_BUILD_DIR"
ctest --output-on-failure --timeout 600
