#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (build/fuzz, or $PTR_FUZZ_BUILD) and runs each for a
# bounded time, adding what it finds to fuzz/corpus/<target>.
# Usage: scripts/fuzz.sh [seconds per target] [target...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh" fuzz
seconds=${1:-30}; shift || true
build=${PTR_FUZZ_BUILD:-$root/build/fuzz}
cmake -G Ninja -S "$root" -B "$build" -DPTR_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$build"
targets=("$@")
((${#targets[@]})) || mapfile -t targets < <(cd "$build/fuzz" && ls fuzz_* | sed 's/^fuzz_//')
status=0
for t in "${targets[@]}"; do
  corpus="$root/fuzz/corpus/$t"
  mkdir -p "$corpus" "$build/findings/$t"
  before=$(mktemp); ls "$corpus" > "$before"
  echo "== fuzz $t for ${seconds}s"
  if ! "$build/fuzz/fuzz_$t" -max_total_time="$seconds" -max_len=65536 -print_final_stats=1 \
       -artifact_prefix="$build/findings/$t/" "$corpus" 2>"$build/findings/$t.log"; then
    echo "   FOUND a failure: see $build/findings/$t/ and $t.log"; status=1
  fi
  grep -E 'stat::number_of_executed_units|stat::new_units_added' "$build/findings/$t.log" | sed 's/^/   /'
  # Keep the corpus small: of the inputs this run added, only those that add coverage.
  # Inputs that were there before stay (each once found something).
  kept=$(mktemp -d)
  "$build/fuzz/fuzz_$t" -merge=1 "$kept" "$corpus" >/dev/null 2>&1 || true
  for f in "$corpus"/*; do
    name=$(basename "$f")
    grep -qxF "$name" "$before" || [ -e "$kept/$name" ] || rm -f "$f"
  done
  rm -rf "$kept" "$before"
  echo "   corpus: $(ls "$corpus" | wc -l) inputs"
done
exit $status
