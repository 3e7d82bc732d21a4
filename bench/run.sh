#!/usr/bin/env bash
# The benchmark command. Builds the 64-bit tree (build/bench/win64, optimised as the
# release is), then runs ptrbench under Wine in a prefix and on a virtual display of its
# own, printing every figure with the machine it ran on; the output is also kept in
# build/bench/results.txt. A full run takes about five minutes.
#   bench/run.sh [--quick] [latency] [execute] [startup] [idle]
# --quick measures fewer changes and starts (about a minute); phase names pick phases.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
build=${PTR_BENCH_BUILD:-$root/build/bench}
cmake -G Ninja -S "$root" -B "$build/win64" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPTR_BUILD_TESTS=OFF \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-mingw-x86_64.cmake" >/dev/null
cmake --build "$build/win64" --target ptrbench >/dev/null

. "$root/scripts/wine-env.sh"
# A display of our own: nothing else on it takes the clipboard or the keyboard.
unset DISPLAY
ptr_display
ptr_wine_prefix "$build/prefix"
trap ptr_wine_stop EXIT
"$PTR_WINE" "$build/win64/bench-bin/ptrbench.exe" "$@" | tr -d '\r' | tee "$build/results.txt"
