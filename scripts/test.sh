#!/usr/bin/env bash
# Installs what is missing, builds every tree and runs every test: the Linux tests of the
# portable code, the static checks of the 32-bit build, and the Windows tests under Wine.
# The Windows tests run side by side in lanes, two per processor (PTR_TEST_LANES to choose),
# each lane with a prefix and a virtual display of its own. Ends with a line
# "N passed, N failed".
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh" || { echo "setup failed"; echo "0 passed, 1 failed"; exit 1; }

. "$root/scripts/wine-env.sh"
run_dir=$(mktemp -d /tmp/ptr-test.XXXXXX)
trap 'ptr_wine_stop; rm -rf "$run_dir"' EXIT
# Two per processor: the Windows tests mostly wait for windows and the clipboard.
lanes=${PTR_TEST_LANES:-$(( $(nproc) * 2 ))}
# The lanes' prefixes are made while the trees build. CTest runs as many tests at once as
# there are lanes, and each Windows test takes a lane no other holds (scripts/wine-exec.sh).
ptr_wine_lanes "$lanes" "$run_dir"
"$root/scripts/build.sh" win64 win32 native || { echo "build failed"; echo "0 passed, 1 failed"; exit 1; }

failed_runs=0
for t in native win64; do
  results="$root/build/$t/test-results"
  rm -rf "$results"; mkdir -p "$results"
  echo "== tests: $t"
  [ "$t" = win64 ] && ptr_wine_lanes_ready
  ctest --test-dir "$root/build/$t" --output-on-failure --timeout 600 -j "$lanes" ||
    failed_runs=1
done
"$root/scripts/summarize-tests.sh" "$root/build/native" "$root/build/win64"
status=$?
exit $(( status || failed_runs ))
