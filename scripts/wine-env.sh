# Sourced by every script that runs a Windows program of this project under Wine.
# Exports the environment, and offers tewo_prepare_prefix and tewo_ensure_display.

TEWO_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX=${TEWO_WINEPREFIX:-$TEWO_ROOT/build/wineprefix}
export WINEARCH=win64
export WINEDEBUG=-all
# Without these overrides the first start waits on the Mono/Gecko installers.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
# Code page 932 comes from the glibc locale of every Wine process. A shell
# that started before the locale was generated cannot switch itself over and
# would warn about it; the Wine processes it starts get the locale all the same.
{ export LC_ALL=ja_JP.UTF-8; } 2>/dev/null

# Creates the prefix once (tens of seconds), maps the MS fonts to the IPA
# fonts and switches off the crash dialog, which would hang a run under Xvfb.
# Windows are not handed to a window manager: Wine draws their frames itself,
# and without a manager it would wait two seconds for every hidden window.
tewo_prepare_prefix() {
  mkdir -p "$(dirname "$WINEPREFIX")"
  (
    flock 9
    if [ ! -f "$WINEPREFIX/.tewo-ready" ]; then
      echo "preparing the Wine prefix $WINEPREFIX" >&2
      wineboot -i >/dev/null 2>&1 || true
      wineserver -w
      local reg="$WINEPREFIX/tewo-setup.reg"
      printf '%s\r\n' \
        'Windows Registry Editor Version 5.00' '' \
        '[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]' \
        '"ＭＳ Ｐゴシック"="IPAPGothic"' \
        '"ＭＳ ゴシック"="IPAGothic"' \
        '"MS UI Gothic"="IPAPGothic"' '' \
        '[HKEY_CURRENT_USER\Software\Wine\WineDbg]' \
        '"ShowCrashDialog"=dword:00000000' '' \
        '[HKEY_CURRENT_USER\Software\Wine\X11 Driver]' \
        '"Managed"="N"' '' |
        { printf '\xff\xfe'; iconv -f UTF-8 -t UTF-16LE; } >"$reg"
      wine regedit "$reg" >/dev/null 2>&1
      wineserver -w
      touch "$WINEPREFIX/.tewo-ready"
    fi
    # The title bar buttons draw their symbols with Marlett, which Debian's
    # Wine ships but does not find by itself: without it they show letters.
    local fonts="$WINEPREFIX/drive_c/windows/Fonts"
    if [ ! -f "$fonts/marlett.ttf" ] && [ -f /usr/share/wine/fonts/marlett.ttf ]; then
      cp /usr/share/wine/fonts/marlett.ttf "$fonts/"
    fi
  ) 9>"$WINEPREFIX.lock"
}

# Starts the wineserver (kept for seconds seconds after its last client) and
# Wine's own services, with no output of the caller's: a service started by a
# program would inherit that program's output, and whoever reads it (ctest)
# would wait until the service ends.
tewo_start_services() {
  local seconds=${1:-30}
  wineserver "-p$seconds" >/dev/null 2>&1 || true
  wine cmd /c exit </dev/null >/dev/null 2>&1 || true
}

# Starts a virtual display when none is set. Sets TEWO_XVFB_PID when it
# started one, so that the caller stops only what it started.
tewo_ensure_display() {
  [ -n "${DISPLAY:-}" ] && return 0
  local n
  for n in $(seq 90 140); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    TEWO_XVFB_PID=$!
    local i
    for i in $(seq 1 100); do
      if xdpyinfo -display ":$n" >/dev/null 2>&1; then
        export DISPLAY=":$n"
        return 0
      fi
      kill -0 "$TEWO_XVFB_PID" 2>/dev/null || break
      sleep 0.1
    done
    kill "$TEWO_XVFB_PID" 2>/dev/null || true
    unset TEWO_XVFB_PID
  done
  echo "could not start a virtual X display" >&2
  return 1
}

tewo_stop_display() {
  if [ -n "${TEWO_XVFB_PID:-}" ]; then
    kill "$TEWO_XVFB_PID" 2>/dev/null || true
    wait "$TEWO_XVFB_PID" 2>/dev/null || true
    unset TEWO_XVFB_PID
  fi
}
