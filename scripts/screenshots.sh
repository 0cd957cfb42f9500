#!/usr/bin/env bash
# Takes screenshots of TEWO under Wine on a virtual display: the main dialog
# (a script just saved), a registration dialog, the script editor on that
# script, the help window and the About box.
#
#   scripts/screenshots.sh [dpi]     dpi: 96 (default), 120, 144, ...
#
# Every picture of a run goes to build/screenshots/<dpi>/. At 96 DPI the three
# of the README (main dialog, editor, help window) are also stored, made
# small, in docs/screenshots/.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

dpi=${1:-96}
if ! [[ $dpi =~ ^[0-9]+$ ]] || ((dpi < 96 || dpi > 480)); then
  echo "usage: $0 [dpi from 96 to 480]" >&2
  exit 2
fi

scripts/install-deps.sh
cmake --preset mingw >/dev/null
cmake --build --preset mingw --target tewo tewo_screenshot_robot -j 2
out=$PWD/build/screenshots/$dpi
rm -rf "$out"
mkdir -p "$out"
cmake --install build/mingw --prefix "$out/install" >/dev/null

# A prefix of its own for each DPI, so that the tests' prefix stays at 96.
export TEWO_WINEPREFIX=${TEWO_WINEPREFIX:-$PWD/build/screenshots/prefix-$dpi}
source scripts/wine-env.sh
tewo_prepare_prefix
# Wine 8 takes the screen's DPI from the user's LogPixels (what winecfg
# sets), else from the hardware profile's (HKEY_CURRENT_CONFIG\Software\Fonts),
# and reads it when its server starts.
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
wineserver -k 2>/dev/null || true
wineserver -w

# A display of our own, whatever DISPLAY says: the pictures show nothing else.
unset DISPLAY
tewo_ensure_display
trap 'wineserver -k 2>/dev/null || true; tewo_stop_display' EXIT
tewo_start_services 60

readme_shots=(main editor help)
coproc ROBOT {
  wine build/mingw/tools/screenshot_robot/tewo_screenshot_robot.exe "$(winepath -w "$out/install")" 2>&1
}
robot_pid=$ROBOT_PID
exec {from_robot}<&"${ROBOT[0]}" {to_robot}>&"${ROBOT[1]}"
while IFS= read -r line <&"$from_robot"; do
  line=${line%$'\r'}
  read -r word name x y w h <<<"$line" || true
  if [ "$word" != shot ]; then
    echo "$line" >&2
    continue
  fi
  import -display "$DISPLAY" -window root "$out/screen.png"
  convert "$out/screen.png" -crop "${w}x${h}+${x}+${y}" +repage "$out/$name.png"
  echo "$name: ${w}x${h} at $x,$y"
  echo next >&"$to_robot"
done
status=0
wait "$robot_pid" || status=$?
exec {from_robot}<&- {to_robot}>&-
if [ "$status" != 0 ]; then
  echo "the screenshot robot failed ($status)" >&2
  exit 1
fi
rm -f "$out/screen.png"

if [ "$dpi" = 96 ]; then
  mkdir -p docs/screenshots
  for name in "${readme_shots[@]}"; do
    # Few colours without dithering keep the text sharp and the files small.
    convert "$out/$name.png" -strip +dither -colors 64 "PNG8:docs/screenshots/$name.png"
  done
  du -cb docs/screenshots/*.png | tail -1 | awk '{ printf "docs/screenshots: %d bytes\n", $1 }'
fi
echo "pictures: $out"
