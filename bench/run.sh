#!/usr/bin/env bash
# The benchmark command. Builds the 64-bit tree (build/bench/win64, optimised as the
# release is) and its release folder as the zip packs it, then runs ptrbench under Wine in a prefix and on a virtual display of its
# own, printing every figure with the machine it ran on; the output is also kept in
# build/bench/results.txt. A full run takes about twenty minutes.
#   bench/run.sh [--quick] [--before REV] [latency] [execute] [startup] [idle] [memory] [history] [queue] [snippet] [paste] [questions]
# --quick measures fewer changes and starts (about a minute); phase names pick phases.
# --before REV also builds the program as it was at git revision REV (build/bench/before)
# and measures it in the same run, before this one, in the start-up, /Execute, paste and
# questions phases. The error output of ptrbench, where the relay trace of the questions phase goes, is
# kept in build/bench/relay.log.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh" package
build=${PTR_BENCH_BUILD:-$root/build/bench}
# The program's release folder only, as a user runs it: no tests, no guide pictures.
build_tree() {  # source folder, build folder, targets...
  local src=$1 out=$2; shift 2
  cmake -G Ninja -S "$src" -B "$out" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPTR_BUILD_TESTS=OFF \
    -DCMAKE_TOOLCHAIN_FILE="$src/cmake/toolchain-mingw-x86_64.cmake" >/dev/null
  cmake --build "$out" --target "$@" >/dev/null
}
args=()
while (($#)); do
  case "$1" in
    --before)
      rev=$2; shift 2
      src="$build/before-src"
      rm -rf "$src" && mkdir -p "$src"
      git -C "$root" archive "$rev" | tar -x -C "$src"
      # A revision from before the release folder had a target of its own packs it in the zip.
      build_tree "$src" "$build/before" release_folder 2>/dev/null || build_tree "$src" "$build/before" package_zip
      args+=(--before "Z:$build/before/package/Porterica") ;;
    *) args+=("$1"); shift ;;
  esac
done
build_tree "$root" "$build/win64" ptrbench release_folder
# The program as users unpack it: the release zip's folder, without debug information;
# the benchmark's own processes (the baselines) go without it too, to be compared fairly.
args=(--release "Z:$build/win64/package/Porterica" --relay-log "Z:$build/relay.log" "${args[@]}")
x86_64-w64-mingw32-strip --strip-debug "$build/win64/bench-bin/ptrbench.exe" "$build/win64/bench-bin/benchprobe.tlx"

. "$root/scripts/wine-env.sh"
# A display of our own: nothing else on it takes the clipboard or the keyboard.
unset DISPLAY
ptr_display
ptr_wine_prefix "$build/prefix"
trap ptr_wine_stop EXIT
"$PTR_WINE" "$build/win64/bench-bin/ptrbench.exe" "${args[@]}" 2>"$build/relay.log" | tr -d '\r' | tee "$build/results.txt"
