#!/usr/bin/env bash
# Installs what is missing, builds every tree and runs every test: the Linux
# tests of the portable code, the static checks of the 32-bit build, and the
# Windows tests under Wine (own prefix, virtual display). Ends with a line
# "N passed, N failed".
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/build.sh" win64 win32 native || { echo "build failed"; echo "0 passed, 1 failed"; exit 1; }

. "$root/scripts/wine-env.sh"
run_dir=$(mktemp -d /tmp/ptr-test.XXXXXX)
trap 'ptr_wine_stop; rm -rf "$run_dir"' EXIT
ptr_display
ptr_wine_prefix "$run_dir/prefix"

failed_runs=0
for t in native win64; do
  results="$root/build/$t/test-results"
  rm -rf "$results"; mkdir -p "$results"
  echo "== tests: $t"
  ctest --test-dir "$root/build/$t" --output-on-failure --timeout 600 || failed_runs=1
done
"$root/scripts/summarize-tests.sh" "$root/build/native" "$root/build/win64"
status=$?
exit $(( status || failed_runs ))
