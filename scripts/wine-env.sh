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

# ptr_virtual_display: starts a virtual display of our own and names it in PTR_NEW_DISPLAY.
ptr_virtual_display() {
  local fdfile
  fdfile=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fdfile" >/dev/null 2>&1 &
  export PTR_XVFB_PIDS="${PTR_XVFB_PIDS:-} $!"
  for _ in $(seq 50); do [ -s "$fdfile" ] && break; sleep 0.1; done
  PTR_NEW_DISPLAY=":$(cat "$fdfile")"
  rm -f "$fdfile"
}

# ptr_display: keep $DISPLAY when it answers, else start a virtual one.
ptr_display() {
  if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    return
  fi
  ptr_virtual_display
  export DISPLAY=$PTR_NEW_DISPLAY
}

# ptr_wine_lanes N DIR: N lanes in which Windows tests run side by side, each with a prefix
# (DIR/laneK) and a virtual display of its own: tests in two lanes share no clipboard, no
# keyboard focus and no window. The prefixes are made in the background; ptr_wine_lanes_ready
# waits for them. scripts/wine-exec.sh puts a test in the lane CTest gave it.
ptr_wine_lanes() {
  local lanes=$1 dir=$2 k
  export PTR_WINE_LANES=$lanes
  PTR_LANE_BOOTS=()
  for ((k = 0; k < lanes; k++)); do
    ptr_virtual_display
    export "PTR_LANE${k}_DISPLAY=$PTR_NEW_DISPLAY" "PTR_LANE${k}_PREFIX=$dir/lane$k"
    (DISPLAY=$PTR_NEW_DISPLAY ptr_wine_prefix "$dir/lane$k" >/dev/null) &
    PTR_LANE_BOOTS+=($!)
  done
}

ptr_wine_lanes_ready() {
  wait "${PTR_LANE_BOOTS[@]}"
}

# ptr_wine_lane K: the prefix and display of lane K.
ptr_wine_lane() {
  local prefix=PTR_LANE$1_PREFIX display=PTR_LANE$1_DISPLAY
  export WINEPREFIX=${!prefix} DISPLAY=${!display}
}

# ptr_take_wine_lane: waits for a lane no other process holds, takes it (its lock on file
# descriptor 9, held until this shell ends) and uses its prefix and display.
ptr_take_wine_lane() {
  local k prefix
  while :; do
    for ((k = 0; k < PTR_WINE_LANES; k++)); do
      prefix=PTR_LANE${k}_PREFIX
      exec 9>"${!prefix}.lock"
      if flock -n 9; then
        ptr_wine_lane "$k"
        return
      fi
    done
    sleep 0.2
  done
}

# ptr_wine_stop: end the Wine processes of our prefixes and our virtual displays.
ptr_wine_stop() {
  local k
  for ((k = 0; k < ${PTR_WINE_LANES:-0}; k++)); do
    (ptr_wine_lane "$k"; "$PTR_WINESERVER" -k >/dev/null 2>&1 || true)
  done
  [ -n "${WINEPREFIX:-}" ] && "$PTR_WINESERVER" -k >/dev/null 2>&1 || true
  [ -n "${PTR_XVFB_PIDS:-}" ] && kill $PTR_XVFB_PIDS 2>/dev/null || true
}
