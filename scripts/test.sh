#!/usr/bin/env bash
# Installs what is missing, checks the formatting, builds, and runs every test.
#   scripts/test.sh             what CI runs: the formatting check, then every
#                               suite and each benchmark once, built with
#                               AddressSanitizer and UndefinedBehaviorSanitizer in
#                               build-sanitize/, warnings as errors; then the
#                               Debian package, built in build-package/ and
#                               checked (scripts/check-package.sh: as root, it
#                               installs and removes the package)
#   scripts/test.sh --normal    every suite in the normal build, in build/
#   scripts/test.sh --all       both builds
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
    # set -e does not hold inside a function called from a && list.
    TESSELLE_BUILD_DIR=$dir bash scripts/build.sh "${cmake_args[@]}" || return
    (cd "$dir" && ctest -j2 --output-on-failure --timeout 900 "${ctest_args[@]}")
}

format() { bash scripts/deps.sh && bash scripts/check-format.sh; }
normal() { suite build --; }
# One build serves the whole check: line tables only (-g1) and no optimisation
# compile fastest, and the sanitizers see every suite and benchmark run.
sanitized() {
    suite build-sanitize -- -DTESSELLE_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug \
        -DCMAKE_CXX_FLAGS_DEBUG=-g1 -DTESSELLE_WERROR=ON -DTESSELLE_PRECOMPILE_HEADERS=ON \
        -DTESSELLE_BENCHMARK_SMOKE=ON
}
# The package as a user meets it: its validators, apt's installation, the
# installed program's start and quit, the purge.
package() { bash scripts/check-package.sh; }
threads() {
    # Debian's Qt is not built with ThreadSanitizer, which therefore cannot see
    # the locks of Qt's event queues and thread pool: expect reports where work
    # passes between threads through them, and read each one.
    export TSAN_OPTIONS="halt_on_error=0 ${TSAN_OPTIONS:-}"
    suite build-tsan -R 'tst_asyncsemaphore|tst_shortcutregistry|tst_emojistore|tst_concurrentchanges' \
        -- -DTESSELLE_TSAN=ON -DCMAKE_BUILD_TYPE=Debug
}

case "${1:-}" in
"") format && sanitized && package ;;
--normal) normal ;;
--all) format && normal && sanitized ;;
--thread) threads ;;
*) echo "usage: scripts/test.sh [--normal | --all | --thread]" >&2; exit 2 ;;
esac
