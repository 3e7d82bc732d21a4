#!/usr/bin/env bash
# Runs a Windows program of the 64-bit build under Wine (CTest's emulator).
# scripts/test.sh provides the prefix and display; started alone it makes its own.
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine-env.sh"
if [ -z "${WINEPREFIX:-}" ]; then
  ptr_wine_prefix "${PTR_WINEPREFIX:-$here/../build/wineprefix}"
fi
ptr_display
exec "$PTR_WINE" "$@"
