#!/usr/bin/env bash
# Runs a Windows program of the 64-bit build under Wine (CTest's emulator).
# scripts/test.sh provides the prefix and display, or a lane of its own for each test
# (CTest names the lane it gave the test); started alone it makes its own.
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine-env.sh"
if [ -n "${CTEST_RESOURCE_GROUP_0_WINE:-}" ]; then
  lane=${CTEST_RESOURCE_GROUP_0_WINE#id:}
  ptr_wine_lane "${lane%%,*}"
elif [ -z "${WINEPREFIX:-}" ]; then
  ptr_wine_prefix "${PTR_WINEPREFIX:-$here/../build/wineprefix}"
fi
ptr_display
exec "$PTR_WINE" "$@"
