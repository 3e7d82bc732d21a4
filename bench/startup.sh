#!/usr/bin/env bash
# Start-up time of ptrmain to resident (waiting for input) under Wine, with 0, 100 and
# 1,000 watch actions, hotkeys and menu items; five starts each.
#   bench/startup.sh [64-bit build folder]      (default: build/win64)
# Builds ptrmain, KXDLL and the text plug-in there first. Uses the prefix $PTR_WINEPREFIX
# (default build/wineprefix).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build/win64}
cmake --build "$build" --target ptrmain KXDLL tlxText
mkdir -p "$build/bench"
x86_64-w64-mingw32-g++-posix -std=c++20 -O2 -static -o "$build/bench/startup_bench.exe" \
  -finput-charset=UTF-8 -fexec-charset=CP932 "$root/bench/startup_bench.cpp"
exec "$root/scripts/with-wine.sh" "$root/scripts/wine-exec.sh" "$build/bench/startup_bench.exe" "Z:$build/dist"
