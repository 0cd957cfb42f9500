#!/usr/bin/env bash
# Runs every fuzz target of the portable core on its corpus for a time budget.
#   scripts/fuzz.sh [SECONDS] [TARGET...]     (default: 20 seconds, every target)
# New inputs go to build/fuzz/corpus/TARGET; an input that finds a fault is
# saved under build/fuzz/artifacts/TARGET/ and the run fails. Keep such an
# input under fuzz/regressions/TARGET/ once the fault is mended.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
seconds=${1:-20}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(text_reader template_file settings registration paths duplicates editor)

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$(nproc)" >/dev/null

results=${TEWO_FUZZ_RESULTS:-build/fuzz/results.txt}
mkdir -p "$(dirname "$results")"
: >"$results"

run_one() {
  local target=$1 seconds=$2 results=$3
  local corpus=build/fuzz/corpus/$target artifacts=build/fuzz/artifacts/$target
  mkdir -p "$corpus" "$artifacts"
  local inputs=("$corpus")
  for dir in "fuzz/corpus/$target" "fuzz/regressions/$target"; do
    [ -d "$dir" ] && inputs+=("$dir")
  done
  local log=build/fuzz/$target.log
  # Inputs of many short lines cost an allocation a line under the sanitizers:
  # the readers of line files get inputs of 1 KB, which reach every branch.
  local max_len=4096
  case $target in template_file | registration | duplicates | editor) max_len=1024 ;; esac
  if "build/fuzz/fuzz/${target}_fuzz" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
      -max_len="$max_len" \
      -print_final_stats=1 -artifact_prefix="$artifacts/" "${inputs[@]}" >"$log" 2>&1; then
    local runs rate cov
    runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$')
    rate=$(grep -o 'stat::average_exec_per_sec: *[0-9]*' "$log" | grep -o '[0-9]*$')
    cov=$(grep -o 'cov: [0-9]*' "$log" | tail -n 1 | grep -o '[0-9]*')
    echo "fuzz $target: passed, $runs runs, $rate per second, cov $cov"
    echo "$target passed" >>"$results"
  else
    echo "fuzz $target: FAILED (log: $log, input: $artifacts/)"
    grep -E 'invariant failed|ERROR:|SUMMARY' "$log" | head -n 5
    echo "$target failed" >>"$results"
  fi
}
export -f run_one
printf '%s\n' "${targets[@]}" | xargs -P "$(nproc)" -I{} bash -c 'run_one "$@"' _ {} "$seconds" "$results"
! grep -q failed "$results"
