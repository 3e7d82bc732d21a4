#!/usr/bin/env bash
# Builds the given trees (default: all three) under build/:
#   win64   64-bit Windows build, runs under Wine and is tested
#   win32   32-bit Windows release build
#   native  Linux build of the portable code and its tests
# PTR_TARGETS, when set, names the only targets to build (e.g. the program alone).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
trees=("$@")
((${#trees[@]})) || trees=(win64 win32 native)
type=${PTR_BUILD_TYPE:-RelWithDebInfo}
for t in "${trees[@]}"; do
  args=(-G Ninja -S "$root" -B "$root/build/$t" -DCMAKE_BUILD_TYPE="$type")
  case "$t" in
    win64)  args+=(-DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-mingw-x86_64.cmake") ;;
    win32)  args+=(-DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-mingw-i686.cmake" -DPTR_BUILD_TESTS=OFF
                   -DPTR_WIN64_BUILD_DIR="$root/build/win64") ;;
    native) args+=(-DPTR_WIN32_BUILD_DIR="$root/build/win32" -DPTR_WIN64_BUILD_DIR="$root/build/win64") ;;
    *) echo "unknown build tree: $t" >&2; exit 2 ;;
  esac
  # A compiler cache, where the machine has one, makes rebuilds of other checkouts quick.
  command -v ccache >/dev/null && args+=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  cmake "${args[@]}" >/dev/null
  cmake --build "$root/build/$t" ${PTR_TARGETS:+--target $PTR_TARGETS}
done
