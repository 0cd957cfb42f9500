#!/usr/bin/env bash
# Quick start: installs what is missing, builds everything and runs every
# test: the portable core natively (with sanitizers), then the dialogs and the
# end-to-end robots under Wine.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
jobs=$(nproc)

scripts/install-deps.sh

log=$(mktemp)
cleanup() {
  wineserver -k 2>/dev/null || true
  tewo_stop_display 2>/dev/null || true
  rm -f "$log"
}
trap cleanup EXIT

status=0
# The sources must build the same with every compiler the README names.
echo "== portable sources"
scripts/check-sources.sh || status=1

# Every test program writes its cases' results here, so that the closing line
# counts test cases, not programs.
results=$PWD/build/test-results
rm -rf "$results"
mkdir -p "$results/native" "$results/wine"

echo "== native core tests"
cmake --preset native >/dev/null
cmake --build --preset native -j "$jobs"
GTEST_OUTPUT="xml:$results/native/" ctest --preset native -j "$jobs" 2>&1 | tee -a "$log" || status=1

echo "== fuzz targets of the core, a short run each"
TEWO_FUZZ_RESULTS="$results/fuzz.txt" scripts/fuzz.sh 20 || status=1

echo "== benchmarks build"
cmake --preset bench >/dev/null
cmake --build --preset bench -j "$jobs"

echo "== Windows build and tests under Wine"
cmake --preset mingw >/dev/null
cmake --build --preset mingw -j "$jobs"
cmake --build --preset mingw --target tewo_zip
source scripts/wine-env.sh
tewo_prepare_prefix
tewo_ensure_display
tewo_start_services 600  # one server for all the test programs
# A window-driving run may lose a race with Wine now and then: a failed test
# program runs once more, and its output says so.
TEWO_GTEST_RESULTS="$results/wine" ctest --preset mingw --repeat until-pass:2 2>&1 |
  tee -a "$log" || status=1

# One closing line for the whole run, over the test cases of every program
# (a program run twice counts with its last run: it writes under the same
# name). A program that ended without its results counts as one failed case.
cases=0
failures=0
skipped=0
for xml in "$results"/native/*.xml "$results"/wine/*.xml; do
  [ -f "$xml" ] || continue
  head=$(grep -o '<testsuites [^>]*' "$xml" | head -n 1)
  cases=$((cases + $(sed -E 's/.* tests="([0-9]+)".*/\1/' <<<"$head")))
  failures=$((failures + $(sed -E 's/.* failures="([0-9]+)".*/\1/' <<<"$head")))
  skipped=$((skipped + $(grep -c 'result="skipped"' "$xml" || true)))
done
# Each fuzz target's run counts as one case.
if [ -f "$results/fuzz.txt" ]; then
  cases=$((cases + $(wc -l <"$results/fuzz.txt")))
  failures=$((failures + $(grep -c failed "$results/fuzz.txt" || true)))
fi
failed_programs=$(grep -Eo '[0-9]+ tests failed out of [0-9]+' "$log" | tail -n 2 | awk '{f += $1} END {print f + 0}')
[ "$failures" -ge "$failed_programs" ] || failures=$failed_programs
echo "$((cases - failures - skipped)) passed, $failures failed, $skipped skipped"
[ "$failures" -eq 0 ] || status=1
exit "$status"
