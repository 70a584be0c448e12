#!/usr/bin/env bash
# Builds the fuzz targets with clang's libFuzzer and runs each for a while
# (default 60 s), starting from the seed corpus in fuzz/corpus/<reader>/.
# Usage: scripts/fuzz.sh [seconds] [target...]
# Crashes are written to <build>/fuzz-findings/<target>/; the corpus grown
# during the run stays in <build>/fuzz-corpus/<target>/ and never in the tree.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${TESSELLE_FUZZ_BUILD:-$root/build-fuzz}
seconds=${1:-60}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(fuzz_catalogue fuzz_presetreader fuzz_configuration
  fuzz_symbollist fuzz_registrymap fuzz_espansomatch)

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++-14 -DTESSELLE_FUZZ=ON >/dev/null
cmake --build "$build" --parallel 2 --target "${targets[@]}"

export ASAN_OPTIONS=detect_leaks=0
status=0
summary=()
for target in "${targets[@]}"; do
  reader=${target#fuzz_}
  corpus=$build/fuzz-corpus/$reader
  findings=$build/fuzz-findings/$reader
  mkdir -p "$corpus" "$findings"
  log=$build/fuzz-$reader.log
  echo "== $target for ${seconds}s"
  if ! "$build/bin/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
      -print_final_stats=1 -artifact_prefix="$findings/" \
      "$corpus" "$root/fuzz/corpus/$reader" >"$log" 2>&1; then
    status=1
    echo "$target FAILED: see $log and $findings/"
    tail -n 40 "$log"
  fi
  last=$(grep -E '^#[0-9]+' "$log" | tail -n 1 || true)
  rate=$(grep -E 'stat::average_exec_per_sec' "$log" | awk '{print $2}' || true)
  summary+=("$(printf '%-20s %s exec/s  %s' "$target" "${rate:-?}" \
    "$(grep -oE 'cov: [0-9]+ ft: [0-9]+ corp: [0-9]+/[0-9a-zA-Z]+' <<<"$last" || echo "$last")")")
done
printf '%s\n' "" "target               rate          coverage" "${summary[@]}"
exit $status
