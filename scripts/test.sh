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
run_tests() {  # tree
  local results="$root/build/$1/test-results"
  rm -rf "$results"; mkdir -p "$results"
  ctest --test-dir "$root/build/$1" --output-on-failure --timeout 600 -j "$lanes"
}
"$root/scripts/build.sh" win64 || { echo "build failed"; echo "0 passed, 1 failed"; exit 1; }
# The Windows tests, which mostly wait, run while the other two trees build beside them
# at a lower priority; their output follows the Linux tests'.
ptr_wine_lanes_ready
( run_tests win64 >"$run_dir/win64.log" 2>&1; echo $? >"$run_dir/win64.status" ) &
win64_tests=$!
if ! nice -n 19 "$root/scripts/build.sh" win32 native; then
  pkill -P "$win64_tests" 2>/dev/null; wait "$win64_tests" 2>/dev/null
  echo "build failed"; echo "0 passed, 1 failed"; exit 1
fi

failed_runs=0
echo "== tests: native"
run_tests native || failed_runs=1
wait "$win64_tests"
echo "== tests: win64"
cat "$run_dir/win64.log"
[ "$(cat "$run_dir/win64.status" 2>/dev/null)" = 0 ] || failed_runs=1
"$root/scripts/summarize-tests.sh" "$root/build/native" "$root/build/win64"
status=$?
exit $(( status || failed_runs ))
