#!/usr/bin/env bash
# Builds the Windows program's benchmark and runs it under Wine: the source
# list of 10,000 entries against a plain list box, and a script saved for it.
#
#   scripts/bench-wine.sh
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
cmake --preset mingw >/dev/null
cmake --build --preset mingw --target tewo_list_bench -j 2
exec scripts/wine-run build/mingw/bench/win/tewo_list_bench.exe
