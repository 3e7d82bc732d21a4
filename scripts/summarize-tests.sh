#!/usr/bin/env bash
# Counts test cases from the GoogleTest XML files of the given build trees.
# A registered test program that left no XML (it crashed or hung) counts as one failure.
passed=0; failed=0; skipped=0
for tree in "$@"; do
  while read -r name; do
    xml="$tree/test-results/$name.xml"
    if [ ! -s "$xml" ]; then
      echo "no results from $name (crashed or timed out)"
      failed=$((failed + 1)); continue
    fi
    cases=$(grep -c '<testcase ' "$xml")
    skips=$(grep -c 'result="skipped"' "$xml")
    # A test case can hold several failures; count cases, not messages.
    failing_cases=$(awk '/<testcase /{c=0} /<failure /{if(!c){n++;c=1}} END{print n+0}' "$xml")
    failed=$((failed + failing_cases)); skipped=$((skipped + skips))
    passed=$((passed + cases - failing_cases - skips))
  done < <(ctest --test-dir "$tree" -N 2>/dev/null | sed -n 's/^ *Test *#[0-9]*: *//p')
done
echo "$passed passed, $failed failed, $skipped skipped"
[ "$failed" -eq 0 ]
