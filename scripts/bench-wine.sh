#!/usr/bin/env bash
# Builds the Windows program's benchmark and runs it under Wine: the source
# list of 10,000 entries against a plain list box, a script saved for it, and
# a folder tree of 10,000 drawings added through the menu item; a key typed
# into the script editor on a script of 2.5 MB against a plain edit.
#
#   scripts/bench-wine.sh
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
cmake --preset mingw >/dev/null
cmake --build --preset mingw --target tewo_win_bench -j 2
exec scripts/wine-run build/mingw/bench/win/tewo_win_bench.exe --gtest_filter='MainDialogTest.*:EditorTest.*'
