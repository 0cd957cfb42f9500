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
exec wine install/tewo.exe
