#!/usr/bin/env bash
# Builds the Windows program's benchmark and runs it under Wine: the source
# list of 10,000 entries against a plain list box, a script saved for it, and
# a folder tree of 10,000 drawings added through the menu item.
#
#   scripts/bench-wine.sh
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
cmake --preset mingw >/dev/null
cmake --build --preset mingw --target tewo_win_bench -j 2
# The factory command template file, as the Windows program sees it.
templates=$(source scripts/wine-env.sh && tewo_prepare_prefix && winepath -w src/resources/tewoc.ini)
exec scripts/wine-run build/mingw/bench/win/tewo_win_bench.exe "$templates"
