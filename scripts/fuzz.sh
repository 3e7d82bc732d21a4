#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (build/fuzz) and runs each for a bounded time,
# adding what it finds to fuzz/corpus/<target>. Usage: scripts/fuzz.sh [seconds per target] [target...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
seconds=${1:-30}; shift || true
cmake -G Ninja -S "$root" -B "$root/build/fuzz" -DPTR_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$root/build/fuzz"
targets=("$@")
((${#targets[@]})) || mapfile -t targets < <(cd "$root/build/fuzz/fuzz" && ls fuzz_* | sed 's/^fuzz_//')
status=0
for t in "${targets[@]}"; do
  corpus="$root/fuzz/corpus/$t"
  mkdir -p "$corpus" "$root/build/fuzz/findings/$t"
  echo "== fuzz $t for ${seconds}s"
  if ! "$root/build/fuzz/fuzz/fuzz_$t" -max_total_time="$seconds" -max_len=65536 -print_final_stats=1 \
       -artifact_prefix="$root/build/fuzz/findings/$t/" "$corpus" 2>"$root/build/fuzz/findings/$t.log"; then
    echo "   FOUND a failure: see $root/build/fuzz/findings/$t/ and $t.log"; status=1
  fi
  grep -E 'stat::number_of_executed_units|stat::new_units_added' "$root/build/fuzz/findings/$t.log" | sed 's/^/   /'
done
exit $status
