# Wine environment for running the Windows binaries; sourced, not run.
# Uses a private 32-bit prefix outside the repo and one virtual desktop named "shell",
# so the program and the test driver see each other's windows.
. "$(dirname "${BASH_SOURCE[0]}")/common.sh"

export WINEPREFIX=${WALLPAPER_WINEPREFIX:-${XDG_CACHE_HOME:-$HOME/.cache}/wallpaper-wine}
export WINEARCH=win32
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
WINE_DESKTOP_SIZE=${WINE_DESKTOP_SIZE:-1024x768}

# Starts a private Xvfb unless one of ours already serves the display, and exports DISPLAY.
# A server killed without cleaning up leaves its lock and socket behind; those are cleared.
wine_start_xvfb() {
  local n=${WALLPAPER_XVFB_DISPLAY:-97}
  local lock=/tmp/.X$n-lock socket=/tmp/.X11-unix/X$n pid=""
  [ -f "$lock" ] && pid=$(tr -dc '0-9' <"$lock")
  if [ -z "$pid" ] || ! kill -0 "$pid" 2>/dev/null; then
    rm -f "$lock" "$socket"
    Xvfb ":$n" -screen 0 "${WINE_DESKTOP_SIZE}x24" -nolisten tcp >/dev/null 2>&1 &
    for _ in $(seq 100); do [ -e "$socket" ] && break; sleep 0.1; done
  fi
  export DISPLAY=":$n"
}

# Creates the prefix once; later calls only make sure the virtual desktop is set.
wine_prepare_prefix() {
  if [ ! -f "$WINEPREFIX/.wallpaper-ready" ]; then
    log "creating Wine prefix $WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    timeout 120 wineboot -i >/dev/null 2>&1 </dev/null || true
    timeout 60 wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d shell /f >/dev/null 2>&1 </dev/null
    timeout 60 wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v shell /d "$WINE_DESKTOP_SIZE" /f >/dev/null 2>&1 </dev/null
    timeout 30 wineserver -w || true
    touch "$WINEPREFIX/.wallpaper-ready"
  fi
}

wine_stop() { timeout 20 wineserver -k >/dev/null 2>&1 || true; }
