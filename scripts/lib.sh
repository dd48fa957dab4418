# Shared settings of the scripts. Source it; do not run it.
TOOLBOX_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
WINE_LOADER=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver
export WINEPREFIX="${TOOLBOX_WINEPREFIX:-$TOOLBOX_ROOT/build/wineprefix}"
export WINEARCH=win64
export WINEDEBUG="${WINEDEBUG:--all}"
# No Mono or Gecko install dialogs: the program needs neither.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
# Wine takes the system code page from the locale: 936 (GBK) for zh_CN.
# Exported by use_wine_locale, once scripts/setup has generated the locale.
TOOLBOX_LOCALE=zh_CN.UTF-8
use_wine_locale() { export LC_ALL="$TOOLBOX_LOCALE" LANG="$TOOLBOX_LOCALE"; }

log() { printf '%s\n' "$*" >&2; }

# Starts Xvfb on a free display number when there is no $DISPLAY, exports
# DISPLAY and sets TOOLBOX_XVFB_PID. Stop it with stop_virtual_display.
TOOLBOX_XVFB_PID=""
start_virtual_display() {
  [ -n "${DISPLAY:-}" ] && return 0
  local n
  for n in $(seq 90 120); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    TOOLBOX_XVFB_PID=$!
    local tries
    for tries in $(seq 1 100); do
      [ -e "/tmp/.X11-unix/X$n" ] && { export DISPLAY=":$n"; return 0; }
      kill -0 "$TOOLBOX_XVFB_PID" 2>/dev/null || break
      sleep 0.1
    done
  done
  log "could not start Xvfb"
  return 1
}

stop_virtual_display() {
  if [ -n "$TOOLBOX_XVFB_PID" ]; then
    kill "$TOOLBOX_XVFB_PID" 2>/dev/null || true
    wait "$TOOLBOX_XVFB_PID" 2>/dev/null || true
    TOOLBOX_XVFB_PID=""
  fi
}

# Starts a persistent wineserver for the prefix, so that each later Wine
# start takes a fraction of a second, and brings up Wine's background
# services once, with their output going nowhere (see scripts/wine-run for
# why their output matters).
warm_up_wine() {
  "$WINESERVER" -p
  "$WINE_LOADER" cmd /c exit </dev/null >/dev/null 2>&1 || true
}

stop_wine() {
  "$WINESERVER" -k 2>/dev/null || true
}
