#!/usr/bin/env bash
# Runs a command with Wine ready: the prefix $PTR_WINEPREFIX (default build/wineprefix,
# created when missing) and a display (the current one, or a virtual one for the
# command's lifetime). Example: scripts/with-wine.sh ctest --test-dir build/win64 -R hostdll
root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/scripts/wine-env.sh"
ptr_display
ptr_wine_prefix "${PTR_WINEPREFIX:-$root/build/wineprefix}"
trap ptr_wine_stop EXIT
"$@"
