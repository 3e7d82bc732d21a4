#!/usr/bin/env bash
# Runs a Windows program of the 64-bit build under Wine (CTest's emulator).
# scripts/test.sh provides the prefix and display, or lanes, of which each test takes one
# that no other test holds while it runs; started alone it makes its own.
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine-env.sh"
if [ -n "${PTR_WINE_LANES:-}" ]; then
  ptr_take_wine_lane
  ptr_display
  # Not exec: this shell holds the lane's lock until the program ends. The lock stays out
  # of Wine's processes, or a wineserver left running would keep the lane taken.
  "$PTR_WINE" "$@" 9>&-
  exit
elif [ -z "${WINEPREFIX:-}" ]; then
  ptr_wine_prefix "${PTR_WINEPREFIX:-$here/../build/wineprefix}"
fi
ptr_display
exec "$PTR_WINE" "$@"
