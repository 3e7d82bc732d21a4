#!/usr/bin/env bash
# Installs what is missing, builds the 64-bit program and starts it under Wine from
# build/run/ (settings written there persist between runs). Uses the current X display;
# without one it starts a virtual display and says how to look at it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh" look   # to look at a virtual display
# The program, its host DLL and the standard plug-ins only: a new user does not wait
# for the tests and benchmarks.
PTR_TARGETS="ptrmain KXDLL tlxText tlxInternet tlxConvert tlxHistory tlxSnippet" "$root/scripts/build.sh" win64
. "$root/scripts/wine-env.sh"

run="$root/build/run"
mkdir -p "$run"
# Program files are refreshed; the user's Setting.ini, menus and plug-in settings are kept.
cp -r "$root/build/win64/dist/." "$run/"
cp -rn "$root/dist/." "$run/" 2>/dev/null || true

had_display=${DISPLAY:-}
ptr_display
# A prefix of its own: the tests' prefixes leave windows to Wine, a desktop to its window manager.
ptr_wine_prefix "${PTR_WINEPREFIX:-$root/build/run-prefix}"
if [ -z "$had_display" ] || [ "$had_display" != "$DISPLAY" ]; then
  echo "No X display: ポルテリカ runs on the virtual display $DISPLAY."
  echo "Look at it with:  DISPLAY=$DISPLAY import -window root screen.png"
  echo "Stop it with Ctrl+C."
  trap ptr_wine_stop EXIT
fi
cd "$run"
"$PTR_WINE" ./ptrmain.exe "$@"
# ptrmain returns at once when it hands a request to a running instance; otherwise
# it stays resident until it is quit.
"$PTR_WINESERVER" -w
