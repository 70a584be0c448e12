#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: first the normal build
# in build/, then the same suite built with AddressSanitizer and
# UndefinedBehaviorSanitizer in build-sanitize/.
#   scripts/test.sh             both
#   scripts/test.sh --normal    only the normal build
#   scripts/test.sh --sanitize  only the ASan and UBSan build
#   scripts/test.sh --thread    the semaphore, registry and store tests built with
#                               ThreadSanitizer, in build-tsan/
set -euo pipefail
cd "$(dirname "$0")/.."

suite() { # build folder, ctest arguments..., then -- and CMake arguments
    local dir=$1 ctest_args=() cmake_args=()
    shift
    while [ $# -gt 0 ] && [ "$1" != -- ]; do ctest_args+=("$1"); shift; done
    [ $# -gt 0 ] && shift
    cmake_args=("$@")
    echo "=== $dir"
    TESSELLE_BUILD_DIR=$dir bash scripts/build.sh "${cmake_args[@]}"
    (cd "$dir" && ctest --output-on-failure --timeout 900 "${ctest_args[@]}")
}

normal() { suite build --; }
sanitized() { suite build-sanitize -- -DTESSELLE_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug; }
threads() {
    # Debian's Qt is not built with ThreadSanitizer, which therefore cannot see
    # the locks of Qt's event queues and thread pool: expect reports where work
    # passes between threads through them, and read each one.
    export TSAN_OPTIONS="halt_on_error=0 ${TSAN_OPTIONS:-}"
    suite build-tsan -R 'tst_asyncsemaphore|tst_shortcutregistry|tst_emojistore|tst_concurrentchanges' \
        -- -DTESSELLE_TSAN=ON -DCMAKE_BUILD_TYPE=Debug
}

case "${1:-}" in
"") normal && sanitized ;;
--normal) normal ;;
--sanitize) sanitized ;;
--thread) threads ;;
*) echo "usage: scripts/test.sh [--normal | --sanitize | --thread]" >&2; exit 2 ;;
esac
