#!/usr/bin/env bash
# Quick start: installs what is missing, builds tewo.exe, lays out the install
# folder (install/) and starts the tool under Wine.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

scripts/install-deps.sh
cmake --preset mingw >/dev/null
cmake --build --preset mingw --target tewo -j "$(nproc)"
cmake --install build/mingw --prefix install >/dev/null
echo "install folder: $PWD/install"

source scripts/wine-env.sh
tewo_prepare_prefix
if [ -z "${DISPLAY:-}" ]; then
  tewo_ensure_display
  echo "no DISPLAY was set: TEWO runs on the virtual display $DISPLAY"
  echo "(screenshot: import -display $DISPLAY -window root shot.png)"
fi
status=0
wine install/tewo.exe || status=$?
# A display started here goes with the tool.
if [ -n "${TEWO_XVFB_PID:-}" ]; then
  wineserver -k 2>/dev/null || true
  tewo_stop_display
fi
exit "$status"
