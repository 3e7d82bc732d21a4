# Sourced by the run and test scripts: Wine as on a Japanese Windows, and a display.
export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
# No network here: never try to fetch Mono or Gecko.
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEDEBUG="${WINEDEBUG:--all}"
# Only the 64-bit loader exists on these machines; call it directly.
export PTR_WINE=/usr/lib/wine/wine64
export PTR_WINESERVER=/usr/lib/wine/wineserver

# ptr_wine_prefix DIR: use DIR as the Wine prefix, creating it when missing.
ptr_wine_prefix() {
  export WINEPREFIX="$1"
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "wine: creating prefix $WINEPREFIX (about 15 s)"
    mkdir -p "$WINEPREFIX"
    "$PTR_WINE" wineboot -i >/dev/null 2>&1 || true
    "$PTR_WINESERVER" -w
  fi
}

# ptr_display: keep $DISPLAY when it answers, else start a virtual one.
ptr_display() {
  if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    return
  fi
  local fdfile
  fdfile=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fdfile" >/dev/null 2>&1 &
  PTR_XVFB_PID=$!
  for _ in $(seq 50); do [ -s "$fdfile" ] && break; sleep 0.1; done
  export DISPLAY=":$(cat "$fdfile")"
  rm -f "$fdfile"
  export PTR_XVFB_PID
}

# ptr_wine_stop: end the prefix's Wine processes and our virtual display.
ptr_wine_stop() {
  [ -n "${WINEPREFIX:-}" ] && "$PTR_WINESERVER" -k >/dev/null 2>&1 || true
  [ -n "${PTR_XVFB_PID:-}" ] && kill "$PTR_XVFB_PID" 2>/dev/null || true
}
